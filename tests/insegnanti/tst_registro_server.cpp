// The teachers' program on the school's PostgreSQL server, against a real
// server started by the test: the same operations on the server and on a
// local register give the same views; the command line's options work on the
// server, and a server that is missing, silent or newer ends the program at
// once with one line; the computers' page lists the queues reported.
#include "tests/support/ClasseInventata.h"
#include "tests/support/Codifica.h"
#include "tests/support/MainProva.h"
#include "tests/support/ServerPostgres.h"

#include "insegnanti/FinestraRegistro.h"
#include "insegnanti/VistaComputer.h"
#include "percorsi/FilePercorso.h"
#include "registro/ArchivioServer.h"
#include "registro/FileClasse.h"
#include "registro/Server.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Registro;

namespace {

const QString Database = QStringLiteral("tesselo");
const QString Maestra = QStringLiteral("maestra");
const QString Aula = QStringLiteral("aula");
const QString NomeSql = QStringLiteral("Robert'); DROP TABLE tesselo.bambini;--");
const QString NomeStrano = QStringLiteral("Zoë \"Lulù\" d'Àrco 😀");
// The server's schema set to this program's version, and to a newer one.
const QString VersioneAttuale = QStringLiteral("UPDATE tesselo.versione SET versione = %1").arg(Server::Versione);
const QString VersioneNuova = QStringLiteral("UPDATE tesselo.versione SET versione = %1").arg(Server::Versione + 1);

// Every view of a register over a period, as text: the class at a glance,
// each child's record, every answer and the export. Children are told by
// name and symbol, as ids and the uuids of imported children differ from
// store to store; answers are sorted, as ties in time have no order.
QStringList Viste(const Deposito& d, const Periodo& p)
{
    QStringList viste;
    const auto conto = [](const Conto& c) { return QStringLiteral("%1/%2").arg(c.esatte).arg(c.errate); };
    QHash<qint64, QString> nomi;
    for (const RigaClasse& riga : d.classe(p)) {
        const QString chi = riga.bambino.nomeCompleto() + '|' + riga.bambino.simbolo;
        nomi.insert(riga.bambino.id, chi);
        QStringList celle;
        for (const Conto& c : riga.perGioco)
            celle << conto(c);
        viste << chi + ": " + celle.join(' ');
        const SchedaBambino s = d.scheda(riga.bambino.id, p);
        QStringList scheda{conto(s.forma), conto(s.colore), conto(s.dimensione), conto(s.spessore),
                           conto(s.senzaNon), conto(s.conNon)};
        for (const auto& w : s.settimane)
            scheda << w.lunedi.toString(Qt::ISODate) + '=' + conto(w.forma) + conto(w.colore) + conto(w.dimensione)
                          + conto(w.spessore) + conto(w.senzaNon) + conto(w.conNon);
        for (const auto& e : s.piuSbagliati)
            scheda << QStringLiteral("%1 %2 %3 ×%4").arg(e.gioco, e.domanda, e.blocchi).arg(e.volte);
        viste << chi + " scheda: " + scheda.join(", ");
    }
    QStringList risposte;
    d.scorriRisposte(p, [&](const Risposta& r, qint64 bambino) {
        QStringList domande;
        for (const Domanda& q : r.domande)
            domande << q.attributo + '=' + q.valore + (q.negata ? "!" : "");
        QStringList blocchi;
        for (const Blocco& b : r.blocchi)
            blocchi << b.tag();
        risposte << QStringList{r.id.toString(), QString::number(r.quando.toMSecsSinceEpoch()), nomi.value(bambino, "?"),
                                r.schermo, r.gioco, domande.join(','), blocchi.join(','), r.risposta,
                                QString::number(r.esatta), QString::number(r.millisecondi)}.join('|');
    });
    QStringList csv = QString::fromUtf8(EsportaCsv(d, p)).split('\n');
    risposte.sort();
    csv.sort();
    return viste + risposte + csv;
}

// A Unix socket that takes connections and never answers: a server that hangs.
struct ServerMuto {
    int fd = -1;
    explicit ServerMuto(const QString& cartella)
    {
        sockaddr_un indirizzo{};
        indirizzo.sun_family = AF_UNIX;
        const QByteArray percorso = QFile::encodeName(cartella + "/.s.PGSQL." + QString::number(ServerPostgres::Porta));
        qstrncpy(indirizzo.sun_path, percorso.constData(), sizeof indirizzo.sun_path);
        fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo) != 0 || ::listen(fd, 8) != 0)
            qFatal("no silent socket at %s", percorso.constData());
    }
    ~ServerMuto() { ::close(fd); }
};

} // namespace

