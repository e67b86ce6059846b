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
        // As large as fits, keeping its proportions, in the middle of the box;
        // the box's background shows around it.
        const qreal scala = devicePixelRatioF();
        const QSize riquadro = size() * scala;
        if (scalata.size() != DimensioneAdattata(figura.size(), riquadro)) {
            scalata = FiguraAdattata(figura, riquadro);
            scalata.setDevicePixelRatio(scala);
        }
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
