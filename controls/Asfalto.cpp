#include "controls/Asfalto.h"

#include "controls/Linea.h"

#include <QPainter>
#include <QPainterPath>

namespace {
const QColor ColoreMezzeria(0xF4, 0xF4, 0xF4);
} // namespace

Asfalto::Asfalto(QWidget* genitore) : QWidget(genitore)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Asfalto::aggiungiStrada(std::vector<Estremo> contorno)
{
    strade.push_back(std::move(contorno));
    update();
}

void Asfalto::aggiungiParcheggio(QWidget* area)
{
    parcheggi.emplace_back(area);
    update();
}

void Asfalto::aggiungiMezzeria(std::vector<std::pair<Estremo, Estremo>> punti)
{
    mezzerie.push_back(std::move(punti));
    update();
}

QPointF Asfalto::punto(const Estremo& e) const
{
    if (!e.linea)
        return {};
    // The lines stand in this widget's container, as this widget does.
    const QLineF l = e.linea->linea();
    return (e.secondo ? l.p2() : l.p1()) - QPointF(pos());
}

QRectF Asfalto::qui(const QRect& nelContenitore) const
{
    return QRectF(nelContenitore).translated(-QPointF(pos()));
}

QList<qreal> Asfalto::chiave() const
{
    QList<qreal> k{qreal(width()), qreal(height()), devicePixelRatioF()};
    const auto aggiungi = [&k](QPointF punto) { k << punto.x() << punto.y(); };
    for (const auto& contorno : strade)
        for (const Estremo& e : contorno)
            aggiungi(punto(e));
    for (const QWidget* area : parcheggi) {
        if (!area)
            continue;
        const QRect box = area->geometry();
        k << box.x() << box.y() << box.width() << box.height();
        for (const QWidget* posto : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            k << posto->x() << posto->width();
    }
    for (const auto& mezzeria : mezzerie)
        for (const auto& [a, b] : mezzeria) {
            aggiungi(punto(a));
            aggiungi(punto(b));
        }
    return k;
}

void Asfalto::paintEvent(QPaintEvent*)
{
    // The surface lies under every other control, so it is painted again at
    // almost every click: it is drawn once for each layout of the roads and
    // then copied.
    const QList<qreal> ora = chiave();
    if (ora != chiaveDisegno) {
        disegno = QPixmap(size() * devicePixelRatioF());
        disegno.setDevicePixelRatio(devicePixelRatioF());
        disegno.fill(Qt::transparent);
        QPainter q(&disegno);
        disegna(q);
        chiaveDisegno = ora;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, disegno);
}

void Asfalto::disegna(QPainter& p) const
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Asfalto::Colore);
    for (const auto& contorno : strade) {
        QPolygonF poligono;
        for (const Estremo& e : contorno)
            poligono << punto(e);
        // Filled without antialiasing and then outlined with a thin smooth
        // line of the same colour: the same soft edges, at a tenth of the
        // time antialiased filling of so large a shape takes.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawPolygon(poligono);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Asfalto::Colore, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(poligono);
        p.setPen(Qt::NoPen);
        p.setBrush(Asfalto::Colore);
    }
    for (const QWidget* area : parcheggi)
        if (area)
            p.drawRoundedRect(qui(area->geometry()), 4, 4);

    // The white markings grow with the window, so the roads look the same at
    // any size.
    const double tratto = qMax(2.0, height() / 160.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ColoreMezzeria, tratto, Qt::SolidLine, Qt::FlatCap));
    for (const QWidget* area : parcheggi) {
        if (!area)
            continue;
        // The stalls show above and below the pictures parked in them.
        const QRectF box = qui(area->geometry());
        const double margine = box.height() / 12;
        for (const QWidget* posto : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            for (const int x : {posto->x(), posto->x() + posto->width()})
                if (x > tratto && x < box.width() - tratto) // the area's own rim needs no line
                    p.drawLine(QPointF(box.left() + x, box.top() + margine),
                               QPointF(box.left() + x, box.bottom() - margine));
    }

    QPen trattini(ColoreMezzeria, tratto, Qt::CustomDashLine, Qt::FlatCap);
    trattini.setDashPattern({4, 3});
    p.setPen(trattini);
    for (const auto& mezzeria : mezzerie) {
        QPainterPath percorso;
        for (const auto& [a, b] : mezzeria) {
            const QPointF centro = (punto(a) + punto(b)) / 2;
            if (percorso.elementCount() == 0)
                percorso.moveTo(centro);
            else
                percorso.lineTo(centro);
        }
        p.drawPath(percorso);
    }
}
