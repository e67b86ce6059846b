// The register's store: children, answers, the teacher's views, the file's
// permissions and versions, damaged and foreign files, and merging.
#include "registro/Archivio.h"
#include "registro/Deposito.h"
#include "registro/FileClasse.h"
#include "registro/Giochi.h"
#include "registro/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Registro;

namespace {

Risposta Risp(const QString& schermo, QList<Domanda> domande, QList<Blocco> blocchi, const QString& risposta,
              bool esatta, const QDateTime& quando = QDateTime::currentDateTime())
{
    Risposta r = NuovaRisposta();
    r.quando = quando;
    r.schermo = schermo;
    r.gioco = DidascaliaGioco(schermo);
    r.domande = std::move(domande);
    r.blocchi = std::move(blocchi);
    r.risposta = risposta;
    r.esatta = esatta;
    r.millisecondi = 1234;
    return r;
}

const Blocco TriangoloRosso{"triangolo", "rosso", "grande", "spesso"};
const Blocco QuadratoBlu{"quadrato", "blu", "piccolo", "sottile"};

// A statement on a file of its own connection, outside the register.
QVariant Valore(const QString& file, const QString& sql)
{
    QVariant v;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "prova");
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                v = q.value(0);
        }
    }
    QSqlDatabase::removeDatabase("prova");
    return v;
}

QByteArray Contenuto(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestArchivio : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    QString file(const QString& nome) const { return cartella.filePath(nome); }

private slots:
    void nuovoFile();
    void nomiEsatti_data();
    void nomiEsatti();
    void bambiniEContrassegni();
    void rimuoviConLeRisposte();
    void risposteAndataERitorno_data();
    void risposteAndataERitorno();
    void classeEScheda();
    void periodi();
    void giornoLocale_comeOgniConversione();
    void versioneVuotaMigrata();
    void piuRecenteIntatto_data();
    void piuRecenteIntatto();
    void danneggiatoSpostato_data();
    void danneggiatoSpostato();
    void unisci();
    void altroProgrammaDopoSecondaApertura();
    void unisciNonRegistro_data();
    void unisciNonRegistro();
};

void TestArchivio::nuovoFile()
{
    const QString percorso = file("nuova/cartella/registro.sqlite");
    Archivio a;
    QCOMPARE(a.apri(percorso, false), Esito::Mancante);
    QVERIFY(!QFile::exists(percorso));
    QCOMPARE(a.apri(percorso), Esito::Ok);
    QVERIFY(a.aperto());
    QVERIFY(!a.classeEsiste());
    QCOMPARE(a.registra(Risp("form1", {{"forma", {}, false}}, {TriangoloRosso, QuadratoBlu}, "DIVERSO", true), 0),
             Esito::Ok);
    const auto soloProprietario = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    for (const QString suffisso : {"", "-wal", "-shm"}) {
        QVERIFY2(QFile::exists(percorso + suffisso), qPrintable(suffisso));
        QCOMPARE(QFile::permissions(percorso + suffisso), soloProprietario);
    }
    QCOMPARE(Valore(percorso, "PRAGMA journal_mode").toString(), QStringLiteral("wal"));
    Archivio lettore;
    QCOMPARE(lettore.apri(percorso, false), Esito::Ok);
    QCOMPARE(lettore.risposte().size(), 1);
    QVERIFY(!lettore.salva({0, {}, "Anna", {}, "gatto"}));  // read-only
    QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true), 0), Esito::Ok);
    QCOMPARE(lettore.risposte().size(), 2);
    QCOMPARE(Valore(percorso, "PRAGMA user_version").toInt(), Schema::Versione);
}

void TestArchivio::nomiEsatti_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("cognome");
    QTest::newRow("quotes") << "Anna \"la rossa\"" << "D'Angelo";
    QTest::newRow("accents") << "Niccolò" << "Àlvarez Ñúñez";
    QTest::newRow("emoji") << "Lea 🦄" << "👩‍👧";
    QTest::newRow("200 characters") << QString(200, QChar(u'é')) << QString(200, 'x');
    QTest::newRow("SQL") << "Robert'); DROP TABLE bambini;--" << "x' OR '1'='1";
    QTest::newRow("no surname") << "Ugo" << "";
    QTest::newRow("blanks kept") << "  Eva " << " ";
}

