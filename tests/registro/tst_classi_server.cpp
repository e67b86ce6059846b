// A school of several classes on its PostgreSQL server, through real
// connections of each login user to a server started by the test: a lab
// computer copies every class granted to it, with their children, and its
// answers reach the right class; a classroom computer copies its one; a
// class taken back leaves the copy once its queue is empty, its answers
// refused and set aside. The teachers' program as a teacher reaches only
// her classes and cannot create one; as the school's management it creates
// classes and grants them; the new school year, a child moved and a merge
// into the chosen class. An upgraded computer's queue reaches the upgraded
// server's class.
#include "registro/Archivio.h"
#include "registro/ArchivioServer.h"
#include "registro/Codici.h"
#include "registro/Invio.h"
#include "registro/Schema.h"
#include "percorsi/Percorso.h"
#include "tests/support/CatturaStderr.h"
#include "tests/support/ServerPostgres.h"
#include "tests/support/ValoreSqlite.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <mutex>

using namespace Registro;

namespace {

const QString Database = QStringLiteral("tesselo");
const QString Maestra = QStringLiteral("maestra");
const QString Preside = QStringLiteral("preside");
const QString Laboratorio = QStringLiteral("laboratorio");
const QString Aula = QStringLiteral("aula");

Risposta Risp(int n)
{
    Risposta r = NuovaRisposta();
    r.schermo = "FORM2";
    r.gioco = "insiemi";
    r.domande = {{"colore", "blu", false}};
    r.blocchi = {Blocco::tutti().value(n % 48)};
    r.risposta = QString::number(n);
    r.esatta = n % 2 == 0;
    r.millisecondi = 500 + n;
    return r;
}

QString Testo(const QUuid& u)
{
    return u.toString(QUuid::WithoutBraces);
}

// A local register's classes and their children, as text: "1A: Anna gatto, ..."
QStringList Copia(const QString& file)
{
    Archivio a;
    if (a.apri(file, false) != Accesso::Ok)
        return {"non si apre: " + a.ultimoErrore()};
    QStringList righe;
    for (const Classe& c : a.classi()) {
        QStringList figli;
        a.scegliClasse(c.id);
        for (const Bambino& b : a.bambini())
            figli << b.nome + ' ' + b.simbolo;
        righe << c.nome + ": " + figli.join(", ");
    }
    return righe;
}

// A path of two steps: two right answers in «uguale - diverso» with shape
// and colour in play, then one in «insiemi».
Percorso DueGiochi(const QString& nome)
{
    return {nome, "forme e colori", false, {{"form1", {1, 2}, 2}, {"FORM2", {}, 1}}};
}

// An answer given under a step of a path.
std::pair<Risposta, qint64> Sul(const QUuid& percorso, int passo, bool esatta, qint64 bambino)
{
    Risposta r = Risp(passo);
    r.esatta = esatta;
    r.percorso = percorso;
    r.passo = passo;
    return {r, bambino};
}

// Each child's progress as "Name: path 2/1", in bambini() order.
QStringList Avanzamenti(const Deposito& d)
{
    QHash<qint64, QString> nomi;
    for (const Bambino& b : d.bambini())
        nomi.insert(b.id, b.nome);
    QStringList righe;
    for (const AvanzamentoBambino& a : d.avanzamenti()) {
        QStringList conti;
        for (const int n : a.esatte)
            conti << QString::number(n);
        righe << QStringLiteral("%1: %2 %3").arg(nomi.value(a.bambino), a.percorso.percorso.nome, conti.join('/'));
    }
    return righe;
}

std::optional<Classe> LaClasse(const Deposito& d, const QString& nome)
{
    return TrovaClasse(d.classi(), nome);
}

} // namespace

class TestClassiServer : public QObject {
    Q_OBJECT

    ServerPostgres server;
    std::unique_ptr<QTemporaryDir> cartella;
    const QString anno = AnnoScolasticoDi(QDate::currentDate());
    QString primaA, primaB;  // the uuids of the classes 1A and 1B

