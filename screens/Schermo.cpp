#include "screens/Schermo.h"

#include "registro/Blocco.h"
#include "app/Immagini.h"
#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "controls/Immagine.h"
#include "screens/Programma.h"

#include <QTimer>
#include <QEvent>
#include <algorithm>
#include <functional>
#include <map>

Schermo::~Schermo()
{
    delete finestra_.data();
}

void Schermo::Mostra()
{
    if (!finestra_) {
        finestra_ = new FinestraSchermo(areaProgetto(), titolo());
        CreaControlli(*finestra_);
        Form_Load();
    }
    const bool daAttivare = !attivato;
    if (daAttivare && !finestra_->isVisible()) {
        // Every activation step fills the screen: the window appears at that
        // size straight away, never painted at the size it had for a moment.
        finestra_->riempiSchermo();
    }
    // The window is painted once, when the activation step has put its first
    // turn in place: not once as it appears and again for every control that
    // step changes.
    if (daAttivare)
        finestra_->setUpdatesEnabled(false);
    finestra_->show();
    if (FinestraSchermo::PiazzaFinestre())
        finestra_->activateWindow();
    if (daAttivare) {
        attivato = true;
        Form_Activate();
        finestra_->setUpdatesEnabled(true);
        PreparaDopoIlDisegno();
    }
}

namespace {

// Runs fai once the window's surface has been painted for the first time,
// when that paint is over (or never, should the window go first).
class DopoIlPrimoDisegno final : public QObject {
public:
    DopoIlPrimoDisegno(QWidget* superficie, std::function<void()> fai) : QObject(superficie), fai(std::move(fai))
    {
        superficie->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint && !dipinta) {
            dipinta = true;
            QTimer::singleShot(0, this, [this] {
                fai();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> fai;
    bool dipinta = false;
};

// A screen's picture boxes, as they are once its window fills the screen,
// each with how many pictures it shows at once.
using Riquadri = QList<std::pair<QSize, int>>;

// The boxes, those that show the most pictures at once first: a turn that
// shows many is the one that would wait longest for its pictures.
QList<QSize> PerNumero(Riquadri riquadri)
{
    std::stable_sort(riquadri.begin(), riquadri.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    QList<QSize> lati;
    for (const auto& [lato, quanti] : riquadri)
        lati.append(lato);
    return lati;
}

} // namespace

void Schermo::PreparaDopoIlDisegno()
{
    // The screen's own pictures are loaded; once they show, the thread that
    // prepares the next ones may start.
    new DopoIlPrimoDisegno(finestra_->superficie(), [this] {
        if (finestra_)
            PreparaFigureDelGioco();
    });
}

void Schermo::PreparaFigureDelGioco()
{
    // The picture boxes of every screen shown so far in this run: a game's
    // turns to come show their pictures in the same boxes.
    static std::map<IdSchermo, Riquadri> riquadri;
    Riquadri& miei = riquadri[id()];
    miei.clear();
    for (const Immagine* immagine : finestra_->findChildren<Immagine*>()) {
        const QSize lato = immagine->latoMassimo();
        if (lato.isEmpty())
            continue;
        const auto stesso = std::find_if(miei.begin(), miei.end(), [&](const auto& r) { return r.first == lato; });
        if (stesso == miei.end())
            miei.append({lato, 1});
        else
            ++stesso->second;
    }
    // A screen without pictures leaves the preparation under way as it is.
    if (miei.isEmpty())
        return;
    Riquadri altri;
    for (const auto& [schermo, suoi] : riquadri)
        if (schermo != id() && schermo != IdSchermo::FormAvvio)
            altri += suoi;
    // A game's own boxes come first, for its next turns, then those of the
    // other games shown so far: each group's pictures read and decoded once
    // for all its boxes. The start screen is shown once a run, its pictures
    // loaded: from there, only the games' boxes (none in a run that has not
    // shown a game yet), and its own for the copies kept for the next run.
    QList<QList<QSize>> gruppi;
    QList<QSize> visti;
    for (const QList<QSize>& lati : id() == IdSchermo::FormAvvio ? QList<QList<QSize>>{PerNumero(altri)}
                                                                  : QList<QList<QSize>>{PerNumero(miei), PerNumero(altri)}) {
        QList<QSize> gruppo;
        for (const QSize& lato : lati)
            if (!visti.contains(lato)) {
                visti.append(lato);
                gruppo.append(lato);
            }
        if (!gruppo.isEmpty())
            gruppi.append(gruppo);
    }
    // Without a folder for the copies, nothing is prepared for them.
    const QList<QSize> perLaProssima = id() == IdSchermo::FormAvvio && !QString(servizi().cartellaCopie).isEmpty()
        ? PerNumero(miei)
        : QList<QSize>();
    if (gruppi.isEmpty() && perLaProssima.isEmpty())
        return;
    QStringList percorsi;
    for (const Blocco& blocco : Blocco::tutti())
        percorsi.append(blocco.percorso(Modulo1::CartellaApplicazione()));
    for (const QString& parola : ParoleConFigura())
        percorsi.append(Modulo1::CartellaApplicazione() + "/jpg/" + parola + ".jpg");
    PreparaFigure(percorsi, gruppi, perLaProssima);
}

void Schermo::Scarica()
{
    if (!finestra_)
        return;
    FinestraSchermo* vecchia = finestra_;
    finestra_ = nullptr;
    attivato = false;
    DimenticaControlli();
    vecchia->segnaChiusuraDelProgramma();
    vecchia->hide();
    // Deleted once the handler that asked for it has returned: a screen is
    // usually unloaded from a click on one of its own controls. Once it is
    // gone, with its pictures, the memory they leave free goes back to the
    // system.
    QObject::connect(vecchia, &QObject::destroyed, [] { QTimer::singleShot(0, RestituisciMemoriaLibera); });
    vecchia->deleteLater();
}

void Schermo::Form_Activate()
{
    finestra_->riempiSchermo();
}

void Schermo::PreparaRidimensionatore()
{
    Modulo1::Ridimensionatore = std::make_unique<clsResize>();
    Modulo1::Ridimensionatore->setSourceForm(finestra_);
    Modulo1::Ridimensionatore->SizeFormToScreen(75);
}
