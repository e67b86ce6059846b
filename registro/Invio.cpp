#include "registro/Invio.h"

#include "registro/Avviso.h"
#include "registro/Codici.h"
#include "registro/Schema.h"
#include "registro/Server.h"

#include <QAtomicInteger>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace Registro {

namespace {

using Millisecondi = std::chrono::milliseconds;

QString NuovoNome(const char* tipo)
{
    static QAtomicInteger<quint64> contatore;
    return QStringLiteral("tesselo-invio-%1-%2").arg(QLatin1String(tipo)).arg(contatore.fetchAndAddRelaxed(1));
}

// The name the computer reports its queue under: its host name and a code
// of this machine and this register. The computers of a room cloned from one
// image often share their host name, and two accounts of one computer have a
// queue each: by host name alone they would overwrite each other's line.
QString NomeComputer(const QByteArray& idRegistro)
{
    const QByteArray codice = QCryptographicHash::hash(QSysInfo::machineUniqueId() + idRegistro,
                                                       QCryptographicHash::Sha256).toHex().left(8);
    const QString host = QSysInfo::machineHostName().left(200);
    return QStringLiteral("%1 (%2)").arg(host.isEmpty() ? QStringLiteral("computer") : host, QLatin1String(codice));
}

// One queued answer, as the server stores it.
struct DaInviare {
    qint64 riga;          // the local answer's id
    Risposta risposta;
    QString bambino;      // the child's uuid; empty for a guest
};

// A failed step: why, in one line, and the server's SQLSTATE when it gave one.
struct Guasto {
    QString motivo;
    QString codice = {};
    // The server refused the data (a data exception or a constraint, such as
    // a check or a child no longer there): sending it again cannot help.
    // Anything else (a lost connection, a privilege, a lock) may pass later.
    bool rifiuto() const
    {
        return codice.size() == 5 && (codice.startsWith(QLatin1String("22")) || codice.startsWith(QLatin1String("23")));
    }
};

// An answer the server refused, with its reason.
struct Rifiutata {
    qint64 riga;
    QString motivo;
};

} // namespace

struct Invio::Dati {
    Impostazioni imp;
    QString percorso;

    std::mutex mutex;
    std::condition_variable svegliato;
    bool fine = false;
    bool nuove = false;
    std::function<void(int, int)> inviate;
    std::function<void(const QString&, Millisecondi)> fallito;
    std::function<void()> classeCopiata;
    std::thread filo;

    // Only the sender's thread touches these.
    QString locale, server;     // connection names
    QString nome;               // NomeComputer() of this register
    Schema::Uso uso;            // held while the local connection is open
    QSet<qint64> esclusi;       // local children the server does not know
    bool avvisatoServer = false, avvisatoVersione = false, avvisatoEsclusi = false;

    void lavora();
    // One round: connect, copy the class, send the whole queue, report.
    // Throws Guasto on failure.
    void giro();
    QSqlDatabase db() const { return QSqlDatabase::database(locale, false); }
    QSqlDatabase pg() const { return QSqlDatabase::database(server, false); }
    void apriLocale();
    void collega();
    void chiudiServer();
    void copiaClasse();
    QList<DaInviare> lotto();
    // Sends a batch and takes it out of the queue; when the server refuses
    // it, each answer alone, setting aside those it refuses. Returns how many
    // reached the server.
    int invia(const QList<DaInviare>& risposte);
    int inviaUnaAllaVolta(const QList<DaInviare>& risposte);
    // One transaction on the server.
    void inviaLotto(const QList<DaInviare>& risposte);
    // Out of the queue: the answers the server committed, and those it
    // refused, kept aside with the reason.
    void togliDallaCoda(const QList<qint64>& inviate, const QList<Rifiutata>& rifiutate = {});
    int inCoda();
    void segnala(int coda);
    // Waits attesa or until woken (by sveglia() when svegliabile) or the end;
    // false at the end.
    bool aspetta(Millisecondi attesa, bool svegliabile);
    bool finito()
    {
        std::lock_guard blocco(mutex);
        return fine;
    }
    template <class F, class... A> void chiama(F Dati::*f, A&&... a)
    {
        std::remove_reference_t<decltype(this->*f)> copia;
        {
            std::lock_guard blocco(mutex);
            copia = this->*f;
        }
        if (copia)
            copia(std::forward<A>(a)...);
    }
};

