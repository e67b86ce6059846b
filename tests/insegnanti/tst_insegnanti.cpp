// The teachers' program, tesselo-registro: its command line run as the real
// program without a display, its views offscreen against a register seeded
// through the register's own API, its reports, and the class management with
// every dialog answered by the test.
#include "tests/support/ClasseInventata.h"
#include "tests/support/Codifica.h"
#include "tests/support/MainProva.h"
#include "tests/support/RigaRegistro.h"

#include "comune/Stile.h"
#include "insegnanti/DialogoBambino.h"
#include "insegnanti/DialogoDivisioni.h"
#include "insegnanti/Controllo.h"
#include "insegnanti/FinestraRegistro.h"
#include "insegnanti/GestioneClasse.h"
#include "insegnanti/Lettura.h"
#include "insegnanti/Operazioni.h"
#include "insegnanti/Rapporti.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/RigaDiComando.h"
#include "insegnanti/Scala.h"
#include "insegnanti/SceltaPeriodo.h"
#include "insegnanti/StimeClasse.h"
#include "insegnanti/VistaBambino.h"
#include "insegnanti/VistaClasse.h"
#include "registro/DisegnoSimbolo.h"
#include "registro/Giochi.h"
#include "registro/Scrittore.h"

#include <QAction>
#include <QChart>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSet>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTableWidget>
#include <QThreadPool>

#include <sys/stat.h>

using namespace Insegnanti;

namespace {

// Names a register must show exactly as typed.
const QString NomeSql = QStringLiteral("Robert'); DROP TABLE bambini;--");
const QString NomeStrano = QStringLiteral("Zoë \"Lulù\" d'Àrco 😀");
const QString NomeLungo = QString(200, QChar(0x00E8));

double Luminanza(const QColor& c)
{
    auto lineare = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
}
double Contrasto(const QColor& a, const QColor& b)
{
    const double la = Luminanza(a), lb = Luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A CSV field in quotes, its own quotes doubled, as spreadsheets write one.
QByteArray Campo(const QString& testo)
{
    return '"' + testo.toUtf8().replace('"', "\"\"") + '"';
}

Registro::Domanda D(const QString& attributo, const QString& valore = {}, bool negata = false)
{
    return {attributo, valore, negata};
}

QByteArray Leggi(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One answer of a child in a game, today at ora unless another day is given.
void Risposta(Registro::Archivio& a, qint64 bambino, const char* schermo, bool esatta,
              const Registro::Domanda& domanda, int ora = 10, QDate giorno = QDate::currentDate())
{
    const Registro::Risposta r = RispostaInventata(QString::fromLatin1(schermo), QDateTime(giorno, QTime(ora, 0)),
                                                   esatta, domanda, {Blocco{"triangolo", "rosso", "grande", "spesso"}});
    QCOMPARE_NE(int(a.registra(r, bambino)), int(Registro::Accesso::NonScrivibile));
}

// The dialogs answered by the test: confirmations as conferme says (no by
// default), and every message kept.
struct Dialoghi {
    QStringList domande, messaggi;
    bool conferme = false;
    QString file;
    std::optional<QDate> giorno;
    std::optional<Registro::Bambino> bambino;
    QStringList liberiOfferti;
    Richieste prima = richieste();

    Dialoghi()
    {
        richieste().conferma = [this](QWidget*, const QString& t, const QString&) {
            domande.append(t);
            return conferme;
        };
        richieste().informa = [this](QWidget*, const QString& t, bool) { messaggi.append(t); };
        richieste().fileDaAprire = [this](QWidget*, const QString&, const QString&) { return file; };
        richieste().fileDaSalvare = [this](QWidget*, const QString&, const QString&, const QString&) { return file; };
        richieste().stampante = [](QWidget*, QPrinter&) { return false; };
        richieste().giorno = [this](QWidget*, const QString&) { return giorno; };
        richieste().bambino = [this](QWidget*, const Registro::Bambino& b, const QStringList& liberi) {
            liberiOfferti = liberi;
            if (!bambino)
                return std::optional<Registro::Bambino>();
            Registro::Bambino scelto = *bambino;
            scelto.id = b.id;
            scelto.uuid = b.uuid;
            return std::optional<Registro::Bambino>(scelto);
        };
    }
    ~Dialoghi() { richieste() = prima; }
};

} // namespace

class TestInsegnanti : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    std::unique_ptr<Registro::Archivio> archivio;
    QList<Registro::Bambino> classe;

    QString registro() const { return cartella.filePath(QStringLiteral("tesselo/registro.sqlite")); }

    Registro::Bambino aggiungi(const QString& nome, const QString& cognome, const char* simbolo)
    {
        Registro::Bambino b;
        b.uuid = QUuid::createUuid();
        b.nome = nome;
        b.cognome = cognome;
        b.simbolo = QString::fromLatin1(simbolo);
        const std::optional<Registro::Bambino> salvato = archivio->salva(b);
        if (!salvato)
            qFatal("child not stored: %s", qPrintable(archivio->ultimoErrore()));
        return *salvato;
    }

    // Runs the real program with no display at all: a window would abort.
    using Esecuzione = EsecuzioneRegistro;
    Esecuzione esegui(const QStringList& argomenti, const QString& datiUtente = {})
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("XDG_DATA_HOME"), datiUtente.isEmpty() ? cartella.path() : datiUtente);
        return EseguiRegistro(argomenti, env);
    }

    int risposteTotali() const { return int(archivio->risposte().size()); }

