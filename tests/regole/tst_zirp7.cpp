#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "controls/Linea.h"
#include "games/zirp7/zirp7.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"
#include "tests/support/Tradotto.h"

#include <QAction>
#include <QCheckBox>
#include <QMenuBar>

namespace {

constexpr IdSchermo Id = IdSchermo::zirp7;

QString Testo(int i) { return Ctl<Etichetta>(Id, QString("Label1(%1)").arg(i))->text(); }
Immagine* Slot(int i) { return Ctl<Immagine>(Id, QString("insieme(%1)").arg(i)); }
QWidget* Area(int k) { return Ctl(Id, QString("Frame1(%1)").arg(k)); }
void Clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
QString InAttesa() { return Ctl<Immagine>(Id, "Image1")->accessibleName(); }
quint32 Sfondo() { return ValoreColore(Schermi::Trova(Id)->finestra()->sfondo()); }
QStringList ParoleDi(const Blocco& b) { return {b.forma, b.colore, b.dimensione, b.spessore}; }
QStringList ParoleAttributi() { return Parole::Forme + Parole::Colori + Parole::Dimensioni + Parole::Spessori; }

const Blocco RossoGrande = B("triangolo", "rosso", "grande", "spesso");
const Blocco RossoPiccolo = B("rotondo", "rosso", "piccolo", "sottile");
const Blocco Blu = B("quadrato", "blu", "grande", "sottile");
const Blocco Giallo = B("rettangolo", "giallo", "piccolo", "spesso");

// A turn's draws: background colour, reference block, attribute kind, first block.
void AccodaTurno(Ambiente& a, int colore, const Blocco& riferimento, int criterio, const Blocco& primo)
{
    a.caso.accoda({RndPer(colore, 18)});
    a.caso.accoda(RndPerBlocco(riferimento));
    a.caso.accoda({RndPer(criterio, 4)});
    a.caso.accoda(RndPerBlocco(primo));
}

// ROSSO on the left, NON ROSSO on the right.
void ApriRosso(Ambiente& a, const Blocco& primo)
{
    AccodaTurno(a, 9, B("quadrato", "rosso", "piccolo", "sottile"), CriterioColore, primo);
    Schermi::Mostra(Id);
}

// A right answer draws its sound before the next block.
void AccodaDopoGiusta(Ambiente& a, const Blocco& prossimo)
{
    a.caso.accoda({RndPer(1, 4)});
    a.caso.accoda(RndPerBlocco(prossimo));
}

void DalMenuAlleStrade(Ambiente& a)
{
    AccodaTurno(a, 2, RossoGrande, CriterioForma, Blu);
    QTest::mouseClick(Ctl(IdSchermo::formMenu, "Command4"), Qt::LeftButton);
    SvuotaEventi();
}

void DalleStradeAlMenu(Ambiente& a)
{
    a.risposte = {RispostaSi};
    Voce(Id, "mnuFine")->trigger();
    SvuotaEventi();
}

} // namespace

class ProvaStrade1 : public QObject {
    Q_OBJECT
private slots:
    // The load step resets the counts and starts the first turn, whose set-up
    // draws the background colour; the load step itself draws none.
    void apertura_primoTurnoColoreECondizione()
    {
        Ambiente a;
        Modulo1::ContatoreErrati = 2;
        ApriRosso(a, Giallo);
        // A colour drawn at load as well would shift every draw after it.
        QCOMPARE(Sfondo(), Modulo1::Palette[9]);
        QCOMPARE(Testo(0), Su("rosso"));
        QCOMPARE(Testo(1), Non("rosso"));
        QCOMPARE(Area(1)->accessibleName(), Non("rosso"));
        QCOMPARE(InAttesa(), Giallo.nome());
        for (int i = 0; i < 8; ++i)
            QVERIFY(Slot(i)->vuota());
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        QStringList barra;
        for (QAction* voce : Schermi::Trova(Id)->finestra()->findChild<QMenuBar*>()->actions())
            barra << voce->objectName() + '=' + voce->text();
        QCOMPARE(barra, (QStringList{"mnu1=" + Tr("Azzera conteggio") + "   ", "mnuSuono=" + Tr("Suono?") + "    ",
                                     "mnu3=" + Tr("Informazioni") + "     ", "mnuFine=" + Tr("Esci")}));
    }

