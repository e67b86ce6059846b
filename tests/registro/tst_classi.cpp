// Classes in the local register: school years and their order, a register
// of an earlier version migrated into "La mia classe" with every child and
// answer, two classes with the same symbols and every operation within the
// chosen one (a guest's answers, the writer's included), the new school
// year, moving a child, and merging files of one and of several classes.
#include "registro/Archivio.h"
#include "registro/Classe.h"
#include "registro/Schema.h"
#include "registro/Scrittore.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Registro;

namespace {

Risposta Risp(int n)
{
    Risposta r = NuovaRisposta();
    r.quando = QDateTime(QDate(2026, 10, 5), QTime(9, 0)).addSecs(n);
    r.schermo = QStringLiteral("FORM2");
    r.gioco = QStringLiteral("insiemi");
    r.domande = {{"colore", "blu", false}};
    r.blocchi = {Blocco{"quadrato", "blu", "piccolo", "sottile"}};
    r.risposta = QString::number(n);
    r.esatta = true;
    r.millisecondi = 800;
    return r;
}

// Statements on a file through a connection of their own; the first value
// of the last one.
QVariant Sql(const QString& file, const QStringList& istruzioni)
{
    QVariant v;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prova-classi"));
        db.setDatabaseName(file);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(file));
        QSqlQuery q(db);
        for (const QString& istruzione : istruzioni) {
            if (!q.exec(istruzione))
                qFatal("%s: %s", qPrintable(istruzione), qPrintable(q.lastError().text()));
            v = q.next() ? q.value(0) : QVariant();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("prova-classi"));
    return v;
}
int Conta(const QString& file, const QString& sql) { return Sql(file, {sql}).toInt(); }

// A register as an earlier version wrote it, by its own steps: Anna (id 7)
// with two answers, Luca, a guest's answer, refused by the server from
// version 3 on.
void RegistroDiVersione(const QString& file, int versione)
{
    QStringList istruzioni;
    for (int v = 0; v < versione; ++v)
        istruzioni << Schema::Passo(v);
    istruzioni << QStringLiteral("INSERT INTO bambini VALUES (7, x'00112233445566778899aabbccddeeff', 'Anna', 'Rossi', 'gatto')")
               << QStringLiteral("INSERT INTO bambini VALUES (9, randomblob(16), 'Luca', '', 'cane')");
    for (const int bambino : {7, 7, 0})
        istruzioni << QStringLiteral("INSERT INTO risposte (uuid, quando, bambino, gioco, domande, blocchi, risposta,"
                                     " esatta, millisecondi) VALUES (randomblob(16), 1790000000000, %1, 0, x'01', x'0203', 'SI', 1, 900)")
                          .arg(bambino);
    if (versione >= 3)
        istruzioni << QStringLiteral("INSERT INTO rifiutate SELECT id, 0, 'prova' FROM risposte WHERE bambino = 0");
    Sql(file, istruzioni << QStringLiteral("PRAGMA user_version = %1").arg(versione));
}

// The children of the chosen class as "name/symbol", and its answers as
// "answer:child".
QStringList Nomi(const Deposito& d)
{
    QStringList nomi;
    for (const Bambino& b : d.bambini())
        nomi << b.nome + QLatin1Char('/') + b.simbolo;
    return nomi;
}
QStringList Risposte(const Deposito& d)
{
    QStringList testi;
    for (const auto& [r, bambino] : d.risposte())
        testi << QStringLiteral("%1:%2").arg(r.risposta).arg(bambino);
    return testi;
}

} // namespace

class TestClassi : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    QString file(const QString& nome) const { return cartella.filePath(nome); }

    // A register of two classes of this year, "1A" (the migrated one,
    // renamed; its id in prima) and "2B", chosen.
    Classe dueClassi(Archivio& a, const QString& nome, qint64* prima = nullptr)
    {
        if (a.apri(file(nome)) != Accesso::Ok)
            qFatal("cannot open: %s", qPrintable(a.ultimoErrore()));
        Classe unica = a.classi().value(0);
        unica.nome = QStringLiteral("1A");
        const auto seconda = a.salvaClasse(unica) ? a.salvaClasse({0, {}, "2B", unica.annoScolastico}) : std::nullopt;
        if (!seconda || !a.scegliClasse(seconda->id))
            qFatal("classes not stored: %s", qPrintable(a.ultimoErrore()));
        if (prima)
            *prima = unica.id;
        return *seconda;
    }