    QVariant sql(const QString& istruzione) { return Interroga(QStringLiteral("super"), istruzione); }
    Impostazioni imp(const QString& utente) const
    {
        Impostazioni i;
        i.host = server.cartella();
        i.porta = ServerPostgres::Porta;
        i.database = Database;
        i.utente = utente;
        return i;
    }
    QString creaClasse(const QString& nome)
    {
        return sql(QStringLiteral("SELECT tesselo.crea_classe('%1', '%2')::text").arg(nome, anno)).toString();
    }
    bool assegna(const QString& classe, const QString& utente)
    {
        return sql(QStringLiteral("SELECT tesselo.assegna_classe('%1', '%2')").arg(classe, utente)).isValid();
    }
    QString nuovoBambino(const QString& classe, const QString& nome, const QString& simbolo)
    {
        const QString uuid = Testo(QUuid::createUuid());
        return sql(QStringLiteral("INSERT INTO tesselo.bambini (uuid, nome, simbolo, classe) VALUES ('%1', '%2', '%3', '%4')")
                       .arg(uuid, nome, simbolo, classe)).isValid() ? uuid : QString();
    }
    // The class on the server of each answer, as "name:answer", sorted.
    QStringList classiDelleRisposte()
    {
        return sql("SELECT string_agg(v, '|' ORDER BY v) FROM (SELECT c.nome || ':' || r.risposta AS v"
                   " FROM tesselo.risposte r JOIN tesselo.classi c ON c.uuid = r.classe) t")
            .toString().split('|', Qt::SkipEmptyParts);
    }
    // Runs the sender of utente on the register at file until it has copied
    // the classes and sent every answer queued (or set it aside).
    bool inviaTutto(const QString& utente, const QString& file)
    {
        std::atomic<int> copie = 0;
        Invio invio(imp(utente), file);
        invio.quandoClasseCopiata([&] { ++copie; });
        return QTest::qWaitFor([&] { return copie.load() >= 1; }, 15000)
            && QTest::qWaitFor([&] { return Valore(file, "SELECT count(*) FROM da_inviare").toInt() == 0; }, 15000);
    }
    // Answers recorded on a computer's register in a class: a child's
    // (simbolo) and a guest's, their texts given.
    bool gioca(const QString& file, const QString& classe, const QString& simbolo, const QStringList& testi)
    {
        Archivio a;
        if (a.apri(file) != Accesso::Ok)
            return false;
        const std::optional<Classe> c = LaClasse(a, classe);
        if (!c || !a.scegliClasse(c->id))
            return false;
        qint64 chi = 0;
        for (const Bambino& b : a.bambini())
            if (b.simbolo == simbolo)
                chi = b.id;
        QList<std::pair<Risposta, qint64>> risposte;
        for (int i = 0; i < testi.size(); ++i) {
            Risposta r = Risp(i);
            r.risposta = testi.at(i);
            risposte.append({r, i == 0 ? chi : 0});
        }
        return chi != 0 && a.registraTutte(risposte) == Accesso::Ok;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(server.avvia(), qPrintable(server.errore()));
        QVERIFY2(server.creaRegistro(Database, {{Maestra, "tesselo_insegnante"}, {Preside, "tesselo_dirigenza"},
                                                {Laboratorio, "tesselo_gioco"}, {Aula, "tesselo_gioco"}}),
                 qPrintable(server.errore()));
        QVERIFY(server.connetti("super", ServerPostgres::Superutente, Database).isOpen());
    }
    void init()
    {
        for (const char* tabella : {"risposte", "bambini", "gruppi", "percorsi", "classi_utenti", "classi", "computer"})
            QVERIFY(sql(QStringLiteral("DELETE FROM tesselo.%1").arg(QLatin1String(tabella))).isValid());
        // Two classes of the school, each with a child whose symbol the
        // other's child has too: the lab's computer serves both, the
        // classroom's 1A alone, and the teacher teaches 1A.
        primaA = creaClasse("1A");
        primaB = creaClasse("1B");
        QVERIFY(!primaA.isEmpty() && !primaB.isEmpty());
        QVERIFY(!nuovoBambino(primaA, "Anna", "gatto").isEmpty());
        QVERIFY(!nuovoBambino(primaB, "Bruno", "gatto").isEmpty());
        QVERIFY(!nuovoBambino(primaB, "Carla", "cane").isEmpty());
        QVERIFY(assegna("1A", Laboratorio) && assegna("1B", Laboratorio) && assegna("1A", Aula) && assegna("1A", Maestra));
        cartella = std::make_unique<QTemporaryDir>();
    }

    void laboratorioEAula();
    void classeTolta();
    void insegnanteSoloLeSue();
    void dirigenza();
    void nuovoAnnoESpostamento();
    void unioneNellaClasseScelta();
    void computerAggiornato();
    void percorsiDellaMaestra();
    void passoSuDueComputer();
};

