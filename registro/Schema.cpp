#include "registro/Schema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QtEndian>

#include <map>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <vector>

namespace Registro::Schema {

namespace {

// The answers' triggers: every answer joins the queue of those not yet on
// the school's server when stored, and leaves it, and the refused ones,
// when deleted. Made again whenever the answers' table is.
const QString InCoda = QStringLiteral("CREATE TRIGGER in_coda AFTER INSERT ON risposte"
                                      " BEGIN INSERT INTO da_inviare VALUES (new.id); END");
const QString FuoriCoda = QStringLiteral("CREATE TRIGGER fuori_coda AFTER DELETE ON risposte"
                                         " BEGIN DELETE FROM da_inviare WHERE risposta = old.id; END");
const QString FuoriRifiutate = QStringLiteral("CREATE TRIGGER fuori_rifiutate AFTER DELETE ON risposte"
                                              " BEGIN DELETE FROM rifiutate WHERE risposta = old.id; END");
// The answers' columns of the first version, in order.
const char* const ColonneRisposte = "id, uuid, quando, bambino, gioco, domande, blocchi, risposta, esatta, millisecondi";

// Each step brings the schema from its index's version to the next. Columns
// without a type keep what is stored: codes as integers or bytes, and text
// for what has no code.
const QList<QStringList> Migrazioni{
    // 0 -> 1: the class and the answers.
    {QStringLiteral("CREATE TABLE bambini ("
                    " id INTEGER PRIMARY KEY,"
                    " uuid BLOB NOT NULL UNIQUE,"
                    " nome TEXT NOT NULL,"
                    " cognome TEXT NOT NULL DEFAULT '',"
                    " simbolo TEXT NOT NULL UNIQUE)"),
     QStringLiteral("CREATE TABLE risposte ("
                    " id INTEGER PRIMARY KEY,"
                    " uuid BLOB NOT NULL UNIQUE,"
                    " quando INTEGER NOT NULL,"      // milliseconds since the epoch
                    " bambino INTEGER NOT NULL DEFAULT 0,"  // 0: a guest
                    " gioco,"                        // the game's code, or the screen's name
                    " domande,"
                    " blocchi,"
                    " risposta,"
                    " esatta INTEGER NOT NULL,"
                    " millisecondi INTEGER NOT NULL)"),
     // The class at a glance reads this index alone, not the answers.
     QStringLiteral("CREATE INDEX risposte_classe ON risposte (bambino, gioco, quando, esatta)")},
    // 1 -> 2: the queue of answers not yet on the school's server. Every
    // answer joins it when stored, whatever wrote it (the game, a merge), and
    // leaves it when stored elsewhere or deleted; the answers already kept
    // join it too, so that a server set up later receives them.
    {QStringLiteral("CREATE TABLE da_inviare (risposta INTEGER PRIMARY KEY)"),
     QStringLiteral("INSERT INTO da_inviare SELECT id FROM risposte"),
     InCoda,
     FuoriCoda},
    // 2 -> 3: answers the school's server refused (a check, a child no
    // longer there), out of the queue and kept with the server's reason, so
    // that one answer never holds back the others; and a random id of this
    // register, which names its queue on the server apart from a cloned
    // computer's with the same host name.
    {QStringLiteral("CREATE TABLE rifiutate ("
                    " risposta INTEGER PRIMARY KEY,"
                    " quando INTEGER NOT NULL,"      // milliseconds since the epoch
                    " motivo TEXT NOT NULL)"),
     FuoriRifiutate,
     QStringLiteral("CREATE TABLE questo_registro (unico INTEGER PRIMARY KEY CHECK (unico = 1), id BLOB NOT NULL)"),
     QStringLiteral("INSERT INTO questo_registro VALUES (1, randomblob(16))")},
    // 3 -> 4: classes. Every register starts with the one class it held
    // before, "La mia classe" of the current school year (1 September
    // starts one), with a uuid the same everywhere; its children and answers
    // are in it (the columns' default, its id). The children's table is made
    // anew for a symbol unique within a class, keeping ids and uuids, and
    // the answers' for their class: a guest's answer keeps the class chosen
    // when it was given. The class at a glance reads the index of its own
    // class alone. Every statement holds on a file whose tables are already
    // of this version, whatever its stamp says.
    {QStringLiteral("CREATE TABLE IF NOT EXISTS classi ("
                    " id INTEGER PRIMARY KEY,"
                    " uuid BLOB NOT NULL UNIQUE,"
                    " nome TEXT NOT NULL,"
                    " anno_scolastico TEXT NOT NULL,"
                    " UNIQUE (nome, anno_scolastico))"),
     QStringLiteral("INSERT OR IGNORE INTO classi (id, uuid, nome, anno_scolastico)"
                    " VALUES (1, x'7e55e110c1a54e008000000000000001', 'La mia classe',"
                    " strftime('%Y', 'now', 'localtime', '-8 months') || '/'"
                    " || substr(strftime('%Y', 'now', 'localtime', '+4 months'), 3))"),
     QStringLiteral("CREATE TABLE bambini_classi ("
                    " id INTEGER PRIMARY KEY,"
                    " uuid BLOB NOT NULL UNIQUE,"
                    " classe INTEGER NOT NULL DEFAULT 1 REFERENCES classi (id),"
                    " nome TEXT NOT NULL,"
                    " cognome TEXT NOT NULL DEFAULT '',"
                    " simbolo TEXT NOT NULL,"
                    " UNIQUE (classe, simbolo))"),
     QStringLiteral("INSERT INTO bambini_classi (id, uuid, classe, nome, cognome, simbolo)"
                    " SELECT id, uuid, 1, nome, cognome, simbolo FROM bambini"),
     QStringLiteral("DROP TABLE bambini"),
     QStringLiteral("ALTER TABLE bambini_classi RENAME TO bambini"),
     QStringLiteral("CREATE TABLE risposte_classi ("
                    " id INTEGER PRIMARY KEY,"
                    " uuid BLOB NOT NULL UNIQUE,"
                    " quando INTEGER NOT NULL,"
                    " bambino INTEGER NOT NULL DEFAULT 0,"
                    " gioco,"
                    " domande,"
                    " blocchi,"
                    " risposta,"
                    " esatta INTEGER NOT NULL,"
                    " millisecondi INTEGER NOT NULL,"
                    " classe INTEGER NOT NULL DEFAULT 1 REFERENCES classi (id))"),
     QStringLiteral("INSERT INTO risposte_classi (%1) SELECT %1 FROM risposte").arg(QLatin1String(ColonneRisposte)),
     QStringLiteral("DROP TABLE risposte"),
     QStringLiteral("ALTER TABLE risposte_classi RENAME TO risposte"),
     InCoda,
     FuoriCoda,
     FuoriRifiutate,
     QStringLiteral("CREATE INDEX risposte_classe ON risposte (classe, bambino, gioco, quando, esatta)")},
    // 4 -> 5: learning paths. A class's groups and paths, each path kept as
    // its file holds it; the path of the class, of each group and of each
    // child; the path and step each answer was given under (no reference:
    // an answer outlives its path), with the index that counts a child's
    // progress; and the right answers under a path that the school's server
    // holds from other computers. The connection does not enforce foreign
    // keys, so triggers do what their clauses say: a class takes its groups
    // and paths with it, a group or path gone leaves nobody assigned to it,
    // a child gone takes their answers from elsewhere, and a child moved to
    // another class leaves their group and path behind. As the step before,
    // every statement holds on a file whose tables are already of this
    // version (a column already there is added; see Migra).
    {QStringLiteral("CREATE TABLE IF NOT EXISTS percorsi ("
                    " id INTEGER PRIMARY KEY,"
                    " uuid BLOB NOT NULL UNIQUE,"
                    " classe INTEGER NOT NULL REFERENCES classi (id) ON DELETE CASCADE,"
                    " nome TEXT NOT NULL,"
                    " dati TEXT NOT NULL,"
                    " UNIQUE (classe, nome))"),
     QStringLiteral("CREATE TABLE IF NOT EXISTS gruppi ("
                    " id INTEGER PRIMARY KEY,"
                    " uuid BLOB NOT NULL UNIQUE,"
                    " classe INTEGER NOT NULL REFERENCES classi (id) ON DELETE CASCADE,"
                    " nome TEXT NOT NULL,"
                    " percorso INTEGER REFERENCES percorsi (id) ON DELETE SET NULL,"
                    " UNIQUE (classe, nome))"),
     QStringLiteral("ALTER TABLE bambini ADD COLUMN gruppo INTEGER REFERENCES gruppi (id) ON DELETE SET NULL"),
     QStringLiteral("ALTER TABLE bambini ADD COLUMN percorso INTEGER REFERENCES percorsi (id) ON DELETE SET NULL"),
     QStringLiteral("ALTER TABLE classi ADD COLUMN percorso INTEGER REFERENCES percorsi (id) ON DELETE SET NULL"),
     QStringLiteral("ALTER TABLE risposte ADD COLUMN percorso BLOB"),
     QStringLiteral("ALTER TABLE risposte ADD COLUMN passo INTEGER"),
     QStringLiteral("CREATE INDEX IF NOT EXISTS risposte_percorso ON risposte (bambino, percorso, passo) WHERE percorso IS NOT NULL"),
     QStringLiteral("CREATE TABLE IF NOT EXISTS esatte_altrove ("
                    " uuid BLOB PRIMARY KEY,"
                    " bambino INTEGER NOT NULL REFERENCES bambini (id) ON DELETE CASCADE,"
                    " percorso BLOB NOT NULL,"
                    " passo INTEGER NOT NULL)"),
     QStringLiteral("CREATE TRIGGER IF NOT EXISTS classe_tolta AFTER DELETE ON classi BEGIN"
                    " DELETE FROM gruppi WHERE classe = old.id;"
                    " DELETE FROM percorsi WHERE classe = old.id; END"),
     QStringLiteral("CREATE TRIGGER IF NOT EXISTS gruppo_tolto AFTER DELETE ON gruppi BEGIN"
                    " UPDATE bambini SET gruppo = NULL WHERE gruppo = old.id; END"),
     QStringLiteral("CREATE TRIGGER IF NOT EXISTS percorso_tolto AFTER DELETE ON percorsi BEGIN"
                    " UPDATE classi SET percorso = NULL WHERE percorso = old.id;"
                    " UPDATE gruppi SET percorso = NULL WHERE percorso = old.id;"
                    " UPDATE bambini SET percorso = NULL WHERE percorso = old.id; END"),
     QStringLiteral("CREATE TRIGGER IF NOT EXISTS bambino_tolto AFTER DELETE ON bambini BEGIN"
                    " DELETE FROM esatte_altrove WHERE bambino = old.id; END"),
     QStringLiteral("CREATE TRIGGER IF NOT EXISTS bambino_spostato AFTER UPDATE OF classe ON bambini"
                    " WHEN new.classe IS NOT old.classe BEGIN"
                    " UPDATE bambini SET gruppo = NULL, percorso = NULL WHERE id = new.id; END")},
    // 5 -> 6: what each child has learned. Each answer's attempt at its
    // turn's question: 1 for the turn's first answer, 2 and on for the
    // retries after a wrong one. The answers stored before are told apart by
    // the start of their turn (quando less millisecondi): an answer is a
    // retry of the one before it of the same child, class and game when
    // that one was wrong, asked the same, and was given after this one's
    // turn began (by more than TolleranzaTurnoMs, for the two clocks). A
    // teacher's note on a child, in a table of its own so that the game,
    // which reads the children, never reads it; whether the class's games
    // read their questions aloud; and the probabilities of the estimate of
    // what the children have learned, fitted on a class's answers, with
    // when. As the steps before, every statement holds again on a file
    // already of this version.
    {QStringLiteral("ALTER TABLE risposte ADD COLUMN tentativo INTEGER NOT NULL DEFAULT 1"),
     QStringLiteral("WITH ordinate AS ("
                    " SELECT id, classe, bambino, gioco, quando,"
                    " CASE WHEN lag(esatta) OVER w = 0 AND lag(domande) OVER w IS domande"
                    " AND quando - millisecondi < lag(quando) OVER w - %1 THEN 0 ELSE 1 END AS nuovo"
                    " FROM risposte WINDOW w AS (PARTITION BY classe, bambino, gioco ORDER BY quando, id)),"
                    " turni AS (SELECT id, classe, bambino, gioco, quando,"
                    " sum(nuovo) OVER (PARTITION BY classe, bambino, gioco ORDER BY quando, id) AS turno FROM ordinate),"
                    " numerate AS (SELECT id, row_number() OVER"
                    " (PARTITION BY classe, bambino, gioco, turno ORDER BY quando, id) AS n FROM turni)"
                    " UPDATE risposte SET tentativo = numerate.n FROM numerate"
                    " WHERE risposte.id = numerate.id AND risposte.tentativo IS NOT numerate.n")
         .arg(TolleranzaTurnoMs),
     QStringLiteral("CREATE TABLE IF NOT EXISTS note ("
                    " bambino INTEGER PRIMARY KEY REFERENCES bambini (id) ON DELETE CASCADE,"
                    " testo TEXT NOT NULL)"),
     QStringLiteral("ALTER TABLE classi ADD COLUMN leggi_domande INTEGER NOT NULL DEFAULT 1"),
     QStringLiteral("CREATE TABLE IF NOT EXISTS padronanza ("
                    " classe INTEGER PRIMARY KEY REFERENCES classi (id) ON DELETE CASCADE,"
                    " adattati INTEGER NOT NULL,"   // milliseconds since the epoch
                    " dati TEXT NOT NULL)"),
     QStringLiteral("CREATE TRIGGER IF NOT EXISTS nota_tolta AFTER DELETE ON bambini BEGIN"
                    " DELETE FROM note WHERE bambino = old.id; END"),
     QStringLiteral("CREATE TRIGGER IF NOT EXISTS padronanza_tolta AFTER DELETE ON classi BEGIN"
                    " DELETE FROM padronanza WHERE classe = old.id; END"),
     // The class at a glance counts first answers and retries apart, still
     // from its index alone; the estimate reads a class's first answers in
     // time order from an index of them alone.
     QStringLiteral("DROP INDEX IF EXISTS risposte_classe"),
     QStringLiteral("CREATE INDEX risposte_classe ON risposte (classe, bambino, gioco, quando, esatta, tentativo)"),
     QStringLiteral("CREATE INDEX IF NOT EXISTS risposte_prime ON risposte (classe, quando) WHERE tentativo = 1")},
};
static_assert(Versione == 6, "one migration step per version");

} // namespace

const QStringList& Passo(int versione)
{
    static const QStringList nessuno;
    return versione >= 0 && versione < Migrazioni.size() ? Migrazioni[versione] : nessuno;
}

namespace {

const QByteArray Firma("SQLite format 3", 16);  // with its final NUL

QString Nome(const QString& percorso)
{
    return QDir::toNativeSeparators(percorso);
}

bool HaTabelle(QSqlDatabase& db)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && q.next() && q.value(0).toInt() > 0;
}

QString PiuRecente(const QString& percorso)
{
    return QStringLiteral("il registro %1 è di una versione di Tesselo più recente: non viene né letto né modificato")
        .arg(Nome(percorso));
}

} // namespace

