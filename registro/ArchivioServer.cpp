#include "registro/ArchivioServer.h"

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

#include <limits>

namespace Registro {

namespace {

// A time as milliseconds since the epoch, exact, whatever the session's
// time zone.
const QString Millisecondi = QStringLiteral("(extract(epoch FROM quando) * 1000)::bigint");
const QString NelPeriodo = QStringLiteral("quando >= CAST(? AS timestamptz) AND quando < CAST(? AS timestamptz)");
// PostgreSQL's code for a unique key refused.
const QString Doppione = QStringLiteral("23505");

} // namespace

struct ArchivioServer::Dati {
    QString connessione;
    QString nome;  // host and database, for the teacher
    mutable QString errore;
    // The register these are of, told of every read that failed.
    const ArchivioServer* registro = nullptr;
    bool aperto = false;
    bool inTransazione = false;
    // Since the last attempt to connect again that failed: one attempt in
    // Pausa, so that a view's many reads wait for one connection timeout,
    // not for one each.
    mutable QElapsedTimer tentativo;
    static constexpr int Pausa = 10000;
    // The integer ids given to the server's children, both ways.
    mutable QHash<QUuid, qint64> ids;
    mutable QHash<qint64, QUuid> uuids;

    QSqlDatabase db() const { return QSqlDatabase::database(connessione, false); }

