#include "registro/Invio.h"

#include "registro/Avviso.h"
#include "registro/Codici.h"
#include "registro/PercorsiDelleClassi.h"
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
    QByteArray classe;    // the 16 bytes of its class's uuid
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
    QSet<QByteArray> concesse;  // the uuids of the classes the server grants this login
    // What of the learning paths the server held when last copied.
    std::optional<QByteArray> percorsiCopiati;
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
    void copiaClassi();
    QList<DaInviare> lotto();
    // Sends a batch and takes it out of the queue; when the server refuses
    // it, each answer alone, setting aside those it refuses. Returns how many
    // reached the server.
    int invia(const QList<DaInviare>& risposte);
    // The server refused the data, and sending it again cannot help: a check
    // or a key broken, or an answer of a class the server no longer grants
    // this login (its row-level security refuses it as a privilege).
    bool respinte(const Guasto& g, const QList<DaInviare>& risposte) const;
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

// What this computer's login user reaches on the server: the classes
// granted to it and their children, by the 16 bytes of each uuid.
struct DelServer {
    struct Figlio {
        Bambino bambino;
        QByteArray classe;
    };
    QHash<QByteArray, Classe> classi;
    QHash<QByteArray, Figlio> bambini;
};

DelServer LeggiServer(QSqlDatabase pg)
{
    DelServer letto;
    // Row-level security leaves out every class not granted to this login.
    QSqlQuery c = Prepara(pg, QStringLiteral("SELECT uuid::text, nome, anno_scolastico, leggi_domande FROM tesselo.classi"));
    Esegui(c, QStringLiteral("impossibile leggere le classi dal server"));
    while (c.next()) {
        const QUuid uuid(c.value(0).toString());
        letto.classi.insert(Codici::Uuid(uuid),
                            {0, uuid, c.value(1).toString(), c.value(2).toString(), c.value(3).toBool()});
    }
    QSqlQuery q = Prepara(pg, QStringLiteral("SELECT uuid::text, nome, cognome, simbolo, classe::text FROM tesselo.bambini"));
    Esegui(q, QStringLiteral("impossibile leggere la classe dal server"));
    while (q.next()) {
        const QUuid uuid(q.value(0).toString());
        letto.bambini.insert(Codici::Uuid(uuid), {{0, uuid, q.value(1).toString(), q.value(2).toString(), q.value(3).toString()},
                                                  Codici::Uuid(QUuid(q.value(4).toString()))});
    }
    return letto;
}

// The local copy is already the server's: the same classes and children,
// with the same names, years, settings and symbols, and none else.
bool Uguale(QSqlDatabase db, const DelServer& server)
{
    QSqlQuery c = Prepara(db, QStringLiteral("SELECT uuid, nome, anno_scolastico, leggi_domande FROM classi"));
    Esegui(c, QStringLiteral("impossibile leggere le classi"));
    int n = 0;
    for (; c.next(); ++n) {
        const auto k = server.classi.constFind(c.value(0).toByteArray());
        if (k == server.classi.cend() || k->nome != c.value(1).toString() || k->annoScolastico != c.value(2).toString()
            || k->leggiDomande != (c.value(3).toInt() != 0))
            return false;
    }
    if (n != server.classi.size())
        return false;
    QSqlQuery q = Prepara(db, QStringLiteral(
        "SELECT b.uuid, b.nome, b.cognome, b.simbolo, c.uuid FROM bambini b LEFT JOIN classi c ON c.id = b.classe"));
    Esegui(q, QStringLiteral("impossibile leggere la classe"));
    for (n = 0; q.next(); ++n) {
        const auto f = server.bambini.constFind(q.value(0).toByteArray());
        if (f == server.bambini.cend() || f->bambino.nome != q.value(1).toString()
            || f->bambino.cognome != q.value(2).toString() || f->bambino.simbolo != q.value(3).toString()
            || f->classe != q.value(4).toByteArray())
            return false;
    }
    return n == server.bambini.size();
}