void TestClassiServer::laboratorioEAula()
{
    // The lab's computer copies both classes, the same symbol in each, and
    // the answers recorded in each class land in it on the server, a
    // guest's too.
    const QString lab = cartella->filePath("laboratorio.sqlite");
    QVERIFY(inviaTutto(Laboratorio, lab));
    QCOMPARE(Copia(lab), (QStringList{"1A: Anna gatto", "1B: Bruno gatto, Carla cane"}));
    QVERIFY(gioca(lab, "1A", "gatto", {"anna", "ospite in 1A"}));
    QVERIFY(gioca(lab, "1B", "gatto", {"bruno"}));
    QVERIFY(inviaTutto(Laboratorio, lab));
    QCOMPARE(classiDelleRisposte(), (QStringList{"1A:anna", "1A:ospite in 1A", "1B:bruno"}));
    QCOMPARE(sql("SELECT count(*) FROM tesselo.risposte r JOIN tesselo.bambini b ON b.uuid = r.bambino"
                 " WHERE b.classe = r.classe").toInt(), 2);
    QCOMPARE(Valore(lab, "SELECT count(*) FROM rifiutate").toInt(), 0);
    // The classroom's computer, granted 1A alone, copies it alone.
    const QString aula = cartella->filePath("aula.sqlite");
    QVERIFY(inviaTutto(Aula, aula));
    QCOMPARE(Copia(aula), QStringList{"1A: Anna gatto"});
    // A class renamed on the server is renamed in the copy, and a child
    // moved there follows.
    QVERIFY(sql(QStringLiteral("UPDATE tesselo.classi SET nome = '2B' WHERE uuid = '%1'").arg(primaB)).isValid());
    QVERIFY(sql(QStringLiteral("UPDATE tesselo.bambini SET classe = '%1', simbolo = 'mela' WHERE nome = 'Carla'")
                    .arg(primaA)).isValid());
    QVERIFY(inviaTutto(Laboratorio, lab));
    QCOMPARE(Copia(lab), (QStringList{"1A: Anna gatto, Carla mela", "2B: Bruno gatto"}));
}

void TestClassiServer::classeTolta()
{
    // 1B is taken back from the lab while its answers are still queued
    // there: the copy keeps 1B until they are out of the queue, the server
    // refuses them (the class is not granted) and they are set aside with
    // its reason; then 1B leaves the copy, and 1A's answers arrive.
    const QString lab = cartella->filePath("laboratorio.sqlite");
    QVERIFY(inviaTutto(Laboratorio, lab));
    QVERIFY(gioca(lab, "1A", "gatto", {"anna"}));
    QVERIFY(gioca(lab, "1B", "gatto", {"bruno", "ospite in 1B"}));
    QVERIFY(sql("SELECT tesselo.togli_classe('1B', 'laboratorio')").isValid());
    std::mutex mutex;
    QList<int> classiCopiate;   // the local classes after each copy
    std::atomic<int> inviate = 0;
    CatturaStderr errori;
    Invio invio(imp(Laboratorio), lab);
    invio.quandoClasseCopiata([&] {
        const int n = Valore(lab, "SELECT count(*) FROM classi").toInt();
        std::lock_guard blocco(mutex);
        classiCopiate.append(n);
    });
    invio.quandoInviate([&](int n, int) { inviate += n; });
    QTRY_COMPARE_WITH_TIMEOUT(inviate.load(), 1, 15000);
    QCOMPARE(Valore(lab, "SELECT count(*) FROM da_inviare").toInt(), 0);
    QCOMPARE(classiDelleRisposte(), QStringList{"1A:anna"});
    QCOMPARE(Valore(lab, "SELECT count(*) FROM rifiutate").toInt(), 2);
    const QString motivo = Valore(lab, "SELECT motivo FROM rifiutate").toString();
    QVERIFY2(motivo.contains("row-level security"), qPrintable(motivo));
    {
        std::lock_guard blocco(mutex);
        QCOMPARE(classiCopiate.value(0), 2);
    }
    // The next round finds nothing of 1B's queued: 1B leaves the copy.
    invio.sveglia();
    QTRY_COMPARE_WITH_TIMEOUT(Copia(lab), QStringList{"1A: Anna gatto"}, 15000);
    QCOMPARE(Valore(lab, "SELECT count(*) FROM risposte").toInt(), 1);
    // The refused answers left with the child and the class they were of,
    // and a line says so for each.
    for (const char* riga : {"1 risposte rifiutate dal server tolte da questo computer con un bambino",
                             "1 risposte rifiutate dal server tolte da questo computer con la sua classe"})
        QVERIFY2(errori.testo().contains(riga), qPrintable(errori.testo()));
}