private slots:
    void anniEOrdine();
    void migrazione_data();
    void migrazione();
    void dueClassiStessiSimboli();
    void nuovoAnno();
    void spostaBambino();
    void unisciFileDiUnaClasse_data();
    void unisciFileDiUnaClasse();
    void unisciFileDiPiuClassi();
};

void TestClassi::anniEOrdine()
{
    QCOMPARE(AnnoScolasticoDi(QDate(2027, 8, 31)), QStringLiteral("2026/27"));
    QCOMPARE(AnnoScolasticoDi(QDate(2026, 9, 1)), QStringLiteral("2026/27"));
    QCOMPARE(AnnoSeguente(QStringLiteral("2099/00")), QStringLiteral("2100/01"));
    for (const char* sbagliato : {"2026/28", "2026-27", "26/27", "2026/27 "})
        QVERIFY2(!AnnoValido(QString::fromLatin1(sbagliato)) && !AnnoSeguente(QString::fromLatin1(sbagliato)), sbagliato);
    QVERIFY(!ControllaClasse({0, {}, QStringLiteral(" \u202E "), QStringLiteral("2026/27")}).isEmpty());

    // The latest year first, then names as a person reads them; a name as
    // typed means, of several years, the latest's class.
    QList<Classe> classi{{1, {}, "10A", "2026/27"}, {2, {}, "2a", "2026/27"}, {3, {}, "1A", "2025/26"},
                         {4, {}, "2B", "2026/27"}, {5, {}, "1A", "2027/28"}};
    OrdinaClassi(classi);
    QList<qint64> ordine;
    for (const Classe& c : classi)
        ordine << c.id;
    QCOMPARE(ordine, (QList<qint64>{5, 2, 4, 1, 3}));
    QCOMPARE(TrovaClasse(classi, QStringLiteral("1A"))->id, 5);
    QVERIFY(!TrovaClasse(classi, QStringLiteral("2A")));
}

void TestClassi::migrazione_data()
{
    QTest::addColumn<int>("versione");
    QTest::newRow("version 3") << 3;
    QTest::newRow("version 1") << 1;
}

// Every child and answer in "La mia classe" with the fixed uuid; the queue
// for the server, the refused answers and their triggers as before.
void TestClassi::migrazione()
{
    QFETCH(int, versione);
    const QString percorso = file(QStringLiteral("migrazione-%1.sqlite").arg(versione));
    RegistroDiVersione(percorso, versione);
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QCOMPARE(Conta(percorso, "PRAGMA user_version"), Schema::Versione);
    const Classe attesa{1, QUuid(QStringLiteral("7e55e110-c1a5-4e00-8000-000000000001")), "La mia classe",
                        AnnoScolasticoDi(QDate::currentDate())};
    QCOMPARE(a.classi(), QList<Classe>{attesa});
    QCOMPARE(a.classeScelta(), attesa);
    QCOMPARE(a.bambini().value(1), (Bambino{7, QUuid(QStringLiteral("00112233-4455-6677-8899-aabbccddeeff")), "Anna", "Rossi", "gatto"}));
    QCOMPARE(Nomi(a), (QStringList{"Luca/cane", "Anna/gatto"}));
    QCOMPARE(Risposte(a), (QStringList{"SI:7", "SI:7", "SI:0"}));
    QCOMPARE(Conta(percorso, "SELECT count(*) FROM risposte WHERE classe = 1"), 3);
    QCOMPARE(Sql(percorso, {"SELECT name FROM pragma_index_info('risposte_classe') WHERE seqno = 0"}).toString(),
             QStringLiteral("classe"));
    QCOMPARE(a.classe({}).size(), 3);  // two children, then the guests

    QCOMPARE(Conta(percorso, "SELECT count(*) FROM da_inviare"), 3);
    QCOMPARE(Conta(percorso, "SELECT count(*) FROM rifiutate"), versione >= 3 ? 1 : 0);
    QCOMPARE(a.registra(Risp(4), 9), Accesso::Ok);
    QCOMPARE(a.cancellaPrimaDi(QDate(2026, 10, 2)), 3);
    QCOMPARE(Conta(percorso, "SELECT count(*) FROM da_inviare"), 1);
    QCOMPARE(Conta(percorso, "SELECT count(*) FROM rifiutate"), 0);
}