// Each class of the server added, or renamed, re-yeared and given its
// settings by uuid; the local classes the server no longer grants, whose
// answers are still queued, keep their name unless a class of the server
// took it with their year. Returns the local id of each class, by uuid.
QHash<QByteArray, qint64> SalvaClassi(QSqlDatabase db, const DelServer& server)
{
    const QString cosa = QStringLiteral("impossibile scrivere le classi");
    QSqlQuery vecchie = Prepara(db, QStringLiteral("SELECT id, uuid, nome FROM classi"));
    Esegui(vecchie, cosa);
    QHash<qint64, QString> soloQui;
    while (vecchie.next())
        if (!server.classi.contains(vecchie.value(1).toByteArray()))
            soloQui.insert(vecchie.value(0).toLongLong(), vecchie.value(2).toString());
    // Every local class first takes a name of its own ('~' and its id), so
    // that names swapped on the server never collide here.
    QSqlQuery temporaneo = Prepara(db, QStringLiteral("UPDATE classi SET nome = '~' || id"));
    Esegui(temporaneo, cosa);
    QSqlQuery q = Prepara(db, QStringLiteral(
        "INSERT INTO classi (uuid, nome, anno_scolastico, leggi_domande) VALUES (?, ?, ?, ?)"
        " ON CONFLICT (uuid) DO UPDATE SET nome = excluded.nome, anno_scolastico = excluded.anno_scolastico,"
        " leggi_domande = excluded.leggi_domande"));
    for (auto c = server.classi.cbegin(); c != server.classi.cend(); ++c) {
        q.bindValue(0, c.key());
        q.bindValue(1, c->nome);
        q.bindValue(2, c->annoScolastico);
        q.bindValue(3, c->leggiDomande ? 1 : 0);
        Esegui(q, cosa);
    }
    QSqlQuery rinomina = Prepara(db, QStringLiteral("UPDATE OR IGNORE classi SET nome = ? WHERE id = ?"));
    for (auto c = soloQui.cbegin(); c != soloQui.cend(); ++c) {
        rinomina.bindValue(0, *c);
        rinomina.bindValue(1, c.key());
        Esegui(rinomina, cosa);
    }
    QSqlQuery ids = Prepara(db, QStringLiteral("SELECT uuid, id FROM classi"));
    Esegui(ids, cosa);
    QHash<QByteArray, qint64> locali;
    while (ids.next())
        locali.insert(ids.value(0).toByteArray(), ids.value(1).toLongLong());
    return locali;
}

// The local children the server does not have, by what becomes of them:
// those of a class the server grants with answers not yet sent (by id, with
// their class and symbol) wait for the server, so that nothing of theirs is
// lost; those of a class no longer granted stay while their answers are
// queued (the server will refuse them, and they are set aside); the others,
// whom the teacher removed, all their answers on the server, go.
struct Confronto {
    QHash<qint64, std::pair<qint64, QString>> soloQui;  // class and symbol of each who stays
    QSet<qint64> inAttesa;                              // those of them whose class is granted
    QList<qint64> rimossi;
};

Confronto Confronta(QSqlDatabase db, const DelServer& server)
{
    QSqlQuery q = Prepara(db, QStringLiteral(
        "SELECT b.id, b.uuid, b.classe, b.simbolo, c.uuid, EXISTS (SELECT 1 FROM da_inviare d"
        " JOIN risposte r ON r.id = d.risposta WHERE r.bambino = b.id)"
        " FROM bambini b LEFT JOIN classi c ON c.id = b.classe"));
    Esegui(q, QStringLiteral("impossibile leggere la classe"));
    Confronto esito;
    while (q.next()) {
        if (server.bambini.contains(q.value(1).toByteArray()))
            continue;
        const qint64 id = q.value(0).toLongLong();
        if (!q.value(5).toBool()) {
            esito.rimossi.append(id);
            continue;
        }
        esito.soloQui.insert(id, {q.value(2).toLongLong(), q.value(3).toString()});
        if (server.classi.contains(q.value(4).toByteArray()))
            esito.inAttesa.insert(id);
    }
    return esito;
}

// Answers the server refused are kept here only, with its reason: when the
// child or class they belong to leaves the copy they go with it, and one
// line says how many, so that none is lost unsaid.
void AvvisaRifiutateTolte(QSqlDatabase db, const char* dove, qint64 id, const QString& di)
{
    QSqlQuery q = Prepara(db, QStringLiteral("SELECT count(*) FROM rifiutate f JOIN risposte r ON r.id = f.risposta"
                                             " WHERE r.%1 = ?").arg(QLatin1String(dove)));
    q.addBindValue(id);
    Esegui(q, QStringLiteral("impossibile leggere le risposte rifiutate"));
    if (q.next() && q.value(0).toInt() > 0)
        Avvisa(QStringLiteral("%1 risposte rifiutate dal server tolte da questo computer con %2, che il server non ha più")
                   .arg(q.value(0).toInt())
                   .arg(di));
}