namespace {

// SQLite's primary error code. QSqlDatabase::commit() and transaction() keep
// only SQLite's message: the code is then found from it.
int Codice(const QSqlError& errore)
{
    if (const int codice = errore.nativeErrorCode().toInt() & 0xff)
        return codice;
    static const std::pair<const char*, int> messaggi[] = {
        {"database is locked", 5},          {"database table is locked", 6},
        {"attempt to write a readonly database", 8}, {"disk I/O error", 10},
        {"database disk image is malformed", 11}, {"database or disk is full", 13},
        {"unable to open database file", 14}, {"file is not a database", 26},
    };
    for (const auto& [messaggio, codice] : messaggi)
        if (errore.databaseText().startsWith(QLatin1String(messaggio)))
            return codice;
    return 0;
}

} // namespace

int VersioneDi(QSqlDatabase& db)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : -1;
}

Accesso EsitoDi(const QSqlError& errore)
{
    switch (Codice(errore)) {
    case 5:   // SQLITE_BUSY
    case 6:   // SQLITE_LOCKED
        return Accesso::Bloccato;
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
        return Accesso::Danneggiato;
    default:  // read-only, full disk, cannot open, input/output
        return Accesso::NonScrivibile;
    }
}

QString Motivo(const QSqlError& errore)
{
    switch (Codice(errore)) {
    case 5:
    case 6: return QStringLiteral("è bloccato da un altro programma");
    case 8: return QStringLiteral("il file o la sua cartella è di sola lettura");
    case 10: return QStringLiteral("errore di lettura o scrittura sul disco");
    case 11:
    case 26: return QStringLiteral("il file è danneggiato");
    case 13: return QStringLiteral("il disco è pieno");
    case 14: return QStringLiteral("il file non si può aprire");
    default: return errore.databaseText().isEmpty() ? errore.text() : errore.databaseText();
    }
}

