// The register's store: children, answers, the teacher's views, the file's
// permissions and versions, damaged and foreign files, and merging.
#include "registro/Archivio.h"
#include "registro/Deposito.h"
#include "registro/FileClasse.h"
#include "registro/Giochi.h"
#include "registro/Schema.h"
#include "tests/support/ValoreSqlite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

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
    void nomiInerti();
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
    void unisciFileOstile_data();
    void unisciFileOstile();
    void unisciColSuoWal();
    void unisciWalEstraneo();
    void unisciStessoCodiceAltroNome();
    void unisciNonFermaIlGioco();
    void migraRiletta();
};

void TestArchivio::nuovoFile()
{
    const QString percorso = file("nuova/cartella/registro.sqlite");
    Archivio a;
    QCOMPARE(a.apri(percorso, false), Accesso::Mancante);
    QVERIFY(!QFile::exists(percorso));
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QVERIFY(a.aperto());
    QVERIFY(!a.classeEsiste());
    QCOMPARE(a.registra(Risp("form1", {{"forma", {}, false}}, {TriangoloRosso, QuadratoBlu}, "DIVERSO", true), 0),
             Accesso::Ok);
    const auto soloProprietario = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    for (const QString suffisso : {"", "-wal", "-shm"}) {
        QVERIFY2(QFile::exists(percorso + suffisso), qPrintable(suffisso));
        QCOMPARE(QFile::permissions(percorso + suffisso), soloProprietario);
    }
    QCOMPARE(Valore(percorso, "PRAGMA journal_mode").toString(), QStringLiteral("wal"));
    Archivio lettore;
    QCOMPARE(lettore.apri(percorso, false), Accesso::Ok);
    QCOMPARE(lettore.risposte().size(), 1);
    QVERIFY(!lettore.salva({0, {}, "Anna", {}, "gatto"}));  // read-only
    QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true), 0), Accesso::Ok);
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
        QCOMPARE(a.apri(percorso), Accesso::Ok);
        const auto b = a.salva({0, {}, nome, cognome, "gatto"});
        QVERIFY2(b, qPrintable(a.ultimoErrore()));
        id = b->id;
        QVERIFY(id > 0);
        QVERIFY(!b->uuid.isNull());
    }
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
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
    QCOMPARE(a.apri(file("bambini.sqlite")), Accesso::Ok);
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
    QCOMPARE(classe[0].nome, QStringLiteral("Luca"));  // sorted by surname (none first), then name, letter case aside
    QCOMPARE(classe[1], *zoe);
    QCOMPARE(classe[2].nome, QStringLiteral("Annalisa"));
    QCOMPARE(SimboloLibero(classe), QStringLiteral("coniglio"));

    QList<Bambino> nuovi{{0, {}, "Pia", {}, "orso"}, {0, {}, "Teo", {}, "orso"}};
    QVERIFY(!a.salvaTutti(nuovi));  // the second fails: neither is added
    QCOMPARE(a.bambini().size(), 3);
    nuovi[1].simbolo = "leone";
    QVERIFY(a.salvaTutti(nuovi));
    QVERIFY(nuovi[0].id > 0 && nuovi[1].id > 0);
    QCOMPARE(a.bambini().size(), 5);
}

// A name is stored without NUL characters and shown without the controls
// that would turn it, or the text around it, right to left: also a name an
// older program stored with them.
void TestArchivio::nomiInerti()
{
    const QString percorso = file("nomi-inerti.sqlite");
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    const QString rlo(QChar(0x202E)), isolato = QString(QChar(0x2067)) + "x" + QChar(0x2069);
    const auto b = a.salva({0, {}, "Ann" + QString(QChar(0)) + "a" + rlo, isolato + "Blu", "gatto"});
    QVERIFY(b);
    QCOMPARE(b->nomeCompleto(), QStringLiteral("Anna xBlu"));
    QCOMPARE(Valore(percorso, "SELECT nome || '|' || cognome FROM bambini").toString(), QStringLiteral("Anna|xBlu"));
    Valore(percorso, "UPDATE bambini SET nome = char(8238) || 'issoR'");
    QCOMPARE(a.bambini().value(0).nome, QStringLiteral("issoR"));
}

