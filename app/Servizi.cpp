#include "app/Servizi.h"

#include "app/CanaleAudio.h"
#include "app/Dialoghi.h"
#include "app/Modulo1.h"

#include <QApplication>

Servizi& servizi()
{
    static Servizi s;
    return s;
}

void usaServiziReali()
{
    auto& s = servizi();
    s.caso = std::make_unique<SeededRandom>(SeededRandom::semeDalloOrologio());
    s.suono = std::make_unique<CanaleAudio>();
    s.messaggio = MostraMessaggio;
    s.termina = Modulo1::TerminaProgramma;
    s.beep = [] { QApplication::beep(); };
    s.cartellaApplicazione.clear();
}