bool Doppione(const QSqlError& errore)
{
    return Codice(errore) == 19;  // SQLITE_CONSTRAINT
}

bool CreaFile(const QString& percorso, QString& errore)
{
    const QFileInfo info(percorso);
    QFile file(percorso);
    const bool cartella = QDir().mkpath(info.absolutePath());
    // Another connection of this program (the writer, the sender) may have
    // made it just now: then it is theirs to set up, and ours to open.
    if (cartella && !file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && QFileInfo::exists(percorso))
        return true;
    if (!file.isOpen() || !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)) {
        errore = QStringLiteral("impossibile creare il registro %1: la cartella non è scrivibile").arg(Nome(percorso));
        return false;
    }
    return true;
}

namespace {

QString NonLeggibile(const QString& percorso)
{
    return QStringLiteral("impossibile leggere il registro %1: il file non si può leggere").arg(Nome(percorso));
}

// ControllaIntestazione on a file already open.
Accesso Intestazione(QFile& file, const QString& percorso, QString& errore)
{
    if (!file.seek(0)) {
        errore = NonLeggibile(percorso);
        return Accesso::NonScrivibile;
    }
    const QByteArray inizio = file.read(100);
    if (inizio.isEmpty())
        return Accesso::Ok;
    if (inizio.size() < 100 || !inizio.startsWith(Firma)) {
        errore = QStringLiteral("%1 non è un registro di Tesselo").arg(Nome(percorso));
        return Accesso::Danneggiato;
    }
    if (qFromBigEndian<qint32>(inizio.constData() + 60) > Versione) {
        errore = PiuRecente(percorso);
        return Accesso::PiuRecente;
    }
    return Accesso::Ok;
}

} // namespace

