#include "app/Stile.h"

#include <QPainter>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace {
class Stile final : public QProxyStyle {
public:
    Stile() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption* opzione, const QWidget* widget,
                  QStyleHintReturn* ritorno) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, opzione, widget, ritorno);
    }

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione, QPainter* p,
                       const QWidget* widget) const override
    {
        if (elemento == PE_FrameFocusRect && widget) {
            const QWidget* finestra = widget->window();
            DisegnaFuoco(*p, opzione->rect, finestra->palette().color(finestra->backgroundRole()));
            return;
        }
        QProxyStyle::drawPrimitive(elemento, opzione, p, widget);
    }
};
} // namespace

QStyle* CreaStile()
{
    // Fusion keeps each button face it draws in Qt's pixmap cache, under a key
    // made from the button's palette. Every screen gives its controls new
    // palettes when it loads, so a face is never found there again, and Qt
    // 6.4 never forgets such keys: the cache would only grow with every
    // visit. With it off, faces are drawn directly, which is no slower here.
    QPixmapCache::setCacheLimit(0);
    return new Stile;
}

void DisegnaFuoco(QPainter& p, const QRect& box, const QColor& sfondoFinestra)
{
    const bool chiaro = qGray(sfondoFinestra.rgb()) >= 128;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    // Each ring is two pixels wide, drawn as whole pixels at any scale.
    const QRectF fuori = QRectF(box).adjusted(1, 1, -1, -1);
    p.setPen(QPen(chiaro ? Qt::black : Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(fuori);
    p.setPen(QPen(chiaro ? Qt::white : Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(fuori.adjusted(2, 2, -2, -2));
    p.restore();
}
