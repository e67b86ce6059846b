#include "registro/Archivio.h"
#include "registro/ArchivioDati.h"

#include "registro/Avviso.h"
#include "registro/Codici.h"
#include "registro/Giochi.h"
#include "registro/Schema.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace Registro {

namespace {

// An answer's columns as LeggiRisposta reads them, its path, step and attempt
// last.
const char* const ColonneRisposta =
    "uuid, quando, bambino, gioco, domande, blocchi, risposta, esatta, millisecondi, percorso, passo, tentativo";
constexpr int ColonnaPercorso = 9;
// A child's group only when it is one of the child's class, whatever the
// file says.
const char* const ColonneBambino = "id, uuid, nome, cognome, simbolo,"
    " (SELECT g.id FROM gruppi g WHERE g.id = bambini.gruppo AND g.classe = bambini.classe)";

} // namespace

Risposta LeggiRisposta(const QSqlQuery& q, int primo, int percorso)
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
    if (percorso < 0)
        return r;
    if (!q.value(percorso).isNull()) {
        r.percorso = Codici::Uuid(q.value(percorso));
        r.passo = r.percorso.isNull() ? 0 : q.value(percorso + 1).toInt();
    }
    r.tentativo = std::clamp(q.value(percorso + 2).toInt(), 1, int(Risposta::MassimoTentativo));
    return r;
}

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

Accesso Archivio::Dati::apriFile(const QString& file, bool crea)
{
    static QAtomicInteger<quint64> contatore;
    connessione = QStringLiteral("tesselo-registro-%1").arg(contatore.fetchAndAddRelaxed(1));
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connessione);
    d.setDatabaseName(file);
    d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1;QSQLITE_OPEN_URI").arg(Schema::AttesaMs)
                        + (crea ? QString() : QStringLiteral(";QSQLITE_OPEN_READONLY")));
    if (!d.open())
        return fallito(d.lastError(), QStringLiteral("impossibile aprire il registro"));
    return Accesso::Ok;
}

Accesso Archivio::Dati::controlla()
{
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return fallito(q.lastError(), QStringLiteral("impossibile leggere il registro"));
    if (!q.next() || q.value(0).toString() != QLatin1String("ok")) {
        errore = QStringLiteral("il registro %1 non ha superato il controllo di integrità")
                     .arg(QDir::toNativeSeparators(percorso));
        return Accesso::Danneggiato;
    }
    return Accesso::Ok;
}

Accesso Archivio::Dati::preparaSchema(bool sola, Controllo controllo)
{
    QSqlDatabase d = db();
    QSqlQuery q(d);
    if (controllo == Controllo::Completo)
        if (const Accesso esito = controlla(); esito != Accesso::Ok)
            return esito;
    // The first read of the file: a lock held by another program says so
    // here, rather than passing for a version that cannot be read.
    if (!q.exec(QStringLiteral("PRAGMA user_version")))
        return fallito(q.lastError(), QStringLiteral("impossibile leggere il registro"));
    q.finish();
    const Accesso versione = Schema::Verifica(d, errore);
    if (versione != Accesso::Ok)
        return versione;
    if (sola && Schema::VersioneDi(d) != Schema::Versione) {
        errore = QStringLiteral("il registro %1 è vuoto").arg(QDir::toNativeSeparators(percorso));
        return Accesso::Mancante;
    }
    if (sola)
        return Accesso::Ok;
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        return fallito(q.lastError(), QStringLiteral("impossibile scrivere il registro"));
    q.finish();
    return Schema::Migra(d, errore);
}