void TestClassiServer::insegnanteSoloLeSue()
{
    // The teacher granted 1A sees 1A alone, chosen at once; 1B's children
    // are the server's secret; she cannot create a class, nor grant one.
    QVERIFY(sql(QStringLiteral("INSERT INTO tesselo.risposte (uuid, quando, classe, gioco, esatta, millisecondi)"
                               " VALUES (gen_random_uuid(), now(), '%1', 'form1', true, 5)").arg(primaB)).isValid());
    ArchivioServer maestra;
    QCOMPARE(maestra.apri(imp(Maestra)), Accesso::Ok);
    const QList<Classe> sue = maestra.classi();
    QCOMPARE(sue.size(), 1);
    QCOMPARE(sue.first().nome, QStringLiteral("1A"));
    QCOMPARE(sue.first().uuid, QUuid(primaA));
    QCOMPARE(sue.first().annoScolastico, anno);
    QCOMPARE(maestra.classeScelta(), sue.first());
    QCOMPARE(maestra.bambini().size(), 1);
    QCOMPARE(maestra.bambini().first().nome, QStringLiteral("Anna"));
    QVERIFY(maestra.risposte().isEmpty());
    QVERIFY(!maestra.dirigenza());
    maestra.nuovaLettura();
    QVERIFY(!maestra.assegnazioni());
    QCOMPARE(maestra.erroreLettura(), QString());
    // A child of hers added goes into 1A, even with a symbol 1B uses.
    QVERIFY(maestra.salva({0, {}, "Dario", {}, "cane"}));
    QCOMPARE(sql(QStringLiteral("SELECT count(*) FROM tesselo.bambini WHERE classe = '%1'").arg(primaA)).toInt(), 2);
    QVERIFY(!maestra.salvaClasse({0, {}, "2C", anno}));
    QCOMPARE(maestra.ultimoErrore(), QStringLiteral("solo la dirigenza della scuola può creare una classe"));
    QVERIFY(!maestra.assegnaClasse(sue.first().id, Aula));
    QVERIFY2(maestra.ultimoErrore().startsWith("solo la dirigenza della scuola"), qPrintable(maestra.ultimoErrore()));
    QCOMPARE(sql("SELECT count(*) FROM tesselo.classi").toInt(), 2);
    // Renaming her own class is hers to do.
    Classe rinominata = sue.first();
    rinominata.nome = "Sezione Gialli";
    QVERIFY2(maestra.salvaClasse(rinominata), qPrintable(maestra.ultimoErrore()));
    QCOMPARE(sql(QStringLiteral("SELECT nome FROM tesselo.classi WHERE uuid = '%1'").arg(primaA)).toString(),
             QStringLiteral("Sezione Gialli"));
}

void TestClassiServer::dirigenza()
{
    // The head of school reads every class, creates one (its name cleaned
    // of what turns text around, which the server refuses) and grants it: the
    // teacher, opening the register again, has two classes and none chosen
    // until she picks one; taken back, one again.
    ArchivioServer preside;
    QCOMPARE(preside.apri(imp(Preside)), Accesso::Ok);
    QVERIFY(preside.dirigenza());
    QCOMPARE(preside.classi().size(), 2);
    QVERIFY(!preside.classeScelta());
    QVERIFY(preside.bambini().isEmpty());
    QVERIFY(!preside.salva({0, {}, "Elsa", {}, "mela"}));
    QCOMPARE(preside.ultimoErrore(), QStringLiteral("scegli una classe"));
    const std::optional<Classe> nuova = preside.salvaClasse({0, {}, QStringLiteral("2C\u202E"), anno});
    QVERIFY2(nuova, qPrintable(preside.ultimoErrore()));
    QCOMPARE(nuova->nome, QStringLiteral("2C"));
    QVERIFY(!nuova->uuid.isNull());
    QVERIFY(!preside.salvaClasse({0, {}, "2C", anno}));
    QVERIFY2(preside.ultimoErrore().contains("2C"), qPrintable(preside.ultimoErrore()));
    QVERIFY2(preside.assegnaClasse(nuova->id, Maestra), qPrintable(preside.ultimoErrore()));
    const auto assegnate = preside.assegnazioni();
    QVERIFY(assegnate);
    QVERIFY(std::any_of(assegnate->cbegin(), assegnate->cend(),
                        [&](const Assegnazione& a) { return a.classe == nuova->id && a.utente == Maestra; }));
    {
        ArchivioServer maestra;
        QCOMPARE(maestra.apri(imp(Maestra)), Accesso::Ok);
        QCOMPARE(maestra.classi().size(), 2);
        QVERIFY(!maestra.classeScelta());
        QVERIFY(!maestra.salva({0, {}, "Elsa", {}, "mela"}));
        QCOMPARE(maestra.ultimoErrore(), QStringLiteral("scegli una classe"));
        QVERIFY(maestra.scegliClasse(LaClasse(maestra, "2C")->id));
        QVERIFY(maestra.salva({0, {}, "Elsa", {}, "mela"}));
        // Not empty: the class stays.
        QVERIFY(!maestra.rimuoviClasse(LaClasse(maestra, "2C")->id));
    }
    QVERIFY2(preside.togliClasse(nuova->id, Maestra), qPrintable(preside.ultimoErrore()));
    ArchivioServer maestra;
    QCOMPARE(maestra.apri(imp(Maestra)), Accesso::Ok);
    QCOMPARE(maestra.classi().size(), 1);
    // An empty class is removed by the management.
    const std::optional<Classe> vuota = preside.salvaClasse({0, {}, "3D", anno});
    QVERIFY(vuota);
    QVERIFY2(preside.rimuoviClasse(vuota->id), qPrintable(preside.ultimoErrore()));
    QCOMPARE(sql("SELECT count(*) FROM tesselo.classi WHERE nome = '3D'").toInt(), 0);
}

