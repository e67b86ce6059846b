// The example paths in every language: each source in esempi/ is a path
// file whose "nome" and "obiettivo" hold one text per language code. For
// each language it writes <folder>/<code>/<source's name>, the path with
// that language's texts, through the reader and the writer teachers' files
// go through, so that a source with a problem stops the build.
//   tesselo-esempi-percorsi FOLDER it,en,... SOURCE...
#include "percorsi/FilePercorso.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

bool Fallito(const QString& motivo)
{
    std::fprintf(stderr, "tesselo-esempi-percorsi: %s\n", qPrintable(motivo));
    return false;
}

// The source's path in one language.
bool Scrivi(const QString& sorgente, const QJsonObject& esempio, const QString& lingua, const QString& cartella)
{
    QJsonObject tradotto = esempio;
    for (const char* chiave : {"nome", "obiettivo"}) {
        const QJsonValue testo = esempio.value(QLatin1String(chiave)).toObject().value(lingua);
        if (!testo.isString())
            return Fallito(QStringLiteral("%1: «%2» has no text in %3").arg(sorgente, chiave, lingua));
        tradotto.insert(QLatin1String(chiave), testo);
    }
    const Percorsi::Lettura letta = Percorsi::LeggiTesto(QJsonDocument(tradotto).toJson());
    if (!letta.percorso)
        return Fallito(QStringLiteral("%1 (%2): %3").arg(sorgente, lingua, letta.errore));
    const QString uscita = cartella + QLatin1Char('/') + lingua;
    QString errore;
    if (!QDir().mkpath(uscita)
        || !Percorsi::ScriviFile(uscita + QLatin1Char('/') + QFileInfo(sorgente).fileName(), *letta.percorso, errore))
        return Fallito(errore.isEmpty() ? QStringLiteral("cannot make %1").arg(uscita) : errore);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() < 4)
        return Fallito(QStringLiteral("usage: tesselo-esempi-percorsi FOLDER it,en,... SOURCE...")), 2;
    const QStringList lingue = argomenti[2].split(QLatin1Char(','));
    for (const QString& sorgente : argomenti.mid(3)) {
        QFile file(sorgente);
        if (!file.open(QIODevice::ReadOnly))
            return Fallito(QStringLiteral("%1: %2").arg(sorgente, file.errorString())), 1;
        const QJsonObject esempio = QJsonDocument::fromJson(file.readAll()).object();
        for (const QString& lingua : lingue)
            if (!Scrivi(sorgente, esempio, lingua, argomenti[1]))
                return 1;
    }
    return 0;
}
