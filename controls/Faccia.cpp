#include "controls/Faccia.h"
#include "media/Testi.h"

#include "BlockArt.h"

#include <QPainter>

Faccia::Faccia(QWidget* genitore, bool sorridente) : QWidget(genitore), felice(sorridente)
{
    setAccessibleName(sorridente ? Tesselo::tr("giusto") : Tesselo::tr("sbagliato"));
}

void Faccia::paintEvent(QPaintEvent*)
{
    // Drawn once for each size of the box and copied at every answer.
    const qreal scala = devicePixelRatioF();
    if (disegno.size() != size() * scala) {
        disegno = QPixmap(size() * scala);
        disegno.setDevicePixelRatio(scala);
        disegno.fill(Qt::transparent);
        QPainter q(&disegno);
        q.setRenderHint(QPainter::Antialiasing);
        Media::disegnaFaccia(q, QRectF(rect()), felice);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, disegno);
}
