#include "registro/Risposta.h"

#include "percorsi/Percorso.h"

#include <QStringList>

namespace Registro {

QString Domanda::testo() const
{
    if (valore.isEmpty())
        return attributo;
    return negata ? QStringLiteral("NON ") + valore : valore;
}

bool Risposta::conPercorso() const
{
    return !percorso.isNull() && passo >= 1 && passo <= Percorso::MassimoPassi;
}

Risposta NuovaRisposta()
{
    Risposta r;
    r.id = QUuid::createUuid();
    r.quando = QDateTime::currentDateTime();
    return r;
}

} // namespace Registro
