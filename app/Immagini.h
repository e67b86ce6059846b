#pragma once
#include <QImage>
#include <QSize>
#include <QString>

// A picture as a picture control shows it, with what a screen reader says for it.
struct Figura {
    QImage immagine;
    QString nome;
};

// Reads a media picture afresh from its file (letter case of the name
// ignored). Photos of up to 64 megapixels and 64 MiB are accepted and shown
// upright whatever their orientation tag. The decoding of the bytes just read
// is saved in a cache of at most CacheFigureMassima bytes, so that a picture
// shown again is not decoded again while its file is unchanged. A file that is missing, unreadable, corrupt, absurdly large or not
// a regular file never stops the program: a block picture is then drawn by the
// program from its four words, any other picture stays empty, and one warning
// naming the file goes to standard error. Given the largest box the picture
// will fill (in device pixels), a larger picture is decoded at a reduced size
// that still covers that box.
Figura CaricaFigura(const QString& percorso, QSize lato = {});

// The bound of the decoded-picture cache: all 60 block pictures of a photo
// set at the size a full-screen box needs fit in it.
inline constexpr qint64 CacheFigureMassima = 64LL * 1024 * 1024;
// What the cache holds now, and emptying it (for measurements and tests).
qint64 ByteCacheFigure();
void SvuotaCacheFigure();

// What a screen reader says for the picture of a path: the block's four words,
// or the attribute word of an attribute picture.
QString NomeFigura(const QString& percorso);
