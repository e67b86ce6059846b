#include "games/zirp3/RegoleZirp3.h"

#include "app/Modulo1.h"
#include "games/Conteggio.h"

#include <algorithm>

void RegoleZirp3::ScegliCondizione()
{
    Modulo1::BloccoCasuale();
    NuovoSfondo();
    Criterio = qint16(Modulo1::Estrai(4));
}

void RegoleZirp3::PreparaTurno()
{
    ScegliCondizione();
    Attributi[0] = Modulo1::BloccoCorrente().parola(Criterio);
    const Conteggio conto = ContaUguali(Criterio, Attributi);
    NumeroGiusti = conto.giusti;
    std::ranges::copy(conto.blocchi, Blocchi.begin());
    IniziaTurno();
}

Registro::Risposta RegoleZirp3::GiudicaNumero(int Index) const
{
    return Giudizio(Index == NumeroGiusti, QString::number(Index), {Condizione(Criterio, Attributi[0])},
                    {Blocchi.begin(), Blocchi.end()});
}
