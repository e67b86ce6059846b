// The teachers' program's commands on learning paths, run as the real
// program without a display against a register seeded through its own API:
// a path file imported, refused and exported; a path assigned to the class,
// a group and a child named as the class page names them; each child's
// progress written as CSV; and the forms of the command line.
#include "tests/support/ClasseInventata.h"
#include "tests/support/Codifica.h"
#include "tests/support/MainProva.h"
#include "tests/support/RigaRegistro.h"

#include "insegnanti/RigaDiComando.h"
#include "percorsi/FilePercorso.h"

#include <sys/stat.h>

using namespace Insegnanti;
using Registro::Destinatario;

namespace {

const Percorso Forme{QStringLiteral("Forme e colori"), QStringLiteral("Riconoscere forma e colore"), false,
                     {{"form1", {1, 2}, 3}, {"FormTrova", {}, 2}}};
const Percorso Strade{QStringLiteral("Strade"), {}, true, {{"zirp7", {2}, 5}}};

QByteArray Leggi(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPercorsiRiga : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    std::unique_ptr<Registro::Archivio> archivio;

    QString file(const char* nome) const { return cartella.filePath(QString::fromUtf8(nome)); }
    EsecuzioneRegistro esegui(const QStringList& argomenti)
    {
        archivio.reset();  // the program finds the register as a teacher leaves it
        QProcessEnvironment env;
        env.insert(QStringLiteral("XDG_DATA_HOME"), cartella.path());
        const EsecuzioneRegistro e = EseguiRegistro(argomenti, env);
        archivio = std::make_unique<Registro::Archivio>();
        if (archivio->apri(cartella.filePath(QStringLiteral("tesselo/registro.sqlite"))) != Registro::Accesso::Ok)
            qFatal("register not opened: %s", qPrintable(archivio->ultimoErrore()));
        return e;
    }
    Registro::Bambino bambino(const QString& nome, const QString& cognome, const char* simbolo, qint64 gruppo = 0)
    {
        Registro::Bambino b{0, QUuid::createUuid(), nome, cognome, QString::fromLatin1(simbolo)};
        b.gruppo = gruppo;
        const std::optional<Registro::Bambino> salvato = archivio->salva(b);
        if (!salvato)
            qFatal("child not stored: %s", qPrintable(archivio->ultimoErrore()));
        return *salvato;
    }
    qint64 percorso(const QString& nome) const
    {
        for (const Registro::PercorsoSalvato& p : archivio->percorsi())
            if (p.percorso.nome == nome)
                return p.id;
        return 0;
    }

private slots:
    void init()
    {
        QDir(cartella.path()).removeRecursively();
        QVERIFY(QDir().mkpath(cartella.path()));
        esegui({QStringLiteral("--help")});
    }

    // Each command with its values, --classe and whom a path goes to before
    // or after it; whom only with --assegna-percorso, and exactly one.
    void forme_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QStringList>("letta");  // command, path, file, whom, who, class
        const auto c = [](Comando comando) { return QString::number(int(comando)); };
        const QString classe = QString::number(int(Destinatario::Classe)), gruppo = QString::number(int(Destinatario::Gruppo)),
                      figlio = QString::number(int(Destinatario::Bambino)), no = c(Comando::Sbagliato);
        QTest::newRow("import") << QStringList{"--importa-percorso", "p.json"}
                                << QStringList{c(Comando::ImportaPercorso), "", "p.json", classe, "", ""};
        QTest::newRow("export, class after") << QStringList{"--esporta-percorso", "Forme", "p.json", "--classe", "1A"}
                                             << QStringList{c(Comando::EsportaPercorso), "Forme", "p.json", classe, "", "1A"};
        QTest::newRow("to a child") << QStringList{"--assegna-percorso", "Forme", "--bambino", "Anna Rossi"}
                                    << QStringList{c(Comando::AssegnaPercorso), "Forme", "", figlio, "Anna Rossi", ""};
        QTest::newRow("to a group, before") << QStringList{"--gruppo", "piccoli", "--classe", "1A", "--assegna-percorso", "F"}
                                            << QStringList{c(Comando::AssegnaPercorso), "F", "", gruppo, "piccoli", "1A"};
        QTest::newRow("to the class") << QStringList{"--assegna-percorso", "F", "--tutta-la-classe"}
                                      << QStringList{c(Comando::AssegnaPercorso), "F", "", classe, "", ""};
        QTest::newRow("progress") << QStringList{"--avanzamento", "a.csv"}
                                  << QStringList{c(Comando::Avanzamento), "", "a.csv", classe, "", ""};
        for (const QStringList& sbagliata :
             {QStringList{"--assegna-percorso", "F"}, QStringList{"--assegna-percorso", "F", "--bambino", "A", "--gruppo", "g"},
              QStringList{"--assegna-percorso", "F", "--tutta-la-classe", "--tutta-la-classe"},
              QStringList{"--assegna-percorso", "", "--tutta-la-classe"}, QStringList{"--assegna-percorso", "F", "--bambino"},
              QStringList{"--esporta-percorso", "p.json"}, QStringList{"--esporta", "a.csv", "--gruppo", "g"},
              QStringList{"--tutta-la-classe"}, QStringList{"--avanzamento"}, QStringList{"--importa-percorso", "a", "b"}})
            QTest::newRow(qPrintable(sbagliata.join(' '))) << sbagliata << QStringList{no, "", "", classe, "", ""};
    }
    void forme()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(QStringList, letta);
        const Richiesta r = LeggiRigaDiComando(argomenti);
        QCOMPARE((QStringList{QString::number(int(r.comando)), r.percorso, r.file, QString::number(int(r.a)), r.chi,
                              r.classe.value_or(QString())}),
                 letta);
    }

    // A path file is added under its name, printed, or under a name of its
    // own when the class has a path of the file's; a bad file changes
    // nothing; the path exported reads back the same, readable by its owner
    // alone; a name the class lacks is refused naming the class's paths.
    void importaEdEsporta()
    {
        QString errore;
        QVERIFY2(Percorsi::ScriviFile(file("forme.json"), Forme, errore), qPrintable(errore));
        Scrivi(file("rotto.json"), R"({"versione": 1, "nome": "Rotto", "passi": [{"gioco": "tetris", "esatte": 3}]})");
        EsecuzioneRegistro e = esegui({QStringLiteral("--importa-percorso"), file("forme.json")});
        QVERIFY2(e.uscita == 0 && e.out == QStringLiteral("Percorso «Forme e colori» importato dal file «forme.json».\n"),
                 qPrintable(e.out + e.err));
        e = esegui({QStringLiteral("--importa-percorso"), file("forme.json")});
        QVERIFY2(e.uscita == 0 && e.out.contains(QStringLiteral("come «Forme e colori (2)»")), qPrintable(e.out + e.err));
        e = esegui({QStringLiteral("--importa-percorso"), file("rotto.json")});
        QVERIFY2(e.uscita == 1 && e.err.contains(QStringLiteral("rotto.json: passo 1: il gioco «tetris» non esiste")),
                 qPrintable(e.err));
        QCOMPARE(archivio->percorsi().size(), 2);
        QCOMPARE(archivio->percorsi().first().percorso, Forme);

        e = esegui({QStringLiteral("--esporta-percorso"), Forme.nome, file("uscita.json")});
        QVERIFY2(e.uscita == 0 && e.out.contains(QStringLiteral("esportato nel file «uscita.json»")), qPrintable(e.out + e.err));
        QCOMPARE(Percorsi::LeggiFile(file("uscita.json")).percorso, Forme);
        struct stat info;
        QVERIFY(::stat(QFile::encodeName(file("uscita.json")).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
        e = esegui({QStringLiteral("--esporta-percorso"), QStringLiteral("forme e colori"), file("altro.json")});
        QVERIFY2(e.uscita == 1 && e.err.contains(QStringLiteral("i suoi percorsi sono «Forme e colori», «Forme e colori (2)»")),
                 qPrintable(e.err));
        QVERIFY(!QFile::exists(file("altro.json")));
    }

    // A path goes to the class, a group or a child, each as the class page
    // names them, and each child then plays the one that wins; a name the
    // class lacks, or two children of one name, change nothing.
    void assegna()
    {
        QVERIFY(archivio->salvaPercorso({0, {}, Forme}) && archivio->salvaPercorso({0, {}, Strade}));
        const std::optional<Registro::Gruppo> piccoli = archivio->salvaGruppo({0, QUuid::createUuid(), "piccoli"});
        QVERIFY(piccoli);
        const qint64 anna = bambino("Anna", "Rossi", "gatto").id, bea = bambino("Bea", {}, "cane", piccoli->id).id;
        bambino("Carlo", "Neri", "pesce");
        bambino("Carlo", "Neri", "mela");
        const auto assegna = [&](const QStringList& a) { return esegui(QStringList{"--assegna-percorso"} + a); };
        QCOMPARE(assegna({"Forme e colori", "--tutta-la-classe"}).out, "Percorso «Forme e colori» assegnato a tutta la classe.\n");
        QCOMPARE(assegna({"Strade", "--gruppo", "piccoli"}).out, "Percorso «Strade» assegnato al gruppo «piccoli».\n");
        QCOMPARE(assegna({"Strade", "--bambino", "Anna Rossi"}).out, "Percorso «Strade» assegnato a «Anna Rossi».\n");
        for (const auto& [argomenti, motivo] : std::initializer_list<std::pair<QStringList, QString>>{
                 {{"Strade", "--bambino", "Anna"}, "nella classe nessun bambino si chiama «Anna»"},
                 {{"Strade", "--bambino", "Carlo Neri"}, "nella classe 2 bambini si chiamano «Carlo Neri»"},
                 {{"Strade", "--gruppo", "grandi"}, "la classe non ha un gruppo «grandi»; i suoi gruppi sono «piccoli»"},
                 {{"Tetris", "--tutta-la-classe"}, "la classe non ha un percorso «Tetris»; i suoi percorsi sono «Forme e colori», «Strade»"}}) {
            const EsecuzioneRegistro e = assegna(argomenti);
            QVERIFY2(e.uscita == 1 && e.err.startsWith("tesselo-registro: Il percorso «" + argomenti.first() + "» non è stato assegnato: " + motivo),
                     qPrintable(e.err));
        }
        const Registro::PercorsiAssegnati assegnati = archivio->percorsiAssegnati();
        QCOMPARE(assegnati.classe, percorso("Forme e colori"));
        QCOMPARE(assegnati.gruppi.value(piccoli->id), percorso("Strade"));
        QCOMPARE(assegnati.bambini, (QHash<qint64, qint64>{{anna, percorso("Strade")}}));
        QCOMPARE(Registro::PercorsoDi(bea, piccoli->id, assegnati), percorso("Strade"));
    }

    // One row per child with a path and step: their full name, the path, the
    // step, the game's caption, every right answer given under that step
    // (each once, past the goal too) against its goal, and whether it is
    // done; a name a spreadsheet would run is made inert.
    void avanzamento()
    {
        const QByteArray intestazione = "\xEF\xBB\xBF" "bambino;percorso;passo;gioco;esatte;obiettivo;fatto\n";
        EsecuzioneRegistro e = esegui({QStringLiteral("--avanzamento"), file("vuoto.csv")});
        QVERIFY2(e.uscita == 0 && e.out.startsWith(QStringLiteral("Nessun bambino della classe ha un percorso")),
                 qPrintable(e.out + e.err));
        QCOMPARE(Leggi(file("vuoto.csv")), intestazione);

        const std::optional<Registro::PercorsoSalvato> forme = archivio->salvaPercorso({0, {}, Forme});
        QVERIFY(forme && archivio->assegnaPercorso(Destinatario::Classe, 0, forme->id));
        const qint64 anna = bambino("=Anna", "Rossi", "gatto").id;
        bambino("Bea", {}, "cane");
        // Anna: four right answers and a wrong one under step 1, whose goal
        // is 3, one right under step 2, and one outside the path.
        QList<std::pair<Registro::Risposta, qint64>> risposte;
        for (int i = 0; i < 7; ++i) {
            Registro::Risposta r = RispostaInventata(QString::fromLatin1(i == 5 ? "FormTrova" : "form1"),
                                                     QDateTime::currentDateTime().addSecs(i - 10), i != 4,
                                                     {"forma", {}, false}, {});
            if (i < 6) {
                r.percorso = forme->uuid;
                r.passo = i == 5 ? 2 : 1;
            }
            risposte.append({r, anna});
        }
        QCOMPARE(int(archivio->registraTutte(risposte)), int(Registro::Accesso::Ok));
        // The same answer again, as a merge may bring it: counted once.
        QCOMPARE(int(archivio->registra(risposte.first().first, anna)), int(Registro::Accesso::Ok));
        e = esegui({QStringLiteral("--avanzamento"), file("avanzamento.csv")});
        QCOMPARE(e.out, QStringLiteral("Avanzamento di 2 bambini esportato nel file «avanzamento.csv».\n"));
        QCOMPARE(Leggi(file("avanzamento.csv")), intestazione + "Bea;Forme e colori;1;uguale - diverso;0;3;0\n"
                                                                "Bea;Forme e colori;2;trova il blocco;0;2;0\n"
                                                                "'=Anna Rossi;Forme e colori;1;uguale - diverso;4;3;1\n"
                                                                "'=Anna Rossi;Forme e colori;2;trova il blocco;1;2;0\n");
        struct stat info;
        QVERIFY(::stat(QFile::encodeName(file("avanzamento.csv")).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
    }
};

TESSELO_TEST_MAIN(TestPercorsiRiga)
#include "tst_percorsi_riga.moc"
