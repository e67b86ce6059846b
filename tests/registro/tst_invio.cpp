// The school's server seen from the game: its settings, the local queue of
// the register (version 2, migrated from version 1) and the sender against a
// real PostgreSQL server started by the test. Answers queued while the server
// is down arrive once it is up, each once; a resend is ignored; the queue
// empties only after the server commits; a newer server schema keeps
// answers queued; the server's class is copied into the local register.
#include "registro/Archivio.h"
#include "registro/Codici.h"
#include "registro/Impostazioni.h"
#include "registro/Invio.h"
#include "registro/Schema.h"
#include "registro/Server.h"
#include "registro/Scrittore.h"
#include "tests/support/CatturaStderr.h"
#include "tests/support/ServerPostgres.h"
#include "tests/support/ValoreSqlite.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <map>
#include <csignal>
#include <mutex>

using namespace Registro;

namespace {

const QString Database = QStringLiteral("tesselo");
const QString UtenteGioco = QStringLiteral("gioco_aula");

Risposta Risp(int n, const QString& testo = {})
{
    Risposta r = NuovaRisposta();
    r.schermo = "FORM2";
    r.gioco = "insiemi";
    r.domande = {{"colore", "blu", n % 2 == 0}};
    r.blocchi = {Blocco::tutti().value(n % 48), Blocco::tutti().value((n + 7) % 48)};
    r.risposta = testo.isEmpty() ? QString::number(n) : testo;
    r.esatta = n % 3 != 0;
    r.millisecondi = n;
    return r;
}

void Scrivi(const QString& file, const QString& contenuto)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(contenuto.toUtf8());
}

} // namespace

class TestInvio : public QObject {
    Q_OBJECT

    ServerPostgres server;
    // Servers on 127.0.0.1, by kind ("chiaro", "tls"), started when first needed.
    std::map<QString, std::unique_ptr<ServerPostgres>> serverInRete;
    std::unique_ptr<QTemporaryDir> cartella;
    QString percorso;

    Impostazioni imp() const
    {
        Impostazioni i;
        i.host = server.cartella();
        i.porta = ServerPostgres::Porta;
        i.database = Database;
        i.utente = UtenteGioco;
        return i;
    }
    // A statement as the server's superuser.
    QVariant sql(const QString& istruzione) { return Interroga(QStringLiteral("super"), istruzione); }
    int sulServer() { return sql("SELECT count(*) FROM tesselo.risposte").toInt(); }
    int inCoda() { return Valore(percorso, "SELECT count(*) FROM da_inviare").toInt(); }
    // n answers stored locally, the first given text for every answer.
    QList<Risposta> registra(int n, qint64 bambino = 0, const QString& testo = {})
    {
        Archivio a;
        if (a.apri(percorso) != Accesso::Ok)
            return {};
        QList<std::pair<Risposta, qint64>> risposte;
        for (int i = 0; i < n; ++i)
            risposte.append({Risp(i, testo), bambino});
        a.registraTutte(risposte);
        QList<Risposta> fatte;
        for (const auto& [r, b] : std::as_const(risposte))
            fatte.append(r);
        return fatte;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(server.avvia(), qPrintable(server.errore()));
        QVERIFY2(server.creaRegistro(Database, {{UtenteGioco, "tesselo_gioco"}}), qPrintable(server.errore()));
        QVERIFY(server.connetti("super", ServerPostgres::Superutente, Database).isOpen());
    }
    void init()
    {
        QVERIFY(sql("DELETE FROM tesselo.risposte").isValid());
        QVERIFY(sql("DELETE FROM tesselo.bambini").isValid());
        QVERIFY(sql("DELETE FROM tesselo.computer").isValid());
        cartella = std::make_unique<QTemporaryDir>();
        percorso = cartella->filePath("registro.sqlite");
    }

