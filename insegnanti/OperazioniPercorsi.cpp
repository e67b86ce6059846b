#include "insegnanti/OperazioniPercorsi.h"

#include "insegnanti/Testo.h"
#include "media/Lingua.h"
#include "percorsi/FilePercorso.h"
#include "registro/FileClasse.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Insegnanti {

namespace {

QStringList Nomi(const QList<Registro::PercorsoSalvato>& percorsi)
{
    QStringList nomi;
    for (const Registro::PercorsoSalvato& p : percorsi)
        nomi.append(p.percorso.nome);
    return nomi;
}

// nome, then coda after it, the whole at most Percorso::MassimoNome
// characters (as the path counts them: code points): nome loses its end.
QString Accorciato(const QString& nome, const QString& coda)
{
    QList<uint> caratteri = nome.toUcs4();
    const qsizetype posto = Percorso::MassimoNome - coda.toUcs4().size();
    if (caratteri.size() > posto)
        caratteri.resize(std::max<qsizetype>(0, posto));
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(caratteri.constData()), caratteri.size()).trimmed()
        + coda;
}

EsitoPercorso Salvato(Registro::Deposito& archivio, const Percorso& percorso)
{
    Registro::PercorsoSalvato nuovo;
    nuovo.percorso = percorso;
    EsitoPercorso esito;
    esito.percorso = archivio.salvaPercorso(nuovo);
    esito.riuscito = esito.percorso.has_value();
    if (!esito.riuscito)
        esito.messaggio = Testo::tr("Il percorso «%1» non è stato salvato: %2").arg(percorso.nome, archivio.ultimoErrore());
    return esito;
}

// What the register holds of the class, read afresh: why it could not be
// read goes to errore, so that a register that did not answer is never
// taken for a class without paths, groups or children.
template <typename Lettura>
auto LeggiDellaClasse(const Registro::Deposito& archivio, Lettura leggi, QString& errore)
{
    archivio.nuovaLettura();
    auto elenco = leggi();
    errore = archivio.erroreLettura();
    return elenco;
}

// The class's group of that name; nothing, with why, when there is none.
std::optional<Registro::Gruppo> TrovaGruppo(const Registro::Deposito& archivio, const QString& nome, QString& errore)
{
    const QList<Registro::Gruppo> gruppi = LeggiDellaClasse(archivio, [&] { return archivio.gruppi(); }, errore);
    if (!errore.isEmpty())
        return std::nullopt;
    QStringList nomi;
    for (const Registro::Gruppo& g : gruppi) {
        if (g.nome == nome)
            return g;
        nomi << g.nome;
    }
    errore = gruppi.isEmpty() ? Testo::tr("la classe non ha gruppi")
                              : Testo::tr("la classe non ha un gruppo «%1»; i suoi gruppi sono %2").arg(nome, Elenco(nomi));
    return std::nullopt;
}

// The class's only child of that full name; nothing, with why, when there
// is none or more than one (whom the teacher tells apart on the class page).
std::optional<Registro::Bambino> TrovaBambino(const Registro::Deposito& archivio, const QString& nome, QString& errore)
{
    QList<Registro::Bambino> bambini = LeggiDellaClasse(archivio, [&] { return archivio.bambini(); }, errore);
    if (!errore.isEmpty())
        return std::nullopt;
    bambini.removeIf([&](const Registro::Bambino& b) { return b.nomeCompleto() != nome; });
    if (bambini.size() == 1)
        return bambini.first();
    errore = bambini.isEmpty() ? Testo::tr("nella classe nessun bambino si chiama «%1»").arg(nome)
                               : Testo::conta("nella classe %n bambini si chiamano «%1»: dai a ognuno un nome "
                                              "diverso nella pagina della classe",
                                              "", int(bambini.size()))
                                     .arg(nome);
    return std::nullopt;
}

} // namespace

