// What judging one answer costs the interface thread: each game's rules
// building the register's value of an answer (its id, time, game, question,
// blocks and answer), against giving an answer only its id and time.
// Prints one line per game: name, microseconds per answer, floor
// microseconds, "us", ratio. BENCH_RISPOSTE sets the answers per batch.
#include "games/FORM2/RegoleFORM2.h"
#include "games/FormDomino/RegoleDomino.h"
#include "games/FormTrova/RegoleTrova.h"
#include "games/Posti/RegolePosti.h"
#include "games/form1/RegoleForm1.h"
#include "games/zirp3/RegoleZirp3.h"
#include "regole/Casuale.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Lotti = 21;

double Mediana(std::vector<double> valori)
{
    std::sort(valori.begin(), valori.end());
    return valori[valori.size() / 2];
}

// Microseconds per call of giudica, the median of Lotti batches.
double Misura(int risposte, const std::function<Registro::Risposta()>& giudica)
{
    std::vector<double> tempi;
    qint64 somma = 0;
    for (int lotto = 0; lotto < Lotti; ++lotto) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < risposte; ++i)
            somma += giudica().millisecondi;
        tempi.push_back(double(t.nsecsElapsed()) / 1000.0 / risposte);
    }
    // Keeps the answers from being optimised away.
    if (somma < 0)
        std::puts("");
    return Mediana(tempi);
}

struct Gioco {
    const char* nome;
    std::function<Registro::Risposta()> giudica;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    SeededRandom generatore(20260801);
    Estrazioni caso([&] { return generatore.rnd(); }, [](const Blocco& b) { return b.percorso(QStringLiteral(".")); });
    const RegoleGioco::Orologio orologio;
    const int risposte = qEnvironmentVariableIntValue("BENCH_RISPOSTE") > 0
        ? qEnvironmentVariableIntValue("BENCH_RISPOSTE") : 2000;

    // One turn of each game, as it stands when the child answers.
    RegoleForm1 form1(caso, orologio);
    form1.ScegliAttributo();
    form1.NuovaCoppia();
    RegoleFORM2 insiemi(caso, orologio);
    insiemi.PreparaTurno();
    RegoleZirp3 quanti(caso, orologio);
    quanti.PreparaTurno();
    RegoleTrova trova(caso, orologio);
    trova.PreparaRicerca();
    RegolePosti strade1("zirp7", 2, 4, caso, orologio);
    strade1.ScegliCriterio();
    strade1.NuovoBlocco();
    RegolePosti strade2("zirp8", 4, 2, caso, orologio);
    strade2.ScegliCriteri();
    strade2.NuovoBlocco();
    RegoleDomino cambia("FormDomino", RegoleDomino::Regola::CosaCambia, caso, orologio);
    cambia.NuovaCatena();

    const std::vector<Gioco> giochi{
        {"uguale - diverso", [&] { return form1.GiudicaUguale(); }},
        {"insiemi: Fatto", [&] { return insiemi.GiudicaFatto(); }},
        {"quanti sono ?", [&] { return quanti.GiudicaNumero(3); }},
        {"trova il blocco", [&] { return trova.GiudicaBlocco(4); }},
        {"le strade 1", [&] { return strade1.GiudicaPosto(1); }},
        {"le strade 2 / tabella", [&] { return strade2.GiudicaPosto(2); }},
        {"Cosa cambia? / Cosa resta uguale?", [&] { return cambia.GiudicaRisposta(1); }},
    };
    const double pavimento = Misura(risposte, [] { return Registro::NuovaRisposta(); });
    for (const Gioco& g : giochi) {
        const double us = Misura(risposte, g.giudica);
        std::printf("answer judged, %s\t%.2f\t%.2f\tus\t%.2f\n", g.nome, us, pavimento, us / pavimento);
    }
    return 0;
}
