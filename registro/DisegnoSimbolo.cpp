#include "registro/DisegnoSimbolo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <mutex>

namespace Registro {

namespace {
// The colour emoji font draws its pictures from bitmaps made at this size;
// drawing there and scaling the result keeps every size sharp and the same.
constexpr int LatoFonte = 128;

QImage DisegnoNuovo(const Simbolo& simbolo)
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

// Each symbol at each size is drawn once per run: the lists of the teachers'
// program show the same symbols again at every refresh, and drawing one from
// the colour font costs a third of a millisecond. A few dozen symbols at a
// few sizes: a few MiB at most. The size LatoFonte is the drawing itself.
QImage Memorizzato(const Simbolo& simbolo, int lato)
{
    static std::mutex mutex;
    static QHash<std::pair<QByteArray, int>, QImage> disegni;
    const std::pair chiave(QByteArray(simbolo.emoji), lato);
    {
        const std::lock_guard blocco(mutex);
        if (const auto trovato = disegni.constFind(chiave); trovato != disegni.cend())
            return *trovato;
    }
    const QImage immagine = lato == LatoFonte
        ? DisegnoNuovo(simbolo)
        : Memorizzato(simbolo, LatoFonte).scaled(lato, lato, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const std::lock_guard blocco(mutex);
    disegni.insert(chiave, immagine);
    return immagine;
}

QImage Disegno(const Simbolo& simbolo)
{
    return Memorizzato(simbolo, LatoFonte);
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
    return Memorizzato(simbolo, lato);
}

QPixmap IconaSimbolo(const Simbolo& simbolo, int lato, qreal rapporto)
{
    // Ratios are a few fixed steps (1, 1.25, 1.5, 2, ...): kept in hundredths.
    const int centesimi = std::max(1, qRound(rapporto * 100));
    static QHash<std::pair<QByteArray, std::pair<int, int>>, QPixmap> icone;
    const std::pair chiave(QByteArray(simbolo.emoji), std::pair(lato, centesimi));
    if (const auto trovata = icone.constFind(chiave); trovata != icone.cend())
        return *trovata;
    const qreal esatto = centesimi / 100.0;
    QPixmap icona = QPixmap::fromImage(Memorizzato(simbolo, std::max(1, qRound(lato * esatto))));
    icona.setDevicePixelRatio(esatto);
    icone.insert(chiave, icona);
    return icona;
}

} // namespace Registro
