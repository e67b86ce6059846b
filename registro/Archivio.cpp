#include "registro/Archivio.h"

#include "registro/Codici.h"
#include "registro/Giochi.h"
#include "registro/Schema.h"

#include <QAtomicInteger>
#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>

namespace Registro {

std::optional<double> Conto::quota() const
{
    return totale() ? std::optional<double>(double(esatte) / totale()) : std::nullopt;
}

Periodo Periodo::Oggi() { return {QDate::currentDate(), QDate::currentDate()}; }
Periodo Periodo::Settimana() { const QDate o = QDate::currentDate(); return {o.addDays(1 - o.dayOfWeek()), o}; }
Periodo Periodo::Mese() { const QDate o = QDate::currentDate(); return {QDate(o.year(), o.month(), 1), o}; }
Periodo Periodo::AnnoScolastico()
{
    const QDate o = QDate::currentDate();
    return {QDate(o.month() >= 9 ? o.year() : o.year() - 1, 9, 1), o};
}

void Avvisa(const QString& riga)
{
    std::fprintf(stderr, "tesselo: %s\n", qPrintable(riga));
    std::fflush(stderr);
}

namespace {

// The first and one past the last millisecond of a period, in local time.
std::pair<qint64, qint64> Estremi(const Periodo& p)
{
    return {p.dal ? p.dal->startOfDay().toMSecsSinceEpoch() : std::numeric_limits<qint64>::min(),
            p.al ? p.al->addDays(1).startOfDay().toMSecsSinceEpoch() : std::numeric_limits<qint64>::max()};
}

Bambino Ospite()
{
    return {0, {}, QString::fromUtf8(SimboloOspite().nome), {}, QString::fromLatin1(SimboloOspite().chiave)};
}

const char* const ColonneRisposta = "uuid, quando, bambino, gioco, domande, blocchi, risposta, esatta, millisecondi";

} // namespace

Risposta LeggiRisposta(const QSqlQuery& q, int primo)
{
    Risposta r;
    r.id = Codici::Uuid(q.value(primo));
    r.quando = QDateTime::fromMSecsSinceEpoch(q.value(primo + 1).toLongLong());
    r.schermo = Codici::Schermo(q.value(primo + 3));
    r.gioco = DidascaliaGioco(r.schermo);
    r.domande = Codici::Domande(q.value(primo + 4));
    r.blocchi = Codici::Blocchi(q.value(primo + 5));
    r.risposta = Codici::TestoRisposta(q.value(primo + 6));
    r.esatta = q.value(primo + 7).toBool();
    r.millisecondi = q.value(primo + 8).toLongLong();
    return r;
}

namespace {

void Aggiungi(Conto& c, bool esatta)
{
    ++(esatta ? c.esatte : c.errate);
}

} // namespace

struct Archivio::Dati {
    QString connessione;
    QString percorso;
    QString errore;
    QString spostato;
    bool aperto = false;
    Schema::Uso uso;  // held while the connection is open

    QSqlDatabase db() const { return QSqlDatabase::database(connessione, false); }

    // A prepared statement; the caller binds and runs it.
    QSqlQuery prepara(const QString& sql) const
    {
        QSqlQuery q(db());
        q.setForwardOnly(true);
        q.prepare(sql);
        return q;
    }

    Esito fallito(const QSqlError& e, const QString& cosa)
    {
        errore = QStringLiteral("%1 (%2): %3").arg(cosa, QDir::toNativeSeparators(percorso), Schema::Motivo(e));
        return Schema::EsitoDi(e);
    }

    bool esegui(QSqlQuery& q, const QString& cosa)
    {
        if (q.exec())
            return true;
        fallito(q.lastError(), cosa);
        return false;
    }

    void chiudi()
    {
        if (!connessione.isEmpty()) {
            {
                QSqlDatabase d = db();
                d.close();
            }
            QSqlDatabase::removeDatabase(connessione);
            connessione.clear();
            aperto = false;
        }
        uso.lascia();
    }

    Esito apriFile(const QString& file, bool crea);
    // sola: opened read-only, so neither migrated nor switched to WAL.
    Esito preparaSchema(bool sola);
    std::optional<Bambino> leggiBambino(QSqlQuery& q) const;
};

Archivio::Archivio() : d(std::make_unique<Dati>()) {}

Archivio::~Archivio()
{
    d->chiudi();
}

QString Archivio::Cartella()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tesselo");
}