void TestArchivio::rimuoviConLeRisposte()
{
    Archivio a;
    QCOMPARE(a.apri(file("rimuovi.sqlite")), Accesso::Ok);
    const auto uno = a.salva({0, {}, "Uno", {}, "gatto"});
    const auto due = a.salva({0, {}, "Due", {}, "cane"});
    for (int i = 0; i < 3; ++i)
        QCOMPARE(a.registra(Risp("FORM2", {}, {TriangoloRosso}, "SI", true), uno->id), Accesso::Ok);
    QCOMPARE(a.registra(Risp("FORM2", {}, {TriangoloRosso}, "SI", true), due->id), Accesso::Ok);
    QCOMPARE(a.registra(Risp("FORM2", {}, {TriangoloRosso}, "SI", true), 0), Accesso::Ok);
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
        QCOMPARE(a.apri(percorso), Accesso::Ok);
        QCOMPARE(a.registra(risposta, 0), Accesso::Ok);
        QCOMPARE(a.registra(risposta, 0), Accesso::Ok);  // the same id again is kept once
    }
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
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
    QCOMPARE(a.apri(file("classe.sqlite")), Accesso::Ok);
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
    QCOMPARE(a.registraTutte(tutte), Accesso::Ok);

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
    QCOMPARE(a.apri(file("periodi.sqlite")), Accesso::Ok);
    const QDate oggi(2026, 3, 10);
    const QList<QDateTime> tempi{oggi.addDays(-1).startOfDay().addMSecs(-1), oggi.addDays(-1).startOfDay(),
                                 oggi.startOfDay().addMSecs(-1), oggi.startOfDay()};
    for (const QDateTime& t : tempi)
        QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true, t), 0), Accesso::Ok);
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
    QCOMPARE(lettore.apri(percorso, false), Accesso::Mancante);
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
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
        QCOMPARE(a.apri(percorso), Accesso::Ok);
        QVERIFY(a.salva({0, {}, "Anna", {}, "gatto"}));
    }
    QVERIFY(Valore(percorso, "PRAGMA user_version = 7").isNull());
    QVERIFY(Valore(percorso, "PRAGMA journal_mode = DELETE").isValid());
    const QByteArray prima = Contenuto(percorso);
    const QDateTime modificato = QFileInfo(percorso).lastModified();
    QTest::qWait(20);
    Archivio a;
    QCOMPARE(a.apri(percorso, crea), Accesso::PiuRecente);
    QVERIFY(!a.aperto());
    QVERIFY2(a.ultimoErrore().contains("più recente"), qPrintable(a.ultimoErrore()));
    QVERIFY(a.ultimoErrore().contains(QDir::toNativeSeparators(percorso)));
    QVERIFY(a.fileSpostato().isEmpty());
    QCOMPARE(Contenuto(percorso), prima);
    QCOMPARE(QFileInfo(percorso).lastModified(), modificato);
    QCOMPARE(QDir(cartella.path()).entryList({"registro-danneggiato*"}), QStringList());
    QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true), 0), Accesso::NonScrivibile);
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
        QCOMPARE(a.apri(percorso), Accesso::Ok);
        QList<std::pair<Risposta, qint64>> molte;
        for (int i = 0; i < 3000; ++i)
            molte.append({Risp("form1", {{"forma", {}, false}}, {TriangoloRosso}, QString(40, 'x'), true), 0});
        QCOMPARE(a.registraTutte(molte), Accesso::Ok);
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
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QVERIFY(a.aperto());
    const QString spostato = a.fileSpostato();
    QVERIFY2(QFileInfo(spostato).fileName().contains(
                 QRegularExpression("^registro-danneggiato-\\d{8}-\\d{6}\\.sqlite$")),
             qPrintable(spostato));
    QCOMPARE(QFileInfo(spostato).absolutePath(), QFileInfo(percorso).absolutePath());
    QCOMPARE(Contenuto(spostato), prima);
    QVERIFY(a.bambini().isEmpty());
    QVERIFY(a.risposte().isEmpty());
    QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true), 0), Accesso::Ok);
    QCOMPARE(Valore(percorso, "PRAGMA integrity_check").toString(), QStringLiteral("ok"));
    // Damaged twice in a second: the second is moved aside too, under another name.
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("rotto");
    f.close();
    Archivio b;
    QCOMPARE(b.apri(percorso), Accesso::Ok);
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
    QCOMPARE(a.apri(nostro), Accesso::Ok);
    QCOMPARE(b.apri(loro), Accesso::Ok);
    // The same child on both (as after a first merge), one by name alone,
    // one whose symbol is taken here, one new, and a guest.
    const auto anna = a.salva({0, {}, "Anna", "Verdi", "gatto"});
    QVERIFY(b.salva({0, anna->uuid, "Anna", "Verdi", "rana"}));
    const auto ugoNostro = a.salva({0, {}, "Ugo", {}, "cane"});
    QVERIFY(b.salva({0, {}, "UGO", {}, "orso"}));
    QVERIFY(b.salva({0, {}, "Lea", "Neri", "cane"}));
    QVERIFY(b.salva({0, {}, "Teo 🦄", "O'Neil", "leone"}));
    const QDateTime t(QDate(2026, 10, 1), QTime(8, 0));
    QCOMPARE(a.registra(Risp("form1", {}, {}, "nostra", true, t), anna->id), Accesso::Ok);
    for (const Bambino& c : b.bambini())
        QCOMPARE(b.registra(Risp("zirp9", {{"colore", "blu", true}}, {QuadratoBlu}, c.nome, true, t), c.id), Accesso::Ok);
    QCOMPARE(b.registra(Risp("FormTrova", {}, {}, "ospite", false, t), 0), Accesso::Ok);
    const auto condivisa = a.risposte().first().first;
    QCOMPARE(b.registra(condivisa, 0), Accesso::Ok);  // already merged once the other way

    const QByteArray loroPrima = Contenuto(loro) + Contenuto(loro + "-wal");
    QCOMPARE(a.unisci(loro), std::optional<int>(5));
    QCOMPARE(a.unisci(loro), std::optional<int>(0));
    QCOMPARE(Contenuto(loro) + Contenuto(loro + "-wal"), loroPrima);
    const QList<Bambino> classe = a.bambini();
    QCOMPARE(classe.size(), 4);
    QCOMPARE(classe[3].simbolo, QStringLiteral("gatto"));   // ours kept
    QCOMPARE(classe[1].nome, QStringLiteral("Lea"));
    QCOMPARE(classe[1].simbolo, QStringLiteral("coniglio"));  // cane is Ugo's here: the first free one
    QCOMPARE(classe[2].nome, QStringLiteral("Teo 🦄"));
    QCOMPARE(classe[2].cognome, QStringLiteral("O'Neil"));
    QCOMPARE(classe[2].simbolo, QStringLiteral("leone"));
    QCOMPARE(classe[0], *ugoNostro);
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
        QCOMPARE(b.apri(altro), Accesso::Ok);
        QList<std::pair<Risposta, qint64>> molte;
        for (int i = 0; i < 2000; ++i)
            molte.append({Risp("form1", {}, {}, QString(60, 'y'), true), 0});
        QCOMPARE(b.registraTutte(molte), Accesso::Ok);
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
    QCOMPARE(a.apri(cartelle.filePath("nostro.sqlite")), Accesso::Ok);
    QVERIFY(a.salva({0, {}, "Anna", {}, "gatto"}));
    QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true), 1), Accesso::Ok);
    QCOMPARE(a.unisci(altro), std::nullopt);
    QVERIFY2(a.ultimoErrore().contains(errore), qPrintable(a.ultimoErrore()));
    QCOMPARE(a.bambini().size(), 1);
    QCOMPARE(a.risposte().size(), 1);
    QCOMPARE(Contenuto(altro), prima);
    // The register is still whole and usable.
    QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true), 1), Accesso::Ok);
    QCOMPARE(a.risposte().size(), 2);
}

