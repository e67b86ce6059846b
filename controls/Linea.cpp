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
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QLineF qui = estremi.translated(-QPointF(pos()));
    if (spessore <= 1) {
        p.setPen(QPen(colore, spessore, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(qui);
        return;
    }
    // A wide line with round ends, drawn as a flat-ended line and a disc at
    // each end: the same pixels, but Qt rasterises a flat-ended line directly
    // and strokes a round-ended one as a path, several times slower.
    p.setPen(QPen(colore, spessore, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(qui);
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    const double raggio = spessore / 2.0;
    p.drawEllipse(qui.p1(), raggio, raggio);
    p.drawEllipse(qui.p2(), raggio, raggio);
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
