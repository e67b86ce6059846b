#pragma once
#include "screens/SchermoGioco.h"

#include <QString>
#include <array>

class Bottone;
class Cornice;
class Etichetta;
class Immagine;
class Linea;
class QAction;
class QMenu;

// "le strade 2": a road forks twice on its way up to four parking areas. The
// first fork asks a value of one attribute (ROSSO / NON ROSSO), both second
// forks a value of another (GRANDE / NON GRANDE). The child parks each block
// in the area its words lead to; "aiuto" shows the way one fork at a time,
// and every second use of it costs one right answer.
class zirp8 final : public SchermoGioco {
public:
    zirp8();

    // Attribute kinds (1 shape, 2 colour, 3 size, 4 thickness) of the first
    // fork and of the two second forks; never the same.
    qint16 Criterio1 = 0;
    qint16 Criterio2 = 0;
    // 0: the first-fork word A; 1: the second-fork word B; 2 and 3: the
    // current block's words of kind Criterio1 and Criterio2.
    std::array<QString, 4> Attributi;
    // Blocks parked in each area this turn; also the offset of its next slot.
    std::array<qint16, 4> NumeroInseriti{};
    // Help draws the route (true) or colours the condition labels (false).
    bool AiutoStrade = true;
    // Presses of "aiuto" since the help was last cleared.
    qint16 PassoAiuto = 0;
    // 0 or 5: half a right answer owed for help. It belongs to the screen
    // object, which lives for the whole run, so it carries over from one
    // turn, one count reset and one visit to the next.
    qint16 CostoAiuto = 0;

    void CancellaAiuto();
    void PreparaStrade();
    void NuovoBlocco();

    void Frame1_Click(int Index);
    void insieme_Click(int Index);
    void bottoneavanti_Click();
    void Command2_Click();
    void mnuAiutoCaselle_Click();
    void mnuAiutoStrade_Click();

    // The area (0 to 3) that a block reaches: a when its first-fork word is
    // A, b when its second-fork word is B. Left at a fork means "yes".
    static int AreaDi(bool a, bool b) { return (a ? 0 : 2) + (b ? 0 : 1); }
    QString Incoerenza() const override;

    struct Controlli {
        std::array<Linea*, 14> Line2{};
        Linea* Line1 = nullptr;
        std::array<Linea*, 7> Line3{};
        std::array<Etichetta*, 6> Label1{};
        std::array<Cornice*, 4> Frame1{};
        std::array<Immagine*, 8> insieme{};
        Immagine* Image1 = nullptr;
        Bottone* Command2 = nullptr;
        Bottone* bottoneavanti = nullptr;
        QMenu* mnuAiuto = nullptr;
        QAction* mnuAiutoCaselle = nullptr;
        QAction* mnuAiutoStrade = nullptr;
    };
    const Controlli& controlli() const { return c; }

protected:
    void CreaMenuProprio(FinestraSchermo& f) override;
    void CreaControlliGioco(FinestraSchermo& f) override;
    void DimenticaControlliGioco() override { c = {}; }
    void PrimoTurno() override;

private:
    void ScegliArea(int k);
    bool TurnoFinito() const;
    bool a() const { return Attributi[2] == Attributi[0]; }
    bool b() const { return Attributi[3] == Attributi[1]; }

    Controlli c;
};
