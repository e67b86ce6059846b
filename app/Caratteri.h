#pragma once
#include <QFont>

// The faces of the design, mapped onto what a Debian machine has: Arial and
// MS Sans Serif onto a metric-compatible sans-serif face, Times New Roman onto
// a serif one. Sizes are in points.
QFont CarattereSans(double punti, bool grassetto = false);
QFont CarattereSerif(double punti, bool grassetto = false);
