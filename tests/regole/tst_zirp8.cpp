#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Asfalto.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "controls/Linea.h"
#include "games/zirp8/zirp8.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"
#include "tests/support/Tradotto.h"

#include <QAction>
#include <QMenuBar>
#include <QSet>

namespace {

constexpr IdSchermo Id = IdSchermo::zirp8;
zirp8& Z() { return Gioco<zirp8>(Id); }
const zirp8::Controlli& C() { return Z().controlli(); }

// Conditions ROSSO (colour, first fork) and GRANDE (size, second forks).
const Blocco Rif = B("triangolo", "rosso", "grande", "spesso");

void AccodaTurno(Ambiente& a, const Blocco& primo, int c1 = CriterioColore, int c2 = CriterioDimensione)
{
    a.caso.accoda({RndPer(c1, 4), RndPer(c2, 4)});
    a.caso.accoda(RndPerBlocco(primo));
}

void Apri(Ambiente& a, const Blocco& primo)
{
    Modulo1::ImpostaBloccoCorrente(Rif);
    AccodaTurno(a, primo);
    Schermi::Mostra(Id);
}

// A right answer draws its sound first, then the next block.
void Colloca(Ambiente& a, int area, const Blocco& prossimo)
{
    a.caso.accoda({RndPer(1, 4)});
    a.caso.accoda(RndPerBlocco(prossimo));
    QTest::mouseClick(C().Frame1[area], Qt::LeftButton);
}

void Clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

QSet<int> Percorso()
{
    QSet<int> v;
    for (int i = 0; i < 7; ++i)
        if (!C().Line3[i]->isHidden())
            v.insert(i);
    return v;
}

QSet<int> Verdi()
{
    QSet<int> v;
    for (int i = 0; i < 6; ++i)
        if (ValoreColore(SfondoDi(C().Label1[i])) == 0x0080FF80)
            v.insert(i);
    return v;
}

QStringList Cartelli()
{
    QStringList t;
    for (Etichetta* e : C().Label1)
        t << e->text();
    return t;
}

} // namespace

Q_DECLARE_METATYPE(Blocco)