class TestRegistroServer : public QObject {
    Q_OBJECT

    ServerPostgres server;
    QTemporaryDir cartella;

    Impostazioni imp(const QString& host = {}) const
    {
        Impostazioni i;
        i.host = host.isEmpty() ? server.cartella() : host;
        i.porta = ServerPostgres::Porta;
        i.database = Database;
        i.utente = Aula;
        i.utenteInsegnante = Maestra;
        return i;
    }
    // A statement as the server's superuser.
    bool sql(const QString& istruzione)
    {
        QSqlQuery q(QSqlDatabase::database("super"));
        if (q.exec(istruzione))
            return true;
        qWarning() << istruzione << q.lastError().text();
        return false;
    }
    std::unique_ptr<ArchivioServer> apri()
    {
        auto a = std::make_unique<ArchivioServer>();
        if (a->apri(imp()) != Accesso::Ok)
            qFatal("server register not opened: %s", qPrintable(a->ultimoErrore()));
        return a;
    }
    // The settings file the real program reads, naming the server at host;
    // diverso replaces one of its lines ("chiave=valore").
    QString configurazione(const QString& host, const QString& diverso = {})
    {
        QStringList righe{"[registro]", "host=" + host, "porta=" + QString::number(ServerPostgres::Porta),
                          "database=" + Database, "utente=" + Aula, "utente_insegnante=" + Maestra};
        for (QString& riga : righe)
            if (!diverso.isEmpty() && riga.section('=', 0, 0) == diverso.section('=', 0, 0))
                riga = diverso;
        const QString conf = cartella.filePath("config");
        Scrivi(conf + "/tesselo/tesselo.conf", righe.join('\n').toUtf8() + '\n');
        return conf;
    }
    struct Esecuzione {
        int uscita;
        QString out, err;
        qint64 ms;
    };
    Esecuzione esegui(const QStringList& argomenti, const QString& conf)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_CONFIG_HOME", conf);
        env.insert("XDG_CONFIG_DIRS", cartella.filePath("nessuna"));
        env.insert("XDG_DATA_HOME", cartella.filePath("dati"));
        p.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        p.start(TESSELO_REGISTRO, argomenti);
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
            qFatal("tesselo-registro did not end normally: %s", p.readAllStandardError().constData());
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError()),
                t.elapsed()};
    }
    // A local register of another computer: a class of its own and its answers.
    QString altroComputer(const QString& nome, quint32 seme)
    {
        const QString file = cartella.filePath(nome + "/registro.sqlite");
        Archivio a;
        if (a.apri(file) != Accesso::Ok)
            qFatal("%s", qPrintable(a.ultimoErrore()));
        ClasseInventata c;
        c.bambini = 4;
        c.dal = QDate::currentDate().addDays(-20);
        c.rispostePerGiornata = 6;
        c.seme = seme;
        InventaClasse(a, c);
        return file;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(server.avvia(), qPrintable(server.errore()));
        QVERIFY2(server.creaRegistro(Database, {{Maestra, "tesselo_insegnante"}, {Aula, "tesselo_gioco"}}),
                 qPrintable(server.errore()));
        QVERIFY(server.connetti("super", ServerPostgres::Superutente, Database).isOpen());
    }
    void init()
    {
        QVERIFY(sql("DELETE FROM tesselo.risposte") && sql("DELETE FROM tesselo.bambini")
                && sql("DELETE FROM tesselo.computer") && sql(VersioneAttuale));
        QDir(cartella.path()).removeRecursively();
        QDir().mkpath(cartella.path());
    }

    // The same class and answers on a local register and on the server (put
    // there by merging the local file), then the same operation on both: every
    // view agrees over the whole time, a week and one past day.
    void stesseViste_data()
    {
        QTest::addColumn<int>("operazione");
        QTest::newRow("as recorded") << 0;
        QTest::newRow("a child renamed with quotes and SQL, another symbol") << 1;
        QTest::newRow("a child removed with their answers") << 2;
        QTest::newRow("one child's answers deleted") << 3;
        QTest::newRow("answers before a day deleted") << 4;
        QTest::newRow("a class file imported") << 5;
        QTest::newRow("another computer's register merged twice") << 6;
        QTest::newRow("a symbol already taken refused") << 7;
    }
    void stesseViste()
    {
        QFETCH(int, operazione);
        Archivio locale;
        QCOMPARE(int(locale.apri(cartella.filePath("locale/registro.sqlite"))), int(Accesso::Ok));
        ClasseInventata c;
        c.bambini = 6;
        c.dal = QDate::currentDate().addDays(-30);
        c.rispostePerGiornata = 8;
        QVERIFY(InventaClasse(locale, c) > 100);
        auto server = apri();
        QCOMPARE(server->unisci(cartella.filePath("locale/registro.sqlite")).value_or(-1),
                 int(locale.risposte().size()));

        const QString csv = cartella.filePath("classe.csv");
        Scrivi(csv, ("Cognome;Nome\n\"" + NomeSql.toUtf8().replace('"', "\"\"") + "\";Ada\nVerdi;\""
                     + NomeStrano.toUtf8().replace('"', "\"\"") + "\"\n"));
        const QString altro = operazione == 6 ? altroComputer("altro", 9) : QString();
        // The operation on one store, what it answered as text.
        const auto esegui = [&](Deposito& d) -> QString {
            const QList<Bambino> classe = d.bambini();
            Bambino b = classe.value(1);
            switch (operazione) {
            case 1:
                b.nome = NomeSql;
                b.cognome = NomeStrano;
                b.simbolo = SimboloLibero(classe).value_or(QString());
                return d.salva(b) ? d.bambino(b.id)->nomeCompleto() : d.ultimoErrore();
            case 2: return QString::number(d.rimuovi(b.id)) + ' ' + QString::number(d.risposteDi(b.id));
            case 3: return QString::number(d.cancellaRisposteDi(b.id)) + ' ' + QString::number(d.risposteDi(b.id));
            case 4: return QString::number(d.cancellaPrimaDi(QDate::currentDate().addDays(-10)));
            case 5: return QString::number(ImportaClasse(d, csv).aggiunti);
            case 6: return QString::number(d.unisci(altro).value_or(-1)) + ' ' + QString::number(d.unisci(altro).value_or(-1));
            case 7:
                b.simbolo = classe.value(0).simbolo;
                return d.salva(b) ? QStringLiteral("saved") : d.ultimoErrore();
            }
            return {};
        };
        const QString qui = esegui(locale), la = esegui(*server);
        QCOMPARE(la, qui);
        if (operazione == 1)
            QCOMPARE(qui, NomeSql + ' ' + NomeStrano);
        if (operazione == 7)
            QVERIFY2(qui.contains(QStringLiteral("è già di un altro bambino")), qPrintable(qui));
        const QDate oggi = QDate::currentDate();
        for (const Periodo& p : {Periodo{}, Periodo{oggi.addDays(-6), oggi}, Periodo{oggi.addDays(-12), oggi.addDays(-12)}})
            QCOMPARE(Viste(*server, p), Viste(locale, p));
        QVERIFY(Viste(*server, {}).join('\n').contains(operazione == 5 ? NomeStrano : QStringLiteral("ospite")));
    }

    // A file with one bad answer among many reaches the server in nothing:
    // neither its children nor its answers, nor a nil uuid in place of a
    // malformed one. Its good answers, alone, merge whole.
    void unisciFileOstile()
    {
        const QString altro = altroComputer("ostile", 3);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "ostile");
            db.setDatabaseName(altro);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("UPDATE risposte SET uuid = x'010203' WHERE id = 50"));
        }
        QSqlDatabase::removeDatabase("ostile");
        auto server = apri();
        QCOMPARE(server->unisci(altro), std::nullopt);
        QVERIFY2(server->ultimoErrore().contains("la riga 50 della tabella risposte non è valida (uuid)"),
                 qPrintable(server->ultimoErrore()));
        QVERIFY(server->bambini().isEmpty());
        QVERIFY(server->risposte().isEmpty());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "ostile");
            db.setDatabaseName(altro);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("DELETE FROM risposte WHERE id = 50"));
        }
        QSqlDatabase::removeDatabase("ostile");
        Archivio buono;
        QCOMPARE(int(buono.apri(altro, false)), int(Accesso::Ok));
        QCOMPARE(server->unisci(altro).value_or(-1), int(buono.risposte().size()));
        QCOMPARE(server->bambini().size(), 4);
    }

    // The command line works on the server the settings name: import,
    // export, and merge a computer's register, twice adding nothing.
    void rigaDiComando()
    {
        const QString conf = configurazione(server.cartella());
        Esecuzione e = esegui({"--help"}, conf);
        QVERIFY2(e.out.contains("Il registro è sul server " + server.cartella() + ", database tesselo"), qPrintable(e.out));

        const QString csv = cartella.filePath("classe.csv");
        Scrivi(csv, "Nome;Cognome\nAnna;Rossi\n\"" + NomeStrano.toUtf8().replace('"', "\"\"") + "\";Neri\n");
        e = esegui({"--importa", csv}, conf);
        QVERIFY2(e.uscita == 0 && e.out.contains("2 bambini aggiunti"), qPrintable(e.out + e.err));

        // A laptop's register: its Anna Rossi is ours (by name), its other
        // children are added.
        const QString portatile = altroComputer("portatile", 3);
        {
            Archivio a;
            QCOMPARE(int(a.apri(portatile)), int(Accesso::Ok));
            Bambino anna = a.bambini().first();
            anna.nome = "anna";
            anna.cognome = "ROSSI";
            QVERIFY(a.salva(anna));
        }
        const int nelPortatile = [&] { Archivio a; a.apri(portatile, false); return int(a.risposte().size()); }();
        e = esegui({"--unisci", portatile}, conf);
        QVERIFY2(e.uscita == 0 && e.out.contains(QString::number(nelPortatile) + " risposte aggiunte"),
                 qPrintable(e.out + e.err));
        e = esegui({"--unisci", portatile}, conf);
        QVERIFY2(e.uscita == 0 && e.out.contains("0 risposte aggiunte"), qPrintable(e.out + e.err));
        auto registro = apri();
        QCOMPARE(registro->bambini().size(), 2 + 4 - 1);
        QCOMPARE(int(registro->risposte().size()), nelPortatile);

        const QString uscita = cartella.filePath("uscita.csv");
        e = esegui({"--esporta", uscita}, conf);
        QCOMPARE(e.uscita, 0);
        QFile f(uscita);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().trimmed().count('\n'), nelPortatile);
        QVERIFY2(!QFile::exists(cartella.filePath("dati/tesselo/registro.sqlite")), "no local register is made");
    }

    // The path commands on the server the settings name, as on a local
    // register: a path imported, assigned to a child by name, exported, and
    // the child's answers under it written as their progress.
    void percorsiDaRigaDiComando()
    {
        const auto pulisci = qScopeGuard([&] { sql("DELETE FROM tesselo.percorsi"); });
        const QString conf = configurazione(server.cartella());
        auto registro = apri();
        const Bambino anna = registro->salva({0, QUuid::createUuid(), "Anna", "Rossi", "gatto"}).value();
        const Percorso strade{"Strade", {}, false, {{"zirp7", {2, 3}, 5}}};
        QString errore;
        QVERIFY2(Percorsi::ScriviFile(cartella.filePath("strade.json"), strade, errore), qPrintable(errore));
        Esecuzione e = esegui({"--importa-percorso", cartella.filePath("strade.json")}, conf);
        QVERIFY2(e.uscita == 0 && e.out.contains("Percorso «Strade» importato"), qPrintable(e.out + e.err));
        e = esegui({"--assegna-percorso", "Strade", "--bambino", "Anna Rossi"}, conf);
        QVERIFY2(e.uscita == 0, qPrintable(e.err));
        const PercorsoSalvato salvato = registro->percorsi().value(0);
        QCOMPARE(registro->percorsiAssegnati().bambini.value(anna.id), salvato.id);
        QList<std::pair<Risposta, qint64>> risposte;
        for (bool esatta : {true, true, false}) {
            Risposta r = RispostaInventata("zirp7", QDateTime::currentDateTime(), esatta, {"colore", "rosso", false},
                                           {Blocco{"triangolo", "rosso", "grande", "spesso"}});
            r.percorso = salvato.uuid;
            r.passo = 1;
            risposte.append({r, anna.id});
        }
        QVERIFY2(registro->registraTutte(risposte) == Accesso::Ok, qPrintable(registro->ultimoErrore()));
        e = esegui({"--avanzamento", cartella.filePath("avanzamento.csv")}, conf);
        QFile f(cartella.filePath("avanzamento.csv"));
        QVERIFY2(e.uscita == 0 && f.open(QIODevice::ReadOnly), qPrintable(e.err));
        QCOMPARE(f.readAll(), QByteArray("\xEF\xBB\xBF" "bambino;percorso;passo;gioco;esatte;obiettivo;fatto\n"
                                         "Anna Rossi;Strade;1;le strade 1;2;5;0\n"));
        e = esegui({"--esporta-percorso", "Strade", cartella.filePath("uscita.json")}, conf);
        QVERIFY2(e.uscita == 0, qPrintable(e.err));
        QCOMPARE(Percorsi::LeggiFile(cartella.filePath("uscita.json")).percorso, strade);
        QVERIFY2(!QFile::exists(cartella.filePath("dati/tesselo/registro.sqlite")), "no local register is made");
    }

    // A laptop's register with an answer under a game code this version does
    // not know is not merged into the server: the command says which code,
    // and the server keeps none of the register's answers.
    void unisciCodiceSconosciuto()
    {
        const QString portatile = altroComputer("sconosciuto", 4);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "sconosciuto");
            db.setDatabaseName(portatile);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("UPDATE risposte SET gioco = 42 WHERE id = (SELECT max(id) FROM risposte)"));
        }
        QSqlDatabase::removeDatabase("sconosciuto");
        const Esecuzione e = esegui({"--unisci", portatile}, configurazione(server.cartella()));
        QVERIFY2(e.uscita != 0 && (e.out + e.err).contains("codice 42"), qPrintable(e.out + e.err));
        QCOMPARE(int(apri()->risposte().size()), 0);
    }

    // A server that cannot be used: one line on standard error, status 1,
    // and no longer than the connection may take.
    void serverInutilizzabile_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("parole");
        QTest::newRow("nobody listening") << "vuoto" << "server del registro non raggiungibile";
        QTest::newRow("a server that never answers") << "muto" << "server del registro non raggiungibile";
        QTest::newRow("a newer schema") << "nuovo" << QStringLiteral("più recente (%1)").arg(Server::Versione + 1);
        QTest::newRow("a user the server does not know") << "utente" << "server del registro non raggiungibile";
        QTest::newRow("a database with no register") << "database" << "non c'è un registro di Tesselo";
        QTest::newRow("a port that is no number") << "porta" << "la porta \"cinque\" non è valida";
    }
    void serverInutilizzabile()
    {
        QFETCH(QString, caso);
        QFETCH(QString, parole);
        const QString altrove = cartella.filePath("altrove");
        QDir().mkpath(altrove);
        std::optional<ServerMuto> muto;
        if (caso == "muto")
            muto.emplace(altrove);
        if (caso == "nuovo")
            QVERIFY(sql(VersioneNuova));
        const QString conf = configurazione(caso == "vuoto" || caso == "muto" ? altrove : server.cartella(),
                                            caso == "utente" ? "utente_insegnante=sconosciuta"
                                            : caso == "porta" ? "porta=cinque"
                                            : caso == "database" ? "database=postgres" : "");
        const QString csv = cartella.filePath("classe.csv");
        Scrivi(csv, "Nome;Cognome\nAnna;Rossi\n");
        const Esecuzione e = esegui({"--importa", csv}, conf);
        QCOMPARE(e.uscita, 1);
        QVERIFY2(e.err.startsWith("tesselo-registro: Il registro") && e.err.count('\n') == 1 && e.err.contains(parole),
                 qPrintable(e.err));
        QVERIFY2(e.ms < (ArchivioServer::AttesaConnessione + 4) * 1000, qPrintable(QString::number(e.ms)));
        QVERIFY(sql(VersioneAttuale));
        QCOMPARE(apri()->bambini().size(), 0);
    }

    // The computers that reported their queue, those with answers still
    // queued first, on a page of their own that a local register has not.
    void computer()
    {
        {
            QSqlDatabase gioco = server.connetti("gioco", Aula, Database);
            QVERIFY(gioco.isOpen());
            QSqlQuery q(gioco);
            for (const char* riga : {"SELECT tesselo.segnala_coda('aula-1', 0)", "SELECT tesselo.segnala_coda('aula-3', 12)",
                                     "SELECT tesselo.segnala_coda('LIM''s \"prima\"', 0)"})
                QVERIFY2(q.exec(riga), qPrintable(q.lastError().text()));
        }
        QSqlDatabase::removeDatabase("gioco");
        auto registro = apri();
        const QList<Computer> elenco = registro->computer().value();
        QCOMPARE(elenco.size(), 3);
        QCOMPARE(elenco[0].nome, QStringLiteral("aula-3"));
        QCOMPARE(elenco[0].coda, 12);
        QVERIFY(qAbs(elenco[0].ultimoContatto.secsTo(QDateTime::currentDateTime())) < 60);
        QCOMPARE(elenco[2].nome, QStringLiteral("LIM's \"prima\""));

        Insegnanti::FinestraRegistro finestra(*registro);
        QVERIFY(finestra.computer());
        QCOMPARE(finestra.pagine()->tabText(finestra.pagine()->count() - 1), QStringLiteral("C&omputer"));
        QTableWidget* t = finestra.computer()->tabella();
        QCOMPARE(t->rowCount(), 3);
        QCOMPARE(t->item(0, 1)->text(), QStringLiteral("12"));
        QVERIFY2(t->item(0, 2)->text().startsWith("oggi alle "), qPrintable(t->item(0, 2)->text()));
        QVERIFY(finestra.statusBar()->findChild<QLabel*>("registro")->text().startsWith("Registro sul server "));

        Archivio locale;
        QCOMPARE(int(locale.apri(cartella.filePath("locale.sqlite"))), int(Accesso::Ok));
        Insegnanti::FinestraRegistro sulFile(locale);
        QVERIFY(!sulFile.computer());
        QCOMPARE(sulFile.pagine()->count(), finestra.pagine()->count() - 1);  // all but the computers' page
        QVERIFY(sulFile.statusBar()->findChild<QLabel*>("registro")->text().endsWith("locale.sqlite"));
    }

    // The server restarted while the window is open: the views say that the
    // register cannot be read rather than show an empty class, and come back
    // by themselves once the server does.
    void serverRiavviato()
    {
        auto registro = apri();
        Bambino anna{0, {}, "Anna", NomeSql, "gatto"};
        QVERIFY(registro->salva(anna));
        Insegnanti::FinestraRegistro finestra(*registro);
        QLabel* quale = finestra.statusBar()->findChild<QLabel*>("registro");
        QVERIFY(server.ferma());
        finestra.aggiorna();
        QVERIFY2(quale->text().contains("non si riesce a leggerlo"), qPrintable(quale->text()));
        QVERIFY(!registro->erroreLettura().isEmpty());
        QVERIFY(server.riavvia());
        QSqlDatabase::database("super", false).close();
        QTRY_COMPARE_WITH_TIMEOUT((finestra.aggiorna(), registro->bambini().size()), 1, 15000);
        finestra.aggiorna();
        QVERIFY2(!quale->text().contains("non si riesce"), qPrintable(quale->text()));
        QCOMPARE(registro->bambini().first().nomeCompleto(), "Anna " + NomeSql);
        Bambino bruno{0, {}, "Bruno", {}, "cane"};
        QVERIFY2(registro->salva(bruno), qPrintable(registro->ultimoErrore()));
    }

    // A refresh in which one reading is refused and later ones succeed (the
    // computers' list, read last, is still allowed): the window still says
    // that what it shows may be incomplete.
    void letturaRifiutataNelRefresh()
    {
        auto registro = apri();
        Bambino anna{0, {}, "Anna", {}, "gatto"};
        QVERIFY(registro->salva(anna));
        Insegnanti::FinestraRegistro finestra(*registro);
        QLabel* quale = finestra.statusBar()->findChild<QLabel*>("registro");
        QVERIFY(sql("REVOKE SELECT ON tesselo.risposte FROM tesselo_insegnante"));
        const auto ridai = qScopeGuard([&] { sql("GRANT SELECT ON tesselo.risposte TO tesselo_insegnante"); });
        finestra.aggiorna();
        QVERIFY2(quale->text().contains("non si riesce a leggerlo"), qPrintable(quale->text()));
        // The same through the register alone: the first failure stays until
        // the next refresh begins.
        registro->nuovaLettura();
        QCOMPARE(registro->risposteDi(0), 0);
        QVERIFY(registro->computer());
        QCOMPARE(registro->bambini().size(), 1);
        QVERIFY(!registro->erroreLettura().isEmpty());
        registro->nuovaLettura();
        QVERIFY(registro->erroreLettura().isEmpty());
        QVERIFY(sql("GRANT SELECT ON tesselo.risposte TO tesselo_insegnante"));
        finestra.aggiorna();
        QVERIFY2(!quale->text().contains("non si riesce"), qPrintable(quale->text()));
    }

    void momento_data()
    {
        QTest::addColumn<QDateTime>("momento");
        QTest::addColumn<QString>("testo");
        const QDate oggi(2027, 3, 10);
        QTest::newRow("today") << QDateTime(oggi, QTime(10, 5)) << "oggi alle 10:05";
        QTest::newRow("yesterday") << QDateTime(oggi.addDays(-1), QTime(8, 30)) << "ieri alle 8:30";
        QTest::newRow("earlier") << QDateTime(QDate(2027, 3, 3), QTime(9, 15)) << "3 marzo 2027 alle 9:15";
        QTest::newRow("never") << QDateTime() << "mai";
    }
    void momento()
    {
        QFETCH(QDateTime, momento);
        QFETCH(QString, testo);
        QCOMPARE(Insegnanti::TestoMomento(momento, QDate(2027, 3, 10)), testo);
    }
};

TESSELO_TEST_MAIN(TestRegistroServer)
#include "tst_registro_server.moc"
