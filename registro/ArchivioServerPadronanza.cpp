// The server's side of what each child has learned: the teacher's note on a
// child, the turns' first answers the estimate reads, and the model fitted
// on the class. Row-level security keeps each login to its own classes.
#include "registro/ArchivioServer.h"
#include "registro/ArchivioServerDati.h"

#include "registro/Server.h"

namespace Registro {

namespace {

const QString Millisecondi = QStringLiteral("(extract(epoch FROM quando) * 1000)::bigint");

} // namespace

QString ArchivioServer::nota(qint64 bambino) const
{
    const QString chi = d->aperto ? d->uuid(bambino) : QString();
    if (chi.isEmpty() || d->scelta().isEmpty())
        return {};
    QSqlQuery q = d->prepara(QStringLiteral("SELECT n.testo FROM tesselo.note AS n JOIN tesselo.bambini AS b"
                                            " ON b.uuid = n.bambino WHERE n.bambino = CAST(? AS uuid)"
                                            " AND b.classe = CAST(? AS uuid)"));
    q.addBindValue(chi);
    q.addBindValue(d->scelta());
    if (!d->leggi(q) || !q.next())
        return {};
    const QString testo = NotaPulita(q.value(0).toString());
    return ControllaNota(testo).isEmpty() ? testo : QString();
}

bool ArchivioServer::salvaNota(qint64 bambino, const QString& testo)
{
    if (!d->aperto) {
        d->errore = QStringLiteral("il registro sul server non è aperto");
        return false;
    }
    QString motivo;
    const std::optional<QString> nota = notaDaSalvare(bambino, testo, motivo);
    if (!nota) {
        d->errore = std::move(motivo);
        return false;
    }
    const QString& pulita = *nota;
    QSqlQuery q = d->prepara(pulita.isEmpty()
                                 ? QStringLiteral("DELETE FROM tesselo.note WHERE bambino = CAST(? AS uuid)")
                                 : QStringLiteral("INSERT INTO tesselo.note (bambino, testo) VALUES (CAST(? AS uuid), ?)"
                                                  " ON CONFLICT (bambino) DO UPDATE SET testo = excluded.testo"));
    q.addBindValue(d->uuid(bambino));
    if (!pulita.isEmpty())
        q.addBindValue(pulita);
    return d->esegui(q, QStringLiteral("impossibile salvare la nota"));
}

void ArchivioServer::scorriPrimeRisposte(const Periodo& periodo,
                                         const std::function<void(const Padronanza::Prova&)>& ciascuna) const
{
    if (!d->aperto || d->scelta().isEmpty())
        return;
    const auto [dal, al] = Estremi(periodo);
    // The class's stretch of risposte_classe_periodo, in time order; the
    // guests' answers are left to the server to skip.
    QSqlQuery q = d->prepara(QStringLiteral("SELECT bambino::text, %1, gioco, domande::text, esatta FROM tesselo.risposte"
                                            " WHERE classe = CAST(? AS uuid) AND tentativo = 1 AND bambino IS NOT NULL"
                                            " AND quando >= CAST(? AS timestamptz) AND quando < CAST(? AS timestamptz)"
                                            " ORDER BY quando, uuid").arg(Millisecondi));
    q.addBindValue(d->scelta());
    q.addBindValue(Momento(dal));
    q.addBindValue(Momento(al));
    if (!d->leggi(q))
        return;
    // A child's uuid, a game and a question's JSON come again and again:
    // each is read once.
    QHash<QString, qint64> bambini;
    QHash<QString, unsigned> abilita;
    while (q.next()) {
        const QString chi = q.value(0).toString(), domande = q.value(3).toString();
        auto b = bambini.constFind(chi);
        if (b == bambini.cend())
            b = bambini.insert(chi, d->id(QUuid(chi)));
        auto a = abilita.constFind(domande);
        if (a == abilita.cend())
            a = abilita.insert(domande, Padronanza::AbilitaDi(Server::Domande(domande)));
        ciascuna({*b, q.value(1).toLongLong(), q.value(2).toString(), *a, q.value(4).toBool()});
    }
}

std::optional<Padronanza::Modello> ArchivioServer::modello() const
{
    if (!d->aperto || d->scelta().isEmpty())
        return std::nullopt;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT dati::text FROM tesselo.padronanza WHERE classe = CAST(? AS uuid)"));
    q.addBindValue(d->scelta());
    if (!d->leggi(q) || !q.next())
        return std::nullopt;
    return Padronanza::Modello::DaJson(q.value(0).toString().toUtf8());
}

bool ArchivioServer::salvaModello(const Padronanza::Modello& modello)
{
    const QString classe = d->aperto ? d->sceltaPerScrivere() : QString();
    if (classe.isEmpty())
        return false;
    QSqlQuery q = d->prepara(QStringLiteral("INSERT INTO tesselo.padronanza (classe, adattati, dati)"
                                            " VALUES (CAST(? AS uuid), CAST(? AS timestamptz), CAST(? AS jsonb))"
                                            " ON CONFLICT (classe) DO UPDATE SET adattati = excluded.adattati,"
                                            " dati = excluded.dati"));
    q.addBindValue(classe);
    q.addBindValue(Momento(modello.adattato.isValid() ? modello.adattato.toMSecsSinceEpoch()
                                                      : QDateTime::currentMSecsSinceEpoch()));
    q.addBindValue(QString::fromUtf8(modello.json()));
    return d->esegui(q, QStringLiteral("impossibile salvare il modello"));
}

} // namespace Registro
