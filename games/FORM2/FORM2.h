#pragma once
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
class FORM2 final : public SchermoGioco {
public:
    FORM2();

    // The attribute kind of the turn: 1 shape, 2 colour, 3 size, 4 thickness.
    qint16 Criterio = 0;
    // 0: the set's word; k + 1: the same attribute's word of block Image1(k).
    std::array<QString, 5> Attributi;
    // How many of the four blocks belong to the set.
    qint16 NumeroGiusti = 0;
    // Blocks moved into the set so far; also the next free slot.
    qint16 NumeroInseriti = 0;
    bool ControlloAutomatico = false;

    void PreparaTurno();
    void ScegliInsieme();

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
    const Etichetta* EtichettaDomanda() const override { return c.Label1; }

private:
    void TurnoGiusto();
    void SegnaModo(bool automatico);
    void PortaAvantiIlFuoco(int da);

    Controlli c;
};
