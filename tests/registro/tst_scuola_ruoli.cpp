// A school of several classes on a real PostgreSQL server: what each login
// user reaches is decided by the server, row by row, from the classes
// granted to session_user. A teacher her classes, a computer the classes it
// serves (without reading answers), the management every class and the
// commands; classes sharing symbols; a new school year; answers partitioned
// by school year; the paths and groups of each class, and what of the
// answers the game may read for them; and the migration of a one-class
// register of version 2.
#include "tests/support/ServerPostgres.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace {

const QString Permesso = QStringLiteral("42501");  // insufficient_privilege, and a row refused by a policy
const QString Doppione = QStringLiteral("23505");  // unique_violation
const QString Mia = QStringLiteral("7e55e110-c1a5-4e00-8000-000000000001");

// An answer of a class, a child's or (bambino empty) a guest's.
const QString InserisciRisposta = QStringLiteral(
    "INSERT INTO tesselo.risposte (uuid, quando, bambino, classe, gioco, esatta, millisecondi)"
    " VALUES (gen_random_uuid(), COALESCE(CAST(:quando AS timestamptz), now()), CAST(NULLIF(:bambino, '') AS uuid),"
    " CAST(:classe AS uuid), 'form1', true, 1500) ON CONFLICT DO NOTHING");

QVariantMap Risposta(const QString& classe, const QString& bambino = {}, const QString& quando = {})
{
    return {{":classe", classe}, {":bambino", bambino.isNull() ? QStringLiteral("") : bambino},
            {":quando", quando.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(quando)}};
}

} // namespace

class TestScuolaRuoli : public QObject {
    Q_OBJECT

    ServerPostgres server;
    QSqlDatabase su, preside, maestraA, maestraB, aula, laboratorio;
    // The school year now, and the classes' uuids.
    QString anno, classe1A, classe1B, classe1C;

    QString Valore(const QString& sql, const QVariantMap& valori = {})
    {
        return Esegui(su, sql, valori).primo.toString();
    }
    int Conta(QSqlDatabase db, const QString& sql, const QVariantMap& valori = {})
    {
        const Esito e = Esegui(db, sql, valori);
        return e.ok ? e.primo.toInt() : -1;
    }
    // A child added by the superuser to a class; its uuid.
    QString Bambino(const QString& classe, const QString& nome, const QString& simbolo)
    {
        return Valore("INSERT INTO tesselo.bambini (classe, nome, simbolo) VALUES (CAST(:c AS uuid), :n, :s) RETURNING uuid",
                      {{":c", classe}, {":n", nome}, {":s", simbolo}});
    }
    // A learning path of one step added by the superuser to a class; its uuid.
    QString Percorso(const QString& classe, const QString& nome)
    {
        return Valore("INSERT INTO tesselo.percorsi (classe, nome, dati) VALUES (CAST(:c AS uuid), :n,"
                      " jsonb_build_object('versione', 1, 'nome', CAST(:n2 AS text), 'passi', CAST('[{\"gioco\": \"form1\", \"esatte\": 3}]' AS jsonb)))"
                      " RETURNING uuid", {{":c", classe}, {":n", nome}, {":n2", nome}});
    }
    QString Gruppo(const QString& classe, const QString& nome, const QString& percorso = {})
    {
        return Valore("INSERT INTO tesselo.gruppi (classe, nome, percorso) VALUES (CAST(:c AS uuid), :n,"
                      " CAST(NULLIF(:p, '') AS uuid)) RETURNING uuid",
                      {{":c", classe}, {":n", nome}, {":p", percorso.isNull() ? QStringLiteral("") : percorso}});
    }
    // Where an answer is stored: its partition.
    QString Partizione(const QString& bambino)
    {
        return Valore("SELECT tableoid::regclass::text FROM tesselo.risposte WHERE bambino = CAST(:b AS uuid)",
                      {{":b", bambino}});
    }
    bool Psql(const QString& database, const QString& sql)
    {
        return server.client("psql", {"-X", "-q", "-v", "ON_ERROR_STOP=1", "-d", database, "-c", sql}).has_value();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(server.avvia(), qPrintable(server.errore()));
        QVERIFY2(server.creaDatabase("scuola") && server.eseguiFile("scuola", ServerPostgres::FileSchema()),
                 qPrintable(server.errore()));
        QVERIFY2(Psql("scuola", "CREATE ROLE preside LOGIN IN ROLE tesselo_dirigenza;"
                                "CREATE ROLE maestra_a LOGIN IN ROLE tesselo_insegnante;"
                                "CREATE ROLE maestra_b LOGIN IN ROLE tesselo_insegnante;"
                                "CREATE ROLE pc_aula LOGIN IN ROLE tesselo_gioco;"
                                "CREATE ROLE pc_lab LOGIN IN ROLE tesselo_gioco;"
                                "CREATE ROLE estraneo LOGIN;"
                                "CREATE ROLE gruppo_gioco NOLOGIN IN ROLE tesselo_gioco"),
                 qPrintable(server.errore()));
        su = server.connetti("su", ServerPostgres::Superutente, "scuola");
        preside = server.connetti("preside", "preside", "scuola");
        maestraA = server.connetti("maestraA", "maestra_a", "scuola");
        maestraB = server.connetti("maestraB", "maestra_b", "scuola");
        aula = server.connetti("aula", "pc_aula", "scuola");
        laboratorio = server.connetti("laboratorio", "pc_lab", "scuola");
        for (const QSqlDatabase& db : {su, preside, maestraA, maestraB, aula, laboratorio})
            QVERIFY2(db.isOpen(), qPrintable(db.userName() + ": " + server.errore()));

        // The technician's set-up, through the management's commands.
        anno = Esegui(preside, "SELECT tesselo.anno_scolastico_di(current_date)").primo.toString();
        QCOMPARE(anno, Valore("SELECT anno_scolastico FROM tesselo.classi WHERE uuid = CAST(:u AS uuid)", {{":u", Mia}}));
        QString* uuid[] = {&classe1A, &classe1B, &classe1C};
        for (int i = 0; i < 3; ++i) {
            const Esito e = Esegui(preside, "SELECT tesselo.crea_classe(:n, :a)",
                                   {{":n", QStringLiteral("1%1").arg(QChar(u'A' + i))}, {":a", anno}});
            QVERIFY2(e.ok, qPrintable(e.codice));
            *uuid[i] = e.primo.toString();
        }
        for (const auto& [classe, utente] : {std::pair{"1A", "maestra_a"}, {"1A", "pc_aula"}, {"1A", "pc_lab"},
                                             {"1B", "maestra_b"}, {"1B", "pc_lab"}})
            QVERIFY(Esegui(preside, "SELECT tesselo.assegna_classe(:c, :u)", {{":c", classe}, {":u", utente}}).ok);
    }

