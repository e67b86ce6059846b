#pragma once
#include <QAbstractButton>
#include <QIcon>
#include <QLabel>
#include <QWidget>

// What a child who cannot read sees of a learning path: the mark on a game's
// menu button, the stars of a step's right answers inside a game, and the
// celebration of a step or a path done. Each draws its own colours, with a
// dark outline round light fills, so that it reads on the light and the dark
// desktop themes alike, and at any pixel ratio.
namespace SegniPercorso {

// How long a celebration shows, and how long after its sound the word is
// spoken: the program's own answer sounds are over by then.
constexpr int DurataFesta = 2500, RitardoVoce = 900;

// A round badge: the step's number, or a tick once it is done; the next step
// filled in bright yellow with a thick outline, the others white.
QIcon Segno(int numero, bool fatto, bool prossimo);

// Puts the badge on a button, as high as most of the button at any size.
void Segna(QAbstractButton* bottone, const QIcon& segno);

// "passo 2 di 5", then ", fatto" or ", il prossimo".
QString Descrizione(int numero, int passi, bool fatto, bool prossimo);

// A few big golden stars, drawn to fill the widget whatever its size; the
// mouse goes through it.
class Festa final : public QWidget {
public:
    explicit Festa(QWidget* genitore = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};

// One star per right answer of the step's goal, filled as they come; a goal
// over ten shows one star and the count.
class Stelle final : public QLabel {
public:
    explicit Stelle(int obiettivo, QWidget* genitore = nullptr);
    void mostra(int esatte);
    int esatte() const { return fatte; }

private:
    int obiettivo;
    int fatte = -1;
};

// The sound of a celebration at once, "Ben fatto!" spoken a moment later
// (both on the one sound channel), while festa, when given, shows for a
// moment and then hides.
void Festeggia(QWidget* contesto, QWidget* festa = nullptr);

} // namespace SegniPercorso
