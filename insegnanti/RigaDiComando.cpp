#include "insegnanti/RigaDiComando.h"

#include "insegnanti/Operazioni.h"
#include "insegnanti/Testo.h"
#include "comune/LinguaDelProgramma.h"

#include <QTextStream>

namespace Insegnanti {

Richiesta LeggiRigaDiComando(const QStringList& argomenti)
{
    if (argomenti.isEmpty())
        return {};
    const QString& opzione = argomenti.first();
    if (opzione == QLatin1String("--help") || opzione == QLatin1String("-h"))
        return {argomenti.size() == 1 ? Comando::Aiuto : Comando::Sbagliato, {}};
    const std::pair<const char*, Comando> conFile[] = {
        {"--importa", Comando::Importa}, {"--esporta", Comando::Esporta}, {"--unisci", Comando::Unisci}};
    for (const auto& [nome, comando] : conFile)
        if (opzione == QLatin1String(nome))
            return argomenti.size() == 2 && !argomenti[1].isEmpty() ? Richiesta{comando, argomenti[1]}
                                                                     : Richiesta{Comando::Sbagliato, {}};
    return {};
}

QString Uso()
{
    return Testo::tr("uso: tesselo-registro [--lingua CODICE] [--importa FILE.csv | --esporta FILE.csv | --unisci FILE.sqlite]\n");
}

QString Aiuto(const QString& registro)
{
    return Uso()
        + Testo::tr(
              "Senza opzioni apre il registro della classe in una finestra.\n"
              "  --importa FILE.csv     aggiunge alla classe i bambini di un file della\n"
              "                         segreteria e scrive quanti ne ha aggiunti\n"
              "  --esporta FILE.csv     scrive ogni risposta del registro in un file CSV\n"
              "  --unisci FILE.sqlite   aggiunge le risposte del registro di un altro computer\n"
              "  --lingua CODICE        la lingua del programma: %2; senza,\n"
              "                         quella di tesselo.conf o del sistema, altrimenti l'italiano\n"
              "  --help                 mostra questo aiuto\n"
              "Il registro è %1\n")
              .arg(registro, ElencoLingue());
}

int EseguiRigaDiComando(const Richiesta& richiesta, const QString& percorso, QTextStream& uscita,
                        QTextStream& errori)
{
    switch (richiesta.comando) {
    case Comando::Aiuto:
        uscita << Aiuto(NomeRegistro(percorso));
        return 0;
    case Comando::Sbagliato:
    case Comando::Finestra:
        errori << Uso();
        return 2;
    default:
        break;
    }
    // Exporting makes no register where there is none.
    const RegistroAperto aperto = ApriRegistro(percorso, richiesta.comando != Comando::Esporta);
    if (!aperto.deposito) {
        errori << "tesselo-registro: " << aperto.errore << '\n';
        return 1;
    }
    Registro::Deposito& archivio = *aperto.deposito;
    const EsitoOperazione esito = richiesta.comando == Comando::Importa ? Importa(archivio, richiesta.file)
                      : richiesta.comando == Comando::Esporta ? Esporta(archivio, richiesta.file)
                                                              : Unisci(archivio, richiesta.file);
    (esito.riuscito ? uscita : errori) << (esito.riuscito ? "" : "tesselo-registro: ") << esito.messaggio << '\n';
    return esito.riuscito ? 0 : 1;
}

} // namespace Insegnanti
