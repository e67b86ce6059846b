#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Immagine.h"
#include "games/FORM2/FORM2.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Tradotto.h"

#include <QAction>
#include <QLabel>

namespace {

constexpr IdSchermo Id = IdSchermo::FORM2;

FORM2& Gioco() { return ::Gioco<FORM2>(Id); }
Immagine* Blocco_(int i) { return Ctl<Immagine>(Id, QStringLiteral("Image1(%1)").arg(i)); }
Immagine* Posto_(int i) { return Ctl<Immagine>(Id, QStringLiteral("insieme(%1)").arg(i)); }
Bottone* Fatto() { return Ctl<Bottone>(Id, "Command1"); }
QString Testo(const char* nome) { return Ctl<QLabel>(Id, nome)->text(); }
quint32 Sfondo() { return ValoreColore(Schermi::Trova(Id)->finestra()->sfondo()); }

struct Turno {
    Blocco riferimento;
    int criterio;
    std::array<Blocco, 4> blocchi;
    int colore = 5;
};

// The draws of one turn set-up, in order: colour, reference block,
// criterion, the four blocks.
void AccodaTurno(Ambiente& a, const Turno& t)
{
    a.caso.accoda({RndPer(t.colore, 18)});
    a.caso.accoda(RndPerBlocco(t.riferimento));
    a.caso.accoda({RndPer(t.criterio, 4)});
    for (const Blocco& b : t.blocchi)
        a.caso.accoda(RndPerBlocco(b));
}

// A right answer plays one of the four sounds (one draw), then the next turn is drawn.
void AccodaDopoGiusto(Ambiente& a, const Turno& t)
{
    a.caso.accoda({RndPer(1, 4)});
    AccodaTurno(a, t);
}

void Apri(Ambiente& a, const Turno& t)
{
    a.caso.accoda({RndPer(3, 18)});
    AccodaTurno(a, t);
    Schermi::Mostra(Id);
}

bool Visibile(const char* nome) { return Ctl(Id, nome)->isVisible(); }

void Clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

const Blocco TriRossoGS = B("triangolo", "rosso", "grande", "spesso");
const Blocco QuaRossoPS = B("quadrato", "rosso", "piccolo", "sottile");
const Blocco RotRossoGT = B("rotondo", "rosso", "grande", "sottile");
const Blocco RetRossoPS = B("rettangolo", "rosso", "piccolo", "spesso");
const Blocco QuaBluGS = B("quadrato", "blu", "grande", "spesso");
const Blocco TriGialloPT = B("triangolo", "giallo", "piccolo", "sottile");

// Colour ROSSO; blocks 0 and 2 belong to the set.
const Turno DueRossi{TriRossoGS, 2, {RotRossoGT, QuaBluGS, RetRossoPS, TriGialloPT}};
// Colour ROSSO; all four belong.
const Turno QuattroRossi{TriRossoGS, 2, {TriRossoGS, QuaRossoPS, RotRossoGT, RetRossoPS}};
// Shape QUADRATO; only block 1 belongs.
const Turno UnQuadrato{QuaBluGS, 1, {TriRossoGS, QuaRossoPS, RotRossoGT, TriGialloPT}, 11};

} // namespace

class ProvaInsiemi : public QObject {
    Q_OBJECT
private slots:
    void init() { SvuotaEventi(); }