private slots:
    void init()
    {
        QVERIFY(cartella.isValid());
        QDir(cartella.path()).removeRecursively();
        QDir().mkpath(cartella.path());
        archivio = std::make_unique<Registro::Archivio>();
        QCOMPARE(int(archivio->apri(registro())), int(Registro::Accesso::Ok));
    }
    void cleanup()
    {
        // A window's readings on the pool's threads end with the case.
        FiliDelRegistro().waitForDone();
        archivio.reset();
    }

    // Each symbol at each size is drawn once and then handed out again (the
    // very same picture); different symbols stay different, every size has
    // its own picture, and a symbol painted into a box still shows.
    void simboli_disegnatiUnaVolta()
    {
        const auto simboli = Registro::Simboli();
        QVERIFY(simboli.size() >= 2);
        QSet<qint64> disegni;
        for (const Registro::Simbolo& s : simboli.first(2)) {
            for (int lato : {20, 32, 64, 128}) {
                const QImage primo = Registro::ImmagineSimbolo(s, lato);
                QCOMPARE(primo.size(), QSize(lato, lato));
                QCOMPARE(Registro::ImmagineSimbolo(s, lato).cacheKey(), primo.cacheKey());
                disegni.insert(primo.cacheKey());
            }
            QImage dipinto(64, 64, QImage::Format_ARGB32_Premultiplied);
            dipinto.fill(Qt::transparent);
            {
                QPainter p(&dipinto);
                Registro::DisegnaSimbolo(p, QRectF(0, 0, 64, 64), s);
            }
            QImage vuoto(64, 64, QImage::Format_ARGB32_Premultiplied);
            vuoto.fill(Qt::transparent);
            QVERIFY(dipinto != vuoto);
        }
        QCOMPARE(disegni.size(), 8);
        QVERIFY(Registro::ImmagineSimbolo(simboli[0], 64) != Registro::ImmagineSimbolo(simboli[1], 64));

        // An icon has the screen's pixels for its size, its ratio set, and is
        // made once per symbol, size and ratio.
        QSet<qint64> icone;
        for (const qreal rapporto : {1.0, 1.5, 2.0}) {
            const QPixmap icona = Registro::IconaSimbolo(simboli[0], 28, rapporto);
            QCOMPARE(icona.size(), QSize(qRound(28 * rapporto), qRound(28 * rapporto)));
            QCOMPARE(icona.devicePixelRatio(), rapporto);
            QCOMPARE(icona.deviceIndependentSize(), QSizeF(28, 28));
            QCOMPARE(Registro::IconaSimbolo(simboli[0], 28, rapporto).cacheKey(), icona.cacheKey());
            icone.insert(icona.cacheKey());
        }
        icone.insert(Registro::IconaSimbolo(simboli[1], 28, 1.0).cacheKey());
        icone.insert(Registro::IconaSimbolo(simboli[0], 32, 1.0).cacheKey());
        QCOMPARE(icone.size(), 5);
        const QImage doppia = Registro::IconaSimbolo(simboli[0], 28, 2.0).toImage();
        QImage attesa = Registro::ImmagineSimbolo(simboli[0], 56).convertToFormat(doppia.format());
        attesa.setDevicePixelRatio(2.0);
        QCOMPARE(doppia, attesa);
    }

    // --help lists every option and the register's file; a wrong command
    // line gets the usage line and status 2.
    void rigaDiComando_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<int>("uscita");
        QTest::newRow("--help") << QStringList{"--help"} << 0;
        QTest::newRow("no file") << QStringList{"--importa"} << 2;
        QTest::newRow("two files") << QStringList{"--esporta", "a.csv", "b.csv"} << 2;
        QTest::newRow("help and more") << QStringList{"--help", "--unisci"} << 2;
    }
    void rigaDiComando()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(int, uscita);
        const Esecuzione e = esegui(argomenti);
        QCOMPARE(e.uscita, uscita);
        if (uscita == 0) {
            for (const char* opzione : {"--importa FILE.csv", "--esporta FILE.csv", "--unisci FILE.sqlite", "--help"})
                QVERIFY2(e.out.contains(QLatin1String(opzione)), qPrintable(e.out));
            QVERIFY(e.out.contains(registro()));
        } else {
            QVERIFY2(e.err.startsWith(QStringLiteral("uso: tesselo-registro")), qPrintable(e.err));
        }
    }

    // --importa prints how many children it added, and adds none twice; a
    // bad file names its line and changes nothing.
    void importa()
    {
        archivio.reset();
        const QString csv = cartella.filePath(QStringLiteral("classe.csv"));
        Scrivi(csv, QByteArray("\xEF\xBB\xBF" "Cognome;Nome;Classe\nRossi;Anna;1A\nBianchi;Luca;1A\n") + Campo(NomeSql)
                        + ";" + Campo(NomeStrano) + ";1A\n");
        Esecuzione e = esegui({QStringLiteral("--importa"), csv});
        QCOMPARE(e.uscita, 0);
        QVERIFY2(e.out.contains(QStringLiteral("3 bambini aggiunti")), qPrintable(e.out + e.err));
        e = esegui({QStringLiteral("--importa"), csv});
        QCOMPARE(e.uscita, 0);
        QVERIFY2(e.out.contains(QStringLiteral("Nessun bambino aggiunto")), qPrintable(e.out));

        const QString rotto = cartella.filePath(QStringLiteral("rotto.csv"));
        // Line 3 has a surname and no name: Marta, on line 2, is not added either.
        Scrivi(rotto, "Nome;Cognome\nMarta;Verdi\n;Neri\nAldo;Gialli\n");
        e = esegui({QStringLiteral("--importa"), rotto});
        QCOMPARE_NE(e.uscita, 0);
        QVERIFY2(e.err.contains(QStringLiteral("rotto.csv")) && e.err.contains(QStringLiteral("riga 3")),
                 qPrintable(e.err));
        archivio = std::make_unique<Registro::Archivio>();
        QCOMPARE(int(archivio->apri(registro())), int(Registro::Accesso::Ok));
        QStringList nomi;
        for (const Registro::Bambino& b : archivio->bambini())
            nomi.append(b.nomeCompleto());
        nomi.sort();
        QCOMPARE(nomi, (QStringList{"Anna Rossi", "Luca Bianchi", NomeStrano + ' ' + NomeSql}));
    }

    // --esporta writes every answer under the fixed header, with ";" and a
    // BOM; --unisci twice adds the other register's answers once.
    void esportaEUnisci()
    {
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"), NomeSql, "gatto");
        Risposta(*archivio, anna.id, "form1", true, D("forma"));
        Risposta(*archivio, 0, "zirp7", false, D("colore", "rosso", true));
        archivio.reset();

        const QString csv = cartella.filePath(QStringLiteral("uscita.csv"));
        Esecuzione e = esegui({QStringLiteral("--esporta"), csv});
        QCOMPARE(e.uscita, 0);
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray dati = f.readAll();
        QVERIFY(dati.startsWith("\xEF\xBB\xBF" "data_ora;bambino;gioco;domanda;blocchi;risposta;esatta;millisecondi"));
        const QList<QByteArray> righe = dati.trimmed().split('\n');
        QCOMPARE(righe.size(), 3);
        QVERIFY2(dati.contains("NON rosso") && dati.contains("le strade 1") && dati.contains("uguale - diverso"), dati);

        // Another computer's register: its own child and three answers.
        const QString altro = cartella.filePath(QStringLiteral("altro/registro.sqlite"));
        {
            Registro::Archivio a;
            QCOMPARE(int(a.apri(altro)), int(Registro::Accesso::Ok));
            Registro::Bambino b;
            b.uuid = QUuid::createUuid();
            b.nome = NomeStrano;
            b.simbolo = QStringLiteral("cane");
            const qint64 id = a.salva(b).value().id;
            for (int i = 0; i < 3; ++i)
                Risposta(a, id, "FORM2", i != 1, D("colore", "blu"), 9 + i);
        }
        e = esegui({QStringLiteral("--unisci"), altro});
        QCOMPARE(e.uscita, 0);
        QVERIFY2(e.out.contains(QStringLiteral("3 risposte aggiunte")), qPrintable(e.out + e.err));
        e = esegui({QStringLiteral("--unisci"), altro});
        QCOMPARE(e.uscita, 0);
        QVERIFY2(e.out.contains(QStringLiteral("0 risposte aggiunte")), qPrintable(e.out + e.err));
        // Not a register: refused, nothing changes.
        const QString testo = cartella.filePath(QStringLiteral("non-registro.sqlite"));
        Scrivi(testo, "questo non è un registro\n");
        e = esegui({QStringLiteral("--unisci"), testo});
        QCOMPARE_NE(e.uscita, 0);
        QVERIFY2(e.err.contains(QStringLiteral("non-registro.sqlite")), qPrintable(e.err));

        archivio = std::make_unique<Registro::Archivio>();
        QCOMPARE(int(archivio->apri(registro())), int(Registro::Accesso::Ok));
        QCOMPARE(risposteTotali(), 5);
        QCOMPARE(archivio->bambini().size(), 2);
    }

    // --classe NOME, before or after the command, only with a command on a
    // register, once, with a name.
    void rigaDiComandoClasse()
    {
        const Richiesta dopo = LeggiRigaDiComando({"--esporta", "a.csv", "--classe", "1A"});
        QVERIFY(dopo.comando == Comando::Esporta && dopo.file == "a.csv" && dopo.classe == "1A");
        QCOMPARE(LeggiRigaDiComando({"--classe", "Sezione Gialli", "--unisci", "b.sqlite"}).classe, "Sezione Gialli");
        for (const QStringList& sbagliata : {QStringList{"--classe", "1A"}, QStringList{"--importa", "c.csv", "--classe"},
                                             QStringList{"--classe", "", "--importa", "c.csv"},
                                             QStringList{"--classe", "1A", "--classe", "1B", "--importa", "c.csv"}})
            QCOMPARE(int(LeggiRigaDiComando(sbagliata).comando), int(Comando::Sbagliato));
        const Esecuzione aiuto = esegui({QStringLiteral("--help")});
        QVERIFY2(aiuto.out.contains(QStringLiteral("--classe NOME")), qPrintable(aiuto.out));
        QCOMPARE(esegui({QStringLiteral("--classe"), QStringLiteral("1A")}).uscita, 2);
    }

    // With one class every command uses it; with two, --classe chooses the
    // class to import into and to export, and a command without it, or with
    // a name the register does not have, is refused listing the classes.
    void classeDaRigaDiComando()
    {
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"), {}, "gatto");
        Risposta(*archivio, anna.id, "form1", true, D("forma"));
        const QString csv = cartella.filePath(QStringLiteral("uscita.csv"));
        Esecuzione e = esegui({QStringLiteral("--classe"), QStringLiteral("La mia classe"), QStringLiteral("--esporta"), csv});
        QCOMPARE(e.uscita, 0);
        QCOMPARE(Leggi(csv).trimmed().split('\n').size(), 2);

        const std::optional<Registro::Classe> gialli =
            archivio->salvaClasse({0, {}, QStringLiteral("Sezione Gialli"), archivio->classi().first().annoScolastico});
        QVERIFY(gialli);
        // Another year's class of the same name is not the one a name means.
        QVERIFY(archivio->salvaClasse({0, {}, QStringLiteral("Sezione Gialli"), QStringLiteral("2001/02")}));
        QVERIFY(archivio->scegliClasse(gialli->id));
        const Registro::Bambino bea = aggiungi(QStringLiteral("Bea"), {}, "gatto");
        for (int ora : {9, 10, 11})
            Risposta(*archivio, bea.id, "zirp7", false, D("colore", "rosso"), ora);
        archivio.reset();

        QFile::remove(csv);
        for (const QStringList& senza : {QStringList{"--esporta", csv}, QStringList{"--classe", "sezione gialli", "--esporta", csv}}) {
            e = esegui(senza);
            QCOMPARE(e.uscita, 1);
            QVERIFY2(e.err.contains(QStringLiteral("«La mia classe»")) && e.err.contains(QStringLiteral("«Sezione Gialli»"))
                         && e.err.count(QStringLiteral("Sezione Gialli")) == 1,
                     qPrintable(e.err));
            QVERIFY(!QFile::exists(csv));
        }
        e = esegui({QStringLiteral("--classe"), QStringLiteral("Sezione Gialli"), QStringLiteral("--esporta"), csv});
        QCOMPARE(e.uscita, 0);
        const QByteArray esportate = Leggi(csv);
        QVERIFY(esportate.startsWith("\xEF\xBB\xBF" "data_ora;bambino;gioco;domanda;blocchi;risposta;esatta;millisecondi\n"));
        QCOMPARE(esportate.trimmed().split('\n').size(), 4);
        QVERIFY(esportate.contains(";Bea;") && !esportate.contains(";Anna;"));

        const QString classe = cartella.filePath(QStringLiteral("gialli.csv"));
        Scrivi(classe, "Nome;Cognome\nCarlo;Verdi\nAnna;\n");
        QCOMPARE(esegui({QStringLiteral("--importa"), classe}).uscita, 1);
        e = esegui({QStringLiteral("--importa"), classe, QStringLiteral("--classe"), QStringLiteral("Sezione Gialli")});
        QCOMPARE(e.uscita, 0);
        QVERIFY2(e.out.contains(QStringLiteral("2 bambini aggiunti")), qPrintable(e.out + e.err));

        archivio = std::make_unique<Registro::Archivio>();
        QCOMPARE(int(archivio->apri(registro())), int(Registro::Accesso::Ok));
        QVERIFY(archivio->scegliClasse(gialli->id));
        QStringList nomi;
        for (const Registro::Bambino& b : archivio->bambini())
            nomi << b.nome + '/' + b.simbolo;
        QCOMPARE(nomi, (QStringList{"Anna/coniglio", "Bea/gatto", "Carlo/cane"}));
    }

    // A register that cannot be opened is named with the reason, never a crash.
    void registroCheNonSiApre()
    {
        archivio.reset();
        // The data folder is a plain file: no register can be made under it.
        const QString file = cartella.filePath(QStringLiteral("un-file"));
        Scrivi(file, "x");
        const QString csv = cartella.filePath(QStringLiteral("classe.csv"));
        Scrivi(csv, "Nome;Cognome\nAnna;Rossi\n");
        const Esecuzione e = esegui({QStringLiteral("--importa"), csv}, file);
        QCOMPARE(e.uscita, 1);
        QVERIFY2(e.err.contains(QStringLiteral("non si può aprire")) && e.err.contains(file), qPrintable(e.err));
    }

    // The class at a glance: a row per child and one for guests, a column
    // per game, each cell right / wrong on the colour of the share right,
    // over the chosen period only.
    void classeInSintesi()
    {
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"), {}, "gatto");
        const Registro::Bambino luca = aggiungi(NomeLungo, NomeSql, "cane");
        for (int i = 0; i < 4; ++i)
            Risposta(*archivio, anna.id, "form1", i != 0, D("forma"));
        Risposta(*archivio, anna.id, "form1", false, D("forma"), 10, QDate::currentDate().addDays(-40));
        Risposta(*archivio, luca.id, "FORM2", false, D("colore", "rosso"));
        Risposta(*archivio, luca.id, "FORM2", false, D("colore", "blu"));
        Risposta(*archivio, 0, "zirp3", true, D("dimensione", "grande"));

        VistaClasse vista(*archivio);
        vista.mostra(Registro::Periodo::Oggi());
        QTableWidget* t = vista.tabella();
        QCOMPARE(t->columnCount(), 1 + int(Registro::Giochi().size()));
        for (int g = 0; g < int(Registro::Giochi().size()); ++g)
            QCOMPARE(t->horizontalHeaderItem(g + 1)->toolTip(), QString::fromUtf8(Registro::Giochi()[size_t(g)].didascalia));
        QCOMPARE(t->rowCount(), 3);
        QHash<QString, int> riga;
        for (int r = 0; r < t->rowCount(); ++r)
            riga[t->item(r, 0)->text()] = r;
        QVERIFY(riga.contains(QStringLiteral("Anna")));
        QVERIFY2(riga.contains(NomeLungo + ' ' + NomeSql), "a name is shown exactly as typed");
        QCOMPARE(riga.value(QStringLiteral("ospite"), -1), 2);
        const int a = riga["Anna"], l = riga[NomeLungo + ' ' + NomeSql];
        QCOMPARE(t->item(l, 0)->toolTip(), NomeLungo + ' ' + NomeSql);
        QCOMPARE(t->item(a, 1)->text(), QStringLiteral("75% · 3\u00A0✓ 1\u00A0✗"));
        QCOMPARE(t->item(l, 2)->text(), QStringLiteral("0% · 0\u00A0✓ 2\u00A0✗"));
        QCOMPARE(t->item(2, 3)->text(), QStringLiteral("100% · 1\u00A0✓ 0\u00A0✗"));
        QCOMPARE(t->item(a, 2)->text(), QStringLiteral("–"));
        QCOMPARE(t->item(a, 2)->background().style(), Qt::NoBrush);
        // Shares of fewer than five answers have no colour, red least of all.
        QCOMPARE(t->item(a, 1)->background().style(), Qt::NoBrush);
        QCOMPARE(t->item(l, 2)->background().style(), Qt::NoBrush);
        QCOMPARE(t->item(2, 3)->background().style(), Qt::NoBrush);

        // The colour follows the share: 60%, between yellow and green.
        vista.mostra({});
        QCOMPARE(t->item(riga["Anna"], 1)->text(), QStringLiteral("60% · 3\u00A0✓ 2\u00A0✗"));
        QCOMPARE(t->item(riga["Anna"], 1)->background().color(), ColoreQuota(0.6));
    }

    // The scale runs red, yellow, green with the share, and its text stays
    // readable, also where the desktop's palette is dark.
    void scalaDeiColori_data()
    {
        QTest::addColumn<double>("quota");
        QTest::addColumn<double>("tinta");  // degrees
        QTest::newRow("none right") << 0.0 << 0.0;
        QTest::newRow("a quarter") << 0.25 << 30.0;
        QTest::newRow("half") << 0.5 << 60.0;
        QTest::newRow("three quarters") << 0.75 << 90.0;
        QTest::newRow("all right") << 1.0 << 120.0;
    }
    void scalaDeiColori()
    {
        QFETCH(double, quota);
        QFETCH(double, tinta);
        const QColor sfondo = ColoreQuota(quota);
        QVERIFY2(std::abs(sfondo.hueF() * 360 - tinta) < 2 || (tinta == 0 && sfondo.hue() >= 358), qPrintable(sfondo.name()));
        const QPalette prima = QApplication::palette();
        QPalette scura = prima;
        scura.setColor(QPalette::Text, Qt::white);
        scura.setColor(QPalette::Base, QColor(30, 30, 30));
        QApplication::setPalette(scura);
        Registro::Conto conto{int(quota * 8), 8 - int(quota * 8)};
        std::unique_ptr<QTableWidgetItem> voce(VoceConto(conto, TestoConto(conto)));
        QApplication::setPalette(prima);
        QCOMPARE(voce->background().color(), sfondo);
        QVERIFY2(Contrasto(voce->foreground().color(), sfondo) >= 7, qPrintable(voce->foreground().color().name()));
    }

    // One child: the share right for each attribute and for conditions with
    // and without "NON", a line per share in the chart, the items most
    // often wrong.
    void bambino()
    {
        const Registro::Bambino anna = aggiungi(NomeStrano, {}, "rana");
        Risposta(*archivio, anna.id, "form1", true, D("forma"));
        Risposta(*archivio, anna.id, "form1", true, D("forma"));
        Risposta(*archivio, anna.id, "form1", false, D("forma"));
        Risposta(*archivio, anna.id, "zirp7", true, D("colore", "rosso", false));
        Risposta(*archivio, anna.id, "zirp7", false, D("colore", "rosso", true));
        Risposta(*archivio, anna.id, "zirp7", false, D("colore", "rosso", true), 11, QDate::currentDate().addDays(-14));

        VistaBambino vista(*archivio);
        vista.scegli(anna.id);
        vista.mostra({});
        QCOMPARE(vista.scelto(), anna.id);
        QTableWidget* q = vista.quote();
        QCOMPARE(q->verticalHeaderItem(0)->text(), QStringLiteral("forma"));
        QCOMPARE(q->item(0, 2)->text(), QStringLiteral("67%"));
        QCOMPARE(q->item(0, 0)->text(), QStringLiteral("2"));
        QCOMPARE(q->item(0, 1)->text(), QStringLiteral("1"));
        QCOMPARE(q->item(4, 2)->text(), QStringLiteral("100%"));  // without NON
        QCOMPARE(q->item(5, 2)->text(), QStringLiteral("0%"));    // with NON
        QCOMPARE(q->item(3, 2)->text(), QStringLiteral("–"));     // spessore never asked
        QCOMPARE(q->item(5, 2)->background().style(), Qt::NoBrush);  // two answers: too few for a colour

        const QList<QAbstractSeries*> serie = vista.grafico()->series();
        QCOMPARE(serie.size(), 6);
        QCOMPARE(static_cast<QLineSeries*>(serie[5])->name(), QStringLiteral("con NON"));
        QCOMPARE(static_cast<QLineSeries*>(serie[5])->count(), 2);   // two weeks
        QCOMPARE(static_cast<QLineSeries*>(serie[0])->count(), 1);
        QCOMPARE(static_cast<QLineSeries*>(serie[5])->at(0).y(), 0.0);

        QTableWidget* e = vista.errori();
        QVERIFY(e->rowCount() >= 2);
        QCOMPARE(e->item(0, 1)->text(), QStringLiteral("NON rosso"));
        QCOMPARE(e->item(0, 3)->text(), QStringLiteral("2"));

        vista.mostra(Registro::Periodo::Oggi());
        QCOMPARE(static_cast<QLineSeries*>(vista.grafico()->series()[5])->count(), 1);
    }

    // A report saved as PDF is a real PDF whose title names the child.
    // A child's record is read through one table of groups: the page's
    // rows, the chart's lines and the report's columns follow it, in its
    // order and with its colours, which stay told apart; and each group
    // counts the answers its attribute or condition names.
    void gruppiDellaScheda()
    {
        const auto gruppi = Registro::GruppiScheda();
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"), {}, "gatto");
        Risposta(*archivio, anna.id, "form1", true, D("spessore"));
        Risposta(*archivio, anna.id, "zirp7", false, D("colore", "rosso", true));
        VistaBambino vista(*archivio);
        vista.scegli(anna.id);
        vista.mostra({});
        QTableWidget* q = vista.quote();
        const QList<QAbstractSeries*> serie = vista.grafico()->series();
        QCOMPARE(q->rowCount(), int(gruppi.size()));
        QCOMPARE(serie.size(), qsizetype(gruppi.size()));
        const QString resoconto =
            ResocontoBambino(*archivio, anna.id, {}, QStringLiteral("tutto")).documento->toPlainText();
        QStringList contati;
        for (size_t i = 0; i < gruppi.size(); ++i) {
            const Registro::GruppoScheda& g = gruppi[i];
            QCOMPARE(q->verticalHeaderItem(int(i))->text(), NomeGruppo(g));
            QVERIFY2(resoconto.contains(NomeGruppo(g)), qPrintable(NomeGruppo(g)));
            const auto* linea = static_cast<QLineSeries*>(serie[qsizetype(i)]);
            QCOMPARE(linea->name(), NomeGruppo(g, true));
            QCOMPARE(linea->pen().color(), QColor::fromRgb(g.colore));
            QCOMPARE(linea->pen().style(), g.tratteggiata ? Qt::DashLine : Qt::SolidLine);
            for (size_t j = 0; j < i; ++j)
                QVERIFY(gruppi[j].colore != g.colore);
            if (q->item(int(i), 0)->text() != QStringLiteral("0") || q->item(int(i), 1)->text() != QStringLiteral("0"))
                contati << (g.attributo ? QString::fromLatin1(g.attributo) : QString::fromLatin1(g.nome));
        }
        QCOMPARE(contati, (QStringList{QStringLiteral("colore"), QStringLiteral("spessore"),
                                       QStringLiteral("condizioni con NON")}));
    }

    void resocontoPdf_data()
    {
        QTest::addColumn<bool>("perBambino");
        QTest::newRow("child") << true;
        QTest::newRow("class") << false;
    }
    void resocontoPdf()
    {
        QFETCH(bool, perBambino);
        const Registro::Bambino b = aggiungi(NomeStrano, NomeSql, "gatto");
        Risposta(*archivio, b.id, "zirp9", false, D("spessore", "sottile", true));
        const Resoconto r = perBambino ? ResocontoBambino(*archivio, b.id, {}, QStringLiteral("tutto il registro"))
                                       : ResocontoClasse(*archivio, {}, QStringLiteral("tutto il registro"));
        QVERIFY(r.documento->toPlainText().contains(NomeStrano + ' ' + NomeSql));
        const QString pdf = cartella.filePath(QStringLiteral("resoconto.pdf"));
        QString errore;
        QVERIFY2(ScriviPdf(r, pdf, errore), qPrintable(errore));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray dati = f.readAll();
        QVERIFY(dati.startsWith("%PDF-1."));
        QVERIFY(dati.trimmed().endsWith("%%EOF"));
        QVERIFY(dati.contains("/Type /Page") || dati.contains("/Type/Page"));
        // The title, as Qt writes it: UTF-16 big-endian with its byte order mark.
        const QString titolo = perBambino ? QStringLiteral("Tesselo: resoconto di ") + NomeStrano + ' ' + NomeSql
                                          : QStringLiteral("Tesselo: resoconto della classe");
        QCOMPARE(TitoloPdf(dati), titolo);
        // A file that cannot be written is said so.
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!ScriviPdf(r, cartella.filePath(QStringLiteral("manca/resoconto.pdf")), errore));
        QVERIFY(errore.contains(QStringLiteral("manca/resoconto.pdf")));
    }

    // Adding offers only the symbols no other child has; a blank first name
    // cannot be confirmed.
    void aggiungereUnBambino()
    {
        aggiungi(QStringLiteral("Anna"), {}, "gatto");
        Dialoghi d;
        d.bambino = Registro::Bambino{0, {}, NomeSql, NomeStrano, QStringLiteral("leone")};
        GestioneClasse gestione(*archivio);
        gestione.findChild<QPushButton*>(QStringLiteral("aggiungi"))->click();
        QVERIFY(!d.liberiOfferti.contains(QStringLiteral("gatto")));
        QCOMPARE(d.liberiOfferti.size(), qsizetype(Registro::Simboli().size()) - 1);
        QCOMPARE(archivio->bambini().size(), 2);
        const auto elenco = gestione.findChild<QListWidget*>(QStringLiteral("bambini"));
        QCOMPARE(elenco->count(), 2);
        QVERIFY(!elenco->findItems(NomeSql + ' ' + NomeStrano, Qt::MatchExactly).isEmpty());

        // Changing Anna offers her own symbol back, not the lion now taken.
        d.bambino = Registro::Bambino{0, {}, QStringLiteral("Annalisa"), {}, QStringLiteral("gatto")};
        gestione.scegli(archivio->bambini().first().nome == QLatin1String("Anna") ? archivio->bambini().first().id
                                                                                   : archivio->bambini().last().id);
        gestione.modifica();
        QVERIFY(d.liberiOfferti.contains(QStringLiteral("gatto")));
        QVERIFY(!d.liberiOfferti.contains(QStringLiteral("leone")));
        QVERIFY(!elenco->findItems(QStringLiteral("Annalisa"), Qt::MatchExactly).isEmpty());

        DialogoBambino dialogo(Registro::Bambino{}, SimboliLiberi(archivio->bambini()));
        const auto simboli = dialogo.findChild<QListWidget*>(QStringLiteral("simboli"));
        QCOMPARE(simboli->count(), qsizetype(Registro::Simboli().size()) - 2);
        for (int i = 0; i < simboli->count(); ++i)
            QVERIFY(!QStringList({"gatto", "leone"}).contains(simboli->item(i)->data(Qt::UserRole).toString()));
        QPushButton* conferma = nullptr;
        for (QPushButton* p : dialogo.findChildren<QPushButton*>())
            if (p->text() == QLatin1String("Aggiungi"))
                conferma = p;
        QVERIFY(conferma);
        simboli->setCurrentRow(3);
        dialogo.findChild<QLineEdit*>(QStringLiteral("nome"))->setText(QStringLiteral("   "));
        QVERIFY(!conferma->isEnabled());
        dialogo.findChild<QLineEdit*>(QStringLiteral("nome"))->setText(NomeStrano);
        QVERIFY(conferma->isEnabled());
        QCOMPARE(dialogo.bambino().nome, NomeStrano);
        QCOMPARE(dialogo.bambino().simbolo, simboli->item(3)->data(Qt::UserRole).toString());
    }

    // Removing a child says how many answers go, and on "Annulla" nothing does.
    void rimuovereUnBambino()
    {
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"), QStringLiteral("Rossi"), "gatto");
        for (int i = 0; i < 4; ++i)
            Risposta(*archivio, anna.id, "form1", true, D("forma"));
        Risposta(*archivio, 0, "form1", true, D("forma"));
        Dialoghi d;
        GestioneClasse gestione(*archivio);
        gestione.scegli(anna.id);
        gestione.rimuovi();
        QCOMPARE(d.domande.size(), 1);
        QVERIFY2(d.domande[0].contains(QStringLiteral("«Anna Rossi»"))
                     && d.domande[0].contains(QStringLiteral("Verranno cancellate anche tutte le sue risposte: 4 risposte")),
                 qPrintable(d.domande[0]));
        QCOMPARE(archivio->bambini().size(), 1);
        QCOMPARE(risposteTotali(), 5);
        d.conferme = true;
        gestione.rimuovi();
        QVERIFY(archivio->bambini().isEmpty());
        QCOMPARE(risposteTotali(), 1);
    }

    // The window's deletions, each after a confirmation that counts what goes.
    void cancellazioni()
    {
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"), {}, "gatto");
        const QDate oggi = QDate::currentDate();
        Risposta(*archivio, anna.id, "form1", true, D("forma"), 10, oggi.addDays(-30));
        Risposta(*archivio, anna.id, "form1", true, D("forma"), 10, oggi.addDays(-20));
        Risposta(*archivio, 0, "form1", false, D("forma"), 10, oggi.addDays(-20));
        Risposta(*archivio, anna.id, "form1", true, D("forma"));
        Dialoghi d;
        FinestraRegistro finestra(*archivio);
        d.giorno = oggi.addDays(-10);
        d.conferme = true;
        finestra.cancellaPrimaDi();
        QVERIFY2(d.domande.value(0).contains(QStringLiteral("Verranno cancellate 3 risposte")), qPrintable(d.domande.value(0)));
        QCOMPARE(risposteTotali(), 1);
        finestra.bambino()->scegli(anna.id);
        finestra.cancellaRisposteBambino();
        QVERIFY2(d.domande.value(1).contains(QStringLiteral("Verrà cancellata 1 risposta.")),
                 qPrintable(d.domande.value(1)));
        QCOMPARE(risposteTotali(), 0);
        QCOMPARE(archivio->bambini().size(), 1);
        finestra.cancellaRisposteBambino();
        QCOMPARE(d.domande.size(), 2);  // nothing left to ask about
    }

    // A child of the merged file with the uuid of one of ours but another
    // name: the command line refuses the file, naming both; the window asks,
    // and keeps them apart when told so.
    void unisciStessoCodice()
    {
        const Registro::Bambino giulia = aggiungi(QStringLiteral("Giulia"), QStringLiteral("Rossi"), "gatto");
        const QString altro = cartella.filePath(QStringLiteral("altro/registro.sqlite"));
        {
            Registro::Archivio a;
            QCOMPARE(int(a.apri(altro)), int(Registro::Accesso::Ok));
            const qint64 id = a.salva({0, giulia.uuid, QStringLiteral("Anna"), {}, QStringLiteral("cane")}).value().id;
            Risposta(a, id, "FORM2", true, D("colore", "blu"));
        }
        archivio.reset();
        const Esecuzione e = esegui({QStringLiteral("--unisci"), altro});
        QCOMPARE_NE(e.uscita, 0);
        QVERIFY2(e.err.contains(QStringLiteral("«Anna»")) && e.err.contains(QStringLiteral("«Giulia Rossi»")),
                 qPrintable(e.err));
        archivio = std::make_unique<Registro::Archivio>();
        QCOMPARE(int(archivio->apri(registro())), int(Registro::Accesso::Ok));
        QCOMPARE(risposteTotali(), 0);

        Dialoghi d;
        QStringList chiesti;
        Registro::Identita scelta = Registro::Identita::Annulla;
        richieste().stessoCodice = [&](QWidget*, const QString& file, const Registro::Bambino& nostro,
                                       const Registro::Bambino& suo) {
            chiesti << file + ": " + nostro.nomeCompleto() + " / " + suo.nomeCompleto();
            return scelta;
        };
        FinestraRegistro finestra(*archivio);
        d.file = altro;
        finestra.unisci();
        QVERIFY2(d.messaggi.value(0).contains(QStringLiteral("non è stato unito"))
                     && !d.messaggi.value(0).contains(QStringLiteral("dalla finestra")),
                 qPrintable(d.messaggi.value(0)));
        QCOMPARE(risposteTotali(), 0);
        scelta = Registro::Identita::Separa;
        finestra.unisci();
        QCOMPARE(chiesti, QStringList(2, QStringLiteral("registro.sqlite: Giulia Rossi / Anna")));
        QVERIFY2(d.messaggi.value(1).contains(QStringLiteral("1 risposta aggiunta")), qPrintable(d.messaggi.value(1)));
        QCOMPARE(archivio->bambini().size(), 2);
        QCOMPARE(archivio->risposteDi(giulia.id), 0);
    }

    // Exports and reports hold the children's names: readable by their owner
    // alone, whatever the umask.
    void filePrivati()
    {
        const Registro::Bambino b = aggiungi(NomeStrano, {}, "gatto");
        Risposta(*archivio, b.id, "form1", true, D("forma"));
        const mode_t prima = ::umask(022);
        const QString csv = cartella.filePath(QStringLiteral("esportate.csv"));
        Scrivi(csv, "vecchio\n");
        QFile::setPermissions(csv, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::ReadGroup);
        const EsitoOperazione esportato = Esporta(*archivio, csv);
        QString errore;
        const QString pdf = cartella.filePath(QStringLiteral("resoconto.pdf"));
        const bool scritto = ScriviPdf(ResocontoClasse(*archivio, {}, QStringLiteral("tutto")), pdf, errore);
        ::umask(prima);
        QVERIFY2(esportato.riuscito && scritto, qPrintable(esportato.messaggio + errore));
        for (const QString& file : {csv, pdf})
            QCOMPARE(QFile::permissions(file) & ~(QFile::ReadUser | QFile::WriteUser),
                     QFile::ReadOwner | QFile::WriteOwner);
    }

    // The window's import, export and period, with the teacher's file.
    void finestra()
    {
        Dialoghi d;
        FinestraRegistro finestra(*archivio);
        d.file = cartella.filePath(QStringLiteral("classe.csv"));
        Scrivi(d.file, "nome,cognome\nAnna,Rossi\nLuca,Bianchi\n");
        finestra.classe()->importa();
        QVERIFY2(d.messaggi.value(0).contains(QStringLiteral("2 bambini aggiunti")), qPrintable(d.messaggi.value(0)));
        QCOMPARE(finestra.sintesi()->tabella()->rowCount(), 3);
        const qint64 anna = archivio->bambini().first().id;
        Risposta(*archivio, anna, "FormTrova", true, {}, 10, QDate::currentDate().addDays(-3));
        Risposta(*archivio, anna, "FormTrova", true, {});
        finestra.periodo()->scegli(SceltaPeriodo::Oggi);
        finestra.aggiorna();
        QCOMPARE(finestra.sintesi()->tabella()->item(0, 4)->text(), QStringLiteral("100% · 1\u00A0✓ 0\u00A0✗"));
        finestra.periodo()->scegli(SceltaPeriodo::DateScelte, QDate::currentDate().addDays(-3), QDate::currentDate());
        QCOMPARE(DescriviPeriodo(finestra.periodo()->periodo()).left(4), QStringLiteral("dal "));
        finestra.aggiorna();
        QCOMPARE(finestra.sintesi()->tabella()->item(0, 4)->text(), QStringLiteral("100% · 2\u00A0✓ 0\u00A0✗"));

        d.file = cartella.filePath(QStringLiteral("esportate.csv"));
        finestra.esporta();
        QFile f(d.file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().trimmed().count('\n'), 2);
    }

    // A class file with surname and name in one cell: the window shows the
    // teacher only the splits that may be read more than one way, each
    // with its likeliest reading chosen, and imports the readings she
    // chose; given up, nothing is imported and nothing said. The command
    // line takes the likeliest readings and names them to be checked.
    void importaDivisioniIncerte()
    {
        Dialoghi d;
        FinestraRegistro finestra(*archivio);
        d.file = cartella.filePath(QStringLiteral("alunni.csv"));
        Scrivi(d.file, "Istituto comprensivo\nAlunno;Sezione\nLO BIANCO ANNA MARIA;A\nDE LUCA GIULIA;A\n"
                       "ROSSI BIANCHI ANNA;A\n");
        QStringList mostrati;
        std::optional<int> seconda = 1;
        richieste().divisioni = [&](QWidget*, const QList<Registro::Alunno>& incerti) {
            DialogoDivisioni dialogo(incerti);
            const auto riga = [&](int r) {
                return dialogo.findChild<QLabel*>(QStringLiteral("cella_%1").arg(r))->text() + " = "
                    + dialogo.findChild<QComboBox*>(QStringLiteral("cognome_%1").arg(r))->currentText() + " / "
                    + dialogo.findChild<QLabel*>(QStringLiteral("nome_%1").arg(r))->text();
            };
            for (int r = 0; r < incerti.size(); ++r)
                mostrati << riga(r);
            if (!seconda)
                return std::optional<QList<Registro::Alunno>>();
            dialogo.findChild<QComboBox*>(QStringLiteral("cognome_1"))->setCurrentIndex(*seconda);
            mostrati << riga(1);
            return std::optional(dialogo.alunni());
        };
        finestra.classe()->importa();
        QCOMPARE(mostrati, (QStringList{"LO BIANCO ANNA MARIA = Lo Bianco / Anna Maria",
                                        "ROSSI BIANCHI ANNA = Rossi / Bianchi Anna",
                                        "ROSSI BIANCHI ANNA = Rossi Bianchi / Anna"}));
        QVERIFY2(d.messaggi.value(0).contains(QStringLiteral("3 bambini aggiunti")), qPrintable(d.messaggi.value(0)));
        QStringList nomi;
        for (const Registro::Bambino& b : archivio->bambini())
            nomi << b.cognome + " " + b.nome;
        QCOMPARE(nomi, (QStringList{"De Luca Giulia", "Lo Bianco Anna Maria", "Rossi Bianchi Anna"}));

        Scrivi(d.file, "Cognome e nome\nVERDI ANNA MARIA\nNERI UGO\n");
        seconda.reset();
        finestra.classe()->importa();
        QCOMPARE(d.messaggi.size(), 1);
        QCOMPARE(archivio->bambini().size(), 3);

        const EsitoOperazione riga = Importa(*archivio, d.file);
        QVERIFY(riga.riuscito);
        QVERIFY2(riga.messaggio.contains(QStringLiteral("2 bambini aggiunti"))
                     && riga.messaggio.endsWith(QStringLiteral("«VERDI ANNA MARIA» come Anna Maria Verdi.")),
                 qPrintable(riga.messaggio));
    }

    // A window asked to paint first shows its frame with the views still
    // empty, and fills them once it has painted.
    void primaDipingePoiRiempie()
    {
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"), {}, "gatto");
        Risposta(*archivio, anna.id, "form1", true, D("forma"));
        Dialoghi d;
        const int righe = FinestraRegistro(*archivio).sintesi()->tabella()->rowCount();
        QVERIFY(righe > 0);
        FinestraRegistro finestra(*archivio, nullptr, FinestraRegistro::Riempi::DopoLaPrimaPittura);
        QCOMPARE(finestra.sintesi()->tabella()->rowCount(), 0);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        QTRY_COMPARE(finestra.sintesi()->tabella()->rowCount(), righe);
    }

    // A window that reads its figures on threads shows, once they are in,
    // what a window that read them at once shows: the class at a glance,
    // the child's record and the estimates. Readings asked for one after
    // the other show the last one asked, whichever ends first; and with a
    // register whose other connection cannot be opened (its file gone from
    // the folder) the figures still come, read on the window's own.
    void letturaSulFilo_comeSubito()
    {
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"), {}, "gatto");
        const Registro::Bambino luca = aggiungi(QStringLiteral("Luca"), QStringLiteral("Bianchi"), "cane");
        for (int i = 0; i < 6; ++i)
            Risposta(*archivio, anna.id, "form1", i % 3 != 0, D("forma"));
        Risposta(*archivio, anna.id, "form1", false, D("forma"), 10, QDate::currentDate().addDays(-40));
        Risposta(*archivio, luca.id, "FORM2", false, D("colore", "rosso"));
        Risposta(*archivio, luca.id, "FORM2", true, D("colore", "blu"));
        Risposta(*archivio, 0, "zirp3", true, D("dimensione", "grande"));
        Dialoghi d;
        const auto testi = [](const QTableWidget* t) {
            QStringList celle;
            for (int r = 0; r < t->rowCount(); ++r)
                for (int c = 0; c < t->columnCount(); ++c)
                    celle << (t->item(r, c) ? t->item(r, c)->text() + '|' + t->item(r, c)->toolTip() : QString());
            return celle;
        };
        const auto pronta = [](const FinestraRegistro& f) {
            return !f.sintesi()->inLettura() && !f.bambino()->inLettura() && !f.stime()->inCorso()
                && f.stime()->ultime().has_value();
        };
        for (const bool senzaAltra : {false, true}) {
            FinestraRegistro subito(*archivio);
            subito.bambino()->scegli(luca.id);
            QTRY_VERIFY(pronta(subito));
            if (senzaAltra)
                QVERIFY(QFile::rename(registro(), registro() + QStringLiteral(".altrove")));
            const auto rimetti = qScopeGuard([&] {
                if (senzaAltra)
                    QFile::rename(registro() + QStringLiteral(".altrove"), registro());
            });
            if (!senzaAltra) {
                QVERIFY(archivio->altraLettura());
                QVERIFY(archivio->altraLettura()());
            } else {
                QVERIFY(!archivio->altraLettura()());
            }
            FinestraRegistro finestra(*archivio, nullptr, FinestraRegistro::Riempi::DopoLaPrimaPittura);
            finestra.show();
            QVERIFY(QTest::qWaitForWindowExposed(&finestra));
            finestra.bambino()->scegli(luca.id);
            QTRY_VERIFY(pronta(finestra));
            QCOMPARE(testi(finestra.sintesi()->tabella()), testi(subito.sintesi()->tabella()));
            QCOMPARE(testi(finestra.bambino()->quote()), testi(subito.bambino()->quote()));
            QCOMPARE(testi(finestra.bambino()->errori()), testi(subito.bambino()->errori()));
            QCOMPARE(finestra.bambino()->tempo()->text(), subito.bambino()->tempo()->text());
            QCOMPARE(finestra.stime()->ultime()->stime.di(anna.id, Registro::Padronanza::Abilita::Forma).stima,
                     subito.stime()->ultime()->stime.di(anna.id, Registro::Padronanza::Abilita::Forma).stima);
            QCOMPARE(finestra.stime()->ultime()->storie.size(), subito.stime()->ultime()->storie.size());
            QVERIFY(!finestra.statusBar()->findChild<QLabel*>(QStringLiteral("registro"))->text().contains(
                QStringLiteral("non si riesce")));

            // Today, then the whole register: the whole register shows.
            finestra.sintesi()->mostra(Registro::Periodo::Oggi());
            finestra.sintesi()->mostra({});
            QTRY_VERIFY(!finestra.sintesi()->inLettura());
            subito.sintesi()->mostra({});
            QCOMPARE(testi(finestra.sintesi()->tabella()), testi(subito.sintesi()->tabella()));
            // Luca over the whole register, then Anna: Anna's record shows.
            finestra.bambino()->mostra({});
            finestra.bambino()->scegli(anna.id);
            QTRY_VERIFY(!finestra.bambino()->inLettura());
            subito.bambino()->mostra({});
            subito.bambino()->scegli(anna.id);
            QCOMPARE(testi(finestra.bambino()->quote()), testi(subito.bambino()->quote()));
            QCOMPARE(testi(finestra.bambino()->errori()), testi(subito.bambino()->errori()));
        }
    }

    // The whole file checked on request, on a thread: an intact register is
    // said so and its day kept, so that the week's check waits; a damaged
    // one is told, and its next opening moves it aside.
    void controlloCompleto()
    {
        QList<std::pair<Registro::Risposta, qint64>> molte;
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"), {}, "gatto");
        for (int i = 0; i < 3000; ++i)
            molte.append({RispostaInventata("form1", QDateTime::currentDateTime(), i % 2, D("forma"),
                                            {Blocco{"triangolo", "rosso", "grande", "spesso"}}),
                          anna.id});
        QCOMPARE(int(archivio->registraTutte(molte)), int(Registro::Accesso::Ok));
        Dialoghi d;
        const QString percorso = registro();
        QVERIFY(ControlloCompleto::Scaduto(percorso));
        {
            FinestraRegistro finestra(*archivio);
            QVERIFY(finestra.controllo());
            auto* voce = finestra.findChild<QAction*>(QStringLiteral("controlla"));
            QVERIFY(voce);
            voce->trigger();
            QTRY_COMPARE(d.messaggi.size(), 1);
            QCOMPARE(d.messaggi.first(), QStringLiteral("Il registro è integro."));
        }
        QVERIFY(!ControlloCompleto::Scaduto(percorso));
        QVERIFY(ControlloCompleto::Scaduto(percorso, QDateTime::currentDateTime().addDays(8)));
        archivio.reset();
        {
            // Garbage over the answers' pages, the header kept.
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(f.size() / 2);
            f.write(QByteArray(20000, '\x5a'));
        }
        archivio = std::make_unique<Registro::Archivio>();
        QCOMPARE(int(archivio->apri(percorso, true, Registro::Controllo::Rapido)), int(Registro::Accesso::Ok));
        {
            FinestraRegistro finestra(*archivio);
            finestra.controlla();
            QTRY_COMPARE(d.messaggi.size(), 2);
            QVERIFY2(d.messaggi.last().startsWith(QStringLiteral("Il registro è danneggiato")), qPrintable(d.messaggi.last()));
        }
        archivio.reset();
        const RegistroAperto aperto = ApriRegistro(percorso, true);
        QVERIFY(aperto.deposito);
        QVERIFY2(aperto.spostato.contains("registro-danneggiato-"), qPrintable(aperto.spostato));
        QVERIFY(!QFile::exists(Registro::Scrittore::FileInUso(percorso)));
    }

    // A register that can no longer be read while the window is open (its
    // answers' table gone): the refresh says so, though the class itself was
    // read, and says no more once the register is whole again.
    void registroIlleggibile()
    {
        aggiungi(QStringLiteral("Anna"), {}, "gatto");
        FinestraRegistro finestra(*archivio);
        QLabel* quale = finestra.statusBar()->findChild<QLabel*>(QStringLiteral("registro"));
        const auto rinomina = [&](const char* da, const char* a) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("guasto"));
            db.setDatabaseName(registro());
            const bool fatto = db.open() && QSqlQuery(db).exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(da, a));
            db = {};
            QSqlDatabase::removeDatabase(QStringLiteral("guasto"));
            return fatto;
        };
        QVERIFY(rinomina("risposte", "altrove"));
        finestra.aggiorna();
        QVERIFY2(quale->text().contains(QStringLiteral("non si riesce a leggerlo")), qPrintable(quale->text()));
        QVERIFY2(archivio->erroreLettura().contains(QStringLiteral("impossibile leggere il registro")),
                 qPrintable(archivio->erroreLettura()));
        QCOMPARE(archivio->bambini().size(), 1);
        QVERIFY(rinomina("altrove", "risposte"));
        finestra.aggiorna();
        QVERIFY2(!quale->text().contains(QStringLiteral("non si riesce")), qPrintable(quale->text()));
        QVERIFY(archivio->erroreLettura().isEmpty());
    }

    // File names offered for a report keep a name's letters.
    void nomeFile_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "Anna Maria" << "resoconto-anna-maria.pdf";
        QTest::newRow("accents and quotes") << "Zoë \"Lulù\"" << "resoconto-zoë-lulù.pdf";
        QTest::newRow("SQL") << NomeSql << "resoconto-robert-drop-table-bambini.pdf";
        QTest::newRow("only signs") << "😀 !" << "resoconto.pdf";
    }
    void nomeFile()
    {
        QFETCH(QString, nome);
        QFETCH(QString, file);
        QCOMPARE(NomeFile(QStringLiteral("resoconto"), nome, QStringLiteral("pdf")), file);
    }

    // The made-up class fills every child's row of the class at a glance.
    void classeInventata()
    {
        ClasseInventata c;
        c.bambini = 6;
        c.dal = QDate::currentDate().addDays(-20);
        c.rispostePerGiornata = 3;
        QVERIFY(InventaClasse(*archivio, c) > 0);
        const QList<Registro::RigaClasse> righe = RigheClasse(*archivio, {});
        QCOMPARE(righe.size(), 7);
        for (const Registro::RigaClasse& r : righe)
            QCOMPARE(r.perGioco.size(), qsizetype(Registro::Giochi().size()));
    }

