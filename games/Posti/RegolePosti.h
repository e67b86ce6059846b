#pragma once
#include "regole/RegoleGioco.h"

#include <QString>
#include <array>

// The rules of the three games of places: "le strade 1" (one condition, two
// places of four blocks), "le strade 2" and "tabella" (two conditions, four
// places of two blocks). Each block waits in turn and goes to the place its
// words lead to: A or NON A, and B or NON B where there are two conditions.
// Sending it anywhere else is wrong, and it keeps waiting. A turn ends as
// soon as one place is full.
//
// The waiting block is the question: its answers are timed from the moment
// it is shown, and a wrong answer leaves it asked. Each answer records:
// domande, the conditions the block fits, one per condition, with "NON" in
// negata where the block does not have the word (so the conditions of the
// right place); blocchi, the waiting block; risposta, the place chosen as
// the screen names it ("NON ROSSO", "ROSSO, NON GRANDE").
class RegolePosti : public RegoleGioco {
public:
    RegolePosti(const char* schermo, int posti, int capienza, Estrazioni& caso, Orologio orologio)
        : RegoleGioco(schermo, caso, std::move(orologio)), NumeroPosti(posti), Capienza(capienza)
    {
    }

    const int NumeroPosti;  // 2 or 4
    const int Capienza;     // blocks a place holds

    // Attribute kinds (1 shape, 2 colour, 3 size, 4 thickness) of A and of
    // B; never the same. Criterio2 is 0 where there is one condition.
    qint16 Criterio1 = 0;
    qint16 Criterio2 = 0;
    // 0: the word A; 1: the word B; 2 and 3: the waiting block's words of
    // kind Criterio1 and Criterio2. The B words are empty where there is one
    // condition.
    std::array<QString, 4> Attributi;
    // How many blocks each place holds in this turn; also the offset of its
    // next free slot. Only the first NumeroPosti count.
    std::array<qint16, 4> NumeroInseriti{};
    // The block waiting to be placed (once the turn is over, the last one
    // placed).
    Blocco BloccoInAttesa;

    // The place of a block among four: 0 for A and B, 1 for A and not B, 2
    // for not A and B, 3 for neither.
    static int PostoDi(bool a, bool b) { return (a ? 0 : 2) + (b ? 0 : 1); }
    // The place of a block on this screen: with one condition 0 for A and 1
    // for not A.
    int PostoGiusto(bool a, bool b) const { return NumeroPosti == 2 ? (a ? 0 : 1) : PostoDi(a, b); }
    int PostoDelBlocco(const Blocco& blocco) const;
    bool TurnoFinito() const;
    // Whether the waiting block has the word A, and the word B.
    bool a() const { return Attributi[2] == Attributi[0]; }
    bool b() const { return Attributi[3] == Attributi[1]; }

    // How a condition is written from its word: in capitals, "NON" before
    // a negation.
    using Scrittura = QString (*)(const QString& parola, bool negata);
    // Condition i (0 A, 1 B) as the Italian screen writes it, and as answers
    // record it: "ROSSO", "NON ROSSO"; or as scrivi writes it (the screen
    // writes it in the language shown).
    QString TestoCondizione(int i, bool negata, Scrittura scrivi = CondizioneItaliana) const;
    // Place k named by its conditions: "NON ROSSO", "ROSSO, NON GRANDE".
    QString NomePosto(int k, Scrittura scrivi = CondizioneItaliana) const;
    static QString CondizioneItaliana(const QString& parola, bool negata);

    // One condition, A, from a block drawn now, after the turn's background.
    void ScegliCriterio();
    // Two conditions of different kinds, A and B, both taken from the block
    // drawn last anywhere in the program.
    void ScegliCriteri();
    // A new block waits and its question starts, unless the turn is over:
    // false then.
    bool NuovoBlocco();
    // The waiting block sent to place k: right when its words lead there.
    Registro::Risposta GiudicaPosto(int k) const;
};