QString Archivio::PercorsoPredefinito() { return Cartella() + QStringLiteral("/registro.sqlite"); }

Esito Archivio::Dati::apriFile(const QString& file, bool crea)
{
    static QAtomicInteger<quint64> contatore;
    connessione = QStringLiteral("tesselo-registro-%1").arg(contatore.fetchAndAddRelaxed(1));
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connessione);
    d.setDatabaseName(file);
    d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1;QSQLITE_OPEN_URI").arg(Schema::AttesaMs)
                        + (crea ? QString() : QStringLiteral(";QSQLITE_OPEN_READONLY")));
    if (!d.open())
        return fallito(d.lastError(), QStringLiteral("impossibile aprire il registro"));
    return Esito::Ok;
}

Esito Archivio::Dati::preparaSchema(bool sola)
{
    QSqlDatabase d = db();
    QSqlQuery q(d);
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return fallito(q.lastError(), QStringLiteral("impossibile leggere il registro"));
    if (!q.next() || q.value(0).toString() != QLatin1String("ok")) {
        errore = QStringLiteral("il registro %1 non ha superato il controllo di integrità")
                     .arg(QDir::toNativeSeparators(percorso));
        return Esito::Danneggiato;
    }
    q.finish();
    const Esito versione = Schema::Verifica(d, errore);
    if (versione != Esito::Ok)
        return versione;
    if (sola && Schema::VersioneDi(d) != Schema::Versione) {
        errore = QStringLiteral("il registro %1 è vuoto").arg(QDir::toNativeSeparators(percorso));
        return Esito::Mancante;
    }
    if (sola)
        return Esito::Ok;
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        return fallito(q.lastError(), QStringLiteral("impossibile scrivere il registro"));
    q.finish();
    return Schema::Migra(d, errore);
}

Esito Archivio::apri(const QString& percorso, bool crea)
{
    d->chiudi();
    d->errore.clear();
    d->spostato.clear();
    d->percorso = percorso;

    const QFileInfo info(percorso);
    if (!info.exists()) {
        if (!crea) {
            d->errore = QStringLiteral("il registro %1 non esiste").arg(QDir::toNativeSeparators(percorso));
            return Esito::Mancante;
        }
        if (!Schema::CreaFile(percorso, d->errore))
            return Esito::NonScrivibile;
    }
    Esito esito = d->uso.prendi(percorso, d->errore);
    if (esito == Esito::Ok)
        esito = d->apriFile(percorso, crea);
    if (esito == Esito::Ok)
        esito = d->preparaSchema(!crea);
    if (esito == Esito::Danneggiato && crea) {
        d->chiudi();
        const QString motivo = d->errore;
        d->spostato = Schema::SpostaDanneggiato(percorso, d->errore);
        if (d->spostato.isEmpty())
            return Esito::Danneggiato;
        Avvisa(QStringLiteral("%1: spostato in %2, si comincia un registro nuovo")
                   .arg(motivo, QDir::toNativeSeparators(d->spostato)));
        if (!Schema::CreaFile(percorso, d->errore))
            return Esito::NonScrivibile;
        esito = d->uso.prendi(percorso, d->errore);
        if (esito == Esito::Ok)
            esito = d->apriFile(percorso, crea);
        if (esito == Esito::Ok)
            esito = d->preparaSchema(!crea);
    }
    if (esito != Esito::Ok) {
        d->chiudi();
        return esito;
    }
    Schema::SoloProprietario(percorso);
    d->aperto = true;
    return Esito::Ok;
}

bool Archivio::aperto() const { return d->aperto; }
QString Archivio::ultimoErrore() const { return d->errore; }
QString Archivio::fileSpostato() const { return d->spostato; }

std::optional<Bambino> Archivio::Dati::leggiBambino(QSqlQuery& q) const
{
    if (!q.next())
        return std::nullopt;
    return Bambino{q.value(0).toLongLong(), Codici::Uuid(q.value(1)), q.value(2).toString(), q.value(3).toString(),
                   q.value(4).toString()};
}

