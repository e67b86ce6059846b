// The SQLite register's groups, learning paths, their assignments and each
// child's progress, and what the sender copies of them from the server.
#include "registro/Archivio.h"
#include "registro/ArchivioDati.h"
#include "registro/Codici.h"

#include "percorsi/FilePercorso.h"

#include <QSet>

namespace Registro {

namespace {

QVariant IdOppureNull(qint64 id)
{
    return id == 0 ? QVariant() : QVariant(id);
}

// A path's row (id, uuid, nome, dati): its text read as a path file is,
// with the row's name; nothing, with the reason, when the register holds
// something else there.
std::optional<PercorsoSalvato> PercorsoDellaRiga(const QSqlQuery& q, QString& motivo)
{
    const QUuid uuid = Codici::Uuid(q.value(1));
    const QString nome = q.value(2).toString();
    Percorsi::Lettura letto = Percorsi::LeggiTesto(q.value(3).toByteArray());
    if (!uuid.isNull() && letto.percorso && letto.percorso->nome == nome)
        return PercorsoSalvato{q.value(0).toLongLong(), uuid, std::move(*letto.percorso)};
    motivo = QStringLiteral("il percorso %1 del registro non si può leggere%2")
                 .arg(Percorsi::Citato(nome), letto.errore.isEmpty() ? QString() : QStringLiteral(": ") + letto.errore);
    return std::nullopt;
}

// The path's columns, its text read only within the size of a path's file.
QString SelezionePercorsi()
{
    return QStringLiteral("SELECT id, uuid, nome, CASE WHEN length(dati) <= %1 THEN dati END FROM percorsi")
        .arg(Percorsi::MassimoByte);
}

// nome, or the first of "nome (2)", "nome (3)"... that is not taken, cut to
// a path's longest name.
QString NomeLibero(const QString& nome, const QSet<QString>& presi)
{
    QString libero = nome;
    for (int n = 2; presi.contains(libero); ++n) {
        const QString numero = QStringLiteral(" (%1)").arg(n);
        libero = nome.left(Percorso::MassimoNome - numero.size()) + numero;
    }
    return libero;
}

// ---- What the sender copies ----

QSqlQuery Prepara(QSqlDatabase db, const QString& sql)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(sql);
    return q;
}

bool Esegui(QSqlQuery& q, QString& errore)
{
    if (q.exec())
        return true;
    errore = QStringLiteral("impossibile copiare i percorsi della classe: %1").arg(Schema::Motivo(q.lastError()));
    return false;
}

// A group or a path as it is copied: a path's text in dati, null for a
// group.
struct Voce {
    QUuid uuid;
    QString nome;
    QVariant dati;
};

// Adds the entry unless its uuid or name is already among them.
void Aggiungi(QList<Voce>& voci, Voce voce)
{
    if (voce.uuid.isNull() || std::any_of(voci.cbegin(), voci.cend(), [&](const Voce& v) {
            return v.uuid == voce.uuid || v.nome == voce.nome;
        }))
        return;
    voci.append(std::move(voce));
}

QList<Voce> VociGruppi(const QList<Gruppo>& gruppi)
{
    QList<Voce> voci;
    for (Gruppo g : gruppi) {
        g.nome = NomePulito(g.nome);
        if (ControllaGruppo(g).isEmpty())
            Aggiungi(voci, {g.uuid, g.nome, {}});
    }
    return voci;
}

QList<Voce> VociPercorsi(const QList<PercorsoSalvato>& percorsi)
{
    QList<Voce> voci;
    for (const PercorsoSalvato& p : percorsi)
        if (Percorsi::ProblemaPercorso(p.percorso).isEmpty())
            Aggiungi(voci, {p.uuid, p.percorso.nome, QString::fromUtf8(Percorsi::Testo(p.percorso))});
    return voci;
}

// The ids of the class's rows of tabella, by uuid.
std::optional<QHash<QUuid, qint64>> Ids(QSqlDatabase db, const char* tabella, qint64 classe, QString& errore)
{
    QSqlQuery q = Prepara(db, QStringLiteral("SELECT uuid, id FROM %1 WHERE classe = ?").arg(QLatin1String(tabella)));
    q.addBindValue(classe);
    if (!Esegui(q, errore))
        return std::nullopt;
    QHash<QUuid, qint64> ids;
    while (q.next())
        ids.insert(Codici::Uuid(q.value(0)), q.value(1).toLongLong());
    return ids;
}

// The class's rows of tabella (gruppi or percorsi) become exactly voci, by
// uuid: the others go, and a uuid that another class holds here leaves it.
// Every row first takes a name no group or path can have (a NUL is cleaned
// out of every name), so that two may swap names.
bool CopiaVoci(QSqlDatabase db, const char* tabella, qint64 classe, const QList<Voce>& voci, QString& errore)
{
    const QLatin1String t(tabella);
    const auto ids = Ids(db, tabella, classe, errore);
    if (!ids)
        return false;
    QSet<QUuid> dati;
    for (const Voce& v : voci)
        dati.insert(v.uuid);
    QSqlQuery togli = Prepara(db, QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(t));
    for (auto i = ids->cbegin(); i != ids->cend(); ++i)
        if (!dati.contains(i.key())) {
            togli.addBindValue(i.value());
            if (!Esegui(togli, errore))
                return false;
        }
    QSqlQuery altrove = Prepara(db, QStringLiteral("DELETE FROM %1 WHERE uuid = ? AND classe <> ?").arg(t));
    QSqlQuery provvisorio = Prepara(db, QStringLiteral("UPDATE %1 SET nome = char(0) || id WHERE classe = ?").arg(t));
    provvisorio.addBindValue(classe);
    if (!Esegui(provvisorio, errore))
        return false;
    const bool conDati = qstrcmp(tabella, "percorsi") == 0;
    QSqlQuery cambia = Prepara(db, QStringLiteral("UPDATE %1 SET nome = ?%2 WHERE classe = ? AND uuid = ?")
                                       .arg(t, conDati ? QStringLiteral(", dati = ?") : QString()));
    QSqlQuery nuova = Prepara(db, QStringLiteral("INSERT INTO %1 (nome%2, classe, uuid) VALUES (?, ?%3, ?)")
                                      .arg(t, conDati ? QStringLiteral(", dati") : QString(),
                                           conDati ? QStringLiteral(", ?") : QString()));
    for (const Voce& v : voci) {
        altrove.addBindValue(Codici::Uuid(v.uuid));
        altrove.addBindValue(classe);
        for (QSqlQuery* q : {&cambia, &nuova}) {
            q->addBindValue(v.nome);
            if (conDati)
                q->addBindValue(v.dati);
            q->addBindValue(classe);
            q->addBindValue(Codici::Uuid(v.uuid));
        }
        if (!Esegui(altrove, errore) || !Esegui(cambia, errore)
            || (cambia.numRowsAffected() == 0 && !Esegui(nuova, errore)))
            return false;
    }
    return true;
}

// The assignments of the class, its groups and its children, from the
// server's uuids and the ids the copy now has.
bool CopiaAssegnati(QSqlDatabase db, qint64 classe, const Archivio::PercorsiDelServer& server, QString& errore)
{
    const auto gruppi = Ids(db, "gruppi", classe, errore);
    const auto percorsi = gruppi ? Ids(db, "percorsi", classe, errore) : std::nullopt;
    if (!percorsi)
        return false;
    const auto percorso = [&](const QUuid& uuid) { return IdOppureNull(percorsi->value(uuid)); };
    QSqlQuery q = Prepara(db, QStringLiteral("UPDATE classi SET percorso = ? WHERE id = ?"));
    q.addBindValue(percorso(server.percorsoClasse));
    q.addBindValue(classe);
    if (!Esegui(q, errore))
        return false;
    QSqlQuery delGruppo = Prepara(db, QStringLiteral("UPDATE gruppi SET percorso = ? WHERE id = ?"));
    for (auto g = gruppi->cbegin(); g != gruppi->cend(); ++g) {
        delGruppo.addBindValue(percorso(server.perGruppo.value(g.key())));
        delGruppo.addBindValue(g.value());
        if (!Esegui(delGruppo, errore))
            return false;
    }
    const auto bambini = Ids(db, "bambini", classe, errore);
    if (!bambini)
        return false;
    QSqlQuery delBambino = Prepara(db, QStringLiteral("UPDATE bambini SET gruppo = ?, percorso = ? WHERE id = ?"));
    for (auto b = bambini->cbegin(); b != bambini->cend(); ++b) {
        const Archivio::PercorsiDelServer::DelBambino suo = server.perBambino.value(b.key());
        delBambino.addBindValue(IdOppureNull(gruppi->value(suo.gruppo)));
        delBambino.addBindValue(percorso(suo.percorso));
        delBambino.addBindValue(b.value());
        if (!Esegui(delBambino, errore))
            return false;
    }
    return true;
}

} // namespace

