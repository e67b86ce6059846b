#pragma once
#include "screens/Schermo.h"

#include <memory>

// The screens of the program, each existing once for the whole run, and the
// one way of moving between them.
namespace Schermi {

// Creates every screen object the program has (no window yet).
void CreaTutti();
// Destroys every screen object and its window.
void DistruggiTutti();
void Registra(std::unique_ptr<Schermo> schermo);

// The screen, or nothing for a game this build does not have.
Schermo* Trova(IdSchermo id);

// Shows a screen, loading it first if needed.
void Mostra(IdSchermo id);
// Shows the target screen (loading it if needed), then unloads the current one.
void Vai(Schermo& corrente, IdSchermo destinazione);

// The loaded screens' windows go away without running further handlers.
void ChiudiTutto();

} // namespace Schermi

// Registers every game's screen; defined with the games, made by CMake from
// the catalogue of the games.
void RegistraGiochi();
