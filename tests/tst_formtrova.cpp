#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Faccia.h"
#include "controls/Immagine.h"
#include "controls/Linea.h"
#include "games/FormTrova/FormTrova.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"

#include <QAction>
#include <QScreen>
#include <map>

namespace {

constexpr IdSchermo Id = IdSchermo::FormTrova;

const Blocco Cercato = B("triangolo", "rosso", "grande", "spesso");
const Blocco Altro = B("quadrato", "blu", "piccolo", "sottile");

FormTrova& Trova()
{
    return Gioco<FormTrova>(Id);
}

Immagine* Blocco_(int i)
{
    return Ctl<Immagine>(Id, QString("Image1(%1)").arg(i));
}

// Queues the draws of one turn: the background colour, the described element
// and the twelve blocks; elements not named get the block Altro.
void AccodaRicerca(Ambiente& a, int bersaglio, const std::map<int, Blocco>& blocchi, int colore = 7)
{
    a.caso.accoda({RndPer(colore, 18), RndPer(bersaglio + 1, 12)});
    for (int k = 0; k < 12; ++k) {
        const auto it = blocchi.find(k);
        a.caso.accoda(RndPerBlocco(it == blocchi.end() ? Altro : it->second));
    }
}

// Opens the screen on a turn whose described block is Cercato at bersaglio.
void Apri(Ambiente& a, int bersaglio, std::map<int, Blocco> blocchi = {})
{
    blocchi.emplace(bersaglio, Cercato);
    a.caso.accoda({RndPer(2, 18)}); // the load step's own colour
    AccodaRicerca(a, bersaglio, blocchi);
    Schermi::Mostra(Id);
}

int SuoniSi(const Ambiente& a)
{
    return int(std::count_if(a.suono.suonati.begin(), a.suono.suonati.end(),
                             [](const QString& s) { return s.contains("/suoni/si"); }));
}

} // namespace

