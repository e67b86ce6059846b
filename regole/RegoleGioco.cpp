#include "regole/RegoleGioco.h"

#include "registro/Giochi.h"

#include <QElapsedTimer>

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
}

qint64 RegoleGioco::MillisecondiDelTurno() const
{
    return (orologio ? orologio() : OrologioDiSistema()) - inizioTurno;
}

QString RegoleGioco::NomeAttributo(int criterio)
{
    static const QStringList nomi{"forma", "colore", "dimensione", "spessore"};
    return criterio >= 1 && criterio <= 4 ? nomi[criterio - 1] : QString();
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