QString NomeLibero(const QString& nome, const QStringList& presi, bool copia)
{
    for (int n = 1;; ++n) {
        QString coda;
        if (copia)
            coda = n == 1 ? Testo::tr(" (copia)") : Testo::tr(" (copia %1)").arg(n);
        else if (n > 1)
            coda = QStringLiteral(" (%1)").arg(n);
        const QString candidato = Accorciato(nome, coda);
        if (!presi.contains(candidato))
            return candidato;
    }
}

EsitoPercorso ImportaPercorso(Registro::Deposito& archivio, const QString& file)
{
    Percorsi::Lettura letta = Percorsi::LeggiFile(file);
    if (!letta.percorso) {
        EsitoPercorso rifiutato;
        rifiutato.messaggio = Testo::tr("Il percorso non è stato importato: %1").arg(letta.errore);
        return rifiutato;
    }
    const QString delFile = letta.percorso->nome;
    letta.percorso->nome = NomeLibero(delFile, Nomi(archivio.percorsi()));
    EsitoPercorso esito = Salvato(archivio, *letta.percorso);
    if (!esito.riuscito)
        return esito;
    const QString nomeFile = QFileInfo(file).fileName();
    esito.messaggio = esito.percorso->percorso.nome == delFile
        ? Testo::tr("Percorso «%1» importato dal file «%2».").arg(delFile, nomeFile)
        : Testo::tr("Percorso importato dal file «%2» come «%1»: la classe ha già un percorso «%3».")
              .arg(esito.percorso->percorso.nome, nomeFile, delFile);
    return esito;
}

EsitoOperazione EsportaPercorso(const Percorso& percorso, const QString& file)
{
    QString errore;
    if (!Percorsi::ScriviFile(file, percorso, errore))
        return {false, Testo::tr("Il percorso «%1» non è stato esportato: %2").arg(percorso.nome, errore)};
    return {true, Testo::tr("Percorso «%1» esportato nel file «%2».").arg(percorso.nome, QFileInfo(file).fileName())};
}

EsitoOperazione EsportaPercorso(const Registro::Deposito& archivio, const QString& nome, const QString& file)
{
    QString errore;
    if (const std::optional<Registro::PercorsoSalvato> percorso = TrovaPercorso(archivio, nome, errore))
        return EsportaPercorso(percorso->percorso, file);
    return {false, Testo::tr("Il percorso «%1» non è stato esportato: %2").arg(nome, errore)};
}

EsitoPercorso DuplicaPercorso(Registro::Deposito& archivio, const Percorso& percorso)
{
    Percorso copia = percorso;
    copia.nome = NomeLibero(percorso.nome, Nomi(archivio.percorsi()), true);
    return Salvato(archivio, copia);
}

QString CartellaEsempi()
{
    const QDir qui(QCoreApplication::applicationDirPath());
    const QString installata = QDir::cleanPath(qui.filePath(QStringLiteral(TESSELO_ESEMPI_DA_BIN)));
    const QString costruita = QDir::cleanPath(qui.filePath(QStringLiteral(TESSELO_ESEMPI_NELLA_BUILD)));
    return QFileInfo(installata).isDir() || !QFileInfo(costruita).isDir() ? installata : costruita;
}

EsitoOperazione ImportaEsempi(Registro::Deposito& archivio, const QString& cartella)
{
    QDir lingua(cartella + QLatin1Char('/') + Lingua::Attuale());
    if (!lingua.exists())
        lingua.setPath(cartella + QLatin1Char('/') + Lingua::Disponibili().first());
    if (!lingua.exists())
        return {false, Testo::tr("Gli esempi non ci sono: manca la cartella %1.").arg(QDir::toNativeSeparators(lingua.path()))};
    QStringList presi = Nomi(archivio.percorsi());
    QStringList problemi;
    int aggiunti = 0;
    for (const QFileInfo& file : lingua.entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        const Percorsi::Lettura letta = Percorsi::LeggiFile(file.filePath());
        if (!letta.percorso) {
            problemi.append(letta.errore);
            continue;
        }
        if (presi.contains(letta.percorso->nome))
            continue;
        const EsitoPercorso esito = Salvato(archivio, *letta.percorso);
        if (!esito.riuscito) {
            problemi.append(esito.messaggio);
            continue;
        }
        presi.append(letta.percorso->nome);
        ++aggiunti;
    }
    QString messaggio = aggiunti ? Testo::conta("%n percorsi di esempio aggiunti alla classe.", "", aggiunti)
                                 : Testo::tr("Gli esempi sono già tutti nella classe.");
    if (!problemi.isEmpty())
        messaggio = Testo::tr("%1 Non sono stati importati:\n%2").arg(messaggio, problemi.join(QLatin1Char('\n')));
    return {problemi.isEmpty(), messaggio};
}

