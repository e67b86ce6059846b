#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Faccia.h"
#include "controls/Immagine.h"
#include "games/form1/form1.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Tradotto.h"

#include <QAction>
#include <QImageReader>
#include <QMenuBar>
#include <QScreen>

namespace {

constexpr IdSchermo F = IdSchermo::form1;
const Blocco RossoGrande = B("triangolo", "rosso", "grande", "spesso");
const Blocco BluGrande = B("triangolo", "blu", "grande", "spesso");
const Blocco BluPiccolo = B("quadrato", "blu", "piccolo", "sottile");

enum { Forma = 1, Dimensione = 2, Spessore = 3, Colore = 4 };

// Queues one turn: the attribute, the turn's background colour and two blocks.
void Turno(Ambiente& a, int attributo, const Blocco& sinistra, const Blocco& destra, int colore = 2)
{
    a.caso.accoda({RndPer(attributo, 4), RndPer(colore, 18)});
    a.caso.accoda(RndPerBlocco(sinistra));
    a.caso.accoda(RndPerBlocco(destra));
}

form1& Apri(Ambiente& a, int attributo, const Blocco& sinistra, const Blocco& destra)
{
    a.caso.accoda({RndPer(1, 18)}); // the load step's colour
    Turno(a, attributo, sinistra, destra);
    Schermi::Mostra(F);
    return Gioco<form1>(F);
}

QString Testo(const char* nome) { return Ctl<QLabel>(F, nome)->text(); }
void Clic(const char* nome) { QTest::mouseClick(Ctl(F, nome), Qt::LeftButton); }
bool Visibile(const char* nome) { return Ctl(F, nome)->isVisible(); }

} // namespace

Q_DECLARE_METATYPE(Blocco)

