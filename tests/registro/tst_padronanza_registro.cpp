// What each child has learned, as both registers keep it: the local SQLite
// file and the school's server (a PostgreSQL server of the test's own, the
// teacher's login). A turn's first answers counted right and wrong, its
// retries apart, in the class at a glance and in a child's record, with the
// last day played, the time spent and what the child answered; the first
// answers the estimate reads; the teacher's note on a child; the fitted
// model; the class's read-aloud setting. Then the attempts of answers stored
// before they were told apart, derived by the migration and by a merge, and
// the recovery file's lines with and without them.
#include "registro/Archivio.h"
#include "registro/ArchivioServer.h"
#include "registro/Giochi.h"
#include "registro/Recupero.h"
#include "registro/Schema.h"
#include "tests/support/ServerPostgres.h"
#include "tests/support/ValoreSqlite.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

using namespace Registro;

namespace {

const QString Database = QStringLiteral("tesselo");
const QString Maestra = QStringLiteral("maestra");
const QString Aula = QStringLiteral("aula");
const QDateTime Inizio(QDate(2026, 10, 5), QTime(9, 0));

// One answer of a turn: its time from Inizio and from the turn's start, in
// milliseconds, as the game records it.
Risposta Risp(const char* schermo, qint64 quando, qint64 millisecondi, bool esatta, int tentativo,
              const QString& risposta = QStringLiteral("COLORE"))
{
    Risposta r = NuovaRisposta();
    r.quando = Inizio.addMSecs(quando);
    r.schermo = QString::fromLatin1(schermo);
    r.gioco = DidascaliaGioco(r.schermo);
    r.domande = {{"forma", {}, false}};
    r.blocchi = {Blocco{"quadrato", "blu", "piccolo", "sottile"}, Blocco{"rotondo", "blu", "piccolo", "sottile"}};
    r.risposta = risposta;
    r.esatta = esatta;
    r.millisecondi = millisecondi;
    r.tentativo = tentativo;
    return r;
}

qsizetype Posto(const char* schermo)
{
    return GiocoDiSchermo(QString::fromLatin1(schermo)) - Giochi().data();
}

// Statements on a file through a connection of their own; false at the
// first that fails.
bool Scrivi(const QString& file, const QStringList& istruzioni)
{
    bool fatto = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("scrivi"));
        db.setDatabaseName(file);
        QSqlQuery q(db);
        fatto = db.open();
        for (const QString& istruzione : istruzioni)
            if (fatto && !q.exec(istruzione)) {
                qWarning() << istruzione << q.lastError().text();
                fatto = false;
            }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("scrivi"));
    return fatto;
}

QString Conti(const Conto& c)
{
    return QStringLiteral("%1/%2/%3").arg(c.esatte).arg(c.errate).arg(c.riprove);
}

} // namespace

class ProvaPadronanzaRegistro : public QObject {
    Q_OBJECT

    ServerPostgres server;
    QTemporaryDir cartella;
    int file = 0;

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

    // A register with its one class chosen, as the teacher opens it: a new
    // local file, or the server emptied, its class granted to the teacher
    // and to the computer.
    std::unique_ptr<Deposito> registro(const QString& dove)
    {
        if (dove == QLatin1String("server")) {
            for (const char* tabella : {"note", "padronanza", "risposte", "bambini", "classi_utenti", "classi"})
                if (!sql(QStringLiteral("DELETE FROM tesselo.%1").arg(QLatin1String(tabella))).isValid())
                    return nullptr;
            sql(QStringLiteral("SELECT tesselo.crea_classe('1A', '%1')").arg(AnnoScolasticoDi(QDate::currentDate())));
            sql(QStringLiteral("SELECT tesselo.assegna_classe('1A', '%1')").arg(Maestra));
            sql(QStringLiteral("SELECT tesselo.assegna_classe('1A', '%1')").arg(Aula));
            auto s = std::make_unique<ArchivioServer>();
            return s->apri(imp(Maestra)) == Accesso::Ok && s->classeScelta() ? std::move(s) : nullptr;
        }
        auto a = std::make_unique<Archivio>();
        return a->apri(cartella.filePath(QStringLiteral("registro-%1.sqlite").arg(++file))) == Accesso::Ok ? std::move(a)
                                                                                                            : nullptr;
    }
    static qint64 Aggiungi(Deposito& d, const QString& nome, const char* simbolo)
    {
        const auto b = d.salva({0, {}, nome, QStringLiteral("Rossi"), QString::fromLatin1(simbolo)});
        return b ? b->id : 0;
    }
    static void DueStore()
    {
        QTest::addColumn<QString>("dove");
        QTest::newRow("SQLite") << QStringLiteral("sqlite");
        QTest::newRow("server") << QStringLiteral("server");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(cartella.isValid());
        QVERIFY2(server.avvia(), qPrintable(server.errore()));
        QVERIFY2(server.creaRegistro(Database, {{Maestra, "tesselo_insegnante"}, {Aula, "tesselo_gioco"}}),
                 qPrintable(server.errore()));
        QVERIFY(server.connetti("super", ServerPostgres::Superutente, Database).isOpen());
    }

