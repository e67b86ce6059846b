#pragma once
#include "registro/Blocco.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>

namespace Registro {

// What a turn asked. An attribute alone ("uguale - diverso", the chain
// games' "what changes"), or a condition: an attribute's value, with "NON"
// kept apart from it ("NON rosso" is attributo "colore", valore "rosso",
// negata true).
struct Domanda {
    QString attributo;   // "forma", "colore", "dimensione" or "spessore"; empty when none
    QString valore;      // an attribute word ("rosso"); empty when only the attribute is asked
    bool negata = false; // the condition is "NON <valore>"

    // For people: "colore", "rosso", "NON rosso"; the words of a question
    // with several conditions are joined by " e ".
    QString testo() const;
    bool operator==(const Domanda&) const = default;
};

// One judged answer of one child, as the rules of its game decided it.
struct Risposta {
    QUuid id;                   // unique across computers; given when recorded
    QDateTime quando;           // when the answer was given
    QString schermo;            // the game's screen: "form1", "FORM2", ... "FormDomino2"
    QString gioco;              // its menu caption: "uguale - diverso", ...
    QList<Domanda> domande;     // what was asked: one entry, or one per condition (le strade, tabella)
    QList<Blocco> blocchi;      // the block or blocks shown, in the order shown
    QString risposta;           // the answer given, in the words the screen shows ("UGUALE", "3", a block's name)
    bool esatta = false;
    qint64 millisecondi = 0;    // from the turn's start to this answer
    // The learning path and step the answer was given under (the step
    // counted from 1); null and 0 when the child played without a path.
    QUuid percorso;
    int passo = 0;
    // Which attempt at its turn's question this is: 1 for the turn's first
    // answer, 2 and on for the retries after a wrong one, with the same
    // question and blocks on show. Only first answers tell what a child has
    // learned.
    int tentativo = 1;
    static constexpr int MassimoTentativo = 32767;  // a count never overflows: it stops here
    // Whether it names a path and a step of one (1 to Percorso::MassimoPassi):
    // the register keeps both, or neither.
    bool conPercorso() const;

    bool operator==(const Risposta&) const = default;
};

// A new answer with its id and time given now; the rest is the caller's.
Risposta NuovaRisposta();

} // namespace Registro
