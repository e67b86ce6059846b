#pragma once
#include <QByteArray>
#include <QSqlDatabase>
#include <QList>
#include <QString>
#include <QVariant>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// A PostgreSQL 15 server of its own for one test: a new cluster in a
// temporary folder, listening on a Unix socket in that folder and, when
// asked before avvia(), on a free TCP port of 127.0.0.1 too (with TLS on a
// self-signed certificate, or without), with password-less access for any
// role name. Stopped and removed with this object.
//
// PostgreSQL refuses to run as root: when the test runs as root, the
// server's programs run in a user namespace where the current user is
// "nobody" (its files stay the test's own on disk); as an ordinary user
// they run directly. The clients (psql, pg_dump) always run directly.
class ServerPostgres {
public:
    ServerPostgres() = default;
    ServerPostgres(const ServerPostgres&) = delete;
    ServerPostgres& operator=(const ServerPostgres&) = delete;
    ~ServerPostgres();

    // Creates and starts the cluster; false, with the reason in errore(), when
    // PostgreSQL 15, the Qt PostgreSQL driver or the temporary folder is
    // missing or the server does not start.
    bool avvia();
    // Before avvia(): listen on 127.0.0.1 too, at portaTcp(), with TLS
    // (a certificate made by openssl for 127.0.0.1, at certificato()) or
    // with ssl=off.
    enum class Tls { No, Si };
    void ascoltaTcp(Tls tls) { tcp = tls; }
    // The port of the socket too, then.
    int portaTcp() const { return porta; }
    // The server's certificate, the root a client must trust.
    QString certificato() const { return radice.filePath(QStringLiteral("dati/server.crt")); }
    // Stops the running server (fast shutdown, clients cut off) and starts
    // it again on the same cluster and socket: a school's server going down.
    bool ferma();
    bool riavvia();
    // Creates an empty database owned by the superuser.
    bool creaDatabase(const QString& nome);
    // Runs a client program of PostgreSQL ("psql", "pg_dump", ...) against
    // this server as the superuser; its standard output, or nothing (with
    // errore()) when it fails. The connection's options come first.
    std::optional<QByteArray> client(const QString& programma, const QStringList& argomenti);
    // Runs an SQL file with psql as the superuser, stopping at the first error.
    bool eseguiFile(const QString& database, const QString& file);
    // A school's register: the database created, the register's schema
    // (FileSchema) applied, and each login user, a name and the role it is a
    // member of (none when empty), created; a game's or a teacher's user is
    // granted the register's first class, "La mia classe", as a school of
    // one class has it.
    bool creaRegistro(const QString& database, const QList<std::pair<QString, QString>>& utenti);
    // The register's schema in the source tree.
    static QString FileSchema() { return QStringLiteral(TESSELO_SCHEMA_POSTGRES); }
    // A connection through the Qt PostgreSQL driver, opened; check isOpen().
    QSqlDatabase connetti(const QString& nomeConnessione, const QString& utente, const QString& database);

    // The socket's folder: the host of libpq and QSqlDatabase.
    QString cartella() const { return radice.path(); }
    static constexpr int Porta = 5432;
    static constexpr const char* Superutente = "tesselo_prova";
    QString errore() const { return motivo; }

private:
    // The server's own programs, run as "nobody" when the test runs as root.
    bool eseguiServer(const QString& programma, const QStringList& argomenti);
    // The cluster's settings: a socket in the folder, no TCP, no syncs.
    bool configura();
    bool fallito(const QString& cosa);
    QString programma(const QString& nome) const;
    QString dati() const { return radice.filePath(QStringLiteral("dati")); }
    QString diario() const { return radice.filePath(QStringLiteral("server.log")); }
    bool parti();
    // The certificate and key of Tls::Si.
    bool creaCertificato();

    QTemporaryDir radice;
    std::optional<Tls> tcp;
    int porta = 0;
    bool avviato = false;
    QString motivo;
};

// One statement on the named connection (reopened when the server dropped
// it): the first value of its first row, true when it returns no row, and
// nothing, with a warning, when it fails.
QVariant Interroga(const QString& connessione, const QString& istruzione);

// One statement on a connection, its values bound by name (none: run as
// it is, which also runs what cannot be prepared, such as CREATE TABLE).
struct Esito {
    bool ok;
    QString codice;   // SQLSTATE when it failed
    int righe;        // rows changed, or -1
    QVariant primo;   // the first column of the first row
};
Esito Esegui(QSqlDatabase db, const QString& sql, const QVariantMap& valori = {});