private:
    // The document title of a PDF written by Qt.
    static QString TitoloPdf(const QByteArray& pdf)
    {
        const qsizetype inizio = pdf.indexOf("/Title");
        if (inizio < 0)
            return {};
        const qsizetype da = pdf.indexOf('(', inizio);
        QByteArray grezzo;
        for (qsizetype i = da + 1; i < pdf.size() && pdf[i] != ')'; ++i) {
            if (pdf[i] == '\\' && i + 1 < pdf.size()) {
                const char c = pdf[++i];
                if (c >= '0' && c <= '7') {
                    int v = 0, n = 0;
                    for (; n < 3 && i < pdf.size() && pdf[i] >= '0' && pdf[i] <= '7'; ++n, ++i)
                        v = v * 8 + (pdf[i] - '0');
                    --i;
                    grezzo.append(char(v));
                } else {
                    grezzo.append(c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c);
                }
            } else {
                grezzo.append(pdf[i]);
            }
        }
        if (!grezzo.startsWith("\xFE\xFF"))
            return QString::fromLatin1(grezzo);
        QString titolo;
        for (qsizetype i = 2; i + 1 < grezzo.size(); i += 2)
            titolo.append(QChar(char16_t((uchar(grezzo[i]) << 8) | uchar(grezzo[i + 1]))));
        return titolo;
    }
};

TESSELO_TEST_MAIN(TestInsegnanti)
#include "tst_insegnanti.moc"
