// The register's schema on a real PostgreSQL server: applied twice it
// changes nothing, a newer register is left alone, and each role may do
// exactly what its program needs.
#include "tests/support/ServerPostgres.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace {

const QString Schema = ServerPostgres::FileSchema();
const QString Permesso = QStringLiteral("42501");    // insufficient_privilege
const QString Doppione = QStringLiteral("23505");    // unique_violation

// The game's insert: a resend is ignored. Without a conflict target, which
// would need SELECT on the answers; the unique key is the uuid with its time. An
// answer of a child removed meanwhile is dropped, not refused, so that it
// cannot hold up the rest of a batch.
const QString InserisciRisposta = QStringLiteral(
    "INSERT INTO tesselo.risposte (uuid, quando, bambino, gioco, domande, blocchi, risposta, esatta, millisecondi)"
    " SELECT CAST(:uuid AS uuid), CAST(:quando AS timestamptz), CAST(:bambino AS uuid), :gioco,"
    " CAST(:domande AS jsonb), CAST(:blocchi AS jsonb), :risposta, CAST(:esatta AS boolean), CAST(:ms AS bigint)"
    " WHERE CAST(:bambino2 AS uuid) IS NULL OR EXISTS (SELECT FROM tesselo.bambini WHERE uuid = CAST(:bambino3 AS uuid))"
    " ON CONFLICT DO NOTHING");

// pg_dump marks its output with a random key each run; the rest is the
// catalog's description.
QByteArray SenzaChiave(QByteArray testo)
{
    static const QRegularExpression chiave(QStringLiteral("^\\\\(un)?restrict .*$"),
                                           QRegularExpression::MultilineOption);
    return QString::fromUtf8(testo).remove(chiave).toUtf8();
}

QVariantMap Risposta(const QUuid& uuid, const QVariant& bambino, const QString& risposta = QStringLiteral("UGUALE"))
{
    const QString b = bambino.isNull() ? QString() : bambino.toString();
    const QVariant figlio = bambino.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(b);
    return {{":uuid", uuid.toString(QUuid::WithoutBraces)},
            {":quando", QDateTime::currentDateTime()},
            {":bambino", figlio},
            {":bambino2", figlio},
            {":bambino3", figlio},
            {":gioco", "form1"},
            {":domande", R"([{"attributo": "colore", "valore": "rosso", "negata": true}])"},
            {":blocchi", R"([{"forma": "cerchio", "colore": "blu", "dimensione": "grande", "spessore": "sottile"}])"},
            {":risposta", risposta},
            {":esatta", true},
            {":ms", 1500}};
}

} // namespace

class TestSchemaPostgres : public QObject {
    Q_OBJECT

    ServerPostgres server;
    QSqlDatabase su, gioco, insegnante, estraneo, altroGioco;

    // A child added by the superuser; its uuid.
    QString NuovoBambino(const QString& nome, const QString& simbolo)
    {
        const Esito e = Esegui(su, "INSERT INTO tesselo.bambini (nome, simbolo) VALUES (:n, :s) RETURNING uuid",
                               {{":n", nome}, {":s", simbolo}});
        return e.primo.toString();
    }
    int Conta(const QString& sql, const QVariantMap& valori = {})
    {
        return Esegui(su, sql, valori).primo.toInt();
    }
    QByteArray Catalogo(const QString& database)
    {
        const auto schema = server.client("pg_dump", {"--schema-only", database});
        const auto ruoli = server.client("pg_dumpall", {"--roles-only", "--no-role-passwords"});
        const auto versione = server.client("psql", {"-X", "-At", "-d", database, "-c",
                                                     "SELECT versione FROM tesselo.versione"});
        return schema && ruoli && versione ? SenzaChiave(*schema + *ruoli) + *versione : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QElapsedTimer tempo;
        tempo.start();
        QVERIFY2(server.avvia(), qPrintable(server.errore()));
        qInfo("server started in %lld ms", tempo.restart());
        QVERIFY2(server.creaRegistro("tesselo", {{"aula", "tesselo_gioco"}, {"maestra", "tesselo_insegnante"},
                                                 {"ospite", ""}, {"aula2", "tesselo_gioco"}}),
                 qPrintable(server.errore()));
        su = server.connetti("su", ServerPostgres::Superutente, "tesselo");
        gioco = server.connetti("gioco", "aula", "tesselo");
        insegnante = server.connetti("insegnante", "maestra", "tesselo");
        estraneo = server.connetti("estraneo", "ospite", "tesselo");
        altroGioco = server.connetti("altroGioco", "aula2", "tesselo");
        QVERIFY2(su.isOpen() && gioco.isOpen() && insegnante.isOpen() && estraneo.isOpen() && altroGioco.isOpen(),
                 qPrintable(server.errore()));
        qInfo("schema applied, roles and connections ready in %lld ms", tempo.elapsed());
    }

