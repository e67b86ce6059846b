#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Faccia.h"
#include "controls/Immagine.h"
#include "controls/Linea.h"
#include "games/zirp8/zirp8.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"

#include <QAction>
#include <QMenuBar>
#include <QSet>

Q_DECLARE_METATYPE(Blocco)

namespace {

constexpr IdSchermo Id = IdSchermo::zirp8;

zirp8& Z()
{
    return Gioco<zirp8>(Id);
}

const zirp8::Controlli& C()
{
    return Z().controlli();
}

// The reference block gives the conditions ROSSO (colour, first fork) and
// GRANDE (size, second forks).
const Blocco Riferimento = B("triangolo", "rosso", "grande", "spesso");

// The area a block belongs to under ROSSO / GRANDE, worked out from the road
// picture: left at the first fork when red, left at the second when big.
int AreaAttesa(const Blocco& b)
{
    const bool rosso = b.colore == "rosso";
    const bool grande = b.dimensione == "grande";
    if (rosso)
        return grande ? 0 : 1;
    return grande ? 2 : 3;
}

// Opens the game: the conditions come from `riferimento` with the kinds c1
// and c2, and `primo` is the first block waiting.
void Apri(Ambiente& a, const Blocco& primo, const Blocco& riferimento = Riferimento, int c1 = CriterioColore,
          int c2 = CriterioDimensione)
{
    Modulo1::ImpostaBloccoCorrente(riferimento);
    a.caso.accoda({RndPer(c1, 4), RndPer(c2, 4)});
    a.caso.accoda(RndPerBlocco(primo));
    Schermi::Mostra(Id);
}

void Clic(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

void ClicArea(int k)
{
    Clic(C().Frame1[k]);
}

// A right answer draws its cheerful sound first, then the next block.
void AccodaProssimo(Ambiente& a, const Blocco& prossimo)
{
    a.caso.accoda({RndPer(1, 4)});
    a.caso.accoda(RndPerBlocco(prossimo));
}

// Places the waiting block in its area, with `prossimo` drawn next.
void Colloca(Ambiente& a, int k, const Blocco& prossimo)
{
    AccodaProssimo(a, prossimo);
    ClicArea(k);
}

void Aiuto()
{
    Clic(C().Command2);
}

QSet<int> PercorsoVisibile()
{
    QSet<int> visibili;
    for (int i = 0; i < 7; ++i)
        if (!C().Line3[i]->isHidden())
            visibili.insert(i);
    return visibili;
}

QSet<int> EtichetteVerdi()
{
    QSet<int> verdi;
    for (int i = 0; i < 6; ++i) {
        const quint32 colore = ValoreColore(SfondoDi(C().Label1[i]));
        if (colore == 0x0080FF80)
            verdi.insert(i);
        else if (colore != 0x00FFFFFF)
            qFatal("label %d neither white nor green", i);
    }
    return verdi;
}

QStringList Didascalie()
{
    QStringList testi;
    for (Etichetta* e : C().Label1)
        testi << e->text();
    return testi;
}

} // namespace

class ProvaZirp8 : public QObject {
    Q_OBJECT
private slots:
    void apertura_primoTurnoPronto()
    {
        Ambiente a;
        Apri(a, B("quadrato", "blu", "piccolo", "sottile"));
        FinestraSchermo* f = Z().finestra();
        QCOMPARE(ValoreColore(f->sfondo()), 0x00C0FFFFu);
        QCOMPARE(Didascalie(), QStringList({"ROSSO", "NON ROSSO", "GRANDE", "NON GRANDE", "GRANDE", "NON GRANDE"}));
        QCOMPARE(C().Image1->accessibleName(), QString("quadrato blu piccolo sottile"));
        QVERIFY(!C().bottoneavanti->isEnabled());
        QCOMPARE(C().bottoneavanti->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(C().Command2->isEnabled());
        QVERIFY(PercorsoVisibile().isEmpty());
        QVERIFY(EtichetteVerdi().isEmpty());
        for (Immagine* casella : C().insieme)
            QVERIFY(casella->vuota());
        QCOMPARE(C().Frame1[0]->accessibleName(), QString("ROSSO, GRANDE"));
        QCOMPARE(C().Frame1[1]->accessibleName(), QString("ROSSO, NON GRANDE"));
        QCOMPARE(C().Frame1[2]->accessibleName(), QString("NON ROSSO, GRANDE"));
        QCOMPARE(C().Frame1[3]->accessibleName(), QString("NON ROSSO, NON GRANDE"));
        QCOMPARE(Z().cornice().etEsatti->text(), QString("esatti"));
        QCOMPARE(Z().cornice().etErrati->text(), QString("errati"));

        QStringList barra;
        for (QAction* voce : f->findChild<QMenuBar*>()->actions())
            barra << voce->text();
        QCOMPARE(barra, QStringList({"Azzera conteggio   ", "Tipo aiuto     ", "Informazioni     ", "Esci"}));
        QVERIFY(Voce(Id, "mnuAiutoStrade")->isChecked());
        QVERIFY(!Voce(Id, "mnuAiutoCaselle")->isChecked());
        QCOMPARE(Voce(Id, "mnuAiutoCaselle")->text(), QString("caselle colorate"));
        QCOMPARE(Voce(Id, "mnuAiutoStrade")->text(), QString("strade"));
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
    }

    // The main menu's button "le strade 2" leads here.
    void menu_apreLeStrade2()
    {
        Ambiente a;
        Modulo1::Main();
        Clic(Ctl(IdSchermo::FormAvvio, "Label1"));
        SvuotaEventi();
        auto* bottone = Ctl<Bottone>(IdSchermo::formMenu, "Command9");
        QCOMPARE(bottone->text(), QString("le strade 2"));
        Clic(bottone);
        SvuotaEventi();
        QVERIFY(Z().caricato());
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->caricato());
        // The conditions are the words of the block the start screen drew last.
        QCOMPARE(C().Label1[0]->text(), Z().Attributi[0].toUpper());
        QVERIFY(Z().Attributi[0] != QString());
    }