    void cleanup()
    {
        // A test that stopped the server and failed leaves it to the next.
        if (server.riavvia())
            QSqlDatabase::database("super", false).close();
    }

    void impostazioni_data();
    void impostazioni();
    void cifratura_data();
    void cifratura();
    void migrazioneCoda_data();
    void migrazioneCoda();
    void inviaUnaVolta();
    void treComputer();
    void serverFermo();
    void reinvioIgnorato();
    void codaSoloDopoCommit();
    void rifiutateDaParte_data();
    void rifiutateDaParte();
    void versioneNuova();
    void classeCopiata();
    void uccisoDuranteInvio();
};

void TestInvio::impostazioni_data()
{
    QTest::addColumn<QString>("sistema");
    QTest::addColumn<QString>("utente");
    QTest::addColumn<bool>("configurato");
    QTest::addColumn<QString>("atteso");  // host|porta|database|utente|insegnante|sslmode, or the error's words

    QTest::newRow("no file") << QString() << QString() << false << QString();
    QTest::newRow("another section only") << "[lingua]\nnome=it\n" << QString() << false << QString();
    QTest::newRow("the room's file alone")
        << "[registro]\nhost=server.scuola\nutente=aula\nsslmode=verify-full\n" << QString() << true
        << "server.scuola|5432|tesselo|aula|aula|verify-full";
    QTest::newRow("the user's file wins key by key")
        << "[registro]\nhost=server.scuola\nporta=6543\nutente=aula\n"
        << "[registro]\nutente=maestra\nutente_insegnante=docente\ndatabase=scuola\n" << true
        << "server.scuola|6543|scuola|maestra|docente|";
    QTest::newRow("the user's section alone") << QString() << "[registro]\nhost=10.0.0.2\n" << true
                                              << "10.0.0.2|5432|tesselo|||";
    QTest::newRow("a mistyped sslmode") << "[registro]\nhost=s\nsslmode=verify_full\n" << QString() << false
                                        << "sslmode \"verify_full\" non è valido";
    QTest::newRow("a port that is no number") << QString() << "[registro]\nporta=cinque\n" << false
                                              << "la porta \"cinque\" non è valida";
}

void TestInvio::impostazioni()
{
    QFETCH(QString, sistema);
    QFETCH(QString, utente);
    QFETCH(bool, configurato);
    QFETCH(QString, atteso);
    QTemporaryDir cartelle;
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(cartelle.filePath("sistema")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(cartelle.filePath("utente")));
    if (!sistema.isNull())
        Scrivi(cartelle.filePath("sistema/tesselo/tesselo.conf"), sistema);
    if (!utente.isNull())
        Scrivi(cartelle.filePath("utente/tesselo/tesselo.conf"), utente);
    QString errore;
    const std::optional<Impostazioni> letta = Impostazioni::Leggi(errore);
    QCOMPARE(letta.has_value(), configurato);
    if (!letta) {
        QCOMPARE(errore.isEmpty(), atteso.isEmpty());
        QVERIFY2(errore.contains(atteso), qPrintable(errore));
        return;
    }
    const QStringList valori{letta->host, QString::number(letta->porta), letta->database, letta->utente,
                             letta->utentePerInsegnanti(), letta->sslmode};
    QCOMPARE(valori.join('|'), atteso);
}

