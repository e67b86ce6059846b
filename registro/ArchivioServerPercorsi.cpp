// A class's groups, learning paths, their assignments and each child's
// progress, on the school's server. Groups and paths are known there by
// their uuid and here by an integer id, as children are. The server's
// keys keep every group and path assigned within its own class, and its
// row-level security keeps them within this login's classes.
#include "registro/ArchivioServer.h"
#include "registro/ArchivioServerDati.h"

#include "percorsi/FilePercorso.h"

namespace Registro {

namespace {

QVariant UuidONulla(const QString& testo)
{
    return testo.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(testo);
}

} // namespace

QList<Gruppo> ArchivioServer::gruppi() const
{
    QList<Gruppo> elenco;
    const QString classe = d->aperto ? d->scelta() : QString();
    if (classe.isEmpty())
        return elenco;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT uuid::text, nome FROM tesselo.gruppi WHERE classe = CAST(? AS uuid)"));
    q.addBindValue(classe);
    if (!d->leggi(q))
        return elenco;
    while (q.next()) {
        const QUuid u(q.value(0).toString());
        elenco.append({d->gruppi.id(u), u, NomePulito(q.value(1).toString())});
    }
    OrdinaGruppi(elenco);
    return elenco;
}

std::optional<Gruppo> ArchivioServer::salvaGruppo(const Gruppo& gruppo)
{
    if (const QString perche = ControllaGruppo(gruppo); !perche.isEmpty()) {
        d->errore = perche;
        return std::nullopt;
    }
    const QString classe = d->aperto ? d->sceltaPerScrivere() : QString();
    if (classe.isEmpty())
        return std::nullopt;
    Gruppo g = gruppo;
    g.nome = NomePulito(g.nome);
    const bool nuovo = g.id == 0;
    if (!nuovo && d->gruppi.testo(g.id).isEmpty()) {
        d->errore = QStringLiteral("il gruppo non è nella classe");
        return std::nullopt;
    }
    g.uuid = nuovo ? (g.uuid.isNull() ? QUuid::createUuid() : g.uuid) : d->gruppi.uuids.value(g.id);
    QSqlQuery q = d->prepara(nuovo ? QStringLiteral("INSERT INTO tesselo.gruppi (nome, uuid, classe)"
                                                    " VALUES (?, CAST(? AS uuid), CAST(? AS uuid))")
                                   : QStringLiteral("UPDATE tesselo.gruppi SET nome = ?"
                                                    " WHERE uuid = CAST(? AS uuid) AND classe = CAST(? AS uuid)"));
    q.addBindValue(g.nome);
    q.addBindValue(Server::Testo(g.uuid));
    q.addBindValue(classe);
    if (!d->scrivi(q)) {
        if (q.lastError().nativeErrorCode() == CodiceSql::Doppione)
            d->errore = QStringLiteral("c'è già un gruppo \"%1\" nella classe").arg(g.nome);
        return std::nullopt;
    }
    if (q.numRowsAffected() != 1) {
        d->errore = QStringLiteral("il gruppo non è nella classe");
        return std::nullopt;
    }
    g.id = d->gruppi.id(g.uuid);
    return g;
}

bool ArchivioServer::rimuoviGruppo(qint64 id)
{
    const QString gruppo = d->aperto ? d->gruppi.testo(id) : QString();
    if (gruppo.isEmpty() || d->sceltaPerScrivere().isEmpty()) {
        if (gruppo.isEmpty())
            d->errore = QStringLiteral("il gruppo non è nella classe");
        return false;
    }
    // Its children are left in no group by the server (ON DELETE SET NULL).
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM tesselo.gruppi WHERE uuid = CAST(? AS uuid) AND classe = CAST(? AS uuid)"));
    q.addBindValue(gruppo);
    q.addBindValue(d->scelta());
    if (!d->scrivi(q))
        return false;
    if (q.numRowsAffected() != 1) {
        d->errore = QStringLiteral("il gruppo non è nella classe");
        return false;
    }
    return true;
}

QList<PercorsoSalvato> ArchivioServer::percorsi() const
{
    QList<PercorsoSalvato> elenco;
    const QString classe = d->aperto ? d->scelta() : QString();
    if (classe.isEmpty())
        return elenco;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT uuid::text, dati::text FROM tesselo.percorsi WHERE classe = CAST(? AS uuid)"));
    q.addBindValue(classe);
    if (!d->leggi(q))
        return elenco;
    while (q.next()) {
        // The server is data from outside too: a path it holds is read as a
        // file is, and one that is not a path is left out, and said.
        const Percorsi::Lettura letto = Percorsi::LeggiTesto(q.value(1).toString().toUtf8());
        if (!letto.percorso) {
            letturaFallita(QStringLiteral("un percorso del registro sul server è illeggibile: %1").arg(letto.errore));
            continue;
        }
        const QUuid u(q.value(0).toString());
        elenco.append({d->percorsi.id(u), u, *letto.percorso});
    }
    OrdinaPercorsi(elenco);
    return elenco;
}

std::optional<PercorsoSalvato> ArchivioServer::salvaPercorso(const PercorsoSalvato& percorso)
{
    PercorsoSalvato p = percorso;
    p.percorso.nome = NomePulito(p.percorso.nome);
    if (const QString perche = Percorsi::ProblemaPercorso(p.percorso); !perche.isEmpty()) {
        d->errore = perche;
        return std::nullopt;
    }
    const QString classe = d->aperto ? d->sceltaPerScrivere() : QString();
    if (classe.isEmpty())
        return std::nullopt;
    const bool nuovo = p.id == 0;
    if (!nuovo && d->percorsi.testo(p.id).isEmpty()) {
        d->errore = QStringLiteral("il percorso non è nella classe");
        return std::nullopt;
    }
    // A path keeps its uuid when changed: the answers given under it still
    // count.
    p.uuid = nuovo ? (p.uuid.isNull() ? QUuid::createUuid() : p.uuid) : d->percorsi.uuids.value(p.id);
    QSqlQuery q = d->prepara(nuovo ? QStringLiteral("INSERT INTO tesselo.percorsi (nome, dati, uuid, classe)"
                                                    " VALUES (?, CAST(? AS jsonb), CAST(? AS uuid), CAST(? AS uuid))")
                                   : QStringLiteral("UPDATE tesselo.percorsi SET nome = ?, dati = CAST(? AS jsonb)"
                                                    " WHERE uuid = CAST(? AS uuid) AND classe = CAST(? AS uuid)"));
    q.addBindValue(p.percorso.nome);
    q.addBindValue(QString::fromUtf8(Percorsi::Testo(p.percorso)));
    q.addBindValue(Server::Testo(p.uuid));
    q.addBindValue(classe);
    if (!d->scrivi(q)) {
        if (q.lastError().nativeErrorCode() == CodiceSql::Doppione)
            d->errore = q.lastError().databaseText().contains(QLatin1String("pkey"))
                ? QStringLiteral("il percorso \"%1\" è già nel registro, in un'altra classe").arg(p.percorso.nome)
                : QStringLiteral("c'è già un percorso \"%1\" nella classe").arg(p.percorso.nome);
        return std::nullopt;
    }
    if (q.numRowsAffected() != 1) {
        d->errore = QStringLiteral("il percorso non è nella classe");
        return std::nullopt;
    }
    p.id = d->percorsi.id(p.uuid);
    return p;
}

bool ArchivioServer::rimuoviPercorso(qint64 id)
{
    const QString percorso = d->aperto ? d->percorsi.testo(id) : QString();
    if (percorso.isEmpty() || d->sceltaPerScrivere().isEmpty()) {
        if (percorso.isEmpty())
            d->errore = QStringLiteral("il percorso non è nella classe");
        return false;
    }
    // Its assignments end on the server (ON DELETE SET NULL); the answers
    // keep its uuid.
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM tesselo.percorsi WHERE uuid = CAST(? AS uuid) AND classe = CAST(? AS uuid)"));
    q.addBindValue(percorso);
    q.addBindValue(d->scelta());
    if (!d->scrivi(q))
        return false;
    if (q.numRowsAffected() != 1) {
        d->errore = QStringLiteral("il percorso non è nella classe");
        return false;
    }
    return true;
}

bool ArchivioServer::assegnaPercorso(Destinatario a, qint64 chi, qint64 percorso)
{
    const QString classe = d->aperto ? d->sceltaPerScrivere() : QString();
    if (classe.isEmpty())
        return false;
    const QString quale = d->percorsi.testo(percorso);
    if (percorso != 0 && quale.isEmpty()) {
        d->errore = QStringLiteral("il percorso non è nella classe");
        return false;
    }
    QString sql, destinatario, nonTrovato;
    switch (a) {
    case Destinatario::Classe:
        sql = QStringLiteral("UPDATE tesselo.classi SET percorso = CAST(? AS uuid) WHERE uuid = CAST(? AS uuid)");
        nonTrovato = QStringLiteral("la classe non è tra quelle di questo utente");
        break;
    case Destinatario::Gruppo:
        sql = QStringLiteral("UPDATE tesselo.gruppi SET percorso = CAST(? AS uuid)"
                             " WHERE uuid = CAST(? AS uuid) AND classe = CAST(? AS uuid)");
        destinatario = d->gruppi.testo(chi);
        nonTrovato = QStringLiteral("il gruppo non è nella classe");
        break;
    case Destinatario::Bambino:
        sql = QStringLiteral("UPDATE tesselo.bambini SET percorso = CAST(? AS uuid)"
                             " WHERE uuid = CAST(? AS uuid) AND classe = CAST(? AS uuid)");
        destinatario = d->uuid(chi);
        nonTrovato = QStringLiteral("il bambino non è nella classe");
        break;
    }
    if (a != Destinatario::Classe && destinatario.isEmpty()) {
        d->errore = nonTrovato;
        return false;
    }
    QSqlQuery q = d->prepara(sql);
    q.addBindValue(UuidONulla(quale));
    if (a == Destinatario::Classe) {
        q.addBindValue(classe);
    } else {
        q.addBindValue(destinatario);
        q.addBindValue(classe);
    }
    if (!d->scrivi(q)) {
        if (q.lastError().nativeErrorCode() == CodiceSql::SenzaRiferimento)
            d->errore = QStringLiteral("il percorso non è nella classe");
        return false;
    }
    if (q.numRowsAffected() != 1) {
        d->errore = nonTrovato;
        return false;
    }
    return true;
}

PercorsiAssegnati ArchivioServer::percorsiAssegnati() const
{
    PercorsiAssegnati assegnati;
    const QString classe = d->aperto ? d->scelta() : QString();
    if (classe.isEmpty())
        return assegnati;
    // The class's own path, then each group's and each child's: one
    // statement, the kind of each row first.
    QSqlQuery q = d->prepara(QStringLiteral(
        "SELECT 0, NULL, percorso::text FROM tesselo.classi WHERE uuid = CAST(? AS uuid) AND percorso IS NOT NULL"
        " UNION ALL SELECT 1, uuid::text, percorso::text FROM tesselo.gruppi"
        " WHERE classe = CAST(? AS uuid) AND percorso IS NOT NULL"
        " UNION ALL SELECT 2, uuid::text, percorso::text FROM tesselo.bambini"
        " WHERE classe = CAST(? AS uuid) AND percorso IS NOT NULL"));
    for (int i = 0; i < 3; ++i)
        q.addBindValue(classe);
    if (!d->leggi(q))
        return assegnati;
    while (q.next()) {
        const qint64 percorso = d->percorsi.id(QUuid(q.value(2).toString()));
        const QUuid chi(q.value(1).toString());
        switch (q.value(0).toInt()) {
        case 0:
            assegnati.classe = percorso;
            break;
        case 1:
            assegnati.gruppi.insert(d->gruppi.id(chi), percorso);
            break;
        default:
            assegnati.bambini.insert(d->id(chi), percorso);
        }
    }
    return assegnati;
}

QList<AvanzamentoBambino> ArchivioServer::avanzamenti() const
{
    QList<AvanzamentoBambino> elenco;
    const QString classe = d->aperto ? d->scelta() : QString();
    if (classe.isEmpty())
        return elenco;
    const QList<Bambino> figli = bambini();
    const PercorsiAssegnati assegnati = percorsiAssegnati();
    QHash<qint64, PercorsoSalvato> perId;
    for (const PercorsoSalvato& p : percorsi())
        perId.insert(p.id, p);
    // Each child's right answers under each step of each path, each answer
    // once: an answer's uuid is unique on the server.
    QSqlQuery q = d->prepara(QStringLiteral(
        "SELECT bambino::text, percorso::text, passo, count(*) FROM tesselo.risposte"
        " WHERE classe = CAST(? AS uuid) AND percorso IS NOT NULL AND bambino IS NOT NULL AND esatta"
        " GROUP BY bambino, percorso, passo"));
    q.addBindValue(classe);
    if (!d->leggi(q))
        return elenco;
    QHash<std::pair<qint64, qint64>, QHash<int, int>> conti;  // (child, path) -> step -> right answers
    while (q.next())
        conti[{d->id(QUuid(q.value(0).toString())), d->percorsi.id(QUuid(q.value(1).toString()))}]
            .insert(q.value(2).toInt(), q.value(3).toInt());
    for (const Bambino& b : figli) {
        const auto p = perId.constFind(PercorsoDi(b.id, b.gruppo, assegnati));
        if (p == perId.cend())
            continue;
        const QHash<int, int> suoi = conti.value({b.id, p->id});
        AvanzamentoBambino a{b.id, *p, {}};
        for (qsizetype passo = 1; passo <= p->percorso.passi.size(); ++passo)
            a.esatte.append(suoi.value(int(passo)));
        elenco.append(a);
    }
    return elenco;
}

} // namespace Registro
