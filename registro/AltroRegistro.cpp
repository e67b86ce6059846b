#include "registro/AltroRegistro.h"

#include "registro/Classe.h"
#include "registro/Codici.h"
#include "registro/Schema.h"
#include "percorsi/FilePercorso.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtEndian>

#include <array>
#include <limits>
#include <mutex>
#include <sqlite3.h>

namespace Registro {

namespace {

QString Nome(const QString& file)
{
    return QDir::toNativeSeparators(file);
}

QString NonRegistro(const QString& file)
{
    return QStringLiteral("%1 non è un registro di Tesselo").arg(Nome(file));
}

// The most children a register may hold: one per symbol, with room to spare,
// in each of a school's classes.
constexpr int MassimoBambini = 20000;
// The most classes: a school's of several years.
constexpr int MassimoClassi = 1000;

// ---- The -wal beside the file ----

quint32 Parola(const QByteArray& byte, int da, bool grande)
{
    return grande ? qFromBigEndian<quint32>(byte.constData() + da) : qFromLittleEndian<quint32>(byte.constData() + da);
}

// A WAL header that SQLite would read, for a database of the page size of
// testa (the database's first 100 bytes; none while every page is still in
// the WAL): its magic, version, page size and checksum, computed as SQLite
// does.
bool IntestazioneWal(const QByteArray& wal, const QByteArray& testa)
{
    if (wal.size() < 32 || (!testa.isEmpty() && testa.size() < 100))
        return false;
    const quint32 magia = qFromBigEndian<quint32>(wal.constData());
    if ((magia & ~1u) != 0x377f0682u || qFromBigEndian<quint32>(wal.constData() + 4) != 3007000u)
        return false;
    const quint32 pagina = testa.isEmpty() ? 0 : qFromBigEndian<quint16>(testa.constData() + 16);
    if (pagina && qFromBigEndian<quint32>(wal.constData() + 8) != (pagina == 1 ? 65536u : pagina))
        return false;
    const bool grande = magia & 1;
    quint32 s0 = 0, s1 = 0;
    for (int i = 0; i < 24; i += 8) {
        s0 += Parola(wal, i, grande) + s1;
        s1 += Parola(wal, i + 4, grande) + s0;
    }
    return s0 == qFromBigEndian<quint32>(wal.constData() + 24) && s1 == qFromBigEndian<quint32>(wal.constData() + 28);
}

QByteArray Inizio(const QString& file, int quanti)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.read(quanti) : QByteArray();
}

bool Copia(const QString& da, const QString& a)
{
    return QFile::copy(da, a) && QFile::setPermissions(a, QFile::ReadOwner | QFile::WriteOwner);
}

// ---- The schema ----

// Every entry of a schema's sqlite_schema: type, name, table and statement.
using Voci = QList<QStringList>;

Voci VociDi(QSqlDatabase db, const QString& schema)
{
    Voci voci;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT type, name, tbl_name, coalesce(sql, '') FROM %1.sqlite_schema"
                               " ORDER BY type, name").arg(schema)))
        return {{QStringLiteral("illeggibile")}};
    while (q.next())
        voci << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()};
    return voci;
}

// The schema this program writes for each version, from its own migrations
// run on an empty database in memory.
const Voci& Atteso(int versione)
{
    static std::once_flag fatto;
    static std::array<Voci, Schema::Versione + 1> attesi;
    std::call_once(fatto, [] {
        const QString nome = QStringLiteral("tesselo-schema-atteso");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
            db.setDatabaseName(QStringLiteral(":memory:"));
            if (db.open()) {
                QSqlQuery q(db);
                for (int v = 1; v <= Schema::Versione; ++v) {
                    for (const QString& istruzione : Schema::Passo(v - 1))
                        q.exec(istruzione);
                    attesi[v] = VociDi(db, QStringLiteral("main"));
                }
            }
        }
        QSqlDatabase::removeDatabase(nome);
    });
    return attesi[versione];
}

int Versione(QSqlDatabase db, const QString& schema)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("PRAGMA %1.user_version").arg(schema)) && q.next() ? q.value(0).toInt() : -1;
}

// The schema's version when its tables are exactly those of that version;
// 0 when it has none at all; -1 otherwise.
int VersioneEsatta(QSqlDatabase db, const QString& schema)
{
    const int versione = Versione(db, schema);
    const Voci voci = VociDi(db, schema);
    if (versione == 0 && voci.isEmpty())
        return 0;
    return versione >= 1 && versione <= Schema::Versione && voci == Atteso(versione) ? versione : -1;
}

