#pragma once
#include "Lingua.h"

#include <QString>
#include <QStringList>

// Every word or phrase a game screen shows the child as a question, a
// condition, a header, a description or a caption, in the form the screen
// shows it. Each has a voice: a WAV file of the same name in the folder voci/
// beside the executable, made by the media program and replaceable by a
// teacher's own recording.
namespace Voci {

// The whole list in the language shown (Lingua), each entry once (entries that only differ in letter case,
// as "FORMA" and "forma", share one voice and are listed once).
const QStringList& tutte();

// The file name of a word's voice: lower case, accents dropped, every run of
// blanks, line breaks and punctuation made one "_", ".wav" added; so
// "NON ROSSO" is non_rosso.wav and "Cosa cambia?" cosa_cambia.wav ("ß"
// counts as "ss").
QString nomeFile(const QString& testo);

// True when the text is one of the list (whatever its letter case).
bool haVoce(const QString& testo);

// The words as espeak-ng reads them: the lines of a description are read
// as a list, with a short pause between them.
QString daLeggere(const QString& testo);

// The voice every spoken word has, as espeak-ng's options: the language's
// own voice (Italian unless told), slower than an adult talks and a little
// higher, a pace a child of four can follow, each word clearly apart. The
// game speaks a child's name with the same, in the language shown.
QStringList opzioniEspeak(const QString& lingua = Lingua::Attuale());

} // namespace Voci
