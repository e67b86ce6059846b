// The writer thread: answers written in order and each reported once
// committed; a register that cannot be written (read-only folder, locked by
// another program, of a newer version, full, replaced) keeps its answers
// queued until it can take them, and at the end in a recovery file that the
// next writer adds; only what cannot be saved at all is lost, with one
// warning line; registra() never waits for the disk.
#include "registro/Recupero.h"
#include "registro/Scrittore.h"
#include "tests/support/Lucchetto.h"
#include "tests/support/CatturaStderr.h"
#include "tests/support/ComeUtenteComune.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <mutex>
#include <sys/resource.h>
#include <optional>

using namespace Registro;

namespace {

Risposta Risp(int n)
{
    Risposta r = NuovaRisposta();
    r.schermo = "FORM2";
    r.gioco = "insiemi";
    r.domande = {{"colore", "blu", n % 2 == 0}};
    r.blocchi = {Blocco::tutti().value(n % 48)};
    r.risposta = QString::number(n);
    r.esatta = n % 3 != 0;
    r.millisecondi = n;
    return r;
}

// Queues n answers; the longest time one registra() call took, in ms.
double Registra(Scrittore& s, int n, QList<QUuid>* ids = nullptr)
{
    double peggiore = 0;
    for (int i = 0; i < n; ++i) {
        const Risposta r = Risp(i);
        if (ids)
            ids->append(r.id);
        QElapsedTimer t;
        t.start();
        s.registra(r, 0);
        peggiore = std::max(peggiore, t.nsecsElapsed() / 1e6);
    }
    return peggiore;
}

int Righe(const QString& testo)
{
    return int(testo.count(QLatin1Char('\n')));
}


} // namespace

class TestScrittore : public QObject {
    Q_OBJECT

private slots:
    void scriveInOrdine();
    void nonScrivibile_data();
    void nonScrivibile();
    void danneggiatoSostituito();
    void scritturaImpossibile();
    void bloccatoPoiLibero();
    void sostituito_data();
    void sostituito();
    void recupero();
    void recuperoNellaClasse();
    void codaPiena();
    void fineSporca_data();
    void fineSporca();
};

void TestScrittore::scriveInOrdine()
{
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("dati/registro.sqlite");
    QList<QUuid> accodate, scritte;
    std::mutex m;
    CatturaStderr errori;
    {
        Scrittore s(percorso);
        s.quandoScritta([&](const QUuid& id) {
            std::lock_guard l(m);
            scritte << id;
        });
        Registra(s, 200, &accodate);
        s.attendi();
        {
            std::lock_guard l(m);
            QCOMPARE(scritte, accodate);
        }
        Registra(s, 10, &accodate);
    }  // the destructor writes what is still queued
    QCOMPARE(errori.testo(), QString());
    QCOMPARE(scritte, accodate);
    Archivio a;
    QCOMPARE(a.apri(percorso, false), Accesso::Ok);
    const auto lette = a.risposte();
    QCOMPARE(lette.size(), accodate.size());
    for (const auto& [r, bambino] : lette)
        QVERIFY(accodate.contains(r.id));
    QCOMPARE(QFile::permissions(percorso), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                                        | QFile::WriteUser);
}

void TestScrittore::nonScrivibile_data()
{
    // salvate: the folder takes the recovery file; otherwise the answers are lost.
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("motivo");
    QTest::addColumn<bool>("salvate");
    QTest::newRow("read-only folder, no register yet") << "cartella" << "la cartella non è scrivibile" << false;
    QTest::newRow("read-only folder and file") << "file" << "sola lettura" << false;
    QTest::newRow("newer version") << "recente" << "più recente" << true;
    QTest::newRow("locked before it was a register") << "bloccato" << "bloccato da un altro programma" << true;
    QTest::newRow("damaged in a read-only folder") << "danneggiato" << "danneggiato e non si può spostare" << false;
}

