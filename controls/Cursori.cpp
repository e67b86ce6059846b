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

QCursor CursoreFreccia()
{
    return QCursor(Disegna([](QPainter& p, QRectF r) { Media::disegnaFreccia(p, r); }), 30, 16);
}

QCursor CursoreFaccia()
{
    return QCursor(Disegna([](QPainter& p, QRectF r) { Media::disegnaFaccia(p, r, true); }), 16, 16);
}

QCursor CursoreChiaveDiViolino()
{
    return QCursor(QPixmap::fromImage(Media::disegnaChiaveDiViolino(32)), 16, 16);
}
