#include "registro/Risposta.h"

#include <QStringList>

namespace Registro {

QString Domanda::testo() const
{
    if (valore.isEmpty())
        return attributo;
    return negata ? QStringLiteral("NON ") + valore : valore;
}

Risposta NuovaRisposta()
{
    Risposta r;
    r.id = QUuid::createUuid();
    r.quando = QDateTime::currentDateTime();
    return r;
}

} // namespace Registro
