#include "Voci.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace Voci {

namespace {

QStringList costruisci()
{
    // Attribute values, as the games write them in capitals; each shape,
    // colour, size and thickness word.
    const QStringList forme{u"ROTONDO"_s, u"QUADRATO"_s, u"RETTANGOLO"_s, u"TRIANGOLO"_s};
    const QStringList colori{u"ROSSO"_s, u"GIALLO"_s, u"BLU"_s};
    const QStringList dimensioni{u"GRANDE"_s, u"PICCOLO"_s};
    const QStringList spessori{u"SPESSO"_s, u"SOTTILE"_s};

    QStringList parole;
    // "uguale - diverso": the attribute asked and the two answers.
    parole << u"FORMA"_s << u"DIMENSIONE"_s << u"SPESSORE"_s << u"COLORE"_s
           << u"UGUALE"_s << u"DIVERSA"_s << u"DIVERSO"_s << u"Aiuto"_s;
    // Every condition: a value, and the same value after "NON " (the sets,
    // how many, both roads games and the table).
    for (const QStringList* gruppo : {&forme, &colori, &dimensioni, &spessori})
        for (const QString& valore : *gruppo)
            parole << valore << u"NON "_s + valore;
    // "trova il blocco": the four lines that describe a block.
    for (const QString& forma : forme)
        for (const QString& colore : colori)
            for (const QString& dimensione : dimensioni)
                for (const QString& spessore : spessori)
                    parole << QStringList{forma, colore, dimensione, spessore}.join(u"\r\n"_s);
    // "quanti sono ?": the condition's hint, the numbers and "ricomincia".
    parole << u"Puoi cliccare sui blocchi che non rispettano la condizione per cancellarli"_s;
    for (int n = 0; n <= 9; ++n)
        parole << QString::number(n);
    parole << u"ricomincia"_s;
    // The sets: the button that asks for judgement.
    parole << u"Fatto"_s;
    // The two chain games: their questions and the answer words.
    parole << u"Cosa cambia?"_s << u"Cosa resta uguale?"_s
           << u"forma"_s << u"colore"_s << u"dimensione"_s << u"spessore"_s << u"niente"_s;
    // Buttons shared by several games.
    parole << u"avanti"_s << u"aiuto"_s;
    // The main menu's buttons, so that a child can hear which game each one
    // opens ("Cosa cambia?" and "Cosa resta uguale?" are among the above).
    parole << u"uguale - diverso"_s << u"insiemi"_s << u"quanti sono ?"_s << u"trova il blocco"_s
           << u"le strade 1"_s << u"le strade 2"_s << u"tabella"_s;

    QStringList uniche;
    QSet<QString> nomi;
    for (const QString& parola : std::as_const(parole))
        if (!nomi.contains(nomeFile(parola))) {
            nomi.insert(nomeFile(parola));
            uniche << parola;
        }
    return uniche;
}

} // namespace

const QStringList& tutte()
{
    static const QStringList elenco = costruisci();
    return elenco;
}

QString nomeFile(const QString& testo)
{
    QString nome;
    bool separa = false;
    for (const QChar c : testo.normalized(QString::NormalizationForm_D).toLower()) {
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
    static const QSet<QString> nomi = [] {
        QSet<QString> s;
        for (const QString& parola : tutte())
            s.insert(nomeFile(parola));
        return s;
    }();
    return !testo.trimmed().isEmpty() && nomi.contains(nomeFile(testo));
}

QString daLeggere(const QString& testo)
{
    QStringList righe = testo.toLower().split(u"\r\n"_s, Qt::SkipEmptyParts);
    return righe.join(u", "_s);
}

const QStringList& opzioniEspeak()
{
    static const QStringList opzioni{u"-v"_s, u"it"_s, u"-s"_s, u"125"_s, u"-p"_s, u"55"_s, u"-g"_s, u"6"_s};
    return opzioni;
}

} // namespace Voci
