#include "controls/Immagine.h"

#include "app/Immagini.h"
#include "comune/Stile.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

Immagine::Immagine(QWidget* genitore) : QAbstractButton(genitore)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void Immagine::carica(const QString& percorso)
{
    caricaInsieme({{this, percorso}});
}

void Immagine::caricaInsieme(const QList<std::pair<Immagine*, QString>>& richieste)
{
    QList<RichiestaFigura> file;
    for (const auto& [immagine, percorso] : richieste)
        file.append({percorso, immagine->latoMassimo()});
    const QList<FiguraNelRiquadro> figure = CaricaFigureNeiRiquadri(file);
    for (qsizetype i = 0; i < richieste.size(); ++i)
        richieste[i].first->impostaFigura(figure[i], file[i].percorso, file[i].lato);
}

const QImage& Immagine::immagine() const
{
    if (figura.isNull() && !vuota()) {
        // The same file read again, as when it was loaded; should it give
        // nothing now, the picture as shown.
        figura = CaricaFigura(percorso, latoCaricato).immagine;
        if (figura.isNull())
            figura = scalata;
    }
    return figura;
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
    impostaFigura({}, {}, {});
}

void Immagine::copiaDa(const Immagine& altra)
{
    figura = altra.figura;
    dimensione = altra.dimensione;
    chiave = altra.chiave;
    percorso = altra.percorso;
    latoCaricato = altra.latoCaricato;
    scalata = altra.scalata;
    setAccessibleName(altra.accessibleName());
    update();
}

void Immagine::impostaFigura(const FiguraNelRiquadro& f, const QString& file, QSize lato)
{
    figura = f.figura.immagine;
    dimensione = f.mostrata.isNull() && figura.isNull() ? QSize() : f.dimensione;
    chiave = f.chiave;
    percorso = file;
    latoCaricato = lato;
    scalata = f.mostrata;
    setAccessibleName(f.figura.nome);
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
    if (!vuota()) {
        // As large as fits, keeping its proportions, in the middle of the box;
        // the box's background shows around it.
        const qreal scala = devicePixelRatioF();
        const QSize riquadro = size() * scala;
        if (scalata.size() != DimensioneAdattata(dimensione, riquadro)) {
            scalata = chiave.isEmpty()
                ? FiguraAdattata(immagine(), riquadro)
                : FiguraNelRiquadroDiverso(chiave, dimensione, riquadro, scalata, [this] { return immagine(); });
        }
        scalata.setDevicePixelRatio(scala);
        const QSize margine = (riquadro - scalata.size()) / 2;
        p.drawImage(QPointF(margine.width() / scala, margine.height() / scala), scalata);
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