QList<Bambino> Archivio::bambini() const
{
    QList<Bambino> elenco;
    if (!d->aperto)
        return elenco;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT id, uuid, nome, cognome, simbolo FROM bambini"));
    if (!d->esegui(q, QStringLiteral("impossibile leggere la classe")))
        return elenco;
    while (const auto b = d->leggiBambino(q))
        elenco << *b;
    QCollator ordine;
    ordine.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(elenco.begin(), elenco.end(), [&](const Bambino& a, const Bambino& b) {
        const int c = ordine.compare(a.nome, b.nome);
        return c != 0 ? c < 0 : ordine.compare(a.cognome, b.cognome) < 0;
    });
    return elenco;
}

std::optional<Bambino> Archivio::bambino(qint64 id) const
{
    if (!d->aperto)
        return std::nullopt;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT id, uuid, nome, cognome, simbolo FROM bambini WHERE id = ?"));
    q.addBindValue(id);
    if (!d->esegui(q, QStringLiteral("impossibile leggere la classe")))
        return std::nullopt;
    return d->leggiBambino(q);
}

std::optional<Bambino> Archivio::salva(const Bambino& bambino)
{
    if (!d->aperto)
        return std::nullopt;
    Bambino b = bambino;
    if (b.nome.trimmed().isEmpty()) {
        d->errore = QStringLiteral("il nome non può essere vuoto");
        return std::nullopt;
    }
    const Simbolo* s = TrovaSimbolo(b.simbolo);
    if (!s || s == &SimboloOspite()) {
        d->errore = QStringLiteral("il contrassegno \"%1\" non esiste").arg(b.simbolo);
        return std::nullopt;
    }
    if (b.uuid.isNull())
        b.uuid = QUuid::createUuid();
    QSqlQuery q = d->prepara(
        b.id == 0 ? QStringLiteral("INSERT INTO bambini (uuid, nome, cognome, simbolo) VALUES (?, ?, ?, ?)")
                  : QStringLiteral("UPDATE bambini SET uuid = ?, nome = ?, cognome = ?, simbolo = ? WHERE id = ?"));
    q.addBindValue(Codici::Uuid(b.uuid));
    q.addBindValue(b.nome);
    q.addBindValue(b.cognome.isNull() ? QStringLiteral("") : b.cognome);
    q.addBindValue(b.simbolo);
    if (b.id != 0)
        q.addBindValue(b.id);
    if (!q.exec()) {
        const bool doppio = Schema::Doppione(q.lastError());
        d->fallito(q.lastError(), QStringLiteral("impossibile salvare il bambino"));
        if (doppio)
            d->errore = QStringLiteral("il contrassegno \"%1\" è già di un altro bambino").arg(b.simbolo);
        return std::nullopt;
    }
    if (b.id == 0)
        b.id = q.lastInsertId().toLongLong();
    else if (q.numRowsAffected() != 1) {
        d->errore = QStringLiteral("il bambino non è nella classe");
        return std::nullopt;
    }
    if (b.cognome.isNull())
        b.cognome = QStringLiteral("");
    return b;
}

bool Archivio::salvaTutti(QList<Bambino>& bambini)
{
    if (!d->aperto)
        return false;
    QSqlDatabase db = d->db();
    if (!db.transaction()) {
        d->fallito(db.lastError(), QStringLiteral("impossibile scrivere il registro"));
        return false;
    }
    QList<Bambino> salvati;
    for (const Bambino& b : std::as_const(bambini)) {
        const auto salvato = salva(b);
        if (!salvato) {
            db.rollback();
            return false;
        }
        salvati << *salvato;
    }
    if (!db.commit()) {
        d->fallito(db.lastError(), QStringLiteral("impossibile scrivere il registro"));
        db.rollback();
        return false;
    }
    bambini = salvati;
    return true;
}

int Archivio::risposteDi(qint64 bambino) const
{
    if (!d->aperto)
        return 0;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT count(*) FROM risposte WHERE bambino = ?"));
    q.addBindValue(bambino);
    return d->esegui(q, QStringLiteral("impossibile leggere il registro")) && q.next() ? q.value(0).toInt() : 0;
}

