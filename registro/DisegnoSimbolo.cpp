#include "registro/DisegnoSimbolo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace Registro {

namespace {
// The colour emoji font draws its pictures from bitmaps made at this size;
// drawing there and scaling the result keeps every size sharp and the same.
constexpr int LatoFonte = 128;

QImage Disegno(const Simbolo& simbolo)
{
    QImage immagine(LatoFonte, LatoFonte, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont carattere(QStringLiteral("Noto Color Emoji"));
    carattere.setPixelSize(LatoFonte * 3 / 4);
    p.setFont(carattere);
    const QString testo = QString::fromUtf8(simbolo.emoji);
    const QRectF box = QFontMetricsF(carattere).tightBoundingRect(testo);
    // Centre the glyph's own ink, not its advance box.
    const double scala = std::min(LatoFonte / std::max(1.0, box.width()), LatoFonte / std::max(1.0, box.height()));
    p.translate(LatoFonte / 2.0, LatoFonte / 2.0);
    p.scale(std::min(scala, 1.3), std::min(scala, 1.3));
    p.drawText(QPointF(-box.center().x(), -box.center().y()), testo);
    return immagine;
}
} // namespace

void DisegnaSimbolo(QPainter& p, const QRectF& rect, const Simbolo& simbolo)
{
    const double lato = std::min(rect.width(), rect.height());
    const QRectF quadrato(rect.center().x() - lato / 2, rect.center().y() - lato / 2, lato, lato);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(quadrato, Disegno(simbolo));
    p.restore();
}

QImage ImmagineSimbolo(const Simbolo& simbolo, int lato)
{
    return Disegno(simbolo).scaled(lato, lato, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace Registro
