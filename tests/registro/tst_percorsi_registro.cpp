// Learning paths in the local register: a class's groups and paths, who
// plays which, each child's progress counted once across this computer's
// answers and the server's, the copy the sender makes of a server class,
// answers under a path through a merge and the recovery file, and every
// earlier version of the file migrated with its data.
#include "registro/AltroRegistro.h"
#include "registro/Archivio.h"
#include "registro/Recupero.h"
#include "registro/Schema.h"
#include "tests/support/ValoreSqlite.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Registro;

namespace {

Percorso Cammino(const QString& nome, int esatte = 3)
{
    return {nome, QStringLiteral("forme e colori"), false, {{"form1", {1, 2}, esatte}, {"FormTrova", {}, 2}}};
}

Risposta Data(const PercorsoSalvato* sotto, int passo, bool esatta, QUuid id = QUuid::createUuid())
{
    Risposta r = NuovaRisposta();
    r.id = id;
    r.schermo = QStringLiteral("form1");
    r.gioco = QStringLiteral("uguale - diverso");
    r.risposta = QStringLiteral("UGUALE");
    r.esatta = esatta;
    if (sotto) {
        r.percorso = sotto->uuid;
        r.passo = passo;
    }
    return r;
}

// Each child's progress as "id:esatte,esatte".
QStringList Avanzamenti(const Archivio& a)
{
    QStringList testi;
    for (const AvanzamentoBambino& b : a.avanzamenti()) {
        QStringList esatte;
        for (const int n : b.esatte)
            esatte << QString::number(n);
        testi << QStringLiteral("%1:%2").arg(b.bambino).arg(esatte.join(','));
    }
    return testi;
}

} // namespace

class TestPercorsiRegistro : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    QString file(const QString& nome) const { return cartella.filePath(nome); }
    void apri(Archivio& a, const QString& nome)
    {
        if (a.apri(file(nome)) != Accesso::Ok)
            qFatal("cannot open: %s", qPrintable(a.ultimoErrore()));
    }

private slots:
    void gruppi();
    void percorsiRiletti();
    void assegnatiEAvanzamenti();
    void copiaDalServer();
    void unisciConIPercorsi();
    void recupero();
    void migrazione_data();
    void migrazione();
};

// Names unique in the class; a child in at most one group of their class;
// a group removed leaves its children in none.
void TestPercorsiRegistro::gruppi()
{
    Archivio a;
    apri(a, "gruppi.sqlite");
    const qint64 prima = a.classeScelta()->id;
    const auto piccoli = a.salvaGruppo({0, {}, "piccoli"});
    const auto grandi = a.salvaGruppo({0, {}, "grandi\u202E"});
    QVERIFY(piccoli && grandi && !piccoli->uuid.isNull());
    QCOMPARE(grandi->nome, QStringLiteral("grandi"));
    QVERIFY(!a.salvaGruppo({0, {}, "piccoli"}));
    QVERIFY2(a.ultimoErrore().contains("c'è già un gruppo «piccoli»"), qPrintable(a.ultimoErrore()));
    QVERIFY(!a.salvaGruppo({0, {}, "  "}) && !a.salvaGruppo({0, {}, QString(51, 'x')}));
    QCOMPARE(a.salvaGruppo({grandi->id, {}, "mezzani"})->id, grandi->id);
    QCOMPARE(a.gruppi(), (QList<Gruppo>{{grandi->id, grandi->uuid, "mezzani"}, *piccoli}));

    auto anna = a.salva({0, {}, "Anna", {}, "gatto", piccoli->id});
    QVERIFY(anna);
    anna->gruppo = grandi->id;
    QVERIFY(a.salva(*anna));
    QCOMPARE(a.bambino(anna->id)->gruppo, grandi->id);
    const auto altra = a.salvaClasse({0, {}, "2B", a.classeScelta()->annoScolastico});
    QVERIFY(a.scegliClasse(altra->id));
    QVERIFY(!a.salva({0, {}, "Ugo", {}, "cane", piccoli->id}));
    QCOMPARE(a.ultimoErrore(), QStringLiteral("il gruppo non è nella classe"));
    QVERIFY(a.gruppi().isEmpty() && !a.rimuoviGruppo(piccoli->id));

    QVERIFY(a.scegliClasse(prima));
    QVERIFY(a.rimuoviGruppo(grandi->id));
    QCOMPARE(a.bambino(anna->id)->gruppo, 0);
    QCOMPARE(a.gruppi(), QList<Gruppo>{*piccoli});
}

