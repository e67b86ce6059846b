#pragma once
// What the in-process benchmarks share: the program's own screens and
// services with a silent sound and a seeded generator, a way to wait for a
// window to finish painting, and a record of the picture files a step opened.
#include "app/Servizi.h"
#include "screens/Schermo.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

class QAbstractButton;

// The folder whose jpg/ and suoni/ the benchmark uses: BENCH_MEDIA (the
// photo set, say) or else the drawn media of the build tree.
QString CartellaMedia();

// Services for a benchmark: no audio device, no dialog (every question is
// answered Yes, so "Esci" goes back to the menu), media from CartellaMedia(),
// and a folder of its own for the pictures kept between runs.
void PreparaBanco(std::uint64_t seme);

// The loaded screen's control named as in the design ("Image1(3)"), or null.
QAbstractButton* Bottone_(IdSchermo id, const QString& nome);

// Runs azione, then lets the program do everything it would do before the
// child sees the result: deferred deletions, and painting until the window
// of id has been painted and no paint is left pending. Returns milliseconds.
double MisuraFinoAlDisegno(IdSchermo id, const std::function<void()>& azione);

// Lets queued deletions and events run (between measured steps).
void Svuota();

// Milliseconds since it was made: wall-clock time, or with BENCH_CPU set the
// process's CPU time (for comparing versions on a busy machine).
class Cronometro {
public:
    Cronometro();
    double millisecondi() const;

private:
    QElapsedTimer t;
    qint64 inizioCpu;
};

// The pictures a screen shows anew: what its picture controls show that
// they did not show at the last look (a picture's file read afresh or found
// ready in memory alike).
class FigureNuove {
public:
    explicit FigureNuove(IdSchermo id);
    void azzera();
    QStringList raccogli();

private:
    IdSchermo id;
    std::map<const QObject*, QString> mostrate;
};

// The floor of a step that showed these pictures: decoding the same files
// with QImageReader alone, in milliseconds.
double DecodificaSola(const QStringList& file);

double Mediana(std::vector<double> valori);

// Resident memory of this process now, in KiB.
long MemoriaResidenteKiB();

// One game as the benchmarks drive it.
struct Partita {
    const char* nome;
    IdSchermo id;
    int bottoneMenu;  // index in the menu's game buttons
    const char* turno;  // what starts a new turn
    // Brings the game to the moment before its new turn; returns the control
    // whose click starts it.
    std::function<QString()> preparaTurno;
    // The control whose click is a right answer that shows one new block (none
    // in games without one).
    std::function<QString()> prossimoBlocco;
};

// The nine games, in the order of the menu.
std::vector<Partita> Partite();
