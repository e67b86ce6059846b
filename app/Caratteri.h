#pragma once
#include <QFont>

#include <thread>

// The faces of the design, mapped onto what a Debian machine has: Arial and
// MS Sans Serif onto a metric-compatible sans-serif face, Times New Roman onto
// a serif one. Sizes are in points.
QFont CarattereSans(double punti, bool grassetto = false);
QFont CarattereSerif(double punti, bool grassetto = false);


// Starts reading the system's list of fonts on a thread of its own and
// returns it (joined when it goes). The first text shown needs that list, and
// building it takes longer than anything else before the first paint; while it
// is built, the start screen loads its pictures.
std::jthread PreparaCaratteri();