// The same symbols in two classes; every reading and writing is the chosen
// class's, a guest's answer too, and the writer's for the class it is given.
void TestClassi::dueClassiStessiSimboli()
{
    const QString percorso = file(QStringLiteral("due.sqlite"));
    qint64 prima = 0;
    Classe seconda;
    qint64 anna = 0, bea = 0;
    {
        Archivio a;
        seconda = dueClassi(a, QStringLiteral("due.sqlite"), &prima);
        bea = a.salva({0, {}, "Bea", {}, "gatto"}).value().id;
        QVERIFY(!a.salva({0, {}, "Carlo", {}, "gatto"}));  // once within a class
        QVERIFY(a.scegliClasse(prima));
        QCOMPARE(SimboloLibero(a.bambini()), QStringLiteral("gatto"));
        anna = a.salva({0, {}, "Anna", {}, "gatto"}).value().id;
    }
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    // Of several classes none is chosen: nothing to show, and a guest's
    // answer waits for one; a child's goes to the child's class.
    QVERIFY(!a.classeScelta() && a.bambini().isEmpty() && a.classe({}).isEmpty());
    QVERIFY(!a.salva({0, {}, "Dino", {}, "cane"}));
    QCOMPARE(a.ultimoErrore(), QStringLiteral("scegli una classe"));
    QCOMPARE(a.registra(Risp(1), 0), Accesso::NonScrivibile);
    QCOMPARE(a.registra(Risp(2), bea), Accesso::Ok);
    {
        Scrittore s(percorso);
        s.registra(Risp(3), anna);
        s.classeOspiti(seconda.id);
        s.registra(Risp(4), 0);
        s.classeOspiti(prima);
        s.registra(Risp(5), 0);
        s.attendi();
        QCOMPARE(s.inCoda(), 0);
    }
    QVERIFY(a.scegliClasse(seconda.id));
    QCOMPARE(a.registra(Risp(6), 0), Accesso::Ok);
    QCOMPARE(Nomi(a), QStringList{"Bea/gatto"});
    QCOMPARE(Risposte(a), (QStringList{QStringLiteral("2:%1").arg(bea), "4:0", "6:0"}));
    QCOMPARE(a.classe({}).size(), 2);
    // Another class's child is not this class's to read, change or remove.
    QVERIFY(!a.bambino(anna));
    QCOMPARE(a.scheda(anna, {}).settimane.size(), 0);
    QVERIFY(!a.salva({anna, {}, "Anna", "Bis", "rana"}));
    QVERIFY(!a.rimuovi(anna));
    QCOMPARE(a.cancellaRisposteDi(anna), 0);
    QCOMPARE(a.cancellaPrimaDi(QDate(2030, 1, 1)), 3);

    QVERIFY(a.scegliClasse(prima));
    QCOMPARE(Nomi(a), QStringList{"Anna/gatto"});
    QCOMPARE(Risposte(a), (QStringList{QStringLiteral("3:%1").arg(anna), "5:0"}));
    QCOMPARE(a.scheda(anna, {}).settimane.size(), 1);
    QVERIFY(!a.scegliClasse(999));
}