    void init()
    {
        QVERIFY(Esegui(su, "DELETE FROM tesselo.risposte").ok);
        QVERIFY(Esegui(su, "DELETE FROM tesselo.bambini").ok);
        QVERIFY(Esegui(su, "DELETE FROM tesselo.gruppi").ok);
        QVERIFY(Esegui(su, "DELETE FROM tesselo.percorsi").ok);
    }

    // Symbols are unique in a class, not across the school.
    void dueClassiConGliStessiSimboli()
    {
        QVERIFY(!Bambino(classe1A, "Ada", "gatto").isEmpty());
        QVERIFY(!Bambino(classe1B, "Bea", "gatto").isEmpty());
        QCOMPARE(Esegui(maestraA, "INSERT INTO tesselo.bambini (classe, nome, simbolo) VALUES (CAST(:c AS uuid), 'Eva', 'gatto')",
                        {{":c", classe1A}}).codice, Doppione);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.bambini WHERE simbolo = 'gatto'"), 1);
        QCOMPARE(Conta(maestraB, "SELECT count(*) FROM tesselo.bambini WHERE simbolo = 'gatto'"), 1);
        QCOMPARE(Conta(preside, "SELECT count(*) FROM tesselo.bambini WHERE simbolo = 'gatto'"), 2);
    }