class ProvaFormTrova : public QObject {
    Q_OBJECT
private slots:
    // The load step resets the counts and draws the whole first turn; the
    // activation step only places the window and draws nothing more.
    void apertura_primoTurnoProntoAllaCarica()
    {
        Ambiente a;
        Modulo1::ContatoreEsatti = 4;
        Modulo1::ContatoreErrati = 9;
        Apri(a, 5, {{0, B("rotondo", "giallo", "piccolo", "spesso")}});
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(a.caso.estratti, 1 + 2 + 12 * 4);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));

        FinestraSchermo* f = Trova().finestra();
        QCOMPARE(f->geometry(), f->screen()->geometry());
        QCOMPARE(ValoreColore(f->sfondo()), Modulo1::Palette[7]);
        QCOMPARE(Trova().Bersaglio, qint16(5));
        QCOMPARE(Blocco_(0)->property("Tag").toString(), QString("rotondogiallopiccolospesso"));
        QCOMPARE(Blocco_(0)->accessibleName(), QString("rotondo giallo piccolo spesso"));
        QCOMPARE(Blocco_(5)->property("Tag").toString(), QString("triangolorossograndespesso"));
        QCOMPARE(Blocco_(11)->property("Tag").toString(), Altro.tag());
        QVERIFY(!Blocco_(11)->vuota());

        QVERIFY(Ctl(Id, "Shape1")->isHidden());
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        QCOMPARE(Ctl<Etichetta>(Id, "etEsatti")->text(), QString("esatti"));
        QCOMPARE(Ctl<Etichetta>(Id, "etErrati")->text(), QString("errati"));
        QCOMPARE(Voce(Id, "MenuAzzera")->text(), QString("Azzera conteggio   "));
        QCOMPARE(Voce(Id, "MenuInformazioni")->text(), QString("Informazioni         "));
        QCOMPARE(Voce(Id, "mnuEsci")->text(), QString("Esci"));
    }

    // Four lines in the order shape, colour, size, thickness, in capitals,
    // taken from the described element even when others are drawn after it.
    void descrizione_quattroRigheInOrdine()
    {
        Ambiente a;
        Apri(a, 0, {{0, B("rettangolo", "giallo", "piccolo", "sottile")}});
        const QStringList righe = Ctl<Etichetta>(Id, "EtFrase2")->text().split('\n');
        QCOMPARE(righe, QStringList({"RETTANGOLO", "GIALLO", "PICCOLO", "SOTTILE"}));
    }

    // The described block drawn twice: either copy is right, and the red
    // frame goes onto the copy clicked, not onto the described element.
    void bloccoDoppio_ogniCopiaEGiusta_data()
    {
        QTest::addColumn<int>("cliccato");
        QTest::addColumn<bool>("tastiera");
        QTest::newRow("copia descritta") << 4 << false;
        QTest::newRow("altra copia") << 10 << false;
        QTest::newRow("altra copia con Invio") << 10 << true;
    }
    void bloccoDoppio_ogniCopiaEGiusta()
    {
        QFETCH(int, cliccato);
        QFETCH(bool, tastiera);
        Ambiente a;
        Apri(a, 4, {{10, Cercato}});
        if (tastiera) {
            Blocco_(cliccato)->setFocus();
            QTest::keyClick(Blocco_(cliccato), Qt::Key_Return);
        } else {
            QTest::mouseClick(Blocco_(cliccato), Qt::LeftButton);
        }
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QCOMPARE(Ctl<Etichetta>(Id, "etEsatti")->text(), QString("Esatti   1"));
        QVERIFY(Trova().cornice().ComandoIconaSi->isVisible());
        QVERIFY(!Trova().cornice().ComandoIconaNo->isVisible());
        QCOMPARE(SuoniSi(a), 1);
        QCOMPARE(a.beep, 0);

        QWidget* cornice = Ctl(Id, "Shape1");
        QVERIFY(cornice->isVisible());
        QCOMPARE(cornice->geometry(), Blocco_(cliccato)->geometry());
        for (int k = 0; k < 12; ++k)
            QVERIFY(!Blocco_(k)->isEnabled());
        auto* avanti = Ctl<Bottone>(Id, "bottoneavanti");
        QVERIFY(avanti->isEnabled());
        QCOMPARE(Trova().finestra()->focusWidget(), avanti);
    }

    // Differing in size only is a different block; every wrong click beeps,
    // counts and says "no", and the turn stays open.
    void clicSbagliati_contanoELaRicercaContinua()
    {
        Ambiente a;
        Apri(a, 6, {{1, B("triangolo", "rosso", "piccolo", "spesso")}});
        for (int volte = 0; volte < 3; ++volte)
            QTest::mouseClick(Blocco_(1), Qt::LeftButton);
        QTest::mouseClick(Blocco_(2), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreErrati, qint16(4));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QCOMPARE(a.beep, 4);
        QCOMPARE(a.suono.suonati.size(), 4);
        QVERIFY(a.suono.suonati.last().endsWith("/suoni/no.wav"));
        QCOMPARE(Ctl<Etichetta>(Id, "etErrati")->text(), QString("Errati   4"));
        QVERIFY(Trova().cornice().ComandoIconaNo->isVisible());
        QVERIFY(Ctl(Id, "Shape1")->isHidden());
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        QVERIFY(Blocco_(1)->isEnabled());

        QTest::mouseClick(Blocco_(6), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QVERIFY(!Trova().cornice().ComandoIconaNo->isVisible());
    }

    // Once the block is found the grid is locked: neither the mouse nor the
    // keyboard judges anything more until "avanti".
    void dopoLaRispostaGiusta_laGrigliaNonRisponde()
    {
        Ambiente a;
        Apri(a, 2, {{8, Cercato}});
        QTest::mouseClick(Blocco_(2), Qt::LeftButton);
        const QPoint cornice = Ctl(Id, "Shape1")->pos();
        for (int k : {0, 2, 8, 11})
            QTest::mouseClick(Blocco_(k), Qt::LeftButton);
        QTest::keyClick(Blocco_(8), Qt::Key_Space);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QCOMPARE(a.suono.suonati.size(), 1);
        QCOMPARE(a.beep, 0);
        QCOMPARE(Ctl(Id, "Shape1")->pos(), cornice);
    }

    // "avanti" unlocks the grid, takes the frame away and draws a new turn;
    // the counts go on.
    void avanti_nuovoTurno()
    {
        Ambiente a;
        Apri(a, 3);
        QTest::mouseClick(Blocco_(3), Qt::LeftButton);
        AccodaRicerca(a, 9, {{9, B("rotondo", "blu", "grande", "sottile")}}, 12);
        QTest::mouseClick(Ctl(Id, "bottoneavanti"), Qt::LeftButton);
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(ValoreColore(Trova().finestra()->sfondo()), Modulo1::Palette[12]);
        QCOMPARE(Trova().Bersaglio, qint16(9));
        QCOMPARE(Ctl<Etichetta>(Id, "EtFrase2")->text().split('\n'),
                 QStringList({"ROTONDO", "BLU", "GRANDE", "SOTTILE"}));
        QVERIFY(Ctl(Id, "Shape1")->isHidden());
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        for (int k = 0; k < 12; ++k)
            QVERIFY(Blocco_(k)->isEnabled());
        QCOMPARE(Trova().finestra()->focusWidget(), Blocco_(0));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));

        // The old block is now wrong, the new one right.
        QTest::mouseClick(Blocco_(3), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreErrati, qint16(1));
        QTest::mouseClick(Blocco_(9), Qt::LeftButton);
        QCOMPARE(Ctl<Etichetta>(Id, "etEsatti")->text(), QString("Esatti   2"));
    }

    // The resizer scales from the places it recorded at load; the frame must
    // stay on the block it framed when the window changes size afterwards.
    void cornice_restaSulBloccoSeLaFinestraCambiaMisura()
    {
        Ambiente a;
        Apri(a, 7);
        QTest::mouseClick(Blocco_(7), Qt::LeftButton);
        FinestraSchermo* f = Trova().finestra();
        const QRect primo = Blocco_(7)->geometry();
        f->resize(700, 520);
        QVERIFY(Blocco_(7)->geometry() != primo);
        QCOMPARE(Ctl(Id, "Shape1")->geometry(), Blocco_(7)->geometry());
        f->resize(1000, 740);
        QCOMPARE(Ctl(Id, "Shape1")->geometry(), Blocco_(7)->geometry());
    }

    // The menu's button opens the screen; leaving and coming back starts
    // afresh: counts 0, design captions, a new turn.
    void dalMenu_eRitornoDopoEsci()
    {
        Ambiente a;
        a.caso.accoda({RndPer(1, 18)});
        Schermi::Mostra(IdSchermo::formMenu);
        a.caso.accoda({RndPer(2, 18)});
        AccodaRicerca(a, 0, {{0, Cercato}});
        QTest::mouseClick(Ctl(IdSchermo::formMenu, "Command8"), Qt::LeftButton);
        SvuotaEventi();
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->caricato());
        QVERIFY(Trova().finestra()->isVisible());
        QTest::mouseClick(Blocco_(0), Qt::LeftButton);

        a.risposte = {RispostaSi};
        a.caso.accoda({RndPer(1, 18)});
        Voce(Id, "mnuEsci")->trigger();
        SvuotaEventi();
        QVERIFY(!Trova().caricato());
        a.caso.accoda({RndPer(2, 18)});
        AccodaRicerca(a, 1, {{1, Cercato}});
        QTest::mouseClick(Ctl(IdSchermo::formMenu, "Command8"), Qt::LeftButton);
        SvuotaEventi();
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QCOMPARE(Trova().Bersaglio, qint16(1));
        QCOMPARE(Ctl<Etichetta>(Id, "etEsatti")->text(), QString("esatti"));
        QVERIFY(Ctl(Id, "Shape1")->isHidden());
        QVERIFY(Blocco_(0)->isEnabled());
    }
};

TESSELO_TEST_MAIN(ProvaFormTrova)
#include "tst_formtrova.moc"
