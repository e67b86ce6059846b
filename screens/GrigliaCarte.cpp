#include "screens/GrigliaCarte.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

Carta::Carta(const QString& testo, QWidget* genitore) : QAbstractButton(genitore)
{
    setText(testo);
    setAccessibleName(testo);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void Carta::keyPressEvent(QKeyEvent* evento)
{
    auto* griglia = dynamic_cast<GrigliaCarte*>(parentWidget());
    const auto sposta = [&](int dx, int dy) {
        if (griglia)
            griglia->sposta(this, dx, dy);
    };
    switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        animateClick();
        return;
    case Qt::Key_Left: return sposta(-1, 0);
    case Qt::Key_Right: return sposta(1, 0);
    case Qt::Key_Up: return sposta(0, -1);
    case Qt::Key_Down: return sposta(0, 1);
    default:
        QAbstractButton::keyPressEvent(evento);
    }
}

void Carta::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double bordo = std::max(3.0, std::min(width(), height()) / 30.0);
    const QRectF carta = QRectF(rect()).adjusted(bordo, bordo, -bordo, -bordo);
    QPainterPath forma;
    forma.addRoundedRect(carta, bordo * 3, bordo * 3);
    p.fillPath(forma, isDown() ? QColor(225, 225, 225) : QColor(Qt::white));
    if (hasFocus())
        p.strokePath(forma, QPen(QColor(20, 40, 140), bordo * 1.6));
    disegna(p, carta, bordo);
}

void GrigliaCarte::sposta(const Carta* da, int dx, int dy)
{
    const qsizetype i = carte.indexOf(da) + dx + dy * colonne;
    if (carte.contains(da) && i >= 0 && i < carte.size())
        carte[i]->setFocus(Qt::OtherFocusReason);
}

void GrigliaCarte::disponi()
{
    const int n = int(carte.size());
    double migliore = 0;
    for (int c = 1; c <= n; ++c) {
        const int righe = (n + c - 1) / c;
        const double lato = std::min(double(width()) / c, height() / (righe * proporzione));
        if (lato > migliore) {
            migliore = lato;
            colonne = c;
        }
    }
    const int righe = (n + colonne - 1) / colonne;
    const double x0 = (width() - colonne * migliore) / 2;
    const double y0 = (height() - righe * migliore * proporzione) / 2;
    const auto x = [&](int colonna) { return qRound(x0 + colonna * migliore); };
    const auto y = [&](int riga) { return qRound(y0 + riga * migliore * proporzione); };
    for (int i = 0; i < n; ++i) {
        const int colonna = i % colonne, riga = i / colonne;
        carte[i]->setGeometry(QRect(QPoint(x(colonna), y(riga)), QPoint(x(colonna + 1) - 1, y(riga + 1) - 1)));
    }
}

int AltezzaCheSta(const QFont& carattere, const QString& testo, double larghezza, int altezza, int minimo)
{
    QFont f = carattere;
    f.setPixelSize(altezza);
    const double serve = QFontMetricsF(f).horizontalAdvance(testo);
    if (serve <= larghezza)
        return altezza;
    return std::max(minimo, int(altezza * larghezza / serve));
}
