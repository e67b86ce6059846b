#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Faccia.h"
#include "controls/Immagine.h"
#include "games/zirp3/zirp3.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Tradotto.h"

#include <QImageReader>

namespace {

constexpr IdSchermo Id = IdSchermo::zirp3;

const QColor Grigio(224, 224, 224);
const QColor Rosso(255, 0, 0);

// Condition ROSSO (colour), and blocks that have it or not.
const Blocco RiferimentoRosso = B("quadrato", "rosso", "grande", "spesso");
const Blocco Rosso1 = B("triangolo", "rosso", "piccolo", "sottile");
const Blocco Rosso2 = B("rotondo", "rosso", "grande", "spesso");
const Blocco Blu = B("triangolo", "blu", "grande", "spesso");
const Blocco Giallo = B("quadrato", "giallo", "piccolo", "sottile");
// Four red blocks among nine, at 0, 2, 5 and 8.
const QList<Blocco> QuattroRossi{Rosso1, Blu, Rosso2, Giallo, Blu, Rosso1, Giallo, Giallo, Rosso2};

zirp3& Quanti() { return Gioco<zirp3>(Id); }
Immagine* Blocco_(int i) { return Ctl<Immagine>(Id, QString("Image1(%1)").arg(i)); }
Bottone* Numero(int n) { return Ctl<Bottone>(Id, QString("NUMERI(%1)").arg(n)); }

// Queues one turn's draws: the reference block, the colour, the criterion
// and the nine blocks.
void AccodaTurno(Ambiente& a, const Blocco& riferimento, int criterio, const QList<Blocco>& blocchi,
                 int colore = 9)
{
    a.caso.accoda(RndPerBlocco(riferimento));
    a.caso.accoda({RndPer(colore, 18), RndPer(criterio, 4)});
    for (const Blocco& b : blocchi)
        a.caso.accoda(RndPerBlocco(b));
}

// Opens the screen from the menu's button.
void Apri(Ambiente& a, const Blocco& riferimento = RiferimentoRosso, int criterio = CriterioColore,
          const QList<Blocco>& blocchi = QuattroRossi)
{
    a.caso.accoda({RndPer(1, 18)});
    Schermi::Mostra(IdSchermo::formMenu);
    a.caso.accoda({RndPer(4, 18)}); // the load step's own colour
    AccodaTurno(a, riferimento, criterio, blocchi);
    QTest::mouseClick(Ctl(IdSchermo::formMenu, "Command3"), Qt::LeftButton);
    SvuotaEventi();
}

} // namespace