namespace {

[[noreturn]] void Fallisci(const QString& cosa, const QSqlError& e)
{
    throw Guasto{Server::Motivo(cosa, e), e.nativeErrorCode()};
}

void Esegui(QSqlQuery& q, const QString& cosa)
{
    if (!q.exec())
        Fallisci(cosa, q.lastError());
}

QSqlQuery Prepara(QSqlDatabase db, const QString& sql)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        Fallisci(QStringLiteral("istruzione non eseguita"), q.lastError());
    return q;
}

// A write transaction on the local register, its lock taken at once: the
// game's writer may write meanwhile, and a read turned write would fail.
void Scrivendo(QSqlDatabase db, const QString& cosa)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        Fallisci(cosa, q.lastError());
}

// The local class is already the server's: the same children, names and
// symbols, and none else.
bool Uguale(QSqlDatabase db, const QHash<QByteArray, Bambino>& delServer)
{
    QSqlQuery q = Prepara(db, QStringLiteral("SELECT uuid, nome, cognome, simbolo FROM bambini"));
    Esegui(q, QStringLiteral("impossibile leggere la classe"));
    int n = 0;
    for (; q.next(); ++n) {
        const auto b = delServer.constFind(q.value(0).toByteArray());
        if (b == delServer.cend() || b->nome != q.value(1).toString() || b->cognome != q.value(2).toString()
            || b->simbolo != q.value(3).toString())
            return false;
    }
    return n == delServer.size();
}

// The server's class, by the 16 bytes of each child's uuid.
QHash<QByteArray, Bambino> ClasseDelServer(QSqlDatabase pg)
{
    QSqlQuery q = Prepara(pg, QStringLiteral("SELECT uuid::text, nome, cognome, simbolo FROM tesselo.bambini"));
    Esegui(q, QStringLiteral("impossibile leggere la classe dal server"));
    QHash<QByteArray, Bambino> classe;
    while (q.next()) {
        const QUuid uuid(q.value(0).toString());
        classe.insert(Codici::Uuid(uuid), {0, uuid, q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
    }
    return classe;
}

// The local children the server does not have: those with answers not yet
// sent (by id, with their symbol), kept so that nothing of theirs is lost;
// and the others, whom the teacher removed, all their answers on the server.
std::pair<QHash<qint64, QString>, QList<qint64>> Confronta(QSqlDatabase db, const QHash<QByteArray, Bambino>& delServer)
{
    QSqlQuery q = Prepara(db, QStringLiteral(
        "SELECT b.id, b.uuid, b.simbolo, EXISTS (SELECT 1 FROM da_inviare d JOIN risposte r ON r.id = d.risposta"
        " WHERE r.bambino = b.id) FROM bambini b"));
    Esegui(q, QStringLiteral("impossibile leggere la classe"));
    QHash<qint64, QString> soloQui;
    QList<qint64> rimossi;
    while (q.next()) {
        if (delServer.contains(q.value(1).toByteArray()))
            continue;
        if (q.value(3).toBool())
            soloQui.insert(q.value(0).toLongLong(), q.value(2).toString());
        else
            rimossi.append(q.value(0).toLongLong());
    }
    return {soloQui, rimossi};
}

void TogliRimossi(QSqlDatabase db, const QList<qint64>& rimossi)
{
    for (const qint64 id : rimossi)
        for (const char* sql : {"DELETE FROM risposte WHERE bambino = ?", "DELETE FROM bambini WHERE id = ?"}) {
            QSqlQuery q = Prepara(db, QString::fromLatin1(sql));
            q.addBindValue(id);
            Esegui(q, QStringLiteral("impossibile scrivere la classe"));
        }
}

// Each child of the server added, or updated by uuid.
void SalvaClasse(QSqlDatabase db, const QHash<QByteArray, Bambino>& delServer)
{
    QSqlQuery q = Prepara(db, QStringLiteral(
        "INSERT INTO bambini (uuid, nome, cognome, simbolo) VALUES (?, ?, ?, ?)"
        " ON CONFLICT (uuid) DO UPDATE SET nome = excluded.nome, cognome = excluded.cognome,"
        " simbolo = excluded.simbolo"));
    for (auto b = delServer.cbegin(); b != delServer.cend(); ++b) {
        q.bindValue(0, b.key());
        q.bindValue(1, b->nome);
        q.bindValue(2, b->cognome);
        q.bindValue(3, b->simbolo);
        Esegui(q, QStringLiteral("impossibile scrivere la classe"));
    }
}

// A child known here alone keeps their symbol unless the server's class gave
// it to another; then the first one free.
void RimettiSimboli(QSqlDatabase db, const QHash<qint64, QString>& soloQui, const QHash<QByteArray, Bambino>& delServer)
{
    QList<Bambino> classe(delServer.cbegin(), delServer.cend());
    QSqlQuery q = Prepara(db, QStringLiteral("UPDATE bambini SET simbolo = ? WHERE id = ?"));
    for (auto i = soloQui.cbegin(); i != soloQui.cend(); ++i) {
        const bool preso = std::any_of(classe.cbegin(), classe.cend(), [&](const Bambino& b) { return b.simbolo == *i; });
        const std::optional<QString> simbolo = preso ? SimboloLibero(classe) : std::optional<QString>(*i);
        if (!simbolo)
            continue;
        classe.append({i.key(), {}, {}, {}, *simbolo});
        q.bindValue(0, *simbolo);
        q.bindValue(1, i.key());
        Esegui(q, QStringLiteral("impossibile scrivere la classe"));
    }
}

} // namespace

void Invio::Dati::apriLocale()
{
    if (db().isOpen())
        return;
    {
        // Creates or migrates the register, moving a damaged one aside; the
        // whole file is the writer's to check, after an unclean end.
        Archivio archivio;
        if (archivio.apri(percorso, true, Controllo::Rapido) != Accesso::Ok)
            throw Guasto{archivio.ultimoErrore()};
        QString errore;
        if (uso.prendi(percorso, errore) != Accesso::Ok)
            throw Guasto{errore};
    }
    if (locale.isEmpty())
        locale = NuovoNome("locale");
    QSqlDatabase l = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), locale);
    l.setDatabaseName(percorso);
    l.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(Schema::AttesaMs));
    if (!l.open())
        Fallisci(QStringLiteral("impossibile aprire il registro %1").arg(QDir::toNativeSeparators(percorso)),
                 l.lastError());
    QSqlQuery q = Prepara(l, QStringLiteral("SELECT id FROM questo_registro"));
    Esegui(q, QStringLiteral("impossibile leggere il registro"));
    nome = NomeComputer(q.next() ? q.value(0).toByteArray() : QByteArray());
}