void TestInvio::cifratura_data()
{
    // rete: the server listens on 127.0.0.1 (with TLS or without) and the
    // game connects there; otherwise on the socket. fidato: the client
    // trusts the server's self-signed certificate (PGSSLROOTCERT).
    QTest::addColumn<QString>("rete");
    QTest::addColumn<bool>("fidato");
    QTest::addColumn<QString>("sslmode");
    QTest::addColumn<bool>("collegato");
    QTest::addColumn<QString>("avviso");  // words of the warning; empty: none
    QTest::newRow("no sslmode, server without TLS: refused") << "chiaro" << false << "" << false << "";
    QTest::newRow("prefer written, server without TLS: a warning") << "chiaro" << false << "prefer" << true
                                                                   << "sslmode=prefer per 127.0.0.1";
    QTest::newRow("disable written: a warning") << "chiaro" << false << "disable" << true << "in chiaro";
    QTest::newRow("no sslmode, certificate trusted") << "tls" << true << "" << true << "";
    QTest::newRow("no sslmode, certificate unknown: refused") << "tls" << false << "" << false << "";
    QTest::newRow("require written, certificate unknown: a warning") << "tls" << false << "require" << true
                                                                     << "non viene verificato";
    QTest::newRow("verify-ca written, certificate trusted") << "tls" << true << "verify-ca" << true << "";
    QTest::newRow("a socket needs no TLS") << "socket" << false << "" << true << "";
}

void TestInvio::cifratura()
{
    QFETCH(QString, rete);
    QFETCH(bool, fidato);
    QFETCH(QString, sslmode);
    QFETCH(bool, collegato);
    QFETCH(QString, avviso);
    ServerPostgres* s = &server;
    if (rete != "socket") {
        auto& nuovo = serverInRete[rete];
        if (!nuovo) {
            nuovo = std::make_unique<ServerPostgres>();
            nuovo->ascoltaTcp(rete == "tls" ? ServerPostgres::Tls::Si : ServerPostgres::Tls::No);
            QVERIFY2(nuovo->avvia(), qPrintable(nuovo->errore()));
            QVERIFY2(nuovo->creaRegistro(Database, {{UtenteGioco, "tesselo_gioco"}}), qPrintable(nuovo->errore()));
        }
        s = nuovo.get();
    }
    Impostazioni i = imp();
    if (s != &server) {
        i.host = "127.0.0.1";
        i.porta = s->portaTcp();
    }
    i.sslmode = sslmode;
    const QByteArray radice = fidato ? QFile::encodeName(s->certificato()) : QFile::encodeName(cartella->filePath("nessuno.crt"));
    qputenv("PGSSLROOTCERT", radice);
    QCOMPARE(i.avvisoSsl().isEmpty(), avviso.isEmpty());
    QVERIFY2(i.avvisoSsl().contains(avviso), qPrintable(i.avvisoSsl()));
    QString errore;
    int versione = -1;
    const Accesso esito = Server::Apri(i, UtenteGioco, "cifratura", 5, errore, versione);
    qunsetenv("PGSSLROOTCERT");
    QCOMPARE(esito == Accesso::Ok, collegato);
    if (!collegato) {
        QVERIFY2(errore.startsWith("server del registro non raggiungibile"), qPrintable(errore));
    } else {
        QCOMPARE(versione, Server::Versione);
        // What travels is encrypted exactly when TLS was there to use.
        QSqlQuery q(QSqlDatabase::database("cifratura", false));
        QVERIFY(q.exec("SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()") && q.next());
        QCOMPARE(q.value(0).toBool(), rete == "tls");
    }
    QSqlDatabase::database("cifratura", false).close();
    QSqlDatabase::removeDatabase("cifratura");
}

void TestInvio::migrazioneCoda_data()
{
    QTest::addColumn<int>("versione");
    QTest::newRow("version 1, before the queue") << 1;
    QTest::newRow("version 2, before refused answers and the register's id") << 2;
}

