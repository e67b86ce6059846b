#include "registro/ArchivioServer.h"
#include "registro/ArchivioServerDati.h"

#include "registro/Archivio.h"
#include "registro/Codici.h"
#include "registro/Giochi.h"
#include "registro/Schema.h"
#include "registro/Server.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTimeZone>

#include <algorithm>
#include <limits>

namespace Registro {

namespace {

// A time as milliseconds since the epoch, exact, whatever the session's
// time zone.
const QString Millisecondi = QStringLiteral("(extract(epoch FROM quando) * 1000)::bigint");
const QString NelPeriodo = QStringLiteral("quando >= CAST(? AS timestamptz) AND quando < CAST(? AS timestamptz)");
using CodiceSql::Doppione;

} // namespace

ArchivioServer::ArchivioServer() : d(std::make_unique<Dati>())
{
    d->registro = this;
}

ArchivioServer::~ArchivioServer()
{
    if (d->connessione.isEmpty())
        return;
    d->db().close();
    QSqlDatabase::removeDatabase(d->connessione);
}

Accesso ArchivioServer::apri(const Impostazioni& imp, int secondi)
{
    static QAtomicInteger<quint64> contatore;
    if (d->connessione.isEmpty())
        d->connessione = QStringLiteral("tesselo-registro-server-%1").arg(contatore.fetchAndAddRelaxed(1));
    d->nome = QStringLiteral("%1%2, database %3")
                  .arg(imp.host.isEmpty() ? QStringLiteral("localhost") : imp.host,
                       imp.porta == Impostazioni().porta ? QString() : QStringLiteral(":%1").arg(imp.porta),
                       imp.database);
    int versione = -1;
    const Accesso esito = Server::Apri(imp, imp.utentePerInsegnanti(), d->connessione, secondi, d->errore, versione);
    d->aperto = esito == Accesso::Ok;
    if (d->aperto)
        scegliSeUnica();
    return esito;
}

QString ArchivioServer::descrizione() const
{
    return QCoreApplication::translate("Registro", "Registro sul server %1").arg(d->nome);
}
bool ArchivioServer::aperto() const { return d->aperto; }
QString ArchivioServer::ultimoErrore() const { return d->errore; }

QList<Classe> ArchivioServer::classi() const
{
    QList<Classe> elenco;
    if (!d->aperto)
        return elenco;
    // Only the classes granted to this login come back: the server's own
    // row-level security decides.
    QSqlQuery q = d->prepara(QStringLiteral("SELECT uuid::text, nome, anno_scolastico, leggi_domande FROM tesselo.classi"));
    if (!d->leggi(q))
        return elenco;
    while (q.next())
        elenco << d->classe(q);
    OrdinaClassi(elenco);
    return elenco;
}

std::optional<Classe> ArchivioServer::salvaClasse(const Classe& classe)
{
    if (!d->aperto) {
        d->errore = QStringLiteral("il registro sul server non è aperto");
        return std::nullopt;
    }
    if (const QString perche = ControllaClasse(classe); !perche.isEmpty()) {
        d->errore = perche;
        return std::nullopt;
    }
    Classe c = classe;
    c.nome = NomePulito(c.nome);
    const bool nuova = c.id == 0;
    if (!nuova && d->classi.testo(c.id).isEmpty()) {
        d->errore = QStringLiteral("la classe non è nel registro");
        return std::nullopt;
    }
    // A new class is the management's to create; its settings are then a
    // teacher's to change, as the class's.
    QSqlQuery q = d->prepara(nuova ? QStringLiteral("SELECT tesselo.crea_classe(?, ?)::text")
                                   : QStringLiteral("UPDATE tesselo.classi SET nome = ?, anno_scolastico = ?"
                                                    " WHERE uuid = CAST(? AS uuid)"));
    q.addBindValue(c.nome);
    q.addBindValue(c.annoScolastico);
    if (!nuova)
        q.addBindValue(d->classi.testo(c.id));
    if (!inizia())
        return std::nullopt;
    if (!d->eseguiDirigenza(q, QStringLiteral("impossibile salvare la classe"),
                            nuova ? QStringLiteral("creare una classe") : QStringLiteral("cambiare questa classe"))) {
        if (q.lastError().nativeErrorCode() == Doppione)
            d->errore = QStringLiteral("c'è già una classe %1").arg(NomeConAnno(c));
        annulla();
        return std::nullopt;
    }
    if (nuova) {
        c.uuid = q.next() ? QUuid(q.value(0).toString()) : QUuid();
        c.id = d->classi.id(c.uuid);
    } else if (q.numRowsAffected() != 1) {
        d->errore = QStringLiteral("la classe non è tra quelle di questo utente");
        annulla();
        return std::nullopt;
    } else {
        c.uuid = d->classi.uuids.value(c.id);
    }
    QSqlQuery impostazioni = d->prepara(QStringLiteral("UPDATE tesselo.classi SET leggi_domande = ?"
                                                       " WHERE uuid = CAST(? AS uuid) AND leggi_domande IS DISTINCT FROM ?"));
    impostazioni.addBindValue(c.leggiDomande);
    impostazioni.addBindValue(Server::Testo(c.uuid));
    impostazioni.addBindValue(c.leggiDomande);
    if (!d->scrivi(impostazioni)) {
        annulla();
        return std::nullopt;
    }
    return concludi() ? std::optional(c) : std::nullopt;
}

bool ArchivioServer::rimuoviClasse(qint64 id)
{
    const QString classe = d->aperto ? d->classi.testo(id) : QString();
    if (classe.isEmpty()) {
        d->errore = QStringLiteral("la classe non è nel registro");
        return false;
    }
    QSqlQuery q = d->prepara(QStringLiteral(
        "SELECT EXISTS (SELECT FROM tesselo.bambini WHERE classe = CAST(? AS uuid))"
        " OR EXISTS (SELECT FROM tesselo.risposte WHERE classe = CAST(? AS uuid))"));
    q.addBindValue(classe);
    q.addBindValue(classe);
    if (!d->leggi(q) || !q.next())
        return false;
    if (q.value(0).toBool()) {
        d->errore = QStringLiteral("la classe ha bambini o risposte: non viene tolta");
        return false;
    }
    QSqlQuery togli = d->prepara(QStringLiteral("DELETE FROM tesselo.classi WHERE uuid = CAST(? AS uuid)"));
    togli.addBindValue(classe);
    if (!d->eseguiDirigenza(togli, QStringLiteral("impossibile togliere la classe"), QStringLiteral("togliere una classe")))
        return false;
    if (togli.numRowsAffected() != 1) {
        d->errore = QStringLiteral("la classe non è tra quelle di questo utente");
        return false;
    }
    if (classeId == id)
        classeId = 0;
    return true;
}

bool ArchivioServer::nuovoAnno(const QList<Classe>& classi)
{
    if (!d->aperto) {
        d->errore = QStringLiteral("il registro sul server non è aperto");
        return false;
    }
    for (const Classe& c : classi) {
        if (const QString perche = ControllaClasse(c); !perche.isEmpty()) {
            d->errore = perche;
            return false;
        }
        if (d->classi.testo(c.id).isEmpty()) {
            d->errore = QStringLiteral("la classe non è nel registro");
            return false;
        }
    }
    if (!inizia())
        return false;
    QSqlQuery q = d->prepara(
        QStringLiteral("UPDATE tesselo.classi SET nome = ?, anno_scolastico = ? WHERE uuid = CAST(? AS uuid)"));
    for (const Classe& c : classi) {
        Classe nuova = c;
        nuova.nome = NomePulito(c.nome);
        q.bindValue(0, nuova.nome);
        q.bindValue(1, nuova.annoScolastico);
        q.bindValue(2, d->classi.testo(c.id));
        const bool fatto = d->eseguiDirigenza(q, QStringLiteral("impossibile passare al nuovo anno"),
                                              QStringLiteral("cambiare questa classe"));
        if (!fatto || q.numRowsAffected() != 1) {
            if (!fatto && q.lastError().nativeErrorCode() == Doppione)
                d->errore = QStringLiteral("c'è già una classe %1").arg(NomeConAnno(nuova));
            else if (fatto)
                d->errore = QStringLiteral("la classe non è tra quelle di questo utente");
            annulla();
            return false;
        }
    }
    return concludi();
}

bool ArchivioServer::spostaBambino(qint64 bambino, qint64 classe)
{
    const QString chi = d->aperto ? d->uuid(bambino) : QString();
    const QString dove = d->aperto ? d->classi.testo(classe) : QString();
    if (chi.isEmpty() || dove.isEmpty()) {
        d->errore = chi.isEmpty() ? QStringLiteral("il bambino non è nel registro") : QStringLiteral("la classe non è nel registro");
        return false;
    }
    // One statement: the server moves the child's answers with them.
    QSqlQuery q = d->prepara(QStringLiteral("UPDATE tesselo.bambini SET classe = CAST(? AS uuid) WHERE uuid = CAST(? AS uuid)"));
    q.addBindValue(dove);
    q.addBindValue(chi);
    if (!d->scrivi(q) || q.numRowsAffected() != 1) {
        if (q.lastError().nativeErrorCode() == Doppione)
            d->errore = QStringLiteral("il contrassegno del bambino è già di un altro bambino di quella classe");
        else if (!q.lastError().isValid())
            d->errore = QStringLiteral("il bambino non è tra quelli di questo utente");
        return false;
    }
    return true;
}

bool ArchivioServer::dirigenza() const
{
    if (!d->aperto)
        return false;
    QSqlQuery q = d->prepara(QStringLiteral(
        "SELECT EXISTS (SELECT FROM pg_roles WHERE rolname = 'tesselo_dirigenza')"
        " AND pg_has_role(session_user, 'tesselo_dirigenza', 'MEMBER')"));
    return d->leggi(q) && q.next() && q.value(0).toBool();
}

std::optional<QList<Assegnazione>> ArchivioServer::assegnazioni() const
{
    // Only the management may read the grants: a teacher's login is not
    // asked, so that her views never count a refused reading.
    if (!d->aperto || !dirigenza())
        return std::nullopt;
    QList<Assegnazione> elenco;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT classe::text, utente::text FROM tesselo.classi_utenti"
                                            " ORDER BY classe, utente"));
    if (!d->leggi(q))
        return std::nullopt;
    while (q.next())
        elenco.append({d->classi.id(QUuid(q.value(0).toString())), q.value(1).toString()});
    return elenco;
}