namespace {

// A connection of a test's own to a file, kept open until it goes.
struct Connessione {
    QString nome = QStringLiteral("prova-%1").arg(quintptr(this));
    explicit Connessione(const QString& file)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", nome);
        db.setDatabaseName(file);
        db.open();
    }
    ~Connessione()
    {
        QSqlDatabase::database(nome, false).close();
        QSqlDatabase::removeDatabase(nome);
    }
    bool operator()(const QString& sql) const
    {
        QSqlQuery q(QSqlDatabase::database(nome, false));
        if (q.exec(sql))
            return true;
        qWarning() << sql << q.lastError().text();
        return false;
    }
};

// An answer written the way the game stores one, in SQL.
QString RispostaSql(qint64 bambino)
{
    return QStringLiteral("INSERT INTO risposte (uuid, quando, bambino, gioco, domande, blocchi, risposta, esatta,"
                          " millisecondi) VALUES (randomblob(16), %1, %2, 0, x'01', x'0203', 'UGUALE', 1, 900)")
        .arg(QDateTime(QDate(2026, 10, 1), QTime(9, 0)).toMSecsSinceEpoch())
        .arg(bambino);
}

// The local register and its -wal, as they are on disk.
QByteArray SuDisco(const QString& file)
{
    return Contenuto(file) + Contenuto(file + "-wal");
}

