#pragma once
#include <QString>

#include <functional>

// The language a run of the game or of the teachers' program shows: the
// same choice for both, each showing it with its own translations.

// Which language a run shows: the command line's --lingua, otherwise the key
// lingua of the section [gioco] in tesselo/tesselo.conf (the user's file over
// the system's), otherwise the system's interface languages (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG), otherwise Italian. A code the program does not
// have counts as not given, and sets avviso to the one line that says so.
QString LinguaDelGioco(const QString& opzione, QString& avviso);

// The codes --lingua takes, as the help lists them: "it, en, fr, es, de".
QString ElencoLingue();

// Takes "--lingua CODE" (or "--lingua=CODE") out of the arguments, wherever
// it stands; false when the code is missing.
bool TogliLingua(int& argc, char* argv[], QString& lingua);

// The language of a run, chosen as LinguaDelGioco does and shown with
// imposta (false when its translation cannot be read), with one line on
// standard error, after the program's name, for a code the program does not
// have or a translation it cannot read.
void ScegliLingua(const QString& opzione, const char* programma, const std::function<bool(const QString&)>& imposta);
