// Memory over time: the menu and each game in turn, visit after visit (open
// the game, play one new turn, go back to the menu, let deferred deletions
// run). Resident memory after all visits is compared with what it was after
// the first 100: anything kept across a load and unload shows as growth.
// Prints: name, KiB at the end, KiB after 100 visits, "KiB", ratio.
#include "app/Modulo1.h"
#include "app/Stile.h"
#include "bench/Banco.h"
#include "screens/Schermi.h"
#include "screens/SchermoGioco.h"
#include "controls/Bottone.h"
#include "screens/formMenu.h"

#include <QAbstractButton>
#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(CreaStile());
    QApplication::setQuitOnLastWindowClosed(false);
    PreparaBanco(12345);
    const int visite = qEnvironmentVariableIntValue("BENCH_VISITE") > 100
        ? qEnvironmentVariableIntValue("BENCH_VISITE") : 10000;

    Modulo1::Main();
    Svuota();
    Schermi::Vai(*Schermi::Trova(IdSchermo::FormAvvio), IdSchermo::formMenu);
    Svuota();
    auto& menu = static_cast<formMenu&>(*Schermi::Trova(IdSchermo::formMenu));
    const std::vector<Partita> giochi = Partite();

    long dopoCento = 0;
    for (int visita = 1; visita <= visite; ++visita) {
        const Partita& g = giochi[(visita - 1) % giochi.size()];
        MisuraFinoAlDisegno(g.id, [&] { menu.controlli().giochi[g.bottoneMenu]->click(); });
        const QString bersaglio = g.preparaTurno();
        MisuraFinoAlDisegno(g.id, [&] { Bottone_(g.id, bersaglio)->click(); });
        MisuraFinoAlDisegno(IdSchermo::formMenu,
                            [&] { static_cast<SchermoGioco*>(Schermi::Trova(g.id))->mnuEsci(); });
        Svuota();
        if (visita == 100)
            dopoCento = MemoriaResidenteKiB();
        if (visita % 1000 == 0)
            std::fprintf(stderr, "%d visits: %ld KiB\n", visita, MemoriaResidenteKiB());
    }
    const long fine = MemoriaResidenteKiB();
    std::printf("resident memory after %d visits\t%ld\t%ld\tKiB\t%.3f\n", visite, fine, dopoCento,
                double(fine) / dopoCento);
    Schermi::DistruggiTutti();
    return 0;
}
