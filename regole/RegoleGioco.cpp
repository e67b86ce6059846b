#include "regole/RegoleGioco.h"

#include "percorsi/Percorso.h"
#include "registro/Giochi.h"

#include <QElapsedTimer>

#include <algorithm>

qint64 RegoleGioco::OrologioDiSistema()
{
    static const QElapsedTimer avvio = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return avvio.elapsed();
}

void RegoleGioco::IniziaTurno()
{
    inizioTurno = orologio ? orologio() : OrologioDiSistema();
    risposteDelTurno = 0;
}

int RegoleGioco::ProssimoTentativo()
{
    risposteDelTurno = std::min(risposteDelTurno + 1, int(Registro::Risposta::MassimoTentativo));
    return risposteDelTurno;
}

qint64 RegoleGioco::MillisecondiDelTurno() const
{
    return (orologio ? orologio() : OrologioDiSistema()) - inizioTurno;
}

bool RegoleGioco::ImpostaAttributiInGioco(const AttributiInGioco& attributi)
{
    const Percorsi::Gioco* gioco = Percorsi::GiocoDi(nomeSchermo);
    if (!gioco || !Percorsi::ProblemaAttributi(*gioco, attributi).isEmpty())
        return false;
    inGioco = attributi;
    return true;
}

int RegoleGioco::AttributoDelTurno(const Estrazioni::OrdineAttributi& ordine)
{
    return caso.Attributo(inGioco, ordine, suMisura ? std::optional(suMisura()) : std::nullopt);
}

int RegoleGioco::AttributoONienteDelTurno(const Estrazioni::OrdineAttributi& ordine)
{
    return caso.AttributoONiente(inGioco, ordine, suMisura ? std::optional(suMisura()) : std::nullopt);
}

QString RegoleGioco::NomeAttributo(int criterio)
{
    return AttributiInGioco::Nomi().value(criterio - 1);
}

Registro::Domanda RegoleGioco::Condizione(int criterio, const QString& valore, bool negata)
{
    return {NomeAttributo(criterio), valore, negata};
}

Registro::Risposta RegoleGioco::Giudizio(bool esatta, const QString& risposta, QList<Registro::Domanda> domande,
                                         QList<Blocco> blocchi) const
{
    Registro::Risposta r = Registro::NuovaRisposta();
    r.schermo = nomeSchermo;
    r.gioco = Registro::DidascaliaGioco(nomeSchermo);
    r.domande = std::move(domande);
    r.blocchi = std::move(blocchi);
    r.risposta = risposta;
    r.esatta = esatta;
    r.millisecondi = MillisecondiDelTurno();
    return r;
}
