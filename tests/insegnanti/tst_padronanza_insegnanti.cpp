// What each child has learned, in the teachers' program: the class's grid
// of levels, one child's estimates day by day with the evidence behind each
// level, the model fitted again at most once a day by itself and on the
// teacher's request on a thread while the window goes on, and the levels in
// the class's and the child's PDF reports.
#include "tests/support/ClasseInventata.h"
#include "tests/support/MainProva.h"

#include "comune/Stile.h"
#include "insegnanti/FinestraRegistro.h"
#include "insegnanti/GraficoPadronanza.h"
#include "insegnanti/GrigliaPadronanza.h"
#include "insegnanti/Rapporti.h"
#include "insegnanti/StimeClasse.h"
#include "insegnanti/Testo.h"
#include "insegnanti/VistaBambino.h"
#include "insegnanti/VistaClasse.h"
#include "registro/Archivio.h"

#include <QAction>
#include <QChart>
#include <QLabel>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextDocument>
#include <QTimer>
#include <QValueAxis>

#include <atomic>
#include <semaphore>

using namespace Insegnanti;
using namespace Registro::Padronanza;

namespace {

// The probabilities every case is computed with, whatever the fit would find.
const Parametri Noti{0.2, 0.1, 0.25, 0.1};

Modello ModelloNoto(const QDateTime& adattato)
{
    Modello m;
    m.abilita.fill(Noti);
    m.adattato = adattato;
    return m;
}

// A local register that keeps its model in memory and counts the times it
// is given one.
struct ArchivioConModello : Registro::Archivio {
    std::optional<Modello> salvato;
    int salvataggi = 0;
    std::optional<Modello> modello() const override { return salvato; }
    bool salvaModello(const Modello& m) override
    {
        salvato = m;
        ++salvataggi;
        return true;
    }
};

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

// The text of a PDF's pages as poppler's pdftotext reads them.
QString TestoPdf(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
    if (!p.waitForStarted())
        qFatal("pdftotext is missing (./test.sh installs poppler-utils)");
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

} // namespace

class ProvaPadronanzaInsegnanti : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    std::unique_ptr<ArchivioConModello> archivio;
    QDateTime ora;

    Registro::Bambino aggiungi(const QString& nome)
    {
        Registro::Bambino b;
        b.uuid = QUuid::createUuid();
        b.nome = nome;
        b.simbolo = *Registro::SimboloLibero(archivio->bambini());
        const std::optional<Registro::Bambino> salvato = archivio->salva(b);
        if (!salvato)
            qFatal("child not stored: %s", qPrintable(archivio->ultimoErrore()));
        return *salvato;
    }

    // A child's first answers about an attribute, one a minute from quando
    // on: "+" right, "-" wrong.
    void risposte(qint64 bambino, const char* attributo, const char* esiti, QDateTime quando,
                  const char* schermo = "form1")
    {
        for (const char* e = esiti; *e; ++e) {
            quando = quando.addSecs(60);
            ora = std::max(ora, quando);
            const Registro::Risposta r =
                RispostaInventata(QString::fromLatin1(schermo), quando, *e == '+', {QString::fromLatin1(attributo), {}, false},
                                  {Blocco{"triangolo", "rosso", "grande", "spesso"}});
            QCOMPARE(int(archivio->registra(r, bambino)), int(Registro::Accesso::Ok));
        }
    }

    // The estimate after esiti from the start, by the model's own update.
    static double Dopo(const char* esiti)
    {
        double s = Noti.iniziale;
        for (const char* e = esiti; *e; ++e)
            s = Aggiorna(s, *e == '+', Noti);
        return s;
    }

    static void Attendi(StimeClasse& stime)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!stime.inCorso(), 30000);
    }

