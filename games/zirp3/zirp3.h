#pragma once
#include "screens/SchermoGioco.h"

#include <QString>
#include <array>

class Bottone;
class Etichetta;
class Immagine;

// "quanti sono ?": one attribute value and nine random blocks; the child
// counts the blocks that have the value and presses that number.
class zirp3 final : public SchermoGioco {
public:
    zirp3();

    // The attribute kind of the turn: 1 shape, 2 colour, 3 size, 4 thickness.
    qint16 Criterio = 0;
    // 0: the condition's word; k + 1: the same attribute's word of block k.
    std::array<QString, 10> Attributi;
    // How many of the nine blocks have the condition's word.
    qint16 NumeroGiusti = 0;

    void PreparaTurno();
    void ScegliCondizione();

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
    const Etichetta* EtichettaDomanda() const override { return c.Label1; }
    std::vector<QWidget*> ControlliRisposta() const override;

private:
    void MostraTuttiIBlocchi();

    Controlli c;
};
