// The views a teacher reads, sorts and prints: every table sorted by its
// columns (numbers as numbers, children by surname, empty shares last), a
// cell's share beside its counts, few answers told apart and never red, the
// last day played and the time spent, the teacher's note on a child, the
// chart's lines, and the class report on several pages.
#include "tests/support/ClasseInventata.h"
#include "tests/support/MainProva.h"

#include "insegnanti/Rapporti.h"
#include "insegnanti/Scala.h"
#include "insegnanti/SceltaPeriodo.h"
#include "insegnanti/VistaBambino.h"
#include "insegnanti/VistaClasse.h"
#include "insegnanti/VistaComputer.h"
#include "registro/Giochi.h"

#include <QChart>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTextDocument>

using namespace Insegnanti;

namespace {

// A register whose child's record and notes the test decides: the record
// as the store reads it, with what the test adds; notes kept in memory,
// or refused as a full disk would.
class ArchivioProva : public Registro::Archivio {
public:
    std::function<void(Registro::SchedaBambino&)> ritocco;
    QHash<qint64, QString> note;
    bool guasto = false;
    QList<Registro::RigaClasse> righe;  // the class at a glance, when given
    std::optional<QList<Registro::Computer>> computers;

    std::optional<QList<Registro::Computer>> computer() const override { return computers; }

    QList<Registro::RigaClasse> classe(const Registro::Periodo& periodo) const override
    {
        return righe.isEmpty() ? Archivio::classe(periodo) : righe;
    }
    Registro::SchedaBambino scheda(qint64 bambino, const Registro::Periodo& periodo) const override
    {
        Registro::SchedaBambino s = Archivio::scheda(bambino, periodo);
        if (ritocco)
            ritocco(s);
        return s;
    }
    QString nota(qint64 bambino) const override { return note.value(bambino); }
    bool salvaNota(qint64 bambino, const QString& testo) override
    {
        if (guasto)
            return false;
        note[bambino] = testo;
        return true;
    }
    QString ultimoErrore() const override { return guasto ? QStringLiteral("disco pieno") : Archivio::ultimoErrore(); }
};

Registro::Domanda D(const QString& attributo, const QString& valore = {}, bool negata = false)
{
    return {attributo, valore, negata};
}

// A column's texts from the top down.
QStringList Colonna(const QTableWidget* t, int c)
{
    QStringList testi;
    for (int r = 0; r < t->rowCount(); ++r)
        testi << (t->item(r, c) ? t->item(r, c)->text() : QString());
    return testi;
}

} // namespace

class TestViste : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    std::unique_ptr<ArchivioProva> archivio;

    Registro::Bambino aggiungi(const QString& nome, const QString& cognome, const QString& simbolo)
    {
        Registro::Bambino b{0, QUuid::createUuid(), nome, cognome, simbolo};
        const std::optional<Registro::Bambino> salvato = archivio->salva(b);
        if (!salvato)
            qFatal("child not stored: %s", qPrintable(archivio->ultimoErrore()));
        return *salvato;
    }
    void risposte(qint64 bambino, const char* schermo, int esatte, int errate, const QString& attributo = "forma")
    {
        QList<std::pair<Registro::Risposta, qint64>> tutte;
        for (int i = 0; i < esatte + errate; ++i)
            tutte.append({RispostaInventata(QString::fromLatin1(schermo), QDateTime::currentDateTime().addSecs(-i),
                                            i < esatte, D(attributo), {Blocco{"triangolo", "rosso", "grande", "spesso"}}),
                          bambino});
        QCOMPARE(int(archivio->registraTutte(tutte)), int(Registro::Accesso::Ok));
    }