    // A second kind equal to the first is drawn again until it differs.
    void preparaStrade_criterio2RipescatoSeUgualeAlPrimo()
    {
        Ambiente a;
        Modulo1::ImpostaBloccoCorrente(B("rettangolo", "giallo", "piccolo", "sottile"));
        a.caso.accoda({RndPer(4, 4), RndPer(4, 4), RndPer(4, 4), RndPer(1, 4)});
        a.caso.accoda(RndPerBlocco(Riferimento));
        Schermi::Mostra(Id);
        QCOMPARE(Z().Criterio1, qint16(4));
        QCOMPARE(Z().Criterio2, qint16(1));
        QCOMPARE(Didascalie(), QStringList({"SOTTILE", "NON SOTTILE", "RETTANGOLO", "NON RETTANGOLO", "RETTANGOLO",
                                            "NON RETTANGOLO"}));
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
    }

    // Over many turns: two different kinds, the labels in pairs of a word and
    // its negation, and the words always those of the block placed last.
    void preparaStrade_moltiTurni()
    {
        Ambiente a(5);
        Schermi::Mostra(Id);
        for (int turno = 0; turno < 300; ++turno) {
            const Blocco ultimo = Modulo1::BloccoCorrente();
            Z().bottoneavanti_Click();
            QVERIFY(Z().Criterio1 >= 1 && Z().Criterio1 <= 4);
            QVERIFY(Z().Criterio2 >= 1 && Z().Criterio2 <= 4);
            QVERIFY(Z().Criterio2 != Z().Criterio1);
            QCOMPARE(Z().Attributi[0], ultimo.parola(Z().Criterio1));
            QCOMPARE(Z().Attributi[1], ultimo.parola(Z().Criterio2));
            const QStringList d = Didascalie();
            QCOMPARE(d[0], Z().Attributi[0].toUpper());
            QCOMPARE(d[1], "NON " + d[0]);
            QCOMPARE(d[2], Z().Attributi[1].toUpper());
            QCOMPARE(d[3], "NON " + d[2]);
            QCOMPARE(d[4], d[2]);
            QCOMPARE(d[5], d[3]);
        }
    }

