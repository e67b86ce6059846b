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
