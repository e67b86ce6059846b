#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Faccia.h"
#include "controls/Immagine.h"
#include "games/zirp3/zirp3.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"

#include <QAction>
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

zirp3& Quanti()
{
    return Gioco<zirp3>(Id);
}

Immagine* Blocco_(int i)
{
    return Ctl<Immagine>(Id, QString("Image1(%1)").arg(i));
}

Bottone* Numero(int n)
{
    return Ctl<Bottone>(Id, QString("NUMERI(%1)").arg(n));
}

// Queues the draws of one turn: the reference block, the background colour,
// the criterion and the nine blocks.
void AccodaTurno(Ambiente& a, const Blocco& riferimento, int criterio, const QList<Blocco>& blocchi,
                 int colore = 9)
{
    Q_ASSERT(blocchi.size() == 9);
    a.caso.accoda(RndPerBlocco(riferimento));
    a.caso.accoda({RndPer(colore, 18), RndPer(criterio, 4)});
    for (const Blocco& b : blocchi)
        a.caso.accoda(RndPerBlocco(b));
}

void Apri(Ambiente& a, const Blocco& riferimento, int criterio, const QList<Blocco>& blocchi)
{
    a.caso.accoda({RndPer(4, 18)}); // the load step's own colour
    AccodaTurno(a, riferimento, criterio, blocchi);
    Schermi::Mostra(Id);
}

// Four red blocks among nine, at 0, 2, 5 and 8.
const QList<Blocco> QuattroRossi{Rosso1, Blu, Rosso2, Giallo, Blu, Rosso1, Giallo, Giallo, Rosso2};

void ApriQuattroRossi(Ambiente& a)
{
    Apri(a, RiferimentoRosso, CriterioColore, QuattroRossi);
}