    // A teacher of 1A reads and changes 1A, and reaches nothing of 1B: reads
    // have no rows, writes are refused by the server.
    void insegnanteSoloLaSuaClasse()
    {
        const QString ada = Bambino(classe1A, "Ada", "gatto");
        const QString bea = Bambino(classe1B, "Bea", "cane");
        QVERIFY(Esegui(su, InserisciRisposta, Risposta(classe1A, ada)).ok);
        QVERIFY(Esegui(su, InserisciRisposta, Risposta(classe1B, bea)).ok);
        QVERIFY(Esegui(su, InserisciRisposta, Risposta(classe1B)).ok);

        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.classi"), 1);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.bambini"), 1);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.risposte"), 1);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.sintesi_classe(CAST(:c AS uuid), '-infinity', 'infinity')",
                       {{":c", classe1A}}), 1);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.sintesi_classe(CAST(:c AS uuid), '-infinity', 'infinity')",
                       {{":c", classe1B}}), 0);
        QCOMPARE(Conta(maestraB, "SELECT count(*) FROM tesselo.sintesi_classe(CAST(:c AS uuid), '-infinity', 'infinity')",
                       {{":c", classe1B}}), 2);

        // Her own class: a child added, renamed, an answer merged in and deleted.
        const Esito nuovo = Esegui(maestraA, "INSERT INTO tesselo.bambini (classe, nome, simbolo)"
                                             " VALUES (CAST(:c AS uuid), 'Leo', 'mela') RETURNING uuid", {{":c", classe1A}});
        QVERIFY2(nuovo.ok, qPrintable(nuovo.codice));
        QCOMPARE(Esegui(maestraA, "UPDATE tesselo.bambini SET nome = 'Leone' WHERE uuid = CAST(:b AS uuid)",
                        {{":b", nuovo.primo}}).righe, 1);
        QVERIFY(Esegui(maestraA, InserisciRisposta, Risposta(classe1A, nuovo.primo.toString())).ok);
        QCOMPARE(Esegui(maestraA, "DELETE FROM tesselo.risposte WHERE bambino = CAST(:b AS uuid)", {{":b", ada}}).righe, 1);

        // 1B: nothing to read, nothing changed, nothing written.
        QCOMPARE(Esegui(maestraA, "UPDATE tesselo.bambini SET nome = 'X' WHERE uuid = CAST(:b AS uuid)", {{":b", bea}}).righe, 0);
        QCOMPARE(Esegui(maestraA, "DELETE FROM tesselo.bambini WHERE uuid = CAST(:b AS uuid)", {{":b", bea}}).righe, 0);
        QCOMPARE(Esegui(maestraA, "DELETE FROM tesselo.risposte").righe, 1);
        QCOMPARE(Esegui(maestraA, "UPDATE tesselo.classi SET nome = 'X' WHERE uuid = CAST(:c AS uuid)", {{":c", classe1B}}).righe, 0);
        QCOMPARE(Esegui(maestraA, "INSERT INTO tesselo.bambini (classe, nome, simbolo) VALUES (CAST(:c AS uuid), 'Eva', 'pera')",
                        {{":c", classe1B}}).codice, Permesso);
        QCOMPARE(Esegui(maestraA, InserisciRisposta, Risposta(classe1B)).codice, Permesso);
        QCOMPARE(Esegui(maestraA, InserisciRisposta, Risposta(classe1A, bea)).codice, Permesso);
        QCOMPARE(Esegui(maestraA, "UPDATE tesselo.bambini SET classe = CAST(:c AS uuid) WHERE uuid = CAST(:b AS uuid)",
                        {{":c", classe1B}, {":b", ada}}).codice, Permesso);
        QCOMPARE(Valore("SELECT nome FROM tesselo.bambini WHERE uuid = CAST(:b AS uuid)", {{":b", bea}}), "Bea");
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.risposte WHERE classe = CAST(:c AS uuid)", {{":c", classe1B}}), 2);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.bambini WHERE classe = CAST(:c AS uuid)", {{":c", classe1A}}), 2);
    }

    // A teacher of 1A creates, changes, assigns and removes the paths and
    // groups of 1A alone; whatever is assigned a path takes one of its own
    // class. What refers to a removed path or group is left without one, and
    // a child moved to another class leaves both behind.
    void percorsiEGruppiDelleSueClassi()
    {
        const QString ada = Bambino(classe1A, "Ada", "gatto");
        const QString bea = Bambino(classe1B, "Bea", "gatto");
        const QString diB = Percorso(classe1B, "Forme");
        const QString gruppoB = Gruppo(classe1B, "grandi", diB);
        const QString dati = "jsonb_build_object('versione', 1, 'nome', CAST(:n2 AS text), 'passi', CAST('[]' AS jsonb))";
        const QString nuovo = "INSERT INTO tesselo.percorsi (classe, nome, dati) VALUES (CAST(:c AS uuid), :n, " + dati
                              + ") RETURNING uuid";
        const Esito suo = Esegui(maestraA, nuovo, {{":c", classe1A}, {":n", "Forme"}, {":n2", "Forme"}});
        QVERIFY2(suo.ok, qPrintable(suo.codice));
        const QString diA = suo.primo.toString();
        QCOMPARE(Esegui(maestraA, nuovo, {{":c", classe1B}, {":n", "Colori"}, {":n2", "Colori"}}).codice, Permesso);
        QCOMPARE(Esegui(maestraA, nuovo, {{":c", classe1A}, {":n", "Forme"}, {":n2", "Forme"}}).codice, Doppione);
        // The row's name is the path's, and named as a class is.
        for (const auto& [nome, nelFile] : {std::pair{"Colori", "Altro"}, {"", ""}, {"A\u202EB", "A\u202EB"}})
            QCOMPARE(Esegui(maestraA, nuovo, {{":c", classe1A}, {":n", nome}, {":n2", nelFile}}).codice,
                     QStringLiteral("23514"));
        const Esito gruppo = Esegui(maestraA, "INSERT INTO tesselo.gruppi (classe, nome, percorso)"
                                              " VALUES (CAST(:c AS uuid), 'piccoli', CAST(:p AS uuid)) RETURNING uuid",
                                    {{":c", classe1A}, {":p", diA}});
        QVERIFY2(gruppo.ok, qPrintable(gruppo.codice));
        const QString gruppoA = gruppo.primo.toString();
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.percorsi"), 1);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.gruppi"), 1);
        QCOMPARE(Conta(maestraB, "SELECT count(*) FROM tesselo.percorsi"), 1);

        // Assigned within 1A; another class's path or group refers to nothing.
        const QString assegna = "UPDATE tesselo.bambini SET gruppo = CAST(:g AS uuid), percorso = CAST(:p AS uuid)"
                                " WHERE uuid = CAST(:b AS uuid)";
        QCOMPARE(Esegui(maestraA, assegna, {{":g", gruppoA}, {":p", diA}, {":b", ada}}).righe, 1);
        QCOMPARE(Esegui(maestraA, "UPDATE tesselo.classi SET percorso = CAST(:p AS uuid) WHERE uuid = CAST(:c AS uuid)",
                        {{":p", diA}, {":c", classe1A}}).righe, 1);
        const QString altrui = "23503";  // foreign_key_violation
        QCOMPARE(Esegui(maestraA, assegna, {{":g", gruppoB}, {":p", diA}, {":b", ada}}).codice, altrui);
        QCOMPARE(Esegui(maestraA, assegna, {{":g", gruppoA}, {":p", diB}, {":b", ada}}).codice, altrui);
        QCOMPARE(Esegui(maestraA, "UPDATE tesselo.gruppi SET percorso = CAST(:p AS uuid)", {{":p", diB}}).codice, altrui);
        QCOMPARE(Esegui(maestraA, "UPDATE tesselo.classi SET percorso = CAST(:p AS uuid)", {{":p", diB}}).codice, altrui);
        // 1B's rows: unseen and untouched. A path's uuid and class stay.
        QCOMPARE(Esegui(maestraA, "UPDATE tesselo.percorsi SET dati = dati WHERE uuid = CAST(:p AS uuid)", {{":p", diB}}).righe, 0);
        QCOMPARE(Esegui(maestraA, "DELETE FROM tesselo.gruppi WHERE uuid = CAST(:g AS uuid)", {{":g", gruppoB}}).righe, 0);
        QCOMPARE(Esegui(maestraA, assegna, {{":g", gruppoB}, {":p", diB}, {":b", bea}}).righe, 0);
        QCOMPARE(Esegui(maestraA, "UPDATE tesselo.percorsi SET classe = CAST(:c AS uuid)", {{":c", classe1B}}).codice, Permesso);
        QCOMPARE(Esegui(maestraA, "UPDATE tesselo.gruppi SET uuid = gen_random_uuid()").codice, Permesso);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.gruppi WHERE percorso IS NOT NULL"), 2);

        // The group removed: Ada in none. The path removed: no one has it.
        QCOMPARE(Esegui(maestraA, "DELETE FROM tesselo.gruppi WHERE uuid = CAST(:g AS uuid)", {{":g", gruppoA}}).righe, 1);
        QCOMPARE(Valore("SELECT gruppo IS NULL AND percorso IS NOT NULL FROM tesselo.bambini WHERE uuid = CAST(:b AS uuid)",
                        {{":b", ada}}), "true");
        QCOMPARE(Esegui(maestraA, "DELETE FROM tesselo.percorsi WHERE uuid = CAST(:p AS uuid)", {{":p", diA}}).righe, 1);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.bambini WHERE percorso IS NOT NULL"), 0);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.classi WHERE percorso IS NOT NULL"), 0);

        // Moved to 1B, Bea leaves 1B's group and path behind in 1B.
        QVERIFY(Esegui(su, assegna, {{":g", gruppoB}, {":p", diB}, {":b", bea}}).ok);
        QVERIFY(Esegui(su, "UPDATE tesselo.bambini SET simbolo = 'mela' WHERE uuid = CAST(:b AS uuid)", {{":b", bea}}).ok);
        QCOMPARE(Esegui(preside, "UPDATE tesselo.bambini SET classe = CAST(:c AS uuid) WHERE uuid = CAST(:b AS uuid)",
                        {{":c", classe1A}, {":b", bea}}).righe, 1);
        QCOMPARE(Valore("SELECT gruppo IS NULL AND percorso IS NULL FROM tesselo.bambini WHERE uuid = CAST(:b AS uuid)",
                        {{":b", bea}}), "true");
        // An empty class goes with its paths, even the one it is assigned.
        const QString vuota = Esegui(preside, "SELECT tesselo.crea_classe('Vuota', :a)", {{":a", anno}}).primo.toString();
        const QString suo2 = Percorso(vuota, "Suo");
        QVERIFY(Esegui(su, "UPDATE tesselo.classi SET percorso = CAST(:p AS uuid) WHERE uuid = CAST(:c AS uuid)",
                       {{":p", suo2}, {":c", vuota}}).ok);
        QCOMPARE(Esegui(preside, "DELETE FROM tesselo.classi WHERE uuid = CAST(:c AS uuid)", {{":c", vuota}}).righe, 1);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.percorsi WHERE classe = CAST(:c AS uuid)", {{":c", vuota}}), 0);
    }

    // The game's computers read the paths and groups of their classes, and of
    // the answers only the right ones under a path, at most 100 per child,
    // path and step (that they write none of it is tst_schema_postgres's).
    void giocoLeggeIPercorsiDelleSueClassi()
    {
        const QString ada = Bambino(classe1A, "Ada", "gatto");
        const QString bea = Bambino(classe1B, "Bea", "gatto");
        const QString diA = Percorso(classe1A, "Forme"), diB = Percorso(classe1B, "Forme");
        Gruppo(classe1A, "piccoli", diA);
        Gruppo(classe1B, "grandi", diB);
        QCOMPARE(Conta(aula, "SELECT count(*) FROM tesselo.percorsi"), 1);
        QCOMPARE(Conta(aula, "SELECT count(*) FROM tesselo.gruppi"), 1);
        QCOMPARE(Conta(laboratorio, "SELECT count(*) FROM tesselo.percorsi"), 2);
        QCOMPARE(Conta(laboratorio, "SELECT count(*) FROM tesselo.gruppi"), 2);

        // Under a path: 120 right answers of Ada on step 1, 2 wrong, 3 right
        // on step 2; a guest's right one; Bea's in 1B (from the lab); one
        // without a path.
        const QString sulPercorso =
            "INSERT INTO tesselo.risposte (uuid, quando, bambino, classe, gioco, esatta, millisecondi, percorso, passo)"
            " SELECT gen_random_uuid(), now() - i * interval '1 minute', CAST(NULLIF(:b, '') AS uuid), CAST(:c AS uuid),"
            " 'form1', :esatta, 100, CAST(:p AS uuid), :passo FROM generate_series(1, :n) AS i";
        const auto gioca = [&](const QString& classe, const QString& bambino, const QString& percorso, int passo,
                               bool esatta, int n) {
            const Esito e = Esegui(classe == classe1B ? laboratorio : aula, sulPercorso,
                                   {{":b", bambino}, {":c", classe}, {":p", percorso}, {":passo", passo},
                                    {":esatta", esatta}, {":n", n}});
            return e.ok && e.righe == n;
        };
        QVERIFY(gioca(classe1A, ada, diA, 1, true, 120));
        QVERIFY(gioca(classe1A, ada, diA, 1, false, 2));
        QVERIFY(gioca(classe1A, ada, diA, 2, true, 3));
        QVERIFY(gioca(classe1A, "", diA, 1, true, 1));
        QVERIFY(gioca(classe1B, bea, diB, 1, true, 4));
        QVERIFY(Esegui(aula, InserisciRisposta, Risposta(classe1A, ada)).ok);
        // A path without its step, or a step out of any path, is refused.
        QCOMPARE(Esegui(aula, sulPercorso, {{":b", ada}, {":c", classe1A}, {":p", diA}, {":passo", QVariant(QMetaType::fromType<int>())},
                                           {":esatta", true}, {":n", 1}}).codice, QStringLiteral("23514"));
        QCOMPARE(Esegui(aula, sulPercorso, {{":b", ada}, {":c", classe1A}, {":p", diA}, {":passo", 101},
                                           {":esatta", true}, {":n", 1}}).codice, QStringLiteral("23514"));
        const QString conti = "SELECT string_agg(v, ',' ORDER BY v) FROM (SELECT passo || ':' || count(*) AS v"
                              " FROM tesselo.esatte_percorsi() GROUP BY passo) AS t";
        QCOMPARE(Esegui(aula, conti).primo.toString(), QStringLiteral("1:100,2:3"));
        QCOMPARE(Esegui(laboratorio, conti).primo.toString(), QStringLiteral("1:104,2:3"));
        QCOMPARE(Conta(aula, "SELECT count(DISTINCT risposta) FROM tesselo.esatte_percorsi()"), 103);
        QCOMPARE(Conta(aula, "SELECT count(*) FROM tesselo.esatte_percorsi() WHERE bambino <> CAST(:b AS uuid)", {{":b", ada}}), 0);
        QCOMPARE(Esegui(maestraA, "SELECT count(*) FROM tesselo.esatte_percorsi()").codice, Permesso);
        QCOMPARE(Esegui(aula, "SELECT count(*) FROM tesselo.risposte").codice, Permesso);
    }

    // The management's commands and tables are refused to a teacher and to
    // a computer.
    void soloLaDirigenzaGestisce_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("create a class") << "SELECT tesselo.crea_classe('2A', '2026/27')";
        QTest::newRow("grant a class") << "SELECT tesselo.assegna_classe('1B', 'maestra_a')";
        QTest::newRow("take a class back") << "SELECT tesselo.togli_classe('1A', 'pc_aula')";
        QTest::newRow("insert a class") << "INSERT INTO tesselo.classi (nome, anno_scolastico) VALUES ('2A', '2026/27')";
        QTest::newRow("remove a class") << "DELETE FROM tesselo.classi";
        QTest::newRow("read the grants") << "SELECT count(*) FROM tesselo.classi_utenti";
        QTest::newRow("grant oneself") << "INSERT INTO tesselo.classi_utenti VALUES (gen_random_uuid(), 'maestra_a')";
        QTest::newRow("a partition directly") << "SELECT count(*) FROM tesselo.risposte_predefinita";
    }
    void soloLaDirigenzaGestisce()
    {
        QFETCH(QString, sql);
        for (const QSqlDatabase& db : {maestraA, laboratorio}) {
            const Esito e = Esegui(db, sql);
            QVERIFY2(!e.ok, qPrintable(db.userName()));
            QCOMPARE(e.codice, Permesso);
        }
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.classi"), 4);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.classi_utenti"), 5);
    }

    // session_user decides: neither SET ROLE nor a function running with the
    // management's rights widens a teacher's reach.
    void decideSessionUser()
    {
        Bambino(classe1A, "Ada", "gatto");
        Bambino(classe1B, "Bea", "gatto");
        Bambino(classe1C, "Ciro", "gatto");
        QVERIFY(Esegui(maestraA, "SET ROLE tesselo_insegnante").ok);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.bambini"), 1);
        QVERIFY(Esegui(maestraA, "RESET ROLE").ok);
        QVERIFY(Psql("scuola", "CREATE SCHEMA IF NOT EXISTS attrezzi AUTHORIZATION preside;"
                               "GRANT USAGE ON SCHEMA attrezzi TO maestra_a"));
        QVERIFY(Esegui(preside, "CREATE OR REPLACE FUNCTION attrezzi.quanti() RETURNS bigint LANGUAGE sql"
                                " SECURITY DEFINER AS 'SELECT count(*) FROM tesselo.bambini'").ok);
        QVERIFY(Esegui(preside, "GRANT EXECUTE ON FUNCTION attrezzi.quanti() TO maestra_a").ok);
        QCOMPARE(Conta(preside, "SELECT attrezzi.quanti()"), 3);
        QCOMPARE(Conta(maestraA, "SELECT attrezzi.quanti()"), 1);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.mie_classi()"), 1);
    }

    // The management reads every class and manages them through its commands,
    // which check what they are given.
    void dirigenzaGestisceLeClassi()
    {
        Bambino(classe1A, "Ada", "gatto");
        Bambino(classe1C, "Ciro", "gatto");
        QCOMPARE(Conta(preside, "SELECT count(*) FROM tesselo.classi"), 4);
        QCOMPARE(Conta(preside, "SELECT count(*) FROM tesselo.bambini"), 2);
        QCOMPARE(Conta(preside, "SELECT count(*) FROM tesselo.classi_utenti"), 5);

        // A name shared by two school years is the latest year's.
        const Esito vecchia = Esegui(preside, "SELECT tesselo.crea_classe('Sezione Gialli', '2019/20')");
        const Esito nuova = Esegui(preside, "SELECT tesselo.crea_classe('Sezione Gialli', :a)", {{":a", anno}});
        QVERIFY(vecchia.ok && nuova.ok);
        QCOMPARE(Esegui(preside, "SELECT tesselo.crea_classe('Sezione Gialli', :a)", {{":a", anno}}).codice, Doppione);
        QVERIFY(Esegui(preside, "SELECT tesselo.assegna_classe('Sezione Gialli', 'maestra_b')").ok);
        QVERIFY(Esegui(preside, "SELECT tesselo.assegna_classe('Sezione Gialli', 'maestra_b')").ok);
        QCOMPARE(Valore("SELECT string_agg(classe::text, ',') FROM tesselo.classi_utenti WHERE utente = 'maestra_b'"
                        " AND classe <> CAST(:b AS uuid)", {{":b", classe1B}}),
                 nuova.primo.toString());
        QCOMPARE(Conta(maestraB, "SELECT count(*) FROM tesselo.classi"), 2);
        QVERIFY(Esegui(preside, "SELECT tesselo.togli_classe('Sezione Gialli', 'maestra_b')").ok);
        QCOMPARE(Conta(maestraB, "SELECT count(*) FROM tesselo.classi"), 1);
        // An empty class may go; one with children may not.
        QCOMPARE(Esegui(preside, "DELETE FROM tesselo.classi WHERE nome = 'Sezione Gialli'").righe, 2);
        QVERIFY(!Esegui(preside, "DELETE FROM tesselo.classi WHERE uuid = CAST(:c AS uuid)", {{":c", classe1C}}).ok);

        // Refused: an unknown class, a user who is not a teacher's or a
        // computer's login, a grant that is not there, a class that is not
        // well named or dated.
        for (const auto& sql : {"SELECT tesselo.assegna_classe('9Z', 'maestra_a')",
                                "SELECT tesselo.assegna_classe('1A', 'estraneo')",
                                "SELECT tesselo.assegna_classe('1A', 'gruppo_gioco')",
                                "SELECT tesselo.assegna_classe('1A', 'preside')",
                                "SELECT tesselo.assegna_classe('1A', 'nessuno')",
                                "SELECT tesselo.togli_classe('1B', 'maestra_a')",
                                "SELECT tesselo.crea_classe('', '2026/27')",
                                "SELECT tesselo.crea_classe(repeat('x', 101), '2026/27')",
                                "SELECT tesselo.crea_classe(E'1\\u202EA', '2026/27')",
                                "SELECT tesselo.crea_classe('2A', '2026/28')",
                                "SELECT tesselo.crea_classe('2A', '26/27')"})
            QVERIFY2(!Esegui(preside, sql).ok, sql);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.classi_utenti"), 5);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.classi"), 4);
    }

    // A lab computer granted 1A and 1B, a classroom computer granted 1A.
    void computerDiAulaEDiLaboratorio()
    {
        const QString ada = Bambino(classe1A, "Ada", "gatto");
        const QString bea = Bambino(classe1B, "Bea", "gatto");
        const QString ciro = Bambino(classe1C, "Ciro", "gatto");
        QCOMPARE(Conta(laboratorio, "SELECT count(*) FROM tesselo.bambini"), 2);
        QCOMPARE(Conta(laboratorio, "SELECT count(*) FROM tesselo.classi"), 2);
        QCOMPARE(Conta(aula, "SELECT count(*) FROM tesselo.bambini"), 1);
        for (const auto& [classe, bambino] : {std::pair{classe1A, ada}, {classe1B, bea}, {classe1A, QString()},
                                              {classe1B, QString()}}) {
            const Esito e = Esegui(laboratorio, InserisciRisposta, Risposta(classe, bambino));
            QVERIFY2(e.ok && e.righe == 1, qPrintable(e.codice));
        }
        QCOMPARE(Esegui(laboratorio, "SELECT count(*) FROM tesselo.risposte").codice, Permesso);
        QCOMPARE(Esegui(laboratorio, InserisciRisposta, Risposta(classe1C)).codice, Permesso);
        QCOMPARE(Esegui(laboratorio, InserisciRisposta, Risposta(classe1C, ciro)).codice, Permesso);
        QCOMPARE(Esegui(laboratorio, InserisciRisposta, Risposta(classe1A, bea)).codice, Permesso);
        QCOMPARE(Esegui(aula, InserisciRisposta, Risposta(classe1B)).codice, Permesso);
        // Without a class named, the only class of the computer; a lab
        // computer must name one.
        const QString senzaClasse = "INSERT INTO tesselo.risposte (uuid, quando, bambino, gioco, esatta, millisecondi)"
                                    " VALUES (gen_random_uuid(), now(), CAST(:b AS uuid), 'form1', true, 1)";
        QCOMPARE(Esegui(aula, senzaClasse, {{":b", ada}}).righe, 1);
        QVERIFY(!Esegui(laboratorio, senzaClasse, {{":b", ada}}).ok);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.risposte WHERE classe = CAST(:c AS uuid)", {{":c", classe1A}}), 3);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.risposte WHERE classe = CAST(:c AS uuid)", {{":c", classe1B}}), 2);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.risposte"), 5);
    }

    // A child moved to another class takes their answers along; a teacher
    // may move one only between her own classes.
    void bambinoSpostatoConLeSueRisposte()
    {
        const QString ada = Bambino(classe1A, "Ada", "gatto");
        Bambino(classe1B, "Bea", "gatto");
        QVERIFY(Esegui(su, InserisciRisposta, Risposta(classe1A, ada)).ok);
        QVERIFY(Esegui(su, InserisciRisposta, Risposta(classe1A, ada)).ok);
        const QString sposta = "UPDATE tesselo.bambini SET classe = CAST(:c AS uuid) WHERE uuid = CAST(:b AS uuid)";
        QCOMPARE(Esegui(preside, sposta, {{":c", classe1B}, {":b", ada}}).codice, Doppione);  // "gatto" is taken in 1B
        QVERIFY(Esegui(preside, "UPDATE tesselo.bambini SET simbolo = 'mela' WHERE uuid = CAST(:b AS uuid)", {{":b", ada}}).ok);
        QCOMPARE(Esegui(maestraA, sposta, {{":c", classe1B}, {":b", ada}}).codice, Permesso);
        QCOMPARE(Esegui(preside, sposta, {{":c", classe1B}, {":b", ada}}).righe, 1);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.risposte WHERE classe = CAST(:c AS uuid)", {{":c", classe1B}}), 2);
        QCOMPARE(Conta(maestraB, "SELECT count(*) FROM tesselo.risposte"), 2);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.risposte"), 0);
        QVERIFY(Esegui(preside, sposta, {{":c", classe1A}, {":b", ada}}).ok);
    }

    // The new school year: a teacher moves her class up in place, renamed;
    // its children and answers stay; the new year's partition appears.
    void nuovoAnnoScolastico()
    {
        const QString ada = Bambino(classe1A, "Ada", "gatto");
        QVERIFY(Esegui(su, InserisciRisposta, Risposta(classe1A, ada)).ok);
        const QString seguente = Valore("SELECT tesselo.anno_scolastico_di(CAST(current_date + interval '1 year' AS date))");
        QVERIFY(!seguente.isEmpty() && seguente != anno);
        const QString partizione = "tesselo.risposte_" + QString(seguente).replace('/', '_');
        QVERIFY(Valore("SELECT to_regclass(:p)::text", {{":p", partizione}}).isEmpty());
        const QString sali = "UPDATE tesselo.classi SET nome = :n, anno_scolastico = :a WHERE uuid = CAST(:c AS uuid)";
        QCOMPARE(Esegui(maestraA, sali, {{":n", "2A"}, {":a", "2026/28"}, {":c", classe1A}}).codice,
                 QStringLiteral("23514"));
        QCOMPARE(Esegui(maestraA, sali, {{":n", "2B"}, {":a", seguente}, {":c", classe1B}}).righe, 0);
        const Esito salita = Esegui(maestraA, sali, {{":n", "2A"}, {":a", seguente}, {":c", classe1A}});
        QVERIFY2(salita.ok, qPrintable(salita.codice));
        QCOMPARE(salita.righe, 1);
        QCOMPARE(Valore("SELECT to_regclass(:p)::text", {{":p", partizione}}), partizione);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.bambini"), 1);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.risposte"), 1);
        QCOMPARE(Partizione(ada), "tesselo.risposte_" + QString(anno).replace('/', '_'));
        QCOMPARE(Conta(aula, "SELECT count(*) FROM tesselo.classi WHERE nome = '2A'"), 1);
        QVERIFY(Esegui(maestraA, sali, {{":n", "1A"}, {":a", anno}, {":c", classe1A}}).ok);
    }

    // An answer dated outside every school year with a partition is kept in
    // the default partition; creating its year later moves it there. A past
    // year can be detached, and is then left alone.
    void partizioniDegliAnni()
    {
        const QString ada = Bambino(classe1A, "Ada", "gatto");
        QVERIFY(Esegui(laboratorio, InserisciRisposta, Risposta(classe1A, ada, "2041-03-02T10:00:00Z")).ok);
        QCOMPARE(Partizione(ada), "tesselo.risposte_predefinita");
        QVERIFY(Esegui(preside, "SELECT tesselo.crea_classe('Futura', '2040/41')").ok);
        QCOMPARE(Partizione(ada), "tesselo.risposte_2040_41");
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.risposte_predefinita"), 0);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.risposte"), 1);

        // Detached and kept: out of the answers, refused as a new partition.
        QVERIFY(Psql("scuola", "ALTER TABLE tesselo.risposte DETACH PARTITION tesselo.risposte_2040_41"));
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.risposte"), 0);
        QCOMPARE(Conta(su, "SELECT count(*) FROM tesselo.risposte_2040_41"), 1);
        QCOMPARE(Conta(maestraA, "SELECT count(*) FROM tesselo.risposte_2040_41"), -1);
        const Esito ancora = Esegui(preside, "SELECT tesselo.crea_classe('Futura 2', '2040/41')");
        QVERIFY(!ancora.ok);
        QCOMPARE(ancora.codice, QStringLiteral("42P07"));  // duplicate_table
        QVERIFY(Psql("scuola", "DROP TABLE tesselo.risposte_2040_41"));
        QVERIFY(Esegui(preside, "SELECT tesselo.crea_classe('Futura 2', '2040/41')").ok);
        QVERIFY(Esegui(preside, "DELETE FROM tesselo.classi WHERE nome LIKE 'Futura%'").ok);
    }

    // A register of version 2 (one class, symbols unique on the server)
    // becomes "La mia classe" with every child and answer, granted to every
    // login user of the game and of the teachers, directly or through a
    // group, that may connect to it, and to nobody else.
    void migrazioneDallaVersione2()
    {
        QVERIFY(server.creaDatabase("vecchia"));
        QVERIFY2(server.eseguiFile("vecchia", QStringLiteral(TESSELO_SCHEMA_VERSIONE_2)), qPrintable(server.errore()));
        // Another school's computer on the same cluster may not connect here.
        QVERIFY(Psql("vecchia", "CREATE ROLE pc_gruppo LOGIN IN ROLE gruppo_gioco;"
                                "CREATE ROLE pc_altra_scuola LOGIN IN ROLE tesselo_gioco;"
                                "REVOKE CONNECT ON DATABASE vecchia FROM PUBLIC;"
                                "GRANT CONNECT ON DATABASE vecchia TO maestra_a, maestra_b, pc_aula, pc_lab, gruppo_gioco"));
        QSqlDatabase vecchia = server.connetti("vecchia", ServerPostgres::Superutente, "vecchia");
        QVERIFY(vecchia.isOpen());
        QCOMPARE(Conta(vecchia, "SELECT versione FROM tesselo.versione"), 2);
        QVERIFY(Esegui(vecchia, "INSERT INTO tesselo.bambini (nome, cognome, simbolo)"
                                " SELECT 'Bambino ' || i, 'Cognome', 's' || i FROM generate_series(1, 30) AS i").ok);
        // Answers of this school year and the last, of guests, from before
        // the game could set a clock, and one written before version 2's
        // sizes (kept, as version 2 kept it).
        QVERIFY(Esegui(vecchia, "INSERT INTO tesselo.risposte (uuid, quando, bambino, gioco, domande, blocchi, risposta, esatta, millisecondi)"
                                " SELECT gen_random_uuid(), now() - i * interval '1 hour',"
                                " CASE WHEN i % 10 = 0 THEN NULL ELSE (SELECT uuid FROM tesselo.bambini WHERE simbolo = 's' || (1 + i % 30)) END,"
                                " 'form1', '[{\"attributo\": \"colore\", \"valore\": \"rosso\", \"negata\": false}]', '[]', 'SI', i % 3 = 0, i"
                                " FROM generate_series(0, 9999) AS i").ok);
        QVERIFY(Esegui(vecchia, "INSERT INTO tesselo.risposte (uuid, quando, gioco, esatta, millisecondi)"
                                " VALUES (gen_random_uuid(), '1970-01-01', 'form1', true, 1)").ok);
        QVERIFY(Esegui(vecchia, "ALTER TABLE tesselo.risposte DROP CONSTRAINT risposta_breve").ok);
        QVERIFY(Esegui(vecchia, "INSERT INTO tesselo.risposte (uuid, quando, gioco, risposta, esatta, millisecondi)"
                                " VALUES (gen_random_uuid(), now(), 'form1', repeat('x', 300), true, 1)").ok);
        QVERIFY(Esegui(vecchia, "ALTER TABLE tesselo.risposte ADD CONSTRAINT risposta_breve CHECK (char_length(risposta) <= 200) NOT VALID").ok);
        const QString impronta = "SELECT md5(string_agg(concat_ws('|', r.uuid, r.quando, r.bambino, b.nome, b.simbolo, r.gioco,"
                                 " r.domande, r.blocchi, r.risposta, r.esatta, r.millisecondi), ',' ORDER BY r.uuid))"
                                 " FROM tesselo.risposte r LEFT JOIN tesselo.bambini b ON b.uuid = r.bambino";
        const QString prima = Esegui(vecchia, impronta).primo.toString();
        QVERIFY(!prima.isEmpty());

        QVERIFY2(server.eseguiFile("vecchia", ServerPostgres::FileSchema()), qPrintable(server.errore()));
        QCOMPARE(Conta(vecchia, "SELECT versione FROM tesselo.versione"), 5);
        QCOMPARE(Esegui(vecchia, impronta).primo.toString(), prima);
        QCOMPARE(Conta(vecchia, "SELECT count(*) FROM tesselo.risposte"), 10002);
        QCOMPARE(Conta(vecchia, "SELECT count(*) FROM tesselo.bambini WHERE classe = CAST(:m AS uuid)", {{":m", Mia}}), 30);
        QCOMPARE(Conta(vecchia, "SELECT count(*) FROM tesselo.risposte WHERE classe = CAST(:m AS uuid)", {{":m", Mia}}), 10002);
        QCOMPARE(Esegui(vecchia, "SELECT nome || ' ' || anno_scolastico FROM tesselo.classi").primo.toString(),
                 "La mia classe " + anno);
        QCOMPARE(Esegui(vecchia, "SELECT string_agg(utente, ',' ORDER BY utente) FROM tesselo.classi_utenti").primo.toString(),
                 "maestra_a,maestra_b,pc_aula,pc_gruppo,pc_lab");
        QCOMPARE(Conta(vecchia, "SELECT count(*) FROM tesselo.risposte_predefinita"), 1);  // 1970
        QVERIFY(Conta(vecchia, "SELECT count(*) FROM pg_inherits WHERE inhparent = 'tesselo.risposte'::regclass") >= 2);

        // The migrated class works as one: a teacher reads it, a computer
        // writes to it without naming it.
        QSqlDatabase maestra = server.connetti("vecchia maestra", "maestra_a", "vecchia");
        QSqlDatabase pc = server.connetti("vecchia pc", "pc_gruppo", "vecchia");
        QCOMPARE(Conta(maestra, "SELECT count(*) FROM tesselo.risposte"), 10002);
        QCOMPARE(Esegui(pc, "INSERT INTO tesselo.risposte (uuid, quando, gioco, esatta, millisecondi)"
                            " VALUES (gen_random_uuid(), now(), 'form1', true, 1) ON CONFLICT DO NOTHING").righe, 1);
        // A symbol is now unique in the class only.
        QCOMPARE(Esegui(maestra, "INSERT INTO tesselo.bambini (nome, simbolo) VALUES ('Eva', 's1')").codice, Doppione);
    }

    // A new register has "La mia classe" too, granted to nobody: the roles
    // of a cluster serve every database on it.
    void registroNuovoSenzaAssegnazioni()
    {
        QVERIFY(server.creaDatabase("nuova") && server.eseguiFile("nuova", ServerPostgres::FileSchema()));
        QSqlDatabase nuova = server.connetti("nuova", ServerPostgres::Superutente, "nuova");
        QCOMPARE(Esegui(nuova, "SELECT uuid::text FROM tesselo.classi").primo.toString(), Mia);
        QCOMPARE(Conta(nuova, "SELECT count(*) FROM tesselo.classi_utenti"), 0);
        QSqlDatabase maestra = server.connetti("nuova maestra", "maestra_a", "nuova");
        QCOMPARE(Conta(maestra, "SELECT count(*) FROM tesselo.classi"), 0);
    }
};

QTEST_GUILESS_MAIN(TestScuolaRuoli)
#include "tst_scuola_ruoli.moc"