class ProvaCorniceForm1 : public QObject {
    Q_OBJECT
private slots:
    void apertura_designDellaCornice()
    {
        Ambiente a;
        Modulo1::ContatoreEsatti = 5;
        Apri(a, Colore, RossoGrande, BluGrande);
        FinestraSchermo* f = Gioco<form1>(F).finestra();
        QCOMPARE(f->geometry(), f->screen()->geometry());
        QCOMPARE(f->windowTitle(), QString());
        QCOMPARE(Testo("etEsatti"), Tr("esatti"));
        QCOMPARE(Testo("etErrati"), Tr("errati"));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QVERIFY(!Visibile("ComandoIconaSi") && !Visibile("ComandoIconaNo"));
        QStringList menu;
        for (QAction* azione : f->findChild<QMenuBar*>()->actions())
            menu << azione->text();
        QCOMPARE(menu, (QStringList{Tr("Azzera conteggio") + "   ", Tr("Informazioni") + "     ", Tr("Esci")}));
        // Menus stay readable on any window colour.
        QCOMPARE(f->findChild<QMenuBar*>()->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Window));
        QVERIFY(f->sfondo() != QApplication::palette().color(QPalette::Window));
        QCOMPARE(Ctl<QWidget>(F, "ComandoIconaSi")->geometry(), Ctl<QWidget>(F, "ComandoIconaNo")->geometry());
        QCOMPARE(Ctl<Faccia>(F, "ComandoIconaNo")->accessibleName(), Tr("sbagliato"));
    }

    void risposte_didascalieEFacceSiScambiano()
    {
        Ambiente a;
        Apri(a, Colore, RossoGrande, BluGrande);
        Clic("UGUALI");
        QCOMPARE(Testo("etErrati"), (Tr("errati") + "   1"));
        QVERIFY(Visibile("ComandoIconaNo") && !Visibile("ComandoIconaSi"));
        QCOMPARE(a.suono.suonati.last().section('/', -1), QString("no.wav"));
        Clic("UGUALI");
        QCOMPARE(Testo("etErrati"), (Tr("errati") + "   2"));
        QVERIFY(Ctl(F, "UGUALI")->isEnabled());
        Clic("DIVERSI");
        QCOMPARE(Testo("etEsatti"), (Tr("esatti") + "   1"));
        QVERIFY(Visibile("ComandoIconaSi") && !Visibile("ComandoIconaNo"));
        QVERIFY(a.suono.suonati.last().section('/', -1).startsWith("si"));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(2));
    }

    void conteggi_dieciSiScriveInteroE32767NonTrabocca()
    {
        Ambiente a;
        Apri(a, Colore, BluGrande, BluPiccolo);
        Modulo1::ContatoreEsatti = 9;
        Clic("UGUALI");
        QCOMPARE(Testo("etEsatti"), (Tr("esatti") + "   10"));
        Modulo1::ContatoreErrati = 32767;
        Gioco<form1>(F).RispostaErrata();
        QCOMPARE(Modulo1::ContatoreErrati, qint16(32767));
        QCOMPARE(Testo("etErrati"), (Tr("errati") + "   32767"));
        QCOMPARE(SchermoGioco::Didascalia(Tr("esatti"), -3), (Tr("esatti") + "  -3"));
    }

    void azzera_soloIConteggiEDidascalie()
    {
        Ambiente a;
        form1& g = Apri(a, Colore, RossoGrande, BluGrande);
        Clic("UGUALI");
        Voce(F, "mnu1")->trigger();
        QCOMPARE(Testo("etEsatti"), (Tr("Esatti") + " 0"));
        QCOMPARE(Testo("etErrati"), (Tr("Errati") + " 0"));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QVERIFY(Visibile("ComandoIconaNo"));
        QCOMPARE(g.Attributo, qint16(Colore));
        Clic("DIVERSI");
        QCOMPARE(Testo("etEsatti"), (Tr("esatti") + "   1"));
        QCOMPARE(Testo("etErrati"), (Tr("Errati") + " 0"));
    }

    // Closing a message box over the window must not run the activation
    // step again: the counts and the turn stay.
    void esciNoEInformazioni_nonRicominciano()
    {
        Ambiente a;
        form1& g = Apri(a, Colore, RossoGrande, BluGrande);
        Clic("UGUALI");
        const int estratti = a.caso.estratti;
        a.risposte = {RispostaNo};
        Voce(F, "mnuEsci")->trigger();
        QCOMPARE(a.messaggi.last().testo, Tr("Vuoi tornare al menù?"));
        QCOMPARE(a.messaggi.last().stile, int(StileDomanda));
        Voce(F, "mnu3")->trigger();
        QCOMPARE(a.messaggi.last().stile, int(StileInformazione));
        Schermi::Mostra(F); // the window shown again, as after a message box
        QCOMPARE(a.caso.estratti, estratti);
        QCOMPARE(Testo("etErrati"), (Tr("errati") + "   1"));
        QCOMPARE(g.ValoriConfronto[1], QString("blu"));
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->caricato());
    }

    void esciSi_tornaAlMenuERiaprendoRiparteDaCapo()
    {
        Ambiente a;
        Apri(a, Colore, RossoGrande, BluGrande);
        Clic("UGUALI");
        a.risposte = {RispostaSi};
        Voce(F, "mnuEsci")->trigger();
        SvuotaEventi();
        QVERIFY(Schermi::Trova(IdSchermo::formMenu)->caricato());
        QVERIFY(!Gioco<form1>(F).caricato());
        // Back through the menu button, as a child would.
        a.caso.accoda({RndPer(1, 18)});
        Turno(a, Forma, BluGrande, BluPiccolo);
        QTest::mouseClick(Ctl(IdSchermo::formMenu, "Command1"), Qt::LeftButton);
        SvuotaEventi();
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->caricato());
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QCOMPARE(Testo("etErrati"), Tr("errati"));
        QCOMPARE(Testo("Label1"), Su("forma"));
        QVERIFY(!Visibile("ComandoIconaNo"));
    }

    void stessoBlocco_ugualeEGiustoPerOgniAttributo_data()
    {
        QTest::addColumn<int>("attributo");
        QTest::addColumn<QString>("etichetta");
        QTest::addColumn<QString>("diversi");
        QTest::newRow("forma") << int(Forma) << Su("forma") << Tr("DIVERSA");
        QTest::newRow("dimensione") << int(Dimensione) << Su("dimensione") << Tr("DIVERSA");
        QTest::newRow("spessore") << int(Spessore) << Su("spessore") << Tr("DIVERSO");
        QTest::newRow("colore") << int(Colore) << Su("colore") << Tr("DIVERSO");
    }
    void stessoBlocco_ugualeEGiustoPerOgniAttributo()
    {
        QFETCH(int, attributo);
        QFETCH(QString, etichetta);
        QFETCH(QString, diversi);
        Ambiente a;
        Apri(a, attributo, BluPiccolo, BluPiccolo);
        QCOMPARE(Testo("Label1"), etichetta);
        QCOMPARE(Ctl<Bottone>(F, "DIVERSI")->text(), diversi);
        QCOMPARE(Ctl<Bottone>(F, "UGUALI")->text(), Tr("UGUALE"));
        Clic("DIVERSI");
        QCOMPARE(Modulo1::ContatoreErrati, qint16(1));
        Clic("UGUALI");
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
    }

    // A right answer, with either button, turns the button just clicked red
    // and leaves the other as it was; both are locked until "avanti".
    void rispostaGiusta_bloccaIBottoniESegnaInRosso_data()
    {
        QTest::addColumn<QString>("premuto");
        QTest::addColumn<QString>("altro");
        QTest::addColumn<Blocco>("destra");
        QTest::newRow("DIVERSA") << "DIVERSI" << "UGUALI" << BluPiccolo;
        QTest::newRow("UGUALE") << "UGUALI" << "DIVERSI" << B("quadrato", "blu", "grande", "sottile");
    }
    void rispostaGiusta_bloccaIBottoniESegnaInRosso()
    {
        QFETCH(QString, premuto);
        QFETCH(QString, altro);
        QFETCH(Blocco, destra);
        Ambiente a;
        Apri(a, Dimensione, RossoGrande, destra);
        const QColor prima = SfondoDi(Ctl(F, altro));
        Clic(qPrintable(premuto));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QVERIFY(!Ctl(F, "UGUALI")->isEnabled() && !Ctl(F, "DIVERSI")->isEnabled());
        QVERIFY(Ctl(F, "bottoneavanti")->isEnabled());
        QCOMPARE(ValoreColore(SfondoDi(Ctl(F, premuto))), quint32(0x000000FF));
        QCOMPARE(SfondoDi(Ctl(F, altro)), prima);
        QVERIFY(ValoreColore(prima) != quint32(0x000000FF));
        Clic("DIVERSI"); // disabled: nothing happens
        Clic("UGUALI");
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
    }

    void aiuto_riempieLeFigureDellAttributoInOrdine_data()
    {
        QTest::addColumn<int>("attributo");
        QTest::addColumn<QStringList>("nomi");
        QTest::newRow("forma") << int(Forma) << QStringList{"rotondo", "quadrato", "rettangolo", "triangolo"};
        QTest::newRow("dimensione") << int(Dimensione) << QStringList{"grande", "piccolo", "", ""};
        QTest::newRow("spessore") << int(Spessore) << QStringList{"spesso", "sottile", "", ""};
        QTest::newRow("colore") << int(Colore) << QStringList{"rosso", "giallo", "blu", ""};
    }
    void aiuto_riempieLeFigureDellAttributoInOrdine()
    {
        QFETCH(int, attributo);
        QFETCH(QStringList, nomi);
        Ambiente a;
        MediaDistinti media;
        Apri(a, attributo, RossoGrande, BluGrande);
        Clic("Command1");
        Clic("Command1"); // any number of times, never counted
        for (int i = 0; i < 4; ++i) {
            auto* figura = Ctl<Immagine>(F, QString("Image%1").arg(i + 3));
            QCOMPARE(figura->accessibleName(), nomi[i]);
            QCOMPARE(figura->vuota(), nomi[i].isEmpty());
            if (figura->vuota())
                continue;
            // The file's picture: the round shape's help is cerchio.jpg.
            const QString file = nomi[i] == "rotondo" ? QStringLiteral("cerchio") : nomi[i];
            QImageReader lettore(media.cartella() + "/jpg/" + file + ".jpg");
            lettore.setScaledSize(figura->immagine().size());
            QCOMPARE(figura->immagine(), lettore.read());
        }
        QCOMPARE(Modulo1::ContatoreEsatti + Modulo1::ContatoreErrati, 0);
        QVERIFY(a.suono.suonati.isEmpty());
    }

    void avanti_nuovoTurnoGrigioEAiutoSvuotato()
    {
        Ambiente a;
        Apri(a, Forma, RossoGrande, BluGrande);
        Clic("Command1");
        Clic("UGUALI");
        Turno(a, Spessore, BluGrande, BluPiccolo, 13);
        auto* avanti = Ctl<Bottone>(F, "bottoneavanti");
        avanti->setFocus();
        QTest::keyClick(avanti, Qt::Key_Space);
        QCOMPARE(Testo("Label1"), Su("spessore"));
        QCOMPARE(ValoreColore(Gioco<form1>(F).finestra()->sfondo()), Modulo1::Palette[13]);
        QCOMPARE(Ctl<Immagine>(F, "Image1")->accessibleName(), QString("triangolo blu grande spesso"));
        for (int i = 3; i <= 6; ++i)
            QVERIFY(Ctl<Immagine>(F, QString("Image%1").arg(i))->vuota());
        QVERIFY(!avanti->isEnabled());
        for (const char* b : {"UGUALI", "DIVERSI"}) {
            QVERIFY(Ctl(F, b)->isEnabled());
            QCOMPARE(ValoreColore(SfondoDi(Ctl(F, b))), quint32(0x00E0E0E0));
        }
        QVERIFY(Visibile("ComandoIconaSi")); // the last answer's face stays
    }
};

TESSELO_TEST_MAIN(ProvaCorniceForm1)
#include "tst_form1.moc"
