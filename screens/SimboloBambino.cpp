#include "screens/SimboloBambino.h"

#include "app/Caratteri.h"
#include "app/Seduta.h"
#include "media/Testi.h"
#include "registro/DisegnoSimbolo.h"

#include <QPainter>

SimboloBambino::SimboloBambino(const Registro::Simbolo& simbolo, const QString& nome, QWidget* genitore)
    : Carta(nome, genitore), simbolo(simbolo)
{
}

void SimboloBambino::disegna(QPainter& p, const QRectF& carta, double bordo)
{
    const double lato = std::min(carta.width(), carta.height() * 0.75) - 2 * bordo;
    const QRectF quadro(carta.center().x() - lato / 2, carta.top() + bordo, lato, lato);
    if (figura.width() != qRound(lato))
        figura = Registro::ImmagineSimbolo(simbolo, qRound(lato));
    p.drawImage(quadro.topLeft(), figura);
    const QRectF riga(carta.left() + bordo, quadro.bottom(), carta.width() - 2 * bordo, carta.bottom() - quadro.bottom());
    // A long name is written smaller, down to two thirds, before it is cut short.
    QFont carattere = CarattereSans(10, true);
    const int altezza = std::max(12, qRound(carta.height() * 0.12));
    carattere.setPixelSize(AltezzaCheSta(carattere, text(), riga.width(), altezza, altezza * 2 / 3));
    p.setFont(carattere);
    p.setPen(Qt::black);
    p.drawText(riga, Qt::AlignCenter, QFontMetrics(carattere).elidedText(text(), Qt::ElideRight, qRound(riga.width())));
}

SimboloDaTenere::SimboloDaTenere(const Registro::Simbolo& simbolo, const QString& nome, std::function<void()> tenuto,
                                 QWidget* genitore)
    : SimboloBambino(simbolo, nome, genitore)
{
    setFocusPolicy(Qt::NoFocus);
    unsetCursor();
    anello.setStartValue(0.0);
    anello.setEndValue(1.0);
    anello.setDuration(TenutaMs);
    QObject::connect(&anello, &QVariantAnimation::valueChanged, this, [this] { update(); });
    QObject::connect(&anello, &QVariantAnimation::finished, this, std::move(tenuto));
    // Released, or moved off the card, before the second is up: nothing.
    QObject::connect(this, &QAbstractButton::pressed, &anello, [this] { anello.start(); });
    QObject::connect(this, &QAbstractButton::released, &anello, [this] {
        anello.stop();
        update();
    });
}

void SimboloDaTenere::paintEvent(QPaintEvent* evento)
{
    SimboloBambino::paintEvent(evento);
    if (anello.state() != QAbstractAnimation::Running)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double spessore = std::max(4.0, std::min(width(), height()) / 12.0);
    const QRectF cerchio = QRectF(rect()).adjusted(spessore, spessore, -spessore, -spessore);
    const double lato = std::min(cerchio.width(), cerchio.height());
    const QRectF quadro(cerchio.center() - QPointF(lato, lato) / 2, QSizeF(lato, lato));
    // A dark ring under a bright one, so that it shows on any symbol.
    const int arco = -qRound(anello.currentValue().toDouble() * 360 * 16);
    p.setPen(QPen(QColor(20, 40, 140), spessore * 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(quadro, 90 * 16, arco);
    p.setPen(QPen(QColor(255, 200, 0), spessore, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(quadro, 90 * 16, arco);
}

Giocatore GiocatoreDi(const Registro::Bambino& bambino)
{
    const Registro::Simbolo* simbolo = Registro::TrovaSimbolo(bambino.simbolo);
    return {simbolo ? simbolo : &Registro::SimboloOspite(), Seduta::NomeMostrato(bambino)};
}

Giocatore Ospite()
{
    return {&Registro::SimboloOspite(), Tesselo::tr("ospite")};
}

std::optional<Giocatore> GiocatoreScelto()
{
    const std::optional<qint64> scelto = Seduta::Scelto();
    if (!scelto)
        return std::nullopt;
    for (const Registro::Bambino& bambino : Seduta::Bambini())
        if (bambino.id == *scelto)
            return GiocatoreDi(bambino);
    return Ospite();
}
