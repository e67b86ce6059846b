#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Faccia.h"
#include "controls/Immagine.h"
#include "games/FORM2/FORM2.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"

#include <QAction>

namespace {

constexpr IdSchermo Id = IdSchermo::FORM2;

FORM2& Gioco() { return ::Gioco<FORM2>(Id); }
Immagine* Blocco_(int i) { return Ctl<Immagine>(Id, QStringLiteral("Image1(%1)").arg(i)); }
Immagine* Posto_(int i) { return Ctl<Immagine>(Id, QStringLiteral("insieme(%1)").arg(i)); }
Bottone* Fatto() { return Ctl<Bottone>(Id, "Command1"); }
QString Testo(const char* nome) { return Ctl<QLabel>(Id, nome)->text(); }

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

void Apri(Ambiente& a, const Turno& t, int coloreCaricamento = 3)
{
    a.caso.accoda({RndPer(coloreCaricamento, 18)});
    AccodaTurno(a, t);
    Schermi::Mostra(Id);
}

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

    // Each visit opens in the design's state: manual checking with its check
    // mark and "Fatto" showing, empty slots, counts at 0, one turn drawn
    // after the load colour in exactly the design's order.
    void apertura_statoDiProgettoEPrimoTurno()
    {
        Ambiente a;
        Apri(a, DueRossi);
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(ValoreColore(Schermi::Trova(Id)->finestra()->sfondo()), Modulo1::Palette[5]);
        QCOMPARE(Testo("Label1"), QString("ROSSO"));
        QCOMPARE(Gioco().Criterio, qint16(2));
        QCOMPARE(Gioco().NumeroGiusti, qint16(2));
        QCOMPARE(Gioco().NumeroInseriti, qint16(0));
        QVERIFY(!Gioco().ControlloAutomatico);
        QVERIFY(Voce(Id, "mnuControlloNo")->isChecked());
        QVERIFY(!Voce(Id, "mnuControlloSi")->isChecked());
        QCOMPARE(Voce(Id, "mnuControllo")->text(), QString("Controllo automatico?     "));
        QCOMPARE(Voce(Id, "mnu3")->text(), QString("Informazioni    "));
        QVERIFY(Fatto()->isVisible());
        QCOMPARE(Fatto()->text(), QString("Fatto"));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(Posto_(i)->vuota());
            QCOMPARE(Blocco_(i)->accessibleName(), DueRossi.blocchi[i].nome());
        }
        QCOMPARE(Testo("etEsatti"), QString("esatti"));
        QCOMPARE(Testo("etErrati"), QString("errati"));
    }

    // The score labels sit beside the feedback pictures and cover nothing.
    void punteggi_nonCopronoNulla()
    {
        Ambiente a;
        Apri(a, DueRossi);
        QList<QWidget*> controlli{Ctl(Id, "Label1"), Ctl(Id, "Frame1"), Fatto(), Ctl(Id, "ComandoIconaSi")};
        for (int i = 0; i < 4; ++i)
            controlli.append(Blocco_(i));
        for (const char* punteggio : {"etEsatti", "etErrati"}) {
            const QRect r = Ctl(Id, punteggio)->geometry();
            QVERIFY(QRect(QPoint(), Schermi::Trova(Id)->finestra()->superficie()->size()).contains(r));
            for (QWidget* w : controlli)
                QVERIFY2(!r.intersects(w->geometry()), qPrintable(w->objectName()));
        }
        QVERIFY(!Ctl(Id, "etEsatti")->geometry().intersects(Ctl(Id, "etErrati")->geometry()));
    }

    // The slots fill from the left in the order of the clicks, whatever the
    // blocks' order; a moved block leaves its place empty and a second click
    // on it does nothing at all.
    void insieme_siRiempieDaSinistraNellOrdineDeiClic()
    {
        Ambiente a;
        Apri(a, QuattroRossi);
        const int ordine[] = {2, 0, 3, 1};
        for (int n = 0; n < 4; ++n) {
            Clic(Blocco_(ordine[n]));
            QCOMPARE(Gioco().NumeroInseriti, qint16(n + 1));
            QVERIFY(Blocco_(ordine[n])->vuota());
        }
        for (int n = 0; n < 4; ++n)
            QCOMPARE(Posto_(n)->accessibleName(), QuattroRossi.blocchi[ordine[n]].nome());

        Clic(Blocco_(2));
        QCOMPARE(Gioco().NumeroInseriti, qint16(4));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QVERIFY(a.suono.suonati.isEmpty());
        QCOMPARE(Posto_(0)->accessibleName(), QuattroRossi.blocchi[2].nome());
    }

    // A block without the set's word is an error in either mode and stays put.
    void bloccoEstraneo_eUnErroreERestaAlSuoPosto_data()
    {
        QTest::addColumn<bool>("automatico");
        QTest::newRow("bottone FATTO") << false;
        QTest::newRow("automatico") << true;
    }
    void bloccoEstraneo_eUnErroreERestaAlSuoPosto()
    {
        QFETCH(bool, automatico);
        Ambiente a;
        Apri(a, DueRossi);
        if (automatico)
            Voce(Id, "mnuControlloSi")->trigger();
        Clic(Blocco_(1));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(1));
        QCOMPARE(Testo("etErrati"), QString("errati   1"));
        QVERIFY(Ctl<Faccia>(Id, "ComandoIconaNo")->isVisible());
        QVERIFY(a.suono.suonati.last().endsWith("/suoni/no.wav"));
        QVERIFY(!Blocco_(1)->vuota());
        QVERIFY(Posto_(0)->vuota());
        QCOMPARE(Gioco().NumeroInseriti, qint16(0));
    }

    // "Fatto" before the set is complete is wrong and the same turn goes on;
    // a complete set waits for "Fatto", which then starts a new turn.
    void fatto_troppoPrestoESbagliatoEIlTurnoResta()
    {
        Ambiente a;
        Apri(a, DueRossi);
        Clic(Fatto());
        QCOMPARE(Modulo1::ContatoreErrati, qint16(1));
        Clic(Blocco_(2));
        Clic(Fatto());
        QCOMPARE(Modulo1::ContatoreErrati, qint16(2));
        QCOMPARE(Testo("Label1"), QString("ROSSO"));
        QCOMPARE(Posto_(0)->accessibleName(), RetRossoPS.nome());
        QVERIFY(!Blocco_(0)->vuota());

        Clic(Blocco_(0));
        QCOMPARE(Gioco().NumeroInseriti, qint16(2));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QCOMPARE(a.suono.suonati.size(), 2);

        AccodaDopoGiusto(a, UnQuadrato);
        Clic(Fatto());
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Testo("etEsatti"), QString("esatti   1"));
        QVERIFY(Ctl<Faccia>(Id, "ComandoIconaSi")->isVisible());
        QVERIFY(!Ctl<Faccia>(Id, "ComandoIconaNo")->isVisible());
        QCOMPARE(Testo("Label1"), QString("QUADRATO"));
        QCOMPARE(ValoreColore(Schermi::Trova(Id)->finestra()->sfondo()), Modulo1::Palette[11]);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(Posto_(i)->vuota());
            QVERIFY(!Blocco_(i)->vuota());
        }
        QCOMPARE(Gioco().NumeroInseriti, qint16(0));
        QCOMPARE(Gioco().NumeroGiusti, qint16(1));
    }

    // Automatic checking hides "Fatto" and judges the moment the last block of
    // the set is moved in; going back shows "Fatto" again.
    void automatico_giudicaSubitoENascondeFatto()
    {
        Ambiente a;
        Apri(a, DueRossi);
        Voce(Id, "mnuControlloSi")->trigger();
        QVERIFY(Gioco().ControlloAutomatico);
        QVERIFY(Voce(Id, "mnuControlloSi")->isChecked());
        QVERIFY(!Voce(Id, "mnuControlloNo")->isChecked());
        QVERIFY(!Fatto()->isVisible());
        // Choosing the checked item again keeps its mark.
        Voce(Id, "mnuControlloSi")->trigger();
        QVERIFY(Voce(Id, "mnuControlloSi")->isChecked());

        Clic(Blocco_(0));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        AccodaDopoGiusto(a, UnQuadrato);
        Clic(Blocco_(2));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Testo("Label1"), QString("QUADRATO"));
        QVERIFY(Posto_(0)->vuota() && Posto_(1)->vuota());
        QVERIFY(Gioco().ControlloAutomatico);

        Voce(Id, "mnuControlloNo")->trigger();
        QVERIFY(!Gioco().ControlloAutomatico);
        QVERIFY(Fatto()->isVisible());
        QVERIFY(Voce(Id, "mnuControlloNo")->isChecked());
        QVERIFY(!Voce(Id, "mnuControlloSi")->isChecked());
    }

    // A drawing where no block has the set's word is never shown: everything,
    // the background colour included, is drawn again.
    void nessunBloccoNellInsieme_siRidisegnaTutto()
    {
        Ambiente a;
        const Turno vuoto{TriRossoGS, 2, {QuaBluGS, TriGialloPT, QuaBluGS, TriGialloPT}, 8};
        const Turno buono{TriGialloPT, 3, {QuaBluGS, TriRossoGS, RotRossoGT, QuaRossoPS}, 13};
        a.caso.accoda({RndPer(3, 18)});
        AccodaTurno(a, vuoto);
        AccodaTurno(a, buono);
        Schermi::Mostra(Id);
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(ValoreColore(Schermi::Trova(Id)->finestra()->sfondo()), Modulo1::Palette[13]);
        QCOMPARE(Testo("Label1"), QString("PICCOLO"));
        QCOMPARE(Gioco().NumeroGiusti, qint16(1));
        QCOMPARE(Blocco_(3)->accessibleName(), QuaRossoPS.nome());
    }

    // Over many turns no turn is ever shown without a block of the set, and
    // the count of fitting blocks matches what the pictures show.
    void moltiTurni_sempreAlmenoUnBloccoGiusto()
    {
        Ambiente a(2024);
        Apri(a, DueRossi);
        Voce(Id, "mnuControlloSi")->trigger();
        for (int turno = 0; turno < 200; ++turno) {
            const QString parola = Testo("Label1").toLower();
            const int criterio = Gioco().Criterio;
            int giusti = 0;
            for (int i = 0; i < 4; ++i) {
                const QStringList parole = Blocco_(i)->accessibleName().split(' ');
                if (parole[criterio - 1] == parola)
                    ++giusti;
            }
            QVERIFY(giusti >= 1);
            QCOMPARE(Gioco().NumeroGiusti, qint16(giusti));
            QList<int> nellInsieme;
            for (int i = 0; i < 4; ++i)
                if (Gioco().Attributi[i + 1] == Gioco().Attributi[0])
                    nellInsieme.append(i);
            for (int i : nellInsieme)
                Clic(Blocco_(i));
        }
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(200));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
    }

    // The words compared for each kind of attribute.
    void criteri_confrontanoLeParoleGiuste_data()
    {
        QTest::addColumn<int>("criterio");
        QTest::addColumn<QString>("etichetta");
        QTest::addColumn<int>("giusti");
        // Blocks: TriRossoGS, QuaRossoPS, RotRossoGT, TriGialloPT.
        QTest::newRow("forma") << 1 << "TRIANGOLO" << 2;
        QTest::newRow("colore") << 2 << "GIALLO" << 1;
        QTest::newRow("dimensione") << 3 << "PICCOLO" << 2;
        QTest::newRow("spessore") << 4 << "SOTTILE" << 3;
    }
    void criteri_confrontanoLeParoleGiuste()
    {
        QFETCH(int, criterio);
        QFETCH(QString, etichetta);
        QFETCH(int, giusti);
        Ambiente a;
        Apri(a, {TriGialloPT, criterio, {TriRossoGS, QuaRossoPS, RotRossoGT, TriGialloPT}});
        QCOMPARE(Testo("Label1"), etichetta);
        QCOMPARE(Gioco().NumeroGiusti, qint16(giusti));
        QCOMPARE(Gioco().Attributi[0], etichetta.toLower());
        // The last block is the reference block itself: it always belongs.
        Clic(Blocco_(3));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QVERIFY(Blocco_(3)->vuota());
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
        QVERIFY(!Fatto()->isVisible());
        for (int i = 0; i < 4; ++i)
            Clic(Blocco_(i));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        Voce(Id, "mnuControlloNo")->trigger();
        QVERIFY(Fatto()->isVisible());
        AccodaDopoGiusto(a, UnQuadrato);
        Clic(Fatto());
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Testo("Label1"), QString("QUADRATO"));
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
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        AccodaDopoGiusto(a, UnQuadrato);
        Clic(Blocco_(3));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(1));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(a.suono.suonati.size(), 2);
        QVERIFY(a.suono.suonati[0].endsWith("/no.wav"));
        QVERIFY(a.suono.suonati[1].endsWith("/si1.wav"));
        QVERIFY(Ctl<Faccia>(Id, "ComandoIconaSi")->isVisible());
        QCOMPARE(Testo("Label1"), QString("QUADRATO"));
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
        QVERIFY(Schermi::Trova(IdSchermo::formMenu)->caricato());

        Apri(a, UnQuadrato);
        QVERIFY(!Gioco().ControlloAutomatico);
        QVERIFY(Voce(Id, "mnuControlloNo")->isChecked());
        QVERIFY(!Voce(Id, "mnuControlloSi")->isChecked());
        QVERIFY(Fatto()->isVisible());
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QCOMPARE(Testo("etErrati"), QString("errati"));
        QVERIFY(!Ctl<Faccia>(Id, "ComandoIconaNo")->isVisible());
        QCOMPARE(Testo("Label1"), QString("QUADRATO"));
    }

    // "Azzera conteggio" clears the counts and leaves the turn as it is.
    void azzera_lasciaIlTurno()
    {
        Ambiente a;
        Apri(a, DueRossi);
        Clic(Blocco_(1));
        Clic(Blocco_(0));
        Voce(Id, "mnu1")->trigger();
        QCOMPARE(Testo("etErrati"), QString("Errati 0"));
        QCOMPARE(Testo("etEsatti"), QString("Esatti 0"));
        QCOMPARE(Gioco().NumeroInseriti, qint16(1));
        QVERIFY(!Posto_(0)->vuota());
        QVERIFY(Ctl<Faccia>(Id, "ComandoIconaNo")->isVisible());
    }

    // With the keyboard alone: Tab goes round the blocks and "Fatto", Space
    // moves a block, the focus passes to the next block still in place and
    // Enter presses "Fatto".
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
        QCOMPARE(Gioco().NumeroInseriti, qint16(2));
        AccodaDopoGiusto(a, UnQuadrato);
        Fatto()->setFocus();
        QTest::keyClick(Fatto(), Qt::Key_Return);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
    }

    void menu_ilBottoneInsiemiApreIlGioco()
    {
        Ambiente a;
        Schermi::Mostra(IdSchermo::formMenu);
        a.caso.accoda({RndPer(3, 18)});
        AccodaTurno(a, DueRossi);
        Clic(Ctl<Bottone>(IdSchermo::formMenu, "Command2"));
        SvuotaEventi();
        QVERIFY(Schermi::Trova(Id)->caricato());
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->caricato());
        QCOMPARE(Testo("Label1"), QString("ROSSO"));
    }
};

TESSELO_TEST_MAIN(ProvaInsiemi)
#include "tst_insiemi.moc"
