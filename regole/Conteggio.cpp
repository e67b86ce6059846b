#include "regole/Conteggio.h"

#include <algorithm>

Conteggio ContaUguali(Estrazioni& caso, int criterio, std::span<QString> parole)
{
    Conteggio conto;
    for (QString& parola : parole.subspan(1)) {
        caso.BloccoCasuale();
        conto.percorsi.append(caso.PercorsoBlocco);
        conto.blocchi.append(caso.BloccoCorrente());
        parola = conto.blocchi.back().parola(criterio);
    }
    conto.giusti = Uguali(parole);
    return conto;
}

qint16 Uguali(std::span<const QString> parole)
{
    return qint16(std::count(parole.begin() + 1, parole.end(), parole.front()));
}