void TestScrittore::nonScrivibile()
{
    QFETCH(QString, caso);
    QFETCH(QString, motivo);
    QFETCH(bool, salvate);
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("registro.sqlite");
    if (caso == "file" || caso == "recente") {
        Archivio a;
        QCOMPARE(a.apri(percorso), Accesso::Ok);
        QCOMPARE(a.registra(Risp(0), 0), Accesso::Ok);
    }
    if (caso == "danneggiato") {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("Nome;Cognome\n") > 0);
    }
    if (caso == "recente") {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "versione");
        db.setDatabaseName(percorso);
        QVERIFY(db.open() && QSqlQuery(db).exec("PRAGMA user_version = 99"));
        db.close();
    }
    QSqlDatabase::removeDatabase("versione");
    const QByteArray prima = [&] {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    std::optional<Lucchetto> blocco;
    if (caso == "bloccato")
        blocco.emplace(percorso);
    if (caso == "file" || caso == "cartella" || caso == "danneggiato") {
        QFile::setPermissions(percorso, QFile::ReadOwner);
        QFile::setPermissions(cartella.path(), QFile::ReadOwner | QFile::ExeOwner);
    }
    std::optional<ComeUtenteComune> utente;
    if (caso == "file" || caso == "cartella" || caso == "danneggiato") {
        utente.emplace();
        QFile prova(cartella.filePath("prova"));
        QVERIFY2(!prova.open(QIODevice::WriteOnly), "the folder must really be read-only to this test");
    }
    CatturaStderr errori;
    QElapsedTimer tempo;
    tempo.start();
    double peggiore = 0;
    {
        Scrittore s(percorso);
        QList<QUuid> scritte;
        s.quandoScritta([&](const QUuid& id) { scritte << id; });
        peggiore = Registra(s, 5);
        s.attendi();
        peggiore = std::max(peggiore, Registra(s, 5));
        s.attendi();
        QCOMPARE(scritte, QList<QUuid>());
    }
    const QString testo = errori.testo();
    utente.reset();
    blocco.reset();
    QFile::setPermissions(cartella.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(Righe(testo), 1);
    const QString esito = salvate ? QString("10 risposte in attesa salvate in %1").arg(Recupero::File(percorso))
                                  : QString("10 risposte perse");
    QVERIFY2(testo.startsWith("tesselo: ") && testo.contains(motivo) && testo.contains(esito), qPrintable(testo));
    QVERIFY2(peggiore < 100, qPrintable(QString::number(peggiore)));
    QVERIFY2(tempo.elapsed() < 15000, qPrintable(QString::number(tempo.elapsed())));
    QFile f(percorso);
    QCOMPARE(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(), prima);
    QCOMPARE(QDir(cartella.path()).entryList({"registro-danneggiato*"}), QStringList());
    QCOMPARE(QFile::exists(Recupero::File(percorso)), salvate);
    if (salvate)
        QCOMPARE(QFile::permissions(Recupero::File(percorso)),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QVERIFY(!QFile::exists(Scrittore::FileInUso(percorso)));
}

void TestScrittore::danneggiatoSostituito()
{
    // One warning says where the damaged register went; the answers go to
    // the new one, without a second warning.
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("registro.sqlite");
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(5000, 'z')) == 5000);
    f.close();
    CatturaStderr errori;
    {
        Scrittore s(percorso);
        Registra(s, 5);
    }
    const QString testo = errori.testo();
    QCOMPARE(Righe(testo), 1);
    const QStringList spostati = QDir(cartella.path()).entryList({"registro-danneggiato-*.sqlite"});
    QCOMPARE(spostati.size(), 1);
    QVERIFY2(testo.startsWith("tesselo: ") && testo.contains(spostati.first()), qPrintable(testo));
    Archivio a;
    QCOMPARE(a.apri(percorso, false), Accesso::Ok);
    QCOMPARE(a.risposte().size(), 5);
}

