#include "comune/Stile.h"

#include <QPainter>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <cmath>

namespace {
class Stile final : public QProxyStyle {
public:
    Stile() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption* opzione, const QWidget* widget,
                  QStyleHintReturn* ritorno) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, opzione, widget, ritorno);
    }

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione, QPainter* p,
                       const QWidget* widget) const override
    {
        if (elemento == PE_FrameFocusRect && widget) {
            const QWidget* finestra = widget->window();
            DisegnaFuoco(*p, opzione->rect, finestra->palette().color(finestra->backgroundRole()));
            return;
        }
        QProxyStyle::drawPrimitive(elemento, opzione, p, widget);
    }

    // A check box's focus frame goes round the whole box, not round its
    // caption alone, where its inner ring would cover the letters: indicator
    // and caption move inside the frame, and a click anywhere in the box
    // toggles it.
    QRect subElementRect(SubElement elemento, const QStyleOption* opzione, const QWidget* widget) const override
    {
        const QRect r = QProxyStyle::subElementRect(elemento, opzione, widget);
        switch (elemento) {
        case SE_CheckBoxFocusRect:
        case SE_CheckBoxClickRect:
            return opzione->rect;
        case SE_CheckBoxIndicator:
            return r.translated(opzione->direction == Qt::RightToLeft ? -DentroIlFuoco : DentroIlFuoco, 0);
        case SE_CheckBoxContents:
            return r.adjusted(DentroIlFuoco, 0, -DentroIlFuoco, 0);
        default:
            return r;
        }
    }

    // The base style draws a check box with the places it computes itself:
    // this one draws it with the places above.
    void drawControl(ControlElement elemento, const QStyleOption* opzione, QPainter* p,
                     const QWidget* widget) const override
    {
        // Fusion highlights a menu-bar entry only while its list is open: the
        // entry that Alt or an arrow key chose, or the mouse points at, would
        // not show, and Return would act on an entry nobody sees.
        if (const auto* voce = qstyleoption_cast<const QStyleOptionMenuItem*>(opzione);
            elemento == CE_MenuBarItem && voce && (voce->state & State_Selected)) {
            QStyleOptionMenuItem scelta = *voce;
            scelta.state |= State_Sunken;
            QProxyStyle::drawControl(elemento, &scelta, p, widget);
            return;
        }
        const auto* casella = qstyleoption_cast<const QStyleOptionButton*>(opzione);
        if (elemento != CE_CheckBox || !casella) {
            QProxyStyle::drawControl(elemento, opzione, p, widget);
            return;
        }
        QStyleOptionButton parte = *casella;
        parte.rect = subElementRect(SE_CheckBoxIndicator, casella, widget);
        drawPrimitive(PE_IndicatorCheckBox, &parte, p, widget);
        parte.rect = subElementRect(SE_CheckBoxContents, casella, widget);
        drawControl(CE_CheckBoxLabel, &parte, p, widget);
        if (casella->state & State_HasFocus) {
            QStyleOptionFocusRect fuoco;
            fuoco.QStyleOption::operator=(*casella);
            fuoco.rect = subElementRect(SE_CheckBoxFocusRect, casella, widget);
            drawPrimitive(PE_FrameFocusRect, &fuoco, p, widget);
        }
    }

    QSize sizeFromContents(ContentsType tipo, const QStyleOption* opzione, const QSize& contenuto,
                           const QWidget* widget) const override
    {
        const QSize misura = QProxyStyle::sizeFromContents(tipo, opzione, contenuto, widget);
        if (tipo == CT_CheckBox)
            return misura + QSize(2 * DentroIlFuoco, 2 * DentroIlFuoco);
        return misura;
    }

private:
    // The focus frame's 4 pixels and 2 of space.
    static constexpr int DentroIlFuoco = 6;
};
} // namespace

QStyle* CreaStile()
{
    // Fusion keeps each button face it draws in Qt's pixmap cache, under a key
    // made from the button's palette. Every screen gives its controls new
    // palettes when it loads, so a face is never found there again, and Qt
    // 6.4 never forgets such keys: the cache would only grow with every
    // visit. With it off, faces are drawn directly, which is no slower here.
    QPixmapCache::setCacheLimit(0);
    return new Stile;
}

void DisegnaFuoco(QPainter& p, const QRect& box, const QColor& sfondoFinestra)
{
    const bool chiaro = qGray(sfondoFinestra.rgb()) >= 128;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    // Each ring is two pixels wide, drawn as whole pixels at any scale.
    const QRectF fuori = QRectF(box).adjusted(1, 1, -1, -1);
    p.setPen(QPen(chiaro ? Qt::black : Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(fuori);
    p.setPen(QPen(chiaro ? Qt::white : Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(fuori.adjusted(2, 2, -2, -2));
    p.restore();
}

namespace {
double Luminanza(const QColor& c)
{
    const auto lineare = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
}
} // namespace

QColor InchiostroSu(const QColor& sfondo)
{
    // Contrast with black is (L + 0.05) / 0.05, with white 1.05 / (L + 0.05):
    // black stands out more where (L + 0.05)² > 0.0525.
    const double l = Luminanza(sfondo) + 0.05;
    return l * l > 0.0525 ? QColor(Qt::black) : QColor(Qt::white);
}