// Names and years change in place, all or none; children and answers stay.
void TestClassi::nuovoAnno()
{
    Archivio a;
    const Classe seconda = dueClassi(a, QStringLiteral("anno.sqlite"));
    const qint64 bea = a.salva({0, {}, "Bea", {}, "gatto"}).value().id;
    QCOMPARE(a.registra(Risp(1), bea), Accesso::Ok);
    QCOMPARE(a.registra(Risp(2), 0), Accesso::Ok);
    const QList<Classe> prima = a.classi();  // "1A", then "2B"
    const QString seguente = *AnnoSeguente(seconda.annoScolastico);
    QVERIFY(a.salvaClasse({0, {}, "3B", seguente}));

    // "2B" would become "3B" of next year, which there is: nothing changes.
    QList<Classe> su = prima;
    su[0].nome = QStringLiteral("2A");
    su[1].nome = QStringLiteral("3B");
    su[0].annoScolastico = su[1].annoScolastico = seguente;
    QVERIFY(!a.nuovoAnno(su));
    QVERIFY2(a.ultimoErrore().contains(QStringLiteral("3B")), qPrintable(a.ultimoErrore()));
    QVERIFY(!a.nuovoAnno({su[0], {999, {}, "9Z", seguente}}));
    QVERIFY(a.classi().contains(prima[0]) && a.classi().contains(prima[1]));
    // Two classes may swap names.
    QList<Classe> scambio = prima;
    std::swap(scambio[0].nome, scambio[1].nome);
    QVERIFY2(a.nuovoAnno(scambio), qPrintable(a.ultimoErrore()));
    QCOMPARE(a.classeScelta()->nome, QStringLiteral("1A"));

    su[1].nome = QStringLiteral("3B bis");
    QVERIFY2(a.nuovoAnno(su), qPrintable(a.ultimoErrore()));
    QCOMPARE(a.classeScelta(), (Classe{seconda.id, seconda.uuid, "3B bis", seguente}));
    QCOMPARE(Nomi(a), QStringList{"Bea/gatto"});
    QCOMPARE(Risposte(a), (QStringList{QStringLiteral("1:%1").arg(bea), "2:0"}));
}

// A child moves with their answers, never onto a symbol taken there.
void TestClassi::spostaBambino()
{
    Archivio a;
    qint64 prima = 0;
    const Classe seconda = dueClassi(a, QStringLiteral("sposta.sqlite"), &prima);
    const qint64 bea = a.salva({0, {}, "Bea", {}, "gatto"}).value().id;
    const qint64 dino = a.salva({0, {}, "Dino", {}, "cane"}).value().id;
    for (const auto& [n, bambino] : {std::pair{1, bea}, {2, dino}, {3, qint64(0)}})
        QCOMPARE(a.registra(Risp(n), bambino), Accesso::Ok);
    QVERIFY(a.scegliClasse(prima));
    QVERIFY(a.salva({0, {}, "Anna", {}, "gatto"}));

    QVERIFY(!a.spostaBambino(bea, prima));
    QVERIFY2(a.ultimoErrore().contains(QStringLiteral("gatto")), qPrintable(a.ultimoErrore()));
    QVERIFY(a.spostaBambino(dino, prima));
    QCOMPARE(Nomi(a), (QStringList{"Anna/gatto", "Dino/cane"}));
    QCOMPARE(Risposte(a), QStringList{QStringLiteral("2:%1").arg(dino)});
    QVERIFY(a.scegliClasse(seconda.id));
    QCOMPARE(Nomi(a), QStringList{"Bea/gatto"});
    QCOMPARE(Risposte(a), (QStringList{QStringLiteral("1:%1").arg(bea), "3:0"}));
}

void TestClassi::unisciFileDiUnaClasse_data()
{
    QTest::addColumn<int>("versione");
    QTest::newRow("this version, a class of its own") << Schema::Versione;
    QTest::newRow("version 3, before classes") << 3;
}

