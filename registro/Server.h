#pragma once
#include "registro/Deposito.h"
#include "registro/Impostazioni.h"

#include <QSqlQuery>
#include <QString>

// What the game's sender and the teachers' program share on the school's
// PostgreSQL server: opening a connection from the settings, the schema's
// version, and an answer as the server stores it (uuids as text, questions
// and blocks as JSON, the game's screen by name).
namespace Registro::Server {

// The server's schema version this program reads and writes.
constexpr int Versione = 5;

// Opens the QPSQL connection nome (added when there is none) to imp's
// server as utente, trying to connect for at most secondi, and reads the
// schema's version into versione. Ok; NonRaggiungibile when the server did
// not answer or refused the connection; Danneggiato when the version cannot
// be read (no register there, or no right to read it) or, the connection
// closed again, is older than Versione (not yet upgraded); PiuRecente, the
// connection closed again, when the schema is newer than Versione. errore
// says why, in one line.
Accesso Apri(const Impostazioni& imp, const QString& utente, const QString& nome, int secondi, QString& errore,
           int& versione);
// "cosa: the server's words", in one line.
QString Motivo(const QString& cosa, const QSqlError& e);

QString Testo(const QUuid& uuid);
QString JsonDomande(const QList<Domanda>& domande);
QString JsonBlocchi(const QList<Blocco>& blocchi);
QList<Domanda> Domande(const QString& json);
QList<Blocco> Blocchi(const QString& json);

// The statement that inserts one answer into its class, bound by Lega: a
// child's answer into the child's class on the server (where the child may
// have moved since), a guest's into the class given. A resend is ignored (a
// conflict target would need the right to read the answers); an answer of
// a child no longer in a class this login sees is dropped, as the child's
// removal dropped their others. An answer of a class this login does not
// see is tried all the same, so that the server refuses it (the class not
// granted) and the refusal is kept, never lost.
QString InserisciRisposta();
// Binds an answer, with its path, step and attempt, to InserisciRisposta (a step
// outside 1..Percorso::MassimoPassi, or no path, sends neither); bambino is
// the child's uuid as text,
// empty for a guest; classe the uuid of the class it was given in.
void Lega(QSqlQuery& q, const Risposta& r, const QString& bambino, const QString& classe);

} // namespace Registro::Server