void TestClassiServer::nuovoAnnoESpostamento()
{
    // The teacher of 1A and 1B moves both up a year in one step: the same
    // classes, children and answers. A step that cannot be done whole
    // changes nothing. Then a child moves from one of her classes to the
    // other with their answers.
    QVERIFY(assegna("1B", Maestra));
    QVERIFY(sql(QStringLiteral("INSERT INTO tesselo.risposte (uuid, quando, bambino, classe, gioco, esatta, millisecondi)"
                               " SELECT gen_random_uuid(), now(), uuid, classe, 'form1', true, 5 FROM tesselo.bambini"))
                .isValid());
    ArchivioServer maestra;
    QCOMPARE(maestra.apri(imp(Maestra)), Accesso::Ok);
    Classe a = *LaClasse(maestra, "1A"), b = *LaClasse(maestra, "1B");
    const QString seguente = *AnnoSeguente(anno);
    a.nome = "2A";
    a.annoScolastico = seguente;
    b.nome = "2A";   // taken by the other: nothing changes
    b.annoScolastico = seguente;
    QVERIFY(!maestra.nuovoAnno({a, b}));
    QCOMPARE(sql("SELECT string_agg(nome, ',' ORDER BY nome) FROM tesselo.classi").toString(), QStringLiteral("1A,1B"));
    b.nome = "2B";
    QVERIFY2(maestra.nuovoAnno({a, b}), qPrintable(maestra.ultimoErrore()));
    QCOMPARE(sql(QStringLiteral("SELECT nome || ' ' || anno_scolastico FROM tesselo.classi WHERE uuid = '%1'").arg(primaA))
                 .toString(), "2A " + seguente);
    QCOMPARE(sql(QStringLiteral("SELECT count(*) FROM tesselo.bambini WHERE classe = '%1'").arg(primaB)).toInt(), 2);
    QCOMPARE(sql(QStringLiteral("SELECT count(*) FROM tesselo.risposte WHERE classe = '%1'").arg(primaB)).toInt(), 2);
    QVERIFY(maestra.scegliClasse(b.id));
    QCOMPARE(maestra.risposte().size(), 2);
    // Bruno's symbol is Anna's in 2A: refused; Carla's is free there.
    qint64 bruno = 0, carla = 0;
    for (const Bambino& x : maestra.bambini())
        (x.nome == "Bruno" ? bruno : carla) = x.id;
    QVERIFY(!maestra.spostaBambino(bruno, a.id));
    QVERIFY2(maestra.spostaBambino(carla, a.id), qPrintable(maestra.ultimoErrore()));
    QCOMPARE(maestra.bambini().size(), 1);
    QCOMPARE(maestra.risposte().size(), 1);
    QVERIFY(maestra.scegliClasse(a.id));
    QCOMPARE(maestra.bambini().size(), 2);
    QCOMPARE(maestra.risposte().size(), 2);
}

void TestClassiServer::unioneNellaClasseScelta()
{
    // A computer's register merged by the teacher of 1A and 1B goes into the
    // class she chose, 1B: its child and answers, none into 1A.
    QVERIFY(assegna("1B", Maestra));
    const QString file = cartella->filePath("altro.sqlite");
    {
        Archivio altro;
        QCOMPARE(altro.apri(file), Accesso::Ok);
        const auto elsa = altro.salva({0, {}, "Elsa", {}, "mela"});
        QVERIFY(elsa);
        QCOMPARE(altro.registraTutte({{Risp(1), elsa->id}, {Risp(2), 0}}), Accesso::Ok);
    }
    ArchivioServer maestra;
    QCOMPARE(maestra.apri(imp(Maestra)), Accesso::Ok);
    QVERIFY(!maestra.unisci(file));
    QCOMPARE(maestra.ultimoErrore(), QStringLiteral("scegli una classe"));
    QVERIFY(maestra.scegliClasse(LaClasse(maestra, "1B")->id));
    QCOMPARE(maestra.unisci(file), std::optional<int>(2));
    QCOMPARE(sql(QStringLiteral("SELECT classe::text FROM tesselo.bambini WHERE nome = 'Elsa'")).toString(), primaB);
    QCOMPARE(classiDelleRisposte(), (QStringList{"1B:1", "1B:2"}));
}

