#pragma once
#include <QString>
#include <QStringList>

// The language the game shows and speaks. Italian is the program's own
// language: its texts are written in Italian, and every other language is a
// translation of them, a file tesselo_<code>.qm in the folder traduzioni/
// beside the executable. The words of the blocks stay Italian inside the
// program (the rules compare them, the register stores them); only what is
// shown and spoken is translated.
namespace Lingua {

// The languages of the program, Italian first, as the top CMakeLists.txt
// lists them: "it", "en", "fr", "es", "de".
const QStringList& Disponibili();

// The language of a run: the code asked for (from the command line or the
// configuration) when the game has it; otherwise the first of the system's
// interface languages ("de-CH", "en") that it has; otherwise Italian.
// sconosciuta tells whether a code was asked for that the game does not have.
QString Scegli(const QString& richiesta, const QStringList& sistema, bool* sconosciuta = nullptr);

// Shows the game in a language from now on: its translation from the folder
// cartella and Qt's own texts (standard buttons, context menus) take the
// place of those installed before. False, and Italian, when the game's
// translation cannot be read. programmi names the translations to load,
// <programma>_<code>.qm each; the teachers' program also shows the game's
// captions and words, so it loads the game's file beside its own.
bool Imposta(const QString& codice, const QString& cartella,
             const QStringList& programmi = {QStringLiteral("tesselo")});

// The language shown now ("it" until another is set).
QString Attuale();

// Where a language's spoken words stand inside voci/: Italian in voci/
// itself, every other language in a folder of its own (voci/en/...). Empty
// for Italian, otherwise the code and a "/".
QString SottocartellaVoci(const QString& codice);

// espeak-ng's voice for a language ("it", "en-gb", "fr-fr", "es", "de").
QString VoceEspeak(const QString& codice);

} // namespace Lingua