void TestInvio::migrazioneCoda()
{
    // An older register: what its steps made, with answers in it.
    QFETCH(int, versione);
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Accesso::Ok);
    }
    registra(3);
    QStringList indietro{"DROP TRIGGER fuori_rifiutate", "DROP TABLE rifiutate", "DROP TABLE questo_registro"};
    if (versione < 2)
        indietro << "DROP TRIGGER in_coda" << "DROP TRIGGER fuori_coda" << "DROP TABLE da_inviare";
    indietro << QStringLiteral("PRAGMA user_version = %1").arg(versione);
    for (const QString& istruzione : std::as_const(indietro))
        Valore(percorso, istruzione);
    QCOMPARE(Valore(percorso, "PRAGMA user_version").toInt(), versione);
    // Opened, it is migrated: the answers kept so far are queued, and new
    // ones join them; deleted answers leave the queue and the refused ones.
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QCOMPARE(Valore(percorso, "PRAGMA user_version").toInt(), Schema::Versione);
    QCOMPARE(inCoda(), 3);
    QCOMPARE(Valore(percorso, "SELECT length(id) FROM questo_registro").toInt(), 16);
    const auto anna = a.salva({0, {}, "Anna", {}, "gatto"});
    QVERIFY(anna);
    QCOMPARE(a.registra(Risp(9), anna->id), Accesso::Ok);
    QCOMPARE(a.registra(Risp(10), anna->id), Accesso::Ok);
    QCOMPARE(inCoda(), 5);
    Valore(percorso, "INSERT INTO rifiutate SELECT id, 0, 'prova' FROM risposte WHERE bambino <> 0");
    QCOMPARE(a.cancellaRisposteDi(anna->id), 2);
    QCOMPARE(inCoda(), 3);
    QCOMPARE(Valore(percorso, "SELECT count(*) FROM rifiutate").toInt(), 0);
}

void TestInvio::inviaUnaVolta()
{
    // More than one batch, a child of the server's class and guests, and
    // answers whose words are SQL and quotes.
    const QUuid uuid = QUuid::createUuid();
    QVERIFY(sql(QStringLiteral("INSERT INTO tesselo.bambini (uuid, nome, simbolo) VALUES ('%1', 'Anna', 'gatto')")
                    .arg(uuid.toString(QUuid::WithoutBraces))).isValid());
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Accesso::Ok);
        QVERIFY(a.salva({0, uuid, "Anna", {}, "gatto"}));
    }
    const QString strano = QStringLiteral("l'ape'); DROP TABLE tesselo.risposte; -- \"🐝\"");
    const QList<Risposta> sue = registra(Invio::Lotto + 20, 1, strano);
    registra(30);
    std::atomic<int> inviate = 0;
    {
        Invio invio(imp(), percorso);
        invio.quandoInviate([&](int n, int) { inviate += n; });
        QTRY_COMPARE_WITH_TIMEOUT(inviate.load(), Invio::Lotto + 50, 20000);
    }
    QCOMPARE(inCoda(), 0);
    QCOMPARE(sulServer(), Invio::Lotto + 50);
    QCOMPARE(sql(QStringLiteral("SELECT count(DISTINCT uuid) FROM tesselo.risposte WHERE bambino = '%1'")
                     .arg(uuid.toString(QUuid::WithoutBraces))).toInt(), Invio::Lotto + 20);
    QCOMPARE(sql("SELECT count(*) FROM tesselo.risposte WHERE bambino IS NULL").toInt(), 30);
    // One answer read back whole.
    const Risposta& r = sue.at(5);
    const QString dove = QStringLiteral(" FROM tesselo.risposte WHERE uuid = '%1'").arg(r.id.toString(QUuid::WithoutBraces));
    QCOMPARE(sql("SELECT risposta" + dove).toString(), strano);
    QCOMPARE(sql("SELECT gioco" + dove).toString(), r.schermo);
    QCOMPARE(sql("SELECT esatta" + dove).toBool(), r.esatta);
    QCOMPARE(sql("SELECT millisecondi" + dove).toLongLong(), r.millisecondi);
    QCOMPARE(sql("SELECT (extract(epoch FROM quando) * 1000)::bigint" + dove).toLongLong(), r.quando.toMSecsSinceEpoch());
    QVERIFY(sql(R"(SELECT domande = '[{"attributo": "colore", "valore": "blu", "negata": false}]')" + dove).toBool());
    QCOMPARE(sql("SELECT blocchi->1->>'forma'" + dove).toString(), r.blocchi.at(1).forma);
    // The computer reported its empty queue.
    QCOMPARE(sql("SELECT coda FROM tesselo.computer").toInt(), 0);
    QVERIFY(sql("SELECT now() - ultimo_contatto < interval '1 minute' FROM tesselo.computer").toBool());
}

