// Opening every game from its menu button, and every kind of new turn, each
// measured from the click to the end of the window's paint; the floor of each
// step is decoding the very pictures it read with QImageReader alone.
// Prints one line per step: name, program ms, floor ms, "ms", ratio.
#include "app/Immagini.h"
#include "app/Modulo1.h"
#include "comune/Stile.h"
#include "bench/Banco.h"
#include "screens/Programma.h"
#include "screens/Schermi.h"
#include "controls/Bottone.h"
#include "screens/SchermoGioco.h"
#include "screens/formMenu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QDir>
#include <algorithm>
#include <cstdio>
#include <map>

namespace {

struct Serie {
    std::vector<double> programma, pavimento;
};

// Runs a step that ends painting window id, and the floor of the pictures it
// showed anew.
void Misura(Serie& serie, IdSchermo id, const std::function<void()>& azione)
{
    // The child looks at the screen before the next click: long enough for
    // the pictures prepared ahead of need.
    AttendiFigurePreparate();
    Svuota();
    FigureNuove figure(id);
    serie.programma.push_back(MisuraFinoAlDisegno(id, azione));
    const QStringList nuove = figure.raccogli();
    if (nuove.isEmpty())
        qFatal("a step that showed no new picture");
    serie.pavimento.push_back(DecodificaSola(nuove));
}

// The child looks at the screen for this long, the program running meanwhile.
void Guarda(double secondi)
{
    QEventLoop attesa;
    QTimer::singleShot(int(secondi * 1000), &attesa, &QEventLoop::quit);
    attesa.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(CreaStile());
    QApplication::setQuitOnLastWindowClosed(false);
    PreparaBanco(20260801);
    const int giri = qEnvironmentVariableIntValue("BENCH_GIRI") > 0
        ? qEnvironmentVariableIntValue("BENCH_GIRI") : 15;

    // BENCH_SOLO=<part of a name> keeps only the games it names (to profile one).
    std::vector<Partita> giochi = Partite();
    if (const QString solo = qEnvironmentVariable("BENCH_SOLO"); !solo.isEmpty())
        std::erase_if(giochi, [&](const Partita& g) { return !QString::fromUtf8(g.nome).contains(solo); });
    std::map<QString, Serie> serie;
    std::vector<QString> ordine;
    const auto registra = [&](const QString& nome) -> Serie& {
        if (!serie.count(nome))
            ordine.push_back(nome);
        return serie[nome];
    };

    // The start screen first, as in the program; then the menu.
    Modulo1::Main();
    Svuota();
    Schermi::Vai(*Schermi::Trova(IdSchermo::FormAvvio), IdSchermo::formMenu);
    Svuota();
    auto& menu = static_cast<formMenu&>(*Schermi::Trova(IdSchermo::formMenu));

    // One visit of every game before measuring: the first opening of any
    // screen also loads fonts and styles once for the whole run.
    for (int giro = -1; giro < giri; ++giro) {
        for (const Partita& g : giochi) {
            Serie scarto;
            Serie& apertura = giro < 0 ? scarto : registra(QStringLiteral("open %1").arg(g.nome));
            Misura(apertura, g.id, [&] { menu.controlli().giochi[g.bottoneMenu]->click(); });
            for (int volta = 0; volta < 2; ++volta) {
                if (g.prossimoBlocco) {
                    Serie& blocco = giro < 0 ? scarto : registra(QStringLiteral("%1: next block").arg(g.nome));
                    const QString bersaglio = g.prossimoBlocco();
                    Misura(blocco, g.id, [&] { Bottone_(g.id, bersaglio)->click(); });
                }
                Serie& turno = giro < 0 ? scarto : registra(QStringLiteral("%1: %2").arg(g.nome, g.turno));
                const QString bersaglio = g.preparaTurno();
                Misura(turno, g.id, [&] { Bottone_(g.id, bersaglio)->click(); });
            }
            static_cast<SchermoGioco*>(Schermi::Trova(g.id))->mnuEsci();
            Svuota();
            Svuota();
        }
    }

    // Where a turn's time goes besides its pictures: the whole window painted
    // again with nothing changed (as after a new background colour), against
    // a plain window of the same size and colour painted again.
    QWidget semplice;
    semplice.setAutoFillBackground(true);
    for (const Partita& g : giochi) {
        menu.controlli().giochi[g.bottoneMenu]->click();
        Svuota();
        QWidget* finestra = Schermi::Trova(g.id)->finestra();
        semplice.setGeometry(finestra->geometry());
        semplice.setPalette(finestra->palette());
        semplice.show();
        Svuota();
        Serie& ridisegno = registra(QStringLiteral("repaint of %1, nothing changed").arg(g.nome));
        for (int volta = 0; volta < giri; ++volta) {
            const Cronometro t;
            finestra->repaint();
            ridisegno.programma.push_back(t.millisecondi());
            const Cronometro u;
            semplice.repaint();
            ridisegno.pavimento.push_back(u.millisecondi());
        }
        semplice.hide();
        static_cast<SchermoGioco*>(Schermi::Trova(g.id))->mnuEsci();
        Svuota();
        Svuota();
    }

    // At a child's pace, from a start with nothing decoded: the start screen,
    // a click, the menu, a click on "trova il blocco", each screen looked at
    // for pausa seconds; click to the end of the game's first paint, against
    // a frame of 16 ms (the median, and the worst of the rounds). A start
    // after an earlier one finds the pictures that run fitted to their boxes;
    // the first start with these pictures (an empty folder) decodes them all.
    const auto trova = std::find_if(giochi.begin(), giochi.end(), [](const Partita& g) { return g.id == IdSchermo::FormTrova; });
    for (const auto& [pausa, prima] : {std::pair(0.15, false), std::pair(1.0, false), std::pair(0.15, true)}) {
        if (trova == giochi.end())
            break;
        std::vector<double> tempi;
        for (int volta = -1; volta < giri; ++volta) {
            SvuotaCacheFigure();
            if (prima)
                QDir(servizi().cartellaCopie).removeRecursively();
            Schermi::Vai(menu, IdSchermo::FormAvvio);
            Svuota();
            Guarda(pausa);
            Schermi::Vai(*Schermi::Trova(IdSchermo::FormAvvio), IdSchermo::formMenu);
            Svuota();
            Guarda(pausa);
            const double tempo = MisuraFinoAlDisegno(IdSchermo::FormTrova,
                                                     [&] { menu.controlli().giochi[trova->bottoneMenu]->click(); });
            // The first round only leaves the copies of an earlier run.
            if (volta >= 0)
                tempi.push_back(tempo);
            static_cast<SchermoGioco*>(Schermi::Trova(IdSchermo::FormTrova))->mnuEsci();
            Svuota();
            AttendiFigurePreparate();
        }
        const QString passo = QStringLiteral("pace %1 s a screen%2: open %3")
                                  .arg(pausa)
                                  .arg(prima ? QStringLiteral(", first run with these pictures") : QString())
                                  .arg(trova->nome);
        registra(passo + QStringLiteral(", median")) = {{Mediana(tempi)}, {16.0}};
        registra(passo + QStringLiteral(", worst")) = {{*std::max_element(tempi.begin(), tempi.end())}, {16.0}};
    }

    for (const QString& nome : ordine) {
        const Serie& s = serie[nome];
        const double p = Mediana(s.programma), f = Mediana(s.pavimento);
        std::printf("%s\t%.2f\t%.2f\tms\t%.2f\n", qPrintable(nome), p, f, p / f);
    }
    Schermi::DistruggiTutti();
    // As the game does: the preparation ahead of need stops while Qt's
    // shared thread pool, which its scaling waits for, still stands.
    SvuotaCacheFigure();
    return 0;
}