void TogliRimossi(QSqlDatabase db, const QList<qint64>& rimossi)
{
    for (const qint64 id : rimossi)
        AvvisaRifiutateTolte(db, "bambino", id, QStringLiteral("un bambino"));
    for (const qint64 id : rimossi)
        for (const char* sql : {"DELETE FROM risposte WHERE bambino = ?", "DELETE FROM bambini WHERE id = ?"}) {
            QSqlQuery q = Prepara(db, QString::fromLatin1(sql));
            q.addBindValue(id);
            Esegui(q, QStringLiteral("impossibile scrivere la classe"));
        }
}

// Each child of the server added, or updated by uuid, in their class; a
// child the server moved to another class takes their answers with them.
void SalvaBambini(QSqlDatabase db, const DelServer& server, const QHash<QByteArray, qint64>& classi)
{
    const QString cosa = QStringLiteral("impossibile scrivere la classe");
    QSqlQuery q = Prepara(db, QStringLiteral(
        "INSERT INTO bambini (uuid, nome, cognome, simbolo, classe) VALUES (?, ?, ?, ?, ?)"
        " ON CONFLICT (uuid) DO UPDATE SET nome = excluded.nome, cognome = excluded.cognome,"
        " simbolo = excluded.simbolo, classe = excluded.classe"));
    for (auto f = server.bambini.cbegin(); f != server.bambini.cend(); ++f) {
        q.bindValue(0, f.key());
        q.bindValue(1, f->bambino.nome);
        q.bindValue(2, f->bambino.cognome);
        q.bindValue(3, f->bambino.simbolo);
        q.bindValue(4, classi.value(f->classe));
        Esegui(q, cosa);
    }
    QSqlQuery seguono = Prepara(db, QStringLiteral(
        "UPDATE risposte SET classe = b.classe FROM bambini b WHERE b.id = risposte.bambino AND risposte.classe <> b.classe"));
    Esegui(seguono, cosa);
}

// A child known here alone keeps their symbol unless the server's class gave
// it to another child of their class; then the first one free there.
void RimettiSimboli(QSqlDatabase db, const QHash<qint64, std::pair<qint64, QString>>& soloQui, const DelServer& server,
                    const QHash<QByteArray, qint64>& classi)
{
    QHash<qint64, QList<Bambino>> perClasse;
    for (auto f = server.bambini.cbegin(); f != server.bambini.cend(); ++f)
        perClasse[classi.value(f->classe)].append(f->bambino);
    QSqlQuery q = Prepara(db, QStringLiteral("UPDATE bambini SET simbolo = ? WHERE id = ?"));
    for (auto i = soloQui.cbegin(); i != soloQui.cend(); ++i) {
        const auto& [classe, suo] = *i;
        QList<Bambino>& compagni = perClasse[classe];
        const bool preso = std::any_of(compagni.cbegin(), compagni.cend(), [&](const Bambino& b) { return b.simbolo == suo; });
        const std::optional<QString> simbolo = preso ? SimboloLibero(compagni) : std::optional<QString>(suo);
        if (!simbolo)
            continue;
        compagni.append({i.key(), {}, {}, {}, *simbolo});
        q.bindValue(0, *simbolo);
        q.bindValue(1, i.key());
        Esegui(q, QStringLiteral("impossibile scrivere la classe"));
    }
}

