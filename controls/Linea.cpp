#include "controls/Linea.h"

#include <QPainter>

Linea::Linea(QWidget* genitore, QLineF iniziali, int spessoreLinea, QColor coloreLinea)
    : QWidget(genitore), spessore(spessoreLinea), colore(coloreLinea)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEstremi(iniziali);
}

void Linea::setX1(double v) { setEstremi({QPointF(v, estremi.y1()), estremi.p2()}); }
void Linea::setY1(double v) { setEstremi({QPointF(estremi.x1(), v), estremi.p2()}); }
void Linea::setX2(double v) { setEstremi({estremi.p1(), QPointF(v, estremi.y2())}); }
void Linea::setY2(double v) { setEstremi({estremi.p1(), QPointF(estremi.x2(), v)}); }

void Linea::setEstremi(QLineF nuovi)
{
    estremi = nuovi;
    // The widget covers the line's bounding box plus half the pen on every side.
    const double margine = spessore / 2.0 + 1;
    const QRectF box = QRectF(estremi.p1(), estremi.p2()).normalized()
                           .adjusted(-margine, -margine, margine, margine);
    setGeometry(box.toAlignedRect());
    update();
}

void Linea::paintEvent(QPaintEvent*)
{
    // A thick line with round ends is costly to draw and is uncovered at
    // many clicks: it is drawn once for each place and copied.
    const QLineF qui = estremi.translated(-QPointF(pos()));
    const qreal scala = devicePixelRatioF();
    if (disegno.size() != size() * scala || disegnata != qui) {
        disegno = QPixmap(size() * scala);
        disegno.setDevicePixelRatio(scala);
        disegno.fill(Qt::transparent);
        QPainter q(&disegno);
        q.setRenderHint(QPainter::Antialiasing);
        q.setPen(QPen(colore, spessore, Qt::SolidLine, Qt::RoundCap));
        q.drawLine(qui);
        disegnata = qui;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, disegno);
}

Rettangolo::Rettangolo(QWidget* genitore, QColor coloreBordo, int spessoreBordo)
    : QWidget(genitore), colore(coloreBordo), spessore(spessoreBordo)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Rettangolo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int meta = spessore / 2;
    p.setPen(QPen(colore, spessore, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(rect().adjusted(meta, meta, -meta - 1, -meta - 1));
}
