#include "registro/Giochi.h"

namespace Registro {

namespace {
constexpr Gioco Elenco[] = {
    {"form1", "uguale - diverso"},
    {"FORM2", "insiemi"},
    {"zirp3", "quanti sono ?"},
    {"FormTrova", "trova il blocco"},
    {"zirp7", "le strade 1"},
    {"zirp8", "le strade 2"},
    {"zirp9", "tabella"},
    {"FormDomino", "Cosa cambia?"},
    {"FormDomino2", "Cosa resta uguale?"},
};
} // namespace

std::span<const Gioco> Giochi()
{
    return Elenco;
}

QString DidascaliaGioco(const QString& schermo)
{
    for (const Gioco& g : Elenco)
        if (schermo == QLatin1String(g.schermo))
            return QString::fromUtf8(g.didascalia);
    return schermo;
}

} // namespace Registro