// ---- Rows of the chosen class ----

bool Archivio::Dati::dellaClasse(const char* tabella, qint64 id, qint64 classe, const QString& altrimenti)
{
    QSqlQuery q = prepara(QStringLiteral("SELECT 1 FROM %1 WHERE id = ? AND classe = ?").arg(QLatin1String(tabella)));
    q.addBindValue(id);
    q.addBindValue(classe);
    if (!esegui(q, QStringLiteral("impossibile leggere il registro")))
        return false;
    if (q.next())
        return true;
    errore = altrimenti;
    return false;
}

bool Archivio::Dati::scriviRiga(QSqlQuery& q, const QString& cosa, const QString& doppione, bool aggiunta,
                                const QString& mancante)
{
    if (!q.exec()) {
        const QSqlError e = q.lastError();
        fallito(e, cosa);
        if (Schema::Doppione(e))
            errore = e.databaseText().contains(QLatin1String(".uuid"))
                ? QStringLiteral("%1: è già in un'altra classe di questo registro").arg(cosa)
                : doppione;
        return false;
    }
    if (!aggiunta && q.numRowsAffected() != 1) {
        errore = mancante;
        return false;
    }
    return true;
}

bool Archivio::Dati::togli(const char* tabella, qint64 id, qint64 classe, const QString& cosa, const QString& mancante)
{
    QSqlQuery q = prepara(QStringLiteral("DELETE FROM %1 WHERE id = ? AND classe = ?").arg(QLatin1String(tabella)));
    q.addBindValue(id);
    q.addBindValue(classe);
    if (!esegui(q, cosa))
        return false;
    if (q.numRowsAffected() == 1)
        return true;
    errore = mancante;
    return false;
}