// ---- The values ----

const qint64 PrimoMomento = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
constexpr qint64 UnAnno = 366LL * 24 * 3600 * 1000;

bool E(const QString& tipo, const char* atteso)
{
    return tipo == QLatin1String(atteso);
}

bool UuidValido(const QString& tipo, const QVariant& v)
{
    return E(tipo, "blob") && v.toByteArray().size() == 16 && !QUuid::fromRfc4122(v.toByteArray()).isNull();
}

bool Intero(const QString& tipo, const QVariant& v, qint64 minimo, qint64 massimo)
{
    return E(tipo, "integer") && v.toLongLong() >= minimo && v.toLongLong() <= massimo;
}

// One column's check: its name, the longest value read at all (characters
// of text, bytes of a blob), and what a value must be.
struct Colonna {
    const char* nome;
    int massimo;
    bool (*valido)(const QString& tipo, const QVariant& valore);
};

// The answers' columns, as this program writes them: a 16-byte uuid, a
// moment since 2000 and no later than a year from now (a computer's clock
// may be wrong, not by centuries), a game this version knows, questions,
// blocks and an answer in their codes or short text, and a turn's length.
const Colonna ColonneRisposte[] = {
    {"uuid", 16, UuidValido},
    {"quando", 20,
     [](const QString& t, const QVariant& v) {
         return Intero(t, v, PrimoMomento, QDateTime::currentMSecsSinceEpoch() + UnAnno);
     }},
    {"bambino", 20, [](const QString& t, const QVariant& v) { return Intero(t, v, 0, std::numeric_limits<qint64>::max()); }},
    {"gioco", 64,
     [](const QString& t, const QVariant& v) {
         return (E(t, "integer") || E(t, "text")) && !Codici::Schermo(v).isEmpty();
     }},
    {"domande", 1000,
     [](const QString& t, const QVariant& v) {
         return E(t, "null") || E(t, "text")
             || (E(t, "blob") && Codici::Domande(Codici::Domande(v)).toByteArray() == v.toByteArray());
     }},
    {"blocchi", 4000,
     [](const QString& t, const QVariant& v) {
         return E(t, "null") || E(t, "text")
             || (E(t, "blob") && Codici::Blocchi(Codici::Blocchi(v)).toByteArray() == v.toByteArray());
     }},
    {"risposta", 200,
     [](const QString& t, const QVariant& v) {
         return E(t, "null") || E(t, "text")
             || (E(t, "blob") && Codici::TestoRisposta(Codici::TestoRisposta(v)).toByteArray() == v.toByteArray());
     }},
    {"esatta", 20, [](const QString& t, const QVariant& v) { return Intero(t, v, 0, 1); }},
    {"millisecondi", 20, [](const QString& t, const QVariant& v) { return Intero(t, v, 0, UnAnno); }},
    // One of the file's classes: checked against them once they are read.
    {"classe", 20, [](const QString& t, const QVariant& v) { return Intero(t, v, 1, std::numeric_limits<qint64>::max()); }},
    // The path and step an answer was given under: both or neither (checked
    // together once the row's columns are).
    {"percorso", 16, [](const QString& t, const QVariant& v) { return E(t, "null") || UuidValido(t, v); }},
    {"passo", 20, [](const QString& t, const QVariant& v) { return E(t, "null") || Intero(t, v, 1, Percorso::MassimoPassi); }},
    // Which attempt at its turn (an older file's derived when its copy is
    // brought up to date).
    {"tentativo", 20, [](const QString& t, const QVariant& v) { return Intero(t, v, 1, Risposta::MassimoTentativo); }},
};

bool NomeValido(const QString& tipo, const QVariant& v)
{
    return E(tipo, "text") && !v.toString().trimmed().isEmpty() && v.toString().size() <= LunghezzaNome;
}

const Colonna ColonneBambini[] = {
    {"uuid", 16, UuidValido},
    {"nome", LunghezzaNome, NomeValido},
    {"cognome", LunghezzaNome,
     [](const QString& t, const QVariant& v) { return E(t, "text") && v.toString().size() <= LunghezzaNome; }},
    {"simbolo", 32, [](const QString& t, const QVariant& v) { return E(t, "text") && !v.toString().isEmpty(); }},
    {"classe", 20, [](const QString& t, const QVariant& v) { return Intero(t, v, 1, std::numeric_limits<qint64>::max()); }},
};

