#pragma once
#include <QString>
#include <QStringList>
#include <stop_token>

// The children's names spoken with the voice of the game's words, made by
// espeak-ng into the user's cache folder ahead of need: a name already made
// in an earlier run is never made again.
namespace VociNomi {

// The folder of the spoken names: tesselo/nomi in the user's cache folder
// ($XDG_CACHE_HOME, by default ~/.cache).
QString Cartella();
// The file of a name's voice; its name is a hash of the name and of the
// voice's options, so that a new voice never plays an old recording.
QString File(const QString& nome);
// Makes the files still missing, one name after another, and returns
// whether every one is there; then the folder keeps those names' voices
// alone, so that a child taken out of the class is no longer heard, nor
// kept. Stops as soon as fermo is asked to stop (an espeak-ng still running
// is killed). Without espeak-ng, one warning line.
bool Prepara(const QStringList& nomi, std::stop_token fermo);
// Removes every voice of the folder but those of nomi.
void Sfoltisci(const QStringList& nomi);

} // namespace VociNomi
