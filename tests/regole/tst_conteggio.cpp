#include "app/Modulo1.h"
#include "regole/Conteggio.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"

#include <vector>

namespace {

const Blocco RossoGrande = B("triangolo", "rosso", "grande", "spesso");
const Blocco RossoPiccolo = B("rotondo", "rosso", "piccolo", "sottile");
const Blocco Blu = B("quadrato", "blu", "grande", "sottile");
const Blocco Giallo = B("rettangolo", "giallo", "piccolo", "spesso");

// A row of blocks drawn after a reference word, and how many have the word.
struct Caso {
    const char* nome;
    int criterio;
    const char* riferimento;
    QList<Blocco> blocchi;
    int giusti;
};

const QList<Caso> Casi{
    {"colore, due su quattro", CriterioColore, "rosso", {RossoGrande, Blu, RossoPiccolo, Giallo}, 2},
    {"forma, nessuno", CriterioForma, "triangolo", {Blu, Giallo, RossoPiccolo, Blu}, 0},
    {"dimensione, tutti i nove", CriterioDimensione, "grande",
     {RossoGrande, Blu, RossoGrande, Blu, Blu, RossoGrande, Blu, Blu, RossoGrande}, 9},
    {"spessore, l'ultimo", CriterioSpessore, "spesso", {Blu, RossoPiccolo, Blu, Giallo}, 1},
    {"nessun blocco", CriterioColore, "blu", {}, 0},
};

} // namespace

// The count that "insiemi" and "quanti sono ?" judge the child's answer by.
class ProvaConteggio : public QObject {
    Q_OBJECT
private slots:
    // The blocks drawn land after the reference word, in the order drawn,
    // each with its picture; only the blocks that have the reference word
    // are counted, never the reference itself.
    void contaUguali_paroleFigureEConto_data()
    {
        QTest::addColumn<int>("caso");
        for (int i = 0; i < Casi.size(); ++i)
            QTest::newRow(Casi[i].nome) << i;
    }
    void contaUguali_paroleFigureEConto()
    {
        QFETCH(int, caso);
        const Caso& c = Casi[caso];
        Ambiente a;
        for (const Blocco& b : c.blocchi)
            a.caso.accoda(RndPerBlocco(b));
        std::vector<QString> parole(c.blocchi.size() + 1);
        parole[0] = QString::fromLatin1(c.riferimento);
        const Conteggio conto = ContaUguali(Modulo1::EstrazioniGioco, c.criterio, parole);
        QCOMPARE(parole[0], QString::fromLatin1(c.riferimento));
        QCOMPARE(conto.percorsi.size(), c.blocchi.size());
        for (qsizetype k = 0; k < c.blocchi.size(); ++k) {
            QCOMPARE(parole[k + 1], c.blocchi[k].parola(c.criterio));
            QCOMPARE(BloccoDaPercorso(conto.percorsi[k]), std::optional(c.blocchi[k]));
        }
        QCOMPARE(int(conto.giusti), c.giusti);
        QCOMPARE(int(Uguali(parole)), c.giusti);
    }
};

TESSELO_TEST_MAIN(ProvaConteggio)
#include "tst_conteggio.moc"
