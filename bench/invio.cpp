// The sender to a school's server: 10,000 answers queued in the local
// register, half of them of children of the server's class, sent to a
// PostgreSQL server started in a temporary folder (as the tests start theirs).
// Prints one row (label, figure, floor, unit, ratio, tab-separated): the time
// from the sender's start to the queue's end, median of 3 runs, against the
// 5 s it may take.
#include "registro/Archivio.h"
#include "registro/Invio.h"
#include "tests/support/ServerPostgres.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

using namespace Registro;

namespace {

constexpr int Risposte = 10000, Prove = 3;

Risposta Numero(int n)
{
    Risposta r = NuovaRisposta();
    r.schermo = QStringLiteral("FormTabella");
    r.gioco = QStringLiteral("tabella");
    r.domande = {{"colore", "rosso", n % 2 == 0}, {"forma", "quadrato", false}};
    r.blocchi = {Blocco::tutti().value(n % 48)};
    r.risposta = QString::number(n % 4);
    r.esatta = n % 5 != 0;
    r.millisecondi = 500 + n % 9000;
    return r;
}

// Milliseconds to send a queue of Risposte answers; negative on failure.
double Prova(ServerPostgres& server, QSqlDatabase super, const QList<Bambino>& classe)
{
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("registro.sqlite"));
    {
        Archivio a;
        if (a.apri(percorso) != Accesso::Ok)
            return -1;
        QList<Bambino> locale = classe;
        if (!a.salvaTutti(locale))
            return -1;
        QList<std::pair<Risposta, qint64>> risposte;
        for (int i = 0; i < Risposte; ++i)
            risposte.append({Numero(i), i % 2 ? locale[i % locale.size()].id : 0});
        if (a.registraTutte(risposte) != Accesso::Ok)
            return -1;
    }
    if (!Esegui(super, QStringLiteral("DELETE FROM tesselo.risposte")).ok)
        return -1;
    Impostazioni imp;
    imp.host = server.cartella();
    imp.porta = ServerPostgres::Porta;
    imp.utente = QStringLiteral("banco");
    std::atomic<int> inviate = 0;
    QElapsedTimer t;
    t.start();
    {
        Invio invio(imp, percorso);
        invio.quandoInviate([&](int n, int) { inviate += n; });
        while (inviate < Risposte && t.elapsed() < 120000)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const double ms = t.nsecsElapsed() / 1e6;
    return inviate == Risposte ? ms : -1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ServerPostgres server;
    if (!server.avvia() || !server.creaRegistro(QStringLiteral("tesselo"), {{"banco", "tesselo_gioco"}})) {
        std::fprintf(stderr, "bench_invio: %s\n", qPrintable(server.errore()));
        return 1;
    }
    QSqlDatabase super = server.connetti(QStringLiteral("super"), ServerPostgres::Superutente, QStringLiteral("tesselo"));
    QList<Bambino> classe;
    for (int i = 0; i < 30; ++i) {
        const Bambino b{0, QUuid::createUuid(), QStringLiteral("Bambino %1").arg(i + 1), {},
                        QString::fromLatin1(Simboli()[i].chiave)};
        classe.append(b);
        if (!Esegui(super, QStringLiteral("INSERT INTO tesselo.bambini (uuid, nome, simbolo) VALUES ('%1', '%2', '%3')")
                               .arg(b.uuid.toString(QUuid::WithoutBraces), b.nome, b.simbolo)).ok) {
            std::fprintf(stderr, "bench_invio: the class could not be stored\n");
            return 1;
        }
    }
    QList<double> tempi;
    for (int i = 0; i < Prove; ++i) {
        const double ms = Prova(server, super, classe);
        if (ms < 0) {
            std::fprintf(stderr, "bench_invio: the queue was not sent\n");
            return 1;
        }
        tempi.append(ms);
    }
    std::sort(tempi.begin(), tempi.end());
    const double mediana = tempi[tempi.size() / 2];
    std::printf("%s\t%.4f\t%.4f\t%s\t%.3f\n", "10,000 queued answers sent to the server", mediana, 5000.0, "ms",
                mediana / 5000.0);
    return 0;
}
