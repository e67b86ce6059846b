#pragma once
#include "percorsi/Attributi.h"
#include "registro/Blocco.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// The random draws of the games and the block drawn last. The rules of a
// game are given one when they are made and draw through it alone: the
// program gives them its own (Modulo1's, whose generator is the services'
// and whose block is Modulo1's current block); a test gives one with a
// generator it pins. Every draw is the design's, in the design's order; a
// learning path's step narrows the attributes a turn may ask, and the
// attribute draws below map theirs onto those in play.
class Estrazioni {
public:
    // Rnd, uniform in [0, 1); and the picture of a block, by the path rule.
    using Generatore = std::function<double()>;
    using Percorso = std::function<QString(const Blocco& blocco)>;
    Estrazioni(Generatore rnd, Percorso percorso) : rnd(std::move(rnd)), percorso(std::move(percorso)) {}

    double Rnd() { return rnd(); }
    // floor(Rnd × k) + 1: a whole number from 1 to k, each equally likely.
    int Estrai(int k);
    // A game's own numbering of the attribute kinds: the kind (1 shape,
    // 2 colour, 3 size, 4 thickness) of its numbers 1 to 4.
    using OrdineAttributi = std::array<int, 4>;
    static constexpr OrdineAttributi OrdineComune{1, 2, 3, 4};
    // The number Attributo... gives for none of the attributes.
    static constexpr int Niente = 5;

    // The attribute kind a turn asks, 1 to 4 in the game's own numbering:
    // floor(Rnd × k) + 1 among the k attributes in play, mapped onto them in
    // that numbering's order. With all four in play it is the design's
    // floor(Rnd × 4) + 1. Every game draws the kind it asks here, and only
    // here.
    //
    // On a "su misura" step each attribute kind has a weight (Pesi, by kind:
    // [0] shape ... [3] thickness, each above 0): the one Rnd of the draw
    // falls on the attributes in play, in the numbering's order, each given
    // a share of [0, 1) in proportion to its weight.
    using Pesi = std::array<double, 4>;
    int Attributo(const AttributiInGioco& inGioco = {}, const OrdineAttributi& ordine = OrdineComune,
                  const std::optional<Pesi>& pesi = {});
    // The same among the attributes in play and, after them, none (Niente):
    // floor(Rnd × (k + 1)) + 1, the design's floor(Rnd × 5) + 1 with all four.
    // Weighted, Niente keeps its share 1/(k + 1) at the end of [0, 1), and
    // the attributes share the rest by their weights.
    int AttributoONiente(const AttributiInGioco& inGioco = {}, const OrdineAttributi& ordine = OrdineComune,
                         const std::optional<Pesi>& pesi = {});

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
    int AttributoTra(const AttributiInGioco& inGioco, const OrdineAttributi& ordine, bool niente,
                     const std::optional<Pesi>& pesi);

    Generatore rnd;
    Percorso percorso;
};
