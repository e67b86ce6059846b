#pragma once
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

// Whether a text fits its control, measured with the control's own font
// against the room its contents have.

// Why a text does not fit its control, a label or a button; empty when it
// fits.
inline QString NonSta(const QWidget* w, const QString& testo)
{
    const QFontMetrics fm(w->font());
    QSize serve, spazio;
    if (const auto* etichetta = qobject_cast<const QLabel*>(w)) {
        const int m = etichetta->margin();
        const QRect dentro = etichetta->contentsRect().adjusted(m, m, -m, -m);
        const int flag = int(etichetta->alignment()) | (etichetta->wordWrap() ? Qt::TextWordWrap : 0);
        serve = fm.boundingRect(dentro, flag, QString(testo).remove('\r')).size();
        spazio = dentro.size();
    } else {
        const auto* bottone = qobject_cast<const QAbstractButton*>(w);
        QStyleOptionButton opt;
        opt.initFrom(bottone);
        opt.text = testo;
        opt.icon = bottone->icon();
        opt.iconSize = bottone->iconSize();
        const bool casella = qobject_cast<const QCheckBox*>(w);
        const QRect dentro =
            w->style()->subElementRect(casella ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &opt, w);
        const int icona = bottone->icon().isNull() ? 0 : bottone->iconSize().width() + 4;
        serve = QSize(fm.horizontalAdvance(testo) + icona, fm.height());
        spazio = dentro.size();
    }
    if (serve.width() <= spazio.width() && serve.height() <= spazio.height())
        return {};
    return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
        .arg(w->objectName(), testo)
        .arg(serve.width())
        .arg(serve.height())
        .arg(spazio.width())
        .arg(spazio.height());
}

