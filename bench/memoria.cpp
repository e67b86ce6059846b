// Memory over time: the menu and each game in turn, visit after visit (open
// the game, play one new turn, go back to the menu, let deferred deletions
// run). Resident memory at the end is compared with what it was after 100
// visits: anything kept across a load and unload shows as growth. The heap
// goes up and down by some megabytes with the game visited last, so each
// figure is the median over one round of the nine games (visits 100 to 108,
// and the last nine). Prints: name, KiB at the end, KiB after 100 visits,
// "KiB", ratio; the same after 20 visits of every game against the menu as the
// child first sees it; and, on standard error, the heap in use now and then.
#include "app/Immagini.h"
#include "app/Modulo1.h"
#include "comune/Stile.h"
#include "bench/Banco.h"
#include "controls/Bottone.h"
#include "screens/Programma.h"
#include "screens/Schermi.h"
#include "screens/SchermoGioco.h"
#include "screens/formMenu.h"

#include <QAbstractButton>
#include <QApplication>
#include <cstdio>
#include <malloc.h>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(CreaStile());
    QApplication::setQuitOnLastWindowClosed(false);
    PreparaBanco(12345);
    const int visite = qEnvironmentVariableIntValue("BENCH_VISITE") > 200
        ? qEnvironmentVariableIntValue("BENCH_VISITE") : 10000;

    Modulo1::Main();
    Svuota();
    Schermi::Vai(*Schermi::Trova(IdSchermo::FormAvvio), IdSchermo::formMenu);
    Svuota();
    auto& menu = static_cast<formMenu&>(*Schermi::Trova(IdSchermo::formMenu));
    const std::vector<Partita> giochi = Partite();
    const int giro = int(giochi.size());
    // At the menu, as the child first sees it; and once every game has been
    // visited 20 times.
    const long alMenu = MemoriaResidenteKiB();
    long dopoVenti = 0;

    std::vector<double> dopoCento, allaFine;
    for (int visita = 1; visita <= visite; ++visita) {
        const Partita& g = giochi[(visita - 1) % giro];
        MisuraFinoAlDisegno(g.id, [&] { menu.controlli().giochi[g.bottoneMenu]->click(); });
        // On one visit in ten the child looks at the screen long enough for
        // the pictures prepared ahead of need; on the others it goes on at once.
        if (visita % 10 == 0)
            AttendiFigurePreparate();
        const QString bersaglio = g.preparaTurno();
        MisuraFinoAlDisegno(g.id, [&] { Bottone_(g.id, bersaglio)->click(); });
        MisuraFinoAlDisegno(IdSchermo::formMenu,
                            [&] { static_cast<SchermoGioco*>(Schermi::Trova(g.id))->mnuEsci(); });
        Svuota();
        if (visita == 20 * giro)
            dopoVenti = MemoriaResidenteKiB();
        if (visita >= 100 && visita < 100 + giro)
            dopoCento.push_back(MemoriaResidenteKiB());
        if (visita > visite - giro)
            allaFine.push_back(MemoriaResidenteKiB());
        if (visita % 1000 == 0 || visita == 100) {
            const struct mallinfo2 m = mallinfo2();
            std::fprintf(stderr, "%d visits: resident %ld KiB, heap in use %zu KiB\n", visita,
                         MemoriaResidenteKiB(), (m.uordblks + m.hblkhd) / 1024);
        }
    }
    const double fine = Mediana(allaFine), inizio = Mediana(dopoCento);
    std::printf("resident memory after 20 visits of every game, against the menu\t%ld\t%ld\tKiB\t%.3f\n", dopoVenti,
                alMenu, double(dopoVenti) / alMenu);
    std::printf("resident memory after %d visits\t%.0f\t%.0f\tKiB\t%.3f\n", visite, fine, inizio, fine / inizio);
    // What the decoded pictures take, against the cache's bound: the growth
    // above may be up to this bound (reached early with photographs) plus 5 %.
    std::printf("decoded-picture cache (bound)\t%.0f\t%.0f\tKiB\t%.3f\n", ByteCacheFigure() / 1024.0,
                CacheFigureMassima / 1024.0, double(ByteCacheFigure()) / CacheFigureMassima);
    Schermi::DistruggiTutti();
    // As the game does: the preparation ahead of need stops while Qt's
    // shared thread pool, which its scaling waits for, still stands.
    SvuotaCacheFigure();
    return 0;
}
