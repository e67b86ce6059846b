#include "ServerPostgres.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

#include <csignal>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Where Debian's postgresql-15 package puts the server and its clients.
const QString Programmi = QStringLiteral("/usr/lib/postgresql/15/bin");
// The user namespace's "nobody", in which a root test runs the server.
const QStringList ComeNessuno{QStringLiteral("--user"), QStringLiteral("--map-user=65534"),
                              QStringLiteral("--map-group=65534")};
constexpr int AttesaMs = 60000;

QString Coda(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll().right(2000)) : QString();
}

// Why a program that ran did not succeed: it did not start, crashed or
// timed out, or else its own words.
QString Perche(QProcess& p, const QByteArray& parole)
{
    const QString come = p.error() == QProcess::UnknownError ? QString() : p.errorString() + QStringLiteral(": ");
    return come + QString::fromUtf8(parole);
}

// A TCP port of 127.0.0.1 nobody listens on now: the one the system gives
// a socket bound to port 0.
int PortaLibera()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in indirizzo{};
    indirizzo.sin_family = AF_INET;
    indirizzo.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t lunghezza = sizeof indirizzo;
    const bool ok = s >= 0 && ::bind(s, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo) == 0
        && ::getsockname(s, reinterpret_cast<sockaddr*>(&indirizzo), &lunghezza) == 0;
    if (s >= 0)
        ::close(s);
    return ok ? ntohs(indirizzo.sin_port) : 0;
}

} // namespace

ServerPostgres::~ServerPostgres()
{
    if (!avviato || eseguiServer(QStringLiteral("pg_ctl"), {"-D", dati(), "-w", "-m", "immediate", "stop"}))
        return;
    // pg_ctl could not stop it: no server may outlive its folder.
    QFile pid(dati() + QStringLiteral("/postmaster.pid"));
    if (pid.open(QIODevice::ReadOnly))
        if (const pid_t numero = pid.readLine().trimmed().toInt(); numero > 0)
            ::kill(numero, SIGKILL);
}

QString ServerPostgres::programma(const QString& nome) const
{
    return Programmi + QLatin1Char('/') + nome;
}

bool ServerPostgres::fallito(const QString& cosa)
{
    motivo = cosa;
    return false;
}

bool ServerPostgres::eseguiServer(const QString& nome, const QStringList& argomenti)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (geteuid() == 0)
        p.start(QStringLiteral("unshare"), ComeNessuno + QStringList{programma(nome)} + argomenti);
    else
        p.start(programma(nome), argomenti);
    if (!p.waitForFinished(AttesaMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        p.waitForFinished();
        return fallito(QStringLiteral("%1 failed: %2\n%3").arg(nome, Perche(p, p.readAll()), Coda(diario())));
    }
    return true;
}

bool ServerPostgres::avvia()
{
    if (!QFileInfo(programma(QStringLiteral("initdb"))).isExecutable())
        return fallito(QStringLiteral("PostgreSQL 15 is missing (%1/initdb): install the package postgresql")
                           .arg(Programmi));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return fallito(QStringLiteral("Qt's PostgreSQL driver is missing: install the package libqt6sql6-psql"));
    if (!radice.isValid())
        return fallito(QStringLiteral("no temporary folder: %1").arg(radice.errorString()));
    if (!eseguiServer(QStringLiteral("initdb"), {"-D", dati(), "-U", Superutente, "-A", "trust", "-E", "UTF8",
                                                 "--locale=C.UTF-8", "--no-sync"}))
        return false;
    if (!configura())
        return false;
    return parti();
}

bool ServerPostgres::parti()
{
    avviato = eseguiServer(QStringLiteral("pg_ctl"), {"-D", dati(), "-l", diario(), "-w", "start"});
    return avviato;
}

bool ServerPostgres::configura()
{
    // No TCP at all; the socket and its lock file in the test's folder. The
    // cluster is thrown away at the end: nothing needs to reach the disk.
    QFile conf(dati() + QStringLiteral("/postgresql.conf"));
    if (!conf.open(QIODevice::Append | QIODevice::Text))
        return fallito(QStringLiteral("cannot write %1").arg(conf.fileName()));
    QString cartellaSql = cartella();
    cartellaSql.replace(QLatin1Char('\''), QStringLiteral("''"));
    if (tcp) {
        porta = PortaLibera();
        if (porta == 0)
            return fallito(QStringLiteral("no free TCP port on 127.0.0.1"));
        if (*tcp == Tls::Si && !creaCertificato())
            return false;
    }
    const QString rete = !tcp ? QString()
        : QStringLiteral("listen_addresses = '127.0.0.1'\nssl = %1\n").arg(*tcp == Tls::Si ? "on" : "off");
    conf.write(QStringLiteral("\nlisten_addresses = ''\n"
                              "unix_socket_directories = '%1'\n"
                              "port = %2\n"
                              "fsync = off\n"
                              "synchronous_commit = off\n"
                              "full_page_writes = off\n")
                   .arg(cartellaSql)
                   .arg(tcp ? porta : Porta)
                   .toUtf8()
               + rete.toUtf8());
    return conf.flush();
}