// ---- Groups ----

QList<Gruppo> Archivio::gruppi() const
{
    QList<Gruppo> elenco;
    if (!d->aperto)
        return elenco;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT id, uuid, nome FROM gruppi WHERE classe = ?"));
    q.addBindValue(classeId);
    if (!leggi(q, QStringLiteral("impossibile leggere i gruppi")))
        return elenco;
    while (q.next())
        elenco << Gruppo{q.value(0).toLongLong(), Codici::Uuid(q.value(1)), NomePulito(q.value(2).toString())};
    OrdinaGruppi(elenco);
    return elenco;
}

std::optional<Gruppo> Archivio::salvaGruppo(const Gruppo& gruppo)
{
    if (!d->aperto)
        return std::nullopt;
    Gruppo g = gruppo;
    g.nome = NomePulito(g.nome);
    if (QString motivo = senzaClasse().isEmpty() ? ControllaGruppo(g) : senzaClasse(); !motivo.isEmpty()) {
        d->errore = std::move(motivo);
        return std::nullopt;
    }
    const bool nuovo = g.id == 0;
    if (nuovo && g.uuid.isNull())
        g.uuid = QUuid::createUuid();
    QSqlQuery q = d->prepara(nuovo ? QStringLiteral("INSERT INTO gruppi (uuid, nome, classe) VALUES (?, ?, ?)")
                                   : QStringLiteral("UPDATE gruppi SET nome = ? WHERE classe = ? AND id = ?"));
    if (nuovo)
        q.addBindValue(Codici::Uuid(g.uuid));
    q.addBindValue(g.nome);
    q.addBindValue(classeId);
    if (!nuovo)
        q.addBindValue(g.id);
    if (!d->scriviRiga(q, QStringLiteral("impossibile salvare il gruppo"),
                       QStringLiteral("c'è già un gruppo %1").arg(Percorsi::Citato(g.nome)), nuovo,
                       QStringLiteral("il gruppo non è nella classe")))
        return std::nullopt;
    QSqlQuery letto = d->prepara(QStringLiteral("SELECT id, uuid FROM gruppi WHERE classe = ? AND nome = ?"));
    letto.addBindValue(classeId);
    letto.addBindValue(g.nome);
    if (!d->esegui(letto, QStringLiteral("impossibile leggere i gruppi")) || !letto.next())
        return std::nullopt;
    return Gruppo{letto.value(0).toLongLong(), Codici::Uuid(letto.value(1)), g.nome};
}

