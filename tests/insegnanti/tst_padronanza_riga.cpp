// tesselo-registro --padronanza, run as the real program without a display,
// on a local register and on the school's server (a PostgreSQL server of
// the test's own): one row per child and skill, the estimate from the
// turns' first answers with the class's stored probabilities, the guess of
// the game played most, its level in words, and the class chosen with
// --classe as for the other commands.
#include "tests/support/ClasseInventata.h"
#include "tests/support/MainProva.h"
#include "tests/support/RigaRegistro.h"
#include "tests/support/ServerPostgres.h"

#include "registro/ArchivioServer.h"
#include "registro/Padronanza.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace Registro;

namespace {

const QString Database = QStringLiteral("tesselo");
const QString Maestra = QStringLiteral("maestra");
const QString Aula = QStringLiteral("aula");
const QByteArray Intestazione =
    "\xEF\xBB\xBF" "bambino;abilita;stima;livello;risposte;p_iniziale;p_apprendimento;p_indovinare;p_sbagliare\n";

QByteArray Leggi(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The class's probabilities, set apart from the defaults: colour learned
// at the start with 0.3, and «uguale - diverso» guessed with 0.4.
Padronanza::Modello Salvato()
{
    Padronanza::Modello m = Padronanza::Predefinito();
    m.abilita[int(Padronanza::Abilita::Colore)] = {0.3, 0.2, 0.1, 0.05};
    m.indovinarePerGioco.insert(QStringLiteral("form1"), {0.45, 0.4, 0.45, 0.45, 0.3});
    m.adattato = QDateTime::currentDateTimeUtc();
    m.prove = 8;
    return m;
}

QString Numero(double x)
{
    return QString::number(x, 'f', 4);
}

// A child's rows with the defaults and no answer.
QByteArray SenzaRisposte(const QString& nome, const Padronanza::Modello& m)
{
    QByteArray righe;
    for (const Padronanza::Abilita a : Padronanza::TutteLeAbilita) {
        const Padronanza::Parametri& p = m.abilita[int(a)];
        righe += QStringList{nome, Padronanza::Chiave(a), Numero(p.iniziale), "poche risposte", "0", Numero(p.iniziale),
                             Numero(p.apprendimento), Numero(p.indovinare), Numero(p.sbagliare)}
                     .join(';').toUtf8() + '\n';
    }
    return righe;
}

} // namespace

class TestPadronanzaRiga : public QObject {
    Q_OBJECT

    ServerPostgres server;
    QTemporaryDir cartella;

