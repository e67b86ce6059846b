#pragma once
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// Writes a file's bytes whole, making its folders first; a test that cannot
// lay out its files stops at once.
inline void Scrivi(const QString& percorso, const QByteArray& dati)
{
    QDir().mkpath(QFileInfo(percorso).path());
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(dati) != dati.size())
        qFatal("cannot write %s", qPrintable(percorso));
}

// A JPEG with an Exif block that holds only the orientation tag, right after
// its start marker, as a phone writes it.
inline QByteArray ConOrientamento(QByteArray jpeg, int tag)
{
    const unsigned char exif[] = {0xFF, 0xE1, 0x00, 0x22, 'E', 'x', 'i', 'f', 0, 0,
                                  'I', 'I', 0x2A, 0x00, 0x08, 0x00, 0x00, 0x00,       // TIFF header
                                  0x01, 0x00,                                           // one entry
                                  0x12, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00,       // orientation, SHORT, 1
                                  static_cast<unsigned char>(tag), 0x00, 0x00, 0x00,
                                  0x00, 0x00, 0x00, 0x00};                              // no next IFD
    jpeg.insert(2, reinterpret_cast<const char*>(exif), sizeof exif);
    return jpeg;
}
