#include "controls/Immagine.h"

#include "app/Immagini.h"
#include "app/Stile.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {

// The picture at the size of its box. Pictures are decoded about twice as
// large as their box at most (a box a little wider than half a picture and
// taller than half of it takes the whole picture), and from there bilinear
// filtering (the painter's) looks the same as averaging every pixel, in half
// the time; a picture much larger than its box is averaged.
QImage Scalata(const QImage& figura, QSize lato)
{
    if (figura.size() == lato)
        return figura;
    if (figura.width() * 2 > lato.width() * 5 || figura.height() * 2 > lato.height() * 5)
        return figura.scaled(lato, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage scalata(lato, figura.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    scalata.fill(Qt::transparent);
    QPainter p(&scalata);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRect(QPoint(), lato), figura);
    return scalata;
}

} // namespace

Immagine::Immagine(QWidget* genitore) : QAbstractButton(genitore)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void Immagine::carica(const QString& percorso)
{
    const Figura f = CaricaFigura(percorso, latoMassimo());
    impostaFigura(f.immagine, f.nome);
}

void Immagine::caricaInsieme(const QList<std::pair<Immagine*, QString>>& richieste)
{
    QList<RichiestaFigura> file;
    for (const auto& [immagine, percorso] : richieste)
        file.append({percorso, immagine->latoMassimo()});
    const QList<Figura> figure = CaricaFigure(file);
    for (qsizetype i = 0; i < richieste.size(); ++i)
        richieste[i].first->impostaFigura(figure[i].immagine, figure[i].nome);
}

QSize Immagine::latoMassimo() const
{
    // A screen may load its pictures while its window is still smaller than
    // the screen it is about to fill: the box as it will be then.
    double fattore = 1;
    const QWidget* finestra = window();
    if (const QScreen* schermo = finestra->screen(); schermo && !finestra->size().isEmpty())
        fattore = std::max({1.0, double(schermo->size().width()) / finestra->width(),
                            double(schermo->size().height()) / finestra->height()});
    return (QSizeF(size()) * fattore * devicePixelRatioF()).toSize();
}

void Immagine::svuota()
{
    impostaFigura({}, {});
}

void Immagine::copiaDa(const Immagine& altra)
{
    impostaFigura(altra.figura, altra.accessibleName());
}

void Immagine::impostaFigura(const QImage& immagine, const QString& nome)
{
    figura = immagine;
    scalata = {};
    setAccessibleName(nome);
    update();
}

void Immagine::setBordo(bool conBordo)
{
    bordo = conBordo;
    update();
}

void Immagine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!figura.isNull()) {
        const QSize lato = size() * devicePixelRatioF();
        if (scalata.size() != lato) {
            scalata = Scalata(figura, lato);
            scalata.setDevicePixelRatio(devicePixelRatioF());
        }
        p.drawImage(0, 0, scalata);
    }
    if (bordo) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus())
        DisegnaFuoco(p, rect(), window()->palette().color(window()->backgroundRole()));
}

void Immagine::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(evento);
}
