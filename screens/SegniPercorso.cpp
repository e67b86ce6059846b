#include "screens/SegniPercorso.h"
#include "media/Testi.h"

#include "app/Modulo1.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QtMath>

namespace SegniPercorso {

namespace {

constexpr QColor Contorno{0x1a, 0x1a, 0x1a};
constexpr QColor Oro{0xff, 0xc8, 0x00};
constexpr QColor Verde{0x1b, 0x7a, 0x2e};

// Drawn large: the icon is scaled down to the button, never up. A clear
// strip on its right keeps the mark off the caption beside it.
constexpr int Lato = 128;
constexpr int Margine = Lato / 6;
QPainterPath Stella(QPointF centro, qreal raggio)
{
    QPainterPath stella;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? raggio * 0.45 : raggio;
        const qreal angolo = qDegreesToRadians(-90.0 + 36.0 * i);
        const QPointF punto = centro + QPointF(r * qCos(angolo), r * qSin(angolo));
        i ? stella.lineTo(punto) : stella.moveTo(punto);
    }
    stella.closeSubpath();
    return stella;
}

} // namespace

QIcon Segno(int numero, bool fatto, bool prossimo)
{
    QPixmap pixmap(Lato + Margine, Lato);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal bordo = prossimo ? Lato / 9.0 : Lato / 16.0;
    const QRectF cerchio = QRectF(0, 0, Lato, Lato).adjusted(bordo / 2, bordo / 2, -bordo / 2, -bordo / 2);
    p.setPen(QPen(Contorno, bordo));
    p.setBrush(fatto ? Verde : prossimo ? Oro : QColor(Qt::white));
    p.drawEllipse(cerchio);
    if (fatto) {
        QPainterPath spunta;
        spunta.moveTo(Lato * 0.27, Lato * 0.52);
        spunta.lineTo(Lato * 0.44, Lato * 0.70);
        spunta.lineTo(Lato * 0.75, Lato * 0.32);
        p.setPen(QPen(Qt::white, Lato / 9.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(spunta);
    } else {
        QFont carattere(QStringLiteral("DejaVu Sans"));
        carattere.setBold(true);
        carattere.setPixelSize(numero < 10 ? Lato * 0.6 : Lato * 0.45);
        p.setFont(carattere);
        p.setPen(Contorno);
        p.drawText(cerchio, Qt::AlignCenter, QString::number(numero));
    }
    return QIcon(pixmap);
}

namespace {

// Keeps a button's icon at most of its height as the resizer changes it.
class AltezzaSegno final : public QObject {
public:
    using QObject::QObject;

    static void adatta(QAbstractButton* bottone)
    {
        const int lato = bottone->height() * 7 / 10;
        bottone->setIconSize({lato * (Lato + Margine) / Lato, lato});
    }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Resize)
            adatta(static_cast<QAbstractButton*>(oggetto));
        return false;
    }
};

} // namespace

void Segna(QAbstractButton* bottone, const QIcon& segno)
{
    bottone->setIcon(segno);
    AltezzaSegno::adatta(bottone);
    bottone->installEventFilter(new AltezzaSegno(bottone));
}

QString Descrizione(int numero, int passi, bool fatto, bool prossimo)
{
    QString testo = Tesselo::tr("passo %1 di %2").arg(numero).arg(passi);
    if (fatto)
        testo += Tesselo::tr(", fatto");
    else if (prossimo)
        testo += Tesselo::tr(", il prossimo");
    return testo;
}

Festa::Festa(QWidget* genitore) : QWidget(genitore)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(Tesselo::tr("Ben fatto!"));
}

void Festa::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Three stars side by side, the middle one larger.
    const qreal raggio = std::min(height() / 2.0, width() / 7.0);
    const QPointF centro = rect().center();
    p.setPen(QPen(Contorno, std::max(2.0, raggio / 10)));
    p.setBrush(Oro);
    for (int i : {-1, 1})
        p.drawPath(Stella(centro + QPointF(i * raggio * 2.1, raggio * 0.2), raggio * 0.75));
    p.drawPath(Stella(centro, raggio * 0.95));
}

Stelle::Stelle(int obiettivo, QWidget* genitore) : QLabel(genitore), obiettivo(obiettivo)
{
    setObjectName(QStringLiteral("StellePercorso"));
    setTextFormat(Qt::RichText);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mostra(0);
}

void Stelle::mostra(int esatte)
{
    esatte = std::min(esatte, obiettivo);
    if (esatte == fatte)
        return;
    fatte = esatte;
    // Gold on a dark ground, whatever the desktop's palette.
    static const QString stile = QStringLiteral("<span style=\"background:#1a1a1a; color:%1\">&nbsp;%2&nbsp;</span>");
    const QString piena = QStringLiteral("\u2605"), vuota = QStringLiteral("\u2606");
    const QString stelle = obiettivo <= 10 ? piena.repeated(fatte) + vuota.repeated(obiettivo - fatte)
                                           : piena + QStringLiteral(" %1 / %2").arg(fatte).arg(obiettivo);
    setText(stile.arg(Oro.name(), stelle));
    setAccessibleName(Tesselo::tr("%1 di %2").arg(fatte).arg(obiettivo));
}

void Festeggia(QWidget* contesto, QWidget* festa)
{
    Modulo1::SuonoFesta();
    QTimer::singleShot(RitardoVoce, contesto, [] { Modulo1::Pronuncia(Tesselo::tr("Ben fatto!")); });
    if (festa) {
        festa->show();
        festa->raise();
        QTimer::singleShot(DurataFesta, festa, &QWidget::hide);
    }
}

} // namespace SegniPercorso
