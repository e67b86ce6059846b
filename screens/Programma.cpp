#include "screens/Programma.h"

#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "media/Testi.h"
#include "screens/Schermi.h"

#include <QCoreApplication>

namespace Modulo1 {

void Main()
{
    // The services (and so the clock-seeded generator) are in place before Main runs.
    SuonoAttivo = true;
    Schermi::Mostra(IdSchermo::FormAvvio);
}

void ChiediUscita()
{
    if (servizi().messaggio(Tesselo::tr("Vuoi uscire dal programma?"), StileDomanda, NomeProgramma)
        != RispostaSi)
        return;
    Ridimensionatore.reset();
    servizi().termina();
}

void TerminaProgramma()
{
    Schermi::ChiudiTutto();
    QCoreApplication::exit(0);
}

} // namespace Modulo1