bool ArchivioServer::assegnaClasse(qint64 classe, const QString& utente)
{
    return concessione(QStringLiteral("assegna_classe"), classe, utente);
}

bool ArchivioServer::togliClasse(qint64 classe, const QString& utente)
{
    return concessione(QStringLiteral("togli_classe"), classe, utente);
}

bool ArchivioServer::concessione(const QString& funzione, qint64 classe, const QString& utente)
{
    if (!d->aperto || d->classi.testo(classe).isEmpty()) {
        d->errore = QStringLiteral("la classe non è nel registro");
        return false;
    }
    // The server's functions name a class as the technician does: by its
    // name, the latest year's when several years share it.
    const QList<Classe> tutte = classi();
    const auto c = std::find_if(tutte.cbegin(), tutte.cend(), [&](const Classe& x) { return x.id == classe; });
    const std::optional<Classe> perNome = c == tutte.cend() ? std::nullopt : TrovaClasse(tutte, c->nome);
    if (!perNome || perNome->id != classe) {
        d->errore = c == tutte.cend() ? QStringLiteral("la classe non è tra quelle di questo utente")
                                      : QStringLiteral("la classe %1 ha il nome di una classe di un anno più recente:"
                                                       " si assegna solo quella").arg(NomeConAnno(*c));
        return false;
    }
    QSqlQuery q = d->prepara(QStringLiteral("SELECT tesselo.%1(?, CAST(? AS name))").arg(funzione));
    q.addBindValue(c->nome);
    q.addBindValue(utente);
    return d->eseguiDirigenza(q, QStringLiteral("impossibile cambiare a chi è assegnata la classe"),
                              QStringLiteral("assegnare le classi"));
}