bool CopiaCon(const QString& da, const QString& a)
{
    QDir().mkpath(QFileInfo(a).absolutePath());
    QFile::remove(a);
    return QFile::copy(da, a);
}

// A register of another computer: two children, three answers, closed.
void Loro(const QString& file)
{
    Archivio b;
    QCOMPARE(b.apri(file), Accesso::Ok);
    const auto lea = b.salva({0, {}, "Lea", {}, "rana"});
    QVERIFY(b.salva({0, {}, "Teo", {}, "leone"}));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(b.registra(Risp("zirp9", {{"colore", "blu", true}}, {QuadratoBlu}, "SI", true,
                                 QDateTime(QDate(2026, 10, 1), QTime(8, i))),
                            lea->id),
                 Accesso::Ok);
}

} // namespace

// Each attack on the merge found by an audit, in a file otherwise written by
// this program: refused whole, naming what is wrong, and the local register
// left byte for byte as it was, still usable.
void TestArchivio::unisciFileOstile_data()
{
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<QString>("errore");
    const QString tabelle = "ha tabelle che Tesselo non scrive";
    const QString colonne = "id INTEGER PRIMARY KEY, uuid BLOB NOT NULL UNIQUE, quando INTEGER NOT NULL,"
                            " bambino INTEGER NOT NULL DEFAULT 0, gioco, blocchi, risposta, esatta INTEGER NOT NULL,"
                            " millisecondi INTEGER NOT NULL";
    QTest::newRow("questions generated as 10 MB") << QStringList{
        "DROP TABLE risposte",
        "CREATE TABLE risposte (" + colonne + ", domande AS (zeroblob(10000000)))",
        "INSERT INTO risposte (uuid, quando, esatta, millisecondi) VALUES (randomblob(16), 1790000000000, 1, 5)"}
                                                  << tabelle;
    QTest::newRow("answers as an FTS4 table") << QStringList{
        "DROP TABLE risposte",
        "CREATE VIRTUAL TABLE risposte USING fts4(uuid, quando, bambino, gioco, domande, blocchi, risposta, esatta,"
        " millisecondi)"} << tabelle;
    QTest::newRow("a trigger") << QStringList{"CREATE TRIGGER spia AFTER INSERT ON bambini"
                                              " BEGIN DELETE FROM risposte; END"} << tabelle;
    QTest::newRow("a view") << QStringList{"CREATE VIEW tutte AS SELECT * FROM risposte"} << tabelle;
    QTest::newRow("a table more") << QStringList{"CREATE TABLE altro (x)"} << tabelle;
    const QString riga2 = "la riga 2 della tabella risposte non è valida (%1)";
    QTest::newRow("text uuid") << QStringList{"UPDATE risposte SET uuid = 'non un uuid' WHERE id = 2"}
                               << riga2.arg("uuid");
    QTest::newRow("3-byte uuid") << QStringList{"UPDATE risposte SET uuid = x'010203' WHERE id = 2"} << riga2.arg("uuid");
    QTest::newRow("nil uuid") << QStringList{"UPDATE risposte SET uuid = zeroblob(16) WHERE id = 2"} << riga2.arg("uuid");
    QTest::newRow("time 2^63 - 1") << QStringList{"UPDATE risposte SET quando = 9223372036854775807 WHERE id = 2"}
                                   << riga2.arg("quando");
    QTest::newRow("time -2^63") << QStringList{"UPDATE risposte SET quando = -9223372036854775808 WHERE id = 2"}
                                << riga2.arg("quando");
    QTest::newRow("time in 1999") << QStringList{"UPDATE risposte SET quando = 944000000000 WHERE id = 2"}
                                  << riga2.arg("quando");
    QTest::newRow("esatta 'sì'") << QStringList{"UPDATE risposte SET esatta = 'sì' WHERE id = 2"} << riga2.arg("esatta");
    QTest::newRow("negative milliseconds") << QStringList{"UPDATE risposte SET millisecondi = -5 WHERE id = 2"}
                                           << riga2.arg("millisecondi");
    QTest::newRow("text milliseconds") << QStringList{"UPDATE risposte SET millisecondi = 'tanti' WHERE id = 2"}
                                       << riga2.arg("millisecondi");
    QTest::newRow("10 MB game name") << QStringList{"UPDATE risposte SET gioco = hex(zeroblob(5000000)) WHERE id = 2"}
                                     << riga2.arg("gioco");
    QTest::newRow("unknown game code") << QStringList{"UPDATE risposte SET gioco = 99 WHERE id = 2"} << riga2.arg("gioco");
    QTest::newRow("a block that does not exist") << QStringList{"UPDATE risposte SET blocchi = x'C8' WHERE id = 2"}
                                                 << riga2.arg("blocchi");
    QTest::newRow("an unknown question code") << QStringList{"UPDATE risposte SET domande = x'07' WHERE id = 2"}
                                              << riga2.arg("domande");
    QTest::newRow("a child's 3-byte uuid") << QStringList{"UPDATE bambini SET uuid = x'010203' WHERE id = 1"}
                                           << "la riga 1 della tabella bambini non è valida (uuid)";
    QTest::newRow("a child's 10 MB name") << QStringList{"UPDATE bambini SET nome = hex(zeroblob(5000000)) WHERE id = 2"}
                                          << "la riga 2 della tabella bambini non è valida (nome)";
    QTest::newRow("a child's name of 101 characters")
        << QStringList{"UPDATE bambini SET nome = substr(hex(zeroblob(60)), 1, 101) WHERE id = 2"}
        << "la riga 2 della tabella bambini non è valida (nome)";
}