private slots:
    void init()
    {
        QDir(cartella.path()).removeRecursively();
        QDir().mkpath(cartella.path());
        archivio = std::make_unique<ArchivioProva>();
        QCOMPARE(int(archivio->apri(cartella.filePath(QStringLiteral("registro.sqlite")))), int(Registro::Accesso::Ok));
    }
    void cleanup() { archivio.reset(); }

    // The class at a glance sorts by a click on a column's title: children
    // by surname whatever their letter case and accents, shares as numbers
    // (8% before 25% before 100%), a game a child never played last either
    // way, and the guests' row last when sorting by name.
    void classeOrdinata()
    {
        const auto carla = aggiungi("Carla", "de Luca", "gatto");
        const auto bruno = aggiungi("Bruno", "Àlberti", "cane");
        const auto anna = aggiungi("Anna", "Bianchi", "rana");
        aggiungi("Dario", "Zeta", "leone");
        risposte(carla.id, "form1", 1, 11);  // 8%
        risposte(bruno.id, "form1", 5, 0);   // 100%
        risposte(anna.id, "form1", 2, 6);    // 25%
        risposte(0, "form1", 3, 3);          // the guests, 50%
        VistaClasse vista(*archivio);
        vista.mostra({});
        QTableWidget* t = vista.tabella();
        QVERIFY(t->isSortingEnabled());
        // At first as the register gives them.
        QStringList registro;
        for (const Registro::Bambino& b : archivio->bambini())
            registro << b.nomeCompleto();
        QCOMPARE(Colonna(t, 0), registro << QStringLiteral("ospite"));

        QHeaderView* titoli = t->horizontalHeader();
        QTest::mouseClick(titoli->viewport(), Qt::LeftButton, {},
                          QPoint(titoli->sectionViewportPosition(1) + 5, titoli->height() / 2));
        QCOMPARE(titoli->sortIndicatorSection(), 1);
        QCOMPARE(Colonna(t, 0), (QStringList{"Carla de Luca", "Anna Bianchi", "ospite", "Bruno Àlberti", "Dario Zeta"}));
        t->sortByColumn(1, Qt::DescendingOrder);
        QCOMPARE(Colonna(t, 0), (QStringList{"Bruno Àlberti", "ospite", "Anna Bianchi", "Carla de Luca", "Dario Zeta"}));
        t->sortByColumn(0, Qt::DescendingOrder);
        QCOMPARE(Colonna(t, 0), (QStringList{"Dario Zeta", "Carla de Luca", "Anna Bianchi", "Bruno Àlberti", "ospite"}));
        t->sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(Colonna(t, 0), (QStringList{"Bruno Àlberti", "Anna Bianchi", "Carla de Luca", "Dario Zeta", "ospite"}));

        // A refresh keeps the teacher's order, and a double click still
        // opens the child on the row.
        t->sortByColumn(1, Qt::AscendingOrder);
        risposte(carla.id, "form1", 20, 0);
        vista.mostra({});
        QCOMPARE(Colonna(t, 0).first(), QStringLiteral("Anna Bianchi"));
        QSignalSpy scelto(&vista, &VistaClasse::bambinoScelto);
        emit t->cellDoubleClicked(0, 1);
        QCOMPARE(scelto.value(0).value(0).toLongLong(), anna.id);
    }

    // A cell shows the share beside the first answers right and wrong, in a
    // form that cannot be read as a fraction; the tooltip adds the retries,
    // and "poche risposte" for a share of fewer than five answers, which is
    // shown in grey italics and never on red.
    void casella_data()
    {
        QTest::addColumn<int>("esatte");
        QTest::addColumn<int>("errate");
        QTest::addColumn<int>("riprove");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("suggerimento");
        QTest::addColumn<bool>("poche");
        QTest::newRow("none") << 0 << 0 << 0 << "–" << "nessuna risposta" << false;
        QTest::newRow("three of five") << 3 << 2 << 0 << "60% · 3\u00A0✓ 2\u00A0✗" << "3 esatte e 2 errate (60%)" << false;
        QTest::newRow("retries") << 3 << 2 << 4 << "60% · 3\u00A0✓ 2\u00A0✗"
                                 << "3 esatte e 2 errate (60%); 4 riprove dopo un errore" << false;
        QTest::newRow("one retry") << 0 << 5 << 1 << "0% · 0\u00A0✓ 5\u00A0✗"
                                   << "0 esatte e 5 errate (0%); 1 riprova dopo un errore" << false;
        QTest::newRow("four wrong") << 0 << 4 << 0 << "0% · 0\u00A0✓ 4\u00A0✗" << "0 esatte e 4 errate (0%) — poche risposte"
                                    << true;
        QTest::newRow("one right") << 1 << 0 << 0 << "100% · 1\u00A0✓ 0\u00A0✗" << "1 esatta e 0 errate (100%) — poche risposte"
                                   << true;
    }
    void casella()
    {
        QFETCH(int, esatte);
        QFETCH(int, errate);
        QFETCH(int, riprove);
        QFETCH(QString, testo);
        QFETCH(QString, suggerimento);
        QFETCH(bool, poche);
        const Registro::Conto conto{esatte, errate, riprove};
        QCOMPARE(TestoConto(conto), testo);
        QCOMPARE(PocheRisposte(conto), poche);
        std::unique_ptr<QTableWidgetItem> voce(VoceConto(conto, TestoConto(conto)));
        QCOMPARE(voce->toolTip(), suggerimento);
        QCOMPARE(voce->font().italic(), poche);
        const bool colorata = conto.totale() && !poche;
        QCOMPARE(voce->background().style() != Qt::NoBrush, colorata);
        if (colorata)
            QCOMPARE(voce->background().color(), ColoreQuota(*conto.quota()));
        // The class report paints the same cell the same way.
        aggiungi("Anna", {}, "gatto");
        archivio->ritocco = {};
        if (conto.totale())
            risposte(archivio->bambini().first().id, "form1", esatte, errate);
        const QString html = ResocontoClasse(*archivio, {}, QStringLiteral("tutto")).documento->toHtml();
        QCOMPARE(html.contains(ColoreQuota(conto.quota().value_or(0.5)).name()),
                 colorata);
    }

    // The child's tables sort too: the shares with their groups' titles
    // moving along, the mistakes by how often (10 after 2) and by what the
    // child answered, an item without an answer last.
    void schedaOrdinata()
    {
        const auto anna = aggiungi("Anna", {}, "gatto");
        risposte(anna.id, "form1", 9, 1, "forma");
        risposte(anna.id, "form1", 1, 9, "colore");
        risposte(anna.id, "form1", 5, 5, "dimensione");
        archivio->ritocco = [](Registro::SchedaBambino& s) {
            s.piuSbagliati = {{"form1", "forma", "triangolo rosso grande spesso", 10, "rotondo"},
                              {"form1", "colore", "rotondo blu piccolo sottile", 2, {}},
                              {"zirp3", "dimensione", "quadrato giallo grande sottile", 3, "blu"}};
        };
        VistaBambino vista(*archivio);
        vista.scegli(anna.id);
        vista.mostra({});
        QTableWidget* q = vista.quote();
        q->sortByColumn(2, Qt::AscendingOrder);
        QCOMPARE(q->verticalHeaderItem(0)->text(), QStringLiteral("colore"));
        QCOMPARE(q->item(0, 2)->text(), QStringLiteral("10%"));
        QCOMPARE(q->verticalHeaderItem(2)->text(), QStringLiteral("forma"));
        QCOMPARE(q->item(2, 0)->text(), QStringLiteral("9"));
        QCOMPARE(q->item(5, 2)->text(), QStringLiteral("–"));
        q->sortByColumn(2, Qt::DescendingOrder);
        QCOMPARE(q->verticalHeaderItem(0)->text(), QStringLiteral("forma"));
        QCOMPARE(q->item(5, 2)->text(), QStringLiteral("–"));

        QTableWidget* e = vista.errori();
        QCOMPARE(e->horizontalHeaderItem(4)->text(), QStringLiteral("l'ultima risposta"));
        QCOMPARE(Colonna(e, 4), (QStringList{"rotondo", "", "blu"}));
        e->sortByColumn(3, Qt::AscendingOrder);
        QCOMPARE(Colonna(e, 3), (QStringList{"2", "3", "10"}));
        e->sortByColumn(4, Qt::DescendingOrder);
        QCOMPARE(Colonna(e, 4), (QStringList{"rotondo", "blu", ""}));
        e->sortByColumn(4, Qt::AscendingOrder);
        QCOMPARE(Colonna(e, 4), (QStringList{"blu", "rotondo", ""}));
    }

    // The last day played and the time spent, from the child's record.
    void durata_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("testo");
        QTest::newRow("none") << qint64(0) << "–";
        QTest::newRow("seconds") << qint64(20'000) << "meno di 1 min";
        QTest::newRow("twelve minutes") << qint64(12 * 60'000 + 10'000) << "12 min";
        QTest::newRow("nearly an hour") << qint64(59 * 60'000 + 40'000) << "1 h";
        QTest::newRow("an hour and twenty") << qint64(80 * 60'000) << "1 h 20 min";
    }
    void durata()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, testo);
        QCOMPARE(TestoDurata(ms), testo);
    }
    void ultimaVoltaETempo()
    {
        const auto anna = aggiungi("Anna", {}, "gatto");
        VistaBambino vista(*archivio);
        vista.scegli(anna.id);
        vista.mostra({});
        QCOMPARE(vista.tempo()->text(), QStringLiteral("Non ha giocato nel periodo."));
        // An answer just given: the register gives its day, and a turn of
        // less than a minute.
        risposte(anna.id, "form1", 1, 0);
        vista.mostra({});
        const QDate oggi = QDate::currentDate();
        QCOMPARE(vista.tempo()->text(),
                 QStringLiteral("Ha giocato l'ultima volta %1; tempo di gioco nel periodo: meno di 1 min.")
                     .arg(TestoGiorno(oggi)));
        archivio->ritocco = [](Registro::SchedaBambino& s) {
            s.ultimaVolta = QDateTime(QDate(2026, 3, 2), QTime(10, 30));
            s.millisecondiDiGioco = 80 * 60'000;
        };
        vista.mostra({});
        QCOMPARE(vista.tempo()->text(),
                 QStringLiteral("Ha giocato l'ultima volta %1; tempo di gioco nel periodo: 1 h 20 min.")
                     .arg(TestoGiorno(QDate(2026, 3, 2))));
        // The child's report says it too.
        QVERIFY(ResocontoBambino(*archivio, anna.id, {}, QStringLiteral("tutto"))
                    .documento->toPlainText()
                    .contains(vista.tempo()->text()));
    }

    // The teacher's note: saved with the button or on leaving the field,
    // read back for its child, refused when too long and said so when the
    // register cannot keep it, the text staying to be saved again.
    void nota()
    {
        const auto anna = aggiungi("Anna", "Rossi", "gatto");
        const auto bruno = aggiungi("Bruno", {}, "cane");
        archivio->note[bruno.id] = QStringLiteral("legge già");
        auto vista = std::make_unique<VistaBambino>(*archivio);
        vista->scegli(anna.id);
        vista->mostra({});
        QPlainTextEdit* campo = vista->nota();
        auto* salva = vista->findChild<QPushButton*>(QStringLiteral("salvaNota"));
        QVERIFY(salva);
        QVERIFY(campo->toPlainText().isEmpty());
        campo->setPlainText(QStringLiteral("confonde il rosso e l'arancio"));
        campo->document()->setModified(true);
        salva->click();
        QCOMPARE(archivio->note.value(anna.id), QStringLiteral("confonde il rosso e l'arancio"));
        QCOMPARE(vista->esitoNota()->text(), QStringLiteral("Nota salvata."));

        vista->scegli(bruno.id);
        QCOMPARE(campo->toPlainText(), QStringLiteral("legge già"));
        campo->moveCursor(QTextCursor::End);
        QTest::keyClicks(campo, QStringLiteral(", conta fino a 20"));
        QFocusEvent uscita(QEvent::FocusOut);
        QApplication::sendEvent(campo, &uscita);
        QCOMPARE(archivio->note.value(bruno.id), QStringLiteral("legge già, conta fino a 20"));

        // At most LunghezzaNota characters.
        campo->setPlainText(QString(Registro::LunghezzaNota + 1, QLatin1Char('a')));
        campo->document()->setModified(true);
        QVERIFY(!vista->salvaNota());
        QVERIFY2(vista->esitoNota()->text().contains(QStringLiteral("1001 caratteri")), qPrintable(vista->esitoNota()->text()));
        QCOMPARE(archivio->note.value(bruno.id), QStringLiteral("legge già, conta fino a 20"));
        campo->setPlainText(QString(Registro::LunghezzaNota, QLatin1Char('a')));
        campo->document()->setModified(true);
        QVERIFY(vista->salvaNota());
        QCOMPARE(archivio->note.value(bruno.id).size(), Registro::LunghezzaNota);

        // The register refuses: said, with the child's name, and still said
        // once another child is shown; the text stays on a refresh.
        archivio->guasto = true;
        vista->scegli(anna.id);
        campo->setPlainText(QStringLiteral("nuova"));
        campo->document()->setModified(true);
        salva->click();
        QCOMPARE(vista->esitoNota()->text(), QStringLiteral("La nota su Anna Rossi non è salvata: disco pieno."));
        vista->mostra({});
        QCOMPARE(campo->toPlainText(), QStringLiteral("nuova"));
        vista->scegli(bruno.id);
        QCOMPARE(vista->esitoNota()->text(), QStringLiteral("La nota su Anna Rossi non è salvata: disco pieno."));
        QCOMPARE(archivio->note.value(anna.id), QStringLiteral("confonde il rosso e l'arancio"));

        // Read back by a new page.
        archivio->guasto = false;
        vista = std::make_unique<VistaBambino>(*archivio);
        vista->scegli(anna.id);
        vista->mostra({});
        QCOMPARE(vista->nota()->toPlainText(), QStringLiteral("confonde il rosso e l'arancio"));
    }

    // The teacher picks the chart's lines; the choice holds for the next
    // child and the next refresh.
    void lineeDelGrafico()
    {
        const auto anna = aggiungi("Anna", {}, "gatto");
        const auto bruno = aggiungi("Bruno", {}, "cane");
        risposte(anna.id, "form1", 3, 2);
        risposte(bruno.id, "form1", 1, 2);
        VistaBambino vista(*archivio);
        vista.scegli(anna.id);
        vista.mostra({});
        QCOMPARE(vista.linee().size(), qsizetype(Registro::GruppiScheda().size()));
        QCOMPARE(vista.linee()[5]->text(), NomeGruppo(Registro::GruppiScheda()[5]));
        for (QAbstractSeries* s : vista.grafico()->series())
            QVERIFY(s->isVisible());
        vista.linee()[0]->click();
        vista.linee()[5]->click();
        auto visibili = [&] {
            QList<bool> v;
            for (QAbstractSeries* s : vista.grafico()->series())
                v << s->isVisible();
            return v;
        };
        const QList<bool> scelte{false, true, true, true, true, false};
        QCOMPARE(visibili(), scelte);
        vista.scegli(bruno.id);
        QCOMPARE(visibili(), scelte);
        vista.mostra(Registro::Periodo::Oggi());
        QCOMPARE(visibili(), scelte);
    }

    // The school's computers sort by name (lab-9 before lab-10), by queue
    // as a number and by last contact, "mai" last either way.
    void computerOrdinati()
    {
        const QDateTime ieri = QDateTime::currentDateTime().addDays(-1), prima = ieri.addDays(-5);
        archivio->computers = QList<Registro::Computer>{
            {QStringLiteral("lab-10"), 2, prima}, {QStringLiteral("lab-9"), 10, {}}, {QStringLiteral("aula"), 0, ieri}};
        VistaComputer vista(*archivio);
        vista.mostra();
        QTableWidget* t = vista.tabella();
        QCOMPARE(Colonna(t, 0), (QStringList{"lab-10", "lab-9", "aula"}));
        t->sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(Colonna(t, 0), (QStringList{"aula", "lab-9", "lab-10"}));
        t->sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(Colonna(t, 1), (QStringList{"0", "2", "10"}));
        t->sortByColumn(2, Qt::AscendingOrder);
        QCOMPARE(Colonna(t, 0), (QStringList{"lab-10", "aula", "lab-9"}));
        t->sortByColumn(2, Qt::DescendingOrder);
        QCOMPARE(Colonna(t, 0), (QStringList{"aula", "lab-10", "lab-9"}));
    }

    // A class of 60 children runs onto several pages: each page starts with
    // the column titles and has children under them, and every child's row
    // stands whole on one page, as
    // poppler reads the words of the PDF's pages and where each stands.
    void resocontoSuPiuPagine()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QFAIL("pdftotext (poppler-utils) is missing");
        const auto simboli = Registro::Simboli();
        for (int i = 0; i < 60; ++i) {
            // A name that takes several lines of its cell, each word marked
            // with the child's number.
            const QString n = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
            Registro::RigaClasse riga{{i + 1, QUuid::createUuid(), QStringLiteral("Nome%1 Secondo%1").arg(n),
                                       QStringLiteral("Cognome%1 Altro%1").arg(n),
                                       QString::fromLatin1(simboli[size_t(i) % simboli.size()].chiave)},
                                      {}};
            for (size_t g = 0; g < Registro::Giochi().size(); ++g)
                riga.perGioco.append(Registro::Conto{3 + i % 5, 2, i % 3});
            archivio->righe.append(riga);
        }
        const QString pdf = cartella.filePath(QStringLiteral("classe.pdf"));
        QString errore;
        QVERIFY2(ScriviPdf(ResocontoClasse(*archivio, {}, QStringLiteral("tutto")), pdf, errore), qPrintable(errore));
        QProcess poppler;
        poppler.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        QVERIFY(poppler.waitForFinished(60'000));
        QCOMPARE(poppler.exitCode(), 0);
        const QString parole = QString::fromUtf8(poppler.readAllStandardOutput());

        static const QRegularExpression pagina(QStringLiteral("<page [^>]*>(.*?)</page>"),
                                               QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression parola(QStringLiteral("<word [^>]*yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
        static const QRegularExpression delBambino(QStringLiteral("^(?:Nome|Secondo|Cognome|Altro)(\\d\\d)$"));
        QHash<QString, QSet<int>> pagineDi;
        QHash<QString, int> paroleDi;
        int pagine = 0;
        for (const QRegularExpressionMatch& p : pagina.globalMatch(parole)) {
            ++pagine;
            std::optional<double> titoli;
            double primoBambino = 1e9;
            for (const QRegularExpressionMatch& w : parola.globalMatch(p.captured(1))) {
                const double y = w.captured(1).toDouble();
                if (w.captured(2) == QLatin1String("Bambino") && !titoli)
                    titoli = y;
                if (w.captured(2) == QLatin1String("ospite"))
                    primoBambino = std::min(primoBambino, y);
                if (const QRegularExpressionMatch b = delBambino.match(w.captured(2)); b.hasMatch()) {
                    primoBambino = std::min(primoBambino, y);
                    pagineDi[b.captured(1)].insert(pagine);
                    ++paroleDi[b.captured(1)];
                }
            }
            QVERIFY2(titoli, qPrintable(QStringLiteral("page %1 has no column titles").arg(pagine)));
            QVERIFY2(primoBambino < 1e9, qPrintable(QStringLiteral("page %1 has no child").arg(pagine)));
            QVERIFY2(*titoli < primoBambino, qPrintable(QStringLiteral("page %1 starts with a child").arg(pagine)));
        }
        QVERIFY2(pagine >= 3, qPrintable(QString::number(pagine)));
        QCOMPARE(pagineDi.size(), 60);
        for (auto i = pagineDi.cbegin(); i != pagineDi.cend(); ++i) {
            QVERIFY2(i.value().size() == 1, qPrintable(QStringLiteral("child %1's row is cut").arg(i.key())));
            QCOMPARE(paroleDi[i.key()], 4);
        }
    }
};

TESSELO_TEST_MAIN(TestViste)
#include "tst_viste.moc"
