#pragma once
#include "screens/Schermo.h"

#include <QList>
#include <QString>

class Ambiente;

// Plays the games through their controls, as a child would: clicks on the
// buttons, blocks and areas on show. The answer is read from the game's own
// state, so these work on whatever the generator drew.
namespace Partita {

struct VoceGioco {
    IdSchermo id;
    const char* nome;          // as on the menu's button
    const char* bottoneMenu;   // the menu's button that opens it
    int blocchiAllInizio;      // block pictures shown as a turn starts
};

// The games of the catalogue, in the menu's order.
const QList<VoceGioco>& Giochi();

// Starts the program and clicks through the start screen to the menu.
void AvviaFinoAlMenu();
// Clicks the game's button on the menu, which must be on show.
void ApriDalMenu(const VoceGioco& gioco);
// Leaves a game for the menu with "Esci", answering its question Yes.
void TornaAlMenu(Ambiente& a, IdSchermo id);

// From the menu, which must be on show: opens the game, gives it one right
// answer, leaves it with "Esci" and Yes, and opens it again.
void RiapriDopoUnaRisposta(Ambiente& a, IdSchermo id);

// One answer the game judges right, or wrong, given by clicking; a finished
// turn is moved on with "avanti" first. False when the game on show has no
// such answer now.
bool Giusta(IdSchermo id);
bool Sbagliata(IdSchermo id);

// Every block picture shown by the window of a game (a picture control named
// by a block's four words); empty the list of those named by a block but
// showing nothing, or showing something without a name.
struct Figure {
    int blocchi = 0;
    QStringList difetti;
};
Figure ControllaFigure(IdSchermo id);

} // namespace Partita