bool Archivio::rimuoviGruppo(qint64 id)
{
    return d->aperto
        && d->togli("gruppi", id, classeId, QStringLiteral("impossibile rimuovere il gruppo"),
                    QStringLiteral("il gruppo non è nella classe"));
}

// ---- Paths ----

QList<PercorsoSalvato> Archivio::percorsi() const
{
    QList<PercorsoSalvato> elenco;
    if (!d->aperto)
        return elenco;
    QSqlQuery q = d->prepara(SelezionePercorsi() + QStringLiteral(" WHERE classe = ?"));
    q.addBindValue(classeId);
    if (!leggi(q, QStringLiteral("impossibile leggere i percorsi")))
        return elenco;
    while (q.next()) {
        QString motivo;
        if (auto p = PercorsoDellaRiga(q, motivo))
            elenco << std::move(*p);
        else
            letturaFallita(motivo);
    }
    OrdinaPercorsi(elenco);
    return elenco;
}

std::optional<PercorsoSalvato> Archivio::salvaPercorso(const PercorsoSalvato& percorso)
{
    if (!d->aperto)
        return std::nullopt;
    PercorsoSalvato p = percorso;
    if (QString motivo = senzaClasse().isEmpty() ? Percorsi::ProblemaPercorso(p.percorso) : senzaClasse();
        !motivo.isEmpty()) {
        d->errore = std::move(motivo);
        return std::nullopt;
    }
    const bool nuovo = p.id == 0;
    if (nuovo && p.uuid.isNull())
        p.uuid = QUuid::createUuid();
    QSqlQuery q = d->prepara(nuovo ? QStringLiteral("INSERT INTO percorsi (uuid, nome, dati, classe) VALUES (?, ?, ?, ?)")
                                   : QStringLiteral("UPDATE percorsi SET nome = ?, dati = ? WHERE classe = ? AND id = ?"));
    if (nuovo)
        q.addBindValue(Codici::Uuid(p.uuid));
    q.addBindValue(p.percorso.nome);
    q.addBindValue(QString::fromUtf8(Percorsi::Testo(p.percorso)));
    q.addBindValue(classeId);
    if (!nuovo)
        q.addBindValue(p.id);
    if (!d->scriviRiga(q, QStringLiteral("impossibile salvare il percorso"),
                       QStringLiteral("c'è già un percorso %1").arg(Percorsi::Citato(p.percorso.nome)), nuovo,
                       QStringLiteral("il percorso non è nella classe")))
        return std::nullopt;
    QSqlQuery letto = d->prepara(QStringLiteral("SELECT id, uuid FROM percorsi WHERE classe = ? AND nome = ?"));
    letto.addBindValue(classeId);
    letto.addBindValue(p.percorso.nome);
    if (!d->esegui(letto, QStringLiteral("impossibile leggere i percorsi")) || !letto.next())
        return std::nullopt;
    p.id = letto.value(0).toLongLong();
    p.uuid = Codici::Uuid(letto.value(1));
    return p;
}

bool Archivio::rimuoviPercorso(qint64 id)
{
    return d->aperto
        && d->togli("percorsi", id, classeId, QStringLiteral("impossibile rimuovere il percorso"),
                    QStringLiteral("il percorso non è nella classe"));
}