void TestInvio::treComputer()
{
    // Three computers of a room, 100 answers each, sending at once.
    std::atomic<int> inviate = 0;
    std::vector<std::unique_ptr<Invio>> aula;
    QList<QUuid> tutte;
    for (int c = 0; c < 3; ++c) {
        percorso = cartella->filePath(QStringLiteral("computer%1/registro.sqlite").arg(c));
        for (const Risposta& r : registra(100))
            tutte.append(r.id);
    }
    for (int c = 0; c < 3; ++c) {
        aula.push_back(std::make_unique<Invio>(imp(), cartella->filePath(QStringLiteral("computer%1/registro.sqlite").arg(c))));
        aula.back()->quandoInviate([&](int n, int) { inviate += n; });
    }
    QTRY_COMPARE_WITH_TIMEOUT(inviate.load(), 300, 20000);
    aula.clear();
    QCOMPARE(sulServer(), 300);
    // One host name, as on computers cloned from one image: three lines.
    QCOMPARE(sql(QStringLiteral("SELECT count(DISTINCT nome) FROM tesselo.computer WHERE starts_with(nome, '%1 (')")
                     .arg(QSysInfo::machineHostName())).toInt(), 3);
    QCOMPARE(sql("SELECT count(DISTINCT uuid) FROM tesselo.risposte").toInt(), 300);
    QCOMPARE(sql(QStringLiteral("SELECT count(*) FROM tesselo.risposte WHERE uuid IN ('%1', '%2')")
                     .arg(tutte.first().toString(QUuid::WithoutBraces), tutte.last().toString(QUuid::WithoutBraces))).toInt(), 2);
}

void TestInvio::serverFermo()
{
    // Answers recorded by the game while the server is down: the game's
    // writer never waits, they stay queued, and arrive once it is back.
    QSqlDatabase::database("super", false).close();
    QVERIFY2(server.ferma(), qPrintable(server.errore()));
    std::mutex mutex;
    QList<std::chrono::milliseconds> attese;
    std::atomic<int> inviate = 0;
    Invio invio(imp(), percorso);
    invio.quandoFallito([&](const QString&, std::chrono::milliseconds attesa) {
        std::lock_guard blocco(mutex);
        attese.append(attesa);
    });
    invio.quandoInviate([&](int n, int) { inviate += n; });
    {
        Scrittore scrittore(percorso);
        qint64 massimo = 0;
        for (int i = 0; i < 50; ++i) {
            QElapsedTimer t;
            t.start();
            scrittore.registra(Risp(i), 0);
            massimo = std::max(massimo, t.nsecsElapsed());
            invio.sveglia();
            QTest::qWait(20);
        }
        scrittore.attendi();
        // Queuing never waits for the sender: a connection attempt takes
        // up to seconds, far beyond a busy machine's scheduling.
        QVERIFY2(massimo < 50'000'000, qPrintable(QString::number(massimo)));
    }
    QCOMPARE(inCoda(), 50);
    // Retries spaced further and further apart.
    QTRY_VERIFY_WITH_TIMEOUT(attese.size() >= 2, 10000);
    {
        std::lock_guard blocco(mutex);
        QCOMPARE(attese.at(0), Invio::PrimaAttesa);
        QCOMPARE(attese.at(1), 2 * Invio::PrimaAttesa);
    }
    QVERIFY2(server.riavvia(), qPrintable(server.errore()));
    QTRY_COMPARE_WITH_TIMEOUT(inviate.load(), 50, 20000);
    QCOMPARE(sulServer(), 50);
    QCOMPARE(inCoda(), 0);
}

