// ResizeControls on the main menu, against setting the same geometries
// directly: prints microseconds per call of each and their ratio.
#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "screens/Schermi.h"

#include <QApplication>
#include <QElapsedTimer>
#include "app/Stile.h"
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(CreaStile());
    usaServiziReali();
    servizi().cartellaApplicazione = QStringLiteral(TESSELO_APP_DIR);
    Schermi::CreaTutti();
    Schermi::Mostra(IdSchermo::formMenu);
    FinestraSchermo* f = Schermi::Trova(IdSchermo::formMenu)->finestra();
    const QSize misure[] = {{1024, 768}, {1920, 1080}};
    const int giri = 2000;

    QElapsedTimer t;
    t.start();
    for (int i = 0; i < giri; ++i) {
        f->resize(misure[i % 2]);  // runs ResizeControls through the resize step
    }
    const double conResizer = t.nsecsElapsed() / 1e3 / giri;

    // The floor: the same controls moved to precomputed places.
    QList<QList<QRect>> posti;
    for (const QSize& s : misure) {
        f->resize(s);
        QList<QRect> p;
        for (QObject* o : f->controlli())
            if (auto* w = qobject_cast<QWidget*>(o))
                p.append(w->geometry());
        posti.append(p);
    }
    Modulo1::Ridimensionatore.reset();
    t.restart();
    for (int i = 0; i < giri; ++i) {
        f->resize(misure[i % 2]);
        int k = 0;
        f->setUpdatesEnabled(false);
        for (QObject* o : f->controlli())
            if (auto* w = qobject_cast<QWidget*>(o))
                w->setGeometry(posti[i % 2][k++]);
        f->setUpdatesEnabled(true);
    }
    const double diretto = t.nsecsElapsed() / 1e3 / giri;
    std::printf("%.2f %.2f %.2f\n", conResizer, diretto, conResizer / diretto);
    Schermi::DistruggiTutti();
    return 0;
}