bool Archivio::aggiungiPercorsi(const QList<PercorsoSalvato>& suoi)
{
    QSqlQuery noti = d->prepara(QStringLiteral("SELECT uuid, classe = ?, nome FROM percorsi"));
    noti.addBindValue(classeId);
    if (!d->esegui(noti, QStringLiteral("impossibile leggere i percorsi")))
        return false;
    QSet<QUuid> uuid;
    QSet<QString> nomi;  // the class's
    while (noti.next()) {
        uuid.insert(Codici::Uuid(noti.value(0)));
        if (noti.value(1).toBool())
            nomi.insert(noti.value(2).toString());
    }
    QSqlQuery q = d->prepara(QStringLiteral("INSERT INTO percorsi (uuid, nome, dati, classe) VALUES (?, ?, ?, ?)"));
    for (const PercorsoSalvato& p : suoi) {
        Percorso nuovo = p.percorso;
        nuovo.nome = NomeLibero(nuovo.nome, nomi);
        if (uuid.contains(p.uuid) || !Percorsi::ProblemaPercorso(nuovo).isEmpty())
            continue;
        q.addBindValue(Codici::Uuid(p.uuid));
        q.addBindValue(nuovo.nome);
        q.addBindValue(QString::fromUtf8(Percorsi::Testo(nuovo)));
        q.addBindValue(classeId);
        if (!d->esegui(q, QStringLiteral("impossibile unire i percorsi")))
            return false;
        uuid.insert(p.uuid);
        nomi.insert(nuovo.nome);
    }
    return true;
}

// ---- Assignments and progress ----

bool Archivio::assegnaPercorso(Destinatario a, qint64 chi, qint64 percorso)
{
    if (!d->aperto)
        return false;
    if (QString motivo = senzaClasse(); !motivo.isEmpty()) {
        d->errore = std::move(motivo);
        return false;
    }
    if (percorso != 0
        && !d->dellaClasse("percorsi", percorso, classeId, QStringLiteral("il percorso non è nella classe")))
        return false;
    QSqlQuery q = d->prepara(a == Destinatario::Classe ? QStringLiteral("UPDATE classi SET percorso = ? WHERE id = ?")
                             : a == Destinatario::Gruppo
                             ? QStringLiteral("UPDATE gruppi SET percorso = ? WHERE id = ? AND classe = ?")
                             : QStringLiteral("UPDATE bambini SET percorso = ? WHERE id = ? AND classe = ?"));
    q.addBindValue(IdOppureNull(percorso));
    q.addBindValue(a == Destinatario::Classe ? classeId : chi);
    if (a != Destinatario::Classe)
        q.addBindValue(classeId);
    if (!d->esegui(q, QStringLiteral("impossibile assegnare il percorso")))
        return false;
    if (q.numRowsAffected() == 1)
        return true;
    d->errore = a == Destinatario::Gruppo ? QStringLiteral("il gruppo non è nella classe")
                                          : QStringLiteral("il bambino non è nella classe");
    return false;
}

PercorsiAssegnati Archivio::percorsiAssegnati() const
{
    PercorsiAssegnati assegnati;
    if (!d->aperto || classeId == 0)
        return assegnati;
    // Only a path of the class counts, whatever the file says.
    QSqlQuery q = d->prepara(QStringLiteral(
        "SELECT chi, id, percorso FROM (SELECT 0 AS chi, id, percorso FROM classi WHERE id = ?"
        " UNION ALL SELECT 1, id, percorso FROM gruppi WHERE classe = ?"
        " UNION ALL SELECT 2, id, percorso FROM bambini WHERE classe = ?) a"
        " WHERE EXISTS (SELECT 1 FROM percorsi p WHERE p.id = a.percorso AND p.classe = ?)"));
    for (int i = 0; i < 4; ++i)
        q.addBindValue(classeId);
    if (!leggi(q, QStringLiteral("impossibile leggere i percorsi assegnati")))
        return assegnati;
    while (q.next()) {
        const qint64 id = q.value(1).toLongLong(), percorso = q.value(2).toLongLong();
        switch (q.value(0).toInt()) {
        case 0: assegnati.classe = percorso; break;
        case 1: assegnati.gruppi.insert(id, percorso); break;
        default: assegnati.bambini.insert(id, percorso); break;
        }
    }
    return assegnati;
}