QList<Bambino> ArchivioServer::bambini() const
{
    QList<Bambino> elenco;
    const QString classe = d->aperto ? d->scelta() : QString();
    if (classe.isEmpty())
        return elenco;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT %1 FROM tesselo.bambini WHERE classe = CAST(? AS uuid)")
                                 .arg(Dati::Bambini));
    q.addBindValue(classe);
    if (!d->leggi(q))
        return elenco;
    while (q.next())
        elenco << d->bambino(q);
    Ordina(elenco);
    return elenco;
}

std::optional<Bambino> ArchivioServer::bambino(qint64 id) const
{
    if (!d->aperto || d->uuid(id).isEmpty() || d->scelta().isEmpty())
        return std::nullopt;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT %1 FROM tesselo.bambini"
                                            " WHERE uuid = CAST(? AS uuid) AND classe = CAST(? AS uuid)")
                                 .arg(Dati::Bambini));
    q.addBindValue(d->uuid(id));
    q.addBindValue(d->scelta());
    if (!d->leggi(q) || !q.next())
        return std::nullopt;
    return d->bambino(q);
}

std::optional<Bambino> ArchivioServer::salva(const Bambino& bambino)
{
    const std::optional<Bambino> valido = daSalvare(bambino, d->errore);
    if (!valido)
        return std::nullopt;
    const QString classe = d->sceltaPerScrivere();
    if (classe.isEmpty())
        return std::nullopt;
    Bambino b = *valido;
    if (b.id != 0 && d->uuid(b.id).isEmpty()) {
        d->errore = QStringLiteral("il bambino non è nella classe");
        return std::nullopt;
    }
    // A child's uuid never changes on the server: an update keeps it.
    b.uuid = b.id != 0 ? d->figli.uuids.value(b.id) : b.uuid.isNull() ? QUuid::createUuid() : b.uuid;
    if (b.cognome.isNull())
        b.cognome = QStringLiteral("");
    const QString gruppo = d->gruppi.testo(b.gruppo);
    if (b.gruppo != 0 && gruppo.isEmpty()) {
        d->errore = QStringLiteral("il gruppo non è nella classe");
        return std::nullopt;
    }
    QSqlQuery q = d->prepara(
        b.id == 0 ? QStringLiteral("INSERT INTO tesselo.bambini (nome, cognome, simbolo, gruppo, uuid, classe)"
                                   " VALUES (?, ?, ?, CAST(? AS uuid), CAST(? AS uuid), CAST(? AS uuid))")
                  : QStringLiteral("UPDATE tesselo.bambini SET nome = ?, cognome = ?, simbolo = ?, gruppo = CAST(? AS uuid)"
                                   " WHERE uuid = CAST(? AS uuid) AND classe = CAST(? AS uuid)"));
    q.addBindValue(b.nome);
    q.addBindValue(b.cognome);
    q.addBindValue(b.simbolo);
    q.addBindValue(gruppo.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(gruppo));
    q.addBindValue(Server::Testo(b.uuid));
    q.addBindValue(classe);
    if (!d->esegui(q, QStringLiteral("impossibile salvare il bambino"))) {
        const QString codice = q.lastError().nativeErrorCode();
        if (codice == Doppione)
            d->errore = QStringLiteral("il contrassegno \"%1\" è già di un altro bambino").arg(b.simbolo);
        else if (codice == CodiceSql::SenzaRiferimento)
            d->errore = QStringLiteral("il gruppo non è nella classe");
        return std::nullopt;
    }
    if (q.numRowsAffected() != 1) {
        d->errore = QStringLiteral("il bambino non è nella classe");
        return std::nullopt;
    }
    b.id = d->id(b.uuid);
    return b;
}

