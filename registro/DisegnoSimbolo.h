#pragma once
#include "registro/Bambino.h"

#include <QImage>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace Registro {

// Draws a symbol as large as fits rect, centred, from the colour emoji font.
void DisegnaSimbolo(QPainter& p, const QRectF& rect, const Simbolo& simbolo);
// The symbol as a square picture of lato pixels on a transparent ground.
QImage ImmagineSimbolo(const Simbolo& simbolo, int lato);
// The symbol as an icon of lato device-independent pixels for a screen of
// the given device pixel ratio (lato × rapporto pixels, the ratio set on
// the pixmap), made once per symbol, size and ratio and then shared: the
// views of the teachers' program show every child's symbol again at each
// refresh. From the interface thread only, as every QPixmap.
QPixmap IconaSimbolo(const Simbolo& simbolo, int lato, qreal rapporto);

} // namespace Registro