// A path's text is read only within the size of a path's file; it must be a
// path this program reads, and its name the row's.
const Colonna ColonnePercorsi[] = {
    {"uuid", 16, UuidValido},
    {"classe", 20, [](const QString& t, const QVariant& v) { return Intero(t, v, 1, std::numeric_limits<qint64>::max()); }},
    {"nome", Percorso::MassimoNome,
     [](const QString& t, const QVariant& v) { return E(t, "text") && !v.toString().trimmed().isEmpty(); }},
    {"dati", int(Percorsi::MassimoByte), [](const QString& t, const QVariant&) { return E(t, "text"); }},
};

const Colonna ColonneClassi[] = {
    {"uuid", 16, UuidValido},
    {"nome", LunghezzaNomeClasse,
     [](const QString& t, const QVariant& v) {
         return E(t, "text") && !v.toString().trimmed().isEmpty() && v.toString().size() <= LunghezzaNomeClasse;
     }},
    {"anno_scolastico", 7, [](const QString& t, const QVariant& v) { return E(t, "text") && AnnoValido(v.toString()); }},
};

// Where a column's value is among a table's checked columns, in a row read
// by LetturaControllata.
template <size_t N>
int Posizione(const Colonna (&colonne)[N], const char* nome)
{
    for (size_t i = 0; i < N; ++i)
        if (qstrcmp(colonne[i].nome, nome) == 0)
            return int(2 + 2 * i);
    return -1;
}
template <size_t N>
int ColonnaClasse(const Colonna (&colonne)[N])
{
    return Posizione(colonne, "classe");
}

// A statement that reads, after the row's id, each column's type and, when
// no longer than its bound, its value: a huge value is never loaded.
template <size_t N>
QString LetturaControllata(const Colonna (&colonne)[N], const char* tabella)
{
    QStringList parti{QStringLiteral("id")};
    for (const Colonna& c : colonne)
        parti << QStringLiteral("typeof(%1), CASE WHEN length(%1) <= %2 THEN %1 END").arg(QLatin1String(c.nome)).arg(c.massimo);
    return QStringLiteral("SELECT %1 FROM %2 ORDER BY id").arg(parti.join(QStringLiteral(", ")), QLatin1String(tabella));
}

// The first column of the row that fails its check; nothing when all pass.
template <size_t N>
const char* Sbagliata(const QSqlQuery& q, const Colonna (&colonne)[N])
{
    for (size_t i = 0; i < N; ++i) {
        const QString tipo = q.value(int(1 + 2 * i)).toString();
        const QVariant valore = q.value(int(2 + 2 * i));
        if ((valore.isNull() && !E(tipo, "null")) || !colonne[i].valido(tipo, valore))
            return colonne[i].nome;
    }
    return nullptr;
}

// The refusal names the file, the row and the column; a game's code is
// shown as read, so the teacher can tell a newer program's game from damage.
QString RigaSbagliata(const QString& file, const QSqlQuery& q, const char* tabella, const char* colonna)
{
    QString riga = QStringLiteral("%1: la riga %2 della tabella %3 non è valida (%4)")
                       .arg(Nome(file))
                       .arg(q.value(0).toLongLong())
                       .arg(QLatin1String(tabella), QLatin1String(colonna));
    if (qstrcmp(colonna, "gioco") == 0) {
        // Read only when short: a huge value is never loaded.
        const QVariant v = q.value(2 + 2 * 3);
        const QString codice = v.typeId() == QMetaType::QByteArray
            ? QStringLiteral("x'%1'").arg(QString::fromLatin1(v.toByteArray().toHex()))
            : v.toString();
        riga += codice.isEmpty() ? QStringLiteral(": un gioco che questa versione non conosce")
                                 : QStringLiteral(": un gioco che questa versione non conosce, codice %1").arg(codice);
    }
    return riga;
}

} // namespace

struct AltroRegistro::Dati {
    QTemporaryDir cartella;  // 0700: the copies are nobody else's
    QString file;            // the other register, as the teacher named it
    QString copia;
    QString connessione;
    QString errore;
    QList<Bambino> bambini;
    QHash<qint64, qint64> classeDi;  // each child's class
    QList<Classe> classi;
    QHash<qint64, QList<PercorsoSalvato>> percorsi;  // by class

    QSqlDatabase db() const { return QSqlDatabase::database(connessione, false); }

