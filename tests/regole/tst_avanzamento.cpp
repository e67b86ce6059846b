// A child's progress on a learning path: counts per step, the steps done,
// the next step, the step each game plays and the path done.
#include "percorsi/Avanzamento.h"

#include <QTest>

namespace {

Percorso Tre()
{
    // "uguale - diverso" twice: its second step waits for the first.
    return {QStringLiteral("Forme"), {}, false,
            {{QStringLiteral("form1"), {1}, 2}, {QStringLiteral("FORM2"), {}, 1}, {QStringLiteral("form1"), {2}, 3}}};
}

const QString UgualeDiverso = QStringLiteral("form1"), Insiemi = QStringLiteral("FORM2");

} // namespace

class ProvaAvanzamento : public QObject {
    Q_OBJECT
private slots:
    // Counts from the register: missing ones are 0, extra and negative ones
    // change nothing, one at its goal is a step done.
    void conteggiDati()
    {
        QCOMPARE(Avanzamento(Tre()).passoDi(Insiemi), 1);
        const Avanzamento a(Tre(), {2, -5, 1, 7});
        QVERIFY(a.fatto(0));
        QCOMPARE(a.esatte(1), 0);
        QCOMPARE(a.prossimo(), 1);
        QCOMPARE(a.passoDi(UgualeDiverso), 2);
        QCOMPARE(a.passoDi(QStringLiteral("zirp3")), std::nullopt);
        QVERIFY(!a.contiene(QStringLiteral("zirp3")));
        QVERIFY(!a.fatto(3));
        QVERIFY(!a.fatto(-1));
    }

    // Right answers add to their step until its goal, which the answer
    // reaching it reports once; wrong ones add nothing; the next step and
    // the game's step move on; the path ends with its last step.
    void risposte_finoAlTraguardo()
    {
        Avanzamento a(Tre());
        QVERIFY(!a.aggiungi(0, false));
        QVERIFY(!a.aggiungi(0, true));
        QCOMPARE(a.esatte(0), 1);
        QVERIFY(a.aggiungi(0, true));
        QVERIFY(!a.aggiungi(0, true));
        QCOMPARE(a.esatte(0), 2);
        QCOMPARE(a.passoDi(UgualeDiverso), 2);
        QCOMPARE(a.prossimo(), 1);
        // A later step may be played before the next one.
        QVERIFY(!a.aggiungi(2, true));
        QVERIFY(!a.aggiungi(2, true));
        QVERIFY(a.aggiungi(2, true));
        QCOMPARE(a.passoDi(UgualeDiverso), std::nullopt);
        QVERIFY(a.contiene(UgualeDiverso));
        QCOMPARE(a.prossimo(), 1);
        QVERIFY(a.aggiungi(1, true));
        QVERIFY(a.finito());
        QVERIFY(!a.aggiungi(7, true));
    }

    // A path without steps has nothing to do.
    void senzaPassi_finito()
    {
        QVERIFY(Avanzamento().finito());
    }
};

QTEST_GUILESS_MAIN(ProvaAvanzamento)
#include "tst_avanzamento.moc"