void TestScrittore::scritturaImpossibile()
{
    // The disk fills up during a sitting: a limit on file sizes makes every
    // write past 40 KB fail, as a full disk does. The first answers are
    // written, the rest wait in memory; once there is room again they are
    // written too, without a word, and the register stays whole.
    // Written in transactions of many answers: enough of them to pass the limit.
    constexpr int Quante = 2000;
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("registro.sqlite");
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Accesso::Ok);
    }
    rlimit prima{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &prima) == 0);
    const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
    // The limit goes with this test, however it ends.
    const auto ripristina = qScopeGuard([&] {
        ::setrlimit(RLIMIT_FSIZE, &prima);
        std::signal(SIGXFSZ, segnale);
    });
    QList<QUuid> scritte;
    std::mutex m;
    double peggiore = 0;
    CatturaStderr errori;
    {
        rlimit limite = prima;
        limite.rlim_cur = 40000;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limite) == 0);
        Scrittore s(percorso);
        s.quandoScritta([&](const QUuid& id) {
            std::lock_guard l(m);
            scritte << id;
        });
        peggiore = Registra(s, Quante);
        s.attendi();
        {
            std::lock_guard l(m);
            QVERIFY2(!scritte.isEmpty() && scritte.size() < Quante, qPrintable(QString::number(scritte.size())));
            QCOMPARE(s.inCoda(), Quante - scritte.size());
        }
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &prima) == 0);
        QTRY_COMPARE_WITH_TIMEOUT(s.inCoda(), 0, 15000);
    }
    QCOMPARE(errori.testo(), QString());
    QCOMPARE(scritte.size(), Quante);
    QVERIFY2(peggiore < 100, qPrintable(QString::number(peggiore)));
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QCOMPARE(a.risposte().size(), Quante);
    QVERIFY(a.fileSpostato().isEmpty());
}

void TestScrittore::bloccatoPoiLibero()
{
    // Another program holds the register locked for a while: the answers of
    // that while wait, and are written with those after it, without a word.
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("registro.sqlite");
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Accesso::Ok);
    }
    CatturaStderr errori;
    QList<QUuid> prime, dopo, scritte;
    std::mutex m;
    {
        Scrittore s(percorso);
        s.quandoScritta([&](const QUuid& id) {
            std::lock_guard l(m);
            scritte << id;
        });
        s.attendi();
        Lucchetto blocco(percorso);
        QVERIFY(Registra(s, 3, &prime) < 100);  // a call that waited would take the 200 ms lock timeout
        s.attendi();
        blocco.rilascia();
        Registra(s, 4, &dopo);
        s.attendi();
    }
    QCOMPARE(errori.testo(), QString());
    QCOMPARE(scritte, prime + dopo);
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QCOMPARE(a.risposte().size(), prime.size() + dopo.size());
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "controllo");
    db.setDatabaseName(percorso);
    QVERIFY(db.open());
    QSqlQuery q(db);
    QVERIFY(q.exec("PRAGMA integrity_check") && q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
}

void TestScrittore::sostituito_data()
{
    QTest::addColumn<QString>("come");
    QTest::newRow("another register moved over it") << "registro";
    QTest::newRow("a folder in its place, then a register again") << "cartella";
    QTest::newRow("deleted") << "cancellato";
}

void TestScrittore::sostituito()
{
    // The register's file is replaced while the game plays: the writer
    // notices that the file at its path is another one and writes there as
    // soon as it is a register again; no answer goes to the old file, none
    // is lost.
    QFETCH(QString, come);
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("registro.sqlite");
    const QString nuovo = cartella.filePath("nuovo.sqlite");
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Accesso::Ok);
        Archivio b;
        QCOMPARE(b.apri(nuovo), Accesso::Ok);
    }
    CatturaStderr errori;
    QList<QUuid> prima, dopo;
    {
        Scrittore s(percorso);
        Registra(s, 3, &prima);
        s.attendi();
        // Moved away whole, with its journal, as a person moves a register.
        for (const QString suffisso : {"", "-wal", "-shm"})
            if (QFile::exists(percorso + suffisso))
                QVERIFY(QFile::rename(percorso + suffisso, cartella.filePath("vecchio.sqlite") + suffisso));
        if (come == "registro")
            QVERIFY(QFile::rename(nuovo, percorso));
        if (come == "cartella")
            QVERIFY(QDir(cartella.path()).mkdir("registro.sqlite"));
        Registra(s, 4, &dopo);
        s.attendi();
        if (come == "cartella") {
            QCOMPARE(s.inCoda(), 4);
            QVERIFY(QDir(cartella.path()).rmdir("registro.sqlite"));
            QVERIFY(QFile::rename(nuovo, percorso));
            Registra(s, 1, &dopo);
            s.attendi();
        }
        QTRY_COMPARE_WITH_TIMEOUT(s.inCoda(), 0, 15000);
    }
    QCOMPARE(errori.testo(), QString());
    Archivio vecchio;
    QCOMPARE(vecchio.apri(cartella.filePath("vecchio.sqlite"), false), Accesso::Ok);
    QCOMPARE(vecchio.risposte().size(), prima.size());
    Archivio a;
    QCOMPARE(a.apri(percorso, false), Accesso::Ok);
    QList<QUuid> lette;
    for (const auto& [r, bambino] : a.risposte())
        lette << r.id;
    QCOMPARE(lette, dopo);
}

