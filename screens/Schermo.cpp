#include "screens/Schermo.h"

#include "registro/Blocco.h"
#include "app/Immagini.h"
#include "app/Modulo1.h"
#include "controls/Immagine.h"

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
        PreparaFigureDelGioco();
    }
}

void Schermo::PreparaFigureDelGioco()
{
    QSize lato;
    for (const Immagine* immagine : finestra_->findChildren<Immagine*>())
        lato = lato.expandedTo(immagine->latoMassimo());
    if (lato.isEmpty())
        return;
    QStringList percorsi;
    for (const Blocco& blocco : Blocco::tutti())
        percorsi.append(blocco.percorso(Modulo1::CartellaApplicazione()));
    for (const QString& parola : ParoleConFigura())
        percorsi.append(Modulo1::CartellaApplicazione() + "/jpg/" + parola + ".jpg");
    PreparaFigure(percorsi, lato);
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
    // usually unloaded from a click on one of its own controls.
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