    QSqlQuery prepara(const QString& sql) const
    {
        // Closed by a reconnection that failed: tried again first.
        if (aperto && !db().isOpen())
            riconnessa();
        QSqlQuery q(db());
        q.setForwardOnly(true);
        q.prepare(sql);
        return q;
    }
    bool esegui(QSqlQuery& q, const QString& cosa) const
    {
        if (q.exec() || (riconnessa() && ancora(q)))
            return true;
        errore = Server::Motivo(cosa, q.lastError());
        return false;
    }
    // The connection was lost (a server restarted, a network that came
    // back) and is open again. A lost connection never comes back by
    // itself: without this the program would show an empty class until it
    // is started again. Never inside a transaction, whose earlier
    // statements went with the connection.
    bool riconnessa() const
    {
        if (inTransazione || (tentativo.isValid() && !tentativo.hasExpired(Pausa))
            || (db().isOpen() && QSqlQuery(db()).exec(QStringLiteral("SELECT 1"))))
            return false;
        QSqlDatabase c = db();
        c.close();
        if (c.open()) {
            tentativo.invalidate();
            return true;
        }
        tentativo.start();
        return false;
    }
    // The statement of q prepared and run again on the new connection.
    bool ancora(QSqlQuery& q) const
    {
        QSqlQuery di_nuovo = prepara(q.lastQuery());
        for (const QVariant& v : q.boundValues())
            di_nuovo.addBindValue(v);
        const bool fatto = di_nuovo.exec();
        q = std::move(di_nuovo);
        return fatto;
    }
    bool leggi(QSqlQuery& q) const
    {
        const bool fatto = esegui(q, QStringLiteral("impossibile leggere il registro sul server"));
        if (!fatto)
            registro->letturaFallita(errore);
        return fatto;
    }
    bool scrivi(QSqlQuery& q) const { return esegui(q, QStringLiteral("impossibile scrivere il registro sul server")); }
    qint64 id(const QUuid& uuid) const
    {
        if (uuid.isNull())
            return 0;
        auto i = ids.constFind(uuid);
        if (i != ids.cend())
            return *i;
        const qint64 nuovo = ids.size() + 1;
        ids.insert(uuid, nuovo);
        uuids.insert(nuovo, uuid);
        return nuovo;
    }
    // The child's uuid as the server's statements take it: empty for a guest
    // or an id never given.
    QString uuid(qint64 id) const { return id > 0 && uuids.contains(id) ? Server::Testo(uuids.value(id)) : QString(); }
    // The condition on a child's answers, 0 the guests'; bind with scelto.
    static QString Chi(qint64 id) { return id == 0 ? QStringLiteral("bambino IS NULL") : QStringLiteral("bambino = CAST(? AS uuid)"); }
    void scelto(QSqlQuery& q, qint64 id) const
    {
        if (id != 0)
            q.addBindValue(uuid(id));
    }
    // A guest, or a child who has an id here.
    bool noto(qint64 id) const { return id == 0 || uuids.contains(id); }
    Bambino bambino(const QSqlQuery& q) const
    {
        const QUuid u(q.value(0).toString());
        return {id(u), u, NomePulito(q.value(1).toString()), NomePulito(q.value(2).toString()), q.value(3).toString()};
    }
};

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

// Until the server keeps classes, its register is the one class every
// register had before classes: the children and answers it holds.
QList<Classe> ArchivioServer::classi() const
{
    if (!d->aperto)
        return {};
    return {Classe{1, UuidClassePredefinita(), QString::fromUtf8(NomeClassePredefinito()),
                   AnnoScolasticoDi(QDate::currentDate())}};
}

namespace {

const char* const SenzaClassi = "le classi del server non si possono ancora cambiare da questo programma";

} // namespace

std::optional<Classe> ArchivioServer::salvaClasse(const Classe&)
{
    d->errore = QString::fromUtf8(SenzaClassi);
    return std::nullopt;
}

bool ArchivioServer::rimuoviClasse(qint64)
{
    d->errore = QString::fromUtf8(SenzaClassi);
    return false;
}

bool ArchivioServer::nuovoAnno(const QList<Classe>&)
{
    d->errore = QString::fromUtf8(SenzaClassi);
    return false;
}

bool ArchivioServer::spostaBambino(qint64, qint64)
{
    d->errore = QString::fromUtf8(SenzaClassi);
    return false;
}

QString ArchivioServer::descrizione() const
{
    return QCoreApplication::translate("Registro", "Registro sul server %1").arg(d->nome);
}
bool ArchivioServer::aperto() const { return d->aperto; }
QString ArchivioServer::ultimoErrore() const { return d->errore; }

QList<Bambino> ArchivioServer::bambini() const
{
    QList<Bambino> elenco;
    if (!d->aperto)
        return elenco;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT uuid::text, nome, cognome, simbolo FROM tesselo.bambini"));
    if (!d->leggi(q))
        return elenco;
    while (q.next())
        elenco << d->bambino(q);
    Ordina(elenco);
    return elenco;
}

std::optional<Bambino> ArchivioServer::bambino(qint64 id) const
{
    if (!d->aperto || d->uuid(id).isEmpty())
        return std::nullopt;
    QSqlQuery q = d->prepara(
        QStringLiteral("SELECT uuid::text, nome, cognome, simbolo FROM tesselo.bambini WHERE uuid = CAST(? AS uuid)"));
    q.addBindValue(d->uuid(id));
    if (!d->leggi(q) || !q.next())
        return std::nullopt;
    return d->bambino(q);
}

std::optional<Bambino> ArchivioServer::salva(const Bambino& bambino)
{
    const std::optional<Bambino> valido = daSalvare(bambino, d->errore);
    if (!valido)
        return std::nullopt;
    Bambino b = *valido;
    if (b.id != 0 && d->uuid(b.id).isEmpty()) {
        d->errore = QStringLiteral("il bambino non è nella classe");
        return std::nullopt;
    }
    // A child's uuid never changes on the server: an update keeps it.
    b.uuid = b.id != 0 ? d->uuids.value(b.id) : b.uuid.isNull() ? QUuid::createUuid() : b.uuid;
    if (b.cognome.isNull())
        b.cognome = QStringLiteral("");
    QSqlQuery q = d->prepara(
        b.id == 0 ? QStringLiteral("INSERT INTO tesselo.bambini (nome, cognome, simbolo, uuid) VALUES (?, ?, ?, CAST(? AS uuid))")
                  : QStringLiteral("UPDATE tesselo.bambini SET nome = ?, cognome = ?, simbolo = ? WHERE uuid = CAST(? AS uuid)"));
    q.addBindValue(b.nome);
    q.addBindValue(b.cognome);
    q.addBindValue(b.simbolo);
    q.addBindValue(Server::Testo(b.uuid));
    if (!d->esegui(q, QStringLiteral("impossibile salvare il bambino"))) {
        if (q.lastError().nativeErrorCode() == Doppione)
            d->errore = QStringLiteral("il contrassegno \"%1\" è già di un altro bambino").arg(b.simbolo);
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
    QSqlQuery q = d->prepara(QStringLiteral("SELECT count(*) FROM tesselo.risposte WHERE ") + Dati::Chi(bambino));
    d->scelto(q, bambino);
    return d->leggi(q) && q.next() ? q.value(0).toInt() : 0;
}

bool ArchivioServer::rimuovi(qint64 bambino)
{
    if (!d->aperto || d->uuid(bambino).isEmpty())
        return false;
    // The child's answers go with them (ON DELETE CASCADE).
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM tesselo.bambini WHERE uuid = CAST(? AS uuid)"));
    q.addBindValue(d->uuid(bambino));
    return d->esegui(q, QStringLiteral("impossibile cancellare il bambino")) && q.numRowsAffected() == 1;
}

Accesso ArchivioServer::registraTutte(const QList<std::pair<Risposta, qint64>>& risposte)
{
    if (!d->aperto)
        return Accesso::NonRaggiungibile;
    if (!inizia())
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
        Server::Lega(q, conId, d->uuid(bambino));
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
    if (!d->aperto)
        return;
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(QStringLiteral("SELECT uuid::text, %1, bambino::text, gioco, domande::text, blocchi::text,"
                                            " risposta, esatta, millisecondi FROM tesselo.risposte WHERE %2"
                                            " ORDER BY quando, uuid")
                                 .arg(Millisecondi, NelPeriodo));
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
        ciascuna(r, q.value(2).isNull() ? 0 : d->id(QUuid(q.value(2).toString())));
    }
}

int ArchivioServer::cancellaRisposteDi(qint64 bambino)
{
    if (!d->aperto || d->uuid(bambino).isEmpty())
        return 0;
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM tesselo.risposte WHERE bambino = CAST(? AS uuid)"));
    q.addBindValue(d->uuid(bambino));
    return d->esegui(q, QStringLiteral("impossibile cancellare le risposte")) ? q.numRowsAffected() : 0;
}

int ArchivioServer::cancellaPrimaDi(const QDate& giorno)
{
    if (!d->aperto || !giorno.isValid())
        return 0;
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM tesselo.risposte WHERE quando < CAST(? AS timestamptz)"));
    q.addBindValue(Momento(giorno.startOfDay().toMSecsSinceEpoch()));
    return d->esegui(q, QStringLiteral("impossibile cancellare le risposte")) ? q.numRowsAffected() : 0;
}

QString ArchivioServer::QueryClasse()
{
    return QStringLiteral("SELECT bambino::text, gioco, count(*) FILTER (WHERE esatta), count(*) FROM tesselo.risposte"
                          " WHERE %1 GROUP BY bambino, gioco")
        .arg(NelPeriodo);
}

QList<RigaClasse> ArchivioServer::classe(const Periodo& periodo) const
{
    if (!d->aperto)
        return {};
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(QueryClasse());
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
        ContaGioco(conti, bambino, gioco.toInt(), q.value(2).toInt(), q.value(3).toInt());
    }
    return ComponiClasse(bambini(), conti);
}

