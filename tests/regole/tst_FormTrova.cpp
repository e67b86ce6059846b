#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Etichetta.h"
#include "controls/Faccia.h"
#include "controls/Immagine.h"
#include "games/FormTrova/FormTrova.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Tradotto.h"

#include <QAction>
#include <map>

namespace {

constexpr IdSchermo Id = IdSchermo::FormTrova;

const Blocco Cercato = B("triangolo", "rosso", "grande", "spesso");
const Blocco Altro = B("quadrato", "blu", "piccolo", "sottile");

FormTrova& Trova() { return Gioco<FormTrova>(Id); }
Immagine* Blocco_(int i) { return Ctl<Immagine>(Id, QString("Image1(%1)").arg(i)); }
QString Testo(const char* nome) { return Ctl<Etichetta>(Id, nome)->text(); }

// Queues one turn's draws: the colour, the described element and the twelve
// blocks (Altro where none is given).
void AccodaRicerca(Ambiente& a, int bersaglio, const std::map<int, Blocco>& blocchi, int colore = 7)
{
    a.caso.accoda({RndPer(colore, 18), RndPer(bersaglio + 1, 12)});
    for (int k = 0; k < 12; ++k)
        a.caso.accoda(RndPerBlocco(blocchi.contains(k) ? blocchi.at(k) : Altro));
}

// Opens the screen from the menu's button on a turn that describes Cercato.
void Apri(Ambiente& a, int bersaglio, std::map<int, Blocco> blocchi = {})
{
    blocchi.emplace(bersaglio, Cercato);
    a.caso.accoda({RndPer(1, 18)});
    Schermi::Mostra(IdSchermo::formMenu);
    a.caso.accoda({RndPer(2, 18)}); // the load step's own colour
    AccodaRicerca(a, bersaglio, blocchi);
    QTest::mouseClick(Ctl(IdSchermo::formMenu, "Command8"), Qt::LeftButton);
    SvuotaEventi();
}

} // namespace