Accesso ControllaIntestazione(const QString& percorso, QString& errore)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        errore = NonLeggibile(percorso);
        return Accesso::NonScrivibile;
    }
    return Intestazione(file, percorso, errore);
}

namespace {

// A register file in use by this process: its connections, and the
// descriptors its header is read through, closed only once none is left.
struct InUso {
    int connessioni = 0;
    std::vector<std::unique_ptr<QFile>> descrittori;
};

std::mutex mutexUsi;
std::map<QString, InUso> usi;  // by the file's canonical path

bool StessoFile(const QFile& file, const struct stat& percorso)
{
    struct stat aperto;
    return ::fstat(file.handle(), &aperto) == 0 && aperto.st_dev == percorso.st_dev && aperto.st_ino == percorso.st_ino;
}

// A descriptor of the file now at percorso: one kept, or a new one kept from
// now on (a file moved aside and made again is another file).
QFile* Descrittore(InUso& uso, const QString& percorso)
{
    struct stat info;
    if (::stat(QFile::encodeName(percorso).constData(), &info) != 0)
        return nullptr;
    for (const auto& file : uso.descrittori)
        if (StessoFile(*file, info))
            return file.get();
    auto file = std::make_unique<QFile>(percorso);
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return nullptr;
    uso.descrittori.push_back(std::move(file));
    return uso.descrittori.back().get();
}

} // namespace

