#pragma once
#include <QString>
#include <span>

namespace Registro {

// The nine games, in the menu's order: the screen's name, as answers record
// it, and the caption of its button on the menu. The menu takes its captions
// from here, so that the register and the game never disagree.
struct Gioco {
    const char* schermo;
    const char* didascalia;  // UTF-8
};

std::span<const Gioco> Giochi();
// The menu caption of a screen; the screen's name itself when unknown.
QString DidascaliaGioco(const QString& schermo);

} // namespace Registro
