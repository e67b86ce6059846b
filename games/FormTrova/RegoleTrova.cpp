#include "games/FormTrova/RegoleTrova.h"


void RegoleTrova::PreparaRicerca()
{
    NuovoSfondo();
    Bersaglio = qint16(caso.Estrai(NumeroBlocchi) - 1);
    for (Blocco& blocco : Blocchi) {
        caso.BloccoCasuale();
        blocco = caso.BloccoCorrente();
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