bool ArchivioServer::inizia()
{
    d->inTransazione = d->db().transaction() || (d->riconnessa() && d->db().transaction());
    if (!d->inTransazione)
        d->errore = Server::Motivo(QStringLiteral("impossibile scrivere il registro sul server"), d->db().lastError());
    return d->inTransazione;
}

bool ArchivioServer::concludi()
{
    d->inTransazione = false;
    if (d->db().commit())
        return true;
    d->errore = Server::Motivo(QStringLiteral("impossibile scrivere il registro sul server"), d->db().lastError());
    d->db().rollback();
    return false;
}

void ArchivioServer::annulla()
{
    d->inTransazione = false;
    d->db().rollback();
}

int ArchivioServer::risposteDi(qint64 bambino) const
{
    if (!d->aperto || !d->noto(bambino))
        return 0;
    if (d->scelta().isEmpty())
        return 0;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT count(*) FROM tesselo.risposte WHERE classe = CAST(? AS uuid) AND ")
                             + Dati::Chi(bambino));
    q.addBindValue(d->scelta());
    d->scelto(q, bambino);
    return d->leggi(q) && q.next() ? q.value(0).toInt() : 0;
}

bool ArchivioServer::rimuovi(qint64 bambino)
{
    if (!d->aperto || d->uuid(bambino).isEmpty() || d->sceltaPerScrivere().isEmpty())
        return false;
    // The child's answers go with them (ON DELETE CASCADE).
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM tesselo.bambini WHERE uuid = CAST(? AS uuid)"
                                            " AND classe = CAST(? AS uuid)"));
    q.addBindValue(d->uuid(bambino));
    q.addBindValue(d->scelta());
    return d->esegui(q, QStringLiteral("impossibile cancellare il bambino")) && q.numRowsAffected() == 1;
}

