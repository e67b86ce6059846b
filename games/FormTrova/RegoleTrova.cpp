#include "games/FormTrova/RegoleTrova.h"

#include "app/Modulo1.h"

void RegoleTrova::PreparaRicerca()
{
    NuovoSfondo();
    Bersaglio = qint16(Modulo1::Estrai(NumeroBlocchi) - 1);
    for (Blocco& blocco : Blocchi) {
        Modulo1::BloccoCasuale();
        blocco = Modulo1::BloccoCorrente();
    }
    IniziaTurno();
}

Registro::Risposta RegoleTrova::GiudicaBlocco(int Index) const
{
    const Blocco& descritto = Blocchi[Bersaglio];
    QList<Registro::Domanda> parole;
    for (int criterio = CriterioForma; criterio <= CriterioSpessore; ++criterio)
        parole.append(Condizione(criterio, descritto.parola(criterio)));
    return Giudizio(Blocchi[Index] == descritto, Blocchi[Index].nome(), parole, {Blocchi[Index]});
}