SchedaBambino ArchivioServer::scheda(qint64 bambino, const Periodo& periodo) const
{
    if (!d->aperto || !d->noto(bambino))
        return {};
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(QStringLiteral("SELECT %1, gioco, domande::text, blocchi::text, esatta FROM tesselo.risposte"
                                            " WHERE %2 AND %3 ORDER BY quando")
                                 .arg(Millisecondi, Dati::Chi(bambino), NelPeriodo));
    d->scelto(q, bambino);
    q.addBindValue(Momento(dal));
    q.addBindValue(Momento(al));
    if (!d->leggi(q))
        return {};
    return LeggiScheda(q, {[](const QVariant& v) { return v.toString(); },
                           [](const QVariant& v) { return Server::Domande(v.toString()); },
                           [](const QVariant& v) { return Server::Blocchi(v.toString()); }});
}

std::optional<int> ArchivioServer::unisci(const QString& altroFile, const ChiediIdentita& chiedi)
{
    if (!d->aperto) {
        d->errore = QStringLiteral("il registro sul server non è aperto");
        return std::nullopt;
    }
    QSqlQuery q = d->prepara(Server::InserisciRisposta());
    return unisciCon(altroFile, chiedi, d->errore, [&](const QSqlQuery& riga, qint64 nostro, int& aggiunte) {
        Server::Lega(q, LeggiRisposta(riga), d->uuid(nostro));
        if (!d->scrivi(q))
            return false;
        aggiunte += q.numRowsAffected();
        return true;
    });
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