void TestArchivio::nomiEsatti()
{
    QFETCH(QString, nome);
    QFETCH(QString, cognome);
    const QString percorso = file(QStringLiteral("nomi-%1.sqlite").arg(QTest::currentDataTag()));
    qint64 id = 0;
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Esito::Ok);
        const auto b = a.salva({0, {}, nome, cognome, "gatto"});
        QVERIFY2(b, qPrintable(a.ultimoErrore()));
        id = b->id;
        QVERIFY(id > 0);
        QVERIFY(!b->uuid.isNull());
    }
    Archivio a;
    QCOMPARE(a.apri(percorso), Esito::Ok);
    const auto b = a.bambino(id);
    QVERIFY(b);
    QCOMPARE(b->nome, nome);
    QCOMPARE(b->cognome, cognome);
    QCOMPARE(a.bambini().size(), 1);
    QCOMPARE(a.bambini().first(), *b);
}

void TestArchivio::bambiniEContrassegni()
{
    Archivio a;
    QCOMPARE(a.apri(file("bambini.sqlite")), Esito::Ok);
    const auto zoe = a.salva({0, {}, "zoe", {}, "gatto"});
    const auto anna = a.salva({0, {}, "Anna", "Verdi", "cane"});
    QVERIFY(zoe && anna);
    QVERIFY(a.classeEsiste());
    QVERIFY(!a.salva({0, {}, "Luca", {}, "gatto"}));      // symbol taken
    QVERIFY(a.ultimoErrore().contains("gatto"));
    QVERIFY(!a.salva({0, {}, "  ", {}, "rana"}));         // no name
    QVERIFY(!a.salva({0, {}, "Luca", {}, "ospite"}));     // not a child's symbol
    QVERIFY(!a.salva({0, {}, "Luca", {}, "drago"}));      // no such symbol
    QVERIFY(!a.salva({999, {}, "Luca", {}, "rana"}));     // no such child
    Bambino cambiata = *anna;
    cambiata.nome = "Annalisa";
    cambiata.simbolo = "rana";
    QCOMPARE(a.salva(cambiata), cambiata);
    QVERIFY(a.salva({0, {}, "Luca", {}, "cane"}));        // anna's old symbol is free again
    const QList<Bambino> classe = a.bambini();
    QCOMPARE(classe.size(), 3);
    QCOMPARE(classe[0].nome, QStringLiteral("Annalisa"));  // sorted by name, letter case aside
    QCOMPARE(classe[1].nome, QStringLiteral("Luca"));
    QCOMPARE(classe[2], *zoe);
    QCOMPARE(SimboloLibero(classe), QStringLiteral("coniglio"));

    QList<Bambino> nuovi{{0, {}, "Pia", {}, "orso"}, {0, {}, "Teo", {}, "orso"}};
    QVERIFY(!a.salvaTutti(nuovi));  // the second fails: neither is added
    QCOMPARE(a.bambini().size(), 3);
    nuovi[1].simbolo = "leone";
    QVERIFY(a.salvaTutti(nuovi));
    QVERIFY(nuovi[0].id > 0 && nuovi[1].id > 0);
    QCOMPARE(a.bambini().size(), 5);
}

void TestArchivio::rimuoviConLeRisposte()
{
    Archivio a;
    QCOMPARE(a.apri(file("rimuovi.sqlite")), Esito::Ok);
    const auto uno = a.salva({0, {}, "Uno", {}, "gatto"});
    const auto due = a.salva({0, {}, "Due", {}, "cane"});
    for (int i = 0; i < 3; ++i)
        QCOMPARE(a.registra(Risp("FORM2", {}, {TriangoloRosso}, "SI", true), uno->id), Esito::Ok);
    QCOMPARE(a.registra(Risp("FORM2", {}, {TriangoloRosso}, "SI", true), due->id), Esito::Ok);
    QCOMPARE(a.registra(Risp("FORM2", {}, {TriangoloRosso}, "SI", true), 0), Esito::Ok);
    QCOMPARE(a.risposteDi(uno->id), 3);
    QVERIFY(a.rimuovi(uno->id));
    QVERIFY(!a.bambino(uno->id));
    QCOMPARE(a.risposteDi(uno->id), 0);
    QCOMPARE(a.risposte().size(), 2);
    QVERIFY(!a.rimuovi(uno->id));
    QCOMPARE(a.cancellaRisposteDi(due->id), 1);
    QVERIFY(a.bambino(due->id));
    QCOMPARE(a.risposte().size(), 1);
    QCOMPARE(a.risposte().first().second, 0);
}

