#include "app/Caratteri.h"
#include "app/CartellaUtente.h"
#include "app/Immagini.h"
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "app/Servizi.h"
#include "screens/Programma.h"
#include "comune/LinguaDelProgramma.h"
#include "comune/Stile.h"
#include "screens/Schermi.h"

#include <QApplication>
#include <QByteArrayView>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr char Uso[] = "uso: tesselo [--apri-cartella]\n";
QString Aiuto()
{
    return QStringLiteral("  --apri-cartella  crea la cartella delle foto, dei suoni e delle voci\n"
                          "                   dell'insegnante e la mostra; non avvia il gioco\n"
                          "  --lingua CODICE  la lingua del gioco: %1; senza, quella\n"
                          "                   di tesselo.conf o del sistema, altrimenti l'italiano\n")
        .arg(ElencoLingue());
}

enum class Comando { Gioco, ApriCartella, Aiuto };

// The program's own options, each given alone; anything else is left to Qt
// (-platform, -style...), and whatever Qt does not take is refused later.
Comando LeggiComando(int argc, char* argv[])
{
    if (argc != 2)
        return Comando::Gioco;
    const QByteArrayView opzione(argv[1]);
    if (opzione == "--apri-cartella")
        return Comando::ApriCartella;
    if (opzione == "--help" || opzione == "-h")
        return Comando::Aiuto;
    return Comando::Gioco;
}

} // namespace

int main(int argc, char* argv[])
{
    QString lingua;
    if (!TogliLingua(argc, argv, lingua)) {
        std::fputs(Uso, stderr);
        return 2;
    }
    // The folder is made and shown without any window, nor a desktop's
    // display to open one on.
    switch (LeggiComando(argc, argv)) {
    case Comando::ApriCartella: {
        const QCoreApplication app(argc, argv);
        usaServiziReali();
        ScegliLingua(lingua, "tesselo", ImpostaLinguaDelGioco);
        const int esito = ApriCartellaUtente();
        servizi().suono.reset();
        return esito;
    }
    case Comando::Aiuto:
        std::fputs(Uso, stdout);
        std::fputs(qPrintable(Aiuto()), stdout);
        return 0;
    case Comando::Gioco:
        break;
    }

    TaciDecodificatori();
    QApplication app(argc, argv);
    // What Qt has not taken as its own is not an option of the program.
    if (argc > 1) {
        std::fputs(Uso, stderr);
        return 2;
    }
    const std::jthread caratteri = PreparaCaratteri();
    QApplication::setApplicationName(QStringLiteral("Tesselo"));
    QApplication::setStyle(CreaStile());
    QApplication::setQuitOnLastWindowClosed(false);

    usaServiziReali();
    servizi().termina = Modulo1::TerminaProgramma;
    // The game's texts, and Qt's own (standard buttons, context menus), in
    // the language chosen before any window is made.
    ScegliLingua(lingua, "tesselo", ImpostaLinguaDelGioco);
    // The class is read while the start screen is built and looked at.
    Seduta::Avvia();
    Schermi::CreaTutti();
    Modulo1::Main();
    const int esito = QApplication::exec();
    // "FINE" or the window's close box ends the sitting: what is queued for
    // the register is written, for a few seconds at most.
    const bool scritto = Seduta::Termina();
    Schermi::DistruggiTutti();
    // The preparation of pictures ahead of need stops while Qt's shared
    // thread pool, on which its decoder scales pictures and waits, still
    // stands: stopped only when the static objects go, it could be left
    // waiting for work queued on a pool already gone, and the exit with it.
    SvuotaCacheFigure();
    servizi().suono.reset();
    if (!scritto) {
        // The writer still waits for the disk: the process ends without
        // running the destructors that would wait with it.
        std::fflush(nullptr);
        std::_Exit(esito);
    }
    return esito;
}
