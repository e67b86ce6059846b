#pragma once
#include "registro/Deposito.h"
#include "registro/Padronanza.h"

#include <QDate>
#include <QFutureWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <array>
#include <functional>
#include <optional>

namespace Insegnanti {

// What the teachers' program knows of what each child of a class has
// learned: the estimates after every first answer of the register, each
// skill's estimate at the end of every day the child answered on it, and
// the evidence behind each level (how many first answers, the last ten).
struct Padronanze {
    struct Giorno {
        QDate giorno;
        double stima = 0;
    };
    struct Storia {
        QList<Giorno> giorni;                        // oldest first
        QList<Registro::Padronanza::Prova> ultime;   // the last ten, newest first
    };
    static constexpr int UltimeProve = 10;

    Registro::Padronanza::Stime stime;
    QHash<qint64, std::array<Storia, Registro::Padronanza::NumeroAbilita>> storie;

    const Storia& storia(qint64 bambino, Registro::Padronanza::Abilita a) const;
};

// The estimates of a class's first answers (oldest first) under a model.
Padronanze CalcolaPadronanze(const QList<Registro::Padronanza::Prova>& prove,
                             const Registro::Padronanza::Modello& modello);

// The chosen class's first answers, oldest first, as the estimates read
// them.
QList<Registro::Padronanza::Prova> PrimeRisposte(const Registro::Deposito& archivio);
// The chosen class's estimates now, on this thread, under the register's
// model (the defaults when it keeps none): nothing is fitted.
Padronanze PadronanzeDelRegistro(const Registro::Deposito& archivio);

// The chosen class's estimates as the window shows them, made on a thread
// of FiliDelRegistro() so that the window never waits: the first answers
// read from the register (on the register's own thread, since a
// register's connection belongs to the thread that opened it, or with
// leggiSulFilo on the computation's thread through another connection),
// then, off it, the model fitted again when the teacher asks for it or
// when the stored one is a day old (or missing), and every estimate
// computed. A fitted model is saved in the register; where the register
// cannot keep it, it is kept here, so that it is still fitted at most once
// a day.
class StimeClasse : public QObject {
    Q_OBJECT
public:
    using Adattamento = std::function<Registro::Padronanza::Modello(const QList<Registro::Padronanza::Prova>&)>;
    explicit StimeClasse(Registro::Deposito& archivio, Adattamento adatta = &Registro::Padronanza::Adatta,
                         QObject* padre = nullptr);
    ~StimeClasse() override;

    // Computes the chosen class's estimates again from the register; with
    // riadatta, after fitting the model again whatever its age. A request
    // made while a computation runs is run after it.
    void aggiorna(bool riadatta = false);
    // The teacher's request: the model fitted again, then every estimate.
    void riadatta() { aggiorna(true); }

    // Whether the first answers are read on the pool's thread too, through
    // another connection to the register (Deposito::altraLettura), rather
    // than on this thread.
    void leggiSulFilo(bool si) { sulFilo = si; }

    // From the request until its estimates (or the next request's) are in.
    bool inCorso() const { return calcolando; }
    // The last estimates computed for the chosen class; nothing before the
    // first, or when no class is chosen.
    const std::optional<Padronanze>& ultime() const { return risultato; }
    // The model behind them.
    const std::optional<Registro::Padronanza::Modello>& modello() const { return modelloUsato; }

signals:
    // A computation began (the views may say so).
    void iniziate();
    // New estimates, or none (ultime() empty) for a register with no class
    // chosen.
    void pronte();

private:
    struct Esito {
        qint64 classe = 0;
        bool adattato = false;
        Registro::Padronanza::Modello modello;
        Padronanze padronanze;
        bool nonLette = false;  // the other connection could not be opened
    };
    void concluso();

    Registro::Deposito& archivio;
    Adattamento adatta;
    QFutureWatcher<Esito> calcolo;
    bool calcolando = false;  // a computation's outcome is yet to come in
    bool sulFilo = false;
    bool ancoraQui = false;   // the next reading is done here
    bool daRifare = false, daRiadattare = false;
    std::optional<Padronanze> risultato;
    std::optional<Registro::Padronanza::Modello> modelloUsato;
    // The models fitted here, by class: used when the register keeps none.
    QHash<qint64, Registro::Padronanza::Modello> adattati;
};

} // namespace Insegnanti
