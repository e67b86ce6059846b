// The game with a school's server set up in tesselo.conf: the first start
// copies the server's class into the local register and shows it once it has
// arrived, without a click ever waiting for it; the next start shows it at
// once; the sitting's answers reach the server for the chosen child; with the server
// down an answer costs the game no more, the program ends on time, and the
// answers arrive once the server is back.
#include "app/Seduta.h"
#include "app/Servizi.h"
#include "registro/Archivio.h"
#include "tests/support/CatturaStderr.h"
#include "tests/support/MainProva.h"
#include "tests/support/ServerPostgres.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace std::chrono_literals;
using namespace Registro;

namespace {

const QUuid Anna = QUuid::createUuid();

Risposta Risp(int n)
{
    Risposta r = NuovaRisposta();
    r.schermo = "form1";
    r.gioco = "uguale - diverso";
    r.domande = {{"colore", {}, false}};
    r.blocchi = {Blocco::tutti().value(n % 48), Blocco::tutti().value((n + 1) % 48)};
    r.risposta = n % 2 ? "UGUALE" : "DIVERSO";
    r.esatta = n % 3 != 0;
    r.millisecondi = 700 + n;
    return r;
}

// The longest time, in ms, that n answers of the sitting took the game.
double Gioca(int n)
{
    qint64 massimo = 0;
    for (int i = 0; i < n; ++i) {
        QElapsedTimer t;
        t.start();
        servizi().registra(Risp(i));
        massimo = std::max(massimo, t.nsecsElapsed());
    }
    return massimo / 1e6;
}

} // namespace

class TestSedutaServer : public QObject {
    Q_OBJECT

    ServerPostgres server;
    QTemporaryDir cartella;
    QString percorso;