class ProvaZirp8 : public QObject {
    Q_OBJECT
private slots:
    // The menu button opens the game; the conditions are words of the block
    // the start screen drew last, the second kind drawn again while it
    // equals the first.
    void apertura_dalMenuConIlBloccoDisegnatoPerUltimo()
    {
        Ambiente a;
        a.caso.accoda({RndPer(1, 18)});
        for (int i = 0; i < 3; ++i)
            a.caso.accoda(RndPerBlocco(i < 2 ? Rif : B("rettangolo", "giallo", "piccolo", "sottile")));
        a.caso.accoda({RndPer(2, 18), RndPer(4, 4), RndPer(4, 4), RndPer(1, 4)});
        a.caso.accoda(RndPerBlocco(Rif));
        Modulo1::Main();
        Clic(Ctl(IdSchermo::FormAvvio, "Label1"));
        SvuotaEventi();
        Clic(Ctl<Bottone>(IdSchermo::formMenu, "Command9"));
        SvuotaEventi();
        QVERIFY(Z().caricato() && !Schermi::Trova(IdSchermo::formMenu)->caricato());
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(Cartelli(), QStringList({Su("sottile"), Non("sottile"), Su("rettangolo"), Non("rettangolo"), Su("rettangolo"), Non("rettangolo")}));
        QCOMPARE(C().Frame1[1]->accessibleName(), (Su("sottile") + ", " + Non("rettangolo")));
        QCOMPARE(C().Frame1[2]->accessibleName(), (Non("sottile") + ", " + Su("rettangolo")));
        QCOMPARE(ValoreColore(Z().finestra()->sfondo()), 0x00C0FFFFu);
        QVERIFY(!C().bottoneavanti->isEnabled());
        QCOMPARE(C().bottoneavanti->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(Percorso().isEmpty());
        QStringList barra;
        for (QAction* voce : Z().finestra()->findChild<QMenuBar*>()->actions())
            barra << voce->text();
        QCOMPARE(barra, QStringList({Tr("Azzera conteggio") + "   ", Tr("Tipo aiuto") + "     ",
                                     Tr("Informazioni") + "     ", Tr("Esci")}));
        QVERIFY(Voce(Id, "mnuAiutoStrade")->isChecked() && !Voce(Id, "mnuAiutoCaselle")->isChecked());
    }

    // The road surface is painted between the edges, and the hidden route
    // runs on it all along, wherever no sign stands over it.
    void strade_ilPercorsoCorreSullaStrada()
    {
        Ambiente a;
        Apri(a, Rif);
        const QImage figura = Z().finestra()->superficie()->grab().toImage();
        int controllati = 0;
        for (Linea* tratto : C().Line3)
            for (double t = 0.05; t < 1; t += 0.1) {
                const QPoint punto = tratto->linea().pointAt(t).toPoint();
                if (std::any_of(C().Label1.begin(), C().Label1.end(),
                                [&](QWidget* cartello) { return cartello->geometry().contains(punto); }))
                    continue;
                ++controllati;
                QCOMPARE(figura.pixelColor(punto), Asfalto::Colore);
            }
        QVERIFY(controllati > 40);
    }

    // Each of the 48 blocks is right in one area only, found from the road
    // picture: left at the first fork when red, left at the second when big.
    void ogniBloccoGiustoInUnaSolaArea()
    {
        Ambiente a;
        const QList<Blocco> blocchi = Blocco::tutti();
        Apri(a, blocchi[0]);
        for (int n = 0; n < 48; ++n) {
            const int giusta = (blocchi[n].colore == "rosso" ? 0 : 2) + (blocchi[n].dimensione == "grande" ? 0 : 1);
            for (int k = 0; k < 4; ++k)
                if (k != giusta)
                    Clic(C().Frame1[k]);
            QCOMPARE(Modulo1::ContatoreErrati, qint16(3 * (n + 1)));
            const int casella = 2 * giusta + Z().NumeroInseriti[giusta];
            const bool fine = Z().NumeroInseriti[giusta] == 1;
            a.caso.accoda({RndPer(1, 4)});
            if (fine) // the next block comes with the next turn's conditions
                a.caso.accoda({RndPer(CriterioColore, 4), RndPer(CriterioDimensione, 4)});
            a.caso.accoda(RndPerBlocco(blocchi[(n + 1) % 48]));
            Clic(C().Frame1[giusta]);
            QCOMPARE(Modulo1::ContatoreEsatti, qint16(n + 1));
            QCOMPARE(C().insieme[casella]->accessibleName(), blocchi[n].nome());
            QCOMPARE(C().bottoneavanti->isEnabled(), fine);
            if (fine) {
                Modulo1::ImpostaBloccoCorrente(Rif);
                Clic(C().bottoneavanti);
            }
        }
    }

    // A slot, empty or full, counts as its area; two blocks in one area end
    // the turn at once, and then the areas ignore every click.
    void caselleEFineDelTurno()
    {
        Ambiente a;
        const Blocco rossoPiccolo = B("rotondo", "rosso", "piccolo", "spesso");
        Apri(a, rossoPiccolo);
        a.caso.accoda({RndPer(1, 4)});
        a.caso.accoda(RndPerBlocco(rossoPiccolo));
        Clic(C().insieme[3]); // empty slot of area 1: parks in its left slot
        QCOMPARE(C().insieme[2]->accessibleName(), rossoPiccolo.nome());
        Clic(C().insieme[0]); // empty slot of area 0: wrong
        QCOMPARE(Z().cornice().etErrati->text(), (Tr("errati") + "   1"));
        QVERIFY(!C().bottoneavanti->isEnabled());
        Clic(C().insieme[2]); // full slot of area 1: right, and the turn ends
        QCOMPARE(C().insieme[3]->accessibleName(), rossoPiccolo.nome());
        QVERIFY(C().bottoneavanti->isEnabled() && C().Image1->vuota());
        QCOMPARE(Z().NumeroInseriti, (std::array<qint16, 4>{0, 2, 0, 0}));
        for (int k = 0; k < 4; ++k)
            Clic(C().Frame1[k]);
        Clic(C().insieme[6]);
        Z().Frame1_Click(3);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(2));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(1));
        // Help still shows the way of the last block placed; its cost goes
        // on into the next turn.
        for (int i = 0; i < 3; ++i)
            Clic(C().Command2);
        QCOMPARE(Percorso(), QSet<int>({0, 1, 4}));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        AccodaTurno(a, Rif, CriterioForma, CriterioSpessore);
        Clic(C().bottoneavanti);
        QCOMPARE(Cartelli().first(), Su("rotondo"));
        QVERIFY(Percorso().isEmpty() && C().insieme[2]->vuota() && C().Frame1[0]->isEnabled());
        Clic(C().Command2);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
    }

    void aiuto_unaTappaPerVolta_data()
    {
        QTest::addColumn<Blocco>("blocco");
        QTest::addColumn<int>("area");
        QTest::newRow("0") << B("quadrato", "rosso", "grande", "sottile") << 0;
        QTest::newRow("1") << B("quadrato", "rosso", "piccolo", "sottile") << 1;
        QTest::newRow("2") << B("rotondo", "giallo", "grande", "spesso") << 2;
        QTest::newRow("3") << B("rotondo", "blu", "piccolo", "spesso") << 3;
    }
    // Route: the trunk and the first branch, then the last leg; signs: the
    // first fork's, then the second's. A third press adds nothing; any area
    // click or a change of help type clears it, and help starts again.
    void aiuto_unaTappaPerVolta()
    {
        QFETCH(Blocco, blocco);
        QFETCH(int, area);
        Ambiente a;
        Apri(a, blocco);
        const int ramo = area < 2 ? 1 : 2, primo = area < 2 ? 0 : 1;
        Clic(C().Command2);
        QCOMPARE(Percorso(), QSet<int>({0, ramo}));
        Clic(C().Command2);
        Clic(C().Command2);
        QCOMPARE(Percorso(), QSet<int>({0, ramo, 3 + area}));
        QVERIFY(Verdi().isEmpty());
        Clic(C().Frame1[(area + 1) % 4]); // wrong
        QVERIFY(Percorso().isEmpty());
        Clic(C().Command2);
        QCOMPARE(Percorso(), QSet<int>({0, ramo}));

        Voce(Id, "mnuAiutoCaselle")->trigger();
        QVERIFY(Voce(Id, "mnuAiutoCaselle")->isChecked() && !Voce(Id, "mnuAiutoStrade")->isChecked());
        QVERIFY(Percorso().isEmpty());
        Clic(C().Command2);
        QCOMPARE(Verdi(), QSet<int>{primo});
        Clic(C().Command2);
        Clic(C().Command2);
        QCOMPARE(Verdi(), QSet<int>({primo, 2 + area}));
        Colloca(a, area, blocco);
        QVERIFY(Verdi().isEmpty());
        Clic(C().Command2);
        Voce(Id, "mnuAiutoCaselle")->trigger(); // picking it again keeps the check
        QVERIFY(Voce(Id, "mnuAiutoCaselle")->isChecked() && Verdi().isEmpty());
        // Back to route help: the green label goes, and help draws the route.
        Clic(C().Command2);
        QCOMPARE(Verdi().size(), 1);
        const qint16 esatti = Modulo1::ContatoreEsatti;
        Voce(Id, "mnuAiutoStrade")->trigger();
        QVERIFY(Voce(Id, "mnuAiutoStrade")->isChecked() && !Voce(Id, "mnuAiutoCaselle")->isChecked());
        QVERIFY(Verdi().isEmpty() && Percorso().isEmpty());
        QCOMPARE(Modulo1::ContatoreEsatti, esatti);
        Clic(C().Command2);
        QVERIFY(Verdi().isEmpty());
        QCOMPARE(Percorso().size(), 2);
        QVERIFY(Percorso().contains(0));
    }

    void costoAiuto_data()
    {
        QTest::addColumn<int>("pressioni");
        QTest::addColumn<int>("costo");
        QTest::addColumn<QString>("dopo");
        QTest::newRow("due") << 2 << 0 << Tr("esatti") + "   0";
        QTest::newRow("tre") << 3 << 5 << Tr("esatti") + "   0";
        QTest::newRow("quattro") << 4 << 0 << Tr("esatti") + "  -1";
    }
    // Every second press takes one right answer off, below zero too; the
    // label shows it from the next right answer on.
    void costoAiuto()
    {
        QFETCH(int, pressioni);
        QFETCH(int, costo);
        QFETCH(QString, dopo);
        Ambiente a;
        Apri(a, Rif);
        for (int i = 0; i < pressioni; ++i)
            Clic(C().Command2);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(-(pressioni / 2)));
        QCOMPARE(Z().CostoAiuto, qint16(costo));
        QCOMPARE(Z().cornice().etEsatti->text(), Tr("esatti"));
        Colloca(a, 0, Rif);
        QCOMPARE(Z().cornice().etEsatti->text(), dopo);
        Modulo1::ContatoreEsatti = -32768;
        Clic(C().Command2);
        Clic(C().Command2);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(-32768));
    }

    // Half-paid help is still owed after a count reset, a change of help
    // type and leaving the screen; the new visit starts with route help.
    void costoAiuto_attraversoAzzeramentoEVisite()
    {
        Ambiente a;
        Apri(a, Rif);
        Clic(C().Command2);
        Voce(Id, "mnu1")->trigger();
        Voce(Id, "mnuAiutoCaselle")->trigger();
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        Clic(C().Command2);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(-1));
        QCOMPARE(Z().cornice().etEsatti->text(), (Tr("Esatti") + " 0"));
        Clic(C().Command2);
        a.risposte = {RispostaSi};
        Voce(Id, "mnuEsci")->trigger();
        SvuotaEventi();
        QVERIFY(!Z().caricato());
        Apri(a, Rif);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QVERIFY(Voce(Id, "mnuAiutoStrade")->isChecked() && !Voce(Id, "mnuAiutoCaselle")->isChecked());
        Clic(C().Command2);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(-1));
        QCOMPARE(Percorso(), QSet<int>({0, 1}));
    }

    // The areas and "aiuto" are reached with Tab; Space and Enter press them.
    void tastiera()
    {
        Ambiente a;
        const Blocco giallo = B("rotondo", "giallo", "grande", "spesso");
        Apri(a, giallo);
        QApplication::setActiveWindow(Z().finestra());
        C().Frame1[0]->setFocus();
        QStringList ordine;
        for (int i = 0; i < 5; ++i) {
            ordine << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(ordine, QStringList({"Frame1(0)", "Frame1(1)", "Frame1(2)", "Frame1(3)", "Command2"}));
        QTest::keyClick(C().Command2, Qt::Key_Return);
        QCOMPARE(Percorso(), QSet<int>({0, 2}));
        a.caso.accoda({RndPer(1, 4)});
        a.caso.accoda(RndPerBlocco(giallo));
        QTest::keyClick(C().Frame1[2], Qt::Key_Space);
        QTest::keyClick(C().Frame1[2], Qt::Key_Enter);
        QCOMPARE(C().insieme[5]->accessibleName(), giallo.nome());
        QCOMPARE(QApplication::focusWidget(), C().bottoneavanti);
    }

    // The road and the route from each fork lead to the area they name: the
    // last leg of the route to area k and both edges of its road end at the
    // foot of area k; each condition stands on the branch it names, and the
    // legs of the route follow on from one another.
    void strade_portanoAlleAreeCheNominano()
    {
        Ambiente a;
        Apri(a, Rif);
        auto linea = [](const char* nome, int i) { return Ctl<Linea>(Id, QString("%1(%2)").arg(nome).arg(i))->linea(); };
        auto cima = [](QLineF l) { return l.p1().y() < l.p2().y() ? l.p1() : l.p2(); };
        auto piede = [](QLineF l) { return l.p1().y() < l.p2().y() ? l.p2() : l.p1(); };
        for (QSize dimensione : {QSize(1024, 700), QSize(640, 520)}) {
            Ridimensiona(Id, dimensione);
            const double tolleranza = 8.0 * dimensione.width() / 624;
            const int lati[4][2] = {{6, 8}, {9, 7}, {13, 12}, {11, 10}};
            for (int k = 0; k < 4; ++k) {
                const QRect area = NellaFinestra(Id, QString("Frame1(%1)").arg(k));
                for (QPointF p : {cima(linea("Line3", 3 + k)), cima(linea("Line2", lati[k][0])),
                                  cima(linea("Line2", lati[k][1]))}) {
                    QVERIFY(area.left() <= p.x() && p.x() <= area.right());
                    QVERIFY(std::abs(p.y() - area.bottom()) <= 2);
                }
                // The last leg starts where the leg of its first fork ends.
                const QLineF ramo = linea("Line3", k < 2 ? 1 : 2);
                QVERIFY(QLineF(piede(linea("Line3", 3 + k)), cima(ramo)).length() <= tolleranza);
            }
            for (int ramo : {1, 2})
                QVERIFY(QLineF(piede(linea("Line3", ramo)), cima(linea("Line3", 0))).length() <= tolleranza);
            // A condition's nearest leg, at the label's height, is the one it names.
            for (int j = 0; j < 6; ++j) {
                const QPointF centro = NellaFinestra(Id, QString("Label1(%1)").arg(j)).center();
                int vicina = -1;
                double distanza = 1e9;
                for (int leg = 1; leg <= 6; ++leg) {
                    const QLineF l = linea("Line3", leg);
                    if (centro.y() < cima(l).y() || centro.y() > piede(l).y())
                        continue;
                    const double t = (centro.y() - l.y1()) / (l.y2() - l.y1());
                    const double d = std::abs(l.x1() + t * (l.x2() - l.x1()) - centro.x());
                    if (d < distanza) {
                        distanza = d;
                        vicina = leg;
                    }
                }
                QCOMPARE(vicina, j + 1);
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
        QCOMPARE(Z().NumeroInseriti, (std::array<qint16, 4>{}));
        for (const Immagine* casella : Z().controlli().insieme)
            QVERIFY(casella->vuota());
        QVERIFY(!Z().controlli().Image1->vuota());
    }
};

TESSELO_TEST_MAIN(ProvaZirp8)
#include "tst_zirp8.moc"
