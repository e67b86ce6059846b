// Classes in the local register: school years and their order, a register
// of an earlier version migrated into "La mia classe" with every child and
// answer, the same symbols in two classes, every operation within the chosen
// class (a guest's answers, the writer's included), the new school year,
// moving a child with their answers, and merging files of one and of
// several classes.
#include "registro/Archivio.h"
#include "registro/Classe.h"
#include "registro/Codici.h"
#include "registro/FileClasse.h"
#include "registro/Schema.h"
#include "registro/Scrittore.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Registro;

namespace {

Risposta Risp(int n, const QDateTime& quando = QDateTime(QDate(2026, 10, 5), QTime(9, 0)))
{
    Risposta r = NuovaRisposta();
    r.quando = quando.addSecs(n);
    r.schermo = QStringLiteral("FORM2");
    r.gioco = QStringLiteral("insiemi");
    r.domande = {{"colore", "blu", false}};
    r.blocchi = {Blocco{"quadrato", "blu", "piccolo", "sottile"}};
    r.risposta = QString::number(n);
    r.esatta = n % 2 == 0;
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
QVariant Sql(const QString& file, const QString& istruzione) { return Sql(file, QStringList{istruzione}); }

// A register as an earlier version wrote it: its own steps only, two
// children, two answers of Anna's and a guest's, one answer refused by the
// server (from version 3 on).
void RegistroDiVersione(const QString& file, int versione)
{
    QStringList istruzioni;
    for (int v = 0; v < versione; ++v)
        istruzioni << Schema::Passo(v);
    istruzioni << QStringLiteral("INSERT INTO bambini VALUES (7, x'00112233445566778899aabbccddeeff', 'Anna', 'Rossi', 'gatto')")
               << QStringLiteral("INSERT INTO bambini VALUES (9, x'ffeeddccbbaa99887766554433221100', 'Luca', '', 'cane')");
    for (const auto& [n, bambino] : {std::pair{1, 7}, {2, 7}, {3, 0}})
        istruzioni << QStringLiteral("INSERT INTO risposte (uuid, quando, bambino, gioco, domande, blocchi, risposta,"
                                     " esatta, millisecondi) VALUES (randomblob(16), %1, %2, 0, x'01', x'0203', 'SI', 1, 900)")
                          .arg(QDateTime(QDate(2026, 10, 1), QTime(9, n)).toMSecsSinceEpoch())
                          .arg(bambino);
    if (versione >= 3)
        istruzioni << QStringLiteral("INSERT INTO rifiutate SELECT id, 0, 'prova' FROM risposte WHERE bambino = 0");
    istruzioni << QStringLiteral("PRAGMA user_version = %1").arg(versione);
    Sql(file, istruzioni);
}

QStringList Nomi(const QList<Bambino>& bambini)
{
    QStringList nomi;
    for (const Bambino& b : bambini)
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

    // A register of two classes, "1A" (the migrated one, renamed) and "2B",
    // with the second chosen.
    Classe dueClassi(Archivio& a, const QString& percorso)
    {
        if (a.apri(percorso) != Accesso::Ok)
            qFatal("cannot open: %s", qPrintable(a.ultimoErrore()));
        Classe prima = a.classi().value(0);
        prima.nome = QStringLiteral("1A");
        if (!a.salvaClasse(prima))
            qFatal("class not renamed: %s", qPrintable(a.ultimoErrore()));
        const auto seconda = a.salvaClasse({0, {}, QStringLiteral("2B"), prima.annoScolastico});
        if (!seconda || !a.scegliClasse(seconda->id))
            qFatal("class not added: %s", qPrintable(a.ultimoErrore()));
        return *seconda;
    }

private slots:
    void anniEOrdine();
    void migrazione_data();
    void migrazione();
    void stessiSimboliInDueClassi();
    void ospitiNellaClasseScelta();
    void scrittoreNellaClasseDegliOspiti();
    void classiSalvateERimosse();
    void nuovoAnno();
    void spostaBambino();
    void unisciFileDiUnaClasse_data();
    void unisciFileDiUnaClasse();
    void unisciFileDiPiuClassi();
    void unisciClasseDelFileSbagliata();
    void importaNellaClasseScelta();
};

void TestClassi::anniEOrdine()
{
    QCOMPARE(AnnoScolasticoDi(QDate(2027, 8, 31)), QStringLiteral("2026/27"));
    QCOMPARE(AnnoScolasticoDi(QDate(2026, 9, 1)), QStringLiteral("2026/27"));
    QCOMPARE(AnnoScolasticoDi(QDate(2099, 12, 1)), QStringLiteral("2099/00"));
    for (const char* valido : {"2026/27", "2099/00"})
        QVERIFY2(AnnoValido(QString::fromLatin1(valido)), valido);
    for (const char* sbagliato : {"2026/28", "2026-27", "26/27", "2026/27 ", "", "２０２６/27"})
        QVERIFY2(!AnnoValido(QString::fromUtf8(sbagliato)), sbagliato);
    QCOMPARE(AnnoSeguente(QStringLiteral("2026/27")), QStringLiteral("2027/28"));
    QCOMPARE(AnnoSeguente(QStringLiteral("2099/00")), QStringLiteral("2100/01"));
    QVERIFY(!AnnoSeguente(QStringLiteral("2026/28")));

    QVERIFY(ControllaClasse({0, {}, QStringLiteral("1A"), QStringLiteral("2026/27")}).isEmpty());
    QVERIFY(!ControllaClasse({0, {}, QStringLiteral(" \u202E "), QStringLiteral("2026/27")}).isEmpty());
    QVERIFY(!ControllaClasse({0, {}, QString(LunghezzaNomeClasse + 1, QLatin1Char('a')), QStringLiteral("2026/27")})
                 .isEmpty());
    QVERIFY(!ControllaClasse({0, {}, QStringLiteral("1A"), QStringLiteral("2026")}).isEmpty());

    // The latest year first, then names as a person reads them.
    QList<Classe> classi{{1, {}, "10A", "2026/27"}, {2, {}, "2a", "2026/27"}, {3, {}, "1A", "2025/26"},
                         {4, {}, "2B", "2026/27"}, {5, {}, "1A", "2027/28"}};
    OrdinaClassi(classi);
    QList<qint64> ordine;
    for (const Classe& c : classi)
        ordine << c.id;
    QCOMPARE(ordine, (QList<qint64>{5, 2, 4, 1, 3}));
    // The name exactly as typed; of several years, the latest.
    QCOMPARE(TrovaClasse(classi, QStringLiteral("1A"))->id, 5);
    QCOMPARE(TrovaClasse(classi, QStringLiteral("2a"))->id, 2);
    QVERIFY(!TrovaClasse(classi, QStringLiteral("2A")));
    QVERIFY(!TrovaClasse(classi, QStringLiteral("1A ")));
}

void TestClassi::migrazione_data()
{
    QTest::addColumn<int>("versione");
    QTest::newRow("version 3") << 3;
    QTest::newRow("version 1") << 1;
}

// Every child and answer of an earlier register, in "La mia classe" with the
// fixed uuid; the queue for the server and its triggers as before.
void TestClassi::migrazione()
{
    QFETCH(int, versione);
    const QString percorso = file(QStringLiteral("migrazione-%1.sqlite").arg(versione));
    RegistroDiVersione(percorso, versione);
    const int inCoda = versione >= 2 ? Sql(percorso, QStringLiteral("SELECT count(*) FROM da_inviare")).toInt() : 0;

    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QCOMPARE(Sql(percorso, QStringLiteral("PRAGMA user_version")).toInt(), Schema::Versione);
    const QList<Classe> classi = a.classi();
    QCOMPARE(classi.size(), 1);
    QCOMPARE(classi.first().nome, QStringLiteral("La mia classe"));
    QCOMPARE(classi.first().uuid, QUuid(QStringLiteral("7e55e110-c1a5-4e00-8000-000000000001")));
    QCOMPARE(classi.first().annoScolastico, AnnoScolasticoDi(QDate::currentDate()));
    QCOMPARE(a.classeScelta(), classi.first());

    const QList<Bambino> bambini = a.bambini();
    QCOMPARE(bambini.size(), 2);
    QCOMPARE(bambini[0], (Bambino{7, QUuid(QStringLiteral("00112233-4455-6677-8899-aabbccddeeff")), "Anna", "Rossi", "gatto"}));
    QCOMPARE(bambini[1].id, 9);
    QCOMPARE(Risposte(a), (QStringList{"SI:7", "SI:7", "SI:0"}));
    QCOMPARE(Sql(percorso, QStringLiteral("SELECT count(*) FROM risposte WHERE classe = %1").arg(classi.first().id)).toInt(), 3);
    QCOMPARE(a.risposteDi(7), 2);
    // The class at a glance reads the index led by the class.
    QCOMPARE(Sql(percorso, QStringLiteral("SELECT name FROM pragma_index_info('risposte_classe') WHERE seqno = 0")).toString(),
             QStringLiteral("classe"));
    QCOMPARE(a.classe({}).size(), 3);  // two children, then the guests

    // The answers' table made anew keeps the queue, the refused ones and
    // its triggers.
    if (versione >= 2)
        QCOMPARE(Sql(percorso, QStringLiteral("SELECT count(*) FROM da_inviare")).toInt(), inCoda);
    else
        QCOMPARE(Sql(percorso, QStringLiteral("SELECT count(*) FROM da_inviare")).toInt(), 3);
    QCOMPARE(Sql(percorso, QStringLiteral("SELECT count(*) FROM rifiutate")).toInt(), versione >= 3 ? 1 : 0);
    QCOMPARE(a.registra(Risp(4), 9), Accesso::Ok);
    QCOMPARE(Sql(percorso, QStringLiteral("SELECT count(*) FROM da_inviare")).toInt(), (versione >= 2 ? inCoda : 3) + 1);
    QCOMPARE(a.cancellaRisposteDi(7), 2);
    QCOMPARE(Sql(percorso, QStringLiteral("SELECT count(*) FROM da_inviare")).toInt(), (versione >= 2 ? inCoda : 3) - 1);
    if (versione >= 3) {
        QCOMPARE(a.cancellaPrimaDi(QDate(2026, 10, 2)), 1);
        QCOMPARE(Sql(percorso, QStringLiteral("SELECT count(*) FROM rifiutate")).toInt(), 0);
    }
}

// The same symbols in two classes; each class's children, answers and views
// are its own.
void TestClassi::stessiSimboliInDueClassi()
{
    Archivio a;
    const Classe seconda = dueClassi(a, file(QStringLiteral("simboli.sqlite")));
    const qint64 prima = a.classi().value(0).id == seconda.id ? a.classi().value(1).id : a.classi().value(0).id;
    QVERIFY(a.scegliClasse(prima));
    const auto anna = a.salva({0, {}, "Anna", {}, "gatto"});
    QVERIFY(anna);
    QCOMPARE(a.registra(Risp(1), anna->id), Accesso::Ok);
    QCOMPARE(a.registra(Risp(2), 0), Accesso::Ok);
    QCOMPARE(SimboloLibero(a.bambini()), QStringLiteral("cane"));

    QVERIFY(a.scegliClasse(seconda.id));
    QVERIFY(a.bambini().isEmpty());
    QCOMPARE(SimboloLibero(a.bambini()), QStringLiteral("gatto"));
    const auto bea = a.salva({0, {}, "Bea", {}, "gatto"});
    QVERIFY2(bea, qPrintable(a.ultimoErrore()));
    // Within a class the symbol is still one child's.
    QVERIFY(!a.salva({0, {}, "Carlo", {}, "gatto"}));
    QVERIFY2(a.ultimoErrore().contains(QStringLiteral("gatto")), qPrintable(a.ultimoErrore()));
    QCOMPARE(a.registra(Risp(3), bea->id), Accesso::Ok);

    QCOMPARE(Nomi(a.bambini()), QStringList{"Bea/gatto"});
    QCOMPARE(Risposte(a), QStringList{QStringLiteral("3:%1").arg(bea->id)});
    const QList<RigaClasse> righe = a.classe({});
    QCOMPARE(righe.size(), 1);  // no guest answered in this class
    QCOMPARE(righe.first().bambino.id, bea->id);
    // Another class's child is not this class's to read, change or remove.
    QVERIFY(!a.bambino(anna->id));
    QCOMPARE(a.scheda(anna->id, {}).settimane.size(), 0);
    QVERIFY(!a.salva({anna->id, anna->uuid, "Anna", "Bis", "rana"}));
    QVERIFY(!a.rimuovi(anna->id));
    QCOMPARE(a.cancellaRisposteDi(anna->id), 0);
    QCOMPARE(a.cancellaPrimaDi(QDate(2030, 1, 1)), 1);

    QVERIFY(a.scegliClasse(prima));
    QCOMPARE(Nomi(a.bambini()), QStringList{"Anna/gatto"});
    QCOMPARE(Risposte(a), (QStringList{QStringLiteral("1:%1").arg(anna->id), "2:0"}));
    QCOMPARE(a.classe({}).size(), 2);
    QCOMPARE(a.scheda(anna->id, {}).settimane.size(), 1);
    QVERIFY(!a.scegliClasse(999));
    QCOMPARE(a.classeScelta()->id, prima);
}

// With several classes none is chosen at opening: nothing to show, and a
// guest's answer waits for one; a child's goes to the child's class.
void TestClassi::ospitiNellaClasseScelta()
{
    const QString percorso = file(QStringLiteral("ospiti.sqlite"));
    qint64 luca = 0;
    Classe seconda;
    {
        Archivio a;
        seconda = dueClassi(a, percorso);
        luca = a.salva({0, {}, "Luca", {}, "cane"})->id;
    }
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QVERIFY(!a.classeScelta());
    QVERIFY(a.bambini().isEmpty());
    QVERIFY(a.classe({}).isEmpty());
    QVERIFY(!a.salva({0, {}, "Anna", {}, "gatto"}));
    QCOMPARE(a.ultimoErrore(), QStringLiteral("scegli una classe"));
    QCOMPARE_NE(a.registra(Risp(1), 0), Accesso::Ok);
    QCOMPARE(a.ultimoErrore(), QStringLiteral("scegli una classe"));
    QCOMPARE(a.registra(Risp(2), luca), Accesso::Ok);
    QCOMPARE(Sql(percorso, QStringLiteral("SELECT classe FROM risposte")).toLongLong(), seconda.id);

    QVERIFY(a.scegliClasse(seconda.id));
    QCOMPARE(a.registra(Risp(3), 0), Accesso::Ok);
    QCOMPARE(Risposte(a), (QStringList{QStringLiteral("2:%1").arg(luca), "3:0"}));
    QCOMPARE(Sql(percorso, QStringLiteral("SELECT count(*) FROM risposte WHERE bambino = 0 AND classe = %1").arg(seconda.id))
                 .toInt(),
             1);
}

// The game's writer: a guest's answers in the class given to it, each in
// the class of the moment it was given.
void TestClassi::scrittoreNellaClasseDegliOspiti()
{
    const QString percorso = file(QStringLiteral("scrittore.sqlite"));
    Classe seconda;
    qint64 prima = 0;
    {
        Archivio a;
        seconda = dueClassi(a, percorso);
        prima = a.classi().value(0).id == seconda.id ? a.classi().value(1).id : a.classi().value(0).id;
    }
    {
        Scrittore s(percorso);
        s.classeOspiti(seconda.id);
        s.registra(Risp(1), 0);
        s.registra(Risp(2), 0);
        s.classeOspiti(prima);
        s.registra(Risp(3), 0);
        s.attendi();
        QCOMPARE(s.inCoda(), 0);
    }
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QVERIFY(a.scegliClasse(seconda.id));
    QCOMPARE(Risposte(a), (QStringList{"1:0", "2:0"}));
    QVERIFY(a.scegliClasse(prima));
    QCOMPARE(Risposte(a), QStringList{"3:0"});
}

void TestClassi::classiSalvateERimosse()
{
    Archivio a;
    const Classe seconda = dueClassi(a, file(QStringLiteral("salvate.sqlite")));
    QVERIFY(!seconda.uuid.isNull());
    // Name and year are one class's; another year is another class.
    QVERIFY(!a.salvaClasse({0, {}, "2B", seconda.annoScolastico}));
    QVERIFY2(a.ultimoErrore().contains(QStringLiteral("2B")), qPrintable(a.ultimoErrore()));
    QVERIFY(!a.salvaClasse({0, {}, "3C", "2026/2027"}));
    const auto vecchia = a.salvaClasse({0, {}, "2B", "2020/21"});
    QVERIFY(vecchia);
    QCOMPARE(a.classi().size(), 3);
    QCOMPARE(a.classi().last(), *vecchia);
    // Names are cleaned as children's are.
    auto rinominata = *vecchia;
    rinominata.nome = QStringLiteral("\u202E2C");
    QCOMPARE(a.salvaClasse(rinominata)->nome, QStringLiteral("2C"));

    // Only a class with nothing in it goes.
    QVERIFY(a.salva({0, {}, "Anna", {}, "gatto"}));
    QVERIFY(!a.rimuoviClasse(seconda.id));
    QVERIFY(a.rimuoviClasse(vecchia->id));
    QCOMPARE(a.classi().size(), 2);
    QCOMPARE(a.classeScelta()->id, seconda.id);
}

// A new school year: names and years change in place, all or none; children
// and answers stay with their class.
void TestClassi::nuovoAnno()
{
    Archivio a;
    const Classe seconda = dueClassi(a, file(QStringLiteral("anno.sqlite")));
    const auto bea = a.salva({0, {}, "Bea", {}, "gatto"});
    QCOMPARE(a.registra(Risp(1), bea->id), Accesso::Ok);
    QCOMPARE(a.registra(Risp(2), 0), Accesso::Ok);
    const QList<Classe> prima = a.classi();
    const QString anno = prima.first().annoScolastico;
    const QString seguente = *AnnoSeguente(anno);
    QVERIFY(a.salvaClasse({0, {}, "3B", seguente}));

    // "2B" would become "3B" of next year, which exists: nothing changes.
    QList<Classe> su = prima;
    for (Classe& c : su) {
        c.nome = c.nome == QLatin1String("1A") ? QStringLiteral("2A") : QStringLiteral("3B");
        c.annoScolastico = seguente;
    }
    QVERIFY(!a.nuovoAnno(su));
    QVERIFY2(a.ultimoErrore().contains(QStringLiteral("3B")), qPrintable(a.ultimoErrore()));
    for (const Classe& c : prima)
        QVERIFY(a.classi().contains(c));

    // Two classes may swap names within a year.
    QList<Classe> scambio = prima;
    std::swap(scambio[0].nome, scambio[1].nome);
    QVERIFY2(a.nuovoAnno(scambio), qPrintable(a.ultimoErrore()));
    QCOMPARE(a.classeScelta()->nome, QStringLiteral("1A"));

    su[1].nome = QStringLiteral("3B bis");
    QVERIFY2(a.nuovoAnno(su), qPrintable(a.ultimoErrore()));
    const std::optional<Classe> salita = a.classeScelta();
    QCOMPARE(salita->id, seconda.id);
    QCOMPARE(salita->uuid, seconda.uuid);
    QCOMPARE(salita->annoScolastico, seguente);
    QCOMPARE(su[1].id, seconda.id);
    QCOMPARE(salita->nome, QStringLiteral("3B bis"));
    QCOMPARE(Nomi(a.bambini()), QStringList{"Bea/gatto"});
    QCOMPARE(Risposte(a), (QStringList{QStringLiteral("1:%1").arg(bea->id), "2:0"}));
    // A class not in the register, or a year not valid: nothing changes.
    const QList<Classe> dopo = a.classi();
    QVERIFY(!a.nuovoAnno({su[0], {999, {}, "9Z", seguente}}));
    QVERIFY(!a.nuovoAnno({{su[0].id, {}, "4A", "2027"}}));
    QCOMPARE(a.classi(), dopo);
}

// A child moves with their answers; never onto a symbol taken there.
void TestClassi::spostaBambino()
{
    Archivio a;
    const Classe seconda = dueClassi(a, file(QStringLiteral("sposta.sqlite")));
    const qint64 prima = a.classi().value(0).id == seconda.id ? a.classi().value(1).id : a.classi().value(0).id;
    const auto bea = a.salva({0, {}, "Bea", {}, "gatto"});
    const auto dino = a.salva({0, {}, "Dino", {}, "cane"});
    QCOMPARE(a.registra(Risp(1), bea->id), Accesso::Ok);
    QCOMPARE(a.registra(Risp(2), dino->id), Accesso::Ok);
    QCOMPARE(a.registra(Risp(3), 0), Accesso::Ok);
    QVERIFY(a.scegliClasse(prima));
    QVERIFY(a.salva({0, {}, "Anna", {}, "gatto"}));

    QVERIFY(!a.spostaBambino(bea->id, prima));
    QVERIFY2(a.ultimoErrore().contains(QStringLiteral("gatto")), qPrintable(a.ultimoErrore()));
    QVERIFY(!a.spostaBambino(dino->id, 999));
    QVERIFY(a.spostaBambino(dino->id, prima));
    QCOMPARE(Nomi(a.bambini()), (QStringList{"Anna/gatto", "Dino/cane"}));
    QCOMPARE(Risposte(a), QStringList{QStringLiteral("2:%1").arg(dino->id)});
    QCOMPARE(a.risposteDi(dino->id), 1);
    QVERIFY(a.scegliClasse(seconda.id));
    QCOMPARE(Nomi(a.bambini()), QStringList{"Bea/gatto"});
    QCOMPARE(Risposte(a), (QStringList{QStringLiteral("1:%1").arg(bea->id), "3:0"}));
}

void TestClassi::unisciFileDiUnaClasse_data()
{
    QTest::addColumn<int>("versione");
    QTest::newRow("this version, a class of its own") << Schema::Versione;
    QTest::newRow("version 3, before classes") << 3;
}

// A file of one class merges into the chosen class, whatever its class is.
void TestClassi::unisciFileDiUnaClasse()
{
    QFETCH(int, versione);
    const QString altro = file(QStringLiteral("una-classe-%1.sqlite").arg(versione));
    if (versione == Schema::Versione) {
        Archivio b;
        QCOMPARE(b.apri(altro), Accesso::Ok);
        Classe sua = b.classi().first();
        sua.nome = QStringLiteral("Sezione Gialli");
        QVERIFY(b.salvaClasse(sua));
        const auto anna = b.salva({0, {}, "Anna", "Rossi", "gatto"});
        QVERIFY(anna && b.salva({0, {}, "Luca", {}, "cane"}));
        for (const auto& [n, bambino] : {std::pair{1, anna->id}, {2, anna->id}, {3, qint64(0)}})
            QCOMPARE(b.registra(Risp(n), bambino), Accesso::Ok);
    } else {
        RegistroDiVersione(altro, versione);
    }
    const QString percorso = file(QStringLiteral("unisci-una-%1.sqlite").arg(versione));
    Archivio a;
    const Classe seconda = dueClassi(a, percorso);
    const qint64 prima = a.classi().value(0).id == seconda.id ? a.classi().value(1).id : a.classi().value(0).id;
    QCOMPARE(a.unisci(altro), 3);
    QCOMPARE(Nomi(a.bambini()), (QStringList{"Anna/gatto", "Luca/cane"}));
    QCOMPARE(a.risposte().size(), 3);
    QCOMPARE(a.risposteDi(a.bambini().first().id), 2);
    QCOMPARE(Sql(percorso, QStringLiteral("SELECT count(*) FROM risposte WHERE classe = %1").arg(seconda.id)).toInt(), 3);
    QCOMPARE(a.unisci(altro), 0);
    QVERIFY(a.scegliClasse(prima));
    QVERIFY(a.bambini().isEmpty());
    QVERIFY(a.risposte().isEmpty());
}

// Of a file of several classes, the one that is ours: by uuid, else by name
// and year; its children and answers only.
void TestClassi::unisciFileDiPiuClassi()
{
    const QString altro = file(QStringLiteral("piu-classi.sqlite"));
    Archivio a;
    Classe seconda = dueClassi(a, file(QStringLiteral("unisci-piu.sqlite")));
    {
        Archivio b;
        QCOMPARE(b.apri(altro), Accesso::Ok);
        const auto sua2B = b.salvaClasse({0, {}, "2B", seconda.annoScolastico});
        const auto suaUuid = b.salvaClasse({0, seconda.uuid, "Altro nome", "2020/21"});
        QVERIFY(sua2B && suaUuid);
        for (const auto& [classe, nome, n] : {std::tuple{sua2B->id, "Dario", 1}, {suaUuid->id, "Ugo", 2}}) {
            QVERIFY(b.scegliClasse(classe));
            const auto bambino = b.salva({0, {}, QString::fromLatin1(nome), {}, "gatto"});
            QCOMPARE(b.registra(Risp(n), bambino->id), Accesso::Ok);
            QCOMPARE(b.registra(Risp(10 + n), 0), Accesso::Ok);
        }
    }
    // The class with our uuid, though another has our name and year.
    QCOMPARE(a.unisci(altro), 2);
    QCOMPARE(Nomi(a.bambini()), QStringList{"Ugo/gatto"});
    QVERIFY(Risposte(a).contains(QStringLiteral("12:0")));

    // By name and year, for a class whose uuid none of the file's has.
    seconda.nome = QStringLiteral("2B prima");
    QVERIFY(a.salvaClasse(seconda));
    const auto nuova2B = a.salvaClasse({0, {}, "2B", seconda.annoScolastico});
    QVERIFY(nuova2B && a.scegliClasse(nuova2B->id));
    QCOMPARE(a.unisci(altro), 2);
    QCOMPARE(Nomi(a.bambini()), QStringList{"Dario/gatto"});
    QCOMPARE(Risposte(a).size(), 2);
    QVERIFY(Risposte(a).contains(QStringLiteral("11:0")));
}

// A file of several classes, none of them ours: refused naming them, and
// nothing changes.
void TestClassi::unisciClasseDelFileSbagliata()
{
    const QString altro = file(QStringLiteral("altre-classi.sqlite"));
    {
        Archivio b;
        QCOMPARE(b.apri(altro), Accesso::Ok);
        Classe sua = b.classi().first();
        sua.nome = QStringLiteral("4D");
        sua.uuid = {};
        QVERIFY(b.salvaClasse(sua));
        QVERIFY(b.salvaClasse({0, {}, "5E", "2024/25"}));
        QVERIFY(b.salva({0, {}, "Zeno", {}, "gatto"}));
        QCOMPARE(b.registra(Risp(1), 0), Accesso::Ok);
    }
    Archivio a;
    dueClassi(a, file(QStringLiteral("unisci-nessuna.sqlite")));
    QVERIFY(!a.unisci(altro));
    QVERIFY2(a.ultimoErrore().contains(QStringLiteral("4D")) && a.ultimoErrore().contains(QStringLiteral("5E 2024/25")),
             qPrintable(a.ultimoErrore()));
    QVERIFY(a.bambini().isEmpty());
    QVERIFY(a.risposte().isEmpty());

    // A file whose child is of a class it does not have is refused whole.
    Sql(altro, QStringLiteral("UPDATE bambini SET classe = 99"));
    QVERIFY(!a.unisci(altro));
    QVERIFY2(a.ultimoErrore().contains(QStringLiteral("bambini")) && a.ultimoErrore().contains(QStringLiteral("classe")),
             qPrintable(a.ultimoErrore()));
}

// A class file goes into the chosen class; with none chosen, nowhere.
void TestClassi::importaNellaClasseScelta()
{
    const QString csv = file(QStringLiteral("classe.csv"));
    {
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Nome;Cognome\nAnna;Rossi\nLuca;Bianchi\n");
    }
    const QString percorso = file(QStringLiteral("importa.sqlite"));
    Classe seconda;
    {
        Archivio a;
        seconda = dueClassi(a, percorso);
    }
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QCOMPARE(ImportaClasse(a, csv).errore, QStringLiteral("scegli una classe"));
    QVERIFY(a.scegliClasse(seconda.id));
    QCOMPARE(ImportaClasse(a, csv).aggiunti, 2);
    QCOMPARE(Nomi(a.bambini()), (QStringList{"Anna/gatto", "Luca/cane"}));
    for (const Classe& c : a.classi())
        if (c.id != seconda.id) {
            QVERIFY(a.scegliClasse(c.id));
            QVERIFY(a.bambini().isEmpty());
            // The same names in another class are other children.
            QCOMPARE(ImportaClasse(a, csv).aggiunti, 2);
        }
}

QTEST_GUILESS_MAIN(TestClassi)
#include "tst_classi.moc"