    void init()
    {
        QVERIFY(Esegui(su, "DELETE FROM tesselo.bambini").ok);
        QVERIFY(Esegui(su, "DELETE FROM tesselo.risposte").ok);
        QVERIFY(Esegui(su, "DELETE FROM tesselo.computer").ok);
    }

    void applicatoDueVolteNonCambiaNulla()
    {
        QVERIFY2(server.creaDatabase("vuoto"), qPrintable(server.errore()));
        QVERIFY2(server.eseguiFile("vuoto", Schema), qPrintable(server.errore()));
        const QByteArray prima = Catalogo("vuoto");
        QVERIFY(prima.contains("CREATE TABLE tesselo.risposte"));
        QVERIFY(prima.endsWith("5\n"));
        QVERIFY2(server.eseguiFile("vuoto", Schema), qPrintable(server.errore()));
        QCOMPARE(Catalogo("vuoto"), prima);
    }

    // A register of version 3, migrated, has exactly the shape of a new one;
    // the answers it held keep every value and have no path.
    void dallaVersione3ComeNuovo()
    {
        QVERIFY(server.creaDatabase("nuovo4") && server.eseguiFile("nuovo4", Schema));
        QVERIFY(server.creaDatabase("vecchio3"));
        QVERIFY2(server.eseguiFile("vecchio3", QStringLiteral(TESSELO_SCHEMA_VERSIONE_3)), qPrintable(server.errore()));
        QVERIFY(server.client("psql", {"-X", "-q", "-v", "ON_ERROR_STOP=1", "-d", "vecchio3", "-c",
                                       "INSERT INTO tesselo.bambini (nome, simbolo) VALUES ('Ada', 'gatto');"
                                       "INSERT INTO tesselo.risposte (uuid, quando, bambino, gioco, esatta, millisecondi)"
                                       " SELECT gen_random_uuid(), now() - i * interval '1 day', b.uuid, 'form1', i % 2 = 0, i"
                                       " FROM tesselo.bambini b, generate_series(1, 50) i"}));
        const QStringList impronta = {"-X", "-At", "-d", "vecchio3", "-c",
                                      "SELECT md5(string_agg(concat_ws('|', uuid, quando, bambino, classe, gioco, esatta,"
                                      " millisecondi), ',' ORDER BY uuid)) FROM tesselo.risposte"};
        const auto prima = server.client("psql", impronta);
        QVERIFY(prima && prima->size() > 10);
        QVERIFY2(server.eseguiFile("vecchio3", Schema), qPrintable(server.errore()));
        QCOMPARE(Catalogo("vecchio3"), Catalogo("nuovo4"));
        QCOMPARE(server.client("psql", impronta), prima);
        QCOMPARE(server.client("psql", {"-X", "-At", "-d", "vecchio3", "-c",
                                        "SELECT count(*) FROM tesselo.risposte WHERE percorso IS NULL AND passo IS NULL"}),
                 std::optional<QByteArray>("50\n"));
    }

    void registroPiuRecenteLasciatoStare()
    {
        QVERIFY(server.creaDatabase("recente"));
        QVERIFY(server.eseguiFile("recente", Schema));
        QVERIFY(server.client("psql", {"-X", "-q", "-d", "recente", "-c",
                                       "UPDATE tesselo.versione SET versione = 6; DROP INDEX tesselo.risposte_bambino"}));
        const QByteArray prima = Catalogo("recente");
        QVERIFY(!server.eseguiFile("recente", Schema));
        QVERIFY2(server.errore().contains("più recente"), qPrintable(server.errore()));
        QCOMPARE(Catalogo("recente"), prima);
    }

