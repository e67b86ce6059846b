#pragma once
#include "registro/Padronanza.h"
#include "registro/Risposta.h"

#include <QList>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <thread>

namespace Seduta {

// What one child has learned, for the draws of a "su misura" step. The
// child's first answers in the register are read once, on a thread of their
// own, into the class's fitted model (the defaults when it has none), so
// that a register of any size never keeps the interface waiting; the child's
// answers of this sitting update the estimates as they are given, and those
// given before the read ended are added to it once it has.
class StimeBambino {
public:
    // Starts reading the answers of bambino in the register at registro (its
    // class classe, when it has several). Without a register nothing is read,
    // and the estimates stay the model's starting ones.
    StimeBambino(qint64 bambino, const QString& registro, std::optional<qint64> classe);
    StimeBambino(StimeBambino&&) = default;
    StimeBambino& operator=(StimeBambino&&) = default;
    // Waits for the reading thread: let one go first (finito()) where that
    // must not wait.
    ~StimeBambino() = default;

    // One of the child's answers: a turn's first answer updates the estimates.
    void aggiungi(const Registro::Risposta& risposta);
    // Registro::Padronanza::PesiSuMisura of the four attributes' estimates.
    std::array<double, 4> pesi();
    // Whether the register's answers are in the estimates.
    bool lette();
    // Whether the reading thread has ended (or never started).
    bool finito() const;

private:
    // What the reading thread hands over, under its mutex.
    struct Letto;
    static void Leggi(std::stop_token fermo, const QString& registro, std::optional<qint64> classe, qint64 bambino,
                      Letto& letto);
    // The read's estimates, when they have arrived, with the answers given
    // meanwhile that they do not hold.
    void prendi();

    qint64 bambino;
    Registro::Padronanza::Stime stime;
    QList<Registro::Padronanza::Prova> nuove;  // given before the read arrived
    bool letto = false;        // the read has ended, and what it found is taken
    bool dalRegistro = false;  // and it found the register's answers
    std::shared_ptr<Letto> consegna;
    std::jthread lettore;
};

} // namespace Seduta
