#pragma once
#include "resize/clsResize.h"

#include <memory>

// The procedures of Modulo1 that move between screens, and the resizer of the
// screen loaded last. They live with the screens, so that the services and
// the controls below the screens know none of them.
namespace Modulo1 {

// The resizer of the screen loaded last.
inline std::unique_ptr<clsResize> Ridimensionatore;

// Shows the start screen, with the sounds on.
void Main();
// Asks whether to end the program, and on Yes ends it.
void ChiediUscita();
// Closes every window and leaves the event loop.
void TerminaProgramma();

} // namespace Modulo1