void Invio::Dati::collega()
{
    if (pg().isOpen())
        return;
    if (server.isEmpty())
        server = NuovoNome("server");
    QString errore;
    int versione = -1;
    const Accesso esito = Server::Apri(imp, imp.utente, server, AttesaConnessione, errore, versione);
    if (esito == Accesso::PiuRecente) {
        if (!std::exchange(avvisatoVersione, true))
            Avvisa(QStringLiteral("il registro sul server è di una versione di Tesselo più recente: "
                                  "le risposte restano su questo computer"));
        throw Guasto{QStringLiteral("versione del server più recente (%1)").arg(versione)};
    }
    if (esito != Accesso::Ok)
        throw Guasto{errore};
}

void Invio::Dati::chiudiServer()
{
    if (server.isEmpty())
        return;
    pg().close();
}

void Invio::Dati::copiaClasse()
{
    const QHash<QByteArray, Bambino> delServer = ClasseDelServer(pg());
    QSqlDatabase l = db();
    if (Uguale(l, delServer)) {
        esclusi.clear();
        chiama(&Dati::classeCopiata);
        return;
    }
    const QString cosa = QStringLiteral("impossibile scrivere la classe");
    Scrivendo(l, cosa);
    try {
        const auto [soloQui, rimossi] = Confronta(l, delServer);
        // Every local child first takes a symbol no child can have, so that
        // symbols swapped on the server never collide here.
        QSqlQuery temporaneo = Prepara(l, QStringLiteral("UPDATE bambini SET simbolo = '~' || id"));
        Esegui(temporaneo, cosa);
        TogliRimossi(l, rimossi);
        SalvaClasse(l, delServer);
        RimettiSimboli(l, soloQui, delServer);
        if (!l.commit())
            Fallisci(cosa, l.lastError());
        esclusi = QSet<qint64>(soloQui.keyBegin(), soloQui.keyEnd());
    } catch (const Guasto&) {
        l.rollback();
        throw;
    }
    if (!esclusi.isEmpty() && !std::exchange(avvisatoEsclusi, true))
        Avvisa(QStringLiteral("bambini del registro di questo computer che non sono nella classe del server: %1;"
                              " le loro risposte restano su questo computer").arg(esclusi.size()));
    chiama(&Dati::classeCopiata);
}