// The classes the server no longer grants leave the copy, with their
// children and answers, once none of their answers is queued.
void TogliClassi(QSqlDatabase db, const DelServer& server)
{
    const QString cosa = QStringLiteral("impossibile scrivere le classi");
    QSqlQuery q = Prepara(db, QStringLiteral(
        "SELECT c.id, c.uuid FROM classi c WHERE NOT EXISTS (SELECT 1 FROM da_inviare d"
        " JOIN risposte r ON r.id = d.risposta WHERE r.classe = c.id)"));
    Esegui(q, cosa);
    QList<qint64> via;
    while (q.next())
        if (!server.classi.contains(q.value(1).toByteArray()))
            via.append(q.value(0).toLongLong());
    for (const qint64 id : via)
        AvvisaRifiutateTolte(db, "classe", id, QStringLiteral("la sua classe"));
    for (const qint64 id : via)
        for (const char* sql : {"DELETE FROM risposte WHERE classe = ?", "DELETE FROM bambini WHERE classe = ?",
                                "DELETE FROM classi WHERE id = ?"}) {
            QSqlQuery togli = Prepara(db, QString::fromLatin1(sql));
            togli.addBindValue(id);
            Esegui(togli, cosa);
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

void Invio::Dati::copiaClassi()
{
    const DelServer server = LeggiServer(pg());
    PercorsiDelleClassi percorsi;
    if (QSqlError e; !LeggiPercorsiDelleClassi(pg(), percorsi, e))
        Fallisci(QStringLiteral("impossibile leggere i percorsi dal server"), e);
    concesse = QSet<QByteArray>(server.classi.keyBegin(), server.classi.keyEnd());
    QSqlDatabase l = db();
    if (Uguale(l, server) && percorsiCopiati == percorsi.impronta) {
        esclusi.clear();
        chiama(&Dati::classeCopiata);
        return;
    }
    const QString cosa = QStringLiteral("impossibile scrivere la classe");
    Scrivendo(l, cosa);
    try {
        const QHash<QByteArray, qint64> classi = SalvaClassi(l, server);
        const Confronto confronto = Confronta(l, server);
        // Every local child first takes a symbol no child can have, so that
        // symbols swapped on the server never collide here.
        QSqlQuery temporaneo = Prepara(l, QStringLiteral("UPDATE bambini SET simbolo = '~' || id"));
        Esegui(temporaneo, cosa);
        TogliRimossi(l, confronto.rimossi);
        SalvaBambini(l, server, classi);
        RimettiSimboli(l, confronto.soloQui, server, classi);
        TogliClassi(l, server);
        if (QString errore; !CopiaPercorsiDelleClassi(l, percorsi, classi, errore))
            throw Guasto{errore};
        if (!l.commit())
            Fallisci(cosa, l.lastError());
        esclusi = confronto.inAttesa;
        percorsiCopiati = percorsi.impronta;
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
        " d.risposta, b.uuid, c.uuid, r.percorso, r.passo, r.tentativo FROM da_inviare d JOIN risposte r ON r.id = d.risposta"
        " LEFT JOIN bambini b ON b.id = r.bambino LEFT JOIN classi c ON c.id = r.classe %1"
        " ORDER BY d.risposta LIMIT %2")
        .arg(fuori.isEmpty() ? QString() : QStringLiteral("WHERE r.bambino NOT IN (%1)").arg(fuori.join(',')))
        .arg(Lotto));
    Esegui(q, QStringLiteral("impossibile leggere le risposte da inviare"));
    QList<DaInviare> risposte;
    while (q.next()) {
        const QUuid bambino = q.value(10).isNull() ? QUuid() : Codici::Uuid(q.value(10));
        // With the path and step it was given under, and its attempt.
        risposte.append({q.value(9).toLongLong(), LeggiRisposta(q, 0, 12), bambino.isNull() ? QString() : Server::Testo(bambino),
                         q.value(11).toByteArray()});
    }
    return risposte;
}

int Invio::Dati::invia(const QList<DaInviare>& risposte)
{
    try {
        inviaLotto(risposte);
    } catch (const Guasto& g) {
        if (!respinte(g, risposte))
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
            if (!respinte(g, {a})) {
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

bool Invio::Dati::respinte(const Guasto& g, const QList<DaInviare>& risposte) const
{
    return g.rifiuto()
        || (g.codice == QLatin1String("42501") && std::any_of(risposte.cbegin(), risposte.cend(), [&](const DaInviare& a) {
               return !concesse.contains(a.classe);
           }));
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
            // An answer without a class (none in the register) is sent
            // without one, for the server to refuse and the refusal kept.
            Server::Lega(q, a.risposta, a.bambino,
                         a.classe.isEmpty() ? QString() : Server::Testo(Codici::Uuid(QVariant(a.classe))));
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
    copiaClassi();
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
