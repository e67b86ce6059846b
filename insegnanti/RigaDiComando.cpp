#include "insegnanti/RigaDiComando.h"

#include "insegnanti/Operazioni.h"
#include "insegnanti/OperazioniPercorsi.h"
#include "insegnanti/Testo.h"
#include "comune/LinguaDelProgramma.h"
#include "registro/Deposito.h"
#include "registro/FileClasse.h"

#include <QTextStream>

namespace Insegnanti {

namespace {

// The command line without the option and its value, which goes to valore;
// false when it is given twice or without a value.
bool TogliOpzione(QStringList& argomenti, QLatin1String opzione, std::optional<QString>& valore)
{
    const qsizetype dove = argomenti.indexOf(opzione);
    if (dove < 0)
        return true;
    if (dove + 1 >= argomenti.size() || argomenti[dove + 1].isEmpty())
        return false;
    valore = argomenti[dove + 1];
    argomenti.remove(dove, 2);
    return !argomenti.contains(opzione);
}

// Each option of a command and the values that follow it: a file, or for a
// path its name and then its file if it has one.
struct Forma {
    const char* opzione;
    Comando comando;
    bool nome, file;
};
constexpr Forma Forme[] = {
    {"--importa", Comando::Importa, false, true},
    {"--esporta", Comando::Esporta, false, true},
    {"--unisci", Comando::Unisci, false, true},
    {"--importa-percorso", Comando::ImportaPercorso, false, true},
    {"--esporta-percorso", Comando::EsportaPercorso, true, true},
    {"--assegna-percorso", Comando::AssegnaPercorso, true, false},
    {"--avanzamento", Comando::Avanzamento, false, true},
    {"--padronanza", Comando::Padronanza, false, true},
};

Richiesta LeggiComando(const QStringList& argomenti)
{
    if (argomenti.isEmpty())
        return {};
    const QString& opzione = argomenti.first();
    if (opzione == QLatin1String("--help") || opzione == QLatin1String("-h"))
        return Richiesta::Di(argomenti.size() == 1 ? Comando::Aiuto : Comando::Sbagliato);
    for (const Forma& forma : Forme) {
        if (opzione != QLatin1String(forma.opzione))
            continue;
        const QStringList valori = argomenti.sliced(1);
        if (valori.size() != int(forma.nome) + int(forma.file) || valori.contains(QString()))
            return Richiesta::Di(Comando::Sbagliato);
        Richiesta richiesta = Richiesta::Di(forma.comando);
        if (forma.nome)
            richiesta.percorso = valori.first();
        if (forma.file)
            richiesta.file = valori.last();
        return richiesta;
    }
    return {};
}

// Whom --assegna-percorso names, taken out of the command line: one of
// --bambino, --gruppo and --tutta-la-classe, given once; nothing when none
// is; false when more than one is, or one is given twice or without a name.
bool TogliDestinatario(QStringList& argomenti, std::optional<std::pair<Registro::Destinatario, QString>>& destinatario)
{
    std::optional<QString> bambino, gruppo;
    const qsizetype tutta = argomenti.removeAll(QStringLiteral("--tutta-la-classe"));
    if (!TogliOpzione(argomenti, QLatin1String("--bambino"), bambino)
        || !TogliOpzione(argomenti, QLatin1String("--gruppo"), gruppo)
        || int(bambino.has_value()) + int(gruppo.has_value()) + tutta > 1)
        return false;
    if (bambino)
        destinatario = {Registro::Destinatario::Bambino, *bambino};
    else if (gruppo)
        destinatario = {Registro::Destinatario::Gruppo, *gruppo};
    else if (tutta)
        destinatario = {Registro::Destinatario::Classe, {}};
    return true;
}

} // namespace

Richiesta LeggiRigaDiComando(const QStringList& argomenti)
{
    QStringList resto = argomenti;
    std::optional<QString> classe;
    std::optional<std::pair<Registro::Destinatario, QString>> destinatario;
    if (!TogliOpzione(resto, QLatin1String("--classe"), classe) || !TogliDestinatario(resto, destinatario))
        return Richiesta::Di(Comando::Sbagliato);
    Richiesta richiesta = LeggiComando(resto);
    // Whom to, with --assegna-percorso and only there.
    if ((richiesta.comando == Comando::AssegnaPercorso) != destinatario.has_value())
        return Richiesta::Di(Comando::Sbagliato);
    if (destinatario)
        std::tie(richiesta.a, richiesta.chi) = *destinatario;
    if (!classe)
        return richiesta;
    // A class only for the commands on a register.
    switch (richiesta.comando) {
    case Comando::Finestra:
    case Comando::Aiuto:
    case Comando::Sbagliato: return Richiesta::Di(Comando::Sbagliato);
    default: richiesta.classe = classe; return richiesta;
    }
}

namespace {

// The register's classes by name, each once, as the class page shows them.
QString NomiClassi(const QList<Registro::Classe>& classi)
{
    QStringList nomi;
    for (const Registro::Classe& c : classi)
        nomi << c.nome;
    return Elenco(nomi);
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
    return Testo::tr("uso: tesselo-registro [--lingua CODICE] [--classe NOME] [--importa FILE.csv | --esporta FILE.csv | --unisci FILE.sqlite]\n")
        + Testo::tr("     tesselo-registro [--lingua CODICE] [--classe NOME] [--importa-percorso FILE.json | --esporta-percorso NOME FILE.json | --avanzamento FILE.csv]\n"
                    "     tesselo-registro [--lingua CODICE] [--classe NOME] --assegna-percorso NOME (--bambino \"NOME COGNOME\" | --gruppo NOME | --tutta-la-classe)\n")
        + Testo::tr("     tesselo-registro [--lingua CODICE] [--classe NOME] --padronanza FILE.csv\n");
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
              "  --importa-percorso FILE.json\n"
              "                         aggiunge alla classe il percorso di un file e ne\n"
              "                         scrive il nome\n"
              "  --esporta-percorso NOME FILE.json\n"
              "                         scrive in un file il percorso della classe con quel nome\n"
              "  --assegna-percorso NOME --bambino \"NOME COGNOME\"\n"
              "  --assegna-percorso NOME --gruppo NOME\n"
              "  --assegna-percorso NOME --tutta-la-classe\n"
              "                         assegna il percorso a un bambino, a un gruppo o a\n"
              "                         tutta la classe\n"
              "  --avanzamento FILE.csv scrive in un file CSV a che punto è ogni bambino\n"
              "                         nel suo percorso, passo per passo\n"
              "  --padronanza FILE.csv  scrive in un file CSV, per ogni bambino e abilità,\n"
              "                         la stima di quanto l'ha acquisita e il suo livello\n"
              "  --classe NOME          la classe a cui si applica l'opzione, col nome che ha\n"
              "                         nella pagina della classe; serve quando il registro\n"
              "                         ha più classi\n"
              "  --lingua CODICE        la lingua del programma: %2; senza,\n"
              "                         quella di tesselo.conf o del sistema, altrimenti l'italiano\n"
              "  --help                 mostra questo aiuto\n"
              "Il registro è %1\n")
              .arg(registro, ElencoLingue());
}

namespace {

// The commands that write to the register open it for writing, which
// makes one where there is none; exporting opens it read-only and makes
// none.
bool CreaRegistro(Comando comando)
{
    return comando == Comando::Importa || comando == Comando::Unisci || comando == Comando::ImportaPercorso
        || comando == Comando::AssegnaPercorso;
}

// What each child of the class has learned, as CSV.
EsitoOperazione EsportaPadronanza(const Registro::Deposito& archivio, const QString& file)
{
    archivio.nuovaLettura();
    const QByteArray contenuto = Registro::EsportaPadronanzaCsv(archivio);
    if (const QString errore = archivio.erroreLettura(); !errore.isEmpty())
        return {false, Testo::tr("Le stime non sono state esportate: %1").arg(errore)};
    if (const QString errore = ScriviPrivato(file, contenuto); !errore.isEmpty())
        return {false, errore};
    return {true, Testo::tr("Stime della classe esportate nel file %1.").arg(NomeFile(file))};
}

EsitoOperazione Esegui(const Richiesta& richiesta, Registro::Deposito& archivio)
{
    switch (richiesta.comando) {
    case Comando::Importa: return Importa(archivio, richiesta.file);
    case Comando::Esporta: return Esporta(archivio, richiesta.file);
    case Comando::Unisci: return Unisci(archivio, richiesta.file);
    case Comando::ImportaPercorso: return ImportaPercorso(archivio, richiesta.file);
    case Comando::EsportaPercorso: return EsportaPercorso(archivio, richiesta.percorso, richiesta.file);
    case Comando::AssegnaPercorso: return AssegnaPercorso(archivio, richiesta.percorso, richiesta.a, richiesta.chi);
    case Comando::Avanzamento: return EsportaAvanzamento(archivio, richiesta.file);
    case Comando::Padronanza: return EsportaPadronanza(archivio, richiesta.file);
    case Comando::Finestra:
    case Comando::Aiuto:
    case Comando::Sbagliato: break;
    }
    return {};
}

} // namespace

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
    const RegistroAperto aperto = ApriRegistro(percorso, CreaRegistro(richiesta.comando));
    if (!aperto.deposito) {
        errori << "tesselo-registro: " << aperto.errore << '\n';
        return 1;
    }
    Registro::Deposito& archivio = *aperto.deposito;
    if (const QString motivo = ScegliClasse(archivio, richiesta.classe); !motivo.isEmpty()) {
        errori << "tesselo-registro: " << motivo << '\n';
        return 1;
    }
    const EsitoOperazione esito = Esegui(richiesta, archivio);
    (esito.riuscito ? uscita : errori) << (esito.riuscito ? "" : "tesselo-registro: ") << esito.messaggio << '\n';
    return esito.riuscito ? 0 : 1;
}

} // namespace Insegnanti