void TestArchivio::risposteAndataERitorno_data()
{
    QTest::addColumn<Risposta>("risposta");
    const QDateTime ora = QDateTime::currentDateTime();
    QTest::newRow("attribute, two blocks") << Risp("form1", {{"colore", {}, false}}, {TriangoloRosso, QuadratoBlu},
                                                   "DIVERSO", false, ora);
    QTest::newRow("two conditions, one with NON")
        << Risp("zirp7", {{"colore", "rosso", false}, {"forma", "quadrato", true}}, {QuadratoBlu},
                "triangolo rosso grande spesso", true, ora);
    QTest::newRow("number answer") << Risp("zirp3", {{"spessore", "sottile", true}}, {}, "3", true, ora);
    QTest::newRow("every game's last") << Risp("FormDomino2", {{"dimensione", {}, false}}, Blocco::tutti(),
                                               "piccolo", false, ora);
    QTest::newRow("unknown screen and words")
        << Risp("FormNuovo", {{"altezza", "alto", true}, {"colore", "viola", false}},
                {{"stella", "verde", "grande", "spesso"}}, "Un'altra \"risposta\"; sì", true, ora);
    QTest::newRow("nothing asked") << Risp("FormTrova", {}, {}, {}, false, ora);
}

void TestArchivio::risposteAndataERitorno()
{
    QFETCH(Risposta, risposta);
    const QString percorso = file(QStringLiteral("andata-%1.sqlite").arg(QTest::currentDataTag()));
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Esito::Ok);
        QCOMPARE(a.registra(risposta, 0), Esito::Ok);
        QCOMPARE(a.registra(risposta, 0), Esito::Ok);  // the same id again is kept once
    }
    Archivio a;
    QCOMPARE(a.apri(percorso), Esito::Ok);
    const auto lette = a.risposte();
    QCOMPARE(lette.size(), 1);
    Risposta attesa = risposta;
    attesa.risposta = risposta.risposta.isNull() ? QString("") : risposta.risposta;
    const Risposta& letta = lette.first().first;
    QCOMPARE(letta.quando, attesa.quando);
    QCOMPARE(letta.schermo, attesa.schermo);
    QCOMPARE(letta.gioco, attesa.gioco);
    QCOMPARE(letta.domande, attesa.domande);
    QCOMPARE(letta.blocchi, attesa.blocchi);
    QCOMPARE(letta.risposta, attesa.risposta);
    QCOMPARE(letta, attesa);
    QVERIFY(a.contiene(risposta.id));
    QVERIFY(!a.contiene(QUuid::createUuid()));
}