    void giocoLeggeLaClasseEInserisce()
    {
        const QString ada = NuovoBambino("Ada", "gatto");
        QCOMPARE(Esegui(gioco, "SELECT nome FROM tesselo.bambini WHERE uuid = :u", {{":u", ada}}).primo.toString(),
                 "Ada");
        QCOMPARE(Esegui(gioco, "SELECT versione FROM tesselo.versione").primo.toInt(), 5);

        const QUuid id = QUuid::createUuid();
        const Esito prima = Esegui(gioco, InserisciRisposta, Risposta(id, ada));
        QVERIFY2(prima.ok, qPrintable(prima.codice));
        QCOMPARE(prima.righe, 1);
        const Esito ancora = Esegui(gioco, InserisciRisposta, Risposta(id, ada, "DIVERSO"));
        QVERIFY2(ancora.ok, qPrintable(ancora.codice));
        QCOMPARE(ancora.righe, 0);
        QCOMPARE(Conta("SELECT count(*) FROM tesselo.risposte"), 1);
        QCOMPARE(Esegui(su, "SELECT risposta FROM tesselo.risposte").primo.toString(), "UGUALE");

        // A guest has no child.
        QCOMPARE(Esegui(gioco, InserisciRisposta, Risposta(QUuid::createUuid(), QVariant())).righe, 1);
        QCOMPARE(Conta("SELECT count(*) FROM tesselo.risposte WHERE bambino IS NULL"), 1);
    }

    void rispostaDiUnBambinoTolto()
    {
        const QString via = NuovoBambino("Leo", "cane");
        QVERIFY(Esegui(su, "DELETE FROM tesselo.bambini").ok);
        const Esito e = Esegui(gioco, InserisciRisposta, Risposta(QUuid::createUuid(), via));
        QVERIFY2(e.ok, qPrintable(e.codice));
        QCOMPARE(e.righe, 0);
        QCOMPARE(Conta("SELECT count(*) FROM tesselo.risposte"), 0);
    }

    void giocoSegnalaLaSuaCoda()
    {
        QVERIFY(Esegui(gioco, "SELECT tesselo.segnala_coda(:c, :n)", {{":c", "aula-3"}, {":n", 12}}).ok);
        QVERIFY(Esegui(gioco, "SELECT tesselo.segnala_coda(:c, :n)", {{":c", "aula-3"}, {":n", 0}}).ok);
        QCOMPARE(Conta("SELECT count(*) FROM tesselo.computer"), 1);
        QCOMPARE(Conta("SELECT coda FROM tesselo.computer WHERE nome = 'aula-3'"), 0);
        QCOMPARE(Conta("SELECT count(*) FROM tesselo.computer WHERE ultimo_contatto > now() - interval '1 minute'"), 1);
        // A name or a length that makes no sense is refused.
        QVERIFY(!Esegui(gioco, "SELECT tesselo.segnala_coda('', 3)").ok);
        QVERIFY(!Esegui(gioco, "SELECT tesselo.segnala_coda('aula-4', -1)").ok);
    }

    // A computer's line of the queues belongs to the login user that first
    // reported it: another computer's user can neither overwrite it nor
    // fill the table with lines of its own.
    void giocoSegnalaSoloLaPropria()
    {
        const QString codaDi = "SELECT coda FROM tesselo.computer WHERE nome = :c";
        QVERIFY(Esegui(gioco, "SELECT tesselo.segnala_coda('aula-1 (3f9a0c1e)', 3)").ok);
        const Esito altrui = Esegui(altroGioco, "SELECT tesselo.segnala_coda('aula-1 (3f9a0c1e)', 0)");
        QVERIFY(!altrui.ok);
        QCOMPARE(altrui.codice, Permesso);
        QCOMPARE(Conta(codaDi, {{":c", "aula-1 (3f9a0c1e)"}}), 3);
        QVERIFY(Esegui(gioco, "SELECT tesselo.segnala_coda('aula-1 (3f9a0c1e)', 1)").ok);
        QCOMPARE(Conta(codaDi, {{":c", "aula-1 (3f9a0c1e)"}}), 1);
        // A line from before owners were kept goes to the first to report it.
        QVERIFY(Esegui(su, "INSERT INTO tesselo.computer (nome, coda, ultimo_contatto) VALUES ('vecchio', 5, now())").ok);
        QVERIFY(Esegui(altroGioco, "SELECT tesselo.segnala_coda('vecchio', 2)").ok);
        QVERIFY(!Esegui(gioco, "SELECT tesselo.segnala_coda('vecchio', 0)").ok);
        QCOMPARE(Esegui(su, "SELECT utente FROM tesselo.computer WHERE nome = 'vecchio'").primo.toString(), "aula2");
        // At most massimo_computer() lines a login user.
        const int massimo = Conta("SELECT tesselo.massimo_computer()");
        for (int i = 1; i < massimo; ++i)
            QVERIFY(Esegui(altroGioco, "SELECT tesselo.segnala_coda(:c, 0)", {{":c", QString("pc-%1").arg(i)}}).ok);
        const Esito troppi = Esegui(altroGioco, "SELECT tesselo.segnala_coda('pc-oltre', 0)");
        QVERIFY(!troppi.ok);
        QCOMPARE(troppi.codice, QStringLiteral("54000"));  // program_limit_exceeded
        QCOMPARE(Conta("SELECT count(*) FROM tesselo.computer WHERE utente = 'aula2'"), massimo);
        QVERIFY(Esegui(gioco, "SELECT tesselo.segnala_coda('aula-2', 0)").ok);
    }

