#pragma once
#include "registro/Blocco.h"
#include "app/Servizi.h"
#include "screens/Programma.h"
#include "screens/Schermi.h"
#include "tests/support/CasoPilotato.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>

// Test doubles for the services, and a fresh program for every test.

class SuonoFinto final : public SoundInterface {
public:
    void playSound(const QString& percorso) override { suonati.append(percorso); }
    void playVoice(const QString& percorso) override { voci.append(percorso); }
    QStringList suonati;
    QStringList voci;
};

struct Messaggio {
    QString testo;
    int stile;
    QString titolo;
};

// Installs the doubles, points the program at the generated media and creates
// every screen; undoes it all when it goes.
class Ambiente {
public:
    explicit Ambiente(std::uint64_t seme = 1);
    ~Ambiente();

    SuonoFinto& suono;
    CasoPilotato& caso;
    // Answers for the next message boxes (RispostaSi / RispostaNo); an empty
    // queue answers No, so no test ever ends the program by accident.
    std::deque<int> risposte;
    QList<Messaggio> messaggi;
    int terminazioni = 0;
    int beep = 0;

private:
    static SuonoFinto& installaSuono();
    static CasoPilotato& installaCaso(std::uint64_t seme);
};

// Lets queued deletions happen (unloaded windows go away).
void SvuotaEventi();

// Shows a screen in a fresh program seeded with 1, then 2, and so on to 60,
// and plays turni turns of it, each with gioca(turno) after checking that
// the turn's background is a random one; stops at the first failure and
// names its seed.
void GiocaConOgniSeme(IdSchermo id, int turni, const std::function<void(int turno)>& gioca);
// Whether a loaded screen's background is one of the random background colours.
bool SfondoCasuale(IdSchermo id);

// The screen object of a game, to read its variables.
template <class T>
T& Gioco(IdSchermo id)
{
    return static_cast<T&>(*Schermi::Trova(id));
}

// A control of a loaded screen, found by its design name ("Image1(3)" for an
// element of a control array); the test fails if it is missing.
template <class W = QWidget>
W* Ctl(IdSchermo id, const QString& nome)
{
    Schermo* s = Schermi::Trova(id);
    W* c = s && s->finestra() ? s->finestra()->findChild<W*>(nome) : nullptr;
    if (!c)
        qFatal("missing control %s", qPrintable(nome));
    return c;
}

// Where a control of a loaded screen stands on its window's design surface,
// in pixels, after the window has been given the inner size dimensione.
QRect NellaFinestra(IdSchermo id, const QString& nome);
void Ridimensiona(IdSchermo id, QSize dimensione);

// A menu entry of a loaded screen ("mnu1", "mnuEsci", "mnuControlloSi"...).
QAction* Voce(IdSchermo id, const QString& nome);

// The program's media in a folder of its own, with one change: rotondo.jpg,
// the same drawing as cerchio.jpg in the generated media, becomes a picture
// of its own, so that a look-up of one is told from a look-up of the other.
// The program reads from this folder while the object lives.
class MediaDistinti {
public:
    MediaDistinti();
    ~MediaDistinti();
    QString cartella() const { return copia.path(); }

private:
    QTemporaryDir copia;
    QString prima;
};
