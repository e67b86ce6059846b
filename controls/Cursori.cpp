#include "controls/Cursori.h"

#include "BlockArt.h"

#include <QPainter>
#include <QPixmap>

namespace {

template <class Disegno>
QPixmap Disegna(Disegno disegno)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    disegno(p, QRectF(2, 2, 28, 28));
    return pixmap;
}

} // namespace

// Each pointer is drawn once, the first time a screen asks for it, and kept
// for the whole run (never destroyed: it may outlive the application object).
QCursor CursoreFreccia()
{
    static const QCursor* cursore =
        new QCursor(Disegna([](QPainter& p, QRectF r) { Media::disegnaFreccia(p, r); }), 30, 16);
    return *cursore;
}

QCursor CursoreFaccia()
{
    static const QCursor* cursore =
        new QCursor(Disegna([](QPainter& p, QRectF r) { Media::disegnaFaccia(p, r, true); }), 16, 16);
    return *cursore;
}

QCursor CursoreChiaveDiViolino()
{
    static const QCursor* cursore = new QCursor(QPixmap::fromImage(Media::disegnaChiaveDiViolino(32)), 16, 16);
    return *cursore;
}
