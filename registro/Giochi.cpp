#include "registro/Giochi.h"

namespace Registro {

namespace {
constexpr Gioco Elenco[] = {
#include "registro/ElencoGiochi.inc"
};
} // namespace

std::span<const Gioco> Giochi()
{
    return Elenco;
}

const Gioco* GiocoDiCodice(qint64 codice)
{
    for (const Gioco& g : Elenco)
        if (g.codice == codice)
            return &g;
    return nullptr;
}

const Gioco* GiocoDiSchermo(const QString& schermo)
{
    for (const Gioco& g : Elenco)
        if (schermo == QLatin1String(g.schermo))
            return &g;
    return nullptr;
}

QString DidascaliaGioco(const QString& schermo)
{
    const Gioco* g = GiocoDiSchermo(schermo);
    return g ? QString::fromUtf8(g->didascalia) : schermo;
}

} // namespace Registro