    QVariant sql(const QString& istruzione) { return Interroga(QStringLiteral("super"), istruzione); }
    int diAnna()
    {
        return sql(QStringLiteral("SELECT count(*) FROM tesselo.risposte WHERE bambino = '%1'")
                       .arg(Anna.toString(QUuid::WithoutBraces))).toInt();
    }
    int bambiniLocali()
    {
        Archivio a;
        return a.apri(percorso, false) == Accesso::Ok ? int(a.bambini().size()) : -1;
    }
    qint64 idDiAnna()
    {
        for (const Bambino& b : Seduta::Bambini())
            if (b.uuid == Anna)
                return b.id;
        return -1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(server.avvia(), qPrintable(server.errore()));
        QVERIFY2(server.creaRegistro("tesselo", {{"aula", "tesselo_gioco"}}), qPrintable(server.errore()));
        QVERIFY(server.connetti("super", ServerPostgres::Superutente, "tesselo").isOpen());
        QVERIFY(sql(QStringLiteral("INSERT INTO tesselo.bambini (uuid, nome, simbolo) VALUES ('%1', 'Anna', 'gatto'),"
                                   " (gen_random_uuid(), 'Bruno', 'cane')")
                        .arg(Anna.toString(QUuid::WithoutBraces))).isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(cartella.filePath("config")));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(cartella.filePath("sistema")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(cartella.filePath("dati")));
        QDir().mkpath(cartella.filePath("config/tesselo"));
        QFile conf(cartella.filePath("config/tesselo/tesselo.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("[registro]\nhost=%1\nporta=%2\nutente=aula\n")
                       .arg(server.cartella()).arg(ServerPostgres::Porta).toUtf8());
        conf.close();
        percorso = cartella.filePath("dati/registro.sqlite");
    }

    void primaPartenzaPoiClasse()
    {
        // No register yet: this start reads no class, and copies the
        // server's. The server is slow to give it (a lock held on the
        // class): the start screen's click meanwhile never waits for it.
        QVERIFY(sql("BEGIN").isValid());
        QVERIFY(sql("LOCK TABLE tesselo.bambini IN ACCESS EXCLUSIVE MODE").isValid());
        Seduta::Avvia(percorso);
        QVERIFY(Seduta::AttendiPronta(10s));
        std::optional<bool> chiGioca;
        QElapsedTimer clic;
        clic.start();
        Seduta::QuandoPronta([&](bool c) { chiGioca = c; });
        QTRY_VERIFY_WITH_TIMEOUT(chiGioca.has_value(), 1000);
        QVERIFY2(clic.elapsed() < 500, qPrintable(QString::number(clic.elapsed())));
        QCOMPARE(*chiGioca, false);
        QVERIFY(Seduta::Bambini().isEmpty());
        QVERIFY(sql("COMMIT").isValid());
        // Once copied, the class is read in this run: the next click opens
        // "Chi gioca?", and the sitting's answers reach the server for the
        // chosen child.
        QTRY_COMPARE_WITH_TIMEOUT(Seduta::Bambini().size(), 2, 15000);
        QCOMPARE(bambiniLocali(), 2);
        chiGioca.reset();
        Seduta::QuandoPronta([&](bool c) { chiGioca = c; });
        QTRY_VERIFY_WITH_TIMEOUT(chiGioca.has_value(), 1000);
        QCOMPARE(*chiGioca, true);
        QVERIFY(idDiAnna() > 0);
        Seduta::Scegli(idDiAnna());
        Gioca(20);
        QTRY_COMPARE_WITH_TIMEOUT(diAnna(), 20, 15000);
        QVERIFY(Seduta::AttendiPronta(10s, true));
        QVERIFY(Seduta::Termina());
        // The next start shows it from the register.
        Seduta::Avvia(percorso);
        QVERIFY(Seduta::AttendiPronta(10s));
        QCOMPARE(Seduta::Bambini().size(), 2);
        QVERIFY(Seduta::Termina());
    }

    void serverFermo()
    {
        Seduta::Avvia(percorso);
        QVERIFY(Seduta::AttendiPronta(10s));
        Seduta::Scegli(idDiAnna());
        const double collegato = Gioca(50);
        QTRY_COMPARE_WITH_TIMEOUT(diAnna(), 20 + 50, 15000);
        QSqlDatabase::database("super", false).close();
        QVERIFY2(server.ferma(), qPrintable(server.errore()));
        const double fermo = Gioca(50);
        // Queuing an answer never waits for the network: the longest of 50
        // stays within the longest with the server up, with room for a busy
        // machine's scheduling (a connection attempt takes seconds).
        QVERIFY2(fermo < std::max(2 * collegato, 50.0), qPrintable(QStringLiteral("%1 ms > %2 ms").arg(fermo).arg(collegato)));
        QTest::qWait(1500);  // the sender has met the stopped server
        QElapsedTimer fine;
        fine.start();
        QVERIFY(Seduta::Termina());
        QVERIFY2(fine.elapsed() < 3000, qPrintable(QString::number(fine.elapsed())));
        // Queued in the register, sent at the next start once the server is back.
        QVERIFY2(server.riavvia(), qPrintable(server.errore()));
        Seduta::Avvia(percorso);
        QVERIFY(Seduta::AttendiPronta(10s));
        QTRY_COMPARE_WITH_TIMEOUT(diAnna(), 20 + 100, 15000);
        QVERIFY(Seduta::Termina());
        QCOMPARE(sql("SELECT count(DISTINCT uuid) FROM tesselo.risposte").toInt(), 120);
    }

    // A weaker sslmode written for a network host is named in one line at
    // every start, and never when the settings leave it out.
    void sslDeboleAOgniAvvio()
    {
        QFile conf(cartella.filePath("config/tesselo/tesselo.conf"));
        QVERIFY(conf.open(QIODevice::ReadOnly));
        const QByteArray prima = conf.readAll();
        conf.close();
        const auto scrivi = [&](const QByteArray& testo) {
            QVERIFY(conf.open(QIODevice::WriteOnly | QIODevice::Truncate));
            conf.write(testo);
            conf.close();
        };
        // A port nobody listens on: the sender only tries.
        scrivi("[registro]\nhost=127.0.0.1\nporta=9\nutente=aula\nsslmode=require\n");
        for (int avvio = 0; avvio < 2; ++avvio) {
            CatturaStderr errori;
            Seduta::Avvia(percorso);
            QVERIFY(Seduta::AttendiPronta(10s));
            QVERIFY(Seduta::Termina());
            QCOMPARE(errori.testo().count("sslmode=require per 127.0.0.1"), 1);
        }
        scrivi(prima);
        CatturaStderr errori;
        Seduta::Avvia(percorso);
        QVERIFY(Seduta::AttendiPronta(10s));
        QVERIFY(Seduta::Termina());
        QVERIFY2(!errori.testo().contains("sslmode"), qPrintable(errori.testo()));
    }

    // The class copied from the server is published on the sender's thread
    // while the interface reads it: every read sees the class whole, each
    // child with its own shown name, never half of it. Started again from
    // no register several times, so that reads meet the publication.
    void classeLettaMentreArriva()
    {
        for (int giro = 0; giro < 10; ++giro) {
            const QDir dati(cartella.filePath("dati"));
            for (const QString& file : dati.entryList({"registro*"}, QDir::Files))
                QVERIFY(QFile::remove(dati.filePath(file)));
            Seduta::Avvia(percorso);
            QElapsedTimer t;
            t.start();
            qsizetype letti = 0;
            while (letti < 2 && t.elapsed() < 15000) {
                const QList<Bambino> classe = Seduta::Bambini();
                letti = classe.size();
                QVERIFY(letti == 0 || letti == 2);
                for (const Bambino& b : classe)
                    QCOMPARE(Seduta::NomeMostrato(b), b.nome);
            }
            QCOMPARE(letti, 2);
            QVERIFY(Seduta::AttendiPronta(10s, true));
            QVERIFY(Seduta::Termina());
        }
    }
};

TESSELO_TEST_MAIN(TestSedutaServer)
#include "tst_seduta_server.moc"
