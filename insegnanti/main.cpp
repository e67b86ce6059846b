#include "comune/LinguaDelProgramma.h"
#include "comune/Stile.h"

#include "insegnanti/FinestraRegistro.h"
#include "insegnanti/Lettura.h"
#include "insegnanti/Operazioni.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/RigaDiComando.h"
#include "insegnanti/Testo.h"
#include "registro/Avviso.h"

#include <QApplication>
#include <QTextStream>
#include <QThreadPool>
#include <cstdio>

using namespace Insegnanti;

namespace {

// The texts of this run in the language asked for with --lingua, or the
// game's choice; Qt's own (standard buttons, the print dialog) with them.
void ScegliLingua(const QString& lingua)
{
    ::ScegliLingua(lingua, "tesselo-registro", [](const QString& codice) { return ImpostaLingua(codice); });
}

// The options run without a window, nor a display to open one on.
int SenzaFinestra(int argc, char* argv[], const Richiesta& richiesta, const QString& lingua)
{
    const QCoreApplication app(argc, argv);
    ScegliLingua(lingua);
    QTextStream uscita(stdout), errori(stderr);
    return EseguiRigaDiComando(richiesta, Registro::Archivio::PercorsoPredefinito(), uscita, errori);
}

int ConFinestra(int argc, char* argv[], const QString& lingua)
{
    QApplication app(argc, argv);
    ScegliLingua(lingua);
    // What the toolkit has not taken as its own is not an option of the program.
    if (argc > 1) {
        std::fputs(qPrintable(Uso()), stderr);
        return 2;
    }
    QApplication::setApplicationName(Testo::tr("Registro di Tesselo"));
    QApplication::setDesktopFileName(QStringLiteral("tesselo-registro"));
    QApplication::setStyle(CreaStile());

    const RegistroAperto aperto = ApriRegistro(Registro::Archivio::PercorsoPredefinito(), true);
    if (!aperto.deposito) {
        Registro::Avvisa(aperto.errore, "tesselo-registro");
        richieste().informa(nullptr, aperto.errore, true);
        return 1;
    }
    if (!aperto.spostato.isEmpty())
        richieste().informa(nullptr,
                            Testo::tr("Il registro era danneggiato: è stato messo da parte come %1, "
                                           "e ne è stato cominciato uno nuovo.")
                                .arg(aperto.spostato),
                            true);
    FinestraRegistro finestra(*aperto.deposito, nullptr, FinestraRegistro::Riempi::DopoLaPrimaPittura);
    finestra.show();
    finestra.controllaSeScaduto();
    const int esito = QApplication::exec();
    // A reading still running on the pool's threads holds a connection of
    // its own to the register: it ends before the program does.
    finestra.hide();
    FiliDelRegistro().waitForDone();
    return esito;
}

} // namespace

int main(int argc, char* argv[])
{
    QString lingua;
    const bool linguaData = TogliLingua(argc, argv, lingua);
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti.append(QString::fromLocal8Bit(argv[i]));
    const Richiesta richiesta = linguaData ? LeggiRigaDiComando(argomenti) : Richiesta::Di(Comando::Sbagliato);
    return richiesta.comando == Comando::Finestra ? ConFinestra(argc, argv, lingua)
                                                  : SenzaFinestra(argc, argv, richiesta, lingua);
}