Accesso Archivio::apri(const QString& percorso, bool crea, Controllo controllo)
{
    d->chiudi();
    d->errore.clear();
    d->spostato.clear();
    d->percorso = percorso;

    const QFileInfo info(percorso);
    if (!info.exists()) {
        if (!crea) {
            d->errore = QStringLiteral("il registro %1 non esiste").arg(QDir::toNativeSeparators(percorso));
            return Accesso::Mancante;
        }
        if (!Schema::CreaFile(percorso, d->errore))
            return Accesso::NonScrivibile;
    }
    Accesso esito = d->uso.prendi(percorso, d->errore);
    if (esito == Accesso::Ok)
        esito = d->apriFile(percorso, crea);
    if (esito == Accesso::Ok)
        esito = d->preparaSchema(!crea, controllo);
    if (esito == Accesso::Danneggiato && crea) {
        d->chiudi();
        const QString motivo = d->errore;
        d->spostato = Schema::SpostaDanneggiato(percorso, d->errore);
        if (d->spostato.isEmpty())
            return Accesso::Danneggiato;
        Avvisa(QStringLiteral("%1: spostato in %2, si comincia un registro nuovo")
                   .arg(motivo, QDir::toNativeSeparators(d->spostato)));
        if (!Schema::CreaFile(percorso, d->errore))
            return Accesso::NonScrivibile;
        esito = d->uso.prendi(percorso, d->errore);
        if (esito == Accesso::Ok)
            esito = d->apriFile(percorso, crea);
        if (esito == Accesso::Ok)
            esito = d->preparaSchema(!crea, controllo);
    }
    if (esito != Accesso::Ok) {
        d->chiudi();
        return esito;
    }
    Schema::SoloProprietario(percorso);
    d->aperto = true;
    scegliSeUnica();
    return Accesso::Ok;
}

QList<Classe> Archivio::classi() const
{
    QList<Classe> elenco;
    if (!d->aperto)
        return elenco;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT id, uuid, nome, anno_scolastico, leggi_domande FROM classi"));
    if (!leggi(q, QStringLiteral("impossibile leggere le classi")))
        return elenco;
    while (q.next())
        elenco << Classe{q.value(0).toLongLong(), Codici::Uuid(q.value(1)), NomePulito(q.value(2).toString()),
                         q.value(3).toString(), q.value(4).toInt() != 0};
    OrdinaClassi(elenco);
    return elenco;
}

bool Archivio::Dati::scriviClasse(const Classe& c, bool nuova, bool conImpostazioni)
{
    QSqlQuery q = prepara(nuova ? QStringLiteral("INSERT INTO classi (uuid, nome, anno_scolastico, leggi_domande)"
                                                 " VALUES (?, ?, ?, ?)")
                                : QStringLiteral("UPDATE classi SET nome = ?, anno_scolastico = ?,"
                                                 " leggi_domande = coalesce(?, leggi_domande) WHERE id = ?"));
    if (nuova)
        q.addBindValue(Codici::Uuid(c.uuid));
    q.addBindValue(c.nome);
    q.addBindValue(c.annoScolastico);
    q.addBindValue(conImpostazioni ? QVariant(c.leggiDomande ? 1 : 0) : QVariant());
    if (!nuova)
        q.addBindValue(c.id);
    if (!q.exec()) {
        const bool doppia = Schema::Doppione(q.lastError());
        fallito(q.lastError(), QStringLiteral("impossibile salvare la classe"));
        if (doppia)
            errore = QStringLiteral("c'è già una classe %1").arg(NomeConAnno(c));
        return false;
    }
    if (!nuova && q.numRowsAffected() != 1) {
        errore = QStringLiteral("la classe non è nel registro");
        return false;
    }
    return true;
}

