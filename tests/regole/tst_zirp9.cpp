#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "games/zirp9/zirp9.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"
#include "tests/support/Tradotto.h"

#include <QSet>

namespace {

constexpr IdSchermo Id = IdSchermo::zirp9;

zirp9& Tabella() { return Gioco<zirp9>(Id); }
QString Testo(int i) { return Ctl<Etichetta>(Id, QString("Label1(%1)").arg(i))->text(); }
Immagine* Slot(int i) { return Ctl<Immagine>(Id, QString("insieme(%1)").arg(i)); }
QWidget* Cella(int k) { return Ctl(Id, QString("Frame1(%1)").arg(k)); }
void Clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
QString InAttesa() { return Ctl<Immagine>(Id, "Image1")->accessibleName(); }

// Opens the table after `ultimo` was drawn elsewhere: rows of kind `righe`,
// columns of the first of `colonne` that differs, `primo` shown first.
void Apri(Ambiente& a, const Blocco& ultimo, int righe, QList<int> colonne, const Blocco& primo)
{
    Modulo1::ImpostaBloccoCorrente(ultimo);
    for (int criterio : QList<int>{righe} + colonne)
        a.caso.accoda({RndPer(criterio, 4)});
    a.caso.accoda(RndPerBlocco(primo));
    Schermi::Mostra(Id);
}

// Rows ROSSO / NON ROSSO, columns GRANDE / NON GRANDE.
void ApriRossoGrande(Ambiente& a, const Blocco& primo)
{
    Apri(a, B("quadrato", "rosso", "grande", "sottile"), CriterioColore, {CriterioDimensione}, primo);
}

// A right answer draws its sound before the next block.
void AccodaDopoGiusta(Ambiente& a, const Blocco& prossimo)
{
    a.caso.accoda({RndPer(1, 4)});
    a.caso.accoda(RndPerBlocco(prossimo));
}

} // namespace

class ProvaTabella : public QObject {
    Q_OBJECT
private slots:
    // The headers speak of the block drawn before the screen opened; a
    // column kind equal to the row kind is drawn again. Counts start at 0.
    void apertura_intestazioniDallUltimoBlocco()
    {
        Ambiente a;
        Modulo1::ContatoreEsatti = 7;
        Apri(a, B("triangolo", "blu", "piccolo", "spesso"), CriterioForma,
             {CriterioForma, CriterioForma, CriterioSpessore}, B("rotondo", "giallo", "grande", "sottile"));
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE((QStringList{Testo(0), Testo(1), Testo(2), Testo(3)}),
                 (QStringList{Su("triangolo"), Non("triangolo"), Su("spesso"), Non("spesso")}));
        QCOMPARE(Tabella().Attributi, (std::array<QString, 4>{"triangolo", "spesso", "rotondo", "sottile"}));
        QCOMPARE(Cella(1)->accessibleName(), (Su("triangolo") + ", " + Non("spesso")));
        QCOMPARE(Cella(2)->accessibleName(), (Non("triangolo") + ", " + Su("spesso")));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        QCOMPARE(ValoreColore(Schermi::Trova(Id)->finestra()->sfondo()), 0x00C0E0FFu);
    }

    // Rows and columns always speak of two different attributes, and each
    // pair of headers is a word and the same word after "NON ".
    void preparaTabella_criteriDiversiEIntestazioniAppaiate()
    {
        Ambiente a(5);
        ApriRossoGrande(a, B("rotondo", "rosso", "grande", "spesso"));
        QSet<QPair<int, int>> coppie;
        for (int i = 0; i < 600; ++i) {
            Modulo1::BloccoCasuale();
            const Blocco ultimo = Modulo1::BloccoCorrente();
            Tabella().PreparaTabella();
            const int r = Tabella().Criterio1, c = Tabella().Criterio2;
            QVERIFY(r != c);
            coppie.insert({r, c});
            QCOMPARE(Testo(0), Su(ultimo.parola(r)));
            QCOMPARE(Testo(1), Tr("NON %1").arg(Testo(0)));
            QCOMPARE(Testo(2), Su(ultimo.parola(c)));
            QCOMPARE(Testo(3), Tr("NON %1").arg(Testo(2)));
        }
        QCOMPARE(coppie.size(), 12); // every ordered pair of two kinds
    }

    // Every block is right in exactly one cell: clicking the cells one way
    // round and then the other, the first right answer comes at its cell
    // (top row for red, left column for big).
    void ogniBlocco_giustoInUnaSolaCella()
    {
        for (const Blocco& b : Blocco::tutti()) {
            Ambiente a;
            ApriRossoGrande(a, b);
            AccodaDopoGiusta(a, b);
            const int giusta = (b.colore == "rosso" ? 0 : 2) + (b.dimensione == "grande" ? 0 : 1);
            for (int k = 0; Modulo1::ContatoreEsatti == 0; ++k)
                Clic(Cella(k));
            QCOMPARE(Modulo1::ContatoreErrati, qint16(giusta));
            for (int k = 3; Modulo1::ContatoreEsatti == 1; --k)
                Clic(Cella(k));
            QCOMPARE(Modulo1::ContatoreErrati, qint16(3)); // 3 - giusta more on the way back
            QCOMPARE(Slot(2 * giusta + 1)->accessibleName(), b.nome());
        }
    }

