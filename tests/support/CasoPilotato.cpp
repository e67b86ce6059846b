#include "tests/support/CasoPilotato.h"

double CasoPilotato::rnd()
{
    ++estratti;
    if (coda.empty())
        return riserva.rnd();
    const double v = coda.front();
    coda.pop_front();
    return v;
}

double RndPer(int codice, int k)
{
    return (codice - 0.5) / k;
}

QList<double> RndPerBlocco(const Blocco& b)
{
    return {RndPer(Parole::Colori.indexOf(b.colore) + 1, 3), RndPer(Parole::Forme.indexOf(b.forma) + 1, 4),
            RndPer(Parole::Dimensioni.indexOf(b.dimensione) + 1, 2),
            RndPer(Parole::Spessori.indexOf(b.spessore) + 1, 2)};
}

Blocco B(const QString& forma, const QString& colore, const QString& dimensione, const QString& spessore)
{
    return {forma, colore, dimensione, spessore};
}
