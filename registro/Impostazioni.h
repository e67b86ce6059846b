#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace Registro {

// The school's PostgreSQL server, from the section [registro] of
// tesselo/tesselo.conf in the XDG configuration folders: the system's files
// (XDG_CONFIG_DIRS, /etc/xdg by default) set up a whole room, and the user's
// (XDG_CONFIG_HOME) wins over them key by key. The password is never there:
// libpq reads it from its own password file (~/.pgpass or PGPASSFILE).
struct Impostazioni {
    QString host;               // a name, an address or a Unix socket's folder; empty: libpq's default
    int porta = 5432;
    QString database = QStringLiteral("tesselo");
    QString utente;             // empty: libpq's default (the system user)
    QString utenteInsegnante;   // the teachers' program; empty: utente
    QString sslmode;            // one of libpq's values; empty: verify-full over a network, none on a socket

    // The user for the teachers' program.
    QString utentePerInsegnanti() const { return utenteInsegnante.isEmpty() ? utente : utenteInsegnante; }
    // The options of a QPSQL connection: sslmode and how long to try.
    QString opzioni(int secondiAttesa) const;
    // The host is a Unix socket's folder (or libpq's default socket): no
    // network, so no TLS.
    bool suSocket() const;
    // The sslmode a connection uses: the one written, or verify-full over a
    // network, so that neither the password nor a child's answer ever
    // travels in clear or to a server that is not the school's.
    QString sslEffettivo() const;
    // One warning line when the settings ask for less than a checked
    // certificate over a network; empty otherwise.
    QString avvisoSsl() const;

    // The files read, the system's first and the user's last.
    static QStringList File();
    // One key of any section of those files ("gioco", "lingua"), trimmed:
    // the user's file wins over the system's; empty where none sets it.
    static QString Valore(const QString& sezione, const QString& chiave);
    // Nothing without a [registro] section (the local register alone). A
    // value that cannot be used (a port that is not a number, an sslmode
    // libpq does not know) gives nothing too, with errore set: a mistyped "verify-full" must not
    // become an unchecked connection.
    static std::optional<Impostazioni> Leggi(QString& errore);
};

} // namespace Registro
