#pragma once
#include <QImage>
#include <QList>
#include <QStringList>
#include <QSize>
#include <functional>
#include <QString>

// A picture as a picture control shows it, with what a screen reader says for it.
struct Figura {
    QImage immagine;
    QString nome;
};

// Reads a media picture from its file (letter case of the name ignored):
// the user's own file of that name when there is one (see FileDaProvare), or
// else the program's. A file is read afresh at every load unless it is
// settled (see IdentitaFile) and its picture is ready: a file whose identity
// has not changed since this run read it holds the same bytes, and its
// picture is taken from the cache without reading it again. A user's file that cannot be shown
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

// A picture loaded for a control's box, as the control shows it: fitted to
// the box, keeping its proportions (see DimensioneAdattata). The cache keeps
// pictures at the size they are shown: one found there is neither decoded
// nor fitted again, and then the picture as CaricaFigura gives it is not
// made at all (its picture is null) until someone asks for it.
struct FiguraNelRiquadro {
    Figura figura;       // as CaricaFigura gives it, or a null picture (see above)
    QImage mostrata;     // fitted to the box
    QSize dimensione;    // the size of figura's picture, made or not
    // What the cache tells the bytes read and their decoding by; empty for a
    // picture the program drew, or none.
    QByteArray chiave;
};
// Several pictures, each for its box (RichiestaFigura::lato), loaded as
// CaricaFigure loads them: the same warnings, the same pictures. A settled
// file's picture fitted to its box is also taken, without reading the file,
// from the copies kept between runs in servizi().cartellaCopie, which every
// picture fitted to its box here is added to: a folder of the user's, whose
// files are taken only when they prove sound, and kept within 64 MiB.
QList<FiguraNelRiquadro> CaricaFigureNeiRiquadri(const QList<RichiestaFigura>& richieste);
// The picture of chiave (decoded at dimensione) fitted to another box: from
// the cache, or else fitted and kept: from mostrataOra, the picture as shown
// now, when that is at least twice as large each way or at most two pixels
// larger, or else from what decodificata gives (asked for only then).
QImage FiguraNelRiquadroDiverso(const QByteArray& chiave, QSize dimensione, QSize riquadro, const QImage& mostrataOra,
                                const std::function<QImage()>& decodificata);

// Prepares these pictures ahead of need on a thread of its own, while the
// program waits for the child, starting at once (a screen asks once it has
// been painted): group after group of boxes, in that order, each picture
// for every box of its group, read once and decoded once for each run of
// boxes, one after the other in the group, that a load decodes it at the
// same size for; a picture kept between runs is taken from there instead. A
// later load of the same bytes for such a box then finds them ready, at the
// size they are shown, and the decoded pictures too while they take no more
// than an eighth of their bound. Once the pictures it has prepared fill the
// cache, it goes on fitting the rest for the copies kept between runs alone
// (without a folder for them, it stops there). A new call replaces what is
// left of the last one. It never warns: a damaged file is named when a
// screen loads it.
// On Linux that thread is in the idle scheduling class, so that it never takes
// the processor from the program's own work or from another program, and
// ps -L shows it by this name; a load never waits for it, but decodes a
// picture that thread is still decoding itself.
// The boxes of soloCopie come last, their pictures fitted for the copies
// kept between runs alone (a screen shown once a run, for its next one).
void PreparaFigure(const QStringList& percorsi, const QList<QList<QSize>>& gruppi,
                   const QList<QSize>& soloCopie = {});
// Each box a group of its own: box by box, in that order.
void PreparaFigure(const QStringList& percorsi, const QList<QSize>& lati);
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

// The bounds of the cache: of decoded pictures, and of pictures fitted to
// their boxes. What the screens show are fitted copies (a 12-megapixel photo
// fitted to a box of "trova il blocco" takes 60 KB, decoded at an eighth
// 750 KB): all 60 pictures for the boxes of the games with the most pictures
// on a 1024 × 768 screen fit in the second. The decoded pictures are kept
// for loads that ask for them (CaricaFigura) and, of those prepared ahead of
// need, an eighth of their bound. Together they keep resident memory within
// 1.5 times the menu's.
inline constexpr qint64 CacheFigureMassima = 12LL * 1024 * 1024;
inline constexpr qint64 CacheMostrateMassima = 8LL * 1024 * 1024;
// What the cache holds now, and emptying it (at exit, and for measurements
// and tests; the preparation under way is stopped first).
qint64 ByteCacheFigure();
void SvuotaCacheFigure();

// Gives the memory the program's heap holds free back to the system (glibc
// keeps what pictures of some tens of KiB leave free, in every thread's
// arena, for later allocations).
void RestituisciMemoriaLibera();

// Keeps the image decoders' own complaints (Qt's image-io and colour-profile
// logging categories) off standard error: the program names a picture it cannot show itself, once
// and in one line, and the decoders would repeat theirs at every load. Other
// messages are left alone, and QT_LOGGING_RULES can still turn these on.
void TaciDecodificatori();

// What a screen reader says for the picture of a path: the block's four words,
// or the attribute word of an attribute picture.
QString NomeFigura(const QString& percorso);