void TestClassiServer::computerAggiornato()
{
    // A school that ran one class: the server at schema version 2 and a
    // classroom computer whose register (version 3) has answers queued, a
    // child's and a guest's. Both are upgraded: the computer's answers
    // reach the server's migrated class, "La mia classe", the same class.
    QVERIFY(server.creaDatabase("vecchio"));
    QVERIFY2(server.eseguiFile("vecchio", QStringLiteral(TESSELO_SCHEMA_VERSIONE_2)), qPrintable(server.errore()));
    QVERIFY(server.client("psql", {"-X", "-q", "-d", "vecchio", "-c", "CREATE ROLE aula_vecchia LOGIN IN ROLE tesselo_gioco"}));
    const QUuid anna = QUuid::createUuid();
    QVERIFY(server.client("psql", {"-X", "-q", "-d", "vecchio", "-c",
                                   QStringLiteral("INSERT INTO tesselo.bambini (uuid, nome, simbolo) VALUES ('%1', 'Anna', 'gatto')")
                                       .arg(Testo(anna))}));
    // The computer's register as version 3 left it: the steps up to 3 alone.
    const QString computer = cartella->filePath("computer.sqlite");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "vecchio");
        db.setDatabaseName(computer);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (int v = 0; v < 3; ++v)
            for (const QString& istruzione : Schema::Passo(v))
                QVERIFY2(q.exec(istruzione), qPrintable(q.lastError().text()));
        QVERIFY(q.exec("PRAGMA user_version = 3"));
        QVERIFY(q.prepare("INSERT INTO bambini (uuid, nome, simbolo) VALUES (?, 'Anna', 'gatto')"));
        q.addBindValue(Codici::Uuid(anna));
        QVERIFY(q.exec());
        for (int i = 0; i < 2; ++i) {
            QVERIFY(q.prepare("INSERT INTO risposte (uuid, quando, bambino, gioco, domande, blocchi, risposta, esatta,"
                              " millisecondi) VALUES (?, ?, ?, 2, '', '', ?, 1, 900)"));
            q.addBindValue(Codici::Uuid(QUuid::createUuid()));
            q.addBindValue(QDateTime::currentMSecsSinceEpoch());
            q.addBindValue(i == 0 ? 1 : 0);
            q.addBindValue(QStringLiteral("vecchia %1").arg(i));
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase("vecchio");
    QCOMPARE(Valore(computer, "SELECT count(*) FROM da_inviare").toInt(), 2);
    Impostazioni i = imp("aula_vecchia");
    i.database = "vecchio";
    // The computer upgraded first: the server not yet, which neither the
    // sender nor the teachers' program uses; the answers wait.
    {
        std::mutex mutex;
        QString motivo;
        Invio invio(i, computer);
        invio.quandoFallito([&](const QString& m, std::chrono::milliseconds) {
            std::lock_guard blocco(mutex);
            motivo = m;
        });
        const auto letto = [&] {
            std::lock_guard blocco(mutex);
            return motivo;
        };
        QTRY_VERIFY_WITH_TIMEOUT(!letto().isEmpty(), 10000);
        QVERIFY2(letto().contains("della versione 2, precedente"), qPrintable(letto()));
    }
    QCOMPARE(Valore(computer, "SELECT count(*) FROM da_inviare").toInt(), 2);
    ArchivioServer insegnante;
    QCOMPARE(insegnante.apri(i), Accesso::Danneggiato);
    QVERIFY2(insegnante.ultimoErrore().contains("va aggiornato"), qPrintable(insegnante.ultimoErrore()));
    // The server upgraded by applying this version's schema.
    QVERIFY2(server.eseguiFile("vecchio", ServerPostgres::FileSchema()), qPrintable(server.errore()));
    {
        std::atomic<int> inviate = 0;
        Invio invio(i, computer);
        invio.quandoInviate([&](int n, int) { inviate += n; });
        QTRY_COMPARE_WITH_TIMEOUT(inviate.load(), 2, 15000);
    }
    QCOMPARE(Valore(computer, "SELECT count(*) FROM rifiutate").toInt(), 0);
    QCOMPARE(Copia(computer), QStringList{QString::fromUtf8(NomeClassePredefinito()) + ": Anna gatto"});
    server.connetti("vecchio", ServerPostgres::Superutente, "vecchio");
    QCOMPARE(Interroga("vecchio", QStringLiteral("SELECT count(*) FROM tesselo.risposte WHERE classe = '%1'")
                                      .arg(Testo(UuidClassePredefinita()))).toInt(), 2);
    QCOMPARE(Interroga("vecchio", QStringLiteral("SELECT count(*) FROM tesselo.risposte WHERE bambino = '%1'")
                                      .arg(Testo(anna))).toInt(), 1);
    QSqlDatabase::database("vecchio").close();
}