std::optional<Classe> Archivio::salvaClasse(const Classe& classe)
{
    if (!d->aperto)
        return std::nullopt;
    Classe c = classe;
    c.nome = NomePulito(c.nome);
    if (QString motivo = ControllaClasse(c); !motivo.isEmpty()) {
        d->errore = std::move(motivo);
        return std::nullopt;
    }
    const bool nuova = c.id == 0;
    if (nuova && c.uuid.isNull())
        c.uuid = QUuid::createUuid();
    if (!d->scriviClasse(c, nuova, true))
        return std::nullopt;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT id, uuid, leggi_domande FROM classi"
                                            " WHERE nome = ? AND anno_scolastico = ?"));
    q.addBindValue(c.nome);
    q.addBindValue(c.annoScolastico);
    if (!d->esegui(q, QStringLiteral("impossibile leggere le classi")) || !q.next())
        return std::nullopt;
    c.id = q.value(0).toLongLong();
    c.uuid = Codici::Uuid(q.value(1));
    c.leggiDomande = q.value(2).toInt() != 0;
    return c;
}

bool Archivio::rimuoviClasse(qint64 id)
{
    if (!d->aperto)
        return false;
    QSqlQuery q = d->prepara(QStringLiteral(
        "DELETE FROM classi WHERE id = ? AND NOT EXISTS (SELECT 1 FROM bambini WHERE classe = classi.id)"
        " AND NOT EXISTS (SELECT 1 FROM risposte WHERE classe = classi.id)"));
    q.addBindValue(id);
    if (!d->esegui(q, QStringLiteral("impossibile rimuovere la classe")))
        return false;
    if (q.numRowsAffected() != 1) {
        d->errore = QStringLiteral("la classe non è nel registro, o ha ancora bambini o risposte");
        return false;
    }
    if (classeId == id)
        classeId = 0;
    return true;
}

bool Archivio::nuovoAnno(const QList<Classe>& classi)
{
    if (!d->aperto)
        return false;
    QList<Classe> nuove;
    for (Classe c : classi) {
        c.nome = NomePulito(c.nome);
        if (QString motivo = ControllaClasse(c); !motivo.isEmpty()) {
            d->errore = QStringLiteral("%1: %2").arg(c.nome, motivo);
            return false;
        }
        nuove << c;
    }
    if (!inizia())
        return false;
    // Each class first takes a name no class can have (a NUL is cleaned
    // out of every name), so that two classes may swap names, or one take
    // the name another leaves; then each its new name.
    QSqlQuery provvisorio = d->prepara(QStringLiteral("UPDATE classi SET nome = char(0) || id WHERE id = ?"));
    for (const Classe& c : std::as_const(nuove)) {
        provvisorio.addBindValue(c.id);
        const bool fatto = d->esegui(provvisorio, QStringLiteral("impossibile cambiare anno"));
        if (fatto && provvisorio.numRowsAffected() != 1)
            d->errore = QStringLiteral("la classe %1 non è nel registro").arg(c.nome);
        if (!fatto || provvisorio.numRowsAffected() != 1) {
            annulla();
            return false;
        }
    }
    for (const Classe& c : std::as_const(nuove))
        if (!d->scriviClasse(c, false, false)) {
            annulla();
            return false;
        }
    return concludi();
}

bool Archivio::spostaBambino(qint64 bambino, qint64 classe)
{
    if (!d->aperto)
        return false;
    const auto b = bambino > 0 ? Archivio::bambinoDi(bambino) : std::nullopt;
    if (!b) {
        d->errore = QStringLiteral("il bambino non è nel registro");
        return false;
    }
    const QList<Classe> tutte = classi();
    if (std::none_of(tutte.cbegin(), tutte.cend(), [&](const Classe& c) { return c.id == classe; })) {
        d->errore = QStringLiteral("la classe non è nel registro");
        return false;
    }
    if (!inizia())
        return false;
    QSqlQuery q = d->prepara(QStringLiteral("UPDATE bambini SET classe = ? WHERE id = ?"));
    q.addBindValue(classe);
    q.addBindValue(bambino);
    if (!q.exec()) {
        const bool doppio = Schema::Doppione(q.lastError());
        d->fallito(q.lastError(), QStringLiteral("impossibile spostare il bambino"));
        if (doppio)
            d->errore = QStringLiteral("il contrassegno \"%1\" è già di un bambino di quella classe").arg(b->simbolo);
        annulla();
        return false;
    }
    QSqlQuery risposte = d->prepara(QStringLiteral("UPDATE risposte SET classe = ? WHERE bambino = ?"));
    risposte.addBindValue(classe);
    risposte.addBindValue(bambino);
    if (!d->esegui(risposte, QStringLiteral("impossibile spostare le risposte"))) {
        annulla();
        return false;
    }
    return concludi();
}

