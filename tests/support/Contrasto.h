#pragma once
#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cmath>

// The contrast of a text as it is painted: WCAG 2's ratio of relative
// luminances between the text's ink and its background, both read from the
// pixels of a widget's grab.
namespace Contrasto {

inline double Luminanza(const QColor& c)
{
    const auto lineare = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
}

inline double Rapporto(const QColor& a, const QColor& b)
{
    const double la = Luminanza(a), lb = Luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Misura {
    QColor sfondo;
    QColor testo;
    double rapporto = 1;
    int pixelTesto = 0;   // how many pixels have the text's ink
    QString descrizione() const
    {
        return QStringLiteral("%1 on %2: %3:1 (%4 pixels)")
            .arg(testo.name(), sfondo.name())
            .arg(rapporto, 0, 'f', 2)
            .arg(pixelTesto);
    }
};

// In zona of immagine (all of it when empty): the background is the colour
// most pixels have; the text's ink is, of the colours at least one pixel in
// a thousand has (the solid middle of the strokes, not the blends at their
// edges), the one that stands out most from the background.
inline Misura DelTesto(const QImage& immagine, QRect zona = {})
{
    const QImage rgb = immagine.convertToFormat(QImage::Format_RGB32);
    zona = zona.isNull() ? rgb.rect() : zona & rgb.rect();
    QHash<QRgb, int> conti;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            ++conti[rgb.pixel(x, y) & 0xFFFFFF];
    Misura m;
    int piu = 0;
    for (auto it = conti.cbegin(); it != conti.cend(); ++it)
        if (it.value() > piu) {
            piu = it.value();
            m.sfondo = QColor(it.key());
        }
    const int soglia = std::max(3, int(zona.width()) * zona.height() / 1000);
    for (auto it = conti.cbegin(); it != conti.cend(); ++it) {
        const QColor colore(it.key());
        if (it.value() < soglia || colore == m.sfondo)
            continue;
        if (const double r = Rapporto(colore, m.sfondo); r > m.rapporto) {
            m.rapporto = r;
            m.testo = colore;
            m.pixelTesto = it.value();
        }
    }
    return m;
}

// The same on a widget's grab, zona in the widget's own coordinates.
inline Misura DelTesto(QWidget* widget, const QRect& zona = {})
{
    const QImage immagine = widget->grab().toImage();
    const qreal r = immagine.devicePixelRatio();
    return DelTesto(immagine, zona.isNull() ? QRect() : QRect((QPointF(zona.topLeft()) * r).toPoint(), zona.size() * r));
}

} // namespace Contrasto
