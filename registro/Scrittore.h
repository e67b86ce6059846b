#pragma once
#include "registro/Archivio.h"

#include <QString>
#include <functional>
#include <memory>

namespace Registro {

// Records the game's answers on a thread of its own, so that the interface
// thread never waits for the disk: registra() only queues. A register that
// cannot be opened or written (missing, read-only, full, locked, damaged, of
// a newer version) never stops the game: answers are then dropped, and one
// warning line goes to standard error once.
class Scrittore {
public:
    // Opens the register at percorso on the writer's thread.
    explicit Scrittore(const QString& percorso = Archivio::PercorsoPredefinito());
    // Writes what is queued, then stops.
    ~Scrittore();
    Scrittore(const Scrittore&) = delete;
    Scrittore& operator=(const Scrittore&) = delete;

    // Queues one answer of a child (0: a guest); returns at once.
    void registra(const Risposta& risposta, qint64 bambino);
    // Waits until everything queued so far is written (or dropped); for
    // tests and the end of the program only.
    void attendi();
    // Called on the writer's thread after each answer is committed.
    void quandoScritta(std::function<void(const QUuid&)> fatto);

private:
    struct Dati;
    std::unique_ptr<Dati> d;
};

} // namespace Registro