    // The file refused; apri then closes the connection, once no query of
    // it is left.
    bool rifiuta(const QString& motivo)
    {
        errore = motivo;
        return false;
    }

    void chiudi()
    {
        if (connessione.isEmpty())
            return;
        {
            QSqlDatabase d = db();
            d.close();
        }
        QSqlDatabase::removeDatabase(connessione);
        connessione.clear();
    }

    bool integro() const
    {
        QSqlQuery q(db());
        return q.exec(QStringLiteral("PRAGMA quick_check")) && q.next() && q.value(0).toString() == QLatin1String("ok");
    }
    bool leggi();
    bool copiaFile();
    bool apriDuro();
    bool walDelFile();
    bool aggiorna(int versione);
    bool leggiClassi();
    bool diUnaClasse(const QSqlQuery& q, int colonna) const;
    bool leggiBambini();
    bool leggiPercorsi();
    bool controllaRisposte();
};

bool AltroRegistro::Dati::copiaFile()
{
    if (!QFileInfo(file).isFile())
        return rifiuta(QStringLiteral("il file %1 non esiste").arg(Nome(file)));
    switch (Schema::ControllaIntestazione(file, errore)) {
    case Accesso::Ok: break;
    case Accesso::Danneggiato: return rifiuta(NonRegistro(file));
    default: return rifiuta(errore);
    }
    if (!cartella.isValid())
        return rifiuta(QStringLiteral("impossibile copiare %1: la cartella temporanea non è scrivibile").arg(Nome(file)));
    copia = cartella.filePath(QStringLiteral("altro.sqlite"));
    const QString wal = file + QStringLiteral("-wal");
    const bool conWal = QFileInfo(wal).size() > 0;
    // The answers still in the -wal are part of the file: copied together,
    // and the file alone kept beside to check that the -wal is its own.
    if (conWal && !IntestazioneWal(Inizio(wal, 32), Inizio(file, 100)))
        return rifiuta(QStringLiteral("il file %1 accanto a %2 non è il suo: chiudi Tesselo su quel computer e copia di "
                                      "nuovo il registro")
                           .arg(Nome(wal), Nome(file)));
    if (!Copia(file, copia) || (conWal && !Copia(file, cartella.filePath(QStringLiteral("solo.sqlite"))))
        || (conWal && !Copia(wal, copia + QStringLiteral("-wal"))))
        return rifiuta(QStringLiteral("impossibile copiare %1 per leggerlo").arg(Nome(file)));
    return true;
}

bool AltroRegistro::Dati::apriDuro()
{
    static QAtomicInteger<quint64> contatore;
    connessione = QStringLiteral("tesselo-registro-altro-%1").arg(contatore.fetchAndAddRelaxed(1));
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connessione);
    d.setDatabaseName(copia);
    d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!d.open())
        return rifiuta(NonRegistro(file));
    const QVariant maniglia = d.driver()->handle();
    sqlite3* const h = maniglia.isValid() && qstrcmp(maniglia.typeName(), "sqlite3*") == 0
        ? *static_cast<sqlite3* const*>(maniglia.constData())
        : nullptr;
    // Before the first statement reads its schema: nothing of the file runs.
    if (!h || sqlite3_db_config(h, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr) != SQLITE_OK
        || sqlite3_db_config(h, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr) != SQLITE_OK
        || sqlite3_db_config(h, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr) != SQLITE_OK
        || sqlite3_db_config(h, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr) != SQLITE_OK)
        return rifiuta(QStringLiteral("impossibile leggere %1 in sicurezza").arg(Nome(file)));
    QSqlQuery q(d);
    if (!q.exec(QStringLiteral("PRAGMA query_only = ON")))
        return rifiuta(NonRegistro(file));
    return true;
}

