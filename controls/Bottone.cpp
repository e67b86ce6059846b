#include "controls/Bottone.h"

#include "comune/Stile.h"
#include "app/Modulo1.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

Bottone::Bottone(const QString& testo, QWidget* genitore) : QPushButton(testo, genitore)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    // Connected before any handler of the screen, so the button's word is
    // spoken first and the click then does what it always did.
    connect(this, &QAbstractButton::clicked, this, [this] { Modulo1::Pronuncia(text()); });
}

void Bottone::setColore(const QColor& colore)
{
    tinta = colore;
    update();
}

void Bottone::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(evento);
}

void Bottone::paintEvent(QPaintEvent* evento)
{
    if (!tinta.isValid()) {
        // The style's own face shows the focus only as a thin tinted outline:
        // the program's focus frame goes over it.
        QPushButton::paintEvent(evento);
        if (hasFocus()) {
            QPainter p(this);
            DisegnaFuoco(p, rect(), window()->palette().color(window()->backgroundRole()));
        }
        return;
    }
    QStylePainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF faccia = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(0x6e, 0x6e, 0x6e), 1));
    p.setBrush(isDown() ? tinta.darker(120) : tinta);
    p.drawRoundedRect(faccia, 3, 3);
    if (hasFocus())
        DisegnaFuoco(p, rect(), window()->palette().color(window()->backgroundRole()));
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    // The caption stands out on the face whatever the desktop's palette. A
    // locked button's goes 40 per cent of the way towards the face: plainly
    // paler, and still readable, as the answer a child chose must be.
    const QColor inchiostro = InchiostroSu(tinta);
    const auto verso = [&](int a, int b) { return a + (b - a) * 2 / 5; };
    const QColor testo = isEnabled() ? inchiostro
                                     : QColor(verso(inchiostro.red(), tinta.red()),
                                              verso(inchiostro.green(), tinta.green()),
                                              verso(inchiostro.blue(), tinta.blue()));
    opzione.palette.setColor(QPalette::ButtonText, testo);
    opzione.state |= QStyle::State_Enabled; // the caption colour above already tells a locked button
    p.drawControl(QStyle::CE_PushButtonLabel, opzione);
}
