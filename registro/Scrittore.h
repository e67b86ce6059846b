#pragma once
#include "registro/Archivio.h"

#include <QString>
#include <functional>
#include <memory>

namespace Registro {

// Records the game's answers on a thread of its own, so that the interface
// thread never waits for the disk: registra() only queues. An answer that
// cannot be written yet (the register locked by another program, on a full
// disk, replaced, missing, of a newer version) stays queued and is tried
// again, a little later each time; a register replaced under the game (its
// file is another one now) is opened again. What is still queued at the end
// goes to a recovery file beside the register (Recupero), which the next
// writer adds to it; only when that fails too are answers lost, and one
// warning line on standard error says how many and why. The game never
// stops for any of it.
class Scrittore {
public:
    // How many answers wait in memory at most; the ones past it are lost.
    static constexpr int MassimoInCoda = 10000;

    // Opens the register at percorso on the writer's thread. After an
    // unclean end of the last writer (a crash, a power cut) the whole file is
    // checked first, still on that thread.
    explicit Scrittore(const QString& percorso = Archivio::PercorsoPredefinito());
    // Writes what it can, saves the rest, then stops.
    ~Scrittore();
    Scrittore(const Scrittore&) = delete;
    Scrittore& operator=(const Scrittore&) = delete;

    // Queues one answer of a child (0: a guest); returns at once. A child's
    // answer goes to the child's class; a guest's to the class given last to
    // classeOspiti (an id of the register's classes), or while none is, to
    // the register's only class.
    void registra(const Risposta& risposta, qint64 bambino);
    void classeOspiti(qint64 classe);
    // Waits until everything queued so far is written, or has been tried
    // and waits for the register; for tests and the end of the program only.
    void attendi();
    // Answers queued and not yet written.
    int inCoda() const;
    // Called on the writer's thread after each answer is committed.
    void quandoScritta(std::function<void(const QUuid&)> fatto);

    // The file that marks a register in use by a writer: left behind by an
    // end that was not clean.
    static QString FileInUso(const QString& percorso);
    // The last writer of the register at percorso did not end cleanly, or a
    // check found it damaged: its next opening should read it whole.
    static bool DaControllare(const QString& percorso);
    // Makes the next opening read the whole file (a check found it damaged,
    // and only that opening can move it aside safely).
    static void ControllaAllaProssima(const QString& percorso);

private:
    struct Dati;
    std::unique_ptr<Dati> d;
};

} // namespace Registro
