#include "insegnanti/OperazioniPercorsi.h"

#include "insegnanti/Testo.h"
#include "percorsi/FilePercorso.h"
#include "registro/FileClasse.h"

#include <QDir>

#include <algorithm>

namespace Insegnanti {

namespace {

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

// "FILE: reason", as the path file's own messages name a file.
QString NelFile(const QString& file, const QString& motivo)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file), motivo);
}

} // namespace

std::optional<Registro::PercorsoSalvato> TrovaPercorso(const Registro::Deposito& archivio, const QString& nome,
                                                       QString& errore)
{
    const QList<Registro::PercorsoSalvato> percorsi
        = LeggiDellaClasse(archivio, [&] { return archivio.percorsi(); }, errore);
    if (!errore.isEmpty())
        return std::nullopt;
    QStringList nomi;
    for (const Registro::PercorsoSalvato& p : percorsi) {
        if (p.percorso.nome == nome)
            return p;
        nomi << p.percorso.nome;
    }
    errore = percorsi.isEmpty()
        ? Testo::tr("la classe non ha percorsi")
        : Testo::tr("la classe non ha un percorso «%1»; i suoi percorsi sono %2").arg(nome, Elenco(nomi));
    return std::nullopt;
}

EsitoOperazione ImportaPercorso(Registro::Deposito& archivio, const QString& file)
{
    const auto rifiutato = [](const QString& motivo) {
        return EsitoOperazione{false, Testo::tr("Il percorso non è stato importato: %1").arg(motivo)};
    };
    const Percorsi::Lettura lettura = Percorsi::LeggiFile(file);
    if (!lettura.percorso)
        return rifiutato(lettura.errore);
    const QString& nome = lettura.percorso->nome;
    QString errore;
    const QList<Registro::PercorsoSalvato> percorsi
        = LeggiDellaClasse(archivio, [&] { return archivio.percorsi(); }, errore);
    if (!errore.isEmpty())
        return rifiutato(errore);
    if (std::any_of(percorsi.cbegin(), percorsi.cend(),
                    [&](const Registro::PercorsoSalvato& p) { return p.percorso.nome == nome; }))
        return rifiutato(NelFile(file, Testo::tr("la classe ha già un percorso «%1»").arg(nome)));
    if (!archivio.salvaPercorso({0, {}, *lettura.percorso}))
        return rifiutato(NelFile(file, archivio.ultimoErrore()));
    return {true, Testo::tr("Percorso «%1» aggiunto alla classe dal file %2.").arg(nome, NomeFile(file))};
}

EsitoOperazione EsportaPercorso(const Registro::Deposito& archivio, const QString& nome, const QString& file)
{
    QString errore;
    const std::optional<Registro::PercorsoSalvato> percorso = TrovaPercorso(archivio, nome, errore);
    if (percorso && Percorsi::ScriviFile(file, percorso->percorso, errore))
        return {true, Testo::tr("Percorso «%1» esportato nel file %2.").arg(nome, NomeFile(file))};
    return {false, Testo::tr("Il percorso «%1» non è stato esportato: %2").arg(nome, errore)};
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
