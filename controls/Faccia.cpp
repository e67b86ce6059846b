#include "controls/Faccia.h"

#include "BlockArt.h"

#include <QPainter>
#include <QPixmapCache>

Faccia::Faccia(QWidget* genitore, bool sorridente) : QWidget(genitore), felice(sorridente)
{
    setAccessibleName(sorridente ? QStringLiteral("giusto") : QStringLiteral("sbagliato"));
}

void Faccia::paintEvent(QPaintEvent*)
{
    // Every face of a size is drawn once and then copied: it shows at every
    // answer.
    const qreal scala = devicePixelRatioF();
    const QSize lato = size() * scala;
    const QString chiave = QStringLiteral("tesselo-faccia-%1-%2x%3").arg(felice).arg(lato.width()).arg(lato.height());
    QPixmap disegno;
    if (!QPixmapCache::find(chiave, &disegno)) {
        disegno = QPixmap(lato);
        disegno.setDevicePixelRatio(scala);
        disegno.fill(Qt::transparent);
        QPainter q(&disegno);
        q.setRenderHint(QPainter::Antialiasing);
        Media::disegnaFaccia(q, QRectF(rect()), felice);
        q.end();
        QPixmapCache::insert(chiave, disegno);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, disegno);
}
