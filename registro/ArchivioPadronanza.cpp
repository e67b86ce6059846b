// The SQLite register's side of what each child has learned: the teacher's
// note on a child, the turns' first answers the estimate reads, and the
// model fitted on the class.
#include "registro/Archivio.h"
#include "registro/ArchivioDati.h"
#include "registro/Codici.h"

namespace Registro {

namespace {

// A stored value as a key that tells text, codes and numbers apart.
QByteArray Chiave(const QVariant& v)
{
    return QByteArray::number(v.typeId()) + ':' + v.toByteArray();
}

} // namespace

QString Archivio::nota(qint64 bambino) const
{
    if (!d->aperto || !Archivio::bambino(bambino))
        return {};
    QSqlQuery q = d->prepara(QStringLiteral("SELECT CASE WHEN length(testo) <= %1 THEN testo END FROM note"
                                            " WHERE bambino = ?").arg(LunghezzaNota));
    q.addBindValue(bambino);
    if (!leggi(q, QStringLiteral("impossibile leggere la nota")) || !q.next())
        return {};
    // Shown as read, cleaned as it is on the way in: another program may
    // have written the file.
    return NotaPulita(q.value(0).toString());
}

bool Archivio::salvaNota(qint64 bambino, const QString& testo)
{
    if (!d->aperto)
        return false;
    QString motivo;
    const std::optional<QString> nota = notaDaSalvare(bambino, testo, motivo);
    if (!nota) {
        d->errore = std::move(motivo);
        return false;
    }
    const QString& pulita = *nota;
    QSqlQuery q = d->prepara(pulita.isEmpty()
                                 ? QStringLiteral("DELETE FROM note WHERE bambino = ?")
                                 : QStringLiteral("INSERT INTO note (bambino, testo) VALUES (?, ?)"
                                                  " ON CONFLICT (bambino) DO UPDATE SET testo = excluded.testo"));
    q.addBindValue(bambino);
    if (!pulita.isEmpty())
        q.addBindValue(pulita);
    return d->esegui(q, QStringLiteral("impossibile salvare la nota"));
}

QString Archivio::QueryPrimeRisposte()
{
    // The index risposte_prime gives them in time order; the rows read are
    // the first answers of the class in the period alone.
    return QStringLiteral("SELECT bambino, quando, gioco, domande, esatta FROM risposte INDEXED BY risposte_prime"
                          " WHERE classe = ? AND tentativo = 1 AND quando >= ? AND quando < ? ORDER BY quando");
}

void Archivio::scorriPrimeRisposte(const Periodo& periodo,
                                   const std::function<void(const Padronanza::Prova&)>& ciascuna) const
{
    if (!d->aperto)
        return;
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(QueryPrimeRisposte());
    q.addBindValue(classeId);
    q.addBindValue(dal);
    q.addBindValue(al);
    if (!leggi(q, QStringLiteral("impossibile leggere il registro")))
        return;
    // The stored codes of a game and of its questions come again and again:
    // each is put into words once.
    QHash<QByteArray, QString> schermi;
    QHash<QByteArray, unsigned> abilita;
    while (q.next()) {
        const qint64 bambino = q.value(0).toLongLong();
        if (bambino <= 0)
            continue;  // a guest's
        const QVariant gioco = q.value(2), domande = q.value(3);
        const QByteArray chiaveGioco = Chiave(gioco), chiaveDomande = Chiave(domande);
        auto s = schermi.constFind(chiaveGioco);
        if (s == schermi.cend())
            s = schermi.insert(chiaveGioco, Codici::Schermo(gioco));
        auto a = abilita.constFind(chiaveDomande);
        if (a == abilita.cend())
            a = abilita.insert(chiaveDomande, Padronanza::AbilitaDi(Codici::Domande(domande)));
        if (s->isEmpty())
            continue;  // a game this version does not know
        ciascuna({bambino, q.value(1).toLongLong(), *s, *a, q.value(4).toBool()});
    }
}

std::optional<Padronanza::Modello> Archivio::modello() const
{
    if (!d->aperto || classeId == 0)
        return std::nullopt;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT CAST(dati AS BLOB) FROM padronanza WHERE classe = ?"
                                            " AND length(CAST(dati AS BLOB)) <= 65536"));
    q.addBindValue(classeId);
    if (!leggi(q, QStringLiteral("impossibile leggere il modello")) || !q.next())
        return std::nullopt;
    return Padronanza::Modello::DaJson(q.value(0).toByteArray());
}

bool Archivio::salvaModello(const Padronanza::Modello& modello)
{
    if (!d->aperto)
        return false;
    if (QString motivo = senzaClasse(); !motivo.isEmpty()) {
        d->errore = std::move(motivo);
        return false;
    }
    QSqlQuery q = d->prepara(QStringLiteral("INSERT INTO padronanza (classe, adattati, dati) VALUES (?, ?, ?)"
                                            " ON CONFLICT (classe) DO UPDATE SET adattati = excluded.adattati,"
                                            " dati = excluded.dati"));
    q.addBindValue(classeId);
    q.addBindValue(modello.adattato.isValid() ? modello.adattato.toMSecsSinceEpoch() : QDateTime::currentMSecsSinceEpoch());
    q.addBindValue(QString::fromUtf8(modello.json()));
    return d->esegui(q, QStringLiteral("impossibile salvare il modello"));
}

} // namespace Registro
