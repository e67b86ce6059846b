#pragma once
#include <QString>

// Which language a run of the game shows and speaks: the command line's
// --lingua, otherwise the key lingua of the section [gioco] in
// tesselo/tesselo.conf (the user's file over the system's), otherwise the
// system's interface languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG),
// otherwise Italian. A code the game does not have counts as not given, and
// sets avviso to the one line that says so.
QString LinguaDelGioco(const QString& opzione, QString& avviso);

// Shows the game in that language from now on, from the translations in
// traduzioni/ beside the executable (or the services' folder); false (and
// Italian) when its file cannot be read.
bool ImpostaLinguaDelGioco(const QString& codice);