Accesso Archivio::controlla()
{
    if (!d->aperto)
        return Accesso::Mancante;
    d->errore.clear();
    return d->controlla();
}

bool Archivio::aperto() const { return d->aperto; }
QString Archivio::descrizione() const
{
    return QCoreApplication::translate("Registro", "Registro: %1").arg(QDir::toNativeSeparators(d->percorso));
}
QString Archivio::ultimoErrore() const { return d->errore; }
QString Archivio::fileSpostato() const { return d->spostato; }
QString Archivio::file() const { return d->percorso; }

Deposito::AltraLettura Archivio::altraLettura() const
{
    if (!d->aperto)
        return {};
    const std::optional<Classe> scelta = classeScelta();
    return [percorso = d->percorso, classe = scelta ? scelta->id : 0]() -> std::unique_ptr<Deposito> {
        auto altra = std::make_unique<Archivio>();
        // This connection has checked and migrated the file already: the
        // other one reads its header and schema, as every opening does.
        if (altra->apri(percorso, false, Controllo::Rapido) != Accesso::Ok)
            return nullptr;
        if (classe && !altra->scegliClasse(classe))
            return nullptr;
        return altra;
    };
}

bool Archivio::leggi(QSqlQuery& q, const QString& cosa) const
{
    if (d->esegui(q, cosa))
        return true;
    letturaFallita(d->errore);
    return false;
}

std::optional<Bambino> Archivio::Dati::leggiBambino(QSqlQuery& q) const
{
    if (!q.next())
        return std::nullopt;
    // Names are shown as read: a register written before names were cleaned
    // on the way in may still hold direction controls.
    return Bambino{q.value(0).toLongLong(), Codici::Uuid(q.value(1)), NomePulito(q.value(2).toString()),
                   NomePulito(q.value(3).toString()), q.value(4).toString(), q.value(5).toLongLong()};
}

QList<Bambino> Archivio::bambini() const
{
    QList<Bambino> elenco;
    if (!d->aperto)
        return elenco;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT %1 FROM bambini WHERE classe = ?").arg(QLatin1String(ColonneBambino)));
    q.addBindValue(classeId);
    if (!leggi(q, QStringLiteral("impossibile leggere la classe")))
        return elenco;
    while (const auto b = d->leggiBambino(q))
        elenco << *b;
    Ordina(elenco);
    return elenco;
}

std::optional<Bambino> Archivio::bambino(qint64 id) const
{
    const auto b = bambinoDi(id);
    return b && classeDi(id) == classeId ? b : std::nullopt;
}

std::optional<Bambino> Archivio::bambinoDi(qint64 id) const
{
    if (!d->aperto)
        return std::nullopt;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT %1 FROM bambini WHERE id = ?").arg(QLatin1String(ColonneBambino)));
    q.addBindValue(id);
    if (!leggi(q, QStringLiteral("impossibile leggere la classe")))
        return std::nullopt;
    return d->leggiBambino(q);
}

qint64 Archivio::classeDi(qint64 bambino) const
{
    if (!d->aperto)
        return 0;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT classe FROM bambini WHERE id = ?"));
    q.addBindValue(bambino);
    return leggi(q, QStringLiteral("impossibile leggere la classe")) && q.next() ? q.value(0).toLongLong() : 0;
}