void TestScrittore::recupero()
{
    // Locked to the end: the answers go to the recovery file, which the next
    // writer adds once the register is free, then deletes. Lines that are
    // not answers the game could write (cut short, a forged game, a time in
    // 1970) are refused with one line, the others added.
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("registro.sqlite");
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Accesso::Ok);
    }
    QList<QUuid> accodate;
    {
        CatturaStderr errori;
        Lucchetto blocco(percorso);
        {
            Scrittore s(percorso);
            Registra(s, 6, &accodate);
            s.attendi();
            QCOMPARE(s.inCoda(), 6);
        }
        QVERIFY2(errori.testo().contains("6 risposte in attesa salvate"), qPrintable(errori.testo()));
    }
    QFile file(Recupero::File(percorso));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray righe = file.readAll();
    file.close();
    QCOMPARE(righe.count('\n'), 6);
    const QByteArray buona = righe.left(righe.indexOf('\n') + 1);
    QJsonObject falsa = QJsonDocument::fromJson(buona).object(), antica = falsa;
    falsa["schermo"] = "DROP TABLE";
    falsa["id"] = QUuid::createUuid().toString(QUuid::WithoutBraces);
    antica["quando"] = "0";
    antica["id"] = QUuid::createUuid().toString(QUuid::WithoutBraces);
    for (const QJsonObject& o : {falsa, antica})
        righe += QJsonDocument(o).toJson(QJsonDocument::Compact) + "\n";
    righe += buona.left(30);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(righe) == righe.size());
    file.close();

    CatturaStderr errori;
    {
        Scrittore s(percorso);
        Registra(s, 1, &accodate);
        s.attendi();
    }
    QVERIFY2(Righe(errori.testo()) == 1 && errori.testo().contains("3 righe rifiutate"), qPrintable(errori.testo()));
    QVERIFY(!QFile::exists(Recupero::File(percorso)));
    Archivio a;
    QCOMPARE(a.apri(percorso, false), Accesso::Ok);
    QList<QUuid> lette;
    for (const auto& [r, bambino] : a.risposte())
        lette << r.id;
    std::sort(lette.begin(), lette.end());
    std::sort(accodate.begin(), accodate.end());
    QCOMPARE(lette, accodate);
    const auto [r, bambino] = a.risposte().first();
    QCOMPARE(r.schermo, QString("FORM2"));
    QCOMPARE(r.blocchi.size(), 1);

    // A link in the file's place is not followed.
    QVERIFY(QFile::link(percorso, Recupero::File(percorso)));
    CatturaStderr link;
    {
        Scrittore s(percorso);
        s.attendi();
    }
    QVERIFY2(link.testo().contains("non è un file di risposte in attesa"), qPrintable(link.testo()));
    QCOMPARE(a.risposte().size(), lette.size());
}