// A path reads back as stored; a changed one keeps its row and uuid; a row
// the program did not write is left out and told.
void TestPercorsiRegistro::percorsiRiletti()
{
    Archivio a;
    apri(a, "percorsi.sqlite");
    const auto p = a.salvaPercorso({0, {}, Cammino("Prime forme")});
    QVERIFY2(p && p->id && !p->uuid.isNull(), qPrintable(a.ultimoErrore()));
    QCOMPARE(p->percorso, Cammino("Prime forme"));
    QVERIFY(!a.salvaPercorso({0, {}, Cammino("Prime forme")}));
    QVERIFY(!a.salvaPercorso({0, {}, Percorso{"vuoto", {}, false, {}}}));
    QCOMPARE(a.ultimoErrore(), QStringLiteral("il percorso non ha passi"));
    const auto cambiato = a.salvaPercorso({p->id, {}, Cammino("Forme", 7)});
    QCOMPARE(cambiato->uuid, p->uuid);
    QCOMPARE(a.percorsi(), QList<PercorsoSalvato>{*cambiato});

    for (const char* riga : {"(randomblob(16), 1, 'rotto', '{\"versione\": 1')",
                             "(randomblob(16), 1, 'altro nome', (SELECT dati FROM percorsi))",
                             "(x'00', 1, 'breve', replace((SELECT dati FROM percorsi), '\"Forme\"', '\"breve\"'))"})
        Valore(a.file(), QStringLiteral("INSERT INTO percorsi (uuid, classe, nome, dati) VALUES %1").arg(riga));
    a.nuovaLettura();
    QCOMPARE(a.percorsi(), QList<PercorsoSalvato>{*cambiato});
    QVERIFY2(a.erroreLettura().contains("del registro non si può leggere"), qPrintable(a.erroreLettura()));
}