void TestArchivio::classeEScheda()
{
    Archivio a;
    QCOMPARE(a.apri(file("classe.sqlite")), Esito::Ok);
    const auto ada = a.salva({0, {}, "Ada", {}, "gatto"});
    const auto bea = a.salva({0, {}, "Bea", {}, "cane"});
    // A Wednesday and the Monday after it: two weeks.
    const QDateTime mercoledi(QDate(2026, 10, 7), QTime(10, 0));
    const QDateTime lunedi(QDate(2026, 10, 12), QTime(9, 0));
    QList<std::pair<Risposta, qint64>> tutte{
        {Risp("form1", {{"forma", {}, false}}, {TriangoloRosso, QuadratoBlu}, "DIVERSO", true, mercoledi), ada->id},
        {Risp("form1", {{"colore", {}, false}}, {TriangoloRosso, TriangoloRosso}, "DIVERSO", false, mercoledi), ada->id},
        {Risp("zirp7", {{"colore", "rosso", false}, {"forma", "quadrato", true}}, {QuadratoBlu}, "NO", false, lunedi), ada->id},
        {Risp("zirp7", {{"colore", "rosso", false}, {"forma", "quadrato", true}}, {QuadratoBlu}, "NO", false, lunedi), ada->id},
        {Risp("zirp7", {{"colore", "blu", false}}, {QuadratoBlu}, "SI", true, lunedi), ada->id},
        {Risp("FormDomino2", {{"spessore", {}, false}}, {QuadratoBlu}, "x", true, lunedi), bea->id},
        {Risp("FormDomino2", {{"spessore", {}, false}}, {QuadratoBlu}, "x", false, lunedi), 0},
        {Risp("FormNuovo", {{"spessore", {}, false}}, {QuadratoBlu}, "x", false, lunedi), bea->id},
    };
    QCOMPARE(a.registraTutte(tutte), Esito::Ok);

    const QList<RigaClasse> classe = a.classe({});
    QCOMPARE(classe.size(), 3);  // Ada, Bea, guests
    QCOMPARE(classe[0].bambino, *ada);
    QCOMPARE(classe[0].perGioco.size(), qsizetype(Giochi().size()));
    QCOMPARE(classe[0].perGioco[0].esatte, 1);
    QCOMPARE(classe[0].perGioco[0].errate, 1);
    QCOMPARE(classe[0].perGioco[4].esatte, 1);
    QCOMPARE(classe[0].perGioco[4].errate, 2);
    QCOMPARE(classe[0].perGioco[8].totale(), 0);
    QCOMPARE(classe[1].perGioco[8].esatte, 1);
    QCOMPARE(classe[2].bambino.id, 0);
    QCOMPARE(classe[2].bambino.simbolo, QStringLiteral("ospite"));
    QCOMPARE(classe[2].perGioco[8].errate, 1);
    const QList<RigaClasse> ottobre7 = a.classe({QDate(2026, 10, 7), QDate(2026, 10, 7)});
    QCOMPARE(ottobre7.size(), 2);  // no guests that day
    QCOMPARE(ottobre7[0].perGioco[4].totale(), 0);
    QCOMPARE(ottobre7[0].perGioco[0].totale(), 2);

    const SchedaBambino s = a.scheda(ada->id, {});
    QCOMPARE(s.forma.esatte, 1);
    QCOMPARE(s.forma.errate, 2);   // the le strade answers asked about the shape too
    QCOMPARE(s.colore.esatte, 1);
    QCOMPARE(s.colore.errate, 3);
    QCOMPARE(s.spessore.totale(), 0);
    QCOMPARE(s.senzaNon.esatte, 1);
    QCOMPARE(s.senzaNon.errate, 0);
    QCOMPARE(s.conNon.errate, 2);
    QCOMPARE(s.settimane.size(), 2);
    QCOMPARE(s.settimane[0].lunedi, QDate(2026, 10, 5));
    QCOMPARE(s.settimane[0].forma.quota().value_or(-1), 1.0);
    QCOMPARE(s.settimane[0].colore.quota().value_or(-1), 0.0);
    QCOMPARE(s.settimane[1].lunedi, QDate(2026, 10, 12));
    QCOMPARE(s.settimane[1].conNon.quota().value_or(-1), 0.0);
    QCOMPARE(s.settimane[1].senzaNon.quota().value_or(-1), 1.0);
    QVERIFY(!s.settimane[1].spessore.quota());
    QCOMPARE(s.piuSbagliati.size(), 2);
    QCOMPARE(s.piuSbagliati[0].gioco, QStringLiteral("le strade 1"));
    QCOMPARE(s.piuSbagliati[0].domanda, QStringLiteral("rosso e NON quadrato"));
    QCOMPARE(s.piuSbagliati[0].blocchi, QStringLiteral("quadrato blu piccolo sottile"));
    QCOMPARE(s.piuSbagliati[0].volte, 2);
    QCOMPARE(s.piuSbagliati[1].blocchi, QStringLiteral("triangolo rosso grande spesso, triangolo rosso grande spesso"));
    QCOMPARE(a.scheda(ada->id, {QDate(2026, 10, 12), {}}).settimane.size(), 1);
}

