#include "controls/Etichetta.h"

#include "app/Modulo1.h"
#include "comune/Stile.h"
#include "controls/Bottone.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFrame>

void ImpostaSfondo(QWidget* controllo, const QColor& colore)
{
    if (auto* bottone = qobject_cast<Bottone*>(controllo)) {
        bottone->setColore(colore);
        return;
    }
    QPalette tavolozza = controllo->palette();
    // A command button paints its own face in the button colour, its caption
    // in whichever of black and white stands out on it; anything else fills
    // its box with the window colour and writes in black, as do the controls
    // that stand on it without a background of their own. Never the desktop's
    // text colour: a dark theme's light text would vanish on these colours.
    if (qobject_cast<QPushButton*>(controllo)) {
        tavolozza.setColor(QPalette::Button, colore);
        tavolozza.setColor(QPalette::ButtonText, InchiostroSu(colore));
    } else {
        tavolozza.setColor(QPalette::Window, colore);
        tavolozza.setColor(QPalette::WindowText, Qt::black);
        controllo->setAutoFillBackground(true);
    }
    controllo->setPalette(tavolozza);
}

QColor SfondoDi(const QWidget* controllo)
{
    if (auto* bottone = qobject_cast<const Bottone*>(controllo); bottone && bottone->colore().isValid())
        return bottone->colore();
    const bool bottone = qobject_cast<const QPushButton*>(controllo) != nullptr;
    return controllo->palette().color(bottone ? QPalette::Button : QPalette::Window);
}

void UsaColoriContenuto(QWidget* controllo)
{
    controllo->setBackgroundRole(QPalette::Base);
    controllo->setForegroundRole(QPalette::Text);
    controllo->setAutoFillBackground(true);
}

Etichetta::Etichetta(QWidget* genitore, const QString& testo) : QLabel(testo, genitore)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Etichetta::setCliccabile(bool attiva)
{
    cliccabile = attiva;
    setFocusPolicy(attiva ? Qt::StrongFocus : Qt::NoFocus);
}

void Etichetta::mousePressEvent(QMouseEvent* evento)
{
    evento->accept();
}

// A click on a label that shows a word of the games speaks it, before
// whatever else the click does: a child who cannot read clicks to hear.
void Etichetta::mouseReleaseEvent(QMouseEvent* evento)
{
    evento->accept();
    // Only the left button clicks.
    if (evento->button() != Qt::LeftButton || !rect().contains(evento->position().toPoint()))
        return;
    Modulo1::Pronuncia(text());
    emit clicked();
}

void Etichetta::keyPressEvent(QKeyEvent* evento)
{
    const int tasto = evento->key();
    if (cliccabile && (tasto == Qt::Key_Space || tasto == Qt::Key_Return || tasto == Qt::Key_Enter)) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(evento);
}

// A label's text is never selected or followed as a link: the focus must not
// make QLabel build a text document for it, which it would then lay out at
// every paint.
void Etichetta::focusInEvent(QFocusEvent* evento)
{
    QFrame::focusInEvent(evento);
}

void Etichetta::focusOutEvent(QFocusEvent* evento)
{
    QFrame::focusOutEvent(evento);
}

Cornice::Cornice(QWidget* genitore) : QAbstractButton(genitore)
{
    setFocusPolicy(Qt::StrongFocus);
}

void Cornice::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor scuro = palette().color(QPalette::Dark);
    p.setPen(QPen(isEnabled() ? scuro : scuro.lighter(130), 2));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
    // The keyboard focus shows as on every other control, over the border.
    if (hasFocus())
        DisegnaFuoco(p, rect(), window()->palette().color(window()->backgroundRole()));
}

void Cornice::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(evento);
}