// Child over group over class; reassigning and removing a path keep the
// answers; progress counts each right answer once, local or from the
// server, under its own path and step.
void TestPercorsiRegistro::assegnatiEAvanzamenti()
{
    Archivio a;
    apri(a, "assegnati.sqlite");
    const auto classe = a.salvaPercorso({0, {}, Cammino("della classe")});
    const auto delGruppo = a.salvaPercorso({0, {}, Cammino("del gruppo")});
    const auto proprio = a.salvaPercorso({0, {}, Cammino("proprio")});
    const auto g = a.salvaGruppo({0, {}, "piccoli"});
    const auto anna = a.salva({0, {}, "Anna", {}, "gatto", g->id});
    const auto bea = a.salva({0, {}, "Bea", {}, "cane", g->id});
    const auto ciro = a.salva({0, {}, "Ciro", {}, "rana"});
    QVERIFY(a.assegnaPercorso(Destinatario::Classe, 0, classe->id) && a.assegnaPercorso(Destinatario::Gruppo, g->id, delGruppo->id)
            && a.assegnaPercorso(Destinatario::Bambino, anna->id, proprio->id));
    QVERIFY(!a.assegnaPercorso(Destinatario::Bambino, 999, proprio->id) && !a.assegnaPercorso(Destinatario::Classe, 0, 999));
    const PercorsiAssegnati assegnati = a.percorsiAssegnati();
    QCOMPARE(PercorsoDi(anna->id, g->id, assegnati), proprio->id);
    QCOMPARE(PercorsoDi(bea->id, g->id, assegnati), delGruppo->id);
    QCOMPARE(PercorsoDi(ciro->id, 0, assegnati), classe->id);

    const QUuid condivisa = QUuid::createUuid();
    QList<std::pair<Risposta, qint64>> date{{Data(&*proprio, 1, true, condivisa), anna->id}, {Data(&*proprio, 1, true), anna->id},
                                            {Data(&*proprio, 1, false), anna->id}, {Data(&*proprio, 2, true), anna->id},
                                            {Data(&*classe, 1, true), anna->id}, {Data(nullptr, 0, true), anna->id},
                                            {Data(&*proprio, 1, true), bea->id}};
    QCOMPARE(a.registraTutte(date), Accesso::Ok);
    QCOMPARE(a.risposte().first().first, date.first().first);
    const QString anna1 = QString::number(anna->id), bea1 = QString::number(bea->id), ciro1 = QString::number(ciro->id);
    QCOMPARE(Avanzamenti(a), (QStringList{anna1 + ":2,1", bea1 + ":0,0", ciro1 + ":0,0"}));

    // From the server: one already here, two new, and entries left out.
    const QList<Archivio::EsattaAltrove> altrove{{condivisa, anna->uuid, proprio->uuid, 1},
                                                 {QUuid::createUuid(), anna->uuid, proprio->uuid, 1},
                                                 {QUuid::createUuid(), anna->uuid, proprio->uuid, 2},
                                                 {QUuid::createUuid(), QUuid::createUuid(), proprio->uuid, 1},
                                                 {QUuid::createUuid(), anna->uuid, proprio->uuid, 0}};
    QVERIFY(a.sostituisciEsatteAltrove(a.classeScelta()->id, altrove));
    QCOMPARE(Avanzamenti(a).first(), anna1 + ":3,2");
    QVERIFY(a.sostituisciEsatteAltrove(a.classeScelta()->id, altrove.mid(0, 1)));
    QCOMPARE(Avanzamenti(a).first(), anna1 + ":2,1");

    // Reassigned and back, the answers count again; a path removed ends its
    // assignments and keeps its answers.
    QVERIFY(a.assegnaPercorso(Destinatario::Bambino, anna->id, 0));
    QCOMPARE(Avanzamenti(a).first(), anna1 + ":0,0");  // the group's
    QVERIFY(a.assegnaPercorso(Destinatario::Bambino, anna->id, proprio->id));
    QCOMPARE(Avanzamenti(a).first(), anna1 + ":2,1");
    QVERIFY(a.rimuoviPercorso(delGruppo->id) && a.rimuoviPercorso(classe->id));
    QCOMPARE(a.percorsiAssegnati().gruppi.size() + a.percorsiAssegnati().classe, 0);
    QCOMPARE(Avanzamenti(a), QStringList{anna1 + ":2,1"});
    QCOMPARE(a.risposte().size(), date.size());

    // Moved to another class, a child leaves group and path behind; removed,
    // their answers from elsewhere go too.
    const auto altra = a.salvaClasse({0, {}, "2B", a.classeScelta()->annoScolastico});
    QVERIFY(a.spostaBambino(anna->id, altra->id));
    QVERIFY(a.scegliClasse(altra->id) && a.bambino(anna->id)->gruppo == 0 && a.percorsiAssegnati().bambini.isEmpty());
    QVERIFY(a.rimuovi(anna->id));
    QCOMPARE(Valore(a.file(), "SELECT count(*) FROM esatte_altrove").toInt(), 0);
}