class ProvaZirp3 : public QObject {
    Q_OBJECT
private slots:
    // The activation step resets the counts and draws the first turn: the
    // reference block first, then the colour, the criterion and nine blocks.
    void apertura_condizioneENoveBlocchi()
    {
        Ambiente a;
        Modulo1::ContatoreEsatti = 3;
        Apri(a);
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->caricato());
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(a.caso.estratti, 1 + 1 + 4 + 2 + 9 * 4);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QCOMPARE(ValoreColore(Quanti().finestra()->sfondo()), Modulo1::Palette[9]);
        QCOMPARE(Quanti().NumeroGiusti, qint16(4));
        QCOMPARE(Quanti().Attributi[0], QString("rosso"));
        QCOMPARE(Quanti().Attributi[2], QString("blu"));
        QCOMPARE(Ctl<Etichetta>(Id, "Label1")->text(), Su("rosso"));
        QCOMPARE(Ctl<Etichetta>(Id, "Label2")->text(),
                 Tr("Puoi cliccare sui blocchi che non rispettano la condizione per cancellarli"));
        for (int n = 0; n < 10; ++n)
            QVERIFY(Numero(n)->text() == QString::number(n) && Numero(n)->isEnabled());
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
    }

    // The picture is looked up under the word shown, in capitals, and found
    // whatever the case of the file's name: ROTONDO finds rotondo.jpg.
    void immagineDellaCondizione_data()
    {
        QTest::addColumn<int>("criterio");
        QTest::addColumn<QString>("parola");
        const std::pair<int, QStringList> tipi[] = {{CriterioForma, Parole::Forme},
                                                    {CriterioColore, Parole::Colori},
                                                    {CriterioDimensione, Parole::Dimensioni},
                                                    {CriterioSpessore, Parole::Spessori}};
        for (const auto& [criterio, parole] : tipi)
            for (const QString& parola : parole)
                QTest::newRow(qPrintable(parola)) << criterio << parola;
    }
    void immagineDellaCondizione()
    {
        QFETCH(int, criterio);
        QFETCH(QString, parola);
        Ambiente a;
        MediaDistinti media;
        Blocco riferimento = RiferimentoRosso;
        QString* parole[] = {&riferimento.forma, &riferimento.colore, &riferimento.dimensione,
                             &riferimento.spessore};
        *parole[criterio - 1] = parola;
        Apri(a, riferimento, criterio);
        QCOMPARE(Ctl<Etichetta>(Id, "Label1")->text(), Su(parola));
        const Immagine* figura = Ctl<Immagine>(Id, "Image2");
        QVERIFY(!figura->vuota());
        // The file's picture, at the size the control decoded it for its box.
        QImageReader file(Modulo1::CartellaApplicazione() + "/jpg/" + parola + ".jpg");
        file.setScaledSize(figura->immagine().size());
        QCOMPARE(figura->immagine(), file.read());
        QCOMPARE(figura->accessibleName(), parola);
    }

    // 0 and 9 are answers like any other. A right number turns its button
    // pure red, locks all ten and hands the focus to "avanti".
    void rispostaGiusta_data()
    {
        QTest::addColumn<QList<Blocco>>("blocchi");
        QTest::addColumn<int>("giusti");
        QTest::newRow("nessun blocco adatto") << QList<Blocco>{Blu, Giallo, Blu, Giallo, Blu, Giallo, Blu,
                                                               Giallo, Blu}
                                              << 0;
        QTest::newRow("quattro") << QuattroRossi << 4;
        QTest::newRow("tutti e nove") << QList<Blocco>(9, Rosso2) << 9;
    }
    void rispostaGiusta()
    {
        QFETCH(QList<Blocco>, blocchi);
        QFETCH(int, giusti);
        Ambiente a;
        Apri(a, RiferimentoRosso, CriterioColore, blocchi);
        QTest::mouseClick(Numero(giusti), Qt::LeftButton);
        QCOMPARE(Ctl<Etichetta>(Id, "etEsatti")->text(), (Tr("esatti") + "   1"));
        QVERIFY(Quanti().cornice().ComandoIconaSi->isVisible());
        for (int n = 0; n < 10; ++n) {
            QVERIFY(!Numero(n)->isEnabled());
            QCOMPARE(SfondoDi(Numero(n)), n == giusti ? Rosso : Grigio);
        }
        // What the child sees is the colour itself, not a paler tint of it.
        const QImage faccia = Numero(giusti)->grab().toImage();
        QCOMPARE(faccia.pixelColor(6, faccia.height() / 2), Rosso);
        QCOMPARE(Quanti().finestra()->focusWidget(), Ctl(Id, "bottoneavanti"));
        QTest::mouseClick(Numero((giusti + 1) % 10), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
    }

    // Each wrong number counts once and says "no"; the turn stays open.
    void numeriSbagliati_ilTurnoRestaAperto()
    {
        Ambiente a;
        Apri(a);
        QTest::mouseClick(Numero(3), Qt::LeftButton);
        QTest::mouseClick(Numero(5), Qt::LeftButton);
        Numero(0)->setFocus();
        QTest::keyClick(Numero(0), Qt::Key_Space);
        QCOMPARE(Ctl<Etichetta>(Id, "etErrati")->text(), (Tr("errati") + "   3"));
        QCOMPARE(a.suono.suonati.size(), 3);
        QVERIFY(a.suono.suonati.last().endsWith("/suoni/no.wav"));
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        for (int n = 0; n < 10; ++n)
            QVERIFY(Numero(n)->isEnabled() && SfondoDi(Numero(n)) == Grigio);
    }

    // Hiding blocks only clears the view: the right answer stays what it was,
    // and "ricomincia" shows them all again without drawing anything.
    void blocchiNascosti_contanoAncora()
    {
        Ambiente a;
        Apri(a);
        for (int k : {0, 2, 1})
            QTest::mouseClick(Blocco_(k), Qt::LeftButton);
        QVERIFY(Blocco_(0)->isHidden() && Blocco_(1)->isHidden() && !Blocco_(3)->isHidden());
        QVERIFY(a.suono.suonati.isEmpty());

        const int estratti = a.caso.estratti;
        QTest::mouseClick(Ctl(Id, "Command1"), Qt::LeftButton);
        for (int k = 0; k < 9; ++k)
            QVERIFY(!Blocco_(k)->isHidden());
        QCOMPARE(a.caso.estratti, estratti);
        QCOMPARE(Blocco_(0)->accessibleName(), Rosso1.nome());

        QTest::mouseClick(Blocco_(5), Qt::LeftButton);
        QTest::mouseClick(Numero(4), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
    }

    // "avanti" draws a new turn, turns all ten numbers back to light grey
    // (the red one too), enables them and shows every block again.
    void avanti_ripristinaNumeriEBlocchi()
    {
        Ambiente a;
        Apri(a);
        QTest::mouseClick(Blocco_(6), Qt::LeftButton);
        QTest::mouseClick(Numero(4), Qt::LeftButton);
        AccodaTurno(a, B("rotondo", "giallo", "piccolo", "sottile"), CriterioForma,
                    {Rosso2, Rosso2, Blu, Giallo, Blu, Rosso1, Giallo, Giallo, Rosso2}, 13);
        QTest::mouseClick(Ctl(Id, "bottoneavanti"), Qt::LeftButton);
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(ValoreColore(Quanti().finestra()->sfondo()), Modulo1::Palette[13]);
        QCOMPARE(Ctl<Etichetta>(Id, "Label1")->text(), Su("rotondo"));
        for (int n = 0; n < 10; ++n)
            QVERIFY(Numero(n)->isEnabled() && SfondoDi(Numero(n)) == Grigio);
        for (int k = 0; k < 9; ++k)
            QVERIFY(!Blocco_(k)->isHidden());
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        QCOMPARE(Quanti().finestra()->focusWidget(), Blocco_(0));
        QTest::mouseClick(Numero(3), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(2));
    }

    // "ricomincia" and "avanti" show all nine blocks again, the last one
    // too, whichever were hidden.
    void ricominciaEAvanti_mostranoTuttiINove()
    {
        Ambiente a;
        Apri(a);
        const auto tuttiVisibili = [] {
            for (int k = 0; k < 9; ++k)
                if (!Blocco_(k)->isVisible())
                    return false;
            return true;
        };
        const auto nascondiTutti = [] {
            for (int k = 0; k < 9; ++k)
                QTest::mouseClick(Blocco_(k), Qt::LeftButton);
        };
        nascondiTutti();
        QTest::mouseClick(Ctl(Id, "Command1"), Qt::LeftButton);
        QVERIFY(tuttiVisibili());
        nascondiTutti();
        QTest::mouseClick(Numero(4), Qt::LeftButton);
        AccodaTurno(a, RiferimentoRosso, CriterioColore, QuattroRossi);
        QTest::mouseClick(Ctl(Id, "bottoneavanti"), Qt::LeftButton);
        QVERIFY(tuttiVisibili());
    }

    // A block hidden from the keyboard hands the focus to the next block
    // still shown; with every block hidden, to "ricomincia".
    void tastiera_ilFuocoSegueIBlocchiRimasti()
    {
        Ambiente a;
        Apri(a);
        FinestraSchermo* f = Quanti().finestra();
        Blocco_(4)->setFocus();
        QTest::keyClick(Blocco_(4), Qt::Key_Space);
        QCOMPARE(f->focusWidget(), Blocco_(5));
        QTest::mouseClick(Blocco_(0), Qt::LeftButton);
        Blocco_(8)->setFocus();
        QTest::keyClick(Blocco_(8), Qt::Key_Return);
        for (int k : {1, 2, 3, 5, 6, 7}) {
            QCOMPARE(f->focusWidget(), Blocco_(k));
            QTest::keyClick(Blocco_(k), Qt::Key_Space);
        }
        QCOMPARE(f->focusWidget(), Ctl(Id, "Command1"));
        QTest::keyClick(Ctl(Id, "Command1"), Qt::Key_Return);
        QVERIFY(!Blocco_(0)->isHidden());
    }
};

TESSELO_TEST_MAIN(ProvaZirp3)
#include "tst_zirp3.moc"
