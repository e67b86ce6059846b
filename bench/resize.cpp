// The resizer on the screen with the most controls, against setting the same
// geometries directly: first ResizeControls on its own (the window already at
// its new size), then whole window resizes with everything they trigger.
// Prints one line per figure: name, program us, floor us, "us", ratio.
#include "app/Modulo1.h"
#include "comune/Stile.h"
#include "bench/Banco.h"
#include "screens/Programma.h"
#include "screens/Schermi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

const std::pair<IdSchermo, const char*> Schermate[] = {
    {IdSchermo::formMenu, "menu"},         {IdSchermo::form1, "uguale - diverso"},
    {IdSchermo::FORM2, "insiemi"},         {IdSchermo::zirp3, "quanti sono ?"},
    {IdSchermo::FormTrova, "trova il blocco"}, {IdSchermo::zirp7, "le strade 1"},
    {IdSchermo::zirp8, "le strade 2"},     {IdSchermo::zirp9, "tabella"},
    {IdSchermo::FormDomino, "Cosa cambia?"}, {IdSchermo::FormDomino2, "Cosa resta uguale?"}};

int ControlliConPosto(IdSchermo id)
{
    int n = 0;
    for (QObject* o : Schermi::Trova(id)->finestra()->controlli())
        n += o->isWidgetType();
    return n;
}

// Every control's place as the resizer left it at one window size (a line's
// place is the box of the widget that draws it).
struct Posti {
    QList<QWidget*> widget;
    QList<QRect> rettangoli;
};

Posti Fotografa(FinestraSchermo* f)
{
    Posti p;
    for (QObject* o : f->controlli())
        if (auto* w = qobject_cast<QWidget*>(o)) {
            p.widget.append(w);
            p.rettangoli.append(w->geometry());
        }
    return p;
}

// The floor: the same places set directly.
void Applica(FinestraSchermo* f, const Posti& p)
{
    f->setUpdatesEnabled(false);
    for (int i = 0; i < p.widget.size(); ++i)
        p.widget[i]->setGeometry(p.rettangoli[i]);
    f->setUpdatesEnabled(true);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(CreaStile());
    QApplication::setQuitOnLastWindowClosed(false);
    PreparaBanco(7);
    Modulo1::Main();

    IdSchermo scelta = IdSchermo::formMenu;
    const char* nome = "";
    int massimo = -1;
    for (const auto& [id, nomeSchermo] : Schermate) {
        Schermi::Mostra(id);
        const int n = ControlliConPosto(id);
        if (n > massimo) {
            massimo = n;
            scelta = id;
            nome = nomeSchermo;
        }
        Schermi::ChiudiTutto();
        Svuota();
    }
    Schermi::Mostra(scelta);
    Svuota();
    FinestraSchermo* f = Schermi::Trova(scelta)->finestra();
    const QSize misure[] = {{1024, 768}, {1920, 1080}};
    const int giri = 4000;

    // The places the resizer gives at each size.
    QList<Posti> posti;
    for (const QSize& s : misure) {
        f->resize(s);
        posti.append(Fotografa(f));
    }

    // ResizeControls alone: the window is resized with the resizer detached
    // and its painting held back (neither is timed), then the resizer runs,
    // or the same places are set (timed).
    std::unique_ptr<clsResize> ridimensionatore = std::move(Modulo1::Ridimensionatore);
    const auto ridimensionaSenzaDisegnare = [f](QSize s) {
        f->setUpdatesEnabled(false);
        f->resize(s);
        f->setUpdatesEnabled(true);
    };
    double resizer = 0, diretto = 0;
    QElapsedTimer t;
    for (int i = 0; i < 2 * giri; ++i) {
        ridimensionaSenzaDisegnare(misure[i % 2]);
        t.start();
        if (i % 4 < 2)
            ridimensionatore->ResizeControls();
        else
            Applica(f, posti[i % 2]);
        (i % 4 < 2 ? resizer : diretto) += t.nsecsElapsed();
    }
    resizer /= 1e3 * giri;
    diretto /= 1e3 * giri;
    std::printf("ResizeControls on %s (%d controls)\t%.2f\t%.2f\tus\t%.2f\n", nome, massimo, resizer, diretto,
                resizer / diretto);

    // Whole window resizes, each followed by its paint as the window system
    // asks for it (the menu bar, the surface and every control laid out).
    double finestra = 0, finestraDiretta = 0;
    const int giriFinestra = giri / 8;
    for (int i = 0; i < 2 * giriFinestra; ++i) {
        const bool conResizer = i % 4 < 2;
        if (conResizer)
            Modulo1::Ridimensionatore = std::move(ridimensionatore);
        t.start();
        f->resize(misure[i % 2]);
        if (!conResizer)
            Applica(f, posti[i % 2]);
        QCoreApplication::processEvents();
        (conResizer ? finestra : finestraDiretta) += t.nsecsElapsed();
        if (conResizer)
            ridimensionatore = std::move(Modulo1::Ridimensionatore);
    }
    finestra /= 1e3 * giriFinestra;
    finestraDiretta /= 1e3 * giriFinestra;
    std::printf("window resize and paint on %s\t%.2f\t%.2f\tus\t%.2f\n", nome, finestra, finestraDiretta,
                finestra / finestraDiretta);
    Modulo1::Ridimensionatore = std::move(ridimensionatore);
    Schermi::DistruggiTutti();
    return 0;
}
