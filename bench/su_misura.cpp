// A "su misura" step over a school year's register (540,000 answers of a
// class of 30, generated into a temporary file): what choosing a child costs
// the interface thread (the read of their answers starts on a thread of its
// own), how long that read takes until the estimates are in, and what the
// weights cost each draw. Prints, one row each (label, figure, floor, unit,
// ratio, tab-separated), medians of 11 runs: the start against the 1 ms an
// interface step may take here, the read against the 1 s a view may take,
// a draw's weights against 0.01 ms. With an argument, the file is kept there.
#include "app/StimeBambino.h"
#include "bench/AnnoScolastico.h"
#include "registro/Archivio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

using namespace Registro;
using namespace AnnoScolastico;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporanea;
    const QString cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporanea.path();
    const QString file = cartella + "/registro.sqlite";
    if (!QFile::exists(file)) {
        Archivio a;
        if (a.apri(file) != Accesso::Ok)
            qFatal("cannot open %s: %s", qPrintable(file), qPrintable(a.ultimoErrore()));
        Genera(a, GiorniDiScuola(QDate(QDate::currentDate().year() - 1, 9, 1)));
    }
    qint64 bambino = 0;
    {
        Archivio a;
        a.apri(file, false);
        bambino = a.bambini().first().id;
    }
    QList<double> avvio, lettura;
    for (int i = 0; i < Prove; ++i) {
        QElapsedTimer t;
        t.start();
        Seduta::StimeBambino stime(bambino, file, std::nullopt);
        avvio << t.nsecsElapsed() / 1e6;
        while (!stime.lette())
            QThread::msleep(1);
        lettura << t.nsecsElapsed() / 1e6;
    }
    Riga("su misura: choosing a child, interface thread", Mediana(avvio), 1, "ms");
    Riga("su misura: one child's estimates read, 540,000 answers", Mediana(lettura), 1000, "ms");
    Seduta::StimeBambino stime(bambino, file, std::nullopt);
    while (!stime.lette())
        QThread::msleep(1);
    const double pesi = Mediana(Tempi(Prove, [&] {
        for (int i = 0; i < 1000; ++i)
            stime.pesi();
    }));
    Riga("su misura: a draw's weights", pesi / 1000, 0.01, "ms");
    return 0;
}
