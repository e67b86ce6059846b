#include "registro/NomiAlunni.h"

#include <QStringList>

#include <algorithm>

namespace Registro {

namespace {

bool Apostrofo(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

// Holds a letter, and no small one.
bool Maiuscolo(QStringView testo)
{
    bool lettera = false;
    for (const QChar c : testo) {
        if (c.isLower())
            return false;
        lettera |= c.isUpper();
    }
    return lettera;
}

// The words of a cell; a word that ends in an apostrophe ("DELL' ACQUA")
// is one with the word after it.
QStringList Parole(const QString& cella)
{
    QStringList parole;
    for (const QString& parola : cella.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (!parole.isEmpty() && Apostrofo(parole.last().back()))
            parole.last() += parola;
        else
            parole << parola;
    return parole;
}

// The words that open an Italian surname of several words ("De Luca", "Della
// Valle", "Lo Bianco", "Dal Maso", "San Filippo"); those with an apostrophe
// ("Dell'Acqua", "D'Amico") are one word already.
bool Particella(QString parola)
{
    static const QStringList particelle{
        QStringLiteral("da"),    QStringLiteral("dal"),   QStringLiteral("dalla"), QStringLiteral("dalle"),
        QStringLiteral("dallo"), QStringLiteral("dai"),   QStringLiteral("dagli"), QStringLiteral("de"),
        QStringLiteral("de'"),   QStringLiteral("dei"),   QStringLiteral("degli"), QStringLiteral("del"),
        QStringLiteral("della"), QStringLiteral("delle"), QStringLiteral("dello"), QStringLiteral("di"),
        QStringLiteral("la"),    QStringLiteral("lo"),    QStringLiteral("san"),   QStringLiteral("santa"),
        QStringLiteral("santo"),
    };
    return particelle.contains(parola.replace(QChar(0x2019), QLatin1Char('\'')).toLower());
}

// The words in the runs a split never cuts: a particle with the word after it.
QList<QStringList> Gruppi(const QStringList& parole)
{
    QList<QStringList> gruppi;
    bool unisci = false;
    for (const QString& parola : parole) {
        if (unisci)
            gruppi.last() << parola;
        else
            gruppi.append(QStringList{parola});
        unisci = Particella(parola);
    }
    return gruppi;
}

Divisione Dividi(const QList<QStringList>& gruppi, qsizetype quanti)
{
    QStringList cognome, nome;
    for (qsizetype i = 0; i < gruppi.size(); ++i)
        (i < quanti ? cognome : nome) << gruppi[i];
    return {CasoUsuale(cognome.join(QLatin1Char(' '))), CasoUsuale(nome.join(QLatin1Char(' ')))};
}

// Where the surname in capitals ends and the name not in capitals begins;
// 0 when the cell does not read so.
qsizetype CambioDiCaso(const QStringList& parole)
{
    for (qsizetype i = 1; i < parole.size(); ++i)
        if (std::all_of(parole.cbegin(), parole.cbegin() + i, Maiuscolo)
            && std::none_of(parole.cbegin() + i, parole.cend(), Maiuscolo))
            return i;
    return 0;
}

} // namespace

QString CasoUsuale(const QString& nome)
{
    const bool soloNome = std::all_of(nome.cbegin(), nome.cend(), [](QChar c) {
        return c.isLetter() || c.isMark() || c == QLatin1Char(' ') || c == QLatin1Char('-') || Apostrofo(c);
    });
    if (!soloNome || !Maiuscolo(nome))
        return nome;
    QString usuale = nome.toLower();
    bool inizio = true;
    for (QChar& c : usuale) {
        if (inizio && c.isLetter())
            c = c.toTitleCase();
        inizio = c.isSpace() || c == QLatin1Char('-') || Apostrofo(c);
    }
    return usuale;
}

Divisioni DividiNome(const QString& cella)
{
    const QString testo = cella.simplified();
    if (const qsizetype virgola = testo.indexOf(QLatin1Char(',')); virgola >= 0) {
        const QString cognome = testo.left(virgola).trimmed(), nome = testo.mid(virgola + 1).trimmed();
        if (!cognome.isEmpty() && !nome.isEmpty() && !nome.contains(QLatin1Char(',')))
            return {{{CasoUsuale(cognome), CasoUsuale(nome)}}, true};
    }
    const QStringList parole = Parole(testo);
    if (parole.isEmpty())
        return {};
    if (const qsizetype cambio = CambioDiCaso(parole))
        return {{Dividi({parole.mid(0, cambio), parole.mid(cambio)}, 1)}, true};
    QList<QStringList> gruppi = Gruppi(parole);
    // "DE LUCA" alone: a surname and a name rather than one surname, but
    // not for certain.
    const bool soloCognome = gruppi.size() == 1 && parole.size() > 1;
    if (soloCognome) {
        gruppi.clear();
        for (const QString& parola : parole)
            gruppi.append(QStringList{parola});
    }
    if (gruppi.size() == 1)
        return {{{QString(), CasoUsuale(parole.join(QLatin1Char(' ')))}}, false};
    // "ROSSI DE LUCA GIULIA": a particle after the first word goes on the
    // surname.
    qsizetype probabile = 1;
    while (probabile + 1 < gruppi.size() && Particella(gruppi[probabile].first()))
        ++probabile;
    Divisioni divisioni{{Dividi(gruppi, probabile)}, gruppi.size() == 2 && !soloCognome};
    for (qsizetype quanti = 1; quanti < gruppi.size(); ++quanti)
        if (quanti != probabile)
            divisioni.modi << Dividi(gruppi, quanti);
    return divisioni;
}

} // namespace Registro
