// The kill test's check after each kill (uccisione.sh):
//   verifica_uccisione FILE IDS   the register passes SQLite's integrity
//                                 check and holds every id of the file IDS
//                                 (one a line); prints how many it holds
// A program of its own, on the register's library alone: it starts 200
// times a run, and the game's libraries would take most of its time.
#include "registro/Archivio.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <cstdio>

namespace {

int Verifica(const QString& percorso, const QString& elenco)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("verifica"));
        db.setDatabaseName(percorso);
        QSqlQuery controllo(db);
        if (!db.open() || !controllo.exec(QStringLiteral("PRAGMA integrity_check")) || !controllo.next()
            || controllo.value(0).toString() != QLatin1String("ok")) {
            std::fprintf(stderr, "integrity_check: %s\n", qPrintable(controllo.value(0).toString()));
            return 1;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("verifica"));
    Registro::Archivio archivio;
    if (archivio.apri(percorso, false) != Registro::Accesso::Ok) {
        std::fprintf(stderr, "not opened: %s\n", qPrintable(archivio.ultimoErrore()));
        return 1;
    }
    QFile file(elenco);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    int trovate = 0;
    for (const QByteArray& riga : file.readAll().split('\n')) {
        const QUuid id = QUuid::fromString(QLatin1String(riga.trimmed()));
        if (id.isNull())
            continue;
        if (!archivio.contiene(id)) {
            std::fprintf(stderr, "answer %s printed as written, not in the register\n", riga.constData());
            return 1;
        }
        ++trovate;
    }
    std::printf("%d\n", trovate);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("uso: verifica_uccisione FILE IDS\n", stderr);
        return 2;
    }
    return Verifica(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
}
