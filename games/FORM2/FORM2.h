#pragma once
#include "games/FORM2/RegoleFORM2.h"
#include "screens/SchermoGioco.h"

#include <QString>
#include <array>

class Bottone;
class Etichetta;
class Immagine;
class QAction;
class QGroupBox;

// "insiemi": one attribute value in large letters and four random blocks; the
// child moves every block that has the value into the set. The turn is judged
// on "Fatto", or at once when automatic checking is chosen in the menu.
class FORM2 final : public SchermoGioco, public RegoleFORM2 {
public:
    FORM2();

    void PreparaTurno();

    void Image1_Click(int Index);
    void Command1_Click();
    void mnuControlloSi_Click();
    void mnuControlloNo_Click();
    QString Incoerenza() const override;

    struct Controlli {
        Etichetta* Label1 = nullptr;
        QGroupBox* Frame1 = nullptr;
        std::array<Immagine*, 4> insieme{};
        std::array<Immagine*, 4> Image1{};
        Bottone* Command1 = nullptr;
        QAction* mnuControlloSi = nullptr;
        QAction* mnuControlloNo = nullptr;
    };
    const Controlli& controlli() const { return c; }

protected:
    void CreaMenuProprio(FinestraSchermo& f) override;
    void CreaControlliGioco(FinestraSchermo& f) override;
    void DimenticaControlliGioco() override { c = {}; }
    void PrimoTurno() override;
    void NuovoSfondo() override { ImpostaSfondoCasuale(); }
    const Etichetta* EtichettaDomanda() const override { return c.Label1; }

private:
    void TurnoGiusto(const Registro::Risposta& risposta);
    void SegnaModo(bool automatico);
    void PortaAvantiIlFuoco(int da);

    Controlli c;
};
