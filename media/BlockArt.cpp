#include "BlockArt.h"

#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace Media {
namespace {

// ---------------------------------------------------------------- palette

struct Tinta {
    QColor faccia; // top face
    QColor fianco; // side face, a darker shade of the same colour
};

const QColor kContorno(0x1E, 0x1E, 0x26);
const QColor kSfondo(Qt::white);
const Tinta kGrigio{QColor(0x6E, 0x72, 0x7A), QColor(0x48, 0x4B, 0x52)};
const QColor kTratteggio(0x9A, 0x9E, 0xA6);
const Tinta kRosso{QColor(0xE0, 0x20, 0x20), QColor(0xA4, 0x12, 0x12)};
const Tinta kGiallo{QColor(0xFF, 0xD0, 0x00), QColor(0xD2, 0x98, 0x00)};
const Tinta kBlu{QColor(0x1E, 0x50, 0xE0), QColor(0x14, 0x38, 0xA8)};

std::optional<Tinta> tintaDi(const QString& colore)
{
    if (colore == u"rosso")
        return kRosso;
    if (colore == u"giallo")
        return kGiallo;
    if (colore == u"blu")
        return kBlu;
    return std::nullopt;
}

// ----------------------------------------------------------------- shapes

enum class Forma { Cerchio, Quadrato, Rettangolo, Triangolo };

std::optional<Forma> formaDi(const QString& parola)
{
    if (parola == u"rotondo" || parola == u"cerchio")
        return Forma::Cerchio;
    if (parola == u"quadrato")
        return Forma::Quadrato;
    if (parola == u"rettangolo")
        return Forma::Rettangolo;
    if (parola == u"triangolo")
        return Forma::Triangolo;
    return std::nullopt;
}

// Width over height of each shape's top face.
qreal proporzione(Forma f)
{
    switch (f) {
    case Forma::Rettangolo: return 2.0;
    case Forma::Triangolo: return 2.0 / std::sqrt(3.0); // equilateral
    default: return 1.0;
    }
}

// A top face: either an ellipse inscribed in `box` or a convex polygon whose
// vertices run clockwise on screen (so that (dy, -dx) is an outward normal).
struct Sagoma {
    bool ellisse = false;
    QRectF box;
    QPolygonF vertici;

