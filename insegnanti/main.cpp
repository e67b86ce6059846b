#include "app/Stile.h"
#include "insegnanti/FinestraRegistro.h"
#include "insegnanti/Operazioni.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/RigaDiComando.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>

using namespace Insegnanti;

namespace {

// The options run without a window, nor a display to open one on.
int SenzaFinestra(int argc, char* argv[], const Richiesta& richiesta)
{
    const QCoreApplication app(argc, argv);
    QTextStream uscita(stdout), errori(stderr);
    return EseguiRigaDiComando(richiesta, Registro::Archivio::PercorsoPredefinito(), uscita, errori);
}

int ConFinestra(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // What the toolkit has not taken as its own is not an option of the program.
    if (argc > 1) {
        std::fputs(qPrintable(Uso()), stderr);
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Registro di Tesselo"));
    QApplication::setDesktopFileName(QStringLiteral("tesselo-registro"));
    QApplication::setStyle(CreaStile());
    // Qt's own texts (standard buttons, the print dialog) in Italian.
    QTranslator traduzione;
    if (traduzione.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzione);

    const RegistroAperto aperto = ApriRegistro(Registro::Archivio::PercorsoPredefinito(), true);
    if (!aperto.deposito) {
        std::fprintf(stderr, "tesselo-registro: %s\n", qPrintable(aperto.errore));
        richieste().informa(nullptr, aperto.errore, true);
        return 1;
    }
    if (!aperto.spostato.isEmpty())
        richieste().informa(nullptr,
                            QStringLiteral("Il registro era danneggiato: è stato messo da parte come %1, "
                                           "e ne è stato cominciato uno nuovo.")
                                .arg(aperto.spostato),
                            true);
    FinestraRegistro finestra(*aperto.deposito);
    finestra.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti.append(QString::fromLocal8Bit(argv[i]));
    const Richiesta richiesta = LeggiRigaDiComando(argomenti);
    return richiesta.comando == Comando::Finestra ? ConFinestra(argc, argv) : SenzaFinestra(argc, argv, richiesta);
}
