#pragma once
#include "registro/Archivio.h"
#include "registro/Impostazioni.h"
#include "registro/Server.h"

#include <QString>
#include <chrono>
#include <functional>
#include <memory>

namespace Registro {

// Sends the local register's queue to the school's PostgreSQL server, on a
// thread of its own: the interface thread never waits for the network.
//
// The local register is the queue: every answer joins it when stored (table
// da_inviare) and leaves it only once the server has committed it, so a
// sender stopped at any moment loses nothing; an answer sent twice is kept
// once, as the server ignores a uuid it has. Answers go in batches, one
// transaction each. A lost or refused connection is retried after 1 s, then
// after twice as long each time, up to 5 min, and at once after a success.
// An answer the server itself refuses (a check or a key it breaks) is found
// by sending that batch's answers one by one: it leaves the queue for the
// table rifiutate of the local register, with the server's reason, with one
// warning line, and the others go on. After each batch, and when it
// connects, the computer reports its queue and its last contact, under its
// host name and a code of this machine and register.
//
// Each answer goes to the server with its class. Before sending, the
// sender copies into the local register the classes the server grants this
// computer's login user (one for a classroom's computer, several for the
// lab's), by uuid, with their children, their groups, learning paths and
// who plays which, and the right answers given under those paths on every
// computer (so that a child who played elsewhere sees one progress, each
// answer counted once), so that "Quale classe?", "Chi gioca?" and the paths
// work while the server is down. Each answer goes with its path and step. A class no longer granted leaves
// the copy once none of its answers is queued: they are sent all the same,
// and the server's refusal sets them aside like any other. Against a server whose schema is newer than this program's, one
// warning line, and answers stay queued.
class Invio {
public:
    // The server's schema version this program writes.
    static constexpr int VersioneServer = Server::Versione;
    // Answers per transaction on the server.
    static constexpr int Lotto = 500;
    static constexpr std::chrono::milliseconds PrimaAttesa{1000};
    static constexpr std::chrono::milliseconds AttesaMassima{300000};
    // Seconds a connection may take (libpq's least): the program's end
    // waits for the sender no longer than that.
    static constexpr int AttesaConnessione = 2;
    // How often the class is read again and the queue reported when idle.
    static constexpr std::chrono::milliseconds Controllo{60000};

    // Starts the thread: opens (creating when needed) the register at
    // percorso and the server of imp.
    Invio(const Impostazioni& imp, const QString& percorso = Archivio::PercorsoPredefinito());
    // Stops after the batch in hand, whatever the server does; what is still
    // queued stays in the local register.
    ~Invio();
    Invio(const Invio&) = delete;
    Invio& operator=(const Invio&) = delete;

    // New answers are queued: sent at once when connected and not waiting
    // after a failure. Returns at once; safe from any thread.
    void sveglia();

    // Called on the sender's thread after each batch is committed on the
    // server and left the local queue: how many of it reached the server
    // (those refused are set aside), and how many are still queued. For
    // tests and the benchmark.
    void quandoInviate(std::function<void(int inviate, int inCoda)> fatto);
    // Called on the sender's thread after each attempt that failed, with its
    // reason and the wait before the next one.
    void quandoFallito(std::function<void(const QString& motivo, std::chrono::milliseconds attesa)> fatto);
    // Called on the sender's thread after the server's classes have been
    // copied into the local register.
    void quandoClasseCopiata(std::function<void()> fatto);

private:
    struct Dati;
    std::unique_ptr<Dati> d;
};

} // namespace Registro
