#include "Testi.h"

// The menu's captions, kept by the register in Italian.
#include "media/DidascalieGiochi.h"

#include "Lingua.h"

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

// How each language orders a block's words where it differs from Italian.
// English puts every adjective before the noun, size and thickness before
// colour ("BIG THIN YELLOW RECTANGLE"). French puts size before the noun and
// colour and thickness after it ("GRAND RECTANGLE JAUNE MINCE"); its four
// shapes are masculine, as the words are written. Spanish follows Italian,
// noun first. German keeps the noun first too, as a list of the block's
// words: before the noun its adjectives would need endings the words do not
// have ("großes gelbes Rechteck").
struct Ordine {
    const char* lingua;
    std::array<int, 4> parole;
};
constexpr std::array<int, 4> OrdineItaliano{0, 1, 2, 3};
constexpr Ordine Ordini[] = {
    {"en", {2, 3, 1, 0}},
    {"fr", {2, 0, 1, 3}},
};

} // namespace

std::array<int, 4> OrdineParole(const QString& lingua)
{
    for (const Ordine& o : Ordini)
        if (lingua == QLatin1String(o.lingua))
            return o.parole;
    return OrdineItaliano;
}

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
    return negata ? Negazione(valore) : valore;
}

QString Negazione(const QString& testo)
{
    //: A condition's negation as the roads and the table write it: "NON ROSSO".
    return Tesselo::tr("NON %1").arg(testo);
}

QString Descrizione(const QString& forma, const QString& colore, const QString& dimensione,
                    const QString& spessore)
{
    const std::array<const QString*, 4> parole{&forma, &colore, &dimensione, &spessore};
    QStringList righe;
    for (const int tipo : OrdineParole(Lingua::Attuale()))
        righe << Maiuscola(*parole[tipo]);
    return righe.join(QStringLiteral("\r\n"));
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
