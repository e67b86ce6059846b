#include "app/Modulo1.h"
#include "controls/Linea.h"
#include "resize/clsResize.h"
#include "screens/FinestraSchermo.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"

#include <QAction>
#include <QPushButton>

namespace {

// A design surface of 9000 × 6000 twips (600 × 400 pixels) with a button,
// a line, a menu item and three controls whose Tags choose what is scaled.
constexpr Posto Progetto[] = {
    {"Bottone", -1, 1500, 1500, 3000, 1500},
    {"SoloPosto", -1, 3000, 3000, 1500, 1500},
    {"Minuscole", -1, 3000, 3000, 1500, 1500},
    {"Altro", -1, 3000, 3000, 1500, 1500},
    {"Line1", -1, 150, 300, 4500, 6000},
};

struct Finestra {
    FinestraSchermo f{QSize(9000, 6000), QString()};
    QPushButton* bottone = f.aggiungi(new QPushButton, Cerca(Progetto, "Bottone"));
    QPushButton* soloPosto = f.aggiungi(new QPushButton, Cerca(Progetto, "SoloPosto"));
    QPushButton* minuscole = f.aggiungi(new QPushButton, Cerca(Progetto, "Minuscole"));
    QPushButton* altro = f.aggiungi(new QPushButton, Cerca(Progetto, "Altro"));
    Linea* linea = f.aggiungiLinea(Cerca(Progetto, "Line1"), 2);
    QAction* voce = f.aggiungiMenu("mnu1", "Azzera");
    clsResize r;

    Finestra()
    {
        soloPosto->setProperty("Tag", "@L,T");
        minuscole->setProperty("Tag", "@lt");
        altro->setProperty("Tag", "LTWH senza chiocciola");
        r.setSourceForm(&f);
    }
    // The inner (client) size the resizer scales to.
    void interno(int w, int h) { f.resize(w, h + (f.height() - f.altezzaInterna())); }
};

} // namespace

class ProvaResize : public QObject {
    Q_OBJECT
private slots:
    void sizeFormToScreen_a75PerCentoCentraLaFinestra()
    {
        Finestra w;
        w.r.SizeFormToScreen(75);
        QCOMPARE(w.f.size(), QSize(768, 576));
        QCOMPARE(w.f.pos(), QPoint(128, 96));
        QCOMPARE(w.r.RecordedWidth, 600);
        QCOMPARE(w.r.RecordedHeight, 400);
        // 768 / 600 across, the inner height over 400 down.
        const double ry = w.f.altezzaInterna() / 400.0;
        QCOMPARE(w.bottone->geometry(), QRect(qRound(100 * 1.28), qRound(100 * ry), qRound(200 * 1.28), qRound(100 * ry)));
    }

    void primoResize_registraSoltanto()
    {
        Finestra w;
        w.interno(1200, 800);
        w.r.ResizeControls();
        QVERIFY(!w.r.NeedsRecording);
        QCOMPARE(w.r.RecordedWidth, 1200);
        QCOMPARE(w.bottone->geometry(), QRect(100, 100, 200, 100));
        QCOMPARE(int(w.r.ControlPositions.size()), 6);
    }

    void tag_sceglieCosaScalare_lineePerEstremi_menuIntatti()
    {
        Finestra w;
        w.r.ReInitialise();
        w.interno(1200, 1200); // twice as wide, three times as high
        w.r.ResizeControls();
        QCOMPARE(w.bottone->geometry(), QRect(200, 300, 400, 300));
        QCOMPARE(w.soloPosto->geometry(), QRect(400, 600, 100, 100));
        QCOMPARE(w.minuscole->geometry(), QRect(400, 600, 100, 100));
        QCOMPARE(w.altro->geometry(), QRect(400, 600, 200, 300));
        QCOMPARE(w.linea->linea(), QLineF(20, 60, 600, 1200));
        const ControlPosition& menu = w.r.ControlPositions.back();
        QCOMPARE(menu.control.data(), static_cast<QObject*>(w.voce));
        QCOMPARE(menu.valori, (std::array<int, 4>{0, 0, 0, 0}));
    }

    void tornandoAllaMisuraRegistrata_tuttoTornaAlSuoPosto()
    {
        Finestra w;
        w.r.ReInitialise();
        for (const QSize s : {QSize(333, 211), QSize(1920, 1017), QSize(601, 399)}) {
            w.interno(s.width(), s.height());
            w.r.ResizeControls();
        }
        w.interno(600, 400);
        w.r.ResizeControls();
        QCOMPARE(w.bottone->geometry(), QRect(100, 100, 200, 100));
        QCOMPARE(w.altro->geometry(), QRect(200, 200, 100, 100));
        QCOMPARE(w.linea->linea(), QLineF(10, 20, 300, 400));
    }

    void finestraRidotta_aIcona_nonSiTocca()
    {
        Finestra w;
        w.r.ReInitialise();
        w.f.show();
        w.f.showMinimized();
        w.interno(1200, 800);
        w.r.ResizeControls();
        QCOMPARE(w.bottone->geometry(), QRect(100, 100, 200, 100));
        w.f.showNormal();
        w.r.ResizeControls();
        QCOMPARE(w.bottone->geometry(), QRect(200, 200, 400, 200));
    }

    // Scaling suspends the window's redraw and gives back the state it found:
    // a window kept from painting until it is ready stays so.
    void ridisegnoSospeso_restaComeEra()
    {
        Finestra w;
        w.r.ReInitialise();
        w.interno(1200, 800);
        w.r.ResizeControls();
        QVERIFY(w.f.updatesEnabled());
        w.f.setUpdatesEnabled(false);
        w.interno(900, 600);
        w.r.ResizeControls();
        QCOMPARE(w.bottone->geometry(), QRect(150, 150, 300, 150));
        QVERIFY(!w.f.updatesEnabled());
    }

    void misuraRegistrataNulla_nonDivideMaiPerZero()
    {
        Finestra w;
        w.interno(0, 0);
        w.r.ReInitialise();
        QCOMPARE(w.r.RecordedWidth, 0);
        w.interno(800, 600);
        w.r.ResizeControls();
        QCOMPARE(w.bottone->geometry(), QRect(100, 100, 200, 100));
    }
};

TESSELO_TEST_MAIN(ProvaResize)
#include "tst_resize.moc"
