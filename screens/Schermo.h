#pragma once
#include "screens/FinestraSchermo.h"
// IdSchermo: the start screen, the menu, every game of the catalogue of the
// games (giochi.cmake), "Chi gioca?" and "Quale classe?".
#include "screens/IdSchermo.h"

#include <QPointer>
#include <QSize>
#include <QString>

// A screen has two lives. The object (its variables and procedures) lives for
// the whole run; its window and controls are created by its load step and
// destroyed when it is unloaded, so its variables outlive its window.
class Schermo {
public:
    explicit Schermo(IdSchermo id) : identita(id) {}
    virtual ~Schermo();
    Schermo(const Schermo&) = delete;
    Schermo& operator=(const Schermo&) = delete;

    IdSchermo id() const { return identita; }
    bool caricato() const { return finestra_ != nullptr; }
    FinestraSchermo* finestra() const { return finestra_; }

    // Loads the screen if needed (its load step), shows it and, once per
    // showing, runs its activation step.
    void Mostra();
    // Destroys the window and its controls; the variables keep their values.
    void Scarica();

protected:
    // The design client area in twips and the window's title.
    virtual QSize areaProgetto() const = 0;
    virtual QString titolo() const { return {}; }
    // Creates every control in its design state.
    virtual void CreaControlli(FinestraSchermo& f) = 0;
    // Forgets the pointers to the controls of a window that is going away.
    virtual void DimenticaControlli() = 0;
    virtual void Form_Load() = 0;
    // By default the activation step makes the window fill the screen.
    virtual void Form_Activate();

    // The first steps of every load: a new resizer for this window, stored
    // in the shared global, and the window at 75 per cent of the screen.
    void PreparaRidimensionatore();

private:
    // While the child looks at the screen, every block and attribute picture
    // is prepared ahead of need for the picture boxes of the games shown so
    // far (the screen's own first), so that the turns to come find their
    // pictures fitted to their boxes; it starts once the screen has been
    // painted.
    void PreparaDopoIlDisegno();
    void PreparaFigureDelGioco();

    const IdSchermo identita;
    QPointer<FinestraSchermo> finestra_;
    bool attivato = false;
};