// A -wal of another register, put beside this file, would rewrite rows this
// file already holds: every child and answer of the file alone must be the
// same in the file with its -wal (or deleted since), and its version no newer.
bool AltroRegistro::Dati::walDelFile()
{
    const QString solo = cartella.filePath(QStringLiteral("solo.sqlite"));
    if (!QFile::exists(solo))
        return true;
    const QString estraneo = QStringLiteral("il file %1-wal accanto a %2 non è il suo: chiudi Tesselo su quel computer e "
                                            "copia di nuovo il registro")
                                 .arg(Nome(file), Nome(file));
    QSqlQuery q(db());
    q.prepare(QStringLiteral("ATTACH DATABASE ? AS solo"));
    q.addBindValue(solo);
    if (!q.exec())
        return rifiuta(NonRegistro(file));
    const int versione = VersioneEsatta(db(), QStringLiteral("solo"));
    bool suo = versione >= 0 && versione <= Versione(db(), QStringLiteral("main"));
    if (suo && versione >= 1) {
        QString confronto = QStringLiteral(
            "SELECT EXISTS (SELECT 1 FROM solo.bambini s JOIN main.bambini m USING (id) WHERE m.uuid IS NOT s.uuid)"
            " OR EXISTS (SELECT 1 FROM solo.risposte s JOIN main.risposte m USING (id) WHERE m.uuid IS NOT s.uuid)");
        if (versione >= 3)
            confronto += QStringLiteral(" OR EXISTS (SELECT 1 FROM solo.questo_registro s, main.questo_registro m"
                                        " WHERE m.id IS NOT s.id)");
        suo = q.exec(confronto) && q.next() && !q.value(0).toBool();
    }
    q.finish();
    q.exec(QStringLiteral("DETACH DATABASE solo"));
    return suo || rifiuta(estraneo);
}

// An older register is brought up to date in its copy: its tables are
// already known to be exactly those of its version.
bool AltroRegistro::Dati::aggiorna(int versione)
{
    if (versione == Schema::Versione)
        return true;
    chiudi();
    const QString nome = QStringLiteral("tesselo-registro-altro-aggiorna");
    Accesso esito;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        d.setDatabaseName(copia);
        esito = d.open() ? Schema::Migra(d, errore) : Schema::EsitoDi(d.lastError());
        d.close();
    }
    QSqlDatabase::removeDatabase(nome);
    if (esito != Accesso::Ok)
        return rifiuta(QStringLiteral("impossibile aggiornare la copia di %1").arg(Nome(file)));
    return apriDuro() && (VersioneEsatta(db(), QStringLiteral("main")) == Schema::Versione || rifiuta(NonRegistro(file)));
}

bool AltroRegistro::Dati::leggiClassi()
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.exec(LetturaControllata(ColonneClassi, "classi")))
        return rifiuta(NonRegistro(file));
    while (q.next()) {
        if (classi.size() == MassimoClassi)
            return rifiuta(QStringLiteral("%1 ha più di %2 classi").arg(Nome(file)).arg(MassimoClassi));
        if (const char* colonna = Sbagliata(q, ColonneClassi))
            return rifiuta(RigaSbagliata(file, q, "classi", colonna));
        classi << Classe{q.value(0).toLongLong(), QUuid::fromRfc4122(q.value(2).toByteArray()),
                         NomePulito(q.value(4).toString()), q.value(6).toString()};
    }
    if (classi.isEmpty())
        return rifiuta(QStringLiteral("%1 non ha classi").arg(Nome(file)));
    OrdinaClassi(classi);
    return true;
}

bool AltroRegistro::Dati::diUnaClasse(const QSqlQuery& q, int colonna) const
{
    const qint64 classe = q.value(colonna).toLongLong();
    return std::any_of(classi.cbegin(), classi.cend(), [&](const Classe& c) { return c.id == classe; });
}

bool AltroRegistro::Dati::leggiBambini()
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.exec(LetturaControllata(ColonneBambini, "bambini")))
        return rifiuta(NonRegistro(file));
    while (q.next()) {
        if (bambini.size() == MassimoBambini)
            return rifiuta(QStringLiteral("%1 ha più di %2 bambini").arg(Nome(file)).arg(MassimoBambini));
        if (const char* colonna = Sbagliata(q, ColonneBambini))
            return rifiuta(RigaSbagliata(file, q, "bambini", colonna));
        if (!diUnaClasse(q, ColonnaClasse(ColonneBambini)))
            return rifiuta(RigaSbagliata(file, q, "bambini", "classe"));
        classeDi.insert(q.value(0).toLongLong(), q.value(ColonnaClasse(ColonneBambini)).toLongLong());
        bambini << Bambino{q.value(0).toLongLong(), QUuid::fromRfc4122(q.value(2).toByteArray()),
                           NomePulito(q.value(4).toString()), NomePulito(q.value(6).toString()), q.value(8).toString()};
    }
    return true;
}

