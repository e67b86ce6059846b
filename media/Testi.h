#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>

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
// A text after the language's "NON", as conditions write it.
QString Negazione(const QString& testo);
// A block told in four lines of capitals, joined by carriage return and
// line feed, in the order the language shown names a block's words (see
// OrdineParole): Italian's is shape, colour, size, thickness.
QString Descrizione(const QString& forma, const QString& colore, const QString& dimensione,
                    const QString& spessore);
// The order in which a language names a block's four words, each as an
// attribute kind counted from 0 (shape, colour, size, thickness): Italian's,
// the design's, for a language that has no order of its own.
std::array<int, 4> OrdineParole(const QString& lingua);

// A menu caption whose blanks after the words belong to the design: the
// words translated, the same blanks after them.
QString ConSpazi(const char* testo);
// The caption of a game, as the menu's button shows it ("uguale - diverso").
QString NomeGioco(const char* didascalia);
// Every game's caption, in the menu's order, in the language shown.
QStringList NomiGiochi();

} // namespace Testi
