#pragma once
#include <QRect>
#include <QtGlobal>

// The design places every control in twips (1/1440 inch); on screen one pixel
// is 15 twips, as on a 96-dot-per-inch display. This is the one place where
// twips become pixels.
inline constexpr double TwipsPerPixel = 15.0;

inline int Pixel(double twips)
{
    return qRound(twips / TwipsPerPixel);
}

inline QRect RettangoloPixel(int left, int top, int width, int height)
{
    return QRect(Pixel(left), Pixel(top), Pixel(width), Pixel(height));
}
