#include "app/LinguaGioco.h"

#include "app/Servizi.h"
#include "media/Lingua.h"

#include <QCoreApplication>

bool ImpostaLinguaDelGioco(const QString& codice)
{
    const QString cartella = servizi().cartellaTraduzioni;
    return Lingua::Imposta(codice, cartella.isEmpty()
                                       ? QCoreApplication::applicationDirPath() + QStringLiteral("/traduzioni")
                                       : cartella);
}