// The local day of moments, converted once per day, is the day each
// moment's own conversion gives: across both changes of summer time in a
// zone that has them, at midnight and either side of it, moving forward day
// after day as a child's answers come, and back again.
void TestArchivio::giornoLocale_comeOgniConversione()
{
    const QByteArray prima = qgetenv("TZ");
    const auto ripristina = qScopeGuard([&] {
        prima.isNull() ? qunsetenv("TZ") : qputenv("TZ", prima);
    });
    for (const char* zona : {"Europe/Rome", "America/Santiago", "UTC"}) {
        qputenv("TZ", zona);
        for (const QDate inizio : {QDate(2026, 3, 27), QDate(2026, 10, 23), QDate(2026, 4, 3), QDate(2026, 9, 4)}) {
            Registro::GiornoLocale giornoDi;
            const qint64 da = inizio.startOfDay().toMSecsSinceEpoch() - 1;
            QList<qint64> momenti;
            for (qint64 ms = da; ms < da + 5 * 86400000LL; ms += 7 * 60 * 1000 + 13)
                momenti << ms;
            for (qint64 ms = da + 5 * 86400000LL; ms > da; ms -= 11 * 60 * 1000 + 7)
                momenti << ms;
            for (int giorno = 0; giorno < 5; ++giorno)
                for (qint64 scarto : {-1LL, 0LL, 1LL})
                    momenti << QDate(inizio.addDays(giorno)).startOfDay().toMSecsSinceEpoch() + scarto;
            for (const qint64 ms : std::as_const(momenti))
                QCOMPARE(giornoDi(ms), QDateTime::fromMSecsSinceEpoch(ms).date());
        }
    }
}

void TestArchivio::periodi()
{
    Archivio a;
    QCOMPARE(a.apri(file("periodi.sqlite")), Esito::Ok);
    const QDate oggi(2026, 3, 10);
    const QList<QDateTime> tempi{oggi.addDays(-1).startOfDay().addMSecs(-1), oggi.addDays(-1).startOfDay(),
                                 oggi.startOfDay().addMSecs(-1), oggi.startOfDay()};
    for (const QDateTime& t : tempi)
        QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true, t), 0), Esito::Ok);
    QCOMPARE(a.risposte({oggi.addDays(-1), oggi.addDays(-1)}).size(), 2);
    QCOMPARE(a.risposte({{}, oggi.addDays(-1)}).size(), 3);
    QCOMPARE(a.risposte({oggi, {}}).size(), 1);
    QCOMPARE(a.cancellaPrimaDi(oggi.addDays(-1)), 1);
    QCOMPARE(a.risposte().first().first.quando, tempi[1]);
    QCOMPARE(Periodo::Settimana().dal->dayOfWeek(), 1);
    QVERIFY(Periodo::AnnoScolastico().dal->month() == 9 && Periodo::AnnoScolastico().dal->day() == 1);
}

void TestArchivio::versioneVuotaMigrata()
{
    // A database with nothing in it is version 0: opening brings it to the
    // current version, through every step.
    const QString percorso = file("vuoto.sqlite");
    QVERIFY(Valore(percorso, "PRAGMA user_version").isValid());
    QCOMPARE(QFileInfo(percorso).size(), 0);
    QVERIFY(Valore(percorso, "CREATE TABLE x (y)").isNull());
    QVERIFY(Valore(percorso, "DROP TABLE x").isNull());
    QVERIFY(QFileInfo(percorso).size() > 0);
    Archivio lettore;
    QCOMPARE(lettore.apri(percorso, false), Esito::Mancante);
    Archivio a;
    QCOMPARE(a.apri(percorso), Esito::Ok);
    QVERIFY(a.fileSpostato().isEmpty());
    QVERIFY(a.salva({0, {}, "Anna", {}, "gatto"}));
    QCOMPARE(Valore(percorso, "PRAGMA user_version").toInt(), Schema::Versione);
}

void TestArchivio::piuRecenteIntatto_data()
{
    QTest::addColumn<bool>("crea");
    QTest::newRow("opened to write") << true;
    QTest::newRow("opened to read") << false;
}