// The server's groups and paths replace the class's by uuid, keeping ids,
// even with names swapped; what is not valid is left out.
void TestPercorsiRegistro::copiaDalServer()
{
    Archivio a;
    apri(a, "copia.sqlite");
    const qint64 classe = a.classeScelta()->id;
    const auto solo = a.salvaPercorso({0, {}, Cammino("solo qui")});
    const auto anna = a.salva({0, {}, "Anna", {}, "gatto"});
    const auto ugo = a.salva({0, {}, "Ugo", {}, "cane"});
    const PercorsoSalvato uno{0, QUuid::createUuid(), Cammino("uno")}, due{0, QUuid::createUuid(), Cammino("due")};
    const Gruppo g{0, QUuid::createUuid(), "piccoli"};
    Archivio::PercorsiDelServer server{{g, {0, QUuid::createUuid(), " "}},
                                       {uno, due, {0, QUuid::createUuid(), Percorso{"senza passi", {}, false, {}}}},
                                       due.uuid, {{g.uuid, uno.uuid}}, {{anna->uuid, {g.uuid, due.uuid}}}};
    QVERIFY2(a.copiaPercorsiClasse(classe, server), qPrintable(a.ultimoErrore()));
    const QList<PercorsoSalvato> copiati = a.percorsi();
    QCOMPARE(copiati.size(), 2);
    QVERIFY(std::none_of(copiati.begin(), copiati.end(), [&](const PercorsoSalvato& p) { return p.uuid == solo->uuid; }));
    const qint64 gruppo = a.gruppi().value(0).id;
    QCOMPARE(a.gruppi(), (QList<Gruppo>{{gruppo, g.uuid, "piccoli"}}));
    QCOMPARE(a.bambino(anna->id)->gruppo, gruppo);
    const PercorsiAssegnati assegnati = a.percorsiAssegnati();
    QCOMPARE(PercorsoDi(anna->id, gruppo, assegnati), copiati[0].id);  // "due", her own
    QCOMPARE(assegnati.gruppi.value(gruppo), copiati[1].id);
    QCOMPARE(PercorsoDi(ugo->id, 0, assegnati), copiati[0].id);        // the class's

    std::swap(server.percorsi[0].percorso.nome, server.percorsi[1].percorso.nome);
    server.perBambino.clear();
    QVERIFY2(a.copiaPercorsiClasse(classe, server), qPrintable(a.ultimoErrore()));
    const QList<PercorsoSalvato> scambiati = a.percorsi();
    QCOMPARE(scambiati.size(), 2);
    QCOMPARE(scambiati[0].id, copiati[1].id);  // "uno" has the name "due" now
    QCOMPARE(scambiati[0].percorso.nome, QStringLiteral("due"));
    QCOMPARE(a.bambino(anna->id)->gruppo, 0);
    QCOMPARE(a.percorsiAssegnati().bambini.size(), 0);
}

