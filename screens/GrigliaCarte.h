#pragma once
#include <QAbstractButton>
#include <QList>
#include <QWidget>

class QPainter;

// A button drawn as a white card with rounded corners, for a small finger
// on the screens that ask who plays and which class: the mouse, a finger,
// Space or Return press it, and the arrows move the focus through its grid.
// The focus shows as a thick dark ring, whatever the desktop's style.
class Carta : public QAbstractButton {
public:
    Carta(const QString& testo, QWidget* genitore);

protected:
    // Draws what the card shows inside its face, carta, whose border is bordo wide.
    virtual void disegna(QPainter& p, const QRectF& carta, double bordo) = 0;

    void keyPressEvent(QKeyEvent* evento) override;
    void paintEvent(QPaintEvent*) override;
};

// The cards in rows, as many columns as make them largest, the whole centred
// in its box; each card proporzione times as tall as it is wide. Every card
// edge is rounded once, so that neighbours share it and never overlap.
class GrigliaCarte final : public QWidget {
public:
    explicit GrigliaCarte(double proporzione, QWidget* genitore = nullptr)
        : QWidget(genitore), proporzione(proporzione) {}

    // Takes a card made with this grid as its parent, in reading order.
    void aggiungi(Carta* carta) { carte.append(carta); }
    // Gives the focus to the card dx columns and dy rows away from da.
    void sposta(const Carta* da, int dx, int dy);

protected:
    void resizeEvent(QResizeEvent*) override { disponi(); }

private:
    void disponi();

    const double proporzione;
    QList<Carta*> carte;
    int colonne = 1;
};

// The pixel size, at most altezza and at least minimo, at which testo in
// carattere fits larghezza.
int AltezzaCheSta(const QFont& carattere, const QString& testo, double larghezza, int altezza, int minimo);
