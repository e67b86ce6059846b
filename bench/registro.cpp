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
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace Registro;
using namespace AnnoScolastico;

namespace {

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
    Riga("class at a glance, school year", classe, TempoSqlite3(file, anno, a.classeScelta()->id), "ms");
    Riga("class at a glance, school year, against 1 s", classe, 1000, "ms");
    const qint64 uno = a.bambini().first().id;
    Riga("one child's record, school year", Mediana(Tempi(Prove, [&] { a.scheda(uno, anno); })), 1000, "ms");
    CostoRegistra(cartella);
    return 0;
}
