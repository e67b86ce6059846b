// The game's own code, offscreen, for the kill test (uccisione.sh):
//   prova_uccisione --prepara FILE         a register with a class of 20
//   prova_uccisione --gioca FILE           the first child plays every game
//                                          without end; each answer's id is
//                                          printed once the register holds it
//   prova_uccisione --verifica FILE IDS    the register passes SQLite's
//                                          integrity check and holds every id
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "registro/Archivio.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/ClasseProva.h"
#include "tests/support/Partita.h"

#include <QApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
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
    Modulo1::Main();
    SvuotaEventi();
    ClasseProva::ClicAvvio();
    ClasseProva::ScegliSimbolo(0);
    for (int partita = 0;; ++partita) {
        for (const Partita::VoceGioco& gioco : Partita::Giochi()) {
            Partita::ApriDalMenu(gioco);
            for (int turno = 0; turno < 12; ++turno)
                (a.caso.rnd() < 0.5 ? Partita::Giusta : Partita::Sbagliata)(gioco.id);
            Partita::TornaAlMenu(a, gioco.id);
        }
    }
}

int Verifica(const QString& percorso, const QString& elenco)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("verifica"));
        db.setDatabaseName(percorso);
        QSqlQuery controllo(db);
        if (!db.open() || !controllo.exec(QStringLiteral("PRAGMA integrity_check")) || !controllo.next()
            || controllo.value(0).toString() != QLatin1String("ok")) {
            std::fprintf(stderr, "integrity_check: %s\n", qPrintable(controllo.value(0).toString()));
            return 1;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("verifica"));
    Registro::Archivio archivio;
    if (archivio.apri(percorso, false) != Registro::Accesso::Ok) {
        std::fprintf(stderr, "not opened: %s\n", qPrintable(archivio.ultimoErrore()));
        return 1;
    }
    QFile file(elenco);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    int trovate = 0;
    for (const QByteArray& riga : file.readAll().split('\n')) {
        const QUuid id = QUuid::fromString(QLatin1String(riga.trimmed()));
        if (id.isNull())
            continue;
        if (!archivio.contiene(id)) {
            std::fprintf(stderr, "answer %s printed as written, not in the register\n", riga.constData());
            return 1;
        }
        ++trovate;
    }
    std::printf("%d\n", trovate);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TESSELO_TEST_SCREEN);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() == 3 && argomenti[1] == QLatin1String("--prepara"))
        return ClasseProva::Crea(argomenti[2], 20).size() == 20 ? 0 : 1;
    if (argomenti.size() == 3 && argomenti[1] == QLatin1String("--gioca"))
        Gioca(argomenti[2]);
    if (argomenti.size() == 4 && argomenti[1] == QLatin1String("--verifica"))
        return Verifica(argomenti[2], argomenti[3]);
    std::fputs("uso: prova_uccisione --prepara FILE | --gioca FILE | --verifica FILE IDS\n", stderr);
    return 2;
}