QList<AvanzamentoBambino> Archivio::avanzamenti() const
{
    QList<AvanzamentoBambino> elenco;
    QHash<qint64, PercorsoSalvato> perId;
    for (PercorsoSalvato& p : percorsi())
        perId.insert(p.id, std::move(p));
    if (perId.isEmpty())
        return elenco;
    const PercorsiAssegnati assegnati = percorsiAssegnati();
    // The child's right answers under the path, from here and from the
    // server, each answer once, by step.
    QSqlQuery q = d->prepara(QStringLiteral(
        "SELECT passo, count(*) FROM (SELECT uuid, min(passo) AS passo FROM ("
        "  SELECT uuid, passo FROM risposte WHERE bambino = ? AND percorso = ? AND esatta = 1"
        "  UNION ALL SELECT uuid, passo FROM esatte_altrove WHERE bambino = ? AND percorso = ?)"
        " GROUP BY uuid) GROUP BY passo"));
    for (const Bambino& b : bambini()) {
        const auto p = perId.constFind(PercorsoDi(b.id, b.gruppo, assegnati));
        if (p == perId.cend())
            continue;
        for (int i = 0; i < 2; ++i) {
            q.addBindValue(b.id);
            q.addBindValue(Codici::Uuid(p->uuid));
        }
        if (!leggi(q, QStringLiteral("impossibile leggere gli avanzamenti")))
            return {};
        AvanzamentoBambino a{b.id, *p, QList<int>(p->percorso.passi.size(), 0)};
        while (q.next())
            if (const qint64 passo = q.value(0).toLongLong(); passo >= 1 && passo <= a.esatte.size())
                a.esatte[passo - 1] = q.value(1).toInt();
        elenco << a;
    }
    return elenco;
}

// ---- From the school's server ----

bool Archivio::CopiaPercorsiClasse(QSqlDatabase db, qint64 classe, const PercorsiDelServer& server, QString& errore)
{
    // Paths first: a group's or child's path is looked up once they are all in.
    return CopiaVoci(db, "percorsi", classe, VociPercorsi(server.percorsi), errore)
        && CopiaVoci(db, "gruppi", classe, VociGruppi(server.gruppi), errore)
        && CopiaAssegnati(db, classe, server, errore);
}

bool Archivio::copiaPercorsiClasse(qint64 classe, const PercorsiDelServer& server)
{
    return d->transazione(*this, [&](QString& errore) { return CopiaPercorsiClasse(d->db(), classe, server, errore); });
}

bool Archivio::SostituisciEsatteAltrove(QSqlDatabase db, qint64 classe, const QList<EsattaAltrove>& esatte,
                                        QString& errore)
{
    QSqlQuery togli = Prepara(db, QStringLiteral(
        "DELETE FROM esatte_altrove WHERE bambino IN (SELECT id FROM bambini WHERE classe = ?)"));
    togli.addBindValue(classe);
    const auto bambini = Esegui(togli, errore) ? Ids(db, "bambini", classe, errore) : std::nullopt;
    if (!bambini)
        return false;
    QSqlQuery q = Prepara(db, QStringLiteral(
        "INSERT OR IGNORE INTO esatte_altrove (uuid, bambino, percorso, passo) VALUES (?, ?, ?, ?)"));
    for (const EsattaAltrove& e : esatte) {
        const qint64 bambino = e.bambino.isNull() ? 0 : bambini->value(e.bambino);
        if (bambino == 0 || e.risposta.isNull() || e.percorso.isNull() || e.passo < 1
            || e.passo > Percorso::MassimoPassi)
            continue;
        q.addBindValue(Codici::Uuid(e.risposta));
        q.addBindValue(bambino);
        q.addBindValue(Codici::Uuid(e.percorso));
        q.addBindValue(e.passo);
        if (!Esegui(q, errore))
            return false;
    }
    return true;
}

bool Archivio::sostituisciEsatteAltrove(qint64 classe, const QList<EsattaAltrove>& esatte)
{
    return d->transazione(*this,
                          [&](QString& errore) { return SostituisciEsatteAltrove(d->db(), classe, esatte, errore); });
}

} // namespace Registro
