// Registers of a class over one to several school years, for the benchmark
// of what a large register may slow down (bench/run.py): 0, 54,000, 540,000,
// 1.62 million and 4 million answers, each in <folder>/<answers>/tesselo/
// registro.sqlite, where XDG_DATA_HOME=<folder>/<answers> makes it a
// program's register. The answers are two weeks of a class of 30 as the
// games give them (AnnoScolastico), repeated a fortnight earlier each time
// with new ids until the count is reached.
//
// Prints, one row each (label, figure, floor, unit, ratio, tab-separated),
// the class at a glance over the whole register (Archivio::classe), median
// of Prove runs, against the same statement in the sqlite3 program.
//
//   bench_registro_grande <folder> [answers ...]
#include "bench/AnnoScolastico.h"
#include "registro/Archivio.h"
#include "registro/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace Registro;
using namespace AnnoScolastico;

namespace {

const QList<qint64> Misure{0, 54000, 540000, 1620000, 4000000};
constexpr int GiorniDelCampione = 10;  // two school weeks: 30,000 answers

void Esegui(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

// The register of quante answers at file, made afresh.
void Crea(const QString& file, qint64 quante, const QList<QDate>& giorni)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    for (const char* suffisso : {"", "-wal", "-shm"})
        QFile::remove(file + suffisso);
    {
        Archivio a;
        if (a.apri(file) != Accesso::Ok)
            qFatal("cannot open %s: %s", qPrintable(file), qPrintable(a.ultimoErrore()));
        Genera(a, quante > 0 ? giorni : QList<QDate>{});
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("grande"));
        db.setDatabaseName(file);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(file));
        QSqlQuery q(db);
        Esegui(q, QStringLiteral("PRAGMA synchronous=OFF"));
        Esegui(q, QStringLiteral("PRAGMA cache_size=-200000"));
        Esegui(q, QStringLiteral("DELETE FROM risposte WHERE id > %1").arg(quante));
        const qint64 campione = quante > 0 ? std::min<qint64>(quante, Bambini * AlGiorno * GiorniDelCampione) : 0;
        for (qint64 copia = 1, fatte = campione; fatte < quante; ++copia) {
            const qint64 ora = std::min(campione, quante - fatte);
            Esegui(q, QStringLiteral("INSERT INTO risposte (uuid, quando, bambino, gioco, domande, blocchi, risposta,"
                                     " esatta, millisecondi) SELECT randomblob(16), quando - %1, bambino, gioco,"
                                     " domande, blocchi, risposta, esatta, millisecondi FROM risposte"
                                     " WHERE id <= %2")
                          .arg(copia * 14 * 86400000LL)
                          .arg(ora));
            fatte += ora;
        }
        Esegui(q, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("grande"));
    Schema::SoloProprietario(file);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        qFatal("usage: bench_registro_grande <folder> [answers ...]");
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    QList<qint64> misure;
    for (int i = 2; i < argc; ++i)
        misure << QByteArray(argv[i]).toLongLong();
    if (misure.isEmpty())
        misure = Misure;
    const QList<QDate> giorni = GiorniDiScuola(QDate::currentDate().addDays(-GiorniDelCampione * 7 / 5 - 4)).mid(0, GiorniDelCampione);
    for (const qint64 quante : misure) {
        const QString file = QStringLiteral("%1/%2/tesselo/registro.sqlite").arg(cartella).arg(quante);
        Crea(file, quante, giorni);
        Archivio a;
        a.apri(file);
        const Periodo tutto{QDate(2000, 1, 1), QDate::currentDate()};
        a.classe(tutto);  // one run to warm the cache, as for sqlite3
        const double classe = Mediana(Tempi(Prove, [&] { a.classe(tutto); }));
        const QByteArray etichetta = QStringLiteral("class at a glance, %1 answers").arg(quante).toUtf8();
        Riga(etichetta.constData(), classe, TempoSqlite3(file, tutto, a.classeScelta()->id), "ms");
    }
    return 0;
}