bool Archivio::rimuovi(qint64 bambino)
{
    if (!d->aperto || bambino <= 0)
        return false;
    QSqlDatabase db = d->db();
    if (!db.transaction())
        return d->fallito(db.lastError(), QStringLiteral("impossibile scrivere il registro")), false;
    QSqlQuery risposte = d->prepara(QStringLiteral("DELETE FROM risposte WHERE bambino = ?"));
    risposte.addBindValue(bambino);
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM bambini WHERE id = ?"));
    q.addBindValue(bambino);
    if (d->esegui(risposte, QStringLiteral("impossibile cancellare le risposte"))
        && d->esegui(q, QStringLiteral("impossibile cancellare il bambino")) && q.numRowsAffected() == 1
        && db.commit())
        return true;
    db.rollback();
    return false;
}

bool Archivio::classeEsiste() const
{
    if (!d->aperto)
        return false;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT EXISTS (SELECT 1 FROM bambini)"));
    return d->esegui(q, QStringLiteral("impossibile leggere la classe")) && q.next() && q.value(0).toBool();
}

bool Archivio::Scrivi(QSqlQuery& q, const Risposta& r, qint64 bambino)
{
    q.bindValue(0, Codici::Uuid(r.id.isNull() ? QUuid::createUuid() : r.id));
    q.bindValue(1, r.quando.toMSecsSinceEpoch());
    q.bindValue(2, bambino);
    q.bindValue(3, Codici::Gioco(r.schermo));
    q.bindValue(4, Codici::Domande(r.domande));
    q.bindValue(5, Codici::Blocchi(r.blocchi));
    q.bindValue(6, Codici::TestoRisposta(r.risposta));
    q.bindValue(7, r.esatta ? 1 : 0);
    q.bindValue(8, r.millisecondi);
    return q.exec();
}

Esito Archivio::registra(const Risposta& risposta, qint64 bambino)
{
    return registraTutte({{risposta, bambino}});
}