    // What the game writes is as large as the game makes it, no larger.
    void giocoScriveMisurato_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QVariant>("valore");
        QTest::addColumn<bool>("accettato");
        const auto elenco = [](int n, const QString& elemento) {
            QStringList e;
            for (int i = 0; i < n; ++i)
                e << elemento;
            return QVariant("[" + e.join(',') + "]");
        };
        const QString blocco = R"({"forma": "quadrato", "colore": "blu", "dimensione": "grande", "spessore": "sottile"})";
        const QString domanda = R"({"attributo": "colore", "valore": "rosso", "negata": true})";
        QTest::newRow("48 blocks") << ":blocchi" << elenco(48, blocco) << true;
        QTest::newRow("49 blocks") << ":blocchi" << elenco(49, blocco) << false;
        QTest::newRow("one block of 10 kB") << ":blocchi" << QVariant("[\"" + QString(10000, 'x') + "\"]") << false;
        QTest::newRow("8 questions") << ":domande" << elenco(8, domanda) << true;
        QTest::newRow("9 questions") << ":domande" << elenco(9, domanda) << false;
        QTest::newRow("a question of 3 kB") << ":domande" << QVariant("[\"" + QString(3000, 'x') + "\"]") << false;
        QTest::newRow("an answer of 200 characters") << ":risposta" << QVariant(QString(200, 'x')) << true;
        QTest::newRow("an answer of 10 MB") << ":risposta" << QVariant(QString(10000000, 'x')) << false;
        QTest::newRow("a game of 65 characters") << ":gioco" << QVariant(QString(65, 'x')) << false;
        QTest::newRow("a turn longer than a day") << ":ms" << QVariant(86400001) << false;
    }
    void giocoScriveMisurato()
    {
        QFETCH(QString, chiave);
        QFETCH(QVariant, valore);
        QFETCH(bool, accettato);
        QVariantMap risposta = Risposta(QUuid::createUuid(), QVariant());
        risposta[chiave] = valore;
        const Esito e = Esegui(gioco, InserisciRisposta, risposta);
        QCOMPARE(e.ok, accettato);
        if (!accettato)
            QCOMPARE(e.codice, QStringLiteral("23514"));  // check_violation
        QCOMPARE(Conta("SELECT count(*) FROM tesselo.risposte"), accettato ? 1 : 0);
    }

    void giocoRifiutato_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("read answers") << "SELECT count(*) FROM tesselo.risposte";
        QTest::newRow("read computers") << "SELECT count(*) FROM tesselo.computer";
        QTest::newRow("update answer") << "UPDATE tesselo.risposte SET esatta = NOT esatta";
        QTest::newRow("delete answer") << "DELETE FROM tesselo.risposte";
        QTest::newRow("resend with conflict target")
            << "INSERT INTO tesselo.risposte (uuid, quando, gioco, esatta, millisecondi)"
               " VALUES (gen_random_uuid(), now(), 'form1', true, 1) ON CONFLICT (uuid, quando) DO NOTHING";
        QTest::newRow("add child") << "INSERT INTO tesselo.bambini (nome, simbolo) VALUES ('Eva', 'mela')";
        QTest::newRow("rename child") << "UPDATE tesselo.bambini SET nome = 'X'";
        QTest::newRow("remove child") << "DELETE FROM tesselo.bambini";
        QTest::newRow("write computers") << "INSERT INTO tesselo.computer VALUES ('aula-9', 0, now())";
        QTest::newRow("change version") << "UPDATE tesselo.versione SET versione = 9";
        QTest::newRow("add path")
            << "INSERT INTO tesselo.percorsi (classe, nome, dati) SELECT uuid, 'P', '{\"nome\": \"P\"}' FROM tesselo.classi";
        QTest::newRow("change path") << "UPDATE tesselo.percorsi SET nome = 'X'";
        QTest::newRow("remove group") << "DELETE FROM tesselo.gruppi";
        QTest::newRow("assign path to child") << "UPDATE tesselo.bambini SET percorso = NULL";
        QTest::newRow("assign path to class") << "UPDATE tesselo.classi SET percorso = NULL";
        QTest::newRow("move child to group") << "UPDATE tesselo.bambini SET gruppo = NULL";
        QTest::newRow("new table") << "CREATE TABLE tesselo.altro (x int)";
    }
    void giocoRifiutato()
    {
        QFETCH(QString, sql);
        const QString ada = NuovoBambino("Ada", "gatto");
        QVERIFY(Esegui(su, InserisciRisposta, Risposta(QUuid::createUuid(), ada)).ok);
        const Esito e = Esegui(gioco, sql);
        QVERIFY(!e.ok);
        QCOMPARE(e.codice, Permesso);
        QCOMPARE(Conta("SELECT count(*) FROM tesselo.risposte WHERE esatta AND bambino IS NOT NULL"), 1);
        QCOMPARE(Conta("SELECT count(*) FROM tesselo.bambini WHERE nome = 'Ada'"), 1);
    }

    // A user of the database in neither role: the schema is closed to it,
    // its security-definer function too.
    void estraneoRifiutato_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("read class") << "SELECT count(*) FROM tesselo.bambini";
        QTest::newRow("read version") << "SELECT versione FROM tesselo.versione";
        QTest::newRow("insert answer")
            << "INSERT INTO tesselo.risposte (uuid, quando, gioco, esatta, millisecondi)"
               " VALUES (gen_random_uuid(), now(), 'form1', true, 1) ON CONFLICT DO NOTHING";
        QTest::newRow("report queue") << "SELECT tesselo.segnala_coda('aula-1', 1)";
        QTest::newRow("read paths") << "SELECT count(*) FROM tesselo.percorsi";
        QTest::newRow("read progress") << "SELECT count(*) FROM tesselo.esatte_percorsi()";
    }
    void estraneoRifiutato()
    {
        QFETCH(QString, sql);
        const Esito e = Esegui(estraneo, sql);
        QVERIFY(!e.ok);
        QCOMPARE(e.codice, Permesso);
        QCOMPARE(Conta("SELECT count(*) FROM tesselo.risposte") + Conta("SELECT count(*) FROM tesselo.computer"), 0);
    }

    void insegnanteLeggeTutto()
    {
        const QString ada = NuovoBambino("Ada", "gatto");
        QVERIFY(Esegui(gioco, InserisciRisposta, Risposta(QUuid::createUuid(), ada)).ok);
        QVERIFY(Esegui(gioco, "SELECT tesselo.segnala_coda('aula-1', 4)").ok);
        QCOMPARE(Esegui(insegnante, "SELECT count(*) FROM tesselo.bambini").primo.toInt(), 1);
        QCOMPARE(Esegui(insegnante, "SELECT count(*) FROM tesselo.risposte WHERE bambino = :b", {{":b", ada}})
                     .primo.toInt(), 1);
        QCOMPARE(Esegui(insegnante, "SELECT coda FROM tesselo.computer").primo.toInt(), 4);
        QCOMPARE(Esegui(insegnante, "SELECT versione FROM tesselo.versione").primo.toInt(), 5);
        // The class at a glance: right and wrong by child and game.
        const Esito classe = Esegui(insegnante,
            "SELECT count(*) FILTER (WHERE esatta) FROM tesselo.risposte"
            " WHERE quando >= now() - interval '1 day' GROUP BY bambino, gioco");
        QVERIFY2(classe.ok, qPrintable(classe.codice));
        QCOMPARE(classe.primo.toInt(), 1);
    }

    void insegnanteGestisceLaClasse()
    {
        const Esito nuovo = Esegui(insegnante,
            "INSERT INTO tesselo.bambini (nome, cognome, simbolo) VALUES ('Ada', 'Rossi', 'gatto') RETURNING uuid");
        QVERIFY2(nuovo.ok, qPrintable(nuovo.codice));
        const QString ada = nuovo.primo.toString();
        QCOMPARE(Esegui(insegnante, "INSERT INTO tesselo.bambini (nome, simbolo) VALUES ('Bea', 'gatto')").codice,
                 Doppione);
        QCOMPARE(Esegui(insegnante, "UPDATE tesselo.bambini SET nome = 'Adele', simbolo = 'mela' WHERE uuid = :u",
                        {{":u", ada}}).righe, 1);
        QCOMPARE(Esegui(insegnante, "UPDATE tesselo.bambini SET uuid = gen_random_uuid()").codice, Permesso);
        QCOMPARE(Esegui(insegnante, "UPDATE tesselo.risposte SET esatta = true").codice, Permesso);
        QCOMPARE(Esegui(insegnante, "SELECT tesselo.segnala_coda('aula-1', 0)").codice, Permesso);

        // Merging answers in; removing the child removes its answers.
        QVERIFY(Esegui(insegnante, InserisciRisposta, Risposta(QUuid::createUuid(), ada)).ok);
        QVERIFY(Esegui(gioco, InserisciRisposta, Risposta(QUuid::createUuid(), ada)).ok);
        QVERIFY(Esegui(gioco, InserisciRisposta, Risposta(QUuid::createUuid(), QVariant())).ok);
        QCOMPARE(Esegui(insegnante, "DELETE FROM tesselo.bambini WHERE uuid = :u", {{":u", ada}}).righe, 1);
        QCOMPARE(Conta("SELECT count(*) FROM tesselo.risposte"), 1);
        // All records before a date; a computer taken out of the room.
        QCOMPARE(Esegui(insegnante, "DELETE FROM tesselo.risposte WHERE quando < now() + interval '1 hour'").righe, 1);
        QVERIFY(Esegui(gioco, "SELECT tesselo.segnala_coda('aula-1', 0)").ok);
        QCOMPARE(Esegui(insegnante, "DELETE FROM tesselo.computer WHERE nome = 'aula-1'").righe, 1);
    }

    void nomiIntatti_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("quotes") << "D'Angelo \"Gigi\" `x`";
        QTest::newRow("accents") << "Niccolò Àlvarez Çelik Łucja";
        QTest::newRow("emoji") << "Zoë 🦊👩‍👧";
        QTest::newRow("200 characters") << QString(199, u'è') + u'Z';
        QTest::newRow("SQL") << "Robert'); DROP TABLE tesselo.bambini;--";
        QTest::newRow("dollar quoting") << "$$; DELETE FROM tesselo.risposte; $$ \\ %_";
    }
    void nomiIntatti()
    {
        QFETCH(QString, nome);
        const Esito e = Esegui(insegnante,
            "INSERT INTO tesselo.bambini (nome, cognome, simbolo) VALUES (:n, :c, 'gatto') RETURNING uuid",
            {{":n", nome}, {":c", nome}});
        QVERIFY2(e.ok, qPrintable(e.codice));
        QVERIFY(Esegui(gioco, InserisciRisposta, Risposta(QUuid::createUuid(), e.primo, nome)).ok);
        QSqlQuery q(gioco);
        QVERIFY(q.exec("SELECT nome, cognome FROM tesselo.bambini"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), nome);
        QCOMPARE(q.value(1).toString(), nome);
        QCOMPARE(Esegui(insegnante, "SELECT risposta FROM tesselo.risposte").primo.toString(), nome);
        QCOMPARE(Conta("SELECT count(*) FROM pg_tables WHERE schemaname = 'tesselo'"), 12);
    }
};

QTEST_GUILESS_MAIN(TestSchemaPostgres)
#include "tst_schema_postgres.moc"