Accesso Uso::prendi(const QString& percorso, QString& errore)
{
    lascia();
    const QFileInfo info(percorso);
    const QString file = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const std::lock_guard blocco(mutexUsi);
    InUso& uso = usi[file];
    QFile* descrittore = Descrittore(uso, percorso);
    const Accesso esito = descrittore ? Intestazione(*descrittore, percorso, errore) : Accesso::NonScrivibile;
    if (!descrittore)
        errore = NonLeggibile(percorso);
    if (esito != Accesso::Ok) {
        // Closing is safe only with no connection of this process left.
        if (uso.connessioni == 0)
            usi.erase(file);
        return esito;
    }
    ++uso.connessioni;
    chiave = file;
    return Accesso::Ok;
}

void Uso::lascia()
{
    if (chiave.isEmpty())
        return;
    const std::lock_guard blocco(mutexUsi);
    if (--usi[chiave].connessioni <= 0)
        usi.erase(chiave);
    chiave.clear();
}

Accesso Verifica(QSqlDatabase& db, QString& errore)
{
    const int versione = VersioneDi(db);
    if (versione > Versione) {
        errore = PiuRecente(db.databaseName());
        return Accesso::PiuRecente;
    }
    if (versione < 0 || (versione == 0 && HaTabelle(db))) {
        errore = QStringLiteral("%1 non è un registro di Tesselo").arg(Nome(db.databaseName()));
        return Accesso::Danneggiato;
    }
    return Accesso::Ok;
}