void TestInvio::reinvioIgnorato()
{
    // The sender stopped after the server committed and before the answers
    // left the queue: they are sent again, and kept once.
    registra(40);
    std::atomic<int> inviate = 0;
    {
        Invio invio(imp(), percorso);
        invio.quandoInviate([&](int n, int) { inviate += n; });
        QTRY_COMPARE_WITH_TIMEOUT(inviate.load(), 40, 20000);
    }
    Valore(percorso, "INSERT INTO da_inviare SELECT id FROM risposte");
    registra(5);
    QCOMPARE(inCoda(), 45);
    inviate = 0;
    {
        Invio invio(imp(), percorso);
        invio.quandoInviate([&](int n, int) { inviate += n; });
        QTRY_COMPARE_WITH_TIMEOUT(inviate.load(), 45, 20000);
    }
    QCOMPARE(sulServer(), 45);
    QCOMPARE(sql("SELECT count(DISTINCT uuid) FROM tesselo.risposte").toInt(), 45);
    QCOMPARE(inCoda(), 0);
    // The same register, started again, reports under the same name.
    QCOMPARE(sql("SELECT count(*) FROM tesselo.computer").toInt(), 1);
}

void TestInvio::codaSoloDopoCommit()
{
    // The server refuses the batch at its commit: nothing leaves the queue.
    QVERIFY(sql("CREATE OR REPLACE FUNCTION public.rifiuta() RETURNS trigger LANGUAGE plpgsql AS "
                "$$ BEGIN RAISE EXCEPTION 'rifiutata al commit'; END $$").isValid());
    QVERIFY(sql("CREATE CONSTRAINT TRIGGER rifiuta AFTER INSERT ON tesselo.risposte DEFERRABLE INITIALLY DEFERRED "
                "FOR EACH ROW WHEN (NEW.risposta = 'rifiuta') EXECUTE FUNCTION public.rifiuta()").isValid());
    registra(10);
    registra(1, 0, "rifiuta");
    std::mutex mutex;
    QStringList motivi;
    std::atomic<int> inviate = 0;
    Invio invio(imp(), percorso);
    invio.quandoInviate([&](int n, int) { inviate += n; });
    invio.quandoFallito([&](const QString& motivo, std::chrono::milliseconds) {
        std::lock_guard blocco(mutex);
        motivi.append(motivo);
    });
    QTRY_VERIFY_WITH_TIMEOUT(motivi.size() >= 1, 10000);
    {
        std::lock_guard blocco(mutex);
        QVERIFY2(motivi.first().contains("rifiutata al commit"), qPrintable(motivi.first()));
    }
    QCOMPARE(inCoda(), 11);
    QCOMPARE(sulServer(), 0);
    QVERIFY(sql("DROP TRIGGER rifiuta ON tesselo.risposte").isValid());
    QTRY_COMPARE_WITH_TIMEOUT(inviate.load(), 11, 20000);
    QCOMPARE(sulServer(), 11);
}

void TestInvio::rifiutateDaParte_data()
{
    QTest::addColumn<QString>("preparazione");  // what the server refuses, set up by its superuser
    QTest::addColumn<QString>("qui");           // the local answer it refuses
    QTest::addColumn<QString>("motivo");        // in the reason kept

    QTest::newRow("a check, at the insert")
        << QString() << "UPDATE risposte SET millisecondi = -1 WHERE id = 8" << "risposte_millisecondi_check";
    QTest::newRow("a child's key, at the commit")
        << "CREATE FUNCTION public.tolto() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN"
           " RAISE foreign_key_violation USING MESSAGE = 'bambino tolto dalla classe'; END $$;"
           " CREATE CONSTRAINT TRIGGER tolto AFTER INSERT ON tesselo.risposte DEFERRABLE INITIALLY DEFERRED"
           " FOR EACH ROW WHEN (NEW.risposta = '7') EXECUTE FUNCTION public.tolto()"
        << QString() << "bambino tolto dalla classe";
}