Accesso ArchivioServer::registraTutte(const QList<std::pair<Risposta, qint64>>& risposte)
{
    if (!d->aperto)
        return Accesso::NonRaggiungibile;
    // Every answer goes to the chosen class: a guest's, and a child's, whose
    // class it is.
    const QString classe = d->sceltaPerScrivere();
    if (classe.isEmpty() || !inizia())
        return Accesso::NonScrivibile;
    QSqlQuery q = d->prepara(Server::InserisciRisposta());
    for (const auto& [r, bambino] : risposte) {
        if (bambino != 0 && d->uuid(bambino).isEmpty()) {
            d->errore = QStringLiteral("il bambino %1 non è nella classe").arg(bambino);
            annulla();
            return Accesso::NonScrivibile;
        }
        Risposta conId = r;
        if (conId.id.isNull())
            conId.id = QUuid::createUuid();
        Server::Lega(q, conId, d->uuid(bambino), classe);
        if (!d->scrivi(q)) {
            annulla();
            return Accesso::NonScrivibile;
        }
    }
    return concludi() ? Accesso::Ok : Accesso::NonScrivibile;
}

QString ArchivioServer::Momento(qint64 ms)
{
    if (ms == std::numeric_limits<qint64>::min())
        return QStringLiteral("-infinity");
    if (ms == std::numeric_limits<qint64>::max())
        return QStringLiteral("infinity");
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs);
}

void ArchivioServer::scorriRisposte(const Periodo& periodo,
                                    const std::function<void(const Risposta&, qint64)>& ciascuna) const
{
    if (!d->aperto || d->scelta().isEmpty())
        return;
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(QStringLiteral("SELECT uuid::text, %1, bambino::text, gioco, domande::text, blocchi::text,"
                                            " risposta, esatta, millisecondi, percorso::text, passo, tentativo FROM tesselo.risposte"
                                            " WHERE classe = CAST(? AS uuid) AND %2 ORDER BY quando, uuid")
                                 .arg(Millisecondi, NelPeriodo));
    q.addBindValue(d->scelta());
    q.addBindValue(Momento(dal));
    q.addBindValue(Momento(al));
    if (!d->leggi(q))
        return;
    while (q.next()) {
        Risposta r;
        r.id = QUuid(q.value(0).toString());
        r.quando = QDateTime::fromMSecsSinceEpoch(q.value(1).toLongLong());
        r.schermo = q.value(3).toString();
        r.gioco = DidascaliaGioco(r.schermo);
        r.domande = Server::Domande(q.value(4).toString());
        r.blocchi = Server::Blocchi(q.value(5).toString());
        r.risposta = q.value(6).toString();
        r.esatta = q.value(7).toBool();
        r.millisecondi = q.value(8).toLongLong();
        r.percorso = QUuid(q.value(9).toString());
        r.passo = r.percorso.isNull() ? 0 : q.value(10).toInt();
        r.tentativo = std::clamp(q.value(11).toInt(), 1, int(Risposta::MassimoTentativo));
        ciascuna(r, q.value(2).isNull() ? 0 : d->id(QUuid(q.value(2).toString())));
    }
}

int ArchivioServer::cancellaRisposteDi(qint64 bambino)
{
    if (!d->aperto || d->uuid(bambino).isEmpty() || d->sceltaPerScrivere().isEmpty())
        return 0;
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM tesselo.risposte WHERE bambino = CAST(? AS uuid)"
                                            " AND classe = CAST(? AS uuid)"));
    q.addBindValue(d->uuid(bambino));
    q.addBindValue(d->scelta());
    return d->esegui(q, QStringLiteral("impossibile cancellare le risposte")) ? q.numRowsAffected() : 0;
}