std::optional<Bambino> Archivio::salva(const Bambino& bambino)
{
    const std::optional<Bambino> valido = daSalvare(bambino, d->errore);
    if (!valido)
        return std::nullopt;
    if (QString motivo = senzaClasse(); !motivo.isEmpty()) {
        d->errore = std::move(motivo);
        return std::nullopt;
    }
    Bambino b = *valido;
    if (b.uuid.isNull())
        b.uuid = QUuid::createUuid();
    if (b.gruppo != 0 && !d->dellaClasse("gruppi", b.gruppo, classeId, QStringLiteral("il gruppo non è nella classe")))
        return std::nullopt;
    QSqlQuery q = d->prepara(
        b.id == 0
            ? QStringLiteral("INSERT INTO bambini (uuid, nome, cognome, simbolo, gruppo, classe) VALUES (?, ?, ?, ?, ?, ?)")
            : QStringLiteral("UPDATE bambini SET uuid = ?, nome = ?, cognome = ?, simbolo = ?, gruppo = ?"
                             " WHERE classe = ? AND id = ?"));
    q.addBindValue(Codici::Uuid(b.uuid));
    q.addBindValue(b.nome);
    q.addBindValue(b.cognome.isNull() ? QStringLiteral("") : b.cognome);
    q.addBindValue(b.simbolo);
    q.addBindValue(b.gruppo == 0 ? QVariant() : QVariant(b.gruppo));
    q.addBindValue(classeId);
    if (b.id != 0)
        q.addBindValue(b.id);
    if (!q.exec()) {
        const bool doppio = Schema::Doppione(q.lastError());
        d->fallito(q.lastError(), QStringLiteral("impossibile salvare il bambino"));
        if (doppio)
            d->errore = q.lastError().databaseText().contains(QLatin1String("bambini.uuid"))
                ? QStringLiteral("%1 è già in un'altra classe di questo registro").arg(b.nomeCompleto())
                : QStringLiteral("il contrassegno \"%1\" è già di un altro bambino").arg(b.simbolo);
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

// The write lock is taken at the start, so that a transaction that cannot
// have it fails there, before it has written anything, and can simply be
// begun again.
bool Archivio::inizia()
{
    QSqlQuery q(d->db());
    if (q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return true;
    d->fallito(q.lastError(), QStringLiteral("impossibile scrivere il registro"));
    return false;
}

bool Archivio::concludi()
{
    if (d->db().commit())
        return true;
    d->fallito(d->db().lastError(), QStringLiteral("impossibile scrivere il registro"));
    d->db().rollback();
    return false;
}

void Archivio::annulla()
{
    d->db().rollback();
}

int Archivio::risposteDi(qint64 bambino) const
{
    if (!d->aperto)
        return 0;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT count(*) FROM risposte WHERE classe = ? AND bambino = ?"));
    q.addBindValue(classeId);
    q.addBindValue(bambino);
    return leggi(q, QStringLiteral("impossibile leggere il registro")) && q.next() ? q.value(0).toInt() : 0;
}

bool Archivio::rimuovi(qint64 bambino)
{
    if (!d->aperto || bambino <= 0)
        return false;
    QSqlDatabase db = d->db();
    if (!db.transaction())
        return d->fallito(db.lastError(), QStringLiteral("impossibile scrivere il registro")), false;
    // A child of another class is not this class's to remove: the child's
    // row goes first, and nothing is deleted unless it was there.
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM bambini WHERE classe = ? AND id = ?"));
    q.addBindValue(classeId);
    q.addBindValue(bambino);
    QSqlQuery risposte = d->prepara(QStringLiteral("DELETE FROM risposte WHERE bambino = ?"));
    risposte.addBindValue(bambino);
    if (d->esegui(q, QStringLiteral("impossibile cancellare il bambino")) && q.numRowsAffected() == 1
        && d->esegui(risposte, QStringLiteral("impossibile cancellare le risposte")) && db.commit())
        return true;
    db.rollback();
    return false;
}

bool Archivio::classeEsiste() const
{
    if (!d->aperto)
        return false;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT EXISTS (SELECT 1 FROM bambini WHERE classe = ?)"));
    q.addBindValue(classeId);
    return leggi(q, QStringLiteral("impossibile leggere la classe")) && q.next() && q.value(0).toBool();
}

bool Archivio::Scrivi(QSqlQuery& q, const Risposta& r, qint64 bambino, qint64 classe)
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
    // A path and its step together, or neither.
    q.bindValue(9, r.conPercorso() ? QVariant(Codici::Uuid(r.percorso)) : QVariant());
    q.bindValue(10, r.conPercorso() ? QVariant(r.passo) : QVariant());
    q.bindValue(11, std::clamp(r.tentativo, 1, int(Risposta::MassimoTentativo)));
    q.bindValue(12, bambino);
    q.bindValue(13, classe == 0 ? QVariant() : QVariant(classe));
    return q.exec();
}

Accesso Archivio::registraTutte(const QList<std::pair<Risposta, qint64>>& risposte)
{
    if (!d->aperto)
        return d->errore.isEmpty() ? Accesso::Mancante : Accesso::NonScrivibile;
    // A child's answer goes to the child's class, a guest's to the chosen
    // one, which there must be.
    if (classeId == 0
        && std::any_of(risposte.cbegin(), risposte.cend(), [](const auto& r) { return r.second == 0; })) {
        d->errore = senzaClasse();
        return Accesso::NonScrivibile;
    }
    QSqlDatabase db = d->db();
    if (!db.transaction())
        return d->fallito(db.lastError(), QStringLiteral("impossibile scrivere il registro"));
    QSqlQuery q = d->prepara(QStringLiteral("INSERT OR IGNORE INTO risposte (%1, classe) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
                                            " coalesce((SELECT classe FROM bambini WHERE id = ?), ?))")
                                 .arg(QLatin1String(ColonneRisposta)));
    for (const auto& [r, bambino] : risposte)
        if (!Scrivi(q, r, bambino, classeId)) {
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
    return Accesso::Ok;
}

void Archivio::scorriRisposte(const Periodo& periodo,
                              const std::function<void(const Risposta&, qint64)>& ciascuna) const
{
    if (!d->aperto)
        return;
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(
        QStringLiteral("SELECT %1 FROM risposte WHERE classe = ? AND quando >= ? AND quando < ? ORDER BY quando, id")
            .arg(QLatin1String(ColonneRisposta)));
    q.addBindValue(classeId);
    q.addBindValue(dal);
    q.addBindValue(al);
    if (!leggi(q, QStringLiteral("impossibile leggere il registro")))
        return;
    while (q.next())
        ciascuna(LeggiRisposta(q, 0, ColonnaPercorso), q.value(2).toLongLong());
}

bool Archivio::contiene(const QUuid& id) const
{
    if (!d->aperto)
        return false;
    QSqlQuery q = d->prepara(QStringLiteral("SELECT 1 FROM risposte WHERE uuid = ?"));
    q.addBindValue(Codici::Uuid(id));
    return leggi(q, QStringLiteral("impossibile leggere il registro")) && q.next();
}

int Archivio::cancellaRisposteDi(qint64 bambino)
{
    if (!d->aperto || bambino <= 0)
        return 0;
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM risposte WHERE classe = ? AND bambino = ?"));
    q.addBindValue(classeId);
    q.addBindValue(bambino);
    return d->esegui(q, QStringLiteral("impossibile cancellare le risposte")) ? q.numRowsAffected() : 0;
}

int Archivio::cancellaPrimaDi(const QDate& giorno)
{
    if (!d->aperto || !giorno.isValid())
        return 0;
    QSqlQuery q = d->prepara(QStringLiteral("DELETE FROM risposte WHERE classe = ? AND quando < ?"));
    q.addBindValue(classeId);
    q.addBindValue(giorno.startOfDay().toMSecsSinceEpoch());
    return d->esegui(q, QStringLiteral("impossibile cancellare le risposte")) ? q.numRowsAffected() : 0;
}

QString Archivio::QueryClasse()
{
    // Right and all first answers, and retries, from the index risposte_classe alone.
    return QStringLiteral("SELECT bambino, gioco, total(tentativo = 1 AND esatta), total(tentativo = 1),"
                          " total(tentativo > 1) FROM risposte"
                          " WHERE quando >= ? AND quando < ? AND classe = ? GROUP BY bambino, gioco");
}

QList<RigaClasse> Archivio::classe(const Periodo& periodo) const
{
    if (!d->aperto)
        return {};
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(QueryClasse());
    q.addBindValue(dal);
    q.addBindValue(al);
    q.addBindValue(classeId);
    if (!leggi(q, QStringLiteral("impossibile leggere il registro")))
        return {};
    QHash<qint64, QList<Conto>> conti;
    while (q.next()) {
        const QVariant gioco = q.value(1);
        if (gioco.typeId() == QMetaType::QString)
            continue;  // a game this version does not know
        ContaGioco(conti, q.value(0).toLongLong(), gioco.toInt(), int(q.value(2).toLongLong()),
                   int(q.value(3).toLongLong()), int(q.value(4).toLongLong()));
    }
    return ComponiClasse(bambini(), conti);
}

namespace {

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

} // namespace

QString Archivio::TestoDomande(const QList<Domanda>& domande) { return Registro::TestoDomande(domande); }
QString Archivio::TestoBlocchi(const QList<Blocco>& blocchi) { return Registro::TestoBlocchi(blocchi); }

SchedaBambino Archivio::scheda(qint64 bambino, const Periodo& periodo) const
{
    if (!d->aperto)
        return {};
    const auto [dal, al] = Estremi(periodo);
    QSqlQuery q = d->prepara(QStringLiteral("SELECT quando, gioco, domande, blocchi, esatta, tentativo, risposta,"
                                            " millisecondi FROM risposte"
                                            " WHERE classe = ? AND bambino = ? AND quando >= ? AND quando < ? ORDER BY quando, id"));
    q.addBindValue(classeId);
    q.addBindValue(bambino);
    q.addBindValue(dal);
    q.addBindValue(al);
    if (!leggi(q, QStringLiteral("impossibile leggere il registro")))
        return {};
    return LeggiScheda(q, {[](const QVariant& v) { return Codici::Schermo(v); },
                           [](const QVariant& v) { return Codici::Domande(v); },
                           [](const QVariant& v) { return Codici::Blocchi(v); },
                           [](const QVariant& v) { return Codici::TestoRisposta(v); }});
}

std::optional<int> Archivio::unisci(const QString& altroFile, const ChiediIdentita& chiedi)
{
    if (!d->aperto) {
        d->errore = QStringLiteral("il registro non è aperto");
        return std::nullopt;
    }
    // Values already checked, written as the other register stores them.
    QSqlQuery q = d->prepara(QStringLiteral("INSERT OR IGNORE INTO risposte (%1, classe)"
                                            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                 .arg(QLatin1String(ColonneRisposta)));
    const auto scrivi = [&](const QSqlQuery& riga, qint64 nostro, int& aggiunte) {
        for (int i = 0; i < ColonnaPercorso + 3; ++i)
            q.bindValue(i, i == 2 ? QVariant(nostro) : riga.value(i));
        q.bindValue(ColonnaPercorso + 3, classeId);
        if (!d->esegui(q, QStringLiteral("impossibile unire il registro")))
            return false;
        aggiunte += q.numRowsAffected();
        return true;
    };
    return unisciCon(altroFile, chiedi, d->errore, scrivi,
                     [this](const QList<PercorsoSalvato>& suoi) { return aggiungiPercorsi(suoi); });
}

} // namespace Registro
