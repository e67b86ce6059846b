#include "insegnanti/RigaDiComando.h"

#include "insegnanti/Operazioni.h"
#include "insegnanti/Testo.h"
#include "comune/LinguaDelProgramma.h"
#include "registro/Deposito.h"

#include <QTextStream>

namespace Insegnanti {

namespace {

// The command line without --classe NOME, whose name goes to classe; false
// when it is given twice or without a name.
bool TogliClasse(QStringList& argomenti, std::optional<QString>& classe)
{
    const qsizetype dove = argomenti.indexOf(QStringLiteral("--classe"));
    if (dove < 0)
        return true;
    if (dove + 1 >= argomenti.size() || argomenti[dove + 1].isEmpty())
        return false;
    classe = argomenti[dove + 1];
    argomenti.remove(dove, 2);
    return !argomenti.contains(QStringLiteral("--classe"));
}

Richiesta LeggiComando(const QStringList& argomenti)
{
    if (argomenti.isEmpty())
        return {};
    const QString& opzione = argomenti.first();
    if (opzione == QLatin1String("--help") || opzione == QLatin1String("-h"))
        return {argomenti.size() == 1 ? Comando::Aiuto : Comando::Sbagliato, {}, {}};
    const std::pair<const char*, Comando> conFile[] = {
        {"--importa", Comando::Importa}, {"--esporta", Comando::Esporta}, {"--unisci", Comando::Unisci}};
    for (const auto& [nome, comando] : conFile)
        if (opzione == QLatin1String(nome))
            return argomenti.size() == 2 && !argomenti[1].isEmpty() ? Richiesta{comando, argomenti[1], {}}
                                                                     : Richiesta{Comando::Sbagliato, {}, {}};
    return {};
}

} // namespace

Richiesta LeggiRigaDiComando(const QStringList& argomenti)
{
    QStringList resto = argomenti;
    std::optional<QString> classe;
    if (!TogliClasse(resto, classe))
        return {Comando::Sbagliato, {}, {}};
    Richiesta richiesta = LeggiComando(resto);
    if (!classe)
        return richiesta;
    // A class only for the commands on a register.
    switch (richiesta.comando) {
    case Comando::Importa:
    case Comando::Esporta:
    case Comando::Unisci: richiesta.classe = classe; return richiesta;
    default: return {Comando::Sbagliato, {}, {}};
    }
}

namespace {

// The register's classes by name, each once, as the class page shows them.
QString NomiClassi(const QList<Registro::Classe>& classi)
{
    QStringList nomi;
    for (const Registro::Classe& c : classi)
        if (!nomi.contains(c.nome))
            nomi << c.nome;
    for (QString& nome : nomi)
        nome = Testo::tr("«%1»").arg(nome);
    return nomi.join(QStringLiteral(", "));
}

} // namespace

QString ScegliClasse(Registro::Deposito& registro, const std::optional<QString>& nome)
{
    const QList<Registro::Classe> classi = registro.classi();
    if (classi.isEmpty())
        return Testo::tr("il registro non ha classi");
    const std::optional<Registro::Classe> scelta = nome ? Registro::TrovaClasse(classi, *nome)
        : classi.size() == 1                         ? std::optional(classi.first())
                                                     : std::nullopt;
    if (scelta && registro.scegliClasse(scelta->id))
        return {};
    if (nome)
        return Testo::tr("la classe «%1» non è nel registro; le sue classi sono %2").arg(*nome, NomiClassi(classi));
    return Testo::tr("il registro ha più classi: scegline una con --classe NOME tra %1").arg(NomiClassi(classi));
}

QString Uso()
{
    return Testo::tr("uso: tesselo-registro [--lingua CODICE] [--classe NOME] [--importa FILE.csv | --esporta FILE.csv | --unisci FILE.sqlite]\n");
}

QString Aiuto(const QString& registro)
{
    return Uso()
        + Testo::tr(
              "Senza opzioni apre il registro della classe in una finestra.\n"
              "  --importa FILE.csv     aggiunge alla classe i bambini di un file della\n"
              "                         segreteria e scrive quanti ne ha aggiunti\n"
              "  --esporta FILE.csv     scrive ogni risposta della classe in un file CSV\n"
              "  --unisci FILE.sqlite   aggiunge le risposte del registro di un altro computer\n"
              "  --classe NOME          la classe a cui si applica l'opzione, col nome che ha\n"
              "                         nella pagina della classe; serve quando il registro\n"
              "                         ha più classi\n"
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
    if (const QString motivo = ScegliClasse(archivio, richiesta.classe); !motivo.isEmpty()) {
        errori << "tesselo-registro: " << motivo << '\n';
        return 1;
    }
    const EsitoOperazione esito = richiesta.comando == Comando::Importa ? Importa(archivio, richiesta.file)
                      : richiesta.comando == Comando::Esporta ? Esporta(archivio, richiesta.file)
                                                              : Unisci(archivio, richiesta.file);
    (esito.riuscito ? uscita : errori) << (esito.riuscito ? "" : "tesselo-registro: ") << esito.messaggio << '\n';
    return esito.riuscito ? 0 : 1;
}

} // namespace Insegnanti
