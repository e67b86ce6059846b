#pragma once
#include "registro/Archivio.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// The register's file: its tables and their version, the checks made before
// a file is trusted, and what is done with a damaged one.
namespace Registro::Schema {

// The version this program writes (PRAGMA user_version). Version 0 is a file
// with no tables yet; each step of the migrations brings one version to the
// next.
constexpr int Versione = 6;
// Two answers of one turn: the later one's turn began (its time less its
// milliseconds) more than this before the earlier one was given. Answers of
// turns that follow each other are at least a feedback apart; the margin
// covers the wall clock and the turn's monotonic clock drifting apart.
constexpr int TolleranzaTurnoMs = 50;
// How long a statement waits for another program's lock before it gives up.
constexpr int AttesaMs = 200;

// The statements that bring a register from versione to versione + 1;
// none outside 0 to Versione - 1.
const QStringList& Passo(int versione);
// PRAGMA user_version of an open database; -1 when it cannot be read.
int VersioneDi(QSqlDatabase& db);
// Why a statement failed, from SQLite's error code.
Accesso EsitoDi(const QSqlError& errore);
// The same, in one Italian phrase.
QString Motivo(const QSqlError& errore);
// A UNIQUE or other constraint refused the statement.
bool Doppione(const QSqlError& errore);

// A new empty file, readable by its owner only, with its folder.
bool CreaFile(const QString& percorso, QString& errore);
// Reads the file's first bytes without opening it as a database: an empty
// file or a register of this version or older is Ok; a file that is not a
// SQLite database is Danneggiato; a newer register PiuRecente.
Accesso ControllaIntestazione(const QString& percorso, QString& errore);
// One connection of this process to a register file, counted from before it
// opens until after it closes. POSIX locks belong to the process, and any
// close of the file drops them all: reading the header (a descriptor of its
// own, then closed) while a connection holds the file would let another
// program take it for unused, checkpoint it and delete its WAL under that
// connection, whose next writes nobody else would see. So the header is read
// through descriptors kept open until the last connection of this process
// to the file has closed.
class Uso {
public:
    Uso() = default;
    Uso(const Uso&) = delete;
    Uso& operator=(const Uso&) = delete;
    ~Uso() { lascia(); }
    // ControllaIntestazione unless the file is in use here; on Ok, counted
    // until lascia().
    Accesso prendi(const QString& percorso, QString& errore);
    void lascia();

private:
    QString chiave;
};

// The version of an open database, refused when newer or not a register.
Accesso Verifica(QSqlDatabase& db, QString& errore);
// Brings an open database to Versione, all steps in one transaction.
Accesso Migra(QSqlDatabase& db, QString& errore);
// Owner-only permissions on the file and its -wal and -shm files.
void SoloProprietario(const QString& percorso);
// Moves a damaged file (and its -wal, -shm) aside as
// registro-danneggiato-YYYYMMDD-HHMMSS.sqlite; its new path, or empty.
QString SpostaDanneggiato(const QString& percorso, QString& errore);

} // namespace Registro::Schema