void TestArchivio::unisciFileOstile()
{
    QFETCH(QStringList, sql);
    QFETCH(QString, errore);
    QTemporaryDir cartelle;
    const QString loro = cartelle.filePath("loro.sqlite");
    Loro(loro);
    {
        Connessione c(loro);
        for (const QString& istruzione : sql)
            QVERIFY(c(istruzione));
    }
    Archivio a;
    const QString nostro = cartelle.filePath("nostro.sqlite");
    QCOMPARE(a.apri(nostro), Accesso::Ok);
    const auto anna = a.salva({0, {}, "Anna", {}, "gatto"});
    QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true), anna->id), Accesso::Ok);
    const QByteArray prima = SuDisco(nostro);
    QCOMPARE(a.unisci(loro), std::nullopt);
    QVERIFY2(a.ultimoErrore().contains(errore), qPrintable(a.ultimoErrore()));
    QCOMPARE(SuDisco(nostro), prima);
    QCOMPARE(a.registra(Risp("form1", {}, {}, "x", true), anna->id), Accesso::Ok);
    QCOMPARE(a.risposte().size(), 2);
}

// A version-2 register copied from a computer whose game still held it: the
// answers in its -wal are merged with the rest, and the copy is left as it
// was.
void TestArchivio::unisciColSuoWal()
{
    QTemporaryDir cartelle;
    const QString suo = cartelle.filePath("portatile/registro.sqlite");
    const QString chiavetta = cartelle.filePath("chiavetta/registro.sqlite");
    QDir().mkpath(QFileInfo(suo).absolutePath());
    {
        Connessione c(suo);
        QVERIFY(c("PRAGMA journal_mode = WAL"));
        QVERIFY(c("PRAGMA wal_autocheckpoint = 0"));
        for (const QString& istruzione : Schema::Passo(0) + Schema::Passo(1))
            QVERIFY(c(istruzione));
        QVERIFY(c("PRAGMA user_version = 2"));
        QVERIFY(c("INSERT INTO bambini (uuid, nome, simbolo) VALUES (randomblob(16), 'Zoë', 'gatto')"));
        for (int i = 0; i < 5; ++i)
            QVERIFY(c(RispostaSql(1)));
        QVERIFY(c("PRAGMA wal_checkpoint(TRUNCATE)"));
        for (int i = 0; i < 7; ++i)
            QVERIFY(c(RispostaSql(1)));
        QVERIFY(QFileInfo(suo + "-wal").size() > 0);
        QVERIFY(CopiaCon(suo, chiavetta) && CopiaCon(suo + "-wal", chiavetta + "-wal"));
    }
    const QByteArray copiata = SuDisco(chiavetta);
    Archivio a;
    QCOMPARE(a.apri(cartelle.filePath("nostro.sqlite")), Accesso::Ok);
    QCOMPARE(a.unisci(chiavetta), std::optional<int>(12));
    QCOMPARE(a.bambini().value(0).nome, QStringLiteral("Zoë"));
    QCOMPARE(a.risposteDi(a.bambini().value(0).id), 12);
    QCOMPARE(SuDisco(chiavetta), copiata);
    QCOMPARE(a.unisci(chiavetta), std::optional<int>(0));
}