QList<DaInviare> Invio::Dati::lotto()
{
    QStringList fuori;
    for (const qint64 id : std::as_const(esclusi))
        fuori.append(QString::number(id));
    QSqlQuery q = Prepara(db(), QStringLiteral(
        "SELECT r.uuid, r.quando, r.bambino, r.gioco, r.domande, r.blocchi, r.risposta, r.esatta, r.millisecondi,"
        " d.risposta, b.uuid FROM da_inviare d JOIN risposte r ON r.id = d.risposta"
        " LEFT JOIN bambini b ON b.id = r.bambino %1 ORDER BY d.risposta LIMIT %2")
        .arg(fuori.isEmpty() ? QString() : QStringLiteral("WHERE r.bambino NOT IN (%1)").arg(fuori.join(',')))
        .arg(Lotto));
    Esegui(q, QStringLiteral("impossibile leggere le risposte da inviare"));
    QList<DaInviare> risposte;
    while (q.next()) {
        const QUuid bambino = q.value(10).isNull() ? QUuid() : Codici::Uuid(q.value(10));
        risposte.append({q.value(9).toLongLong(), LeggiRisposta(q), bambino.isNull() ? QString() : Server::Testo(bambino)});
    }
    return risposte;
}

int Invio::Dati::invia(const QList<DaInviare>& risposte)
{
    try {
        inviaLotto(risposte);
    } catch (const Guasto& g) {
        if (!g.rifiuto())
            throw;
        return inviaUnaAllaVolta(risposte);
    }
    QList<qint64> righe;
    for (const DaInviare& a : risposte)
        righe.append(a.riga);
    togliDallaCoda(righe);
    return int(risposte.size());
}

int Invio::Dati::inviaUnaAllaVolta(const QList<DaInviare>& risposte)
{
    QList<qint64> inviate;
    QList<Rifiutata> rifiutate;
    for (const DaInviare& a : risposte) {
        try {
            inviaLotto({a});
            inviate.append(a.riga);
        } catch (const Guasto& g) {
            if (!g.rifiuto()) {
                // What the server took stays taken; the rest waits.
                togliDallaCoda(inviate, rifiutate);
                throw;
            }
            rifiutate.append({a.riga, g.motivo});
        }
    }
    togliDallaCoda(inviate, rifiutate);
    if (!rifiutate.isEmpty())
        Avvisa(QStringLiteral("risposte rifiutate dal server del registro: %1 (%2); restano in questo computer,"
                              " fuori dalla coda, e le altre vengono inviate")
                   .arg(rifiutate.size()).arg(rifiutate.first().motivo));
    return int(inviate.size());
}

void Invio::Dati::inviaLotto(const QList<DaInviare>& risposte)
{
    QSqlDatabase s = pg();
    if (!s.transaction())
        Fallisci(QStringLiteral("server del registro non raggiungibile"), s.lastError());
    // Outside the try: the statement is freed after the rollback, as the
    // server frees nothing in a transaction that failed.
    QSqlQuery q(s);
    try {
        q = Prepara(s, Server::InserisciRisposta());
        for (const DaInviare& a : risposte) {
            Server::Lega(q, a.risposta, a.bambino);
            Esegui(q, QStringLiteral("risposta rifiutata dal server"));
        }
    } catch (const Guasto&) {
        s.rollback();
        throw;
    }
    // A commit refused ends the transaction on the server: nothing to undo.
    if (!s.commit())
        Fallisci(QStringLiteral("risposte rifiutate dal server"), s.lastError());
}

