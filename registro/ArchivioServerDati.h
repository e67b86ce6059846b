#pragma once
// What the two files of ArchivioServer share: its connection, its helpers
// and the integer ids it gives the server's uuids.
#include "registro/ArchivioServer.h"
#include "registro/Server.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace Registro {

// PostgreSQL's codes for a unique key refused, for a privilege this login
// lacks (a table, a function, a row of a class not granted), and for a key
// that refers to nothing (a group or a path of another class).
namespace CodiceSql {
inline const QString Doppione = QStringLiteral("23505");
inline const QString NonConcesso = QStringLiteral("42501");
inline const QString SenzaRiferimento = QStringLiteral("23503");
} // namespace CodiceSql

// Integer ids given to the server's uuids (of children, or of classes), both
// ways, the same for as long as the register is open.
struct Numeri {
    QHash<QUuid, qint64> ids;
    QHash<qint64, QUuid> uuids;

    qint64 id(const QUuid& uuid)
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
    // As the server's statements take it: empty for 0 or an id never given.
    QString testo(qint64 id) const { return id > 0 && uuids.contains(id) ? Server::Testo(uuids.value(id)) : QString(); }
};

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
    // The integer ids given to the server's children, classes, groups and
    // learning paths.
    mutable Numeri figli, classi, gruppi, percorsi;

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
    qint64 id(const QUuid& uuid) const { return figli.id(uuid); }
    // The child's uuid as the server's statements take it: empty for a guest
    // or an id never given.
    QString uuid(qint64 id) const { return figli.testo(id); }
    // The chosen class's uuid, as the statements take it; empty when none is
    // chosen.
    QString scelta() const { return classi.testo(registro->classeId); }
    // The chosen class's uuid for a write: empty, with the reason set, when
    // none is chosen.
    QString sceltaPerScrivere() const
    {
        const QString classe = scelta();
        if (classe.isEmpty())
            errore = registro->classeId == 0 ? registro->senzaClasse() : QStringLiteral("la classe non è nel registro");
        return classe;
    }
    // The condition on a child's answers, 0 the guests'; bind with scelto.
    static QString Chi(qint64 id) { return id == 0 ? QStringLiteral("bambino IS NULL") : QStringLiteral("bambino = CAST(? AS uuid)"); }
    void scelto(QSqlQuery& q, qint64 id) const
    {
        if (id != 0)
            q.addBindValue(uuid(id));
    }
    // A guest, or a child who has an id here.
    bool noto(qint64 id) const { return id == 0 || figli.uuids.contains(id); }
    // A class from the columns uuid, nome, anno_scolastico, leggi_domande.
    Classe classe(const QSqlQuery& q) const
    {
        const QUuid u(q.value(0).toString());
        return {classi.id(u), u, q.value(1).toString(), q.value(2).toString(), q.value(3).toBool()};
    }
    // The server's refusal of what only the school's management may do, in
    // one line; any other failure with the server's words.
    bool eseguiDirigenza(QSqlQuery& q, const QString& cosa, const QString& soloDirigenza) const
    {
        if (esegui(q, cosa))
            return true;
        if (q.lastError().nativeErrorCode() == CodiceSql::NonConcesso)
            errore = QStringLiteral("solo la dirigenza della scuola può %1").arg(soloDirigenza);
        return false;
    }
    // A child from the columns of Bambini.
    Bambino bambino(const QSqlQuery& q) const
    {
        const QUuid u(q.value(0).toString());
        return {id(u), u, NomePulito(q.value(1).toString()), NomePulito(q.value(2).toString()), q.value(3).toString(),
                gruppi.id(QUuid(q.value(4).toString()))};
    }
    static inline const QString Bambini = QStringLiteral("uuid::text, nome, cognome, simbolo, gruppo::text");
};

} // namespace Registro