// A file of one class merges into the chosen class, whatever its class is;
// into a second class, a child already in the first refuses the merge.
void TestClassi::unisciFileDiUnaClasse()
{
    QFETCH(int, versione);
    const QString altro = file(QStringLiteral("una-classe-%1.sqlite").arg(versione));
    if (versione == Schema::Versione) {
        Archivio b;
        QCOMPARE(b.apri(altro), Accesso::Ok);
        QVERIFY(b.salvaClasse({b.classi().first().id, {}, "Sezione Gialli", "2020/21"}));
        const qint64 anna = b.salva({0, {}, "Anna", "Rossi", "gatto"}).value().id;
        QVERIFY(b.salva({0, {}, "Luca", {}, "cane"}));
        for (const auto& [n, bambino] : {std::pair{1, anna}, {2, anna}, {3, qint64(0)}})
            QCOMPARE(b.registra(Risp(n), bambino), Accesso::Ok);
    } else {
        RegistroDiVersione(altro, versione);
    }
    Archivio a;
    qint64 prima = 0;
    const Classe seconda = dueClassi(a, QStringLiteral("unisci-una-%1.sqlite").arg(versione), &prima);
    QCOMPARE(a.unisci(altro), 3);
    QCOMPARE(Nomi(a), (QStringList{"Luca/cane", "Anna/gatto"}));
    QCOMPARE(a.risposteDi(a.bambini().last().id), 2);
    QCOMPARE(Risposte(a).size(), 3);
    QCOMPARE(a.unisci(altro), 0);

    QVERIFY(a.scegliClasse(prima));
    QVERIFY(!a.unisci(altro));
    QVERIFY2(a.ultimoErrore().contains(QStringLiteral("Anna Rossi")), qPrintable(a.ultimoErrore()));
    QVERIFY(a.bambini().isEmpty() && a.risposte().isEmpty());
}

// Of a file of several classes, the one that is ours, by uuid, else by name
// and year; none of them ours: refused naming them. A child of a class the
// file does not have: refused whole.
void TestClassi::unisciFileDiPiuClassi()
{
    const QString altro = file(QStringLiteral("piu-classi.sqlite"));
    Archivio a;
    Classe seconda = dueClassi(a, QStringLiteral("unisci-piu.sqlite"));
    {
        Archivio b;
        QCOMPARE(b.apri(altro), Accesso::Ok);
        const auto sua2B = b.salvaClasse({0, {}, "2B", seconda.annoScolastico});
        const auto suaUuid = b.salvaClasse({0, seconda.uuid, "Altro nome", "2020/21"});
        for (const auto& [classe, nome, n] : {std::tuple{sua2B->id, "Dario", 1}, {suaUuid->id, "Ugo", 2}}) {
            QVERIFY(b.scegliClasse(classe));
            QCOMPARE(b.registra(Risp(n), b.salva({0, {}, QString::fromLatin1(nome), {}, "gatto"}).value().id), Accesso::Ok);
            QCOMPARE(b.registra(Risp(10 + n), 0), Accesso::Ok);
        }
    }
    QCOMPARE(a.unisci(altro), 2);
    QCOMPARE(Nomi(a), QStringList{"Ugo/gatto"});
    QVERIFY(Risposte(a).contains(QStringLiteral("12:0")));

    seconda.nome = QStringLiteral("2B prima");
    QVERIFY(a.salvaClasse(seconda));
    const auto nuova2B = a.salvaClasse({0, {}, "2B", seconda.annoScolastico});
    QVERIFY(nuova2B && a.scegliClasse(nuova2B->id));
    QCOMPARE(a.unisci(altro), 2);
    QCOMPARE(Nomi(a), QStringList{"Dario/gatto"});
    QVERIFY(Risposte(a).contains(QStringLiteral("11:0")));

    const auto terza = a.salvaClasse({0, {}, "3C", seconda.annoScolastico});
    QVERIFY(terza && a.scegliClasse(terza->id));
    QVERIFY(!a.unisci(altro));
    QVERIFY2(a.ultimoErrore().contains(QStringLiteral("Altro nome 2020/21"))
                 && a.ultimoErrore().contains(QStringLiteral("La mia classe")),
             qPrintable(a.ultimoErrore()));
    Sql(altro, {"UPDATE bambini SET classe = 99 WHERE nome = 'Ugo'"});
    QVERIFY(!a.unisci(altro));
    QVERIFY2(a.ultimoErrore().contains(QStringLiteral("tabella bambini")) && a.ultimoErrore().endsWith(QStringLiteral("(classe)")),
             qPrintable(a.ultimoErrore()));
    QVERIFY(a.bambini().isEmpty() && a.risposte().isEmpty());
}

QTEST_GUILESS_MAIN(TestClassi)
#include "tst_classi.moc"
