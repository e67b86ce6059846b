#include "app/Caratteri.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

QFont Carattere(const QStringList& famiglie, QFont::StyleHint stile, double punti, bool grassetto)
{
    QFont font;
    font.setFamilies(famiglie);
    font.setStyleHint(stile);
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    return font;
}

} // namespace

QFont CarattereSans(double punti, bool grassetto)
{
    return Carattere({"Liberation Sans", "Arial", "DejaVu Sans"}, QFont::SansSerif, punti, grassetto);
}

QFont CarattereSerif(double punti, bool grassetto)
{
    return Carattere({"Liberation Serif", "Times New Roman", "DejaVu Serif"}, QFont::Serif, punti, grassetto);
}

std::jthread PreparaCaratteri()
{
    // Every function of QFontDatabase may be called from any thread.
    return std::jthread([] { QFontDatabase::families(); });
}
