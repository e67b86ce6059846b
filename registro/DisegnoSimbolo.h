#pragma once
#include "registro/Bambino.h"

#include <QImage>
#include <QRectF>

class QPainter;

namespace Registro {

// Draws a symbol as large as fits rect, centred, from the colour emoji font.
void DisegnaSimbolo(QPainter& p, const QRectF& rect, const Simbolo& simbolo);
// The symbol as a square picture of lato pixels on a transparent ground.
QImage ImmagineSimbolo(const Simbolo& simbolo, int lato);

} // namespace Registro