Esito Archivio::registraTutte(const QList<std::pair<Risposta, qint64>>& risposte)
{
    if (!d->aperto)
        return d->errore.isEmpty() ? Esito::Mancante : Esito::NonScrivibile;
    QSqlDatabase db = d->db();
    if (!db.transaction())
        return d->fallito(db.lastError(), QStringLiteral("impossibile scrivere il registro"));
    QSqlQuery q = d->prepara(QStringLiteral("INSERT OR IGNORE INTO risposte (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                 .arg(QLatin1String(ColonneRisposta)));
    for (const auto& [r, bambino] : risposte)
        if (!Scrivi(q, r, bambino)) {
            const QSqlError e = q.lastError();
            q.finish();
            db.rollback();
            return d->fallito(e, QStringLiteral("impossibile scrivere la risposta"));
        }
    q.finish();
    if (!db.commit()) {
        const QSqlError e = db.lastError();
        db.rollback();
        return d->fallito(e, QStringLiteral("impossibile scrivere la risposta"));
    }
    return Esito::Ok;
}

QList<std::pair<Risposta, qint64>> Archivio::risposte(const Periodo& periodo) const
{
    QList<std::pair<Risposta, qint64>> elenco;
    scorriRisposte(periodo, [&](const Risposta& r, qint64 bambino) { elenco.append({r, bambino}); });
    return elenco;
}

void Archivio::scorriRisposte(const Periodo& periodo,
                              const std::function<void(const Risposta&, qint64)>& ciascuna) const
{
    if (!d->aperto)
        return;
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(
        QStringLiteral("SELECT %1 FROM risposte WHERE quando >= ? AND quando < ? ORDER BY quando, id")
            .arg(QLatin1String(ColonneRisposta)));
    q.addBindValue(dal);
    q.addBindValue(al);
    if (!d->esegui(q, QStringLiteral("impossibile leggere il registro")))
        return;
    while (q.next())
        ciascuna(LeggiRisposta(q), q.value(2).toLongLong());
}

bool Archivio::contiene(const QUuid& id) const
{
    if (!d->aperto)
        return false;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT 1 FROM risposte WHERE uuid = ?"));
    q.addBindValue(Codici::Uuid(id));
    return d->esegui(q, QStringLiteral("impossibile leggere il registro")) && q.next();
}

int Archivio::cancellaRisposteDi(qint64 bambino)
{
    if (!d->aperto || bambino <= 0)
        return 0;
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM risposte WHERE bambino = ?"));
    q.addBindValue(bambino);
    return d->esegui(q, QStringLiteral("impossibile cancellare le risposte")) ? q.numRowsAffected() : 0;
}

int Archivio::cancellaPrimaDi(const QDate& giorno)
{
    if (!d->aperto || !giorno.isValid())
        return 0;
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM risposte WHERE quando < ?"));
    q.addBindValue(giorno.startOfDay().toMSecsSinceEpoch());
    return d->esegui(q, QStringLiteral("impossibile cancellare le risposte")) ? q.numRowsAffected() : 0;
}

QString Archivio::QueryClasse()
{
    return QStringLiteral("SELECT bambino, gioco, total(esatta), count(*) FROM risposte"
                          " WHERE quando >= ? AND quando < ? GROUP BY bambino, gioco");
}

QList<RigaClasse> Archivio::classe(const Periodo& periodo) const
{
    QList<RigaClasse> righe;
    if (!d->aperto)
        return righe;
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(QueryClasse());
    q.addBindValue(dal);
    q.addBindValue(al);
    if (!d->esegui(q, QStringLiteral("impossibile leggere il registro")))
        return righe;
    const int giochi = int(Giochi().size());
    QHash<qint64, QList<Conto>> conti;
    while (q.next()) {
        const QVariant gioco = q.value(1);
        if (gioco.typeId() == QMetaType::QString || gioco.toInt() < 0 || gioco.toInt() >= giochi)
            continue;  // a game this version does not know
        QList<Conto>& riga = conti[q.value(0).toLongLong()];
        riga.resize(giochi);
        const int esatte = int(q.value(2).toLongLong());
        riga[gioco.toInt()] = {esatte, int(q.value(3).toLongLong()) - esatte};
    }
    for (const Bambino& b : bambini())
        righe.append({b, conti.value(b.id, QList<Conto>(giochi))});
    if (conti.contains(0))
        righe.append({Ospite(), conti.value(0)});
    return righe;
}

namespace {

// An answer's counts in the groups it belongs to: each attribute it asked
// about, and conditions with or without "NON".
struct Gruppi {
    Conto *forma, *colore, *dimensione, *spessore, *senzaNon, *conNon;

    void conta(const QList<Domanda>& domande, bool esatta) const
    {
        bool attributo[4] = {}, condizione = false, negata = false;
        static const QStringList nomi{QStringLiteral("forma"), QStringLiteral("colore"),
                                      QStringLiteral("dimensione"), QStringLiteral("spessore")};
        for (const Domanda& d : domande) {
            if (const qsizetype i = nomi.indexOf(d.attributo); i >= 0)
                attributo[i] = true;
            condizione |= !d.valore.isEmpty();
            negata |= d.negata;
        }
        Conto* conti[] = {forma, colore, dimensione, spessore};
        for (int i = 0; i < 4; ++i)
            if (attributo[i])
                Aggiungi(*conti[i], esatta);
        if (condizione)
            Aggiungi(negata ? *conNon : *senzaNon, esatta);
    }
};

// A stored value as bytes that tell text from codes.
QByteArray Grezzo(const QVariant& v)
{
    return v.typeId() == QMetaType::QString ? 'T' + v.toString().toUtf8()
        : v.typeId() == QMetaType::QByteArray ? 'B' + v.toByteArray() : 'N' + v.toByteArray();
}

QString TestoDomande(const QList<Domanda>& domande)
{
    QStringList testi;
    for (const Domanda& d : domande)
        testi << d.testo();
    return testi.join(QStringLiteral(" e "));
}

QString TestoBlocchi(const QList<Blocco>& blocchi)
{
    QStringList nomi;
    for (const Blocco& b : blocchi)
        nomi << b.nome();
    return nomi.join(QStringLiteral(", "));
}

// Wrong answers counted by their stored codes, decoded once each at the end.
class ContaErrori {
public:
    void aggiungi(const QVariant& gioco, const QVariant& domande, const QVariant& blocchi)
    {
        auto& voce = conti[Grezzo(gioco) + '\0' + Grezzo(domande) + '\0' + Grezzo(blocchi)];
        voce.first = {gioco, domande, blocchi};
        ++voce.second;
    }

    // The items most often wrong, most first; ties in the order of their words.
    QList<SchedaBambino::Errore> piuFrequenti(qsizetype quanti) const
    {
        QList<SchedaBambino::Errore> errori;
        for (const auto& [voce, volte] : conti)
            errori.append({DidascaliaGioco(Codici::Schermo(voce[0])), TestoDomande(Codici::Domande(voce[1])),
                           TestoBlocchi(Codici::Blocchi(voce[2])), volte});
        std::sort(errori.begin(), errori.end(), [](const auto& a, const auto& b) {
            return a.volte != b.volte ? a.volte > b.volte
                                      : std::tie(a.gioco, a.domanda, a.blocchi) < std::tie(b.gioco, b.domanda, b.blocchi);
        });
        if (errori.size() > quanti)
            errori.resize(quanti);
        return errori;
    }

private:
    QHash<QByteArray, std::pair<std::array<QVariant, 3>, int>> conti;
};

} // namespace

QString Archivio::TestoDomande(const QList<Domanda>& domande) { return Registro::TestoDomande(domande); }
QString Archivio::TestoBlocchi(const QList<Blocco>& blocchi) { return Registro::TestoBlocchi(blocchi); }

SchedaBambino Archivio::scheda(qint64 bambino, const Periodo& periodo) const
{
    SchedaBambino s;
    if (!d->aperto)
        return s;
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(QStringLiteral("SELECT quando, gioco, domande, blocchi, esatta FROM risposte"
                                            " WHERE bambino = ? AND quando >= ? AND quando < ? ORDER BY quando"));
    q.addBindValue(bambino);
    q.addBindValue(dal);
    q.addBindValue(al);
    if (!d->esegui(q, QStringLiteral("impossibile leggere il registro")))
        return s;
    ContaErrori sbagliati;
    while (q.next()) {
        const bool esatta = q.value(4).toBool();
        const QList<Domanda> domande = Codici::Domande(q.value(2));
        const QDate giorno = QDateTime::fromMSecsSinceEpoch(q.value(0).toLongLong()).date();
        const QDate lunedi = giorno.addDays(1 - giorno.dayOfWeek());
        if (s.settimane.isEmpty() || s.settimane.last().lunedi != lunedi)
            s.settimane.append({lunedi, {}, {}, {}, {}, {}, {}});
        auto& w = s.settimane.last();
        Gruppi{&s.forma, &s.colore, &s.dimensione, &s.spessore, &s.senzaNon, &s.conNon}.conta(domande, esatta);
        Gruppi{&w.forma, &w.colore, &w.dimensione, &w.spessore, &w.senzaNon, &w.conNon}.conta(domande, esatta);
        if (!esatta)
            sbagliati.aggiungi(q.value(1), q.value(2), q.value(3));
    }
    s.piuSbagliati = sbagliati.piuFrequenti(10);
    return s;
}

std::optional<int> Archivio::unisci(const QString& altroFile)
{
    if (!d->aperto) {
        d->errore = QStringLiteral("il registro non è aperto");
        return std::nullopt;
    }
    QTemporaryDir copie;
    const QString file = Schema::PreparaAltro(altroFile, copie.path(), d->errore);
    if (file.isEmpty())
        return std::nullopt;
    QSqlQuery attacca = d->prepara(QStringLiteral("ATTACH DATABASE ? AS altro"));
    attacca.addBindValue(Schema::UriSolaLettura(file));
    if (!d->esegui(attacca, QStringLiteral("impossibile leggere l'altro registro %1").arg(QDir::toNativeSeparators(altroFile))))
        return std::nullopt;
    const auto aggiunte = unisciAttaccato(altroFile);
    QSqlQuery stacca(d->db());
    stacca.exec(QStringLiteral("DETACH DATABASE altro"));
    return aggiunte;
}

std::optional<int> Archivio::unisciAttaccato(const QString& altroFile)
{
    const QString nome = QDir::toNativeSeparators(altroFile);
    if (!Schema::ERegistro(d->db(), QStringLiteral("altro"))) {
        d->errore = QStringLiteral("%1 non è un registro di Tesselo, o è danneggiato").arg(nome);
        return std::nullopt;
    }
    QList<Bambino> altri;
    QSqlQuery leggi = d->prepara(QStringLiteral("SELECT id, uuid, nome, cognome, simbolo FROM altro.bambini"));
    if (!d->esegui(leggi, QStringLiteral("impossibile leggere %1").arg(nome)))
        return std::nullopt;
    while (const auto b = d->leggiBambino(leggi))
        altri << *b;
    leggi.finish();

    QSqlDatabase db = d->db();
    QSqlQuery q(db);
    if (!db.transaction()) {
        d->fallito(db.lastError(), QStringLiteral("impossibile scrivere il registro"));
        return std::nullopt;
    }
    const auto fallisce = [&]() -> std::optional<int> {
        q.finish();
        db.rollback();
        return std::nullopt;
    };
    const auto mappa = mappaBambini(altri);
    if (!mappa)
        return fallisce();
    if (!q.exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS mappa (altro INTEGER PRIMARY KEY, nostro INTEGER)"))
        || !q.exec(QStringLiteral("DELETE FROM temp.mappa"))) {
        d->fallito(q.lastError(), QStringLiteral("impossibile unire il registro"));
        return fallisce();
    }
    q.prepare(QStringLiteral("INSERT INTO temp.mappa (altro, nostro) VALUES (?, ?)"));
    for (auto i = mappa->cbegin(); i != mappa->cend(); ++i) {
        q.bindValue(0, i.key());
        q.bindValue(1, i.value());
        if (!d->esegui(q, QStringLiteral("impossibile unire il registro")))
            return fallisce();
    }
    q.prepare(QStringLiteral("INSERT OR IGNORE INTO main.risposte (%1) SELECT r.uuid, r.quando, coalesce(m.nostro, 0),"
                             " r.gioco, r.domande, r.blocchi, r.risposta, r.esatta, r.millisecondi"
                             " FROM altro.risposte r LEFT JOIN temp.mappa m ON m.altro = r.bambino ORDER BY r.id")
                  .arg(QLatin1String(ColonneRisposta)));
    if (!d->esegui(q, QStringLiteral("impossibile unire il registro")))
        return fallisce();
    const int aggiunte = q.numRowsAffected();
    q.finish();
    if (!db.commit()) {
        d->fallito(db.lastError(), QStringLiteral("impossibile scrivere il registro"));
        return fallisce();
    }
    return aggiunte;
}

std::optional<QHash<qint64, qint64>> Archivio::mappaBambini(const QList<Bambino>& altri)
{
    QHash<qint64, qint64> mappa;
    QList<Bambino> nostri = bambini();
    for (const Bambino& a : altri) {
        const auto stesso = std::find_if(nostri.cbegin(), nostri.cend(), [&](const Bambino& b) {
            return b.uuid == a.uuid;
        });
        const auto omonimo = std::find_if(nostri.cbegin(), nostri.cend(), [&](const Bambino& b) {
            return b.nome.compare(a.nome, Qt::CaseInsensitive) == 0
                && b.cognome.compare(a.cognome, Qt::CaseInsensitive) == 0;
        });
        const auto trovato = stesso != nostri.cend() ? stesso : omonimo;
        if (trovato != nostri.cend()) {
            mappa.insert(a.id, trovato->id);
            continue;
        }
        Bambino nuovo = a;
        nuovo.id = 0;
        if (std::any_of(nostri.cbegin(), nostri.cend(), [&](const Bambino& b) { return b.simbolo == a.simbolo; })
            || !TrovaSimbolo(a.simbolo)) {
            const auto libero = SimboloLibero(nostri);
            if (!libero) {
                d->errore = QStringLiteral("non ci sono più contrassegni liberi per %1").arg(a.nomeCompleto());
                return std::nullopt;
            }
            nuovo.simbolo = *libero;
        }
        const auto salvato = salva(nuovo);
        if (!salvato)
            return std::nullopt;
        nostri.append(*salvato);
        mappa.insert(a.id, salvato->id);
    }
    return mappa;
}

std::optional<QString> SimboloLibero(const QList<Bambino>& classe)
{
    for (const Simbolo& s : Simboli()) {
        const QString chiave = QString::fromLatin1(s.chiave);
        if (std::none_of(classe.cbegin(), classe.cend(), [&](const Bambino& b) { return b.simbolo == chiave; }))
            return chiave;
    }
    return std::nullopt;
}

} // namespace Registro