    void primeRisposteERiprove_data() { DueStore(); }
    void primeRisposteERiprove();
    void note_data() { DueStore(); }
    void note();
    void modello_data() { DueStore(); }
    void modello();
    void leggiDomande_data() { DueStore(); }
    void leggiDomande();
    void noteSoloDegliInsegnanti();
    void migrazioneDeiTentativi();
    void unioneDiUnFileVecchio();
    void recupero();
};

// «Cosa cambia?» answered wrong twice, then right, in one turn, then right
// at once in the next; «uguale - diverso» wrong once; a guest's answer. The
// class at a glance and the child's record count the first answers right
// and wrong and the retries apart; the record's last answer, time spent
// (each turn from its start to its last answer) and what the child answered
// wrong the latest time; the estimate reads the child's three first answers
// alone.
void ProvaPadronanzaRegistro::primeRisposteERiprove()
{
    QFETCH(QString, dove);
    const auto d = registro(dove);
    QVERIFY(d);
    const qint64 anna = Aggiungi(*d, "Anna", "gatto");
    QVERIFY(anna);
    const QList<Risposta> turni{
        Risp("FormDomino", 1000, 1000, false, 1, "COLORE"),
        Risp("FormDomino", 2500, 2500, false, 2, "SPESSORE"),
        Risp("FormDomino", 4000, 4000, true, 3, "FORMA"),
        Risp("FormDomino", 6000, 1500, true, 1, "FORMA"),
        Risp("form1", 60000, 800, false, 1, "UGUALE"),
    };
    QList<std::pair<Risposta, qint64>> risposte;
    for (const Risposta& r : turni)
        risposte.append({r, anna});
    risposte.append({Risp("form1", 70000, 900, true, 1, "DIVERSO"), 0});
    QCOMPARE(d->registraTutte(risposte), Accesso::Ok);

    QList<int> tentativi;
    for (const auto& [r, chi] : d->risposte())
        tentativi << r.tentativo;
    QCOMPARE(tentativi, (QList<int>{1, 2, 3, 1, 1, 1}));

    const QList<RigaClasse> classe = d->classe({});
    QCOMPARE(classe.size(), 2);  // Anna, then the guests
    QCOMPARE(Conti(classe[0].perGioco[Posto("FormDomino")]), QStringLiteral("1/1/2"));
    QCOMPARE(Conti(classe[0].perGioco[Posto("form1")]), QStringLiteral("0/1/0"));
    QCOMPARE(Conti(classe[1].perGioco[Posto("form1")]), QStringLiteral("1/0/0"));

    const SchedaBambino s = d->scheda(anna, {});
    QCOMPARE(Conti(s.forma), QStringLiteral("1/2/2"));
    QCOMPARE(Conti(s.colore), QStringLiteral("0/0/0"));
    QCOMPARE(s.settimane.size(), 1);
    QCOMPARE(Conti(s.settimane[0].forma), QStringLiteral("1/2/2"));
    QCOMPARE(s.ultimaVolta, Inizio.addMSecs(60000));
    QCOMPARE(s.millisecondiDiGioco, qint64(4000 + 1500 + 800));
    QCOMPARE(s.piuSbagliati.size(), 2);
    for (const SchedaBambino::Errore& e : s.piuSbagliati) {
        QCOMPARE(e.volte, 1);
        QCOMPARE(e.risposta, e.gioco == QLatin1String("uguale - diverso") ? QStringLiteral("UGUALE")
                                                                           : QStringLiteral("SPESSORE"));
    }
    QStringList prove;
    d->scorriPrimeRisposte({}, [&](const Padronanza::Prova& p) {
        prove << QStringLiteral("%1 %2 %3 %4 %5").arg(p.bambino == anna).arg(p.quando - Inizio.toMSecsSinceEpoch())
                     .arg(p.schermo).arg(p.abilita).arg(p.esatta);
    });
    QCOMPARE(prove, (QStringList{"1 1000 FormDomino 1 0", "1 6000 FormDomino 1 1", "1 60000 form1 1 0"}));
    // Within a period, and nothing without a class.
    prove.clear();
    d->scorriPrimeRisposte({Inizio.date().addDays(1), std::nullopt}, [&](const Padronanza::Prova&) { prove << "x"; });
    QVERIFY(prove.isEmpty());
    QVERIFY(d->erroreLettura().isEmpty());
}