void TestClassiServer::percorsiDellaMaestra()
{
    // The teacher of 1A keeps its groups and paths: a name taken or empty
    // refused, what turns text around left out; a child joins a group; a
    // path read back as saved; paths assigned to the class, a group and a
    // child, the child's own first. Answers under a path count as progress,
    // step by step, each once, and a path changed keeps them; one whose step
    // is none is stored without its path. A group
    // removed leaves its children in none, a path removed ends its
    // assignments and its answers keep its uuid. 1B's are out of reach.
    ArchivioServer maestra;
    QCOMPARE(maestra.apri(imp(Maestra)), Accesso::Ok);
    const std::optional<Gruppo> piccoli = maestra.salvaGruppo({0, {}, QStringLiteral("piccoli\u202E")});
    QVERIFY2(piccoli, qPrintable(maestra.ultimoErrore()));
    QCOMPARE(piccoli->nome, QStringLiteral("piccoli"));
    QVERIFY(!maestra.salvaGruppo({0, {}, "piccoli"}));
    QVERIFY2(maestra.ultimoErrore().contains("c'è già"), qPrintable(maestra.ultimoErrore()));
    QVERIFY(!maestra.salvaGruppo({0, {}, " "}));
    const std::optional<Gruppo> grandi = maestra.salvaGruppo({0, {}, "grandi"});
    QVERIFY(grandi);
    Gruppo mezzani = *grandi;
    mezzani.nome = "mezzani";
    QVERIFY(maestra.salvaGruppo(mezzani));
    QCOMPARE(maestra.gruppi(), (QList<Gruppo>{mezzani, *piccoli}));
    Bambino anna = maestra.bambini().value(0);
    anna.gruppo = piccoli->id;
    QVERIFY2(maestra.salva(anna), qPrintable(maestra.ultimoErrore()));
    const std::optional<Bambino> dario = maestra.salva({0, {}, "Dario", {}, "cane", mezzani.id});
    QVERIFY(dario);
    QCOMPARE(maestra.bambini(), (QList<Bambino>{anna, *dario}));
    QVERIFY(!maestra.salva({0, {}, "Elsa", {}, "mela", 999}));

    const std::optional<PercorsoSalvato> forme = maestra.salvaPercorso({0, {}, DueGiochi("Forme")});
    QVERIFY2(forme, qPrintable(maestra.ultimoErrore()));
    const std::optional<PercorsoSalvato> colori = maestra.salvaPercorso({0, {}, DueGiochi("Colori")});
    QVERIFY(colori && !forme->uuid.isNull());
    QVERIFY(!maestra.salvaPercorso({0, {}, DueGiochi("Forme")}));
    Percorso senzaMeta = DueGiochi("Troppo");
    senzaMeta.passi[0].esatte = 100;
    QVERIFY(!maestra.salvaPercorso({0, {}, senzaMeta}));
    QCOMPARE(maestra.ultimoErrore(), Percorsi::ProblemaPercorso(senzaMeta));
    QCOMPARE(maestra.percorsi(), (QList<PercorsoSalvato>{*colori, *forme}));

    QVERIFY(maestra.assegnaPercorso(Destinatario::Classe, 0, forme->id));
    QVERIFY(maestra.assegnaPercorso(Destinatario::Gruppo, piccoli->id, colori->id));
    QCOMPARE(Avanzamenti(maestra), (QStringList{"Anna: Colori 0/0", "Dario: Forme 0/0"}));
    QVERIFY(maestra.assegnaPercorso(Destinatario::Bambino, anna.id, forme->id));
    const PercorsiAssegnati assegnati = maestra.percorsiAssegnati();
    QCOMPARE(assegnati.classe, forme->id);
    QCOMPARE(assegnati.gruppi, (QHash<qint64, qint64>{{piccoli->id, colori->id}}));
    QCOMPARE(assegnati.bambini, (QHash<qint64, qint64>{{anna.id, forme->id}}));
    QVERIFY(!maestra.assegnaPercorso(Destinatario::Bambino, anna.id, 999));
    QVERIFY(!maestra.assegnaPercorso(Destinatario::Gruppo, 999, forme->id));

    const auto risposta = Sul(forme->uuid, 1, true, anna.id);
    QCOMPARE(maestra.registraTutte({risposta, risposta, Sul(forme->uuid, 1, true, anna.id), Sul(forme->uuid, 1, false, anna.id),
                                    Sul(forme->uuid, 2, true, anna.id), Sul(forme->uuid, 2, true, 0),
                                    Sul(colori->uuid, 1, true, dario->id), Sul(forme->uuid, 0, true, anna.id)}),
             Accesso::Ok);
    QCOMPARE(Avanzamenti(maestra), (QStringList{"Anna: Forme 2/1", "Dario: Forme 0/0"}));
    PercorsoSalvato cambiato = *forme;
    cambiato.percorso.passi.append({"FormTrova", {}, 3});
    QVERIFY2(maestra.salvaPercorso(cambiato), qPrintable(maestra.ultimoErrore()));
    QCOMPARE(Avanzamenti(maestra), (QStringList{"Anna: Forme 2/1/0", "Dario: Forme 0/0/0"}));

    QVERIFY(maestra.rimuoviGruppo(piccoli->id));
    QCOMPARE(maestra.bambini().value(0).gruppo, 0);
    QVERIFY(maestra.percorsiAssegnati().gruppi.isEmpty());
    QVERIFY(maestra.rimuoviPercorso(forme->id));
    QVERIFY(Avanzamenti(maestra).isEmpty());
    QCOMPARE(maestra.percorsiAssegnati().classe, 0);
    int sulPercorso = 0;
    for (const auto& [r, chi] : maestra.risposte())
        sulPercorso += r.percorso == forme->uuid && r.passo >= 1;
    QCOMPARE(sulPercorso, 5);

    // The server's rows are data from outside: a path that is not a path
    // is left out, and the reading says so. 1B's paths are not hers.
    QVERIFY(sql(QStringLiteral("INSERT INTO tesselo.percorsi (classe, nome, dati) VALUES ('%1', 'Rotto',"
                               " '{\"versione\": 1, \"nome\": \"Rotto\", \"passi\": [{\"gioco\": \"nessuno\", \"esatte\": 3}]}'),"
                               " ('%2', 'Altrui', '{\"versione\": 1, \"nome\": \"Altrui\", \"passi\": [{\"gioco\": \"form1\", \"esatte\": 3}]}')")
                    .arg(primaA, primaB)).isValid());
    maestra.nuovaLettura();
    QCOMPARE(maestra.percorsi(), QList<PercorsoSalvato>{*colori});
    QVERIFY2(maestra.erroreLettura().contains("nessuno"), qPrintable(maestra.erroreLettura()));
}

