#include "app/LinguaGioco.h"

#include "app/Servizi.h"
#include "media/Lingua.h"
#include "registro/Impostazioni.h"

#include <QCoreApplication>
#include <QLocale>

QString LinguaDelGioco(const QString& opzione, QString& avviso)
{
    const QString richiesta =
        opzione.isEmpty() ? Registro::Impostazioni::Valore(QStringLiteral("gioco"), QStringLiteral("lingua")) : opzione;
    bool sconosciuta = false;
    const QString codice = Lingua::Scegli(richiesta, QLocale::system().uiLanguages(), &sconosciuta);
    avviso = sconosciuta ? QStringLiteral("lingua \"%1\" non disponibile (%2); si usa \"%3\"")
                               .arg(richiesta, Lingua::Disponibili().join(QStringLiteral(", ")), codice)
                         : QString();
    return codice;
}

bool ImpostaLinguaDelGioco(const QString& codice)
{
    const QString cartella = servizi().cartellaTraduzioni;
    return Lingua::Imposta(codice, cartella.isEmpty()
                                       ? QCoreApplication::applicationDirPath() + QStringLiteral("/traduzioni")
                                       : cartella);
}
