#pragma once
#include <QString>
#include <span>

namespace Registro {

// The games, in the menu's order, from the catalogue (giochi.cmake): the
// number the register stores for each, the screen's name, as answers record
// it, and the caption of its button on the menu. The menu takes its captions
// from the same catalogue, so that the register and the game never disagree.
struct Gioco {
    int codice;  // fixed for the game, whatever its place in the list
    const char* schermo;
    const char* didascalia;  // UTF-8
};

std::span<const Gioco> Giochi();
// The game stored as codice, or the game of a screen; nothing when unknown.
const Gioco* GiocoDiCodice(qint64 codice);
const Gioco* GiocoDiSchermo(const QString& schermo);
// The menu caption of a screen; the screen's name itself when unknown.
QString DidascaliaGioco(const QString& schermo);

} // namespace Registro