void TestArchivio::piuRecenteIntatto()
{
    QFETCH(bool, crea);
    const QString percorso = file(QStringLiteral("recente-%1.sqlite").arg(crea));
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Esito::Ok);
        QVERIFY(a.salva({0, {}, "Anna", {}, "gatto"}));
    }
    QVERIFY(Valore(percorso, "PRAGMA user_version = 7").isNull());
    QVERIFY(Valore(percorso, "PRAGMA journal_mode = DELETE").isValid());
    const QByteArray prima = Contenuto(percorso);
    const QDateTime modificato = QFileInfo(percorso).lastModified();
    QTest::qWait(20);
    Archivio a;
    QCOMPARE(a.apri(percorso, crea), Esito::PiuRecente);
    QVERIFY(!a.aperto());
    QVERIFY2(a.ultimoErrore().contains("più recente"), qPrintable(a.ultimoErrore()));
    QVERIFY(a.ultimoErrore().contains(QDir::toNativeSeparators(percorso)));
    QVERIFY(a.fileSpostato().isEmpty());
    QCOMPARE(Contenuto(percorso), prima);
    QCOMPARE(QFileInfo(percorso).lastModified(), modificato);
    QCOMPARE(QDir(cartella.path()).entryList({"registro-danneggiato*"}), QStringList());
    QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true), 0), Esito::NonScrivibile);
    QVERIFY(a.bambini().isEmpty());
}

void TestArchivio::danneggiatoSpostato_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<bool>("daRegistro");
    QTest::newRow("text") << QByteArray("Nome;Cognome\nAnna;Verdi\n") << false;
    QTest::newRow("short header") << QByteArray("SQLite format 3") << false;
    QTest::newRow("another program's database") << QByteArray() << false;
    QTest::newRow("pages overwritten") << QByteArray() << true;
}

void TestArchivio::danneggiatoSpostato()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(bool, daRegistro);
    QTemporaryDir propria;
    const QString percorso = propria.filePath("registro.sqlite");
    if (daRegistro) {
        Archivio a;
        QCOMPARE(a.apri(percorso), Esito::Ok);
        QList<std::pair<Risposta, qint64>> molte;
        for (int i = 0; i < 3000; ++i)
            molte.append({Risp("form1", {{"forma", {}, false}}, {TriangoloRosso}, QString(40, 'x'), true), 0});
        QCOMPARE(a.registraTutte(molte), Esito::Ok);
    }
    if (daRegistro) {
        // Garbage over the middle of the answers' pages, the header kept.
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.size() > 40000);
        f.seek(f.size() / 2);
        f.write(QByteArray(20000, '\x5a'));
    } else if (contenuto.isEmpty()) {
        QVERIFY(Valore(percorso, "CREATE TABLE clienti (nome)").isNull());
    } else {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
    }
    const QByteArray prima = Contenuto(percorso);
    Archivio a;
    QCOMPARE(a.apri(percorso), Esito::Ok);
    QVERIFY(a.aperto());
    const QString spostato = a.fileSpostato();
    QVERIFY2(QFileInfo(spostato).fileName().contains(
                 QRegularExpression("^registro-danneggiato-\\d{8}-\\d{6}\\.sqlite$")),
             qPrintable(spostato));
    QCOMPARE(QFileInfo(spostato).absolutePath(), QFileInfo(percorso).absolutePath());
    QCOMPARE(Contenuto(spostato), prima);
    QVERIFY(a.bambini().isEmpty());
    QVERIFY(a.risposte().isEmpty());
    QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true), 0), Esito::Ok);
    QCOMPARE(Valore(percorso, "PRAGMA integrity_check").toString(), QStringLiteral("ok"));
    // Damaged twice in a second: the second is moved aside too, under another name.
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("rotto");
    f.close();
    Archivio b;
    QCOMPARE(b.apri(percorso), Esito::Ok);
    QVERIFY(b.fileSpostato() != spostato);
    QCOMPARE(Contenuto(b.fileSpostato()), QByteArray("rotto"));
    QCOMPARE(Contenuto(spostato), prima);
}