void Invio::Dati::togliDallaCoda(const QList<qint64>& inviate, const QList<Rifiutata>& rifiutate)
{
    // Committed on the server: only now do they leave the queue. Stopped
    // before this, they are sent again and the server keeps them once.
    if (inviate.isEmpty() && rifiutate.isEmpty())
        return;
    const QString cosa = QStringLiteral("impossibile aggiornare la coda");
    QSqlDatabase l = db();
    Scrivendo(l, cosa);
    try {
        QSqlQuery togli = Prepara(l, QStringLiteral("DELETE FROM da_inviare WHERE risposta = ?"));
        const auto fuori = [&](qint64 riga) {
            togli.bindValue(0, riga);
            Esegui(togli, cosa);
        };
        for (const qint64 riga : inviate)
            fuori(riga);
        QSqlQuery daParte = Prepara(l, QStringLiteral(
            "INSERT OR REPLACE INTO rifiutate (risposta, quando, motivo) VALUES (?, ?, ?)"));
        for (const Rifiutata& r : rifiutate) {
            fuori(r.riga);
            daParte.bindValue(0, r.riga);
            daParte.bindValue(1, QDateTime::currentMSecsSinceEpoch());
            daParte.bindValue(2, r.motivo);
            Esegui(daParte, cosa);
        }
        togli.finish();
        daParte.finish();
        if (!l.commit())
            Fallisci(cosa, l.lastError());
    } catch (const Guasto&) {
        l.rollback();
        throw;
    }
}

int Invio::Dati::inCoda()
{
    QSqlQuery q = Prepara(db(), QStringLiteral("SELECT count(*) FROM da_inviare"));
    Esegui(q, QStringLiteral("impossibile leggere la coda"));
    return q.next() ? q.value(0).toInt() : 0;
}

void Invio::Dati::segnala(int coda)
{
    QSqlQuery q = Prepara(pg(), QStringLiteral("SELECT tesselo.segnala_coda(?, ?)"));
    q.addBindValue(nome);
    q.addBindValue(coda);
    Esegui(q, QStringLiteral("impossibile segnalare la coda al server"));
}

void Invio::Dati::giro()
{
    apriLocale();
    collega();
    copiaClasse();
    segnala(inCoda());
    for (QList<DaInviare> risposte = lotto(); !risposte.isEmpty() && !finito(); risposte = lotto()) {
        const int arrivate = invia(risposte);
        const int coda = inCoda();
        segnala(coda);
        chiama(&Dati::inviate, arrivate, coda);
    }
}

bool Invio::Dati::aspetta(Millisecondi attesa, bool svegliabile)
{
    std::unique_lock blocco(mutex);
    svegliato.wait_for(blocco, attesa, [&] { return fine || (svegliabile && nuove); });
    nuove = false;
    return !fine;
}

void Invio::Dati::lavora()
{
    Millisecondi attesa = PrimaAttesa;
    while (!finito()) {
        try {
            giro();
            attesa = PrimaAttesa;
            avvisatoServer = false;
            if (!aspetta(Controllo, true))
                break;
        } catch (const Guasto& g) {
            chiudiServer();
            if (!avvisatoVersione && !std::exchange(avvisatoServer, true))
                Avvisa(g.motivo + QStringLiteral("; le risposte restano su questo computer e saranno inviate più tardi"));
            chiama(&Dati::fallito, g.motivo, attesa);
            if (!aspetta(attesa, false))
                break;
            attesa = std::min(attesa * 2, AttesaMassima);
        }
    }
    for (QString* connessione : {&server, &locale}) {
        if (connessione->isEmpty())
            continue;
        QSqlDatabase::database(*connessione, false).close();
        QSqlDatabase::removeDatabase(*connessione);
    }
    uso.lascia();
}

Invio::Invio(const Impostazioni& imp, const QString& percorso) : d(std::make_unique<Dati>())
{
    d->imp = imp;
    d->percorso = percorso;
    d->filo = std::thread([this] { d->lavora(); });
}

Invio::~Invio()
{
    {
        std::lock_guard blocco(d->mutex);
        d->fine = true;
    }
    d->svegliato.notify_one();
    d->filo.join();
}

void Invio::sveglia()
{
    {
        std::lock_guard blocco(d->mutex);
        d->nuove = true;
    }
    d->svegliato.notify_one();
}

void Invio::quandoInviate(std::function<void(int, int)> fatto)
{
    std::lock_guard blocco(d->mutex);
    d->inviate = std::move(fatto);
}

void Invio::quandoFallito(std::function<void(const QString&, std::chrono::milliseconds)> fatto)
{
    std::lock_guard blocco(d->mutex);
    d->fallito = std::move(fatto);
}

void Invio::quandoClasseCopiata(std::function<void()> fatto)
{
    std::lock_guard blocco(d->mutex);
    d->classeCopiata = std::move(fatto);
}

} // namespace Registro
