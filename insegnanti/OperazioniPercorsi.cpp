#include "insegnanti/OperazioniPercorsi.h"

#include "insegnanti/Testo.h"
#include "media/Lingua.h"
#include "percorsi/FilePercorso.h"

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

} // namespace Insegnanti