// A note is stored as names are, cleaned of what turns text around or
// rings, trimmed; too long, it is refused and the one before kept; empty,
// it goes; the child's removal takes it with them.
void ProvaPadronanzaRegistro::note()
{
    QFETCH(QString, dove);
    const auto d = registro(dove);
    QVERIFY(d);
    const qint64 anna = Aggiungi(*d, "Anna", "gatto"), luca = Aggiungi(*d, "Luca", "cane");
    QVERIFY(anna && luca);
    QCOMPARE(d->nota(anna), QString());

    QVERIFY2(d->salvaNota(anna, QStringLiteral("  Legge \u202Eda sola\u0007,\r\nconta fino a 10\u2069.\t \n")),
             qPrintable(d->ultimoErrore()));
    QCOMPARE(d->nota(anna), QStringLiteral("Legge da sola,\nconta fino a 10."));
    QCOMPARE(d->nota(luca), QString());

    const QString piena(LunghezzaNota, QLatin1Char('a'));
    QVERIFY(d->salvaNota(luca, piena + QStringLiteral("\u202E  ")));
    QCOMPARE(d->nota(luca), piena);
    QVERIFY(!d->salvaNota(luca, piena + QLatin1Char('b')));
    QVERIFY(d->ultimoErrore().contains(QString::number(LunghezzaNota)));
    QCOMPARE(d->nota(luca), piena);
    QVERIFY(!d->salvaNota(4242, QStringLiteral("di nessuno")));

    QVERIFY(d->salvaNota(luca, QStringLiteral(" \n\t ")));
    QCOMPARE(d->nota(luca), QString());
    QVERIFY(d->rimuovi(anna));
    QCOMPARE(d->nota(anna), QString());
    const int rimaste = dove == QLatin1String("server")
        ? sql(QStringLiteral("SELECT count(*) FROM tesselo.note")).toInt()
        : Valore(static_cast<Archivio&>(*d).file(), "SELECT count(*) FROM note").toInt();
    QCOMPARE(rimaste, 0);
}

// The model comes back as it was saved, the second save in the first's
// place; a class never fitted has none.
void ProvaPadronanzaRegistro::modello()
{
    QFETCH(QString, dove);
    const auto d = registro(dove);
    QVERIFY(d);
    QVERIFY(!d->modello());
    Padronanza::Modello m = Padronanza::Predefinito();
    m.abilita[int(Padronanza::Abilita::Colore)] = {0.31, 0.125, 0.4, 0.05};
    m.indovinarePerGioco.insert(QStringLiteral("form1"), {0.45, 0.45, 0.45, 0.45, 0.3});
    m.adattato = QDateTime(QDate(2026, 11, 2), QTime(17, 30, 5, 250), QTimeZone::utc());
    m.prove = 1234;
    QVERIFY2(d->salvaModello(m), qPrintable(d->ultimoErrore()));
    QCOMPARE(d->modello(), m);
    m.prove = 1300;
    m.indovinarePerGioco.clear();
    QVERIFY(d->salvaModello(m));
    QCOMPARE(d->modello(), m);
    if (dove == QLatin1String("server"))
        QCOMPARE(sql(QStringLiteral("SELECT count(*) FROM tesselo.padronanza")).toInt(), 1);
    else {
        // A model another program wrote out of bounds is none.
        const QString f = static_cast<Archivio&>(*d).file();
        QVERIFY(Scrivi(f, {"UPDATE padronanza SET dati = replace(dati, '0.4', '0.9')"}));
        QVERIFY(!d->modello());
    }
}

// A new class reads its questions aloud; the teacher's choice is kept with
// the class, through a rename and a new school year.
void ProvaPadronanzaRegistro::leggiDomande()
{
    QFETCH(QString, dove);
    const auto d = registro(dove);
    QVERIFY(d);
    Classe c = *d->classeScelta();
    QVERIFY(c.leggiDomande);
    c.leggiDomande = false;
    c.nome = QStringLiteral("1B");
    const auto salvata = d->salvaClasse(c);
    QVERIFY2(salvata, qPrintable(d->ultimoErrore()));
    QVERIFY(!salvata->leggiDomande);
    QCOMPARE(d->classi().value(0), *salvata);
    Classe seguente = *salvata;
    seguente.annoScolastico = *AnnoSeguente(c.annoScolastico);
    seguente.leggiDomande = true;  // a new year changes the name and year alone
    QVERIFY2(d->nuovoAnno({seguente}), qPrintable(d->ultimoErrore()));
    QVERIFY(!d->classi().value(0).leggiDomande);
    c = d->classi().value(0);
    c.leggiDomande = true;
    QVERIFY(d->salvaClasse(c));
    QVERIFY(d->classi().value(0).leggiDomande);
}

