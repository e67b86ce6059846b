#pragma once
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

// A picture written in a file format ("jpeg", "png", "bmp") as the bytes of
// its file; quality 95 for JPEG, progressive where asked.
inline QByteArray Codifica(const QImage& immagine, const char* formato, bool progressivo = false)
{
    QByteArray dati;
    QBuffer b(&dati);
    b.open(QIODevice::WriteOnly);
    QImageWriter w(&b, formato);
    w.setQuality(95);
    w.setProgressiveScanWrite(progressivo);
    w.write(immagine);
    return dati;
}