namespace {

// A column a step adds that the table already has: the file's tables are
// newer than its stamp, and the step is done.
bool GiaAggiunta(const QString& istruzione, const QSqlError& errore)
{
    return istruzione.startsWith(QLatin1String("ALTER TABLE ")) && istruzione.contains(QLatin1String(" ADD COLUMN "))
        && errore.databaseText().startsWith(QLatin1String("duplicate column name"));
}

} // namespace

Accesso Migra(QSqlDatabase& db, QString& errore)
{
    if (VersioneDi(db) == Versione)
        return Accesso::Ok;
    QSqlQuery q(db);
    // A step that makes a table anew renames it into the old one's place:
    // on a file whose tables are newer than its stamp, a later version's
    // triggers name the old table, gone for that moment, and SQLite's
    // check of every trigger at a rename would refuse it. The triggers
    // are whole again once the rename is done.
    q.exec(QStringLiteral("PRAGMA legacy_alter_table = ON"));
    const auto ripristina = qScopeGuard([&] { QSqlQuery(db).exec(QStringLiteral("PRAGMA legacy_alter_table = OFF")); });
    const auto fallito = [&] {
        const QSqlError e = q.lastError().isValid() ? q.lastError() : db.lastError();
        errore = QStringLiteral("impossibile aggiornare il registro %1: %2").arg(Nome(db.databaseName()), Motivo(e));
        q.finish();
        db.rollback();
        return EsitoDi(e);
    };
    // The write lock first, then the version: another connection of this
    // program (the writer, the sender) may have migrated it meanwhile.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fallito();
    const int versione = VersioneDi(db);
    if (versione < 0 || versione > Versione) {
        // Changed by another program since it was checked: neither a step
        // from an unknown version nor a newer file stamped back to this one.
        errore = versione < 0 ? QStringLiteral("%1 non è un registro di Tesselo").arg(Nome(db.databaseName()))
                              : PiuRecente(db.databaseName());
        db.rollback();
        return versione < 0 ? Accesso::Danneggiato : Accesso::PiuRecente;
    }
    for (int v = versione; v < Versione; ++v)
        for (const QString& istruzione : Migrazioni[v])
            if (!q.exec(istruzione) && !GiaAggiunta(istruzione, q.lastError()))
                return fallito();
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(Versione)) || !db.commit())
        return fallito();
    return Accesso::Ok;
}

void SoloProprietario(const QString& percorso)
{
    for (const QString& suffisso : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFile::exists(percorso + suffisso))
            QFile::setPermissions(percorso + suffisso, QFile::ReadOwner | QFile::WriteOwner);
}

QString SpostaDanneggiato(const QString& percorso, QString& errore)
{
    const QString base = QFileInfo(percorso).absolutePath() + QStringLiteral("/registro-danneggiato-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString nuovo = base + QStringLiteral(".sqlite");
    for (int n = 2; QFile::exists(nuovo) || QFile::exists(nuovo + QStringLiteral("-wal")); ++n)
        nuovo = base + QStringLiteral("-%1.sqlite").arg(n);
    // The journal files go with it: left beside a new file, SQLite would
    // read them as the new file's.
    for (const QString& suffisso : {QStringLiteral("-wal"), QStringLiteral("-shm"), QString()}) {
        if (!QFile::exists(percorso + suffisso))
            continue;
        QFile file(percorso + suffisso);
        if (!file.rename(nuovo + suffisso)) {
            errore = QStringLiteral("il registro %1 è danneggiato e non si può spostare: la cartella non è scrivibile")
                         .arg(Nome(percorso));
            return {};
        }
    }
    // A damaged register still holds the children's names: as private as
    // the register, whatever mode it had.
    SoloProprietario(nuovo);
    return nuovo;
}

} // namespace Registro::Schema