bool AltroRegistro::Dati::leggiPercorsi()
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.exec(LetturaControllata(ColonnePercorsi, "percorsi")))
        return rifiuta(NonRegistro(file));
    while (q.next()) {
        if (const char* colonna = Sbagliata(q, ColonnePercorsi))
            return rifiuta(RigaSbagliata(file, q, "percorsi", colonna));
        if (!diUnaClasse(q, ColonnaClasse(ColonnePercorsi)))
            return rifiuta(RigaSbagliata(file, q, "percorsi", "classe"));
        const Percorsi::Lettura letto = Percorsi::LeggiTesto(q.value(Posizione(ColonnePercorsi, "dati")).toByteArray());
        if (!letto.percorso || letto.percorso->nome != q.value(Posizione(ColonnePercorsi, "nome")).toString())
            return rifiuta(RigaSbagliata(file, q, "percorsi", "dati"));
        percorsi[q.value(ColonnaClasse(ColonnePercorsi)).toLongLong()].append(
            {q.value(0).toLongLong(), QUuid::fromRfc4122(q.value(Posizione(ColonnePercorsi, "uuid")).toByteArray()),
             *letto.percorso});
    }
    return true;
}

bool AltroRegistro::Dati::controllaRisposte()
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.exec(LetturaControllata(ColonneRisposte, "risposte")))
        return rifiuta(NonRegistro(file));
    const int percorso = Posizione(ColonneRisposte, "percorso"), passo = Posizione(ColonneRisposte, "passo");
    while (q.next())
        if (const char* colonna = Sbagliata(q, ColonneRisposte))
            return rifiuta(RigaSbagliata(file, q, "risposte", colonna));
        else if (!diUnaClasse(q, ColonnaClasse(ColonneRisposte)))
            return rifiuta(RigaSbagliata(file, q, "risposte", "classe"));
        else if (q.value(percorso).isNull() != q.value(passo).isNull())
            return rifiuta(RigaSbagliata(file, q, "risposte", "passo"));
    return true;
}

AltroRegistro::AltroRegistro() : d(std::make_unique<Dati>()) {}

AltroRegistro::~AltroRegistro()
{
    d->chiudi();
}

bool AltroRegistro::apri(const QString& file)
{
    d->chiudi();
    d->bambini.clear();
    d->classeDi.clear();
    d->classi.clear();
    d->percorsi.clear();
    d->errore.clear();
    d->file = file;
    if (d->leggi())
        return true;
    d->chiudi();
    d->bambini.clear();
    d->classeDi.clear();
    d->classi.clear();
    d->percorsi.clear();
    return false;
}

bool AltroRegistro::Dati::leggi()
{
    if (!copiaFile() || !apriDuro())
        return false;
    if (Versione(db(), QStringLiteral("main")) > Schema::Versione)
        return rifiuta(QStringLiteral("il registro %1 è di una versione di Tesselo più recente").arg(Nome(file)));
    const int versione = VersioneEsatta(db(), QStringLiteral("main"));
    if (versione <= 0)
        return rifiuta(QStringLiteral("%1 non è un registro di Tesselo, o ha tabelle che Tesselo non scrive")
                           .arg(Nome(file)));
    if (!walDelFile())
        return false;
    if (!integro())
        return rifiuta(QStringLiteral("%1 non è un registro di Tesselo, o è danneggiato").arg(Nome(file)));
    return aggiorna(versione) && leggiClassi() && leggiBambini() && leggiPercorsi() && controllaRisposte();
}

QString AltroRegistro::errore() const { return d->errore; }
const QList<Classe>& AltroRegistro::classi() const { return d->classi; }
QList<PercorsoSalvato> AltroRegistro::percorsi(qint64 classe) const { return d->percorsi.value(classe); }

QList<Bambino> AltroRegistro::bambini(qint64 classe) const
{
    QList<Bambino> elenco;
    for (const Bambino& b : d->bambini)
        if (d->classeDi.value(b.id) == classe)
            elenco << b;
    return elenco;
}

bool AltroRegistro::scorri(qint64 classe, const std::function<bool(const QSqlQuery&)>& ciascuna) const
{
    if (d->connessione.isEmpty())
        return false;
    QSqlQuery q(d->db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT uuid, quando, bambino, gioco, domande, blocchi, risposta, esatta, millisecondi,"
                             " percorso, passo, tentativo FROM risposte WHERE classe = ? ORDER BY id"));
    q.addBindValue(classe);
    if (!q.exec()) {
        d->errore = QStringLiteral("impossibile leggere %1").arg(Nome(d->file));
        return false;
    }
    while (q.next())
        if (!ciascuna(q))
            return false;
    return true;
}

} // namespace Registro
