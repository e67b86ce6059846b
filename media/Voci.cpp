#include "Voci.h"

#include "Lingua.h"
#include "Testi.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace Voci {

namespace {

QStringList costruisci()
{
    // Attribute values, as the games write them in capitals; each shape,
    // colour, size and thickness word.
    const QStringList forme{u"rotondo"_s, u"quadrato"_s, u"rettangolo"_s, u"triangolo"_s};
    const QStringList colori{u"rosso"_s, u"giallo"_s, u"blu"_s};
    const QStringList dimensioni{u"grande"_s, u"piccolo"_s};
    const QStringList spessori{u"spesso"_s, u"sottile"_s};
    const QStringList attributi{u"forma"_s, u"dimensione"_s, u"spessore"_s, u"colore"_s};

    QStringList parole;
    // "uguale - diverso": the attribute asked and the two answers.
    for (const QString& attributo : attributi)
        parole << Testi::Maiuscola(attributo);
    parole << Tesselo::tr("UGUALE") << Tesselo::tr("DIVERSA") << Tesselo::tr("DIVERSO") << Tesselo::tr("Aiuto");
    // Every condition: a value, and the same value after "NON " (the sets,
    // how many, both roads games and the table).
    for (const QStringList* gruppo : {&forme, &colori, &dimensioni, &spessori})
        for (const QString& valore : *gruppo)
            parole << Testi::Condizione(valore, false) << Testi::Condizione(valore, true);
    // "trova il blocco": the four lines that describe a block.
    for (const QString& forma : forme)
        for (const QString& colore : colori)
            for (const QString& dimensione : dimensioni)
                for (const QString& spessore : spessori)
                    parole << Testi::Descrizione(forma, colore, dimensione, spessore);
    // "quanti sono ?": the condition's hint, the numbers and "ricomincia".
    parole << Tesselo::tr("Puoi cliccare sui blocchi che non rispettano la condizione per cancellarli");
    for (int n = 0; n <= 9; ++n)
        parole << QString::number(n);
    parole << Tesselo::tr("ricomincia");
    // The sets: the button that asks for judgement.
    parole << Tesselo::tr("Fatto");
    // The two chain games: their questions and the answer words.
    parole << Testi::NomeGioco("Cosa cambia?") << Testi::NomeGioco("Cosa resta uguale?");
    for (const char* risposta : {"forma", "colore", "dimensione", "spessore", "niente"})
        parole << Testi::Parola(QString::fromLatin1(risposta));
    // Buttons shared by several games.
    parole << Tesselo::tr("avanti") << Tesselo::tr("aiuto");
    // The main menu's buttons, so that a child can hear which game each one
    // opens ("Cosa cambia?" and "Cosa resta uguale?" are among the above).
    parole << Testi::NomiGiochi();
    // A learning path's step or whole path done.
    parole << Tesselo::tr("Ben fatto!");

    QStringList uniche;
    QSet<QString> nomi;
    for (const QString& parola : std::as_const(parole))
        if (!nomi.contains(nomeFile(parola))) {
            nomi.insert(nomeFile(parola));
            uniche << parola;
        }
    return uniche;
}

// The list and its file names in the language shown, made again when the
// language changes.
struct Elenco {
    QString lingua;
    QStringList parole;
    QSet<QString> nomi;
};

const Elenco& elenco()
{
    static Elenco e;
    if (e.parole.isEmpty() || e.lingua != Lingua::Attuale()) {
        e.lingua = Lingua::Attuale();
        e.parole = costruisci();
        e.nomi.clear();
        for (const QString& parola : std::as_const(e.parole))
            e.nomi.insert(nomeFile(parola));
    }
    return e;
}

} // namespace

const QStringList& tutte()
{
    return elenco().parole;
}

QString nomeFile(const QString& testo)
{
    QString nome;
    bool separa = false;
    // "ß" has no capital of its own and is written "ss" in capitals: both
    // spellings of a German word name one file.
    const QString minuscolo = testo.toLower().replace(u'ß', u"ss"_s);
    for (const QChar c : minuscolo.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) {
            if (separa && !nome.isEmpty())
                nome += u'_';
            separa = false;
            nome += c;
        } else {
            separa = true;
        }
    }
    return nome + u".wav"_s;
}

bool haVoce(const QString& testo)
{
    return !testo.trimmed().isEmpty() && elenco().nomi.contains(nomeFile(testo));
}

QString daLeggere(const QString& testo)
{
    QStringList righe = testo.toLower().split(u"\r\n"_s, Qt::SkipEmptyParts);
    return righe.join(u", "_s);
}

QStringList opzioniEspeak(const QString& lingua)
{
    return {u"-v"_s, Lingua::VoceEspeak(lingua), u"-s"_s, u"125"_s, u"-p"_s, u"55"_s, u"-g"_s, u"6"_s};
}

} // namespace Voci
