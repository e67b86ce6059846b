// What a learning path costs a turn, against the same turn without one:
// each game's turn drawn with two attributes in play against all four, on
// the rules alone (microseconds a turn); and on the screens, a right answer
// of "uguale - diverso" counted for its step, its stars drawn again, and the
// menu opened with the path's marks (milliseconds from the click to the end
// of the paint). Prints one line per step: name, with a path, without,
// unit, ratio.
#include "app/Immagini.h"
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "bench/Banco.h"
#include "comune/Stile.h"
#include "controls/Bottone.h"
#include "games/FORM2/RegoleFORM2.h"
#include "games/FormDomino/RegoleDomino.h"
#include "games/Posti/RegolePosti.h"
#include "games/form1/RegoleForm1.h"
#include "games/form1/form1.h"
#include "games/zirp3/RegoleZirp3.h"
#include "screens/Programma.h"
#include "screens/Schermi.h"
#include "screens/SchermoGioco.h"
#include "screens/formMenu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Lotti = 21;

// Microseconds per turn, the median of Lotti batches.
double MisuraTurni(RegoleGioco& regole, const AttributiInGioco& inGioco, int turni, const std::function<void()>& turno)
{
    regole.ImpostaAttributiInGioco(inGioco);
    std::vector<double> tempi;
    for (int lotto = 0; lotto < Lotti; ++lotto) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < turni; ++i)
            turno();
        tempi.push_back(double(t.nsecsElapsed()) / 1000.0 / turni);
    }
    return Mediana(tempi);
}

void Riga(const QString& nome, double conPercorso, double senza, const char* unita)
{
    std::printf("%s\t%.3f\t%.3f\t%s\t%.2f\n", qPrintable(nome), conPercorso, senza, unita, conPercorso / senza);
}

// Each game's turn set-up on its rules, with the attributes "forma" and
// "colore" in play and with all four ("trova il blocco" chooses none).
void Regole()
{
    SeededRandom generatore(20260801);
    Estrazioni caso([&] { return generatore.rnd(); }, [](const Blocco& b) { return b.percorso(QStringLiteral(".")); });
    const RegoleGioco::Orologio orologio;
    const int turni = qEnvironmentVariableIntValue("BENCH_TURNI") > 0 ? qEnvironmentVariableIntValue("BENCH_TURNI") : 2000;
    RegoleForm1 form1(caso, orologio);
    RegoleFORM2 insiemi(caso, orologio);
    RegoleZirp3 quanti(caso, orologio);
    RegolePosti strade1("zirp7", 2, 4, caso, orologio);
    RegolePosti strade2("zirp8", 4, 2, caso, orologio);
    RegoleDomino cambia("FormDomino", RegoleDomino::Regola::CosaCambia, caso, orologio);
    struct Turno {
        const char* nome;
        RegoleGioco& regole;
        std::function<void()> prepara;
    };
    const std::vector<Turno> giochi{
        {"uguale - diverso", form1, [&] { form1.ScegliAttributo(); form1.NuovaCoppia(); }},
        {"insiemi", insiemi, [&] { insiemi.PreparaTurno(); }},
        {"quanti sono ?", quanti, [&] { quanti.PreparaTurno(); }},
        {"le strade 1", strade1, [&] { strade1.ScegliCriterio(); strade1.NuovoBlocco(); }},
        {"le strade 2 / tabella", strade2, [&] { strade2.ScegliCriteri(); strade2.NuovoBlocco(); }},
        {"Cosa cambia? / Cosa resta uguale?", cambia, [&] { cambia.NuovaCatena(); }},
    };
    for (const Turno& g : giochi) {
        const double con = MisuraTurni(g.regole, {1, 2}, turni, g.prepara);
        const double senza = MisuraTurni(g.regole, {}, turni, g.prepara);
        Riga(QStringLiteral("path, turn drawn: %1").arg(g.nome), con, senza, "us");
    }
}

// The path the screens are measured with: "uguale - diverso" in its second
// step, a goal too high to be reached, and three more games marked.
Avanzamento Percorso()
{
    const auto passo = [](const char* gioco, int esatte, AttributiInGioco a = {}) {
        return Passo{QString::fromLatin1(gioco), a, esatte};
    };
    return Avanzamento({QStringLiteral("Banco"), {}, false,
                        {passo("FORM2", 1), passo("form1", 99, {2}), passo("zirp3", 5), passo("zirp7", 5)}},
                       {1});
}

// The screens, alternating a round with the path and a round without.
void Schermi_()
{
    const int giri = qEnvironmentVariableIntValue("BENCH_GIRI") > 0 ? qEnvironmentVariableIntValue("BENCH_GIRI") : 15;
    Modulo1::Main();
    Svuota();
    Schermi::Vai(*Schermi::Trova(IdSchermo::FormAvvio), IdSchermo::formMenu);
    Svuota();
    auto& menu = static_cast<formMenu&>(*Schermi::Trova(IdSchermo::formMenu));
    std::vector<double> risposta[2], apertura[2];
    for (int giro = -1; giro < giri; ++giro)
        for (const bool conPercorso : {true, false}) {
            Seduta::ImpostaAvanzamento(conPercorso ? std::optional(Percorso()) : std::nullopt, QUuid::createUuid());
            menu.controlli().giochi[0]->click();
            Svuota();
            auto& gioco = static_cast<form1&>(*Schermi::Trova(IdSchermo::form1));
            for (int volta = 0; volta < 4; ++volta) {
                const bool uguali = gioco.ValoriConfronto[0] == gioco.ValoriConfronto[1];
                Svuota();
                const double ms = MisuraFinoAlDisegno(IdSchermo::form1, [&] {
                    Bottone_(IdSchermo::form1, uguali ? QStringLiteral("UGUALI") : QStringLiteral("DIVERSI"))->click();
                });
                if (giro >= 0)
                    risposta[conPercorso].push_back(ms);
                Bottone_(IdSchermo::form1, QStringLiteral("bottoneavanti"))->click();
            }
            Svuota();
            const double ms = MisuraFinoAlDisegno(IdSchermo::formMenu, [&] { gioco.mnuEsci(); });
            if (giro >= 0)
                apertura[conPercorso].push_back(ms);
        }
    Seduta::ImpostaAvanzamento(std::nullopt);
    Riga(QStringLiteral("path, right answer counted and its stars: uguale - diverso"), Mediana(risposta[1]),
         Mediana(risposta[0]), "ms");
    Riga(QStringLiteral("path, menu opened with its marks"), Mediana(apertura[1]), Mediana(apertura[0]), "ms");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(CreaStile());
    QApplication::setQuitOnLastWindowClosed(false);
    PreparaBanco(20260801);
    Regole();
    Schermi_();
    Schermi::DistruggiTutti();
    SvuotaCacheFigure();
    return 0;
}
