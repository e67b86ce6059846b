#pragma once
#include "registro/Risposta.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <optional>

// What each child has learned: for each child and skill, the probability
// that the skill is learned, by Bayesian Knowledge Tracing (Corbett and
// Anderson, 1994), from the turns' first answers. Plain values and
// functions: the teachers' program shows the estimates, the command line
// writes them, and the game weighs a "su misura" step's draws by them.
namespace Registro::Padronanza {

// The skills: the four attributes, and the conditions with "NON".
enum class Abilita { Forma, Colore, Dimensione, Spessore, ConNon };
constexpr int NumeroAbilita = 5;
constexpr std::array<Abilita, NumeroAbilita> TutteLeAbilita{Abilita::Forma, Abilita::Colore, Abilita::Dimensione,
                                                           Abilita::Spessore, Abilita::ConNon};
// "forma", "colore", "dimensione", "spessore", "con_non": the names the
// command line writes.
const char* Chiave(Abilita abilita);
// For the teacher: the attribute's word, or "condizioni con NON" (context
// "Insegnanti").
QString Nome(Abilita abilita);

// The skills a turn's questions exercise, one bit (1 << int(Abilita)) each:
// each attribute asked about, and ConNon when a condition holds "NON".
unsigned AbilitaDi(const QList<Domanda>& domande);
inline bool Esercita(unsigned abilita, Abilita a) { return abilita >> int(a) & 1u; }

// The four probabilities of one skill: learned before the first chance,
// learning at each chance, a right answer without the skill, a wrong one
// with it.
struct Parametri {
    double iniziale = 0, apprendimento = 0, indovinare = 0, sbagliare = 0;
    bool operator==(const Parametri&) const = default;
};
// The bounds every fit keeps, so that learning is never explained as
// guessing.
constexpr double MassimoIndovinare = 0.49;
constexpr double MassimoSbagliare = 0.29;

// The probability of a right answer, with the skill learned with
// probability stima.
double ProbabilitaEsatta(double stima, const Parametri& p);
// The estimate after one more answer: the evidence weighed (Bayes), then
// the chance to learn taken.
double Aggiorna(double stima, bool esatta, const Parametri& p);

// What a teacher reads.
enum class Livello { PocheRisposte, NonAncora, InVia, Acquisito };
// The usual mastery criterion.
constexpr double SogliaAcquisito = 0.95;
// Under this many first answers a skill's estimate says too little.
constexpr int MinimoRisposte = 5;
// Under it, "in via di acquisizione" gives way to "non ancora".
constexpr double SogliaInVia = 0.6;
Livello LivelloDi(double stima, int risposte);
// "acquisito", "in via di acquisizione", "non ancora", "poche risposte", as
// the teachers' program's texts (context "Insegnanti"); Chiave's Italian
// words for the command line.
const char* TestoLivello(Livello livello);

// One turn's first answer as the estimate reads it.
struct Prova {
    qint64 bambino = 0;
    qint64 quando = 0;     // milliseconds since the epoch
    QString schermo;       // the game's screen ("form1")
    unsigned abilita = 0;  // AbilitaDi of its questions
    bool esatta = false;
};

// The probabilities of a class: for each skill, and the guess of each game
// for each skill it asks.
struct Modello {
    std::array<Parametri, NumeroAbilita> abilita;
    QHash<QString, std::array<double, NumeroAbilita>> indovinarePerGioco;  // by screen; absent: abilita's
    QDateTime adattato;        // when fitted; invalid for the defaults
    int prove = 0;             // the first answers it was fitted on

    // The probabilities of a skill in a game.
    Parametri di(Abilita a, const QString& schermo) const;
    // As the register keeps it, and back; a text from a register is checked
    // as hostile (bounds, sizes): nothing when it does not hold.
    QByteArray json() const;
    static std::optional<Modello> DaJson(const QByteArray& testo);
    bool operator==(const Modello&) const = default;
};
// The probabilities used until a register holds enough answers: for every
// skill, learned at the start 0.2, learning at each chance 0.1, guess 0.25,
// slip 0.1 (values usual in the literature for one skill of young learners).
Modello Predefinito();
// The first answers asking a skill alone that it needs before it is
// fitted, and the answers of a skill a game needs for a guess of its own.
constexpr int MinimoRisposteAbilita = 200;
constexpr int MinimoRisposteGioco = 50;
// Fitted on a class's first answers, each child's in time order (answers
// of one moment in the order given). Each skill is fitted alone, by
// expectation-maximisation (Baum-Welch: forward-backward over each child's
// answers of the skill, then each probability the expected share of its
// counts), from Predefinito() until an iteration gains less than a
// millionth of the log-likelihood (at most 200 iterations).
// Every answer that exercises a skill is a chance to learn it; only those
// that ask it alone (one attribute; "NON" on one attribute) are evidence of
// it in the fit, since a wrong answer to the four words of "trova il
// blocco" or to two roads may be any one skill's doing, and counting it
// against each drives the fit to explain learning as guessing.
// The chance to guess depends on how many choices a screen offers (two in
// "uguale - diverso", ten numbers, twelve blocks in "trova il blocco"), so
// each game of the catalogue with at least MinimoRisposteGioco answers of a
// skill gets a guess of its own for it (indovinarePerGioco): the expected
// share right of the children who have not learned the skill, over its
// evidence or, where it has too little, over all its answers. The skill's
// own guess, the same share over all its evidence, serves the other games.
// A skill with less than MinimoRisposteAbilita answers of evidence keeps
// Predefinito()'s probabilities. Every probability stays within [0.001,
// 0.999], the guess at most MassimoIndovinare and the slip at most
// MassimoSbagliare. 0.1 to 0.2 s for a class of 30 over a school year
// (540,000 answers): run it off the interface thread.
Modello Adatta(const QList<Prova>& prove);
// Whether a model fitted then is due again (at most once a day).
bool DaRiadattare(const std::optional<Modello>& modello, const QDateTime& adesso);

// One child's estimate of one skill, answer by answer.
struct Stima {
    double stima = 0;          // after the last first answer; the start's before any
    int risposte = 0;
    QString giocoPiuGiocato;   // the screen of most of them
    Livello livello() const { return LivelloDi(stima, risposte); }
};
// Every child's estimates, kept up to date answer by answer.
class Stime {
public:
    explicit Stime(Modello modello = Predefinito()) : m(std::move(modello)) {}
    const Modello& modello() const { return m; }
    void aggiungi(const Prova& prova);
    Stima di(qint64 bambino, Abilita a) const;
    // The children with any estimate.
    QList<qint64> bambini() const;

private:
    Modello m;
    struct Conto {
        double stima = 0;
        int risposte = 0;
        QHash<QString, int> perGioco;
    };
    QHash<qint64, std::array<std::optional<Conto>, NumeroAbilita>> perBambino;
};

// The weights of a "su misura" draw among the attributes in play (kinds 1 to
// 4, Abilita's first four): each 1 less its estimate, at least
// PesoMinimo, so that every attribute in play still comes up.
constexpr double PesoMinimo = 0.1;
std::array<double, 4> PesiSuMisura(const std::array<double, 4>& stime);

} // namespace Registro::Padronanza