    QString conf(const QString& dove) const
    {
        const QString c = cartella.filePath(dove + "-config");
        QDir().mkpath(c + "/tesselo");
        QFile f(c + "/tesselo/tesselo.conf");
        if (!f.open(QIODevice::WriteOnly))
            qFatal("no settings file");
        if (dove == QLatin1String("server"))
            f.write(QStringList{"[registro]", "host=" + server.cartella(), "porta=" + QString::number(ServerPostgres::Porta),
                                "database=" + Database, "utente=" + Aula, "utente_insegnante=" + Maestra, ""}
                        .join('\n').toUtf8());
        return c;
    }
    EsecuzioneRegistro esegui(const QString& dove, const QStringList& argomenti) const
    {
        QProcessEnvironment env;
        env.insert("XDG_CONFIG_HOME", conf(dove));
        env.insert("XDG_CONFIG_DIRS", cartella.filePath("nessuna"));
        env.insert("XDG_DATA_HOME", cartella.filePath(dove + "-dati"));
        return EseguiRegistro(argomenti, env);
    }
    // The register the program will open, emptied, with its one class "1A"
    // and a second, "2B".
    std::unique_ptr<Deposito> registro(const QString& dove)
    {
        const QString anno = AnnoScolasticoDi(QDate::currentDate());
        if (dove == QLatin1String("server")) {
            for (const char* tabella : {"padronanza", "risposte", "bambini", "classi_utenti", "classi"})
                Interroga("super", QStringLiteral("DELETE FROM tesselo.%1").arg(QLatin1String(tabella)));
            for (const char* classe : {"1A", "2B"}) {
                Interroga("super", QStringLiteral("SELECT tesselo.crea_classe('%1', '%2')").arg(classe, anno));
                Interroga("super", QStringLiteral("SELECT tesselo.assegna_classe('%1', '%2')").arg(classe, Maestra));
            }
            auto s = std::make_unique<ArchivioServer>();
            Impostazioni imp;
            imp.host = server.cartella();
            imp.porta = ServerPostgres::Porta;
            imp.database = Database;
            imp.utente = Maestra;
            if (s->apri(imp) != Accesso::Ok)
                return nullptr;
            return s;
        }
        QDir(cartella.filePath(dove + "-dati")).removeRecursively();
        auto a = std::make_unique<Archivio>();
        if (a->apri(cartella.filePath(dove + "-dati/tesselo/registro.sqlite")) != Accesso::Ok)
            return nullptr;
        Classe c = a->classi().value(0);
        c.nome = "1A";
        if (!a->salvaClasse(c) || !a->salvaClasse({0, {}, "2B", anno}))
            return nullptr;
        return a;
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

    void righe_data()
    {
        QTest::addColumn<QString>("dove");
        QTest::newRow("SQLite") << QStringLiteral("sqlite");
        QTest::newRow("server") << QStringLiteral("server");
    }
    // Anna's colour asked six times in «uguale - diverso» (a retry between,
    // which says nothing) and twice in «Cosa cambia?»; Luca never played.
    // With the class's stored model, each row gives the estimate the model
    // reaches, answer after answer; 2B, never fitted and without answers,
    // gives the defaults.
    void righe()
    {
        QFETCH(QString, dove);
        const auto d = registro(dove);
        QVERIFY(d);
        QVERIFY(d->scegliClasse(TrovaClasse(d->classi(), "1A")->id));
        const auto anna = d->salva({0, {}, "Anna", "Rossi", "gatto"});
        QVERIFY(anna && d->salva({0, {}, "Luca", "Bianchi", "cane"}));
        const Padronanza::Modello m = Salvato();
        QVERIFY(d->salvaModello(m));
        QList<std::pair<Risposta, qint64>> risposte;
        const QDateTime inizio = QDateTime::currentDateTime().addDays(-3);
        const QList<std::tuple<const char*, bool, int>> date{
            {"form1", true, 1}, {"form1", false, 1}, {"form1", true, 2}, {"FormDomino", true, 1},
            {"form1", true, 1}, {"form1", true, 1},  {"FormDomino", false, 1}, {"form1", true, 1},
        };
        double stima = m.abilita[int(Padronanza::Abilita::Colore)].iniziale;
        int prime = 0;
        for (const auto& [schermo, esatta, tentativo] : date) {
            Risposta r = RispostaInventata(schermo, inizio.addSecs(60 * risposte.size()), esatta, {"colore", {}, false},
                                           {Blocco{"triangolo", "rosso", "grande", "spesso"}});
            r.tentativo = tentativo;
            risposte.append({r, anna->id});
            if (tentativo == 1) {
                stima = Padronanza::Aggiorna(stima, esatta, m.di(Padronanza::Abilita::Colore, r.schermo));
                ++prime;
            }
        }
        QCOMPARE(d->registraTutte(risposte), Accesso::Ok);

        // Two classes: without --classe the command says which there are.
        const QString file = cartella.filePath(dove + "-padronanza.csv");
        EsecuzioneRegistro e = esegui(dove, {"--padronanza", file});
        QCOMPARE(e.uscita, 1);
        QVERIFY2(e.err.contains("--classe") && e.err.contains("2B"), qPrintable(e.err));
        e = esegui(dove, {"--padronanza", file, "--classe", "1A"});
        QVERIFY2(e.uscita == 0, qPrintable(e.err));
        QVERIFY2(e.out.contains("padronanza.csv"), qPrintable(e.out));
        QCOMPARE(QFile::permissions(file) & ~(QFile::ReadUser | QFile::WriteUser), QFile::ReadOwner | QFile::WriteOwner);

        QByteArray attese = Intestazione;
        for (const Padronanza::Abilita a : Padronanza::TutteLeAbilita) {
            const bool colore = a == Padronanza::Abilita::Colore;
            const Padronanza::Parametri p = m.di(a, colore ? "form1" : "");
            attese += QStringList{"Anna Rossi", Padronanza::Chiave(a), Numero(colore ? stima : p.iniziale),
                                  colore ? "in via di acquisizione" : "poche risposte", QString::number(colore ? prime : 0),
                                  Numero(p.iniziale), Numero(p.apprendimento), Numero(p.indovinare), Numero(p.sbagliare)}
                          .join(';').toUtf8() + '\n';
        }
        QCOMPARE(prime, 7);
        QCOMPARE(Padronanza::LivelloDi(stima, prime), Padronanza::Livello::InVia);
        attese += SenzaRisposte("Luca Bianchi", m);
        // Surname order, as every view: Luca Bianchi first.
        const QList<QByteArray> righe = attese.split('\n');
        const QByteArray ordinate = Intestazione + (righe.mid(6, 5) + righe.mid(1, 5)).join('\n') + '\n';
        QCOMPARE(Leggi(file), ordinate);

        QVERIFY(d->scegliClasse(TrovaClasse(d->classi(), "2B")->id));
        QVERIFY(d->salva({0, {}, "Zoe", {}, "gatto"}));
        e = esegui(dove, {"--classe", "2B", "--padronanza", file});
        QVERIFY2(e.uscita == 0, qPrintable(e.err));
        QCOMPARE(Leggi(file), Intestazione + SenzaRisposte("Zoe", Padronanza::Predefinito()));
    }
};

TESSELO_TEST_MAIN(TestPadronanzaRiga)
#include "tst_padronanza_riga.moc"
