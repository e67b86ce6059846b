#pragma once
#include <QCursor>

// Mouse pointers drawn by the program: a right-pointing arrow (for "avanti"),
// a smiling face (for help) and a music clef (for the sound switch).
QCursor CursoreFreccia();
QCursor CursoreFaccia();
QCursor CursoreChiaveDiViolino();