void TestArchivio::unisci()
{
    QTemporaryDir cartelle;
    // A copy's name as a teacher may give it: a path SQLite reads as a URI
    // unless every sign in it is escaped.
    const QString nostro = cartelle.filePath("nostro.sqlite");
    const QString loro = cartelle.filePath("copia di Zoë #2 ?100% (loro).sqlite");
    Archivio a, b;
    QCOMPARE(a.apri(nostro), Esito::Ok);
    QCOMPARE(b.apri(loro), Esito::Ok);
    // The same child on both (as after a first merge), one by name alone,
    // one whose symbol is taken here, one new, and a guest.
    const auto anna = a.salva({0, {}, "Anna", "Verdi", "gatto"});
    QVERIFY(b.salva({0, anna->uuid, "Anna", "Verdi", "rana"}));
    const auto ugoNostro = a.salva({0, {}, "Ugo", {}, "cane"});
    QVERIFY(b.salva({0, {}, "UGO", {}, "orso"}));
    QVERIFY(b.salva({0, {}, "Lea", "Neri", "cane"}));
    QVERIFY(b.salva({0, {}, "Teo 🦄", "O'Neil", "leone"}));
    const QDateTime t(QDate(2026, 10, 1), QTime(8, 0));
    QCOMPARE(a.registra(Risp("form1", {}, {}, "nostra", true, t), anna->id), Esito::Ok);
    for (const Bambino& c : b.bambini())
        QCOMPARE(b.registra(Risp("zirp9", {{"colore", "blu", true}}, {QuadratoBlu}, c.nome, true, t), c.id), Esito::Ok);
    QCOMPARE(b.registra(Risp("FormTrova", {}, {}, "ospite", false, t), 0), Esito::Ok);
    const auto condivisa = a.risposte().first().first;
    QCOMPARE(b.registra(condivisa, 0), Esito::Ok);  // already merged once the other way

    const QByteArray loroPrima = Contenuto(loro) + Contenuto(loro + "-wal");
    QCOMPARE(a.unisci(loro), std::optional<int>(5));
    QCOMPARE(a.unisci(loro), std::optional<int>(0));
    QCOMPARE(Contenuto(loro) + Contenuto(loro + "-wal"), loroPrima);
    const QList<Bambino> classe = a.bambini();
    QCOMPARE(classe.size(), 4);
    QCOMPARE(classe[0].simbolo, QStringLiteral("gatto"));   // ours kept
    QCOMPARE(classe[1].nome, QStringLiteral("Lea"));
    QCOMPARE(classe[1].simbolo, QStringLiteral("coniglio"));  // cane is Ugo's here: the first free one
    QCOMPARE(classe[2].nome, QStringLiteral("Teo 🦄"));
    QCOMPARE(classe[2].cognome, QStringLiteral("O'Neil"));
    QCOMPARE(classe[2].simbolo, QStringLiteral("leone"));
    QCOMPARE(classe[3], *ugoNostro);
    QCOMPARE(a.risposteDi(anna->id), 2);
    QCOMPARE(a.risposteDi(ugoNostro->id), 1);
    QCOMPARE(a.risposteDi(classe[2].id), 1);
    QCOMPARE(a.risposteDi(0), 1);
    // Every answer of theirs is here, as it was recorded.
    QHash<QUuid, Risposta> qui;
    for (const auto& [r, bambino] : a.risposte())
        qui.insert(r.id, r);
    for (const auto& [r, bambino] : b.risposte())
        QCOMPARE(qui.value(r.id), r);
    // An export of the merged register has every answer once.
    QCOMPARE(EsportaCsv(a).count('\n'), 1 + 6);
    // Merging back adds ours and theirs' once.
    QCOMPARE(b.unisci(nostro), std::optional<int>(0));
    QCOMPARE(b.bambini().size(), 4);
}

void TestArchivio::unisciNonRegistro_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("errore");
    QTest::newRow("missing") << "manca.sqlite" << QByteArray() << "non esiste";
    QTest::newRow("a class file") << "classe.csv" << QByteArray("Nome;Cognome\n") << "non è un registro di Tesselo";
    QTest::newRow("another program's database") << "altro.sqlite" << QByteArray("tabella") << "non è un registro";
    QTest::newRow("a newer register") << "nuovo.sqlite" << QByteArray("versione") << "più recente";
    QTest::newRow("damaged pages") << "rotto.sqlite" << QByteArray("rotto") << "non è un registro";
}

