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
// ignored). A file that is missing, unreadable, corrupt, absurdly large or not
// a regular file never stops the program: a block picture is then drawn by the
// program from its four words, any other picture stays empty, and one warning
// naming the file goes to standard error. Given the largest box the picture
// will fill (in device pixels), a larger picture is decoded at a reduced size
// that still covers that box.
Figura CaricaFigura(const QString& percorso, QSize lato = {});

// What a screen reader says for the picture of a path: the block's four words,
// or the attribute word of an attribute picture.
QString NomeFigura(const QString& percorso);