// The game's login reads the class and its model, never a note.
void ProvaPadronanzaRegistro::noteSoloDegliInsegnanti()
{
    const auto d = registro(QStringLiteral("server"));
    QVERIFY(d);
    const qint64 anna = Aggiungi(*d, "Anna", "gatto");
    QVERIFY(d->salvaNota(anna, QStringLiteral("timida")));
    QVERIFY(d->salvaModello(Padronanza::Predefinito()));
    QSqlDatabase gioco = server.connetti(QStringLiteral("gioco"), Aula, Database);
    QVERIFY(gioco.isOpen());
    QCOMPARE(Esegui(gioco, QStringLiteral("SELECT count(*) FROM tesselo.padronanza")).primo.toInt(), 1);
    QCOMPARE(Esegui(gioco, QStringLiteral("SELECT leggi_domande FROM tesselo.classi")).primo.toBool(), true);
    for (const char* vietata : {"SELECT testo FROM tesselo.note", "DELETE FROM tesselo.note",
                                "UPDATE tesselo.padronanza SET dati = '{}'", "UPDATE tesselo.classi SET leggi_domande = false"})
        QCOMPARE(Esegui(gioco, QString::fromLatin1(vietata)).codice, QStringLiteral("42501"));
}

namespace {

// A register of version 5, by its own steps: Anna (id 7) in the one class,
// and answers of hers and of Luca (id 9), given as (child, game, moment,
// milliseconds, right), with the same question.
void RegistroDiVersione5(const QString& file, const QList<std::tuple<int, int, qint64, int, bool>>& righe)
{
    QStringList istruzioni;
    for (int v = 0; v < 5; ++v)
        istruzioni << Schema::Passo(v);
    istruzioni << QStringLiteral("INSERT INTO bambini (id, uuid, nome, simbolo) VALUES (7, randomblob(16), 'Anna', 'gatto')")
               << QStringLiteral("INSERT INTO bambini (id, uuid, nome, simbolo) VALUES (9, randomblob(16), 'Luca', 'cane')");
    for (const auto& [bambino, gioco, quando, millisecondi, esatta] : righe)
        istruzioni << QStringLiteral("INSERT INTO risposte (uuid, quando, bambino, gioco, domande, blocchi, risposta,"
                                     " esatta, millisecondi) VALUES (randomblob(16), %1, %2, %3, x'01', x'0203', 'SI', %4, %5)")
                          .arg(Inizio.toMSecsSinceEpoch() + quando)
                          .arg(bambino)
                          .arg(gioco)
                          .arg(esatta ? 1 : 0)
                          .arg(millisecondi);
    istruzioni << QStringLiteral("PRAGMA user_version = 5");
    if (!Scrivi(file, istruzioni))
        qFatal("no register of version 5 at %s", qPrintable(file));
}

// Anna's answers in one game: a wrong one, two retries in its turn (the
// last right), a new turn right, a wrong one and the same question asked
// again in a turn shown after it; Luca's wrong answer between, and Anna's
// in another game at the same moment, each a turn of its own.
const QList<std::tuple<int, int, qint64, int, bool>> Vecchie{
    {7, 7, 10000, 2000, false}, {9, 7, 10500, 2500, false}, {7, 7, 11000, 3000, false}, {7, 0, 11000, 3000, false},
    {7, 7, 12000, 4000, true},  {7, 7, 14000, 1500, true},  {7, 7, 16000, 1000, false}, {7, 7, 18000, 1000, false},
};
const QList<int> TentativiVecchi{1, 1, 2, 1, 3, 1, 1, 1};

// How SQLite runs a statement on the file, its values 0.
QString Piano(const QString& file, QString sql)
{
    QStringList passi;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("piano"));
        db.setDatabaseName(file);
        QSqlQuery q(db);
        if (db.open() && q.exec(QStringLiteral("EXPLAIN QUERY PLAN ") + sql.replace(QLatin1Char('?'), QLatin1Char('0'))))
            while (q.next())
                passi << q.value(3).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("piano"));
    return passi.join(QStringLiteral("; "));
}