    // Every one of the 48 blocks is right in exactly one area: the three
    // others count a wrong answer each and leave it waiting.
    void ogniBloccoGiustoInUnaSolaArea()
    {
        Ambiente a;
        const QList<Blocco> blocchi = Blocco::tutti();
        Apri(a, blocchi[0]);
        int giusti = 0, sbagliati = 0;
        for (int n = 0; n < blocchi.size(); ++n) {
            const Blocco blocco = blocchi[n];
            QCOMPARE(C().Image1->accessibleName(), blocco.nome());
            const int giusta = AreaAttesa(blocco);
            for (int k = 0; k < 4; ++k) {
                if (k == giusta)
                    continue;
                ClicArea(k);
                ++sbagliati;
                QCOMPARE(Modulo1::ContatoreErrati, qint16(sbagliati));
                QCOMPARE(Modulo1::ContatoreEsatti, qint16(giusti));
                QCOMPARE(C().Image1->accessibleName(), blocco.nome());
            }
            const bool ultimoDelTurno = Z().NumeroInseriti[giusta] == 1;
            const bool altri = n + 1 < blocchi.size();
            if (altri && !ultimoDelTurno)
                AccodaProssimo(a, blocchi[n + 1]);
            const int casella = 2 * giusta + Z().NumeroInseriti[giusta];
            ClicArea(giusta);
            ++giusti;
            QCOMPARE(Modulo1::ContatoreEsatti, qint16(giusti));
            QCOMPARE(Modulo1::ContatoreErrati, qint16(sbagliati));
            QCOMPARE(C().insieme[casella]->accessibleName(), blocco.nome());
            QCOMPARE(C().bottoneavanti->isEnabled(), ultimoDelTurno);
            if (altri && ultimoDelTurno) {
                Modulo1::ImpostaBloccoCorrente(Riferimento);
                a.caso.accoda({RndPer(CriterioColore, 4), RndPer(CriterioDimensione, 4)});
                a.caso.accoda(RndPerBlocco(blocchi[n + 1]));
                Clic(C().bottoneavanti);
            }
        }
        QCOMPARE(a.suono.suonati.count(Modulo1::CartellaApplicazione() + "/suoni/no.wav"), 3 * 48);
    }

    // The left slot of an area fills first; a slot, empty or full, counts
    // as its area, for a right and for a wrong answer alike.
    void casella_contaComeLaSuaArea()
    {
        Ambiente a;
        const Blocco rossoPiccolo = B("rotondo", "rosso", "piccolo", "spesso");
        const Blocco bluGrande = B("quadrato", "blu", "grande", "sottile");
        Apri(a, rossoPiccolo);
        AccodaProssimo(a, bluGrande);
        Clic(C().insieme[3]); // empty right slot of area 1
        QCOMPARE(C().insieme[2]->accessibleName(), rossoPiccolo.nome());
        QVERIFY(C().insieme[3]->vuota());
        QCOMPARE(Z().cornice().etEsatti->text(), QString("esatti   1"));
        QVERIFY(Z().cornice().ComandoIconaSi->isVisible());

        Clic(C().insieme[2]); // the full slot: area 1 is wrong for a blue block
        QCOMPARE(Modulo1::ContatoreErrati, qint16(1));
        QCOMPARE(Z().cornice().etErrati->text(), QString("errati   1"));
        QVERIFY(Z().cornice().ComandoIconaNo->isVisible());
        QVERIFY(!Z().cornice().ComandoIconaSi->isVisible());
        QCOMPARE(C().Image1->accessibleName(), bluGrande.nome());

        AccodaProssimo(a, rossoPiccolo);
        Clic(C().insieme[5]); // empty right slot of area 2
        QCOMPARE(C().insieme[4]->accessibleName(), bluGrande.nome());
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(2));
    }

