#pragma once

#include <QImage>
#include <QString>

class QPainter;
class QRectF;

// Vector drawings of the attribute blocks and of the few pictures the game
// needs besides them. Everything is drawn with QPainter paths only (no fonts,
// no randomness), so the same call always yields the same pixels.
namespace Media {

// One block on a white square picture of side `lato` (Format_RGB32).
// forma: "rotondo" (also "cerchio"), "quadrato", "rettangolo", "triangolo";
// colore: "rosso", "giallo", "blu"; dimensione: "grande", "piccolo";
// spessore: "spesso", "sottile". Case-insensitive; any unknown word gives a
// null image.
QImage disegnaBlocco(const QString& forma, const QString& colore, const QString& dimensione,
                     const QString& spessore, int lato = 480);

// A picture that shows one attribute value without words: a grey shape
// ("cerchio"/"rotondo", "quadrato", "rettangolo", "triangolo"), big vs small
// ("grande", "piccolo"), thick vs thin slab ("spesso", "sottile"), or a patch
// of colour ("rosso", "giallo", "blu"). Case-insensitive; unknown word gives a
// null image. Format_RGB32, white background.
QImage disegnaAttributo(const QString& parola, int lato = 480);

// A yellow smiling face or a red frowning face, centred in `r` and as large as
// fits while staying round. Leaves the painter state unchanged.
void disegnaFaccia(QPainter& p, const QRectF& r, bool sorridente);

// A bold green arrow pointing right, centred in `r` keeping its proportions.
// Leaves the painter state unchanged.
void disegnaFreccia(QPainter& p, const QRectF& r);

// A treble clef on a transparent background (Format_ARGB32), with a white halo
// so it stays visible on dark and light backgrounds; meant as a mouse cursor.
QImage disegnaChiaveDiViolino(int lato);

// The application icon: three coloured blocks on a rounded light tile,
// transparent outside the tile (Format_ARGB32).
QImage disegnaIcona(int lato);

} // namespace Media
