#include "games/FORM2/RegoleFORM2.h"

#include "regole/Conteggio.h"

#include <algorithm>

void RegoleFORM2::ScegliInsieme()
{
    NuovoSfondo();
    caso.BloccoCasuale();
    Criterio = qint16(AttributoDelTurno());
}

void RegoleFORM2::PreparaTurno()
{
    do {
        ScegliInsieme();
        Attributi[0] = caso.BloccoCorrente().parola(Criterio);
        const Conteggio conto = ContaUguali(caso, Criterio, Attributi);
        NumeroGiusti = conto.giusti;
        std::ranges::copy(conto.blocchi, Blocchi.begin());
        NumeroInseriti = 0;
    } while (NumeroGiusti == 0);
    IniziaTurno();
}

Registro::Risposta RegoleFORM2::SceltaBlocco(int Index) const
{
    return Giudizio(NellInsieme(Index), Blocchi[Index].nome(), {Domanda()}, {Blocchi[Index]});
}

Registro::Risposta RegoleFORM2::ChiusuraAutomatica(int Index) const
{
    return Giudizio(InsiemeCompletato(), Blocchi[Index].nome(), {Domanda()}, {Blocchi[Index]});
}

Registro::Risposta RegoleFORM2::GiudicaFatto() const
{
    const bool esatta = NumeroInseriti == NumeroGiusti && !ControlloAutomatico;
    return Giudizio(esatta, QStringLiteral("Fatto"), {Domanda()}, {Blocchi.begin(), Blocchi.end()});
}