// A guest's answers waiting in the recovery file go back to the class of
// their sitting, on a register of several classes; a line written before
// registers had classes goes to the class they were all brought into.
void TestScrittore::recuperoNellaClasse()
{
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("registro.sqlite");
    qint64 predefinita = 0, seconda = 0;
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Accesso::Ok);
        predefinita = a.classi().first().id;
        const auto b = a.salvaClasse({0, {}, "1B", a.classi().first().annoScolastico});
        QVERIFY(b);
        seconda = b->id;
    }
    QList<QUuid> accodate;
    {
        CatturaStderr errori;
        Lucchetto blocco(percorso);
        Scrittore s(percorso);
        s.classeOspiti(seconda);
        Registra(s, 3, &accodate);
        s.attendi();
    }
    QFile file(Recupero::File(percorso));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray righe = file.readAll();
    file.close();
    QCOMPARE(righe.count('\n'), 3);
    QJsonObject antica = QJsonDocument::fromJson(righe.left(righe.indexOf('\n'))).object();
    QCOMPARE(antica.value("classe").toString(), QString::number(seconda));
    antica.remove("classe");
    const QUuid vecchia = QUuid::createUuid();
    antica["id"] = vecchia.toString(QUuid::WithoutBraces);
    righe += QJsonDocument(antica).toJson(QJsonDocument::Compact) + "\n";
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(righe) == righe.size());
    file.close();

    {
        Scrittore s(percorso);
        s.attendi();
    }
    QVERIFY(!QFile::exists(Recupero::File(percorso)));
    Archivio a;
    QCOMPARE(a.apri(percorso, false), Accesso::Ok);
    const auto ids = [&](qint64 classe) {
        QList<QUuid> lette;
        if (a.scegliClasse(classe))
            for (const auto& [r, bambino] : a.risposte())
                lette << r.id;
        std::sort(lette.begin(), lette.end());
        return lette;
    };
    std::sort(accodate.begin(), accodate.end());
    QCOMPARE(ids(seconda), accodate);
    QCOMPARE(ids(predefinita), QList<QUuid>{vecchia});
}

void TestScrittore::codaPiena()
{
    // Past MassimoInCoda answers waiting, the next ones are lost, and the
    // line at the end counts them beside those saved.
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("registro.sqlite");
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Accesso::Ok);
    }
    CatturaStderr errori;
    {
        Lucchetto blocco(percorso);
        Scrittore s(percorso);
        s.attendi();
        for (int i = 0; i < Scrittore::MassimoInCoda + 7; ++i)
            s.registra(Risp(i), 0);
        QCOMPARE(s.inCoda(), Scrittore::MassimoInCoda);
    }
    const QString testo = errori.testo();
    QVERIFY2(Righe(testo) == 1 && testo.contains(QString("%1 risposte in attesa salvate").arg(Scrittore::MassimoInCoda))
                 && testo.contains("7 risposte perse"),
             qPrintable(testo));
}

void TestScrittore::fineSporca_data()
{
    QTest::addColumn<bool>("sporca");
    QTest::newRow("after a clean end the file is not read whole") << false;
    QTest::newRow("after a crash it is, and a damaged one moved aside") << true;
}

void TestScrittore::fineSporca()
{
    QFETCH(bool, sporca);
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("registro.sqlite");
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Accesso::Ok);
        QList<std::pair<Risposta, qint64>> molte;
        for (int i = 0; i < 3000; ++i)
            molte.append({Risp(i), 0});
        QCOMPARE(a.registraTutte(molte), Accesso::Ok);
    }
    {
        // Garbage over the answers' pages, the header and schema kept.
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(f.size() / 2);
        f.write(QByteArray(20000, '\x5a'));
    }
    if (sporca) {
        // The file in use of a writer whose process is gone.
        QProcess morto;
        morto.start("true", {});
        QVERIFY(morto.waitForStarted());
        const qint64 pid = morto.processId();
        QVERIFY(morto.waitForFinished());
        QFile f(Scrittore::FileInUso(percorso));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray::number(pid)) > 0);
    }
    CatturaStderr errori;
    {
        Scrittore s(percorso);
        s.attendi();
    }
    QCOMPARE(QDir(cartella.path()).entryList({"registro-danneggiato-*.sqlite"}).size(), sporca ? 1 : 0);
    QCOMPARE(Righe(errori.testo()), sporca ? 1 : 0);
    QVERIFY(!QFile::exists(Scrittore::FileInUso(percorso)));
}

QTEST_GUILESS_MAIN(TestScrittore)
#include "tst_scrittore.moc"
