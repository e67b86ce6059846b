#pragma once
#include "percorsi/Attributi.h"

#include <QList>
#include <QString>
#include <span>

// A learning path: what a teacher sets a child, a group or a class to play,
// step by step. Plain values: the register stores them, a file carries them
// from one school to another, and the rules of the games are told the
// attributes in play of the step being played.

// One step: a game, the attributes in play in it and how many right answers
// complete it.
struct Passo {
    static constexpr int MinimoEsatte = 1;
    static constexpr int MassimoEsatte = 99;

    QString gioco;  // the screen's name, as answers record it ("form1")
    AttributiInGioco attributi;
    int esatte = MinimoEsatte;
    // "su misura": the attribute a turn asks is drawn weighted by how far
    // the child still is from mastering each attribute in play.
    bool suMisura = false;

    bool operator==(const Passo&) const = default;
};

struct Percorso {
    // In characters; the name is one line, the aim a few.
    static constexpr int MassimoNome = 100;
    static constexpr int MassimoObiettivo = 500;
    static constexpr int MassimoPassi = 100;

    QString nome;
    QString obiettivo;  // for the teacher; may be empty
    // Only the path's games can be played while it lasts.
    bool soloPercorso = false;
    QList<Passo> passi;

    bool operator==(const Percorso&) const = default;
};

namespace Percorsi {

// A game as a path knows it, from the catalogue of the games: its screen,
// its menu caption, and the fewest attributes in play a step of it needs,
// 0 where the game draws no attribute (its step chooses none).
struct Gioco {
    const char* schermo;
    const char* didascalia;  // UTF-8
    int minimoAttributi;

    bool sceglieAttributi() const { return minimoAttributi > 0; }
};

// The games in the menu's order.
std::span<const Gioco> Giochi();
const Gioco* GiocoDi(const QString& schermo);

// What is wrong with the attributes in play of a step of the game (known),
// in Italian, naming the game by its caption; empty when it can be played.
QString ProblemaAttributi(const Gioco& gioco, const AttributiInGioco& attributi);
// Why a step of a game that chooses no attribute names some.
QString AttributiNonScelti(const Gioco& gioco);
// What is wrong with a step; with a path's name and aim; with a path of so
// many steps; with a whole path (its first problem, its steps numbered from
// 1). Empty when there is nothing.
QString ProblemaPasso(const Passo& passo);
QString ProblemaIntestazione(const Percorso& percorso);
QString ProblemaNumeroPassi(qsizetype passi);
QString ProblemaPercorso(const Percorso& percorso);
// "passo 2: " before a step's problem.
QString NelPasso(qsizetype indice, const QString& problema);

// A text from outside as a message quotes it: «...», at most 40 characters,
// control characters shown as "?".
QString Citato(const QString& testo);

} // namespace Percorsi
