#pragma once
#include "registro/Blocco.h"

#include <QString>
#include <QStringList>
#include <functional>

// The random draws of the games and the block drawn last. The rules of a
// game are given one when they are made and draw through it alone: the
// program gives them its own (Modulo1's, whose generator is the services'
// and whose block is Modulo1's current block); a test gives one with a
// generator it pins. Every draw is the design's, in the design's order.
class Estrazioni {
public:
    // Rnd, uniform in [0, 1); and the picture of a block, by the path rule.
    using Generatore = std::function<double()>;
    using Percorso = std::function<QString(const Blocco& blocco)>;
    Estrazioni(Generatore rnd, Percorso percorso) : rnd(std::move(rnd)), percorso(std::move(percorso)) {}

    double Rnd() { return rnd(); }
    // floor(Rnd × k) + 1: a whole number from 1 to k, each equally likely.
    int Estrai(int k);
    // The attribute kind a turn asks, 1 to 4 in the game's own numbering.
    // Every game draws the kind it asks here, and only here, among all four
    // attributes.
    int Attributo();

    // The design's four generators: each draws one word into the current
    // block, and its number among the words into NumeroCasuale.
    void FormaCasuale();
    void ColoreBloccoCasuale();
    void DimensioneCasuale();
    void SpessoreCasuale();
    // A random block: colour, shape, size and thickness in this order, then
    // its picture.
    void BloccoCasuale();
    // One of parole, drawn as the generators draw a word.
    QString ParolaCasuale(const QStringList& parole);

    // The current block as one value; setting it sets its picture too.
    Blocco BloccoCorrente() const;
    void ImpostaBloccoCorrente(const Blocco& blocco);
    QString PercorsoDi(const Blocco& blocco) const { return percorso(blocco); }

    // The block drawn last, and its picture.
    QString ColoreBlocco, FormaBlocco, DimensioneBlocco, SpessoreBlocco, PercorsoBlocco;
    // The number drawn by the generator that ran last.
    qint16 NumeroCasuale = 0;

private:
    Generatore rnd;
    Percorso percorso;
};
