#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The program's shown texts are written in Italian as Tesselo::tr("...") and
// shown in the language set by Lingua (the Italian text itself in Italian).
struct Tesselo {
    Q_DECLARE_TR_FUNCTIONS(Tesselo)
};

// Texts built from the words the program keeps in Italian.
namespace Testi {

// A word of the blocks or an attribute's name, as the program keeps it
// ("rosso", "forma", "niente"), in the language shown.
QString Parola(const QString& parola);
// The same in capitals, as captions and conditions show it: "ROSSO".
QString Maiuscola(const QString& parola);
// A condition: the word in capitals, or "NON" before it.
QString Condizione(const QString& parola, bool negata);
// A block told in four lines of capitals (shape, colour, size, thickness),
// joined by carriage return and line feed.
QString Descrizione(const QString& forma, const QString& colore, const QString& dimensione,
                    const QString& spessore);
// A menu caption whose blanks after the words belong to the design: the
// words translated, the same blanks after them.
QString ConSpazi(const char* testo);
// The caption of a game, as the menu's button shows it ("uguale - diverso").
QString NomeGioco(const char* didascalia);
// Every game's caption, in the menu's order, in the language shown.
QStringList NomiGiochi();

} // namespace Testi