    QPainterPath percorso() const
    {
        QPainterPath p;
        if (ellisse)
            p.addEllipse(box);
        else
            p.addPolygon(vertici);
        p.closeSubpath();
        return p;
    }
};

Sagoma sagomaDi(Forma f, const QRectF& b)
{
    Sagoma s;
    s.box = b;
    switch (f) {
    case Forma::Cerchio:
        s.ellisse = true;
        break;
    case Forma::Triangolo:
        s.vertici << QPointF(b.center().x(), b.top()) << b.bottomRight() << b.bottomLeft();
        break;
    default:
        s.vertici << b.topLeft() << b.topRight() << b.bottomRight() << b.bottomLeft();
        break;
    }
    return s;
}

// --------------------------------------------------------------- drawing

QPen pennaContorno(qreal larghezza, const QColor& colore = kContorno, bool tratteggiata = false)
{
    QPen pen(colore, larghezza, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (tratteggiata)
        pen.setDashPattern({2.2, 1.8});
    return pen;
}

// Brush for a fill colour; a fully transparent colour means "no fill".
QBrush pennello(const QColor& c)
{
    return c.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(c);
}

// A slab: the top face `s` extruded along `e` (pointing down/right on
// screen). Side faces that face the viewer are filled with the side colour,
// a little darker when they turn to the right, then the top face goes on top.
void disegnaLastra(QPainter& p, const Sagoma& s, QPointF e, const Tinta& t, const QPen& pen)
{
    p.setPen(pen);
    const qreal lunghezza = std::hypot(e.x(), e.y());
    if (lunghezza > 0.01) {
        if (s.ellisse) {
            // The side of a disc: the shifted disc joined to the original by
            // the band between the two tangent lines parallel to `e`.
            const QPointF c = s.box.center();
            const QPointF n = QPointF(-e.y(), e.x()) * (s.box.width() / 2 / lunghezza);
            QPainterPath corpo;
            corpo.addEllipse(s.box.translated(e));
            QPainterPath banda;
            banda.addPolygon(QPolygonF{c - n, c + n, c + n + e, c - n + e});
            banda.closeSubpath();
            corpo = corpo.united(banda);
            if (t.fianco.alpha() == 0) {
                p.setBrush(Qt::NoBrush);
            } else {
                QLinearGradient g(c + n, c - n);
                g.setColorAt(0, t.fianco.lighter(115));
                g.setColorAt(1, t.fianco.darker(120));
                p.setBrush(g);
            }
            p.drawPath(corpo);
        } else {
            const int n = s.vertici.size();
            for (int i = 0; i < n; ++i) {
                const QPointF a = s.vertici[i];
                const QPointF b = s.vertici[(i + 1) % n];
                const QPointF normale(b.y() - a.y(), a.x() - b.x());
                if (QPointF::dotProduct(normale, e) <= 0)
                    continue;
                const qreal versoDestra = std::max<qreal>(0, normale.x() / std::hypot(normale.x(), normale.y()));
                const QColor c = t.fianco.alpha() == 0 ? t.fianco : t.fianco.darker(100 + int(30 * versoDestra));
                p.setBrush(pennello(c));
                p.drawPolygon(QPolygonF{a, b, b + e, a + e});
            }
        }
    }
    p.setBrush(pennello(t.faccia));
    p.drawPath(s.percorso());
}

QImage nuovaImmagine(int lato, QImage::Format formato, const QColor& sfondo)
{
    QImage img(lato, lato, formato);
    img.fill(sfondo);
    return img;
}

void preparaPittore(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
}

// Direction in which slabs show their thickness: down and a little right, as
// if the block lay on a table seen from slightly above and to the right.
QPointF direzioneSpessore()
{
    return QPointF(0.643, 0.766); // 40 degrees from straight down
}

// ------------------------------------------------------ attribute pictures

void disegnaSoloForma(QPainter& p, Forma f, int lato)
{
    const qreal massimo = 0.72 * lato;
    const qreal r = proporzione(f);
    const QSizeF dim = r >= 1 ? QSizeF(massimo, massimo / r) : QSizeF(massimo * r, massimo);
    QRectF box(QPointF(), dim);
    box.moveCenter(QPointF(lato / 2.0, lato / 2.0));
    disegnaLastra(p, sagomaDi(f, box), QPointF(), kGrigio, pennaContorno(0.014 * lato));
}

// Two items side by side, the first always the big/thick one; the chosen one
// is filled grey, the other only a dashed outline.
Tinta tintaScelta(bool scelto)
{
    return scelto ? kGrigio : Tinta{Qt::transparent, Qt::transparent};
}

QPen pennaScelta(bool scelto, int lato)
{
    return scelto ? pennaContorno(0.014 * lato) : pennaContorno(0.012 * lato, kTratteggio, true);
}

void disegnaGrandePiccolo(QPainter& p, bool grande, int lato)
{
    const qreal base = 0.74 * lato;
    const QRectF grandeBox(0.07 * lato, base - 0.50 * lato, 0.50 * lato, 0.50 * lato);
    const QRectF piccoloBox(0.66 * lato, base - 0.25 * lato, 0.25 * lato, 0.25 * lato);
    const QPointF piatto;
    disegnaLastra(p, sagomaDi(Forma::Cerchio, grandeBox), piatto, tintaScelta(grande), pennaScelta(grande, lato));
    disegnaLastra(p, sagomaDi(Forma::Cerchio, piccoloBox), piatto, tintaScelta(!grande), pennaScelta(!grande, lato));
}

// A board seen from the front and a little above: the top is a flat
// parallelogram, the thickness shows as the front and right faces.
Sagoma asseDallAlto(qreal x, qreal y, qreal larghezza, qreal lato)
{
    const QPointF fondo(0.07 * lato, -0.09 * lato);
    Sagoma s;
    s.vertici << QPointF(x, y) + fondo << QPointF(x + larghezza, y) + fondo << QPointF(x + larghezza, y)
              << QPointF(x, y);
    s.box = s.vertici.boundingRect();
    return s;
}

void disegnaSpessoSottile(QPainter& p, bool spesso, int lato)
{
    const qreal base = 0.66 * lato;
    const qreal larghezza = 0.36 * lato;
    const qreal grosso = 0.17 * lato;
    const qreal fine = 0.03 * lato;
    disegnaLastra(p, asseDallAlto(0.05 * lato, base - grosso, larghezza, lato), QPointF(0, grosso),
                  tintaScelta(spesso), pennaScelta(spesso, lato));
    disegnaLastra(p, asseDallAlto(0.54 * lato, base - fine, larghezza, lato), QPointF(0, fine),
                  tintaScelta(!spesso), pennaScelta(!spesso, lato));
}

// A round paint splash with a softly wavy rim, so that it reads as "colour"
// and not as one of the shapes.
void disegnaMacchia(QPainter& p, const Tinta& t, int lato)
{
    const QPointF c(lato / 2.0, lato / 2.0);
    const qreal raggio = 0.36 * lato;
    QPolygonF bordo;
    constexpr int kPassi = 240;
    for (int i = 0; i < kPassi; ++i) {
        const qreal a = 2 * std::numbers::pi * i / kPassi;
        const qreal r = raggio * (1 + 0.06 * std::sin(7 * a) + 0.03 * std::sin(3 * a + 1.0));
        bordo << c + QPointF(std::cos(a), std::sin(a)) * r;
    }
    p.setPen(pennaContorno(0.014 * lato));
    p.setBrush(t.faccia);
    p.drawPolygon(bordo);
}

// ------------------------------------------------------------ treble clef

// The clef is drawn as a ribbon along a chain of cubic curves in a 100 x 230
// box, thin at the top loop and thickest on the right of the belly, like the
// printed sign: inner curl, belly, climb to the top loop, stem, hook.
struct Tratto {
    QPointF c1, c2, fine;
    qreal larghezzaInizio, larghezzaFine;
};

const QPointF kInizioChiave(62, 170);
const Tratto kTrattiChiave[] = {
    {{62, 146}, {38, 140}, {30, 152}, 3, 7},   // curl up and to the left
    {{18, 172}, {28, 201}, {54, 201}, 7, 10},  // down round the belly
    {{78, 201}, {92, 182}, {89, 160}, 10, 13}, // up its right side
    {{86, 130}, {46, 122}, {40, 100}, 13, 9},  // diagonal across the stem
    {{32, 76}, {62, 58}, {66, 30}, 9, 5},      // climb to the top
    {{70, 4}, {52, -2}, {50, 22}, 5, 4},       // over the top loop
    {{46, 60}, {58, 160}, {55, 212}, 4, 6},    // the stem
    {{54, 234}, {33, 236}, {30, 216}, 6, 5},   // hook
};
const QRectF kPuntoChiave(21, 203, 24, 24);

QPainterPath nastro(QPointF inizio, const Tratto& t, qreal grossezza)
{
    QPainterPath curva(inizio);
    curva.cubicTo(t.c1, t.c2, t.fine);
    QPolygonF bordo;
    QPolygonF ritorno;
    constexpr int kPassi = 24;
    for (int i = 0; i <= kPassi; ++i) {
        const qreal q = qreal(i) / kPassi;
        const qreal a = qDegreesToRadians(curva.angleAtPercent(q));
        const QPointF normale(std::sin(a), std::cos(a)); // angle is counter-clockwise, y up
        const qreal larghezza = t.larghezzaInizio + (t.larghezzaFine - t.larghezzaInizio) * q;
        const QPointF mezzo = normale * (larghezza * grossezza / 2);
        bordo << curva.pointAtPercent(q) + mezzo;
        ritorno.prepend(curva.pointAtPercent(q) - mezzo);
    }
    QPainterPath nastro;
    nastro.addPolygon(bordo + ritorno);
    nastro.closeSubpath();
    return nastro;
}

// The pieces of the clef; they overlap at the joints and where the line
// crosses itself, so they are painted one by one rather than merged.
// `grossezza` scales the line widths, to keep small icons legible.
QList<QPainterPath> pezziChiave(qreal grossezza)
{
    QList<QPainterPath> pezzi;
    QPainterPath punto;
    punto.addEllipse(kPuntoChiave);
    pezzi << punto;
    QPointF da = kInizioChiave;
    for (const Tratto& t : kTrattiChiave) {
        pezzi << nastro(da, t, grossezza);
        // A round joint so consecutive pieces meet without notches.
        QPainterPath giunto;
        const qreal raggio = t.larghezzaFine * grossezza / 2;
        giunto.addEllipse(t.fine, raggio, raggio);
        pezzi << giunto;
        da = t.fine;
    }
    return pezzi;
}

// --------------------------------------------------------------- block fit

// Extrusion of thick and thin blocks, relative to the block's size.
constexpr qreal kSpesso = 0.15;
constexpr qreal kSottile = 0.035;

struct Misure {
    qreal ingombro;   // side of the square the block must fit in
    qreal profondita; // extrusion length
};

std::optional<Misure> misureDi(const QString& dimensione, const QString& spessore, int lato)
{
    qreal ingombro = 0;
    if (dimensione == u"grande")
        ingombro = 0.86 * lato;
    else if (dimensione == u"piccolo")
        ingombro = 0.50 * lato;
    else
        return std::nullopt;
    if (spessore == u"spesso")
        return Misure{ingombro, kSpesso * ingombro};
    if (spessore == u"sottile")
        return Misure{ingombro, kSottile * ingombro};
    return std::nullopt;
}

} // namespace

QImage disegnaBlocco(const QString& forma, const QString& colore, const QString& dimensione,
                     const QString& spessore, int lato)
{
    const auto f = formaDi(forma.trimmed().toLower());
    const auto t = tintaDi(colore.trimmed().toLower());
    const auto m = misureDi(dimensione.trimmed().toLower(), spessore.trimmed().toLower(), lato);
    if (!f || !t || !m || lato <= 0)
        return {};

    // The top face has the same size whether the block is thick or thin, so
    // the two differ only in the visible side; it is sized so that the thick
    // version just fits the allotted square.
    const QPointF dir = direzioneSpessore();
    const QPointF eSpesso = dir * (kSpesso * m->ingombro);
    const QPointF e = dir * m->profondita;
    const qreal r = proporzione(*f);
    const qreal h = std::min((m->ingombro - eSpesso.x()) / r, m->ingombro - eSpesso.y());
    const QSizeF faccia(h * r, h);

    // Centre the whole silhouette (top face plus visible side).
    const QSizeF tutto = faccia + QSizeF(e.x(), e.y());
    const QPointF origine((lato - tutto.width()) / 2, (lato - tutto.height()) / 2);

    QImage img = nuovaImmagine(lato, QImage::Format_RGB32, kSfondo);
    QPainter p(&img);
    preparaPittore(p);
    disegnaLastra(p, sagomaDi(*f, QRectF(origine, faccia)), e, *t, pennaContorno(0.015 * m->ingombro));
    return img;
}

QImage disegnaAttributo(const QString& parola, int lato)
{
    const QString w = parola.trimmed().toLower();
    const auto f = formaDi(w);
    const auto t = tintaDi(w);
    const bool taglia = w == u"grande" || w == u"piccolo";
    const bool spessore = w == u"spesso" || w == u"sottile";
    if ((!f && !t && !taglia && !spessore) || lato <= 0)
        return {};

    QImage img = nuovaImmagine(lato, QImage::Format_RGB32, kSfondo);
    QPainter p(&img);
    preparaPittore(p);
    if (f)
        disegnaSoloForma(p, *f, lato);
    else if (t)
        disegnaMacchia(p, *t, lato);
    else if (taglia)
        disegnaGrandePiccolo(p, w == u"grande", lato);
    else
        disegnaSpessoSottile(p, w == u"spesso", lato);
    return img;
}

void disegnaFaccia(QPainter& p, const QRectF& r, bool sorridente)
{
    const qreal d = std::min(r.width(), r.height());
    if (d <= 0)
        return;
    const qreal bordo = 0.045 * d;
    QRectF q(0, 0, d - bordo, d - bordo);
    q.moveCenter(r.center());
    auto punto = [&](qreal x, qreal y) { return q.topLeft() + QPointF(x * q.width(), y * q.height()); };

    p.save();
    preparaPittore(p);
    p.setPen(pennaContorno(bordo, Qt::black));
    p.setBrush(sorridente ? kGiallo.faccia : kRosso.faccia);
    p.drawEllipse(q);

    // Eyes, each with a small white glint.
    p.setPen(Qt::NoPen);
    for (qreal x : {0.34, 0.66}) {
        QRectF occhio(0, 0, 0.11 * q.width(), 0.16 * q.height());
        occhio.moveCenter(punto(x, 0.38));
        p.setBrush(Qt::black);
        p.drawEllipse(occhio);
        QRectF luce(0, 0, 0.035 * q.width(), 0.035 * q.height());
        luce.moveCenter(occhio.center() + QPointF(-0.02 * q.width(), -0.035 * q.height()));
        p.setBrush(Qt::white);
        p.drawEllipse(luce);
    }

    QPainterPath bocca;
    if (sorridente) {
        bocca.moveTo(punto(0.26, 0.58));
        bocca.quadTo(punto(0.5, 0.90), punto(0.74, 0.58));
    } else {
        bocca.moveTo(punto(0.30, 0.78));
        bocca.quadTo(punto(0.5, 0.54), punto(0.70, 0.78));
    }
    p.setPen(pennaContorno(0.065 * d, Qt::black));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bocca);
    p.restore();
}