// Anna's and Luca's attempts, in time order.
QList<int> Tentativi(const Deposito& d)
{
    QList<int> tentativi;
    for (const auto& [r, bambino] : d.risposte())
        tentativi << r.tentativo;
    return tentativi;
}

} // namespace

// The answers stored before attempts were told apart: a retry is an answer
// to the same question, after a wrong one of the same child and game, given
// after its own turn began.
void ProvaPadronanzaRegistro::migrazioneDeiTentativi()
{
    const QString f = cartella.filePath(QStringLiteral("versione-5.sqlite"));
    RegistroDiVersione5(f, Vecchie);
    Archivio a;
    QCOMPARE(a.apri(f), Accesso::Ok);
    QCOMPARE(Valore(f, "PRAGMA user_version").toInt(), Schema::Versione);
    QCOMPARE(Tentativi(a), TentativiVecchi);
    // The class at a glance still reads its index alone; the estimate's
    // first answers come in time order from their own.
    const QString piano = Piano(f, Archivio::QueryClasse());
    QVERIFY2(piano.contains(QLatin1String("COVERING INDEX risposte_classe")), qPrintable(piano));
    const QString prime = Piano(f, Archivio::QueryPrimeRisposte());
    QVERIFY2(prime.contains(QLatin1String("INDEX risposte_prime")) && !prime.contains(QLatin1String("TEMP B-TREE")),
             qPrintable(prime));
}

// A file of version 5 merged into a register of this version: its answers'
// attempts derived as the migration derives them; a file of this version
// whose attempt is not one is refused whole.
void ProvaPadronanzaRegistro::unioneDiUnFileVecchio()
{
    const QString vecchio = cartella.filePath(QStringLiteral("altro-5.sqlite"));
    RegistroDiVersione5(vecchio, Vecchie);
    Archivio a;
    QCOMPARE(a.apri(cartella.filePath(QStringLiteral("nostro.sqlite"))), Accesso::Ok);
    QCOMPARE(a.unisci(vecchio), std::optional<int>(int(Vecchie.size())));
    QCOMPARE(Tentativi(a), TentativiVecchi);

    Archivio nuovo;
    const QString guasto = cartella.filePath(QStringLiteral("altro-guasto.sqlite"));
    QCOMPARE(nuovo.apri(guasto), Accesso::Ok);
    QCOMPARE(nuovo.registra(Risp("form1", 0, 500, false, 1), 0), Accesso::Ok);
    QVERIFY(Scrivi(guasto, {"UPDATE risposte SET tentativo = 0"}));
    Archivio terzo;
    QCOMPARE(terzo.apri(cartella.filePath(QStringLiteral("terzo.sqlite"))), Accesso::Ok);
    QVERIFY(!terzo.unisci(guasto));
    QVERIFY2(terzo.ultimoErrore().contains(QLatin1String("tentativo")), qPrintable(terzo.ultimoErrore()));
}

// A retry waiting in the recovery file keeps its attempt; a line written
// before attempts is a first answer; one whose attempt is not one is refused.
void ProvaPadronanzaRegistro::recupero()
{
    const QString registro = cartella.filePath(QStringLiteral("recupero.sqlite"));
    Risposta riprova = Risp("FormDomino", 0, 3000, true, 3);
    riprova.quando = QDateTime::currentDateTime().addSecs(-60);
    QString errore;
    QVERIFY(Recupero::Salva(registro, {{riprova, 4, 1}}, errore));
    QFile f(Recupero::File(registro));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray riga = f.readAll().trimmed();
    f.close();
    QByteArray vecchia = riga, sbagliata = riga;
    vecchia.replace(",\"tentativo\":\"3\"", "");
    QVERIFY(vecchia != riga);
    vecchia.replace(riprova.id.toString(QUuid::WithoutBraces).toLatin1(),
                    QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1());
    sbagliata.replace("\"tentativo\":\"3\"", "\"tentativo\":\"0\"");
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Append));
    f.write('\n' + vecchia + '\n' + sbagliata + '\n');
    f.close();
    int rifiutate = 0;
    const Recupero::Risposte lette = Recupero::Leggi(registro, rifiutate, errore);
    QCOMPARE(rifiutate, 1);
    QCOMPARE(lette.size(), 2);
    QCOMPARE(lette[0].risposta, riprova);
    QCOMPARE(lette[1].risposta.tentativo, 1);
}

QTEST_GUILESS_MAIN(ProvaPadronanzaRegistro)
#include "tst_padronanza_registro.moc"
