#include "games/FORM2/RegoleFORM2.h"

#include "app/Modulo1.h"
#include "games/Conteggio.h"

#include <algorithm>

void RegoleFORM2::ScegliInsieme()
{
    NuovoSfondo();
    Modulo1::BloccoCasuale();
    Criterio = qint16(Modulo1::Estrai(4));
}

void RegoleFORM2::PreparaTurno()
{
    do {
        ScegliInsieme();
        Attributi[0] = Modulo1::BloccoCorrente().parola(Criterio);
        const Conteggio conto = ContaUguali(Criterio, Attributi);
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
