// Fills a register with a made-up class, for screenshots and timings:
//   registro_inventato FILE.sqlite [children] [months] [answers a day]
#include "tests/support/ClasseInventata.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() < 2) {
        std::fputs("uso: registro_inventato FILE.sqlite [bambini] [mesi] [risposte al giorno]\n", stderr);
        return 2;
    }
    ClasseInventata classe;
    if (a.size() > 2)
        classe.bambini = a[2].toInt();
    if (a.size() > 3)
        classe.dal = classe.al.addMonths(-a[3].toInt());
    if (a.size() > 4)
        classe.rispostePerGiornata = a[4].toInt();
    Registro::Archivio archivio;
    if (archivio.apri(a[1]) != Registro::Accesso::Ok) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(a[1]), qPrintable(archivio.ultimoErrore()));
        return 1;
    }
    std::printf("%d risposte\n", InventaClasse(archivio, classe));
    return 0;
}
