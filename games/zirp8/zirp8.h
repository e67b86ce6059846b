#pragma once
#include "games/Posti/SchermoPosti.h"

#include <array>

class Linea;
class QAction;
class QMenu;

// "le strade 2": a road forks twice on its way up to four parking areas. The
// first fork asks a value of one attribute (ROSSO / NON ROSSO), both second
// forks a value of another (GRANDE / NON GRANDE). The child parks each block
// in the area its words lead to; "aiuto" shows the way one fork at a time,
// and every second use of it costs one right answer.
class zirp8 final : public SchermoPosti {
public:
    zirp8();

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

    void Command2_Click();
    void mnuAiutoCaselle_Click();
    void mnuAiutoStrade_Click();

    // The area (0 to 3) that a block reaches: a when its first-fork word is
    // A, b when its second-fork word is B. Left at a fork means "yes".
    static int AreaDi(bool a, bool b) { return PostoDi(a, b); }
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
    Posti posti() const override
    {
        return {std::span(c.Label1).first(4), c.Frame1, c.insieme, c.Image1};
    }
    void PreparaPosti() override { PreparaStrade(); }
    // Any click on an area or a slot, right or wrong, clears the help.
    void PrimaDellaScelta() override { CancellaAiuto(); }

private:
    Controlli c;
};