// A merged register's answers keep their path and step, and its paths
// missing here come with them, by uuid, under a free name; merging again
// adds nothing. A file with a bad path row or a step without its path is
// refused whole.
void TestPercorsiRegistro::unisciConIPercorsi()
{
    Archivio noi, loro;
    apri(noi, "noi.sqlite");
    apri(loro, "loro.sqlite");
    QVERIFY(noi.salvaPercorso({0, {}, Cammino("Forme")}));
    const auto suo = loro.salvaPercorso({0, {}, Cammino("Forme")});
    const auto anna = loro.salva({0, {}, "Anna", {}, "gatto"});
    const Risposta data = Data(&*suo, 2, true);
    QCOMPARE(loro.registra(data, anna->id), Accesso::Ok);
    QCOMPARE(noi.unisci(loro.file()), std::optional<int>(1));
    QCOMPARE(noi.unisci(loro.file()), std::optional<int>(0));
    QCOMPARE(noi.risposte().first().first, data);
    QCOMPARE(noi.percorsi().size(), 2);
    QCOMPARE(noi.percorsi().last().uuid, suo->uuid);
    QCOMPARE(noi.percorsi().last().percorso.nome, QStringLiteral("Forme (2)"));

    Valore(loro.file(), QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    for (const char* guasto : {"UPDATE risposte SET passo = NULL", "UPDATE percorsi SET dati = '[]'"}) {
        const QString copia = file(QStringLiteral("guasto-%1.sqlite").arg(qHash(QByteArray(guasto))));
        QVERIFY(QFile::copy(loro.file(), copia));
        Valore(copia, QString::fromLatin1(guasto));
        AltroRegistro altro;
        QVERIFY2(!altro.apri(copia) && altro.errore().contains("non è valida"), qPrintable(altro.errore()));
    }
}

// Lines with and without a path read back; a path without a valid step is
// not an answer the game writes.
void TestPercorsiRegistro::recupero()
{
    const QString registro = file("recupero.sqlite");
    const PercorsoSalvato p{0, QUuid::createUuid(), Cammino("Forme")};
    const Recupero::Risposte voci{{Data(&p, 3, true), 4, 1}, {Data(nullptr, 0, false), 0, 1}};
    QString errore;
    QVERIFY(Recupero::Salva(registro, voci, errore));
    QFile f(Recupero::File(registro));
    QVERIFY(f.open(QIODevice::Append));
    f.write(QByteArray(R"({"id":"%1","quando":"1790000000000","bambino":"4","classe":"1","schermo":"form1",)"
                       R"("domande":"[]","blocchi":"[]","risposta":"SI","esatta":true,"millisecondi":"9",)"
                       R"("percorso":"%1","passo":"0"})")
                .replace("%1", QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1())
            + "\n");
    f.close();
    int rifiutate = 0;
    const Recupero::Risposte lette = Recupero::Leggi(registro, rifiutate, errore);
    QCOMPARE(rifiutate, 1);
    QCOMPARE(lette.size(), 2);
    QCOMPARE(lette[0].risposta.percorso, p.uuid);
    QCOMPARE(lette[0].risposta.passo, 3);
    QVERIFY(lette[1].risposta.percorso.isNull() && lette[1].risposta.passo == 0);
}

void TestPercorsiRegistro::migrazione_data()
{
    QTest::addColumn<int>("versione");
    for (int v = 0; v < Schema::Versione; ++v)
        QTest::newRow(qPrintable(QStringLiteral("version %1").arg(v))) << v;
}

// Every earlier version reaches this one with its children and answers,
// which then take groups, paths and progress.
void TestPercorsiRegistro::migrazione()
{
    QFETCH(int, versione);
    const QString percorso = file(QStringLiteral("versione-%1.sqlite").arg(versione));
    QStringList istruzioni;
    for (int v = 0; v < versione; ++v)
        istruzioni << Schema::Passo(v);
    if (versione >= 1)
        istruzioni << QStringLiteral("INSERT INTO bambini (id, uuid, nome, cognome, simbolo) VALUES (7, randomblob(16), 'Anna', '', 'gatto')")
                   << QStringLiteral("INSERT INTO risposte (uuid, quando, bambino, gioco, domande, blocchi, risposta, esatta,"
                                     " millisecondi) VALUES (randomblob(16), 1790000000000, 7, 0, x'01', x'0203', 'SI', 1, 900)");
    istruzioni << QStringLiteral("PRAGMA user_version = %1").arg(versione);
    for (const QString& istruzione : std::as_const(istruzioni))
        Valore(percorso, istruzione);
    QCOMPARE(Valore(percorso, "PRAGMA user_version").toInt(), versione);

    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QCOMPARE(Valore(percorso, "PRAGMA user_version").toInt(), Schema::Versione);
    QCOMPARE(a.bambini().size(), versione >= 1 ? 1 : 0);
    QCOMPARE(a.risposte().size(), versione >= 1 ? 1 : 0);
    const auto p = a.salvaPercorso({0, {}, Cammino("Forme")});
    const auto g = a.salvaGruppo({0, {}, "piccoli"});
    const auto anna = a.salva({versione >= 1 ? 7 : 0, {}, "Anna", {}, "gatto", g->id});
    QVERIFY(p && g && anna && a.assegnaPercorso(Destinatario::Gruppo, g->id, p->id));
    QCOMPARE(a.registra(Data(&*p, 1, true), anna->id), Accesso::Ok);
    QCOMPARE(Avanzamenti(a), QStringList{QStringLiteral("%1:1,0").arg(anna->id)});
}

QTEST_GUILESS_MAIN(TestPercorsiRegistro)
#include "tst_percorsi_registro.moc"