private slots:
    void init()
    {
        QVERIFY(cartella.isValid());
        QDir(cartella.path()).removeRecursively();
        archivio = std::make_unique<ArchivioConModello>();
        QCOMPARE(int(archivio->apri(cartella.filePath(QStringLiteral("registro.sqlite")))), int(Registro::Accesso::Ok));
        archivio->salvato = ModelloNoto(QDateTime::currentDateTimeUtc());
        ora = {};
    }
    void cleanup() { archivio.reset(); }

    // A cell per child and skill, its text the level's word on the level's
    // colour: learned, on the way, not yet, and too few answers (under five,
    // or none) in a neutral grey, never red; each readable at 4.5:1 or more
    // on a dark desktop too, with the child, the skill and the level in its
    // tooltip and accessible name. A double click opens the child.
    void grigliaDeiLivelli()
    {
        const QDateTime ieri(QDate::currentDate().addDays(-1), QTime(9, 0));
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"));
        const Registro::Bambino bruno = aggiungi(QStringLiteral("Bruno"));
        risposte(anna.id, "forma", "++++++", ieri);
        risposte(anna.id, "colore", "---++", ieri.addSecs(3600));
        risposte(anna.id, "dimensione", "++", ieri.addSecs(7200));
        risposte(bruno.id, "forma", "------", ieri);
        QVERIFY(Dopo("++++++") >= SogliaAcquisito);
        QVERIFY(Dopo("---++") >= SogliaInVia && Dopo("---++") < SogliaAcquisito);

        const QPalette prima = QApplication::palette();
        QPalette scura = prima;
        scura.setColor(QPalette::Text, Qt::white);
        scura.setColor(QPalette::Base, QColor(30, 30, 30));
        QApplication::setPalette(scura);
        int adattamenti = 0;
        StimeClasse stime(*archivio, [&](const QList<Prova>&) { ++adattamenti; return Predefinito(); });
        GrigliaPadronanza griglia(*archivio, stime);
        stime.aggiorna();
        Attendi(stime);
        QApplication::setPalette(prima);
        QCOMPARE(adattamenti, 0);   // fitted an hour ago: not due

        QTableWidget* t = griglia.tabella();
        QCOMPARE(t->rowCount(), 2);
        QCOMPARE(t->columnCount(), 1 + NumeroAbilita);
        QCOMPARE(t->item(0, 0)->text(), QStringLiteral("Anna"));
        const struct {
            int riga;
            Abilita abilita;
            Livello livello;
        } attese[] = {{0, Abilita::Forma, Livello::Acquisito},        {0, Abilita::Colore, Livello::InVia},
                      {0, Abilita::Dimensione, Livello::PocheRisposte}, {0, Abilita::Spessore, Livello::PocheRisposte},
                      {1, Abilita::Forma, Livello::NonAncora},        {1, Abilita::ConNon, Livello::PocheRisposte}};
        const QStringList parole{"poche risposte", "non ancora", "in via di acquisizione", "acquisito"};
        for (const auto& a : attese) {
            const QTableWidgetItem* cella = t->item(a.riga, int(a.abilita) + 1);
            QCOMPARE(cella->text(), parole[int(a.livello)]);
            const QColor sfondo = cella->background().color();
            QCOMPARE(sfondo, ColoreLivello(a.livello));
            QVERIFY2(Contrasto(cella->foreground().color(), sfondo) >= 4.5, qPrintable(sfondo.name()));
            const QString detto = cella->data(Qt::AccessibleTextRole).toString();
            QVERIFY2(detto.contains(t->item(a.riga, 0)->text()) && detto.contains(NomeAbilita(a.abilita))
                         && detto.contains(parole[int(a.livello)]),
                     qPrintable(detto));
            QCOMPARE(cella->toolTip(), detto);
        }
        QVERIFY(t->item(0, 3)->toolTip().contains(QStringLiteral("2 risposte")));
        // The four colours differ, and too few answers is grey, not a warning.
        QSet<QRgb> colori;
        for (int l = 0; l < 4; ++l)
            colori.insert(ColoreLivello(Livello(l)).rgb());
        QCOMPARE(colori.size(), 4);
        QVERIFY(ColoreLivello(Livello::PocheRisposte).hsvSaturation() < 16);

        QSignalSpy aperto(&griglia, &GrigliaPadronanza::bambinoScelto);
        emit t->cellDoubleClicked(1, 2);
        QCOMPARE(aperto.size(), 1);
        QCOMPARE(aperto.first().first().toLongLong(), bruno.id);
    }

    // One child: a line per skill of the estimate at the end of each day
    // the child answered on it, within the period, from 0 to 1 with the
    // criterion dashed at 0.95; each skill's level, estimate and number of
    // first answers; and the chosen skill's last ten, newest first.
    void graficoDelBambino()
    {
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"));
        const QDateTime ieri(QDate::currentDate().addDays(-1), QTime(9, 0)), oggi(QDate::currentDate(), QTime(0, 30));
        risposte(anna.id, "forma", "++-++", ieri);
        risposte(anna.id, "forma", "++++++--", oggi, "zirp7");
        risposte(anna.id, "spessore", "-", oggi.addSecs(3600));

        StimeClasse stime(*archivio, [](const QList<Prova>&) { return Predefinito(); });
        GraficoPadronanza grafico(stime);
        ProvePadronanza prove(stime);
        stime.aggiorna();
        Attendi(stime);
        grafico.mostra(anna.id, {});
        prove.mostra(anna.id);

        const QList<QAbstractSeries*> serie = grafico.chart()->series();
        QCOMPARE(serie.size(), NumeroAbilita + 1);
        const auto* forma = static_cast<QLineSeries*>(serie[int(Abilita::Forma)]);
        QCOMPARE(forma->name(), NomeAbilita(Abilita::Forma, true));
        QCOMPARE(forma->count(), 2);
        QCOMPARE(forma->at(0).x(), qreal(QDateTime(ieri.date(), QTime(0, 0)).toMSecsSinceEpoch()));
        QCOMPARE(forma->at(0).y(), Dopo("++-++"));
        QCOMPARE(forma->at(1).y(), Dopo("++-++++++++--"));
        QCOMPARE(static_cast<QLineSeries*>(serie[int(Abilita::Spessore)])->at(0).y(), Dopo("-"));
        QCOMPARE(static_cast<QLineSeries*>(serie[int(Abilita::Colore)])->count(), 0);
        const auto* soglia = static_cast<QLineSeries*>(serie.last());
        QCOMPARE(soglia->pen().style(), Qt::DashLine);
        QCOMPARE(soglia->count(), 2);
        QCOMPARE(soglia->at(0).y(), SogliaAcquisito);
        QCOMPARE(soglia->at(1).y(), SogliaAcquisito);
        QVERIFY(soglia->at(0).x() < forma->at(0).x() && soglia->at(1).x() > forma->at(1).x());
        for (QAbstractAxis* asse : grafico.chart()->axes(Qt::Vertical)) {
            QCOMPARE(static_cast<QValueAxis*>(asse)->min(), 0.0);
            QCOMPARE(static_cast<QValueAxis*>(asse)->max(), 1.0);
        }

        QTableWidget* livelli = prove.livelli();
        QCOMPARE(livelli->item(int(Abilita::Forma), 0)->text(), ParolaLivello(LivelloDi(Dopo("++-++++++++--"), 13)));
        QCOMPARE(livelli->item(int(Abilita::Forma), 1)->text(), QStringLiteral("13"));
        QVERIFY(livelli->item(int(Abilita::Forma), 0)->toolTip().contains(LocaleMostrata().toString(Dopo("++-++++++++--"), 'f', 2)));
        QCOMPARE(livelli->item(int(Abilita::Spessore), 0)->text(), QStringLiteral("poche risposte"));
        QCOMPARE(livelli->item(int(Abilita::Spessore), 1)->text(), QStringLiteral("1"));

        // The last ten of forma: today's eight, newest first, and yesterday's last two.
        QTableWidget* ultime = prove.ultime();
        QCOMPARE(ultime->rowCount(), 10);
        QCOMPARE(ultime->item(0, 2)->text(), QStringLiteral("errata"));
        QCOMPARE(ultime->item(2, 2)->text(), QStringLiteral("esatta"));
        QCOMPARE(ultime->item(0, 1)->text(), QStringLiteral("le strade 1"));
        QCOMPARE(ultime->item(9, 1)->text(), QStringLiteral("uguale - diverso"));
        livelli->setCurrentCell(int(Abilita::Spessore), 1);
        QCOMPARE(ultime->rowCount(), 1);
        QCOMPARE(ultime->item(0, 2)->text(), QStringLiteral("errata"));

        // Today only: one point per skill answered today.
        grafico.mostra(anna.id, Registro::Periodo::Oggi());
        QCOMPARE(static_cast<QLineSeries*>(grafico.chart()->series()[int(Abilita::Forma)])->count(), 1);
    }

    // The model is fitted when the register's is missing or a day old, then
    // not again that day, however often the window is refreshed; the
    // teacher's request fits it again whatever its age. Each fit is saved in
    // the register.
    void riadattatoAlPiuUnaVoltaAlGiorno()
    {
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"));
        risposte(anna.id, "forma", "+-+", QDateTime(QDate::currentDate(), QTime(0, 10)));
        std::atomic<int> adattamenti = 0;
        qsizetype viste = 0;
        StimeClasse stime(*archivio, [&](const QList<Prova>& prove) {
            ++adattamenti;
            viste = prove.size();
            return ModelloNoto(QDateTime::currentDateTimeUtc());
        });
        stime.aggiorna();
        Attendi(stime);
        QCOMPARE(adattamenti.load(), 0);

        archivio->salvato->adattato = QDateTime::currentDateTimeUtc().addSecs(-25 * 3600);
        stime.aggiorna();
        Attendi(stime);
        QCOMPARE(adattamenti.load(), 1);
        QCOMPARE(viste, 3);
        QCOMPARE(archivio->salvataggi, 1);
        QVERIFY(archivio->salvato->adattato.secsTo(QDateTime::currentDateTimeUtc()) < 60);
        for (int i = 0; i < 3; ++i) {
            stime.aggiorna();
            Attendi(stime);
        }
        QCOMPARE(adattamenti.load(), 1);

        stime.riadatta();
        Attendi(stime);
        QCOMPARE(adattamenti.load(), 2);
        QCOMPARE(archivio->salvataggi, 2);

        // A register that keeps no model: what was fitted here still counts.
        archivio->salvato.reset();
        stime.aggiorna();
        Attendi(stime);
        QCOMPARE(adattamenti.load(), 2);

        // The window fits once when it opens on a register without a model,
        // and its menu asks again.
        archivio->salvato.reset();
        archivio->salvataggi = 0;
        FinestraRegistro finestra(*archivio);
        Attendi(*finestra.stime());
        finestra.aggiorna();
        Attendi(*finestra.stime());
        QCOMPARE(archivio->salvataggi, 1);
        finestra.findChild<QAction*>(QStringLiteral("menuAggiornaStime"))->trigger();
        Attendi(*finestra.stime());
        QCOMPARE(archivio->salvataggi, 2);
    }

    // The teacher's request returns at once: while the fit runs the window
    // keeps handling events and painting, says the estimates are being
    // computed and offers no second request; the grid fills when they are
    // ready. A refresh asked meanwhile runs after it, and the estimates of a
    // class no longer chosen are never shown.
    void richiestaCheNonBlocca()
    {
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"));
        risposte(anna.id, "forma", "++++++", QDateTime(QDate::currentDate(), QTime(0, 10)));
        std::counting_semaphore<4> via(0);
        std::atomic<int> adattamenti = 0;
        StimeClasse stime(*archivio, [&](const QList<Prova>&) {
            via.acquire();
            ++adattamenti;
            return ModelloNoto(QDateTime::currentDateTimeUtc());
        });
        VistaClasse vista(*archivio, nullptr, &stime);
        vista.resize(1000, 700);
        vista.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vista));
        GrigliaPadronanza* griglia = vista.padronanza();
        QVERIFY(griglia);
        QCOMPARE(griglia->tabella()->rowCount(), 1);
        QVERIFY(!griglia->tabella()->item(0, 1));

        QElapsedTimer cronometro;
        cronometro.start();
        QTest::mouseClick(griglia->pulsante(), Qt::LeftButton);
        QVERIFY(cronometro.elapsed() < 2000);
        QVERIFY(stime.inCorso());
        QVERIFY(!griglia->pulsante()->isEnabled());
        QCOMPARE(griglia->findChild<QLabel*>(QStringLiteral("statoStime"))->text(),
                 QStringLiteral("Calcolo delle stime in corso…"));
        int scatti = 0;
        QTimer battito;
        connect(&battito, &QTimer::timeout, [&] { ++scatti; });
        battito.start(10);
        QTRY_VERIFY(scatti >= 5);
        QVERIFY(!griglia->grab().isNull());
        stime.aggiorna();   // waits for the running one
        QCOMPARE(adattamenti.load(), 0);

        via.release();
        QTRY_COMPARE(griglia->tabella()->item(0, 1) ? griglia->tabella()->item(0, 1)->text() : QString(),
                     QStringLiteral("acquisito"));
        Attendi(stime);
        QCOMPARE(adattamenti.load(), 1);   // the refresh after it found the model fresh
        QVERIFY(griglia->pulsante()->isEnabled());

        // Another class chosen while the fit runs: the first class's estimates are dropped.
        const std::optional<Registro::Classe> altra =
            archivio->salvaClasse({0, {}, QStringLiteral("Sezione Gialli"), archivio->classi().first().annoScolastico});
        QVERIFY(altra);
        QSignalSpy pronte(&stime, &StimeClasse::pronte);
        stime.riadatta();
        QVERIFY(archivio->scegliClasse(altra->id));
        stime.aggiorna();
        via.release();
        Attendi(stime);
        QCOMPARE(pronte.size(), 1);
        QVERIFY(stime.ultime() && stime.ultime()->stime.bambini().isEmpty());
    }

    // The class's report ends with a table of each child's level in each
    // skill, and the child's with the child's levels, as the PDF's pages
    // read; without the window's estimates the register's are computed.
    void resocontiConILivelli()
    {
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"));
        const Registro::Bambino bruno = aggiungi(QStringLiteral("Bruno"));
        risposte(anna.id, "forma", "++++++", QDateTime(QDate::currentDate(), QTime(0, 10)));
        risposte(bruno.id, "colore", "------", QDateTime(QDate::currentDate(), QTime(0, 30)));
        const Padronanze stime = PadronanzeDelRegistro(*archivio);
        for (const bool classe : {true, false}) {
            const Resoconto r = classe ? ResocontoClasse(*archivio, {}, QStringLiteral("tutto"))
                                       : ResocontoBambino(*archivio, anna.id, {}, QStringLiteral("tutto"), &stime);
            const QString pdf = cartella.filePath(QStringLiteral("resoconto.pdf"));
            QString errore;
            QVERIFY2(ScriviPdf(r, pdf, errore), qPrintable(errore));
            const QString pagine = TestoPdf(pdf);
            QVERIFY2(pagine.contains(QStringLiteral("Che cosa ha imparato")), qPrintable(pagine));
            QVERIFY2(pagine.contains(QStringLiteral("acquisito")) && pagine.contains(QStringLiteral("poche risposte")),
                     qPrintable(pagine));
            QCOMPARE(pagine.contains(QStringLiteral("non ancora")), classe);
            for (Abilita a : TutteLeAbilita)
                QVERIFY2(pagine.contains(NomeAbilita(a)), qPrintable(NomeAbilita(a)));
        }
    }
};

TESSELO_TEST_MAIN(ProvaPadronanzaInsegnanti)
#include "tst_padronanza_insegnanti.moc"
