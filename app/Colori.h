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
