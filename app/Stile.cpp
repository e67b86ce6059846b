#include "app/Stile.h"

#include <QProxyStyle>
#include <QStyleFactory>

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
};
} // namespace

QStyle* CreaStile()
{
    return new Stile;
}
