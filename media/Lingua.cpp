#include "Lingua.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace Lingua {

namespace {

QString attuale = u"it"_s;
// The translations installed now: the programs' and Qt's own.
std::vector<std::unique_ptr<QTranslator>> programmiCaricati;
std::unique_ptr<QTranslator> qt;

// The language part of an interface language ("de" of "de-Latn-CH").
QString CodiceDi(const QString& linguaggio)
{
    return linguaggio.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

void Rimuovi(std::unique_ptr<QTranslator>& traduzione)
{
    if (traduzione)
        QCoreApplication::removeTranslator(traduzione.get());
    traduzione.reset();
}

std::unique_ptr<QTranslator> Carica(const QString& file, const QString& cartella)
{
    auto traduzione = std::make_unique<QTranslator>();
    if (!traduzione->load(file, cartella) || !QCoreApplication::installTranslator(traduzione.get()))
        return nullptr;
    return traduzione;
}

} // namespace

const QStringList& Disponibili()
{
    // As the build lists them, Italian first.
    static const QStringList codici = QStringLiteral(TESSELO_LINGUE).split(u',');
    return codici;
}

QString Scegli(const QString& richiesta, const QStringList& sistema, bool* sconosciuta)
{
    const QString chiesta = richiesta.trimmed().toLower();
    if (sconosciuta)
        *sconosciuta = !chiesta.isEmpty() && !Disponibili().contains(chiesta);
    if (Disponibili().contains(chiesta))
        return chiesta;
    for (const QString& linguaggio : sistema)
        if (Disponibili().contains(CodiceDi(linguaggio)))
            return CodiceDi(linguaggio);
    return Disponibili().first();
}

bool Imposta(const QString& codice, const QString& cartella, const QStringList& programmi)
{
    for (auto& traduzione : programmiCaricati)
        Rimuovi(traduzione);
    programmiCaricati.clear();
    Rimuovi(qt);
    const QString italiano = Disponibili().first();
    bool riuscita = true;
    for (const QString& programma : programmi) {
        if (codice == italiano)
            break;
        programmiCaricati.push_back(Carica(programma + u'_' + codice, cartella));
        riuscita = riuscita && programmiCaricati.back();
    }
    if (!riuscita)
        return Imposta(italiano, cartella, programmi), false;
    attuale = codice;
    qt = Carica(u"qtbase_"_s + attuale, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

QString Attuale()
{
    return attuale;
}

QString SottocartellaVoci(const QString& codice)
{
    return codice == Disponibili().first() ? QString() : codice + u'/';
}

QString VoceEspeak(const QString& codice)
{
    // British English, and the French of France, as a teacher in Europe speaks them.
    if (codice == u"en"_s)
        return u"en-gb"_s;
    if (codice == u"fr"_s)
        return u"fr-fr"_s;
    return codice;
}

} // namespace Lingua
