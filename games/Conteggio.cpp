#include "games/Conteggio.h"

#include "app/Modulo1.h"

#include <algorithm>

Conteggio ContaUguali(int criterio, std::span<QString> parole)
{
    Conteggio conto;
    for (QString& parola : parole.subspan(1)) {
        Modulo1::BloccoCasuale();
        conto.percorsi.append(Modulo1::PercorsoBlocco);
        conto.blocchi.append(Modulo1::BloccoCorrente());
        parola = conto.blocchi.back().parola(criterio);
    }
    conto.giusti = Uguali(parole);
    return conto;
}

qint16 Uguali(std::span<const QString> parole)
{
    return qint16(std::count(parole.begin() + 1, parole.end(), parole.front()));
}