int ArchivioServer::cancellaPrimaDi(const QDate& giorno)
{
    if (!d->aperto || !giorno.isValid() || d->sceltaPerScrivere().isEmpty())
        return 0;
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM tesselo.risposte WHERE classe = CAST(? AS uuid)"
                                            " AND quando < CAST(? AS timestamptz)"));
    q.addBindValue(d->scelta());
    q.addBindValue(Momento(giorno.startOfDay().toMSecsSinceEpoch()));
    return d->esegui(q, QStringLiteral("impossibile cancellare le risposte")) ? q.numRowsAffected() : 0;
}

QString ArchivioServer::QueryClasse()
{
    // The server's own statement of a class at a glance, run with this
    // login's rights: a class not granted has no rows.
    return QStringLiteral("SELECT bambino::text, gioco, esatte, risposte, riprove FROM tesselo.sintesi_classe("
                          "CAST(? AS uuid), CAST(? AS timestamptz), CAST(? AS timestamptz))");
}

QList<RigaClasse> ArchivioServer::classe(const Periodo& periodo) const
{
    if (!d->aperto || d->scelta().isEmpty())
        return {};
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(QueryClasse());
    q.addBindValue(d->scelta());
    q.addBindValue(Momento(dal));
    q.addBindValue(Momento(al));
    if (!d->leggi(q))
        return {};
    QHash<qint64, QList<Conto>> conti;
    while (q.next()) {
        const QVariant gioco = Codici::Gioco(q.value(1).toString());
        if (gioco.typeId() == QMetaType::QString)
            continue;  // a game this version does not know
        const qint64 bambino = q.value(0).isNull() ? 0 : d->id(QUuid(q.value(0).toString()));
        ContaGioco(conti, bambino, gioco.toInt(), q.value(2).toInt(), q.value(3).toInt(), q.value(4).toInt());
    }
    return ComponiClasse(bambini(), conti);
}

SchedaBambino ArchivioServer::scheda(qint64 bambino, const Periodo& periodo) const
{
    if (!d->aperto || !d->noto(bambino) || d->scelta().isEmpty())
        return {};
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(QStringLiteral("SELECT %1, gioco, domande::text, blocchi::text, esatta, tentativo, risposta,"
                                            " millisecondi FROM tesselo.risposte"
                                            " WHERE classe = CAST(? AS uuid) AND %2 AND %3 ORDER BY quando, uuid")
                                 .arg(Millisecondi, Dati::Chi(bambino), NelPeriodo));
    q.addBindValue(d->scelta());
    d->scelto(q, bambino);
    q.addBindValue(Momento(dal));
    q.addBindValue(Momento(al));
    if (!d->leggi(q))
        return {};
    return LeggiScheda(q, {[](const QVariant& v) { return v.toString(); },
                           [](const QVariant& v) { return Server::Domande(v.toString()); },
                           [](const QVariant& v) { return Server::Blocchi(v.toString()); },
                           [](const QVariant& v) { return v.toString(); }});
}

std::optional<int> ArchivioServer::unisci(const QString& altroFile, const ChiediIdentita& chiedi)
{
    if (!d->aperto) {
        d->errore = QStringLiteral("il registro sul server non è aperto");
        return std::nullopt;
    }
    // The file's children and answers go into the chosen class.
    const QString classe = d->sceltaPerScrivere();
    if (classe.isEmpty())
        return std::nullopt;
    QSqlQuery q = d->prepara(Server::InserisciRisposta());
    return unisciCon(altroFile, chiedi, d->errore, [&](const QSqlQuery& riga, qint64 nostro, int& aggiunte) {
        // The file's rows hold the path, step and attempt from the tenth
        // column on.
        Server::Lega(q, LeggiRisposta(riga, 0, 9), d->uuid(nostro), classe);
        if (!d->scrivi(q))
            return false;
        aggiunte += q.numRowsAffected();
        return true;
    }, [this](const QList<PercorsoSalvato>& suoi) { return aggiungiPercorsi(suoi); });
}

std::optional<QList<Computer>> ArchivioServer::computer() const
{
    if (!d->aperto)
        return std::nullopt;
    QList<Computer> elenco;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT nome, coda, (extract(epoch FROM ultimo_contatto) * 1000)::bigint"
                                            " FROM tesselo.computer ORDER BY coda > 0 DESC, lower(nome), nome"));
    if (!d->leggi(q))
        return elenco;
    while (q.next())
        elenco.append({q.value(0).toString(), q.value(1).toInt(), QDateTime::fromMSecsSinceEpoch(q.value(2).toLongLong())});
    return elenco;
}

} // namespace Registro
