#include "comune/LinguaDelProgramma.h"

#include "media/Lingua.h"
#include "registro/Avviso.h"
#include "registro/Impostazioni.h"

#include <QByteArrayView>
#include <QLocale>
#include <algorithm>

QString LinguaDelGioco(const QString& opzione, QString& avviso)
{
    const QString richiesta =
        opzione.isEmpty() ? Registro::Impostazioni::Valore(QStringLiteral("gioco"), QStringLiteral("lingua")) : opzione;
    bool sconosciuta = false;
    const QString codice = Lingua::Scegli(richiesta, QLocale::system().uiLanguages(), &sconosciuta);
    avviso = sconosciuta ? QStringLiteral("lingua \"%1\" non disponibile (%2); si usa \"%3\"")
                               .arg(richiesta, ElencoLingue(), codice)
                         : QString();
    return codice;
}

QString ElencoLingue()
{
    return Lingua::Disponibili().join(QStringLiteral(", "));
}

bool TogliLingua(int& argc, char* argv[], QString& lingua)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView opzione(argv[i]);
        int presi = 0;
        if (opzione == "--lingua") {
            if (i + 1 >= argc)
                return false;
            lingua = QString::fromLocal8Bit(argv[i + 1]);
            presi = 2;
        } else if (opzione.startsWith("--lingua=")) {
            lingua = QString::fromLocal8Bit(argv[i] + 9);
            presi = 1;
        } else {
            continue;
        }
        std::copy(argv + i + presi, argv + argc + 1, argv + i);
        argc -= presi;
        return true;
    }
    return true;
}

void ScegliLingua(const QString& opzione, const char* programma, const std::function<bool(const QString&)>& imposta)
{
    QString avviso;
    const QString codice = LinguaDelGioco(opzione, avviso);
    if (!avviso.isEmpty())
        Registro::Avvisa(avviso, programma);
    if (!imposta(codice))
        Registro::Avvisa(QStringLiteral("traduzione \"%1\" mancante o non leggibile; si usa l'italiano").arg(codice),
                         programma);
}
