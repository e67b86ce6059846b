#include "Testi.h"

// The menu's captions, kept by the register in Italian.
#include "media/DidascalieGiochi.h"

#include <QStringList>

namespace Testi {

namespace {

// Every word the program keeps: the texts are looked up by their Italian
// word, so each is listed here for the translations to carry it.
[[maybe_unused]] constexpr const char* Parole[] = {
    QT_TRANSLATE_NOOP("Parole", "rotondo"), QT_TRANSLATE_NOOP("Parole", "quadrato"),
    QT_TRANSLATE_NOOP("Parole", "rettangolo"), QT_TRANSLATE_NOOP("Parole", "triangolo"),
    QT_TRANSLATE_NOOP("Parole", "rosso"), QT_TRANSLATE_NOOP("Parole", "giallo"),
    QT_TRANSLATE_NOOP("Parole", "blu"), QT_TRANSLATE_NOOP("Parole", "grande"),
    QT_TRANSLATE_NOOP("Parole", "piccolo"), QT_TRANSLATE_NOOP("Parole", "spesso"),
    QT_TRANSLATE_NOOP("Parole", "sottile"), QT_TRANSLATE_NOOP("Parole", "forma"),
    QT_TRANSLATE_NOOP("Parole", "colore"), QT_TRANSLATE_NOOP("Parole", "dimensione"),
    QT_TRANSLATE_NOOP("Parole", "spessore"), QT_TRANSLATE_NOOP("Parole", "niente"),
};

} // namespace

QString Parola(const QString& parola)
{
    return QCoreApplication::translate("Parole", parola.toUtf8().constData());
}

QString Maiuscola(const QString& parola)
{
    return Parola(parola).toUpper();
}

QString Condizione(const QString& parola, bool negata)
{
    const QString valore = Maiuscola(parola);
    //: A condition's negation as the roads and the table write it: "NON ROSSO".
    return negata ? Tesselo::tr("NON %1").arg(valore) : valore;
}

QString Descrizione(const QString& forma, const QString& colore, const QString& dimensione,
                    const QString& spessore)
{
    return QStringList{Maiuscola(forma), Maiuscola(colore), Maiuscola(dimensione), Maiuscola(spessore)}.join(
        QStringLiteral("\r\n"));
}

QString ConSpazi(const char* testo)
{
    const QString originale = QString::fromUtf8(testo);
    const QString parole = originale.trimmed();
    return Tesselo::tr(parole.toUtf8().constData()) + originale.mid(parole.size());
}

QString NomeGioco(const char* didascalia)
{
    return QCoreApplication::translate("Giochi", didascalia);
}

QStringList NomiGiochi()
{
    QStringList nomi;
    for (const char* didascalia : DidascalieGiochi)
        nomi << NomeGioco(didascalia);
    return nomi;
}

} // namespace Testi
