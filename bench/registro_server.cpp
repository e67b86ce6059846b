// The class at a glance on a school's PostgreSQL server: bench_registro's
// school year (540,000 answers of a class of 30) written to a server started
// in a temporary folder, as the tests start theirs, through the teachers'
// program's own register, then vacuumed and analysed as the server's
// autovacuum would. Prints two rows (label, figure, floor, unit, ratio,
// tab-separated): ArchivioServer::classe() over the year, median of 11 runs,
// against the same statement run by psql (its own "\timing"), median of 11;
// then one child's record (ArchivioServer::scheda) against the 1 s a view
// may take.
#include "bench/AnnoScolastico.h"
#include "registro/ArchivioServer.h"
#include "tests/support/ServerPostgres.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdio>

using namespace Registro;
using namespace AnnoScolastico;

namespace {

const QString Database = QStringLiteral("tesselo");

[[noreturn]] void Fallito(const QString& cosa)
{
    std::fprintf(stderr, "bench_registro_server: %s\n", qPrintable(cosa));
    std::exit(1);
}

// psql's own timer for the statement behind classe(), its values written in.
double TempoPsql(ServerPostgres& server, const Registro::Classe& classe, const Periodo& periodo)
{
    const auto [dal, al] = Estremi(periodo);
    QString query = ArchivioServer::QueryClasse();
    for (const QString& valore : {classe.uuid.toString(QUuid::WithoutBraces), ArchivioServer::Momento(dal),
                                  ArchivioServer::Momento(al)})
        query.replace(query.indexOf('?'), 1, QLatin1Char('\'') + valore + QLatin1Char('\''));
    QList<double> tempi;
    for (int i = 0; i < Prove + 1; ++i) {
        const auto uscita = server.client(QStringLiteral("psql"), {"-X", "-q", "-d", Database, "-o", "/dev/null",
                                                                   "-c", "\\timing on", "-c", query});
        if (!uscita)
            Fallito(server.errore());
        // With the rows sent to /dev/null, the time is all psql prints.
        const auto m = QRegularExpression(QStringLiteral("Time: ([0-9.]+) ms")).match(QString::fromUtf8(*uscita));
        if (!m.hasMatch())
            Fallito(QStringLiteral("psql printed no time: ") + QString::fromUtf8(*uscita));
        if (i > 0)  // the first warms the cache, as for classe()
            tempi << m.captured(1).toDouble();
    }
    return Mediana(tempi);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ServerPostgres server;
    if (!server.avvia() || !server.creaRegistro(Database, {{"maestra", "tesselo_insegnante"}}))
        Fallito(server.errore());
    Impostazioni imp;
    imp.host = server.cartella();
    imp.porta = ServerPostgres::Porta;
    imp.database = Database;
    imp.utente = QStringLiteral("maestra");
    ArchivioServer registro;
    if (registro.apri(imp) != Accesso::Ok)
        Fallito(registro.ultimoErrore());
    const QList<QDate> giorni = GiorniDiScuola(QDate(QDate::currentDate().year() - 1, 9, 1));
    const Periodo anno{giorni.first(), giorni.last()};
    Genera(registro, giorni);
    if (!server.client(QStringLiteral("psql"), {"-X", "-q", "-d", Database, "-c", "VACUUM ANALYZE tesselo.risposte"}))
        Fallito(server.errore());

    registro.classe(anno);  // one run to warm the cache, as for psql
    const double classe = Mediana(Tempi(Prove, [&] { registro.classe(anno); }));
    Riga("class at a glance on the server, school year", classe, TempoPsql(server, *registro.classeScelta(), anno), "ms");
    const qint64 uno = registro.bambini().first().id;
    Riga("one child's record on the server, school year",
         Mediana(Tempi(Prove, [&] { registro.scheda(uno, anno); })), 1000, "ms");
    return 0;
}
