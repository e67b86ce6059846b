#include "registro/PercorsiDelleClassi.h"

#include "registro/Codici.h"
#include "percorsi/FilePercorso.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <functional>

namespace Registro {

namespace {

// A uuid of the server's text; null for NULL.
QUuid Uuid(const QVariant& v)
{
    return v.isNull() ? QUuid() : QUuid(v.toString());
}

// Runs a statement, then hands each row to ciascuna, each row's values
// added to the fingerprint as they were read.
bool Scorri(QSqlDatabase server, const QString& sql, QByteArray& impronta, QSqlError& errore,
            const std::function<void(const QSqlQuery&)>& ciascuna)
{
    QSqlQuery q(server);
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        errore = q.lastError();
        return false;
    }
    impronta += sql.toUtf8();
    const int colonne = q.record().count();
    while (q.next()) {
        for (int i = 0; i < colonne; ++i)
            impronta += '\x1f' + q.value(i).toString().toUtf8();
        impronta += '\x1e';
        ciascuna(q);
    }
    return true;
}

} // namespace

bool LeggiPercorsiDelleClassi(QSqlDatabase server, PercorsiDelleClassi& letti, QSqlError& errore)
{
    letti = {};
    auto& classi = letti.classi;
    const auto classe = [&](const QSqlQuery& q, int colonna) -> PercorsiDelleClassi::DiClasse& {
        return classi[Codici::Uuid(QUuid(q.value(colonna).toString()))];
    };
    return Scorri(server, QStringLiteral("SELECT uuid::text, percorso::text FROM tesselo.classi ORDER BY uuid"),
                  letti.impronta, errore,
                  [&](const QSqlQuery& q) { classe(q, 0).percorsi.percorsoClasse = Uuid(q.value(1)); })
        && Scorri(server, QStringLiteral("SELECT uuid::text, classe::text, nome, percorso::text FROM tesselo.gruppi"
                                         " ORDER BY uuid"),
                  letti.impronta, errore,
                  [&](const QSqlQuery& q) {
                      Archivio::PercorsiDelServer& p = classe(q, 1).percorsi;
                      p.gruppi.append({0, Uuid(q.value(0)), NomePulito(q.value(2).toString())});
                      if (!q.value(3).isNull())
                          p.perGruppo.insert(Uuid(q.value(0)), Uuid(q.value(3)));
                  })
        && Scorri(server, QStringLiteral("SELECT uuid::text, classe::text, dati::text FROM tesselo.percorsi ORDER BY uuid"),
                  letti.impronta, errore,
                  [&](const QSqlQuery& q) {
                      const Percorsi::Lettura letto = Percorsi::LeggiTesto(q.value(2).toString().toUtf8());
                      if (letto.percorso)
                          classe(q, 1).percorsi.percorsi.append({0, Uuid(q.value(0)), *letto.percorso});
                  })
        && Scorri(server, QStringLiteral("SELECT uuid::text, classe::text, gruppo::text, percorso::text FROM tesselo.bambini"
                                         " WHERE gruppo IS NOT NULL OR percorso IS NOT NULL ORDER BY uuid"),
                  letti.impronta, errore,
                  [&](const QSqlQuery& q) {
                      classe(q, 1).percorsi.perBambino.insert(Uuid(q.value(0)), {Uuid(q.value(2)), Uuid(q.value(3))});
                  })
        && Scorri(server, QStringLiteral("SELECT e.risposta::text, b.classe::text, e.bambino::text, e.percorso::text, e.passo"
                                         " FROM tesselo.esatte_percorsi() AS e JOIN tesselo.bambini AS b ON b.uuid = e.bambino"
                                         " ORDER BY e.risposta"),
                  letti.impronta, errore, [&](const QSqlQuery& q) {
                      classe(q, 1).esatte.append({Uuid(q.value(0)), Uuid(q.value(2)), Uuid(q.value(3)), q.value(4).toInt()});
                  });
}

bool CopiaPercorsiDelleClassi(QSqlDatabase locale, const PercorsiDelleClassi& letti,
                            const QHash<QByteArray, qint64>& classi, QString& errore)
{
    for (auto c = letti.classi.cbegin(); c != letti.classi.cend(); ++c) {
        const qint64 id = classi.value(c.key());
        if (id == 0)
            continue;
        if (!Archivio::CopiaPercorsiClasse(locale, id, c->percorsi, errore)
            || !Archivio::SostituisciEsatteAltrove(locale, id, c->esatte, errore))
            return false;
    }
    return true;
}

} // namespace Registro