bool ServerPostgres::creaCertificato()
{
    // server.crt and server.key beside postgresql.conf, where ssl = on looks.
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("openssl"),
            {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
             "subjectAltName=IP:127.0.0.1", "-keyout", dati() + "/server.key", "-out", certificato()});
    if (!p.waitForFinished(AttesaMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return fallito(QStringLiteral("openssl could not make a certificate (install the package openssl): %1")
                           .arg(Perche(p, p.readAll())));
    return QFile::setPermissions(dati() + "/server.key", QFile::ReadOwner | QFile::WriteOwner);
}

bool ServerPostgres::ferma()
{
    if (!avviato || !eseguiServer(QStringLiteral("pg_ctl"), {"-D", dati(), "-w", "-m", "fast", "stop"}))
        return fallito(QStringLiteral("the server could not be stopped: %1").arg(motivo));
    avviato = false;
    return true;
}

bool ServerPostgres::riavvia()
{
    return !avviato && parti();
}

std::optional<QByteArray> ServerPostgres::client(const QString& nome, const QStringList& argomenti)
{
    QProcess p;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("PGOPTIONS"), QStringLiteral("-c client_min_messages=warning"));
    p.setProcessEnvironment(ambiente);
    p.start(programma(nome), QStringList{"-h", cartella(), "-p", QString::number(tcp ? porta : Porta), "-U", Superutente}
                                 + argomenti);
    if (!p.waitForFinished(AttesaMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        p.waitForFinished();
        fallito(QStringLiteral("%1 failed: %2").arg(nome, Perche(p, p.readAllStandardError())));
        return std::nullopt;
    }
    return p.readAllStandardOutput();
}

bool ServerPostgres::creaDatabase(const QString& nome)
{
    return client(QStringLiteral("createdb"), {nome}).has_value();
}

bool ServerPostgres::eseguiFile(const QString& database, const QString& file)
{
    return client(QStringLiteral("psql"), {"-X", "-q", "-v", "ON_ERROR_STOP=1", "-d", database, "-f", file})
        .has_value();
}

bool ServerPostgres::creaRegistro(const QString& database, const QList<std::pair<QString, QString>>& utenti)
{
    QString ruoli;
    for (const auto& [nome, ruolo] : utenti) {
        ruoli += QStringLiteral("CREATE ROLE %1 LOGIN%2;").arg(nome, ruolo.isEmpty() ? QString() : " IN ROLE " + ruolo);
        if (ruolo == QLatin1String("tesselo_gioco") || ruolo == QLatin1String("tesselo_insegnante"))
            ruoli += QStringLiteral("SELECT tesselo.assegna_classe('La mia classe', '%1');").arg(nome);
    }
    return creaDatabase(database) && eseguiFile(database, FileSchema())
        && (ruoli.isEmpty() || client(QStringLiteral("psql"), {"-X", "-q", "-d", database, "-c", ruoli}));
}

QSqlDatabase ServerPostgres::connetti(const QString& nomeConnessione, const QString& utente, const QString& database)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nomeConnessione);
    db.setHostName(cartella());
    db.setPort(tcp ? porta : Porta);
    db.setUserName(utente);
    db.setDatabaseName(database);
    if (!db.open())
        motivo = db.lastError().text();
    return db;
}

QVariant Interroga(const QString& connessione, const QString& istruzione)
{
    QSqlDatabase db = QSqlDatabase::database(connessione);
    if (!db.isOpen())
        db.open();
    QSqlQuery q(db);
    if (!q.exec(istruzione)) {
        qWarning() << istruzione << q.lastError().text();
        return {};
    }
    return q.next() ? q.value(0) : QVariant(true);
}

Esito Esegui(QSqlDatabase db, const QString& sql, const QVariantMap& valori)
{
    QSqlQuery q(db);
    bool ok;
    if (valori.isEmpty()) {
        ok = q.exec(sql);
    } else {
        q.prepare(sql);
        for (auto v = valori.cbegin(); v != valori.cend(); ++v)
            q.bindValue(v.key(), v.value());
        ok = q.exec();
    }
    const int righe = q.isSelect() ? -1 : q.numRowsAffected();
    QVariant primo;
    if (ok && q.isSelect() && q.next())
        primo = q.value(0);
    return {ok, q.lastError().nativeErrorCode(), righe, primo};
}