QImage ImmagineDelFile(const QString& nome)
{
    return QImageReader(Modulo1::CartellaApplicazione() + "/jpg/" + nome).read();
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
        Modulo1::ContatoreErrati = 8;
        ApriQuattroRossi(a);
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(a.caso.estratti, 1 + 4 + 2 + 9 * 4);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QCOMPARE(ValoreColore(Quanti().finestra()->sfondo()), Modulo1::Palette[9]);

        QCOMPARE(Quanti().Criterio, qint16(CriterioColore));
        QCOMPARE(Quanti().NumeroGiusti, qint16(4));
        QCOMPARE(Quanti().Attributi[0], QString("rosso"));
        QCOMPARE(Quanti().Attributi[2], QString("blu"));
        QCOMPARE(Quanti().Attributi[9], QString("rosso"));
        QCOMPARE(Ctl<Etichetta>(Id, "Label1")->text(), QString("ROSSO"));
        QCOMPARE(Ctl<Immagine>(Id, "Image2")->accessibleName(), QString("rosso"));
        QCOMPARE(Ctl<Immagine>(Id, "Image2")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(Blocco_(3)->accessibleName(), QString("quadrato giallo piccolo sottile"));

        for (int n = 0; n < 10; ++n) {
            QCOMPARE(Numero(n)->text(), QString::number(n));
            QCOMPARE(SfondoDi(Numero(n)), Grigio);
            QVERIFY(Numero(n)->isEnabled());
        }
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        QCOMPARE(Ctl<Bottone>(Id, "Command1")->text(), QString("ricomincia"));
        QCOMPARE(Ctl<Etichetta>(Id, "Label2")->text(),
                 QString("Puoi cliccare sui blocchi che non rispettano la condizione per cancellarli"));
        QCOMPARE(Ctl<Etichetta>(Id, "etEsatti")->text(), QString("esatti"));
        QCOMPARE(Voce(Id, "mnu1")->text(), QString("Azzera conteggio   "));
        QCOMPARE(Voce(Id, "mnu3")->text(), QString("Informazioni     "));
        QCOMPARE(Voce(Id, "mnuEsci")->text(), QString("Esci"));
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
        Blocco riferimento = RiferimentoRosso;
        switch (criterio) {
        case CriterioForma: riferimento.forma = parola; break;
        case CriterioColore: riferimento.colore = parola; break;
        case CriterioDimensione: riferimento.dimensione = parola; break;
        default: riferimento.spessore = parola; break;
        }
        Apri(a, riferimento, criterio, QList<Blocco>(9, Blu));
        QCOMPARE(Ctl<Etichetta>(Id, "Label1")->text(), parola.toUpper());
        const Immagine* figura = Ctl<Immagine>(Id, "Image2");
        QVERIFY(!figura->vuota());
        QCOMPARE(figura->immagine(), ImmagineDelFile(parola + ".jpg"));
        QCOMPARE(figura->accessibleName(), parola);
    }

    // No draw is repeated: 0 and 9 are answers like any other. A right number
    // turns its button red, locks all ten and enables "avanti".
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
        QCOMPARE(Quanti().NumeroGiusti, qint16(giusti));
        QTest::mouseClick(Numero(giusti), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QCOMPARE(Ctl<Etichetta>(Id, "etEsatti")->text(), QString("esatti   1"));
        QVERIFY(Quanti().cornice().ComandoIconaSi->isVisible());
        QVERIFY(a.suono.suonati.last().contains("/suoni/si"));
        for (int n = 0; n < 10; ++n) {
            QVERIFY(!Numero(n)->isEnabled());
            QCOMPARE(SfondoDi(Numero(n)), n == giusti ? Rosso : Grigio);
        }
        // What the child sees is the colour itself, not a paler tint of it.
        const QImage faccia = Numero(giusti)->grab().toImage();
        QCOMPARE(faccia.pixelColor(6, faccia.height() / 2), Rosso);
        auto* avanti = Ctl<Bottone>(Id, "bottoneavanti");
        QVERIFY(avanti->isEnabled());
        QCOMPARE(Quanti().finestra()->focusWidget(), avanti);

        // Locked numbers judge nothing more.
        QTest::mouseClick(Numero(giusti), Qt::LeftButton);
        QTest::mouseClick(Numero((giusti + 1) % 10), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
    }

    // Each wrong number counts once and says "no"; the turn stays open.
    void numeriSbagliati_ilTurnoRestaAperto()
    {
        Ambiente a;
        ApriQuattroRossi(a);
        QTest::mouseClick(Numero(3), Qt::LeftButton);
        QTest::mouseClick(Numero(5), Qt::LeftButton);
        Numero(0)->setFocus();
        QTest::keyClick(Numero(0), Qt::Key_Space);
        QCOMPARE(Modulo1::ContatoreErrati, qint16(3));
        QCOMPARE(Ctl<Etichetta>(Id, "etErrati")->text(), QString("errati   3"));
        QCOMPARE(a.suono.suonati.size(), 3);
        QVERIFY(a.suono.suonati.last().endsWith("/suoni/no.wav"));
        QVERIFY(Quanti().cornice().ComandoIconaNo->isVisible());
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        for (int n = 0; n < 10; ++n) {
            QVERIFY(Numero(n)->isEnabled());
            QCOMPARE(SfondoDi(Numero(n)), Grigio);
        }
        Numero(4)->setFocus();
        QTest::keyClick(Numero(4), Qt::Key_Return);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
    }

    // Hiding blocks only clears the view: the right answer stays what it was,
    // and "ricomincia" shows them all again without drawing anything.
    void blocchiNascosti_contanoAncora()
    {
        Ambiente a;
        ApriQuattroRossi(a);
        for (int k : {0, 2, 1})
            QTest::mouseClick(Blocco_(k), Qt::LeftButton);
        QVERIFY(Blocco_(0)->isHidden());
        QVERIFY(Blocco_(1)->isHidden());
        QVERIFY(!Blocco_(3)->isHidden());
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QVERIFY(a.suono.suonati.isEmpty());

        const int estratti = a.caso.estratti;
        QTest::mouseClick(Ctl(Id, "Command1"), Qt::LeftButton);
        for (int k = 0; k < 9; ++k)
            QVERIFY(!Blocco_(k)->isHidden());
        QCOMPARE(a.caso.estratti, estratti);
        QCOMPARE(Ctl<Etichetta>(Id, "Label1")->text(), QString("ROSSO"));
        QCOMPARE(Blocco_(0)->accessibleName(), Rosso1.nome());

        QTest::mouseClick(Blocco_(5), Qt::LeftButton);
        QTest::mouseClick(Numero(3), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreErrati, qint16(1));
        QTest::mouseClick(Numero(4), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
    }

    // "avanti" draws a new turn, turns all ten numbers back to light grey
    // (the red one too), enables them and shows every block again.
    void avanti_ripristinaNumeriEBlocchi()
    {
        Ambiente a;
        ApriQuattroRossi(a);
        QTest::mouseClick(Blocco_(6), Qt::LeftButton);
        QTest::mouseClick(Numero(4), Qt::LeftButton);
        AccodaTurno(a, B("rotondo", "giallo", "piccolo", "sottile"), CriterioForma,
                    {Rosso2, Rosso2, Blu, Giallo, Blu, Rosso1, Giallo, Giallo, Rosso2}, 13);
        QTest::mouseClick(Ctl(Id, "bottoneavanti"), Qt::LeftButton);
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(ValoreColore(Quanti().finestra()->sfondo()), Modulo1::Palette[13]);
        QCOMPARE(Ctl<Etichetta>(Id, "Label1")->text(), QString("ROTONDO"));
        QCOMPARE(Quanti().NumeroGiusti, qint16(3));
        for (int n = 0; n < 10; ++n) {
            QVERIFY(Numero(n)->isEnabled());
            QCOMPARE(SfondoDi(Numero(n)), Grigio);
        }
        for (int k = 0; k < 9; ++k)
            QVERIFY(!Blocco_(k)->isHidden());
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        QCOMPARE(Quanti().finestra()->focusWidget(), Blocco_(0));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QTest::mouseClick(Numero(3), Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(2));
    }

    // A block hidden from the keyboard hands the focus to the next block
    // still shown; with every block hidden, to "ricomincia".
    void tastiera_ilFuocoSegueIBlocchiRimasti()
    {
        Ambiente a;
        ApriQuattroRossi(a);
        FinestraSchermo* f = Quanti().finestra();
        Blocco_(4)->setFocus();
        QTest::keyClick(Blocco_(4), Qt::Key_Space);
        QVERIFY(Blocco_(4)->isHidden());
        QCOMPARE(f->focusWidget(), Blocco_(5));
        QTest::mouseClick(Blocco_(0), Qt::LeftButton);
        Blocco_(8)->setFocus();
        QTest::keyClick(Blocco_(8), Qt::Key_Return);
        QCOMPARE(f->focusWidget(), Blocco_(1));
        for (int k : {1, 2, 3, 5, 6, 7}) {
            QCOMPARE(f->focusWidget(), Blocco_(k));
            QTest::keyClick(Blocco_(k), Qt::Key_Space);
        }
        QCOMPARE(f->focusWidget(), Ctl(Id, "Command1"));
        QTest::keyClick(Ctl(Id, "Command1"), Qt::Key_Return);
        for (int k = 0; k < 9; ++k)
            QVERIFY(!Blocco_(k)->isHidden());
    }

    void dalMenu_siApreQuantiSono()
    {
        Ambiente a;
        a.caso.accoda({RndPer(1, 18)});
        Schermi::Mostra(IdSchermo::formMenu);
        a.caso.accoda({RndPer(4, 18)});
        AccodaTurno(a, RiferimentoRosso, CriterioColore, QuattroRossi);
        QTest::mouseClick(Ctl(IdSchermo::formMenu, "Command3"), Qt::LeftButton);
        SvuotaEventi();
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->caricato());
        QVERIFY(Quanti().finestra()->isVisible());
        QCOMPARE(Quanti().NumeroGiusti, qint16(4));
    }
};

TESSELO_TEST_MAIN(ProvaZirp3)
#include "tst_zirp3.moc"