std::optional<Registro::PercorsoSalvato> TrovaPercorso(const Registro::Deposito& archivio, const QString& nome,
                                                       QString& errore)
{
    const QList<Registro::PercorsoSalvato> percorsi
        = LeggiDellaClasse(archivio, [&] { return archivio.percorsi(); }, errore);
    if (!errore.isEmpty())
        return std::nullopt;
    for (const Registro::PercorsoSalvato& p : percorsi)
        if (p.percorso.nome == nome)
            return p;
    errore = percorsi.isEmpty()
        ? Testo::tr("la classe non ha percorsi")
        : Testo::tr("la classe non ha un percorso «%1»; i suoi percorsi sono %2").arg(nome, Elenco(Nomi(percorsi)));
    return std::nullopt;
}

EsitoOperazione AssegnaPercorso(Registro::Deposito& archivio, const QString& nome, Registro::Destinatario a,
                                const QString& chi)
{
    const auto rifiutato = [&](const QString& motivo) {
        return EsitoOperazione{false, Testo::tr("Il percorso «%1» non è stato assegnato: %2").arg(nome, motivo)};
    };
    QString errore;
    const std::optional<Registro::PercorsoSalvato> percorso = TrovaPercorso(archivio, nome, errore);
    if (!percorso)
        return rifiutato(errore);
    qint64 id = 0;
    QString fatto;
    switch (a) {
    case Registro::Destinatario::Classe:
        fatto = Testo::tr("Percorso «%1» assegnato a tutta la classe.").arg(nome);
        break;
    case Registro::Destinatario::Gruppo:
        if (const std::optional<Registro::Gruppo> gruppo = TrovaGruppo(archivio, chi, errore))
            id = gruppo->id;
        fatto = Testo::tr("Percorso «%1» assegnato al gruppo «%2».").arg(nome, chi);
        break;
    case Registro::Destinatario::Bambino:
        if (const std::optional<Registro::Bambino> bambino = TrovaBambino(archivio, chi, errore))
            id = bambino->id;
        fatto = Testo::tr("Percorso «%1» assegnato a «%2».").arg(nome, chi);
        break;
    }
    if (!errore.isEmpty())
        return rifiutato(errore);
    if (!archivio.assegnaPercorso(a, id, percorso->id))
        return rifiutato(archivio.ultimoErrore());
    return {true, fatto};
}

EsitoOperazione EsportaAvanzamento(const Registro::Deposito& archivio, const QString& file)
{
    archivio.nuovaLettura();
    const QList<Registro::Bambino> bambini = archivio.bambini();
    const QList<Registro::AvanzamentoBambino> avanzamenti = archivio.avanzamenti();
    if (const QString errore = archivio.erroreLettura(); !errore.isEmpty())
        return {false, Testo::tr("L'avanzamento non è stato esportato: %1").arg(errore)};
    if (const QString errore = ScriviPrivato(file, Registro::EsportaAvanzamentoCsv(bambini, avanzamenti));
        !errore.isEmpty())
        return {false, errore};
    if (avanzamenti.isEmpty())
        return {true, Testo::tr("Nessun bambino della classe ha un percorso: nel file %1 c'è solo l'intestazione.")
                          .arg(NomeFile(file))};
    return {true,
            Testo::conta("Avanzamento di %n bambini esportato nel file %1.", "", int(avanzamenti.size())).arg(NomeFile(file))};
}

} // namespace Insegnanti