void TestInvio::rifiutateDaParte()
{
    // One answer the server refuses, in the first of two batches: it is set
    // aside with the reason, kept here, and every other answer arrives.
    QFETCH(QString, preparazione);
    QFETCH(QString, qui);
    QFETCH(QString, motivo);
    if (!preparazione.isEmpty())
        QVERIFY(sql(preparazione).isValid());
    const QList<Risposta> risposte = registra(Invio::Lotto + 20);
    if (!qui.isEmpty())
        Valore(percorso, qui);
    CatturaStderr errori;
    std::atomic<int> inviate = 0;
    {
        Invio invio(imp(), percorso);
        invio.quandoInviate([&](int n, int) { inviate += n; });
        QTRY_COMPARE_WITH_TIMEOUT(inviate.load(), Invio::Lotto + 19, 30000);
    }
    const QString avvisi = errori.testo();
    sql("DROP TRIGGER IF EXISTS tolto ON tesselo.risposte");
    sql("DROP FUNCTION IF EXISTS public.tolto");
    QCOMPARE(inCoda(), 0);
    QCOMPARE(sulServer(), Invio::Lotto + 19);
    QCOMPARE(sql(QStringLiteral("SELECT count(*) FROM tesselo.risposte WHERE uuid = '%1'")
                     .arg(risposte.at(7).id.toString(QUuid::WithoutBraces))).toInt(), 0);
    QCOMPARE(Valore(percorso, "SELECT count(*) FROM risposte").toInt(), Invio::Lotto + 20);
    QCOMPARE(Valore(percorso, "SELECT group_concat(risposta) FROM rifiutate").toString(), QStringLiteral("8"));
    const QString kept = Valore(percorso, "SELECT motivo FROM rifiutate").toString();
    QVERIFY2(kept.contains(motivo), qPrintable(kept));
    QCOMPARE(avvisi.count(QStringLiteral("risposte rifiutate dal server del registro: 1 (")), 1);
    QCOMPARE(avvisi.count('\n'), 1);
    QCOMPARE(sql("SELECT coda FROM tesselo.computer").toInt(), 0);
}

void TestInvio::versioneNuova()
{
    QVERIFY(sql(QStringLiteral("UPDATE tesselo.versione SET versione = %1").arg(Server::Versione + 1)).isValid());
    registra(3);
    std::atomic<int> fallimenti = 0;
    {
        Invio invio(imp(), percorso);
        invio.quandoFallito([&](const QString&, std::chrono::milliseconds) { ++fallimenti; });
        QTRY_VERIFY_WITH_TIMEOUT(fallimenti.load() >= 2, 10000);
    }
    QVERIFY(sql(QStringLiteral("UPDATE tesselo.versione SET versione = %1").arg(Server::Versione)).isValid());
    QCOMPARE(inCoda(), 3);
    QCOMPARE(sulServer(), 0);
}

