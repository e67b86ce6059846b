#pragma once
#include <QImage>
#include <QList>
#include <QStringList>
#include <QSize>
#include <QString>

// A picture as a picture control shows it, with what a screen reader says for it.
struct Figura {
    QImage immagine;
    QString nome;
};

// Reads a media picture afresh from its file (letter case of the name
// ignored): the user's own file of that name when there is one (see
// FileDaProvare), or else the program's. A user's file that cannot be shown
// is named once on standard error and the program's file is shown instead. Photos of up to 64 megapixels and 64 MiB are accepted and shown
// upright whatever their orientation tag. The decoding of the bytes just read
// is saved in a cache of at most CacheFigureMassima bytes, so that a picture
// shown again is not decoded again while its file is unchanged. A file that is missing, unreadable, corrupt, absurdly large or not
// a regular file never stops the program: a block picture is then drawn by the
// program from its four words, any other picture stays empty, and one warning
// naming the file goes to standard error. Given the largest box the picture
// will be shown in (in device pixels), a larger picture is decoded at a
// reduced size that still covers the picture fitted to that box.
Figura CaricaFigura(const QString& percorso, QSize lato = {});

// Several pictures loaded as CaricaFigura loads each, in the order given, but
// read and decoded in parallel where there are cores to spare.
struct RichiestaFigura {
    QString percorso;
    QSize lato;
};
QList<Figura> CaricaFigure(const QList<RichiestaFigura>& richieste);

// Decodes these pictures for a box of lato into the cache ahead of need, on a
// thread of its own, while the program waits for the child (starting a moment
// later, so that the screen asking finishes opening first): a later load of
// the same bytes then finds them decoded. A load still reads its file, and
// the bytes it reads decide what shows. It stops when the pictures it has
// prepared fill the cache, and a new call replaces what is left of the last
// one. It never warns: a damaged file is named when a screen loads it.
// On Linux that thread is in the idle scheduling class, so that it never takes
// the processor from the program's own work or from another program, and
// ps -L shows it by this name; a load never waits for it, but decodes a
// picture that thread is still decoding itself.
void PreparaFigure(const QStringList& percorsi, QSize lato);
inline constexpr char NomeFiloPreparazione[] = "figure-anticipo";
// Waits at most ms milliseconds (-1: as long as needed) for the pictures
// asked for to be prepared; true when they are.
bool AttendiFigurePreparate(int ms = -1);

// The size a picture of this size is shown at in a box of riquadro: as
// large as fits, keeping its proportions.
QSize DimensioneAdattata(QSize figura, QSize riquadro);

// A picture fitted to a box of riquadro device pixels, keeping its
// proportions (see DimensioneAdattata), as a picture control shows it.
// Fitted pictures are kept in the same cache as decoded ones, so a picture
// shown again at the same size is not fitted again.
QImage FiguraAdattata(const QImage& figura, QSize riquadro);

// The bound of the cache of decoded and fitted pictures: all 60 pictures of
// a set of 12-megapixel photos, decoded at an eighth (750 KB each) for the
// boxes of a 1024 × 768 screen, fit in it with their fitted copies. (A bound
// of 20 MiB keeps resident memory within 1.5 times the menu's, but then a
// turn with photos decodes most of its pictures while the child waits.)
inline constexpr qint64 CacheFigureMassima = 64LL * 1024 * 1024;
// What the cache holds now, and emptying it (at exit, and for measurements
// and tests; the preparation under way is stopped first).
qint64 ByteCacheFigure();
void SvuotaCacheFigure();

// Keeps the image decoders' own complaints (Qt's image-io and colour-profile
// logging categories) off standard error: the program names a picture it cannot show itself, once
// and in one line, and the decoders would repeat theirs at every load. Other
// messages are left alone, and QT_LOGGING_RULES can still turn these on.
void TaciDecodificatori();

// What a screen reader says for the picture of a path: the block's four words,
// or the attribute word of an attribute picture.
QString NomeFigura(const QString& percorso);