    // The menu's "insiemi" opens the screen in the design's state (manual
    // checking marked, "Fatto" showing, empty slots) with one turn drawn
    // after the load colour in exactly the design's order.
    void apertura_dalMenuInModoManuale()
    {
        Ambiente a;
        Schermi::Mostra(IdSchermo::formMenu);
        a.caso.accoda({RndPer(3, 18)});
        AccodaTurno(a, DueRossi);
        Clic(Ctl<Bottone>(IdSchermo::formMenu, "Command2"));
        SvuotaEventi();
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->caricato());
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(Sfondo(), Modulo1::Palette[5]);
        QCOMPARE(Testo("Label1"), Su("rosso"));
        QCOMPARE(Gioco().NumeroGiusti, qint16(2));
        QVERIFY(Voce(Id, "mnuControlloNo")->isChecked());
        QVERIFY(!Voce(Id, "mnuControlloSi")->isChecked());
        QVERIFY(Fatto()->isVisible());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(Posto_(i)->vuota());
            QCOMPARE(Blocco_(i)->accessibleName(), DueRossi.blocchi[i].nome());
        }
    }

    // The slots fill from the left in the order of the clicks; a moved block
    // leaves its place empty and a second click on it does nothing at all.
    void insieme_siRiempieDaSinistraNellOrdineDeiClic()
    {
        Ambiente a;
        Apri(a, QuattroRossi);
        const int ordine[] = {2, 0, 3, 1};
        for (int i : ordine)
            Clic(Blocco_(i));
        for (int n = 0; n < 4; ++n) {
            QCOMPARE(Posto_(n)->accessibleName(), QuattroRossi.blocchi[ordine[n]].nome());
            QVERIFY(Blocco_(n)->vuota());
        }
        Clic(Blocco_(2));
        QCOMPARE(Gioco().NumeroInseriti, qint16(4));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QVERIFY(a.suono.suonati.isEmpty());
    }

    // Manual checking: a block without the set's word is an error and stays;
    // "Fatto" before the set is complete is wrong and the turn goes on; a
    // complete set waits for "Fatto", which then draws a new turn.
    void manuale_fattoTroppoPrestoESbagliato()
    {
        Ambiente a;
        Apri(a, DueRossi);
        Clic(Blocco_(1));
        QCOMPARE(Testo("etErrati"), (Tr("errati") + "   1"));
        QVERIFY(a.suono.suonati.last().endsWith("/suoni/no.wav"));
        QVERIFY(!Blocco_(1)->vuota());
        Clic(Fatto());
        Clic(Blocco_(2));
        Clic(Fatto());
        QCOMPARE(Modulo1::ContatoreErrati, qint16(3));
        QCOMPARE(Posto_(0)->accessibleName(), RetRossoPS.nome());
        Clic(Blocco_(0));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));

        AccodaDopoGiusto(a, UnQuadrato);
        Clic(Fatto());
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(Testo("etEsatti"), (Tr("esatti") + "   1"));
        QVERIFY(Visibile("ComandoIconaSi") && !Visibile("ComandoIconaNo"));
        QCOMPARE(Testo("Label1"), Su("quadrato"));
        QCOMPARE(Sfondo(), Modulo1::Palette[11]);
        for (int i = 0; i < 4; ++i)
            QVERIFY(Posto_(i)->vuota() && !Blocco_(i)->vuota());
        QCOMPARE(Gioco().NumeroInseriti, qint16(0));
    }

    // Automatic checking hides "Fatto", still counts wrong blocks, and judges
    // the moment the last block of the set is moved in.
    void automatico_giudicaSubitoENascondeFatto()
    {
        Ambiente a;
        Apri(a, DueRossi);
        Voce(Id, "mnuControlloSi")->trigger();
        QVERIFY(Voce(Id, "mnuControlloSi")->isChecked() && !Voce(Id, "mnuControlloNo")->isChecked());
        QVERIFY(!Fatto()->isVisible());
        // Choosing the marked item again keeps its mark.
        Voce(Id, "mnuControlloSi")->trigger();
        QVERIFY(Voce(Id, "mnuControlloSi")->isChecked());
        Clic(Blocco_(1));
        Clic(Blocco_(0));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(1));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        AccodaDopoGiusto(a, UnQuadrato);
        Clic(Blocco_(2));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Testo("Label1"), Su("quadrato"));
        QVERIFY(Posto_(0)->vuota());
        Voce(Id, "mnuControlloNo")->trigger();
        QVERIFY(Fatto()->isVisible() && Voce(Id, "mnuControlloNo")->isChecked());
    }

    // A drawing where no block has the set's word is never shown: everything,
    // the background colour included, is drawn again; over many random turns
    // every turn shown has a block of the set.
    void nessunBloccoNellInsieme_siRidisegnaTutto()
    {
        Ambiente a(2024);
        a.caso.accoda({RndPer(3, 18)});
        AccodaTurno(a, {TriRossoGS, 2, {QuaBluGS, TriGialloPT, QuaBluGS, TriGialloPT}, 8});
        AccodaTurno(a, {TriGialloPT, 3, {QuaBluGS, TriRossoGS, RotRossoGT, QuaRossoPS}, 13});
        Schermi::Mostra(Id);
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(Sfondo(), Modulo1::Palette[13]);
        QCOMPARE(Testo("Label1"), Su("piccolo"));
        QCOMPARE(Gioco().NumeroGiusti, qint16(1));

        Voce(Id, "mnuControlloSi")->trigger();
        for (int turno = 0; turno < 200; ++turno) {
            QList<int> nellInsieme;
            for (int i = 0; i < 4; ++i)
                if (Su(Blocco_(i)->accessibleName().split(' ')[Gioco().Criterio - 1]) == Testo("Label1"))
                    nellInsieme.append(i);
            QVERIFY(!nellInsieme.isEmpty());
            QCOMPARE(Gioco().NumeroGiusti, qint16(nellInsieme.size()));
            for (int i : nellInsieme)
                Clic(Blocco_(i));
        }
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(200));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
    }

    // All four moved by hand, then automatic checking: no block is left to
    // click and "Fatto" is hidden, so the turn waits until the child goes
    // back to "usa bottone FATTO" and presses it.
    void automaticoConInsiemeCompleto_senzaBlocchiAspettaFatto()
    {
        Ambiente a;
        Apri(a, QuattroRossi);
        for (int i = 0; i < 4; ++i)
            Clic(Blocco_(i));
        Voce(Id, "mnuControlloSi")->trigger();
        for (int i = 0; i < 4; ++i)
            Clic(Blocco_(i));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        Voce(Id, "mnuControlloNo")->trigger();
        AccodaDopoGiusto(a, UnQuadrato);
        Clic(Fatto());
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Testo("Label1"), Su("quadrato"));
    }

    // A complete set, then automatic checking: the next click on a block
    // still in place counts its error first and then judges the turn right.
    void automaticoConInsiemeCompleto_ilClicSuUnBloccoRestanteGiudica()
    {
        Ambiente a;
        Apri(a, DueRossi);
        Clic(Blocco_(0));
        Clic(Blocco_(2));
        Voce(Id, "mnuControlloSi")->trigger();
        AccodaDopoGiusto(a, UnQuadrato);
        Clic(Blocco_(3));
        QCOMPARE(a.suono.suonati.size(), 2);
        QVERIFY(a.suono.suonati[0].endsWith("/no.wav") && a.suono.suonati[1].endsWith("/si1.wav"));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(1));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Testo("Label1"), Su("quadrato"));
    }

    // Leaving and coming back starts again from the design's state, whatever
    // mode and counts the last visit ended with.
    void nuovaVisita_ripartiInModoManualeConContiAZero()
    {
        Ambiente a;
        Apri(a, DueRossi);
        Voce(Id, "mnuControlloSi")->trigger();
        Clic(Blocco_(1));
        a.risposte = {RispostaSi};
        Voce(Id, "mnuFine")->trigger();
        SvuotaEventi();
        QVERIFY(!Schermi::Trova(Id)->caricato());
        Apri(a, UnQuadrato);
        QVERIFY(!Gioco().ControlloAutomatico);
        QVERIFY(Voce(Id, "mnuControlloNo")->isChecked() && !Voce(Id, "mnuControlloSi")->isChecked());
        QVERIFY(Fatto()->isVisible());
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QCOMPARE(Testo("etErrati"), Tr("errati"));
        QVERIFY(!Visibile("ComandoIconaNo"));
    }

    // With the keyboard alone: Tab goes round the blocks and "Fatto", Space
    // moves a block and the focus passes on to the next block still in
    // place, Enter moves a block and presses "Fatto".
    void tastiera_tabSpazioEInvio()
    {
        Ambiente a;
        Apri(a, DueRossi);
        QApplication::setActiveWindow(Schermi::Trova(Id)->finestra());
        Blocco_(0)->setFocus();
        QSet<QString> raggiunti;
        for (int i = 0; i < 6; ++i) {
            raggiunti.insert(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (const char* nome : {"Image1(0)", "Image1(1)", "Image1(2)", "Image1(3)", "Command1"})
            QVERIFY2(raggiunti.contains(nome), nome);

        Blocco_(2)->setFocus();
        QTest::keyClick(Blocco_(2), Qt::Key_Space);
        QVERIFY(Blocco_(2)->vuota());
        QCOMPARE(QApplication::focusWidget(), Blocco_(3));
        Blocco_(0)->setFocus();
        QTest::keyClick(Blocco_(0), Qt::Key_Return);
        AccodaDopoGiusto(a, UnQuadrato);
        Fatto()->setFocus();
        QTest::keyClick(Fatto(), Qt::Key_Return);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
    }
};

TESSELO_TEST_MAIN(ProvaInsiemi)
#include "tst_FORM2.moc"