void TestArchivio::unisciNonRegistro()
{
    QFETCH(QString, nome);
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, errore);
    QTemporaryDir cartelle;
    const QString altro = cartelle.filePath(nome);
    if (contenuto == "tabella") {
        Valore(altro, "CREATE TABLE risposte (x)");
        Valore(altro, "PRAGMA user_version = 1");
    } else if (contenuto == "versione" || contenuto == "rotto") {
        Archivio b;
        QCOMPARE(b.apri(altro), Esito::Ok);
        QList<std::pair<Risposta, qint64>> molte;
        for (int i = 0; i < 2000; ++i)
            molte.append({Risp("form1", {}, {}, QString(60, 'y'), true), 0});
        QCOMPARE(b.registraTutte(molte), Esito::Ok);
    } else if (!contenuto.isEmpty()) {
        QFile f(altro);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
    }
    if (contenuto == "versione")
        Valore(altro, QStringLiteral("PRAGMA user_version = %1").arg(Schema::Versione + 1));
    if (contenuto == "rotto") {
        Valore(altro, "PRAGMA wal_checkpoint(TRUNCATE)");
        QFile f(altro);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(f.size() / 2);
        f.write(QByteArray(30000, '\x33'));
    }
    const QByteArray prima = Contenuto(altro);
    Archivio a;
    QCOMPARE(a.apri(cartelle.filePath("nostro.sqlite")), Esito::Ok);
    QVERIFY(a.salva({0, {}, "Anna", {}, "gatto"}));
    QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true), 1), Esito::Ok);
    QCOMPARE(a.unisci(altro), std::nullopt);
    QVERIFY2(a.ultimoErrore().contains(errore), qPrintable(a.ultimoErrore()));
    QCOMPARE(a.bambini().size(), 1);
    QCOMPARE(a.risposte().size(), 1);
    QCOMPARE(Contenuto(altro), prima);
    // The register is still whole and usable.
    QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true), 1), Esito::Ok);
    QCOMPARE(a.risposte().size(), 2);
}

// How many answers another program sees in the register, through the sqlite3
// program; -1 when it cannot.
int RisposteViste(const QString& file)
{
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlite3"), {file, QStringLiteral("SELECT count(*) FROM risposte")});
    if (!sqlite.waitForFinished(10000) || sqlite.exitCode() != 0) {
        qWarning() << "sqlite3 (in scripts/pacchetti-prove.txt):" << sqlite.errorString() << sqlite.readAllStandardError();
        return -1;
    }
    bool numero = false;
    const int n = sqlite.readAllStandardOutput().trimmed().toInt(&numero);
    return numero ? n : -1;
}

void TestArchivio::altroProgrammaDopoSecondaApertura()
{
    // The game holds the register open (its writer) while opening it again
    // (the class read, the sender). Then another program (the teachers'
    // program, sqlite3) opens and closes it: it must not take the file as
    // unused, checkpoint it and delete its WAL under the open connection,
    // whose next answers would then be seen by nobody else, and lost.
    const QString percorso = file("aperto-due-volte.sqlite");
    Archivio scrittore;
    QCOMPARE(scrittore.apri(percorso), Esito::Ok);
    QCOMPARE(scrittore.registra(Risp("form1", {{"forma", {}, false}}, {TriangoloRosso}, "UGUALE", true), 0), Esito::Ok);
    for (const bool crea : {false, true}) {
        Archivio lettore;
        QCOMPARE(lettore.apri(percorso, crea), Esito::Ok);
    }
    QCOMPARE(RisposteViste(percorso), 1);
    QVERIFY(QFile::exists(percorso + "-wal"));
    QCOMPARE(scrittore.registra(Risp("form1", {{"colore", {}, false}}, {QuadratoBlu}, "DIVERSO", true), 0), Esito::Ok);
    QCOMPARE(RisposteViste(percorso), 2);
}

QTEST_GUILESS_MAIN(TestArchivio)
#include "tst_archivio.moc"
