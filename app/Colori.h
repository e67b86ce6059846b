#pragma once
#include <QColor>
#include <QtGlobal>

// A colour value laid out as &H00BBGGRR (red in the low byte).
inline QColor ColoreDa(quint32 bbggrr)
{
    return QColor(bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF);
}

inline quint32 ValoreColore(const QColor& c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

// The colours the games paint their controls with, as &H00BBGGRR values: a
// pressed right answer (and the red route and frame), a button waiting for an
// answer, a condition label, a label the help lights up.
namespace Colori {
constexpr quint32 Rosso = 0x000000FF;
constexpr quint32 GrigioChiaro = 0x00E0E0E0;
constexpr quint32 Bianco = 0x00FFFFFF;
constexpr quint32 VerdeChiaro = 0x0080FF80;
}
