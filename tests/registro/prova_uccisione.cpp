// The game's own code, offscreen, for the kill test (uccisione.sh):
//   prova_uccisione --prepara FILE         a register with a class of 20
//   prova_uccisione --gioca FILE           the first child plays every game
//                                          without end; each answer's id is
//                                          printed once the register holds it
// verifica_uccisione checks the register after each kill.
#include "app/Seduta.h"
#include "app/Servizi.h"
#include "comune/Stile.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/ClasseProva.h"
#include "tests/support/Partita.h"

#include <QApplication>
#include <cstdio>

using namespace std::chrono_literals;

namespace {

[[noreturn]] void Gioca(const QString& percorso)
{
    Ambiente a;
    Seduta::Avvia(percorso);
    if (!Seduta::AttendiPronta(60s))
        qFatal("the class was not read");
    Seduta::QuandoScritta([](const QUuid& id) {
        std::printf("%s\n", qPrintable(id.toString(QUuid::WithoutBraces)));
        std::fflush(stdout);
    });
    // The first child plays, chosen as "Chi gioca?" chooses, from the menu
    // at once: the start screen and "Chi gioca?" write nothing, and drawing
    // them took half of each start's processor time.
    Seduta::Scegli(Seduta::Bambini().first().id);
    Schermi::Mostra(IdSchermo::formMenu);
    SvuotaEventi();
    for (int partita = 0;; ++partita) {
        for (const Partita::VoceGioco& gioco : Partita::Giochi()) {
            Partita::ApriDalMenu(gioco);
            for (int turno = 0; turno < 12; ++turno)
                (a.caso.rnd() < 0.5 ? Partita::Giusta : Partita::Sbagliata)(gioco.id);
            Partita::TornaAlMenu(a, gioco.id);
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TESSELO_TEST_SCREEN);
    QApplication app(argc, argv);
    // The game's style, and its pictures fitted to their boxes kept in the
    // cache the test names, as the game keeps them for the next start: each
    // start after the first takes them from there, killed or not.
    QApplication::setStyle(CreaStile());
    servizi().cartellaCopie = CartellaCopieUtente();
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() == 3 && argomenti[1] == QLatin1String("--prepara"))
        return ClasseProva::Crea(argomenti[2], 20).size() == 20 ? 0 : 1;
    if (argomenti.size() == 3 && argomenti[1] == QLatin1String("--gioca"))
        Gioca(argomenti[2]);
    std::fputs("uso: prova_uccisione --prepara FILE | --gioca FILE\n", stderr);
    return 2;
}
