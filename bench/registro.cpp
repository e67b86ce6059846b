// The class register over a school year: a class of 30, 180 school days,
// 100 answers a day each (540,000 answers) generated into a temporary file.
// Prints, one row each (label, figure, floor, unit, ratio, tab-separated):
//   the file's size, against the 60 MB it must stay under;
//   the class at a glance (Archivio::classe over the whole year), median of
//   11 runs, against the same query run by the sqlite3 program on the file;
//   one child's record (Archivio::scheda), against the 1 s a view may take;
//   the caller's cost of Scrittore::registra, median and 99th percentile of
//   10,000 calls, against the 0.2 ms an answer may cost the game.
// With an argument, the file is kept there instead.
#include "bench/AnnoScolastico.h"
#include "registro/Archivio.h"
#include "registro/Giochi.h"
#include "registro/Scrittore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace Registro;
using namespace AnnoScolastico;

namespace {

// The sqlite3 program's own timer (".timer on", read from its standard
// input: given as arguments, it prints nothing) for the query classe() runs.
double TempoSqlite3(const QString& file, const Periodo& periodo)
{
    const qint64 dal = periodo.dal->startOfDay().toMSecsSinceEpoch();
    const qint64 al = periodo.al->addDays(1).startOfDay().toMSecsSinceEpoch();
    QString query = Archivio::QueryClasse();
    query.replace(query.indexOf('?'), 1, QString::number(dal));
    query.replace(query.indexOf('?'), 1, QString::number(al));
    QList<double> tempi;
    for (int i = 0; i < Prove; ++i) {
        QProcess p;
        p.start("sqlite3", {file});
        p.write(".timer on\n" + query.toUtf8() + ";\n");
        p.closeWriteChannel();
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            qFatal("sqlite3 failed: %s", p.readAllStandardError().constData());
        const auto m = QRegularExpression("Run Time: real ([0-9.]+)").match(QString::fromUtf8(p.readAllStandardOutput()));
        if (!m.hasMatch())
            qFatal("sqlite3 printed no time");
        tempi << m.captured(1).toDouble() * 1000;
    }
    return Mediana(tempi);
}

void CostoRegistra(const QString& cartella)
{
    Scrittore s(cartella + "/scrittore.sqlite");
    s.attendi();
    QRandomGenerator caso(7);
    QList<Risposta> risposte;
    for (int i = 0; i < 10000; ++i)
        risposte << Casuale(caso, QDateTime::currentDateTime());
    QList<double> us;
    for (const Risposta& r : std::as_const(risposte)) {
        QElapsedTimer t;
        t.start();
        s.registra(r, 0);
        us << t.nsecsElapsed() / 1e6;
    }
    std::sort(us.begin(), us.end());
    Riga("Scrittore::registra, median of 10000 calls", us[us.size() / 2], 0.2, "ms");
    Riga("Scrittore::registra, 99th percentile", us[us.size() * 99 / 100], 0.2, "ms");
    s.attendi();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporanea;
    const QString cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporanea.path();
    const QString file = cartella + "/registro.sqlite";
    QFile::remove(file);
    const QList<QDate> giorni = GiorniDiScuola(QDate(QDate::currentDate().year() - 1, 9, 1));
    const Periodo anno{giorni.first(), giorni.last()};
    {
        Archivio a;
        if (a.apri(file) != Accesso::Ok)
            qFatal("cannot open %s: %s", qPrintable(file), qPrintable(a.ultimoErrore()));
        Genera(a, giorni);
    }
    Riga("register of a school year (540,000 answers)", QFileInfo(file).size() / 1e6, 60, "MB");

    Archivio a;
    a.apri(file);
    a.classe(anno);  // one run to warm the cache, as for sqlite3
    const double classe = Mediana(Tempi(Prove, [&] { a.classe(anno); }));
    Riga("class at a glance, school year", classe, TempoSqlite3(file, anno), "ms");
    Riga("class at a glance, school year, against 1 s", classe, 1000, "ms");
    const qint64 uno = a.bambini().first().id;
    Riga("one child's record, school year", Mediana(Tempi(Prove, [&] { a.scheda(uno, anno); })), 1000, "ms");
    CostoRegistra(cartella);
    return 0;
}