void disegnaFreccia(QPainter& p, const QRectF& r)
{
    // Unit arrow 1.6 wide and 1 high, scaled to fit `r`.
    constexpr qreal kLarghezza = 1.6;
    const qreal s = std::min(r.width() / kLarghezza, r.height());
    if (s <= 0)
        return;
    const qreal bordo = 0.06 * s;
    const qreal k = s - bordo; // keep the outline inside r
    QRectF box(0, 0, kLarghezza * k, k);
    box.moveCenter(r.center());
    QPolygonF freccia;
    for (const QPointF& v : {QPointF(0, 0.30), QPointF(0.85, 0.30), QPointF(0.85, 0), QPointF(1.6, 0.5),
                             QPointF(0.85, 1), QPointF(0.85, 0.70), QPointF(0, 0.70)})
        freccia << box.topLeft() + v * k;

    p.save();
    preparaPittore(p);
    p.setPen(pennaContorno(bordo, QColor(0x0F, 0x5A, 0x22)));
    p.setBrush(QColor(0x2B, 0xB0, 0x4A));
    p.drawPolygon(freccia);
    p.restore();
}

QImage disegnaChiaveDiViolino(int lato)
{
    if (lato <= 0)
        return {};
    QImage img = nuovaImmagine(lato, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
    QPainter p(&img);
    preparaPittore(p);

    // Fit the 100 x 230 drawing and its halo into the square.
    const qreal scala = lato / 250.0;
    p.translate((lato - 100 * scala) / 2, (lato - 230 * scala) / 2);
    p.scale(scala, scala);

    // A white halo first, then the black sign on top of it.
    const QList<QPainterPath> pezzi = pezziChiave(std::clamp(64.0 / lato, 1.0, 2.0));
    p.setPen(QPen(Qt::white, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    for (const QPainterPath& pezzo : pezzi)
        p.drawPath(pezzo);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const QPainterPath& pezzo : pezzi)
        p.drawPath(pezzo);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage disegnaIcona(int lato)
{
    if (lato <= 0)
        return {};
    QImage img = nuovaImmagine(lato, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
    QPainter p(&img);
    preparaPittore(p);

    const qreal bordo = std::max(1.0, 0.02 * lato);
    const QRectF piastrella = QRectF(0, 0, lato, lato).adjusted(bordo / 2, bordo / 2, -bordo / 2, -bordo / 2);
    p.setPen(QPen(QColor(0xC8, 0xBE, 0xA8), bordo));
    p.setBrush(QColor(0xFF, 0xF6, 0xE0));
    p.drawRoundedRect(piastrella, 0.18 * lato, 0.18 * lato);

    const QPointF e = direzioneSpessore() * (0.045 * lato);
    const QPen pen = pennaContorno(std::max(1.0, 0.018 * lato));
    auto box = [lato](qreal x, qreal y, qreal w, qreal h) {
        return QRectF(x * lato, y * lato, w * lato, h * lato);
    };
    disegnaLastra(p, sagomaDi(Forma::Quadrato, box(0.54, 0.13, 0.32, 0.32)), e, kBlu, pen);
    disegnaLastra(p, sagomaDi(Forma::Cerchio, box(0.10, 0.12, 0.36, 0.36)), e, kRosso, pen);
    disegnaLastra(p, sagomaDi(Forma::Triangolo, box(0.27, 0.49, 0.44, 0.44 * std::sqrt(3.0) / 2)), e,
                  kGiallo, pen);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace Media
