#pragma once
#include "media/Lingua.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

namespace Insegnanti {

// The teachers' program's texts are written in Italian as Testo::tr("...")
// and shown in the language set by Lingua, the game's own choice.
struct Testo {
    Q_DECLARE_TR_FUNCTIONS(Insegnanti)
public:
    // A text that counts something, written with the Italian plural:
    // conta("%n risposte", "", n) is "1 risposta" or "3 risposte", in each
    // language with the forms its numbers need.
    static QString conta(const char* testo, const char* commento, int n);
};

// Dates and month names in the language shown.
inline QLocale LocaleMostrata()
{
    return QLocale(Lingua::Attuale());
}

// The folder of the translations: traduzioni/ beside the executable, as
// the build makes it, or the game's own where the package installs it.
QString CartellaTraduzioni();

// Shows the teachers' program in a language from now on: its own texts, the
// game's captions and words, and Qt's. False, and Italian, when a
// translation cannot be read.
bool ImpostaLingua(const QString& codice, const QString& cartella = CartellaTraduzioni());

} // namespace Insegnanti
