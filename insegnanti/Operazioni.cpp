#include "insegnanti/Operazioni.h"

#include "insegnanti/Scala.h"
#include "insegnanti/Testo.h"
#include "media/Testi.h"
#include "registro/ArchivioServer.h"
#include "registro/Avviso.h"
#include "registro/FileClasse.h"
#include "registro/Impostazioni.h"
#include "registro/Scrittore.h"

#include <QFileInfo>
#include <QSaveFile>

namespace Insegnanti {

QString NomeFile(const QString& file)
{
    return Testo::tr("«%1»").arg(QFileInfo(file).fileName());
}

QString Elenco(const QStringList& nomi)
{
    QStringList diversi;
    for (const QString& nome : nomi)
        if (!diversi.contains(nome))
            diversi << nome;
    for (QString& nome : diversi)
        nome = Testo::tr("«%1»").arg(nome);
    return diversi.join(QStringLiteral(", "));
}

QString ScriviPrivato(const QString& file, const QByteArray& contenuto)
{
    // The children's names and answers: readable by the teacher alone.
    QSaveFile uscita(file);
    if (!uscita.open(QIODevice::WriteOnly) || !uscita.setPermissions(QFile::ReadOwner | QFile::WriteOwner)
        || uscita.write(contenuto) < 0 || !uscita.commit())
        return Testo::tr("Il file %1 non si può scrivere: %2").arg(file, uscita.errorString());
    return {};
}

namespace {


QString Problema(const Registro::ProblemaClasse& problema)
{
    return Registro::DescriviProblema(problema, [](const char* testo, const char* commento) {
        return Testo::tr(testo, commento);
    });
}

// The uncertain splits taken as proposed, for the teacher to check.
QString DaControllare(const QList<Registro::Alunno>& incerti)
{
    QStringList letti;
    for (const Registro::Alunno& a : incerti)
        letti << Testo::tr("«%1» come %2").arg(a.cella, Registro::Bambino{0, {}, a.nome, a.cognome, {}}.nomeCompleto());
    return Testo::tr("Nome e cognome da controllare nella pagina della classe: %1.").arg(letti.join(QStringLiteral("; ")));
}

// The file's children with the teacher's reading of each uncertain split;
// nothing when she gives up.
std::optional<QList<Registro::Alunno>> Confermati(QList<Registro::Alunno> alunni, const ConfermaDivisioni& conferma)
{
    QList<qsizetype> dove;
    QList<Registro::Alunno> incerti;
    for (qsizetype i = 0; i < alunni.size(); ++i)
        if (!alunni[i].modi.isEmpty()) {
            dove << i;
            incerti << alunni[i];
        }
    if (incerti.isEmpty())
        return alunni;
    const std::optional<QList<Registro::Alunno>> confermati = conferma(incerti);
    if (!confermati || confermati->size() != incerti.size())
        return std::nullopt;
    for (qsizetype i = 0; i < dove.size(); ++i)
        alunni[dove[i]] = confermati->at(i);
    return alunni;
}

} // namespace

EsitoOperazione Importa(Registro::Deposito& archivio, const QString& file, const ConfermaDivisioni& conferma)
{
    Registro::Importazione fatto;
    if (conferma) {
        const Registro::LetturaClasse lettura = Registro::LeggiFileClasse(file);
        if (lettura.problema)
            fatto.problema = lettura.problema;
        else if (const auto alunni = Confermati(lettura.alunni, conferma))
            fatto = Registro::AggiungiAlunni(archivio, *alunni);
        else
            return {false, {}};
    } else {
        fatto = Registro::ImportaClasse(archivio, file);
    }
    if (fatto.problema)
        return {false, Testo::tr("Il file %1 non è stato importato: %2").arg(NomeFile(file), Problema(fatto.problema))};
    QStringList detto;
    if (!fatto.aggiunti)
        detto << Testo::tr("Nessun bambino aggiunto: quelli del file %1 sono già tutti nella classe.").arg(NomeFile(file));
    else
        detto << Testo::conta("%n bambini aggiunti alla classe dal file %1.", "", fatto.aggiunti).arg(NomeFile(file));
    if (fatto.spostati)
        detto << Testo::conta("%n bambini già nella classe sono passati al gruppo del file.", "", fatto.spostati);
    if (!fatto.incerti.isEmpty())
        detto << DaControllare(fatto.incerti);
    return {true, detto.join(QLatin1Char(' '))};
}

EsitoOperazione Esporta(const Registro::Deposito& archivio, const QString& file, const Registro::Periodo& periodo,
                        LinguaCsv lingua)
{
    // In the language shown: the header, and every word of the values as
    // the window shows it.
    const Registro::ParoleCsv mostrate{
        {Testo::tr("data_ora", "a column of the CSV export"), Testo::tr("bambino", "a column of the CSV export"),
         Testo::tr("gioco", "a column of the CSV export"), Testo::tr("domanda", "a column of the CSV export"),
         Testo::tr("blocchi", "a column of the CSV export"), Testo::tr("risposta", "a column of the CSV export"),
         Testo::tr("esatta", "a column of the CSV export"), Testo::tr("millisecondi", "a column of the CSV export")},
        Testo::tr("ospite"),
        [](const QString& gioco) { return Testi::NomeGioco(gioco.toUtf8().constData()); },
        ParoleMostrate,
        ParoleMostrate,
        RispostaMostrata};
    const QByteArray csv = lingua == LinguaCsv::Mostrata ? Registro::EsportaCsv(archivio, periodo, mostrate)
                                                         : Registro::EsportaCsv(archivio, periodo);
    if (const QString errore = ScriviPrivato(file, csv); !errore.isEmpty())
        return {false, errore};
    return {true, Testo::tr("Risposte esportate nel file %1.").arg(NomeFile(file))};
}

EsitoOperazione Unisci(Registro::Deposito& archivio, const QString& file, const Registro::ChiediIdentita& chiedi)
{
    const QFileInfo altro(file);
    if (!altro.isFile())
        return {false, Testo::tr("Il file %1 non c'è.").arg(file)};
    const std::optional<int> aggiunte = archivio.unisci(file, chiedi);
    if (!aggiunte)
        return {false, Testo::tr("Il file %1 non è stato unito: %2").arg(NomeFile(file), archivio.ultimoErrore())};
    return {true, Testo::tr("%1 dal registro %2.")
                      .arg(Testo::conta("%n risposte aggiunte", "", *aggiunte),
                           NomeFile(file))};
}

QString NonSiApre(const Registro::Deposito& archivio, Registro::Accesso esito, const QString& nome)
{
    QString motivo = archivio.ultimoErrore();
    if (motivo.isEmpty()) {
        switch (esito) {
        case Registro::Accesso::Ok: break;
        case Registro::Accesso::Mancante: motivo = Testo::tr("non c'è ancora"); break;
        case Registro::Accesso::NonScrivibile: motivo = Testo::tr("non si può scrivere"); break;
        case Registro::Accesso::Bloccato: motivo = Testo::tr("è bloccato da un altro programma"); break;
        case Registro::Accesso::Danneggiato: motivo = Testo::tr("è danneggiato"); break;
        case Registro::Accesso::PiuRecente:
            motivo = Testo::tr("è stato fatto da una versione più recente del programma");
            break;
        case Registro::Accesso::NonRaggiungibile: motivo = Testo::tr("il server non risponde"); break;
        }
    }
    if (motivo.endsWith(QLatin1Char('.')))
        motivo.chop(1);
    return Testo::tr("Il registro %1 non si può aprire: %2.").arg(nome, motivo);
}

namespace {

QString SulServer(const Registro::Impostazioni& imp)
{
    return Testo::tr("sul server %1, database %2")
        .arg(imp.host.isEmpty() ? QStringLiteral("localhost") : imp.host, imp.database);
}

// Why the server's register could not be opened, and libpq's own words.
QString PercheNonSiApre(const Registro::ArchivioServer& server, Registro::Accesso esito, const Registro::Impostazioni& imp)
{
    const QString utente = imp.utentePerInsegnanti().isEmpty() ? Testo::tr("di questo account")
                                                               : Testo::tr("«%1»").arg(imp.utentePerInsegnanti());
    switch (esito) {
    case Registro::Accesso::PiuRecente: return server.ultimoErrore();
    case Registro::Accesso::NonRaggiungibile:
        return Testo::tr("il server non risponde, o non accetta l'utente %1 (%2)").arg(utente, server.ultimoErrore());
    default:
        return Testo::tr("sul server non c'è un registro di Tesselo che l'utente %1 possa leggere (%2)")
            .arg(utente, server.ultimoErrore());
    }
}

} // namespace

RegistroAperto ApriRegistro(const QString& percorso, bool crea)
{
    RegistroAperto aperto;
    QString sbagliate;
    const std::optional<Registro::Impostazioni> imp = Registro::Impostazioni::Leggi(sbagliate);
    if (!sbagliate.isEmpty()) {
        aperto.errore = Testo::tr("Il registro non si può aprire: %1 (in %2).")
                            .arg(sbagliate, Registro::Impostazioni::File().join(QStringLiteral(", ")));
        return aperto;
    }
    if (imp) {
        if (!imp->avvisoSsl().isEmpty())
            Registro::Avvisa(imp->avvisoSsl());
        auto server = std::make_unique<Registro::ArchivioServer>();
        const Registro::Accesso esito = server->apri(*imp);
        if (esito != Registro::Accesso::Ok)
            aperto.errore = Testo::tr("Il registro %1 non si può aprire: %2.")
                                .arg(SulServer(*imp), PercheNonSiApre(*server, esito, *imp));
        else
            aperto.deposito = std::move(server);
        return aperto;
    }
    // The whole file is read only after an unclean end of the game, or once
    // a check found it damaged; otherwise a week's check does it on a thread.
    auto archivio = std::make_unique<Registro::Archivio>();
    const bool tutto = Registro::Scrittore::DaControllare(percorso);
    const Registro::Accesso esito
        = archivio->apri(percorso, crea, tutto ? Registro::Controllo::Completo : Registro::Controllo::Rapido);
    // Read whole, and moved aside if it was damaged: the mark has served.
    if (tutto && crea && esito == Registro::Accesso::Ok)
        QFile::remove(Registro::Scrittore::FileInUso(percorso));
    if (esito != Registro::Accesso::Ok)
        return {nullptr, NonSiApre(*archivio, esito, percorso), {}};
    aperto.spostato = archivio->fileSpostato();
    aperto.deposito = std::move(archivio);
    return aperto;
}

QString NomeRegistro(const QString& percorso)
{
    QString errore;
    const std::optional<Registro::Impostazioni> imp = Registro::Impostazioni::Leggi(errore);
    return imp ? SulServer(*imp) : percorso;
}

int RisposteNelPeriodo(const Registro::Deposito& archivio, const Registro::Periodo& periodo)
{
    int n = 0;
    for (const Registro::RigaClasse& riga : archivio.classe(periodo))
        for (const Registro::Conto& conto : riga.perGioco)
            n += conto.totale();
    return n;
}

} // namespace Insegnanti
