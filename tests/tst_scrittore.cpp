// The writer thread: answers written in order and each reported once
// committed; a register that cannot be written (read-only folder, locked by
// another program, of a newer version) drops answers with one warning line,
// and registra() never waits for the disk.
#include "registro/Scrittore.h"
#include "tests/support/Lucchetto.h"
#include "tests/support/CatturaStderr.h"
#include "tests/support/ComeUtenteComune.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("read-only folder, no register yet") << "cartella" << "la cartella non è scrivibile";
    QTest::newRow("read-only folder and file") << "file" << "sola lettura";
    QTest::newRow("newer version") << "recente" << "più recente";
    QTest::newRow("locked before it was a register") << "bloccato" << "bloccato da un altro programma";
    QTest::newRow("damaged in a read-only folder") << "danneggiato" << "danneggiato e non si può spostare";
}

void TestScrittore::nonScrivibile()
{
    QFETCH(QString, caso);
    QFETCH(QString, motivo);
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
    QVERIFY2(testo.startsWith("tesselo: ") && testo.contains(motivo)
                 && testo.endsWith("le risposte non vengono registrate\n"),
             qPrintable(testo));
    QVERIFY2(peggiore < 100, qPrintable(QString::number(peggiore)));
    QVERIFY2(tempo.elapsed() < 15000, qPrintable(QString::number(tempo.elapsed())));
    QFile f(percorso);
    QCOMPARE(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(), prima);
    QCOMPARE(QDir(cartella.path()).entryList({"registro-danneggiato*"}), QStringList());
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
    // written, the rest dropped with one warning, and the register stays whole.
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("registro.sqlite");
    {
        Archivio a;
        QCOMPARE(a.apri(percorso), Accesso::Ok);
    }
    rlimit prima{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &prima) == 0);
    const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
    QList<QUuid> scritte;
    double peggiore = 0;
    CatturaStderr errori;
    {
        rlimit limite = prima;
        limite.rlim_cur = 40000;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limite) == 0);
        Scrittore s(percorso);
        s.quandoScritta([&](const QUuid& id) { scritte << id; });
        peggiore = Registra(s, 30);
        s.attendi();
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &prima) == 0);
    }
    std::signal(SIGXFSZ, segnale);
    const QString testo = errori.testo();
    QCOMPARE(Righe(testo), 1);
    QVERIFY2(testo.contains("disco") && testo.endsWith("le risposte non vengono registrate\n"), qPrintable(testo));
    QVERIFY2(!scritte.isEmpty() && scritte.size() < 30, qPrintable(QString::number(scritte.size())));
    QVERIFY2(peggiore < 100, qPrintable(QString::number(peggiore)));
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QCOMPARE(a.risposte().size(), scritte.size());
    QVERIFY(a.fileSpostato().isEmpty());
}

void TestScrittore::bloccatoPoiLibero()
{
    // Another program holds the register locked for a while: the answers of
    // that while are dropped with one warning, those after it written.
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
    const QString testo = errori.testo();
    QCOMPARE(Righe(testo), 1);
    QVERIFY2(testo.contains("bloccato da un altro programma"), qPrintable(testo));
    QCOMPARE(scritte, dopo);
    Archivio a;
    QCOMPARE(a.apri(percorso), Accesso::Ok);
    QCOMPARE(a.risposte().size(), dopo.size());
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "controllo");
    db.setDatabaseName(percorso);
    QVERIFY(db.open());
    QSqlQuery q(db);
    QVERIFY(q.exec("PRAGMA integrity_check") && q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
}

QTEST_GUILESS_MAIN(TestScrittore)
#include "tst_scrittore.moc"
