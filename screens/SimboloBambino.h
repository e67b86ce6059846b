#pragma once
#include "registro/Bambino.h"
#include "screens/GrigliaCarte.h"

#include <QImage>
#include <QVariantAnimation>
#include <functional>

// One child's symbol with the name beneath it, on a white card.
class SimboloBambino : public Carta {
public:
    SimboloBambino(const Registro::Simbolo& simbolo, const QString& nome, QWidget* genitore);

protected:
    void resizeEvent(QResizeEvent*) override { figura = {}; }
    void disegna(QPainter& p, const QRectF& carta, double bordo) override;

private:
    const Registro::Simbolo& simbolo;
    QImage figura;
};

// The playing child's symbol on the menu. Held pressed for a second, by the
// mouse or a finger, it calls tenuto: the computer goes to the next child.
// A click or a shorter press does nothing, so that a child's tap changes
// nothing; while it is held a ring fills round it. It takes no focus from
// the games' buttons: the keyboard has a key combination of its own.
class SimboloDaTenere final : public SimboloBambino {
public:
    static constexpr int TenutaMs = 1000;

    SimboloDaTenere(const Registro::Simbolo& simbolo, const QString& nome, std::function<void()> tenuto,
                    QWidget* genitore = nullptr);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QVariantAnimation anello;
};

// The symbol and the shown name of the sitting's child (id 0: the guest),
// as "Chi gioca?" shows them; a symbol the program no longer knows is shown
// as the guest's.
struct Giocatore {
    const Registro::Simbolo* simbolo;
    QString nome;
};
Giocatore GiocatoreDi(const Registro::Bambino& bambino);
Giocatore Ospite();
// The child chosen for the sitting, if any.
std::optional<Giocatore> GiocatoreScelto();