    // Two blocks in one area end the turn at once; the areas then ignore
    // every click and only "avanti" goes on, with conditions from the last
    // block placed.
    void turno_finisceConDueBlocchiInUnArea()
    {
        Ambiente a;
        const Blocco primo = B("rotondo", "rosso", "grande", "sottile");
        const Blocco secondo = B("rettangolo", "blu", "piccolo", "spesso");
        Apri(a, primo);
        Colloca(a, 0, secondo);
        Colloca(a, 3, primo);
        QVERIFY(!C().bottoneavanti->isEnabled());
        ClicArea(0);
        QVERIFY(C().bottoneavanti->isEnabled());
        QVERIFY(C().Image1->vuota());
        QCOMPARE(Z().NumeroInseriti, (std::array<qint16, 4>{2, 0, 0, 1}));
        QCOMPARE(a.caso.inCoda(), std::size_t(0)); // no further block drawn
        for (int k = 0; k < 4; ++k)
            QVERIFY(!C().Frame1[k]->isEnabled());

        const int suoni = a.suono.suonati.size();
        for (int k = 0; k < 4; ++k)
            ClicArea(k);
        for (int i = 0; i < 8; ++i)
            Clic(C().insieme[i]);
        Z().Frame1_Click(1);
        Z().insieme_Click(6);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(3));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QCOMPARE(a.suono.suonati.size(), suoni);
        QVERIFY(C().insieme[2]->vuota());
        QCOMPARE(C().insieme[1]->accessibleName(), primo.nome());

        // Help still works, on the last block placed (area 0).
        Aiuto();
        Aiuto();
        QCOMPARE(PercorsoVisibile(), QSet<int>({0, 1, 3}));

