#include "app/Stile.h"

#include <QPixmapCache>
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
    // Fusion keeps each button face it draws in Qt's pixmap cache, under a key
    // made from the button's palette. Every screen gives its controls new
    // palettes when it loads, so a face is never found there again, and Qt
    // 6.4 never forgets such keys: the cache would only grow with every
    // visit. With it off, faces are drawn directly, which is no slower here.
    QPixmapCache::setCacheLimit(0);
    return new Stile;
}