    // With ROSSO, a red block sent right is wrong and waits, sent left it
    // parks. The left area fills from its left edge, the right one from its
    // right edge; a slot, empty or parked, counts as its area.
    void parcheggio_daiBordiEsterniEClicSuiPosti()
    {
        Ambiente a;
        ApriRosso(a, RossoGrande);
        for (const Blocco& b : {Blu, RossoPiccolo, Giallo, Blu})
            AccodaDopoGiusta(a, b);
        Clic(Area(1));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(1));
        QCOMPARE(InAttesa(), RossoGrande.nome());
        Clic(Slot(3));                       // empty, left area: red, right
        QCOMPARE(InAttesa(), Blu.nome());
        Clic(Slot(0));                       // parked, left area: blue, wrong
        Clic(Slot(4));                       // empty, right area: blue, right
        Clic(Slot(0));                       // parked, left area: red, right
        Clic(Slot(4));                       // parked, right area: yellow, right
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(4));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(2));
        QCOMPARE(Slot(0)->accessibleName(), RossoGrande.nome());
        QCOMPARE(Slot(1)->accessibleName(), RossoPiccolo.nome());
        QCOMPARE(Slot(4)->accessibleName(), Blu.nome());
        QCOMPARE(Slot(5)->accessibleName(), Giallo.nome());
        auto x = [](int i) { return Slot(i)->x(); };
        QVERIFY(x(0) < x(1) && x(1) < x(2) && x(2) < x(3));
        QVERIFY(x(7) < x(6) && x(6) < x(5) && x(5) < x(4));
        // Each area holds its four slots, but the outermost slot of the right
        // area, which stands 120 twips past its right edge.
        for (int i = 0; i < 8; ++i)
            QCOMPARE(Slot(i)->parentWidget()->rect().contains(Slot(i)->geometry()), i != 4);
    }

    // Four blocks in one area end the turn, the other area empty; no fifth
    // block is drawn and the areas ignore clicks until "avanti".
    void quattroInUnArea_finisconoIlTurno_data()
    {
        QTest::addColumn<int>("area");
        QTest::newRow("sinistra") << 0;
        QTest::newRow("destra") << 1;
    }
    void quattroInUnArea_finisconoIlTurno()
    {
        QFETCH(int, area);
        Ambiente a;
        const Blocco b = area == 0 ? RossoPiccolo : Giallo;
        ApriRosso(a, b);
        for (int i = 0; i < 3; ++i)
            AccodaDopoGiusta(a, b);
        for (int i = 0; i < 4; ++i)
            Clic(Area(area));
        QVERIFY(Ctl<Immagine>(Id, "Image1")->vuota());
        QVERIFY(Ctl(Id, "bottoneavanti")->isEnabled());
        QCOMPARE(Schermi::Trova(Id)->finestra()->focusWidget(), Ctl(Id, "bottoneavanti"));
        const qsizetype suoni = a.suono.suonati.size();
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(Slot(i)->vuota(), i / 4 != area);
            Clic(Slot(i));
        }
        Clic(Area(0));
        Clic(Area(1));
        QCOMPARE(Modulo1::ContatoreEsatti + Modulo1::ContatoreErrati, 4);
        QCOMPARE(a.suono.suonati.size(), suoni);
        QVERIFY(Ctl<Immagine>(Id, "Image1")->vuota());
        for (int i = 0; i < 8; ++i)
            QCOMPARE(Slot(i)->vuota(), i / 4 != area);

        AccodaTurno(a, 12, RossoGrande, CriterioDimensione, Blu);
        Clic(Ctl(Id, "bottoneavanti"));
        QCOMPARE(Sfondo(), Modulo1::Palette[12]);
        QCOMPARE(Testo(1), Non("grande"));
        QCOMPARE(InAttesa(), Blu.nome());
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        Clic(Slot(2));
        QCOMPARE(Slot(0)->accessibleName(), Blu.nome());
        QVERIFY(Slot(4)->vuota() && Slot(1)->vuota());
    }

    // Whatever the draws, what the child sees holds together: a random
    // background, signs that are an attribute word and its negation, the
    // waiting block going to the side its own words say, areas filling from
    // their outer edges, and a turn that ends with four blocks in one area
    // and none waiting.
    void semiDiversi_quelCheSiVedeStaInsieme()
    {
        GiocaConOgniSeme(Id, 2, [](int) {
            const QString parola = Interna(Testo(0));
            QVERIFY2(ParoleAttributi().contains(parola), qPrintable(parola));
            QCOMPARE(Testo(1), Tr("NON %1").arg(Testo(0)));
            const qint16 esatti = Modulo1::ContatoreEsatti;
            std::array<int, 2> parcheggiati{};
            while (!Ctl(Id, "bottoneavanti")->isEnabled()) {
                const auto blocco = BloccoDaNome(InAttesa());
                QVERIFY(blocco);
                const int giusta = ParoleDi(*blocco).contains(parola) ? 0 : 1;
                const qint16 errati = Modulo1::ContatoreErrati;
                Clic(Area(1 - giusta));
                QCOMPARE(Modulo1::ContatoreErrati, qint16(errati + 1));
                QCOMPARE(InAttesa(), blocco->nome());
                Clic(Area(giusta));
                QVERIFY(parcheggiati[giusta] < 4);
                QCOMPARE(Slot(4 * giusta + parcheggiati[giusta]++)->accessibleName(), blocco->nome());
                QCOMPARE(Ctl<Immagine>(Id, "Image1")->vuota(), parcheggiati[giusta] == 4);
            }
            QCOMPARE(std::ranges::max(parcheggiati), 4);
            QCOMPARE(Modulo1::ContatoreEsatti, qint16(esatti + parcheggiati[0] + parcheggiati[1]));
            Clic(Ctl(Id, "bottoneavanti"));
            for (int i = 0; i < 8; ++i)
                QVERIFY(Slot(i)->vuota());
        });
    }

    // The sound menu marks where the sound setting really is, whichever
    // screen switched it; its items switch sound for the whole program.
    void menuSuono_segnaLoStatoVeroDelSuono()
    {
        Ambiente a;
        a.caso.accoda({RndPer(1, 18), RndPer(1, 18)});
        Modulo1::Main();
        Clic(Ctl(IdSchermo::FormAvvio, "Label1"));
        SvuotaEventi();
        DalMenuAlleStrade(a);
        QVERIFY(Voce(Id, "mnuSuonoSi")->isChecked());
        QVERIFY(!Voce(Id, "mnuSuonoNo")->isChecked());
        Voce(Id, "mnuSuonoNo")->trigger();
        Voce(Id, "mnuSuonoNo")->trigger();   // picking it again keeps the mark
        QVERIFY(!Modulo1::SuonoAttivo);
        QVERIFY(!Voce(Id, "mnuSuonoSi")->isChecked());
        QVERIFY(Voce(Id, "mnuSuonoNo")->isChecked());
        Clic(Area(0));
        QVERIFY(a.suono.suonati.isEmpty());

        DalleStradeAlMenu(a);
        QVERIFY(!Ctl<QCheckBox>(IdSchermo::formMenu, "Check1")->isChecked());
        DalMenuAlleStrade(a);
        QVERIFY(!Voce(Id, "mnuSuonoSi")->isChecked());
        QVERIFY(Voce(Id, "mnuSuonoNo")->isChecked());

        DalleStradeAlMenu(a);
        Ctl<QCheckBox>(IdSchermo::formMenu, "Check1")->click();
        DalMenuAlleStrade(a);
        QVERIFY(Voce(Id, "mnuSuonoSi")->isChecked());
        QVERIFY(!Voce(Id, "mnuSuonoNo")->isChecked());

        // "sì" switches the sounds back on, here and on the menu.
        Voce(Id, "mnuSuonoNo")->trigger();
        Voce(Id, "mnuSuonoSi")->trigger();
        QVERIFY(Modulo1::SuonoAttivo);
        QVERIFY(Voce(Id, "mnuSuonoSi")->isChecked());
        QVERIFY(!Voce(Id, "mnuSuonoNo")->isChecked());
        a.suono.suonati.clear();
        Clic(Area(1));
        Clic(Area(0));
        QCOMPARE(a.suono.suonati.size(), 2);
        DalleStradeAlMenu(a);
        QVERIFY(Ctl<QCheckBox>(IdSchermo::formMenu, "Check1")->isChecked());
    }

    // Areas and slots are reached with Tab left to right; Space or Enter on
    // an area sends the block there.
    void tastiera_areeRaggiungibiliEAttivabili()
    {
        Ambiente a;
        ApriRosso(a, RossoGrande);
        AccodaDopoGiusta(a, Blu);
        QApplication::setActiveWindow(Schermi::Trova(Id)->finestra());
        Area(0)->setFocus();
        QStringList ordine;
        for (int i = 0; i < 10; ++i) {
            ordine << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(ordine, (QStringList{"Frame1(0)", "insieme(0)", "insieme(1)", "insieme(2)", "insieme(3)",
                                      "Frame1(1)", "insieme(7)", "insieme(6)", "insieme(5)", "insieme(4)"}));
        QTest::keyClick(Area(0), Qt::Key_Space);
        QTest::keyClick(Area(1), Qt::Key_Return);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(2));
    }

    // The roads and parking areas are asphalt between their edge lines, and
    // they follow the lines when the window changes size.
    void strade_asfaltoTraLeLineeAOgniGrandezza()
    {
        Ambiente a;
        ApriRosso(a, RossoGrande);
        FinestraSchermo* f = Schermi::Trova(Id)->finestra();
        for (QSize interna : {QSize(1024, 700), QSize(700, 500)}) {
            f->resize(interna);
            QWidget* superficie = f->superficie();
            const QImage quadro = superficie->grab().toImage();
            auto in = [&](double x, double y) {
                return quadro.pixelColor(qRound(x * superficie->width() / 9480),
                                         qRound(y * superficie->height() / 6795));
            };
            const QColor asfalto = in(4400, 6500);           // the stem, beside its centre line
            QVERIFY(qGray(asfalto.rgb()) < 160 && asfalto != f->sfondo());
            QCOMPARE(in(2950, 3500), asfalto);               // the left branch
            QCOMPARE(in(6170, 3500), asfalto);               // the right branch
            QCOMPARE(in(5760 + 2200, 120 + 1300), asfalto);  // a free stall of the right area
            QCOMPARE(in(4560, 3800), f->sfondo());           // between the branches
            QCOMPARE(in(3500, 6000), f->sfondo());           // beside the stem
            QCOMPARE(in(5500, 6000), f->sfondo());
        }
    }

    // The left road ends at the foot of the left area and the right road at
    // the right one; each condition stands under the area it names.
    void strade_portanoAlleLoroAree()
    {
        Ambiente a;
        ApriRosso(a, RossoGrande);
        for (QSize dimensione : {QSize(1024, 700), QSize(640, 520)}) {
            Ridimensiona(Id, dimensione);
            const int lati[2][2] = {{2, 4}, {3, 5}};
            for (int k = 0; k < 2; ++k) {
                const QRect area = NellaFinestra(Id, QString("Frame1(%1)").arg(k));
                for (int lato : lati[k]) {
                    const QLineF l = Ctl<Linea>(Id, QString("Line2(%1)").arg(lato))->linea();
                    const QPointF cima = l.p1().y() < l.p2().y() ? l.p1() : l.p2();
                    QVERIFY(area.left() <= cima.x() && cima.x() <= area.right());
                    QVERIFY(std::abs(cima.y() - area.bottom()) <= 2);
                }
                const QRect condizione = NellaFinestra(Id, QString("Label1(%1)").arg(k));
                QVERIFY(condizione.top() > area.bottom());
                QVERIFY(area.left() <= condizione.center().x() && condizione.center().x() <= area.right());
            }
        }
    }

    // Leaving through "Esci" and coming back from the menu starts afresh:
    // every place empty and counted empty, and a block waiting.
    void riaperto_postiVuotiEUnBloccoInAttesa()
    {
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        Partita::RiapriDopoUnaRisposta(a, Id);
        QCOMPARE(Gioco<zirp7>(Id).NumeroInseriti, (std::array<qint16, 4>{}));
        for (const Immagine* casella : Gioco<zirp7>(Id).controlli().insieme)
            QVERIFY(casella->vuota());
        QVERIFY(!Gioco<zirp7>(Id).controlli().Image1->vuota());
    }
};

TESSELO_TEST_MAIN(ProvaStrade1)
#include "tst_zirp7.moc"