void TestClassiServer::passoSuDueComputer()
{
    // Anna plays her path's first step (two right answers) on the
    // classroom's computer, one right answer there, and finishes it on the
    // lab's, then plays the second step there: each computer shows one
    // progress, hers on both, each answer counted once whether it is queued,
    // sent, or from the other computer; the teacher's view too. With the
    // server down, the copy still has the path and the progress.
    ArchivioServer maestra;
    QCOMPARE(maestra.apri(imp(Maestra)), Accesso::Ok);
    const std::optional<PercorsoSalvato> forme = maestra.salvaPercorso({0, {}, DueGiochi("Forme")});
    QVERIFY(forme);
    QVERIFY(maestra.assegnaPercorso(Destinatario::Bambino, maestra.bambini().value(0).id, forme->id));
    const QString aula = cartella->filePath("aula.sqlite"), lab = cartella->filePath("laboratorio.sqlite");
    const auto progresso = [](const QString& file) {
        Archivio a;
        if (a.apri(file) != Accesso::Ok || !a.scegliClasse(TrovaClasse(a.classi(), "1A").value_or(Classe{}).id))
            return QStringList{"non si apre"};
        return Avanzamenti(a);
    };
    const auto gioca = [](const QString& file, const QList<std::pair<QUuid, std::pair<int, bool>>>& risposte) {
        Archivio a;
        if (a.apri(file) != Accesso::Ok || !a.scegliClasse(TrovaClasse(a.classi(), "1A").value_or(Classe{}).id))
            return false;
        QList<std::pair<Risposta, qint64>> date;
        for (const auto& [percorso, passo] : risposte)
            date.append(Sul(percorso, passo.first, passo.second, a.bambini().value(0).id));
        return a.registraTutte(date) == Accesso::Ok;
    };
    QVERIFY(inviaTutto(Aula, aula));
    QCOMPARE(progresso(aula), QStringList{"Anna: Forme 0/0"});
    QVERIFY(gioca(aula, {{forme->uuid, {1, true}}, {forme->uuid, {1, false}}}));
    QCOMPARE(progresso(aula), QStringList{"Anna: Forme 1/0"});
    QVERIFY(inviaTutto(Aula, aula));
    QCOMPARE(progresso(aula), QStringList{"Anna: Forme 1/0"});
    QVERIFY(inviaTutto(Laboratorio, lab));
    QCOMPARE(progresso(lab), QStringList{"Anna: Forme 1/0"});
    QVERIFY(gioca(lab, {{forme->uuid, {1, true}}, {forme->uuid, {2, true}}}));
    QCOMPARE(progresso(lab), QStringList{"Anna: Forme 2/1"});
    QVERIFY(inviaTutto(Laboratorio, lab));
    QCOMPARE(progresso(lab), QStringList{"Anna: Forme 2/1"});
    QVERIFY(inviaTutto(Aula, aula));
    QCOMPARE(progresso(aula), QStringList{"Anna: Forme 2/1"});
    QCOMPARE(Avanzamenti(maestra), QStringList{"Anna: Forme 2/1"});
    QVERIFY(server.ferma());
    {
        std::atomic<int> fallimenti = 0;
        Invio invio(imp(Aula), aula);
        invio.quandoFallito([&](const QString&, std::chrono::milliseconds) { ++fallimenti; });
        QTRY_VERIFY_WITH_TIMEOUT(fallimenti.load() >= 1, 10000);
    }
    QCOMPARE(progresso(aula), QStringList{"Anna: Forme 2/1"});
    QVERIFY(server.riavvia());
}

QTEST_GUILESS_MAIN(TestClassiServer)
#include "tst_classi_server.moc"
