#pragma once
#include "percorsi/Percorso.h"

#include <QList>
#include <optional>

// A child's progress on a learning path: the right answers given under each
// step, counted from 0. A step is done once its count reaches its goal; the
// next step is the first not done, and the path is done when every step is.
// A game of the path plays its first step not yet done, since a game may
// appear in several steps.
class Avanzamento {
public:
    Avanzamento() = default;
    // The counts in step order; missing ones are 0, extra ones are ignored,
    // negative ones count as 0.
    explicit Avanzamento(Percorso percorso, const QList<int>& esatte = {});

    const Percorso& percorso() const { return p; }
    qsizetype passi() const { return p.passi.size(); }
    int esatte(qsizetype passo) const { return conteggi.value(passo); }
    bool fatto(qsizetype passo) const;
    // The first step not done; nothing when the path is done.
    std::optional<qsizetype> prossimo() const;
    bool finito() const { return !prossimo().has_value(); }
    // The step the game (a screen's name) plays: its first not done;
    // nothing when the path has none of it left to do.
    std::optional<qsizetype> passoDi(const QString& schermo) const;
    // Whether the game is in the path at all, done or not.
    bool contiene(const QString& schermo) const;

    // One answer given under a step: a right one adds to it while it is not
    // done. True when that answer completes the step.
    bool aggiungi(qsizetype passo, bool esatta);

private:
    Percorso p;
    QList<int> conteggi;  // one per step
};
