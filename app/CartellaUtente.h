#pragma once
#include <QString>

// The user's own media folder (see Modulo1::CartellaUtente), made ready for a
// teacher to fill.

// What LEGGIMI.txt in that folder says: how a file there replaces the game's
// own, then the name of every file the game reads, in its subfolder.
QString TestoLeggimi();

// Creates the folder with a subfolder for each kind of file the game reads
// (jpg/ with one folder per colour, suoni/, voci/) and writes LEGGIMI.txt in
// it anew (the file is the program's). Nothing else there is touched.
// Returns why it could not, or nothing.
QString PreparaCartellaUtente();

// What "tesselo --apri-cartella" does: prepares the folder, then shows it in
// the desktop's file manager. Says on standard error, in one line, what went
// wrong; returns the program's exit status.
int ApriCartellaUtente();