// A -wal that is not the file's own (another register's, or no WAL at all)
// would rewrite what the file holds: refused, saying so.
void TestArchivio::unisciWalEstraneo()
{
    QTemporaryDir cartelle;
    const QString questo = cartelle.filePath("questo.sqlite"), quello = cartelle.filePath("quello.sqlite");
    {
        Archivio x;
        QCOMPARE(x.apri(questo), Accesso::Ok);
        const auto zoe = x.salva({0, {}, "Zoë", {}, "gatto"});
        for (int i = 0; i < 5; ++i)
            QCOMPARE(x.registra(Risp("form1", {}, {TriangoloRosso}, "UGUALE", true), zoe->id), Accesso::Ok);
    }
    QVERIFY(!QFile::exists(questo + "-wal"));
    Archivio y;
    QCOMPARE(y.apri(quello), Accesso::Ok);
    const auto ugo = y.salva({0, {}, "Ugo", {}, "cane"});
    for (int i = 0; i < 5; ++i)
        QCOMPARE(y.registra(Risp("form1", {}, {QuadratoBlu}, "DIVERSO", false), ugo->id), Accesso::Ok);
    QVERIFY(Connessione(quello)("PRAGMA wal_checkpoint(TRUNCATE)"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(y.registra(Risp("form1", {}, {QuadratoBlu}, "UGUALE", true), ugo->id), Accesso::Ok);
    QVERIFY(QFileInfo(quello + "-wal").size() > 0);

    const QString copia = cartelle.filePath("chiavetta/registro.sqlite");
    Archivio a;
    QCOMPARE(a.apri(cartelle.filePath("nostro.sqlite")), Accesso::Ok);
    for (const QByteArray& wal : {Contenuto(quello + "-wal"), QByteArray(4096, 'w')}) {
        QVERIFY(CopiaCon(questo, copia));
        QFile f(copia + "-wal");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(wal);
        f.close();
        QCOMPARE(a.unisci(copia), std::nullopt);
        QVERIFY2(a.ultimoErrore().contains("-wal") && a.ultimoErrore().contains("non è il suo"),
                 qPrintable(a.ultimoErrore()));
        QVERIFY(a.bambini().isEmpty());
    }
    QFile::remove(copia + "-wal");
    QCOMPARE(a.unisci(copia), std::optional<int>(5));  // the file alone is whole
}

// Another register's child with the uuid of one of ours but another name:
// refused when nobody can be asked (the command line), otherwise merged into
// ours, kept apart, or not merged at all, as the teacher decides.
void TestArchivio::unisciStessoCodiceAltroNome()
{
    QTemporaryDir cartelle;
    const QUuid giulia = QUuid::createUuid();
    const QString loro = cartelle.filePath("loro.sqlite");
    {
        Archivio b;
        QCOMPARE(b.apri(loro), Accesso::Ok);
        const auto impostore = b.salva({0, giulia, "Anna", "Blu", "gatto"});
        for (int i = 0; i < 2; ++i)
            QCOMPARE(b.registra(Risp("form1", {}, {}, "x", true), impostore->id), Accesso::Ok);
    }
    const auto nostro = [&](const QString& nome, Archivio& a) {
        QCOMPARE(a.apri(cartelle.filePath(nome)), Accesso::Ok);
        QVERIFY(a.salva({0, giulia, "Giulia", "Rossi", "gatto"}));
    };
    Archivio a;
    nostro("riga-di-comando.sqlite", a);
    const QByteArray prima = SuDisco(cartelle.filePath("riga-di-comando.sqlite"));
    QCOMPARE(a.unisci(loro), std::nullopt);
    QVERIFY2(a.ultimoErrore().contains("«Anna Blu»") && a.ultimoErrore().contains("«Giulia Rossi»"),
             qPrintable(a.ultimoErrore()));
    QList<std::pair<QString, QString>> chiesti;
    QCOMPARE(a.unisci(loro, [&](const Bambino& qui, const Bambino& la) {
        chiesti.append({qui.nome, la.nome});
        return Identita::Annulla;
    }),
             std::nullopt);
    QCOMPARE(chiesti, (QList<std::pair<QString, QString>>{{"Giulia", "Anna"}}));
    QCOMPARE(SuDisco(cartelle.filePath("riga-di-comando.sqlite")), prima);

    Archivio insieme;
    nostro("insieme.sqlite", insieme);
    QCOMPARE(insieme.unisci(loro, [](const Bambino&, const Bambino&) { return Identita::Unisci; }), std::optional<int>(2));
    QCOMPARE(insieme.bambini().size(), 1);
    QCOMPARE(insieme.risposteDi(insieme.bambini().first().id), 2);

    Archivio separati;
    nostro("separati.sqlite", separati);
    QCOMPARE(separati.unisci(loro, [](const Bambino&, const Bambino&) { return Identita::Separa; }), std::optional<int>(2));
    const QList<Bambino> classe = separati.bambini();
    QCOMPARE(classe.size(), 2);
    QCOMPARE(classe[0].nome, QStringLiteral("Anna"));
    QVERIFY(classe[0].uuid != giulia);
    QVERIFY(classe[0].simbolo != QStringLiteral("gatto"));
    QCOMPARE(separati.risposteDi(classe[0].id), 2);
    QCOMPARE(separati.risposteDi(classe[1].id), 0);
}

// A large merge writes in short transactions: the game, answering all the
// while on its own connection with its 200 ms wait for a lock, loses none.
void TestArchivio::unisciNonFermaIlGioco()
{
    QTemporaryDir cartelle;
    const QString loro = cartelle.filePath("loro.sqlite"), nostro = cartelle.filePath("nostro.sqlite");
    constexpr int Tante = 60000;
    {
        Archivio b;
        QCOMPARE(b.apri(loro), Accesso::Ok);
        QList<std::pair<Risposta, qint64>> molte;
        for (int i = 0; i < Tante; ++i)
            molte.append({Risp("zirp3", {{"colore", "rosso", false}}, {TriangoloRosso, QuadratoBlu}, "3", i % 2), 0});
        QCOMPARE(b.registraTutte(molte), Accesso::Ok);
    }
    Archivio a;
    QCOMPARE(a.apri(nostro), Accesso::Ok);
    std::atomic<bool> finito = false;
    std::atomic<int> scritte = 0, perse = 0;
    std::thread gioco([&] {
        Archivio g;
        if (g.apri(nostro) != Accesso::Ok) {
            perse = -1;
            return;
        }
        while (!finito) {
            ++(g.registra(Risp("form1", {}, {}, "x", true), 0) == Accesso::Ok ? scritte : perse);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    const auto aggiunte = a.unisci(loro);
    finito = true;
    gioco.join();
    QCOMPARE(aggiunte, std::optional<int>(Tante));
    QCOMPARE(perse.load(), 0);
    QVERIFY(scritte > 10);
    QCOMPARE(a.risposteDi(0), Tante + scritte);
}

// The version read again once the write lock is held is checked again: a
// file made newer meanwhile is left as it is, never stamped back.
void TestArchivio::migraRiletta()
{
    const QString percorso = file("riletta.sqlite");
    {
        Connessione c(percorso);
        for (const QString& istruzione : Schema::Passo(0))
            QVERIFY(c(istruzione));
        QVERIFY(c(QStringLiteral("PRAGMA user_version = %1").arg(Schema::Versione + 1)));
    }
    QString errore;
    Accesso esito = Accesso::Ok;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "riletta");
        db.setDatabaseName(percorso);
        QVERIFY(db.open());
        esito = Schema::Migra(db, errore);
    }
    QSqlDatabase::removeDatabase("riletta");
    QCOMPARE(esito, Accesso::PiuRecente);
    QVERIFY2(errore.contains("più recente"), qPrintable(errore));
    QCOMPARE(Valore(percorso, "PRAGMA user_version").toInt(), Schema::Versione + 1);
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
    QCOMPARE(scrittore.apri(percorso), Accesso::Ok);
    QCOMPARE(scrittore.registra(Risp("form1", {{"forma", {}, false}}, {TriangoloRosso}, "UGUALE", true), 0), Accesso::Ok);
    for (const bool crea : {false, true}) {
        Archivio lettore;
        QCOMPARE(lettore.apri(percorso, crea), Accesso::Ok);
    }
    QCOMPARE(RisposteViste(percorso), 1);
    QVERIFY(QFile::exists(percorso + "-wal"));
    QCOMPARE(scrittore.registra(Risp("form1", {{"colore", {}, false}}, {QuadratoBlu}, "DIVERSO", true), 0), Accesso::Ok);
    QCOMPARE(RisposteViste(percorso), 2);
}

QTEST_GUILESS_MAIN(TestArchivio)
#include "tst_archivio.moc"
