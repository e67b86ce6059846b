#pragma once
#include "games/zirp3/RegoleZirp3.h"
#include "screens/SchermoGioco.h"

#include <QString>
#include <array>

class Bottone;
class Etichetta;
class Immagine;

// "quanti sono ?": one attribute value and nine random blocks; the child
// counts the blocks that have the value and presses that number.
class zirp3 final : public SchermoGioco, public RegoleZirp3 {
public:
    zirp3();

    void PreparaTurno();

    void NUMERI_Click(int Index);
    void Image1_Click(int Index);
    void Command1_Click();
    void bottoneavanti_Click();
    QString Incoerenza() const override;

    struct Controlli {
        Etichetta* Label1 = nullptr;
        Immagine* Image2 = nullptr;
        std::array<Immagine*, 9> Image1{};
        Bottone* Command1 = nullptr;
        Bottone* bottoneavanti = nullptr;
        std::array<Bottone*, 10> NUMERI{};
        Etichetta* Label2 = nullptr;
    };
    const Controlli& controlli() const { return c; }

protected:
    void CreaControlliGioco(FinestraSchermo& f) override;
    void DimenticaControlliGioco() override { c = {}; }
    void PrimoTurno() override { PreparaTurno(); }
    void NuovoSfondo() override { ImpostaSfondoCasuale(); }
    const Etichetta* EtichettaDomanda() const override { return c.Label1; }
    std::vector<QWidget*> ControlliRisposta() const override;

private:
    void MostraTuttiIBlocchi();

    Controlli c;
};