    // A slot counts as its cell, empty or not; a wrong one leaves the block
    // waiting; a right one fills the cell's left slot first.
    void clicSuUnPosto_valeComeLaSuaCella()
    {
        Ambiente a;
        const Blocco primo = B("triangolo", "rosso", "piccolo", "spesso");   // cell 1
        const Blocco secondo = B("quadrato", "blu", "piccolo", "sottile");   // cell 3
        ApriRossoGrande(a, primo);
        AccodaDopoGiusta(a, secondo);
        Clic(Slot(0));
        Clic(Slot(5));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(2));
        QCOMPARE(InAttesa(), primo.nome());
        Clic(Slot(3));
        QCOMPARE(Slot(2)->accessibleName(), primo.nome());
        QVERIFY(Slot(3)->vuota());
        QCOMPARE(InAttesa(), secondo.nome());
        Clic(Slot(2));                       // holds a block, but of cell 1
        QCOMPARE(Modulo1::ContatoreErrati, qint16(3));
        Clic(Slot(7));
        QCOMPARE(Slot(6)->accessibleName(), secondo.nome());
        QCOMPARE(Tabella().NumeroInseriti, (std::array<qint16, 4>{0, 1, 0, 1}));
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
    }

    // A second block in one cell ends the turn at once, other cells still
    // empty; cells and slots then ignore clicks, and "avanti" (reached from
    // the keyboard) starts a new table from the last block placed.
    void dueBlocchiInUnaCella_finisconoIlTurno()
    {
        Ambiente a;
        ApriRossoGrande(a, B("triangolo", "giallo", "grande", "spesso"));
        AccodaDopoGiusta(a, B("rotondo", "blu", "grande", "sottile"));
        QApplication::setActiveWindow(Schermi::Trova(Id)->finestra());
        QTest::keyClick(Cella(2), Qt::Key_Space);
        QTest::keyClick(Slot(5), Qt::Key_Return);
        QVERIFY(Ctl<Immagine>(Id, "Image1")->vuota());
        QCOMPARE(QApplication::focusWidget(), Ctl(Id, "bottoneavanti"));

        const int estratti = a.caso.estratti;
        for (int k = 0; k < 4; ++k) {
            QVERIFY(!Cella(k)->isEnabled());
            Clic(Cella(k));
            Clic(Slot(2 * k));
        }
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(2));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QCOMPARE(a.caso.estratti, estratti);

        a.caso.accoda({RndPer(CriterioForma, 4), RndPer(CriterioSpessore, 4)});
        a.caso.accoda(RndPerBlocco(B("rettangolo", "rosso", "piccolo", "spesso")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Testo(0), Su("rotondo"));
        QCOMPARE(Testo(3), Non("sottile"));
        QCOMPARE(Tabella().NumeroInseriti, (std::array<qint16, 4>{0, 0, 0, 0}));
        for (int i = 0; i < 8; ++i)
            QVERIFY(Slot(i)->vuota());
        QVERIFY(!Ctl(Id, "bottoneavanti")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), Cella(0));
        Clic(Cella(3));                      // not round, not thin
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(3));
    }

    // The cells stand two by two, 0 top left to 3 bottom right; the column
    // headers stand above their columns, the row headers at the left of
    // their rows, at any window size.
    void intestazioni_sopraEAccantoAlleLoroCaselle()
    {
        Ambiente a;
        ApriRossoGrande(a, B("rotondo", "blu", "piccolo", "sottile"));
        for (QSize dimensione : {QSize(1024, 700), QSize(640, 520)}) {
            Ridimensiona(Id, dimensione);
            auto cella = [](int k) { return NellaFinestra(Id, QString("Frame1(%1)").arg(k)); };
            auto testata = [](int k) { return NellaFinestra(Id, QString("Label1(%1)").arg(k)); };
            auto x = [&](int k) { return cella(k).center().x(); };
            auto y = [&](int k) { return cella(k).center().y(); };
            QVERIFY(x(0) == x(2) && x(1) == x(3) && x(0) < x(1));
            QVERIFY(y(0) == y(1) && y(2) == y(3) && y(0) < y(2));
            for (int colonna = 0; colonna < 2; ++colonna) {
                const QRect t = testata(2 + colonna);
                for (int riga = 0; riga < 2; ++riga) {
                    const QRect c = cella(2 * riga + colonna);
                    QVERIFY(t.bottom() <= c.top() && c.left() <= t.center().x() && t.center().x() <= c.right());
                }
            }
            for (int riga = 0; riga < 2; ++riga) {
                const QRect t = testata(riga);
                for (int colonna = 0; colonna < 2; ++colonna) {
                    const QRect c = cella(2 * riga + colonna);
                    QVERIFY(t.right() <= c.left() && c.top() <= t.center().y() && t.center().y() <= c.bottom());
                }
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
        QCOMPARE(Tabella().NumeroInseriti, (std::array<qint16, 4>{}));
        for (const Immagine* casella : Tabella().controlli().insieme)
            QVERIFY(casella->vuota());
        QVERIFY(!Tabella().controlli().Image1->vuota());
    }
};

TESSELO_TEST_MAIN(ProvaTabella)
#include "tst_zirp9.moc"