void TestInvio::classeCopiata()
{
    // On the server: Anna renamed and given another symbol, Bruno new with
    // Anna's old symbol. Here: Anna, Carlo whom the teacher removed (all his
    // answers sent), Dario known here alone with an answer still queued.
    const QUuid anna = QUuid::createUuid(), bruno = QUuid::createUuid(), carlo = QUuid::createUuid(),
                dario = QUuid::createUuid();
    const auto testo = [](const QUuid& u) { return u.toString(QUuid::WithoutBraces); };
    QVERIFY(sql(QStringLiteral("INSERT INTO tesselo.bambini (uuid, nome, cognome, simbolo) VALUES"
                               " ('%1', 'Anna Maria', 'D''Amico', 'cane'), ('%2', 'Bruno', '', 'gatto')")
                    .arg(testo(anna), testo(bruno))).isValid());
    qint64 idDario = 0;
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Accesso::Ok);
        QVERIFY(a.salva({0, anna, "Anna", {}, "gatto"}));
        const auto c = a.salva({0, carlo, "Carlo", {}, "cane"});
        const auto d = a.salva({0, dario, "Dario", {}, "mela"});
        QVERIFY(c && d);
        idDario = d->id;
        QCOMPARE(a.registra(Risp(1), c->id), Accesso::Ok);
        QCOMPARE(a.registra(Risp(2), idDario), Accesso::Ok);
    }
    Valore(percorso, QStringLiteral("DELETE FROM da_inviare WHERE risposta IN"
                                    " (SELECT id FROM risposte WHERE bambino <> %1)").arg(idDario));
    std::atomic<int> copie = 0;
    {
        Invio invio(imp(), percorso);
        invio.quandoClasseCopiata([&] { ++copie; });
        QTRY_VERIFY_WITH_TIMEOUT(copie.load() >= 1, 10000);
    }
    Archivio a;
    QCOMPARE(a.apri(percorso, false), Accesso::Ok);
    QStringList classe;
    for (const Bambino& b : a.bambini())
        classe.append(QStringList{b.uuid.toString(), b.nome, b.cognome, b.simbolo}.join('|'));
    const QStringList attesa{QStringList{bruno.toString(), "Bruno", "", "gatto"}.join('|'),
                             QStringList{dario.toString(), "Dario", "", "mela"}.join('|'),
                             QStringList{anna.toString(), "Anna Maria", "D'Amico", "cane"}.join('|')};
    QCOMPARE(classe, attesa);
    // Dario's answer waits for him on the server; Carlo's went with him.
    QCOMPARE(inCoda(), 1);
    QCOMPARE(sulServer(), 0);
    QCOMPARE(a.risposte().size(), 1);
}

void TestInvio::uccisoDuranteInvio()
{
    // The sender killed with SIGKILL again and again, each time just as a
    // batch reached the server (committed there, maybe still queued here):
    // the register stays whole, and in the end every answer is on the
    // server once.
    constexpr int Totale = 12 * Invio::Lotto;
    registra(Totale);
    int uccisioni = 0, inSospeso = 0;
    for (int giro = 0; giro < 10 && inCoda() > 0; ++giro) {
        const int prima = sulServer();
        QProcess invio;
        invio.start(TESSELO_INVIO_UCCIDIBILE, {percorso, server.cartella(), QString::number(ServerPostgres::Porta),
                                               UtenteGioco});
        QVERIFY(invio.waitForStarted());
        QElapsedTimer t;
        t.start();
        while (sulServer() == prima && t.elapsed() < 10000)
            QTest::qSleep(1);
        ::kill(invio.processId(), SIGKILL);
        QVERIFY(invio.waitForFinished());
        QCOMPARE(invio.exitStatus(), QProcess::CrashExit);
        ++uccisioni;
        // Answers on the server and still queued here: the window the kill
        // is aimed at.
        inSospeso += std::max(0, sulServer() - (Totale - inCoda()));
        QCOMPARE(Valore(percorso, "PRAGMA integrity_check").toString(), QStringLiteral("ok"));
    }
    QVERIFY(uccisioni >= 3);
    qInfo("%d kills, %d answers committed on the server while still queued", uccisioni, inSospeso);
    std::atomic<int> inviate = 0;
    {
        Invio invio(imp(), percorso);
        invio.quandoInviate([&](int n, int) { inviate += n; });
        QTRY_COMPARE_WITH_TIMEOUT(inCoda(), 0, 30000);
    }
    QCOMPARE(sulServer(), Totale);
    QCOMPARE(sql("SELECT count(DISTINCT uuid) FROM tesselo.risposte").toInt(), Totale);
}

QTEST_GUILESS_MAIN(TestInvio)
#include "tst_invio.moc"