class ProvaFormTrova : public QObject {
    Q_OBJECT
private slots:
    // The load step resets the counts and draws the whole first turn; the
    // activation step draws nothing more. The description reads the four
    // words of the described element in order, in capitals.
    void apertura_primoTurnoProntoAllaCarica()
    {
        Ambiente a;
        Modulo1::ContatoreErrati = 9;
        Apri(a, 5, {{0, B("rotondo", "giallo", "piccolo", "spesso")}});
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->caricato());
        // A draw more at activation would repaint the background or the grid.
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QCOMPARE(ValoreColore(Trova().finestra()->sfondo()), Modulo1::Palette[7]);
        QCOMPARE(Trova().Bersaglio, qint16(5));
        QCOMPARE(Testo("EtFrase2").split(QStringLiteral("\r\n")), Descritte("triangolo", "rosso", "grande", "spesso"));
        QCOMPARE(Blocco_(0)->property("Tag").toString(), QString("rotondogiallopiccolospesso"));
        QCOMPARE(Blocco_(0)->accessibleName(), QString("rotondo giallo piccolo spesso"));
        for (int k = 1; k < 12; ++k)
            QCOMPARE(Blocco_(k)->accessibleName(), (k == 5 ? Cercato : Altro).nome());
        QVERIFY(Ctl(Id, "Shape1")->isHidden());
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        QCOMPARE(Voce(Id, "MenuAzzera")->text(), (Tr("Azzera conteggio") + "   "));
        QCOMPARE(Voce(Id, "MenuInformazioni")->text(), (Tr("Informazioni") + "         "));
    }

    // The described block drawn twice: either copy is right, the red frame
    // goes onto the copy clicked, the grid locks and "avanti" takes the focus.
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
        QCOMPARE(Testo("etEsatti"), (Tr("Esatti") + "   1"));
        QVERIFY(Trova().cornice().ComandoIconaSi->isVisible());
        QCOMPARE(a.beep, 0);
        QVERIFY(Ctl(Id, "Shape1")->isVisible());
        QCOMPARE(Ctl(Id, "Shape1")->geometry(), Blocco_(cliccato)->geometry());
        for (int k = 0; k < 12; ++k)
            QVERIFY(!Blocco_(k)->isEnabled());
        QCOMPARE(Trova().finestra()->focusWidget(), Ctl(Id, "bottoneavanti"));
    }

    // Differing in size only is a different block; every wrong click beeps,
    // counts and says "no", and the turn stays open.
    void clicSbagliati_contanoELaRicercaContinua()
    {
        Ambiente a;
        Apri(a, 6, {{1, B("triangolo", "rosso", "piccolo", "spesso")}});
        for (int k : {1, 1, 1, 2})
            QTest::mouseClick(Blocco_(k), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreErrati, qint16(4));
        QCOMPARE(a.beep, 4);
        QCOMPARE(a.suono.suonati.size(), 4);
        QVERIFY(a.suono.suonati.last().endsWith("/suoni/no.wav"));
        QCOMPARE(Testo("etErrati"), (Tr("Errati") + "   4"));
        QVERIFY(Ctl(Id, "Shape1")->isHidden());
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        QTest::mouseClick(Blocco_(6), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
    }

    // After a right click the grid judges nothing until "avanti", which
    // unlocks it, takes the frame away and draws a new turn.
    void dopoLaRispostaGiusta_soloAvantiProsegue()
    {
        Ambiente a;
        Apri(a, 3, {{8, Cercato}});
        QTest::mouseClick(Blocco_(3), Qt::LeftButton);
        for (int k : {0, 3, 8})
            QTest::mouseClick(Blocco_(k), Qt::LeftButton);
        QTest::keyClick(Blocco_(8), Qt::Key_Space);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QCOMPARE(Ctl(Id, "Shape1")->pos(), Blocco_(3)->pos());

        AccodaRicerca(a, 9, {{9, B("rotondo", "blu", "grande", "sottile")}}, 12);
        QTest::mouseClick(Ctl(Id, "bottoneavanti"), Qt::LeftButton);
        QCOMPARE(Blocco_(11)->accessibleName(), Altro.nome());
        QCOMPARE(ValoreColore(Trova().finestra()->sfondo()), Modulo1::Palette[12]);
        QCOMPARE(Testo("EtFrase2").split(QStringLiteral("\r\n")), Descritte("rotondo", "blu", "grande", "sottile"));
        QVERIFY(Ctl(Id, "Shape1")->isHidden());
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        QCOMPARE(Trova().finestra()->focusWidget(), Blocco_(0));
        QTest::mouseClick(Blocco_(3), Qt::LeftButton);
        QTest::mouseClick(Blocco_(9), Qt::LeftButton);
        QCOMPARE(Testo("etErrati"), (Tr("Errati") + "   1"));
        QCOMPARE(Testo("etEsatti"), (Tr("Esatti") + "   2"));
    }

    // The resizer scales from the places it recorded at load; the frame must
    // stay on the block it framed when the window changes size afterwards.
    void cornice_restaSulBloccoSeLaFinestraCambiaMisura()
    {
        Ambiente a;
        Apri(a, 7);
        QTest::mouseClick(Blocco_(7), Qt::LeftButton);
        const QRect prima = Blocco_(7)->geometry();
        for (QSize misura : {QSize(700, 520), QSize(1000, 740)}) {
            Trova().finestra()->resize(misura);
            QVERIFY(Blocco_(7)->geometry() != prima);
            QCOMPARE(Ctl(Id, "Shape1")->geometry(), Blocco_(7)->geometry());
        }
    }

    // Whatever the draws, what the child sees holds together: a random
    // background, a description of four attribute words that fits at least
    // one block of the grid; a block that does not fit is wrong and leaves
    // the turn open, one that fits is right, gets the frame and locks the
    // grid.
    void semiDiversi_quelCheSiVedeStaInsieme()
    {
        GiocaConOgniSeme(Id, 3, [](int turno) {
            QStringList parole;
            for (const QString& riga : InOrdineItaliano(Testo("EtFrase2").split(QStringLiteral("\r\n"))))
                parole << Interna(riga);
            const QString cercato = parole.join(' ');
            QVERIFY2(BloccoDaNome(cercato), qPrintable(cercato));
            QList<int> giusti, sbagliati;
            for (int k = 0; k < 12; ++k)
                (Blocco_(k)->accessibleName() == cercato ? giusti : sbagliati).append(k);
            QVERIFY(!giusti.isEmpty());
            const qint16 errati = Modulo1::ContatoreErrati;
            if (!sbagliati.isEmpty())
                QTest::mouseClick(Blocco_(sbagliati.last()), Qt::LeftButton);
            QCOMPARE(Modulo1::ContatoreErrati, qint16(errati + !sbagliati.isEmpty()));
            QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
            const int scelto = giusti[turno % giusti.size()];
            QTest::mouseClick(Blocco_(scelto), Qt::LeftButton);
            QCOMPARE(Modulo1::ContatoreEsatti, qint16(turno + 1));
            QCOMPARE(Ctl(Id, "Shape1")->geometry(), Blocco_(scelto)->geometry());
            for (int k = 0; k < 12; ++k)
                QVERIFY(!Blocco_(k)->isEnabled());
            QTest::mouseClick(Ctl(Id, "bottoneavanti"), Qt::LeftButton);
            QVERIFY(Ctl(Id, "Shape1")->isHidden());
        });
    }

    // Leaving and coming back starts afresh: counts 0, a new, unlocked turn.
    void esciEPoiRitorno_nuovoTurno()
    {
        Ambiente a;
        Apri(a, 0);
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
        QCOMPARE(Testo("etEsatti"), Tr("esatti"));
        QVERIFY(Ctl(Id, "Shape1")->isHidden());
        QVERIFY(Blocco_(0)->isEnabled());
    }

    // Grid element n stands at row n / 3 and column n mod 3, counted from the
    // top left, at any window size.
    void griglia_righeEColonne()
    {
        Ambiente a;
        Apri(a, 0);
        for (QSize dimensione : {QSize(1024, 700), QSize(640, 520)}) {
            Ridimensiona(Id, dimensione);
            for (int n = 0; n < 12; ++n)
                for (int m = 0; m < 12; ++m) {
                    const QPoint p = NellaFinestra(Id, QString("Image1(%1)").arg(n)).center();
                    const QPoint q = NellaFinestra(Id, QString("Image1(%1)").arg(m)).center();
                    auto segno = [](int v) { return (v > 0) - (v < 0); };
                    QCOMPARE(segno(p.x() - q.x()), segno(n % 3 - m % 3));
                    QCOMPARE(segno(p.y() - q.y()), segno(n / 3 - m / 3));
                }
        }
    }
};

TESSELO_TEST_MAIN(ProvaFormTrova)
#include "tst_FormTrova.moc"