        // The last block placed is red, round, big and thin.
        a.caso.accoda({RndPer(CriterioForma, 4), RndPer(CriterioSpessore, 4)});
        a.caso.accoda(RndPerBlocco(secondo));
        Clic(C().bottoneavanti);
        QCOMPARE(Didascalie(), QStringList({"ROTONDO", "NON ROTONDO", "SOTTILE", "NON SOTTILE", "SOTTILE",
                                            "NON SOTTILE"}));
        QVERIFY(!C().bottoneavanti->isEnabled());
        for (int k = 0; k < 4; ++k)
            QVERIFY(C().Frame1[k]->isEnabled());
        for (Immagine* casella : C().insieme)
            QVERIFY(casella->vuota());
        QCOMPARE(Z().NumeroInseriti, (std::array<qint16, 4>{}));
        QCOMPARE(C().Image1->accessibleName(), secondo.nome());
        QVERIFY(PercorsoVisibile().isEmpty());
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(2)); // two presses cost one
    }

    void aiuto_unaTappaPerVolta_data()
    {
        QTest::addColumn<Blocco>("blocco");
        QTest::addColumn<int>("etichetta1");
        QTest::addColumn<int>("etichetta2");
        QTest::addColumn<QSet<int>>("percorso1");
        QTest::addColumn<QSet<int>>("percorso2");
        QTest::newRow("rosso grande, area 0")
            << B("quadrato", "rosso", "grande", "sottile") << 0 << 2 << QSet<int>{0, 1} << QSet<int>{0, 1, 3};
        QTest::newRow("rosso non grande, area 1")
            << B("quadrato", "rosso", "piccolo", "sottile") << 0 << 3 << QSet<int>{0, 1} << QSet<int>{0, 1, 4};
        QTest::newRow("non rosso grande, area 2")
            << B("rotondo", "giallo", "grande", "spesso") << 1 << 4 << QSet<int>{0, 2} << QSet<int>{0, 2, 5};
        QTest::newRow("non rosso non grande, area 3")
            << B("rotondo", "blu", "piccolo", "spesso") << 1 << 5 << QSet<int>{0, 2} << QSet<int>{0, 2, 6};
    }
    // Route help shows the trunk and the first branch, then the last leg;
    // label help greens the first fork's sign, then the second's. A third
    // press shows nothing new.
    void aiuto_unaTappaPerVolta()
    {
        QFETCH(Blocco, blocco);
        QFETCH(int, etichetta1);
        QFETCH(int, etichetta2);
        QFETCH(QSet<int>, percorso1);
        QFETCH(QSet<int>, percorso2);
        Ambiente a;
        Apri(a, blocco);

        Aiuto();
        QCOMPARE(PercorsoVisibile(), percorso1);
        QVERIFY(EtichetteVerdi().isEmpty());
        Aiuto();
        QCOMPARE(PercorsoVisibile(), percorso2);
        Aiuto();
        QCOMPARE(PercorsoVisibile(), percorso2);

        Voce(Id, "mnuAiutoCaselle")->trigger();
        QVERIFY(Voce(Id, "mnuAiutoCaselle")->isChecked());
        QVERIFY(!Voce(Id, "mnuAiutoStrade")->isChecked());
        QVERIFY(PercorsoVisibile().isEmpty());
        Aiuto();
        QCOMPARE(EtichetteVerdi(), QSet<int>{etichetta1});
        Aiuto();
        QCOMPARE(EtichetteVerdi(), QSet<int>({etichetta1, etichetta2}));
        Aiuto();
        QCOMPARE(EtichetteVerdi(), QSet<int>({etichetta1, etichetta2}));
        QVERIFY(PercorsoVisibile().isEmpty());

        // Picking the checked item again leaves it checked.
        Voce(Id, "mnuAiutoCaselle")->trigger();
        QVERIFY(Voce(Id, "mnuAiutoCaselle")->isChecked());
        Voce(Id, "mnuAiutoStrade")->trigger();
        QVERIFY(Voce(Id, "mnuAiutoStrade")->isChecked());
        QVERIFY(!Voce(Id, "mnuAiutoCaselle")->isChecked());
        QVERIFY(EtichetteVerdi().isEmpty());
        Aiuto();
        QCOMPARE(PercorsoVisibile(), percorso1);
    }

    // Any click on an area, right or wrong, and "avanti" take the help away;
    // the next press starts again from the first fork.
    void aiuto_ogniClicSuUnAreaLoCancella()
    {
        Ambiente a;
        const Blocco giallo = B("triangolo", "giallo", "piccolo", "sottile");
        Apri(a, giallo);
        Aiuto();
        Aiuto();
        QCOMPARE(PercorsoVisibile(), QSet<int>({0, 2, 6}));
        ClicArea(0); // wrong
        QVERIFY(PercorsoVisibile().isEmpty());
        QCOMPARE(Z().PassoAiuto, qint16(0));
        Aiuto();
        QCOMPARE(PercorsoVisibile(), QSet<int>({0, 2}));
        Colloca(a, 3, giallo); // right
        QVERIFY(PercorsoVisibile().isEmpty());

        Voce(Id, "mnuAiutoCaselle")->trigger();
        Aiuto();
        Aiuto();
        QCOMPARE(EtichetteVerdi(), QSet<int>({1, 5}));
        Clic(C().insieme[4]); // wrong, through an empty slot
        QVERIFY(EtichetteVerdi().isEmpty());
        Aiuto();
        QCOMPARE(EtichetteVerdi(), QSet<int>{1});
        Colloca(a, 3, giallo); // second block in area 3: the turn ends
        QVERIFY(EtichetteVerdi().isEmpty());
        Aiuto();
        QCOMPARE(EtichetteVerdi(), QSet<int>{1});
        Clic(C().bottoneavanti);
        QVERIFY(EtichetteVerdi().isEmpty());
        QCOMPARE(Z().PassoAiuto, qint16(0));
        QVERIFY(!Z().AiutoStrade); // the help type stays for the next turn
    }

    void costoAiuto_ogniDuePressioni_data()
    {
        QTest::addColumn<int>("pressioni");
        QTest::addColumn<int>("conteggio");
        QTest::addColumn<int>("costo");
        QTest::newRow("una") << 1 << 0 << 5;
        QTest::newRow("due") << 2 << -1 << 0;
        QTest::newRow("tre") << 3 << -1 << 5;
        QTest::newRow("quattro") << 4 << -2 << 0;
    }
    // The count may go below zero; the label is not rewritten until the next
    // right answer, which shows the lowered count with its sign.
    void costoAiuto_ogniDuePressioni()
    {
        QFETCH(int, pressioni);
        QFETCH(int, conteggio);
        QFETCH(int, costo);
        Ambiente a;
        Apri(a, Riferimento);
        for (int i = 0; i < pressioni; ++i)
            Aiuto();
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(conteggio));
        QCOMPARE(Z().CostoAiuto, qint16(costo));
        QCOMPARE(Z().cornice().etEsatti->text(), QString("esatti"));
        Colloca(a, 0, Riferimento);
        QCOMPARE(Z().cornice().etEsatti->text(), SchermoGioco::Didascalia("esatti", qint16(conteggio + 1)));
    }

    void costoAiuto_didascaliaNegativaEConteggioMinimo()
    {
        Ambiente a;
        Apri(a, Riferimento);
        for (int i = 0; i < 6; ++i)
            Aiuto();
        Colloca(a, 0, Riferimento);
        QCOMPARE(Z().cornice().etEsatti->text(), QString("esatti  -2"));

        Modulo1::ContatoreEsatti = -32768;
        Aiuto();
        Aiuto();
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(-32768));
    }

    // The half-paid help survives a count reset, a new turn and leaving the
    // screen; switching the help type is free.
    void costoAiuto_passaDaUnTurnoAllAltroEDaUnaVisitaAllAltra()
    {
        Ambiente a;
        Apri(a, Riferimento);
        Aiuto();
        Voce(Id, "mnu1")->trigger();
        QCOMPARE(Z().cornice().etEsatti->text(), QString("Esatti 0"));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        Voce(Id, "mnuAiutoCaselle")->trigger();
        Voce(Id, "mnuAiutoStrade")->trigger();
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        Aiuto();
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(-1));
        QCOMPARE(Z().cornice().etEsatti->text(), QString("Esatti 0"));

        // Across a turn.
        Aiuto();
        Colloca(a, 0, Riferimento);
        ClicArea(0);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        a.caso.accoda({RndPer(CriterioColore, 4), RndPer(CriterioDimensione, 4)});
        a.caso.accoda(RndPerBlocco(Riferimento));
        Clic(C().bottoneavanti);
        Aiuto();
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));

        // Across leaving the screen and coming back, with label help chosen.
        Aiuto();
        Voce(Id, "mnuAiutoCaselle")->trigger();
        a.risposte = {RispostaSi};
        Voce(Id, "mnuEsci")->trigger();
        SvuotaEventi();
        QVERIFY(!Z().caricato());
        QCOMPARE(Z().CostoAiuto, qint16(5));
        Apri(a, Riferimento);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QVERIFY(Z().AiutoStrade);
        QVERIFY(Voce(Id, "mnuAiutoStrade")->isChecked());
        QVERIFY(!Voce(Id, "mnuAiutoCaselle")->isChecked());
        Aiuto();
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(-1));
        QCOMPARE(PercorsoVisibile(), QSet<int>({0, 1}));
    }

    // The areas, "aiuto" and "avanti" are reached with Tab and pressed with
    // Space or Enter.
    void tastiera_areeAiutoEAvanti()
    {
        Ambiente a;
        const Blocco verde = B("rotondo", "giallo", "grande", "spesso");
        Apri(a, verde);
        QApplication::setActiveWindow(Z().finestra());
        C().Frame1[0]->setFocus();
        QSet<QString> raggiunti;
        for (int i = 0; i < 8; ++i) {
            raggiunti.insert(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (const char* nome : {"Frame1(0)", "Frame1(1)", "Frame1(2)", "Frame1(3)", "Command2"})
            QVERIFY2(raggiunti.contains(nome), nome);

        C().Command2->setFocus();
        QTest::keyClick(C().Command2, Qt::Key_Return);
        QCOMPARE(PercorsoVisibile(), QSet<int>({0, 2}));
        C().Frame1[2]->setFocus();
        AccodaProssimo(a, verde);
        QTest::keyClick(C().Frame1[2], Qt::Key_Space);
        QCOMPARE(C().insieme[4]->accessibleName(), verde.nome());
        QTest::keyClick(C().Frame1[2], Qt::Key_Enter);
        QVERIFY(C().bottoneavanti->isEnabled());
        QCOMPARE(QApplication::focusWidget(), C().bottoneavanti);
        a.caso.accoda({RndPer(CriterioColore, 4), RndPer(CriterioDimensione, 4)});
        a.caso.accoda(RndPerBlocco(verde));
        QTest::keyClick(C().bottoneavanti, Qt::Key_Space);
        QVERIFY(!C().bottoneavanti->isEnabled());
        QVERIFY(C().insieme[4]->vuota());
    }
};

TESSELO_TEST_MAIN(ProvaZirp8)
#include "tst_zirp8.moc"
