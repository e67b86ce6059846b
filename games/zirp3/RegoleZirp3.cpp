#include "games/zirp3/RegoleZirp3.h"

#include "regole/Conteggio.h"

#include <algorithm>

void RegoleZirp3::ScegliCondizione()
{
    caso.BloccoCasuale();
    NuovoSfondo();
    Criterio = qint16(AttributoDelTurno());
}

void RegoleZirp3::PreparaTurno()
{
    ScegliCondizione();
    Attributi[0] = caso.BloccoCorrente().parola(Criterio);
    const Conteggio conto = ContaUguali(caso, Criterio, Attributi);
    NumeroGiusti = conto.giusti;
    std::ranges::copy(conto.blocchi, Blocchi.begin());
    IniziaTurno();
}

Registro::Risposta RegoleZirp3::GiudicaNumero(int Index) const
{
    return Giudizio(Index == NumeroGiusti, QString::number(Index), {Condizione(Criterio, Attributi[0])},
                    {Blocchi.begin(), Blocchi.end()});
}
