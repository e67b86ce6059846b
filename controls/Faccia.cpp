#include "controls/Faccia.h"

#include "BlockArt.h"

#include <QPainter>

Faccia::Faccia(QWidget* genitore, bool sorridente) : QWidget(genitore), felice(sorridente)
{
    setAccessibleName(sorridente ? QStringLiteral("giusto") : QStringLiteral("sbagliato"));
}

void Faccia::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    Media::disegnaFaccia(p, QRectF(rect()), felice);
}
