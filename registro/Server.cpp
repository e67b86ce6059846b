#include "registro/Server.h"

#include "percorsi/Percorso.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>

#include <algorithm>

namespace Registro::Server {

QString Motivo(const QString& cosa, const QSqlError& e)
{
    const QString testo = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return QStringLiteral("%1: %2").arg(cosa, testo.simplified());
}

Accesso Apri(const Impostazioni& imp, const QString& utente, const QString& nome, int secondi, QString& errore,
           int& versione)
{
    QSqlDatabase s = QSqlDatabase::contains(nome) ? QSqlDatabase::database(nome, false)
                                                  : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nome);
    s.setHostName(imp.host);
    s.setPort(imp.porta);
    s.setDatabaseName(imp.database);
    s.setUserName(utente);
    s.setConnectOptions(imp.opzioni(secondi));
    if (!s.open()) {
        errore = Motivo(QStringLiteral("server del registro non raggiungibile"), s.lastError());
        return Accesso::NonRaggiungibile;
    }
    versione = -1;
    {
        QSqlQuery q(s);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT versione FROM tesselo.versione"))) {
            errore = Motivo(QStringLiteral("versione del registro sul server illeggibile"), q.lastError());
            return Accesso::Danneggiato;
        }
        if (q.next())
            versione = q.value(0).toInt();
    }
    if (versione > Versione) {
        s.close();
        errore = QStringLiteral("è di una versione di Tesselo più recente (%1): va aggiornato il programma").arg(versione);
        return Accesso::PiuRecente;
    }
    // An older schema has none of what this program reads and writes (the
    // classes): the technician applies this version's schema first.
    if (versione < Versione) {
        s.close();
        errore = QStringLiteral("il registro sul server è della versione %1, precedente a questa di Tesselo (%2):"
                                " va aggiornato con il suo schema").arg(versione).arg(Versione);
        return Accesso::Danneggiato;
    }
    return Accesso::Ok;
}

QString Testo(const QUuid& uuid)
{
    return uuid.toString(QUuid::WithoutBraces);
}

QString JsonDomande(const QList<Domanda>& domande)
{
    QJsonArray a;
    for (const Domanda& d : domande)
        a.append(QJsonObject{{"attributo", d.attributo}, {"valore", d.valore}, {"negata", d.negata}});
    return QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact));
}

QString JsonBlocchi(const QList<Blocco>& blocchi)
{
    QJsonArray a;
    for (const Blocco& b : blocchi)
        a.append(QJsonObject{{"forma", b.forma}, {"colore", b.colore}, {"dimensione", b.dimensione},
                             {"spessore", b.spessore}});
    return QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact));
}

namespace {

QJsonArray Elenco(const QString& json)
{
    return QJsonDocument::fromJson(json.toUtf8()).array();
}

} // namespace

QList<Domanda> Domande(const QString& json)
{
    QList<Domanda> domande;
    for (const QJsonValue& v : Elenco(json)) {
        const QJsonObject o = v.toObject();
        domande.append({o.value("attributo").toString(), o.value("valore").toString(), o.value("negata").toBool()});
    }
    return domande;
}

QList<Blocco> Blocchi(const QString& json)
{
    QList<Blocco> blocchi;
    for (const QJsonValue& v : Elenco(json)) {
        const QJsonObject o = v.toObject();
        blocchi.append({o.value("forma").toString(), o.value("colore").toString(), o.value("dimensione").toString(),
                        o.value("spessore").toString()});
    }
    return blocchi;
}

QString InserisciRisposta()
{
    return QStringLiteral(
        "INSERT INTO tesselo.risposte (uuid, quando, bambino, classe, gioco, domande, blocchi, risposta, esatta,"
        " millisecondi, percorso, passo, tentativo) SELECT CAST(? AS uuid), CAST(? AS timestamptz), CAST(? AS uuid),"
        " coalesce((SELECT classe FROM tesselo.bambini WHERE uuid = CAST(? AS uuid)), CAST(? AS uuid)), ?,"
        " CAST(? AS jsonb), CAST(? AS jsonb), ?, CAST(? AS boolean), CAST(? AS bigint), CAST(? AS uuid),"
        " CAST(? AS smallint), CAST(? AS smallint)"
        " WHERE CAST(? AS uuid) IS NULL OR EXISTS (SELECT FROM tesselo.bambini WHERE uuid = CAST(? AS uuid))"
        " OR NOT EXISTS (SELECT FROM tesselo.classi WHERE uuid = CAST(? AS uuid))"
        " ON CONFLICT DO NOTHING");
}

void Lega(QSqlQuery& q, const Risposta& r, const QString& bambino, const QString& classe)
{
    const auto testo = [](const QString& t) { return t.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(t); };
    const QVariant chi = testo(bambino), dove = testo(classe);
    q.bindValue(0, Testo(r.id));
    q.bindValue(1, r.quando.toUTC().toString(Qt::ISODateWithMs));
    q.bindValue(2, chi);
    q.bindValue(3, chi);
    q.bindValue(4, dove);
    q.bindValue(5, r.schermo);
    q.bindValue(6, JsonDomande(r.domande));
    q.bindValue(7, JsonBlocchi(r.blocchi));
    q.bindValue(8, r.risposta);
    q.bindValue(9, r.esatta);
    q.bindValue(10, r.millisecondi);
    // A path and its step, both or neither: an answer whose step is out of
    // any path's range goes without them rather than being refused.
    const bool sulPercorso = !r.percorso.isNull() && r.passo >= 1 && r.passo <= Percorso::MassimoPassi;
    q.bindValue(11, sulPercorso ? QVariant(Testo(r.percorso)) : QVariant(QMetaType::fromType<QString>()));
    q.bindValue(12, sulPercorso ? QVariant(r.passo) : QVariant(QMetaType::fromType<int>()));
    q.bindValue(13, std::clamp(r.tentativo, 1, int(Risposta::MassimoTentativo)));
    q.bindValue(14, chi);
    q.bindValue(15, chi);
    q.bindValue(16, dove);
}

} // namespace Registro::Server
