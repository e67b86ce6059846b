#pragma once
#include "app/Casuale.h"

#include <QString>
#include <functional>
#include <memory>

// One sound channel: a new sound replaces the one still playing; a sound that
// cannot be played never stops the game.
class SoundInterface {
public:
    virtual ~SoundInterface() = default;
    // An answer sound.
    virtual void playSound(const QString& percorso) = 0;
    // A spoken word: on the same channel, but a voice that cannot be played
    // is simply not heard.
    virtual void playVoice(const QString& percorso) = 0;
};

// Message box styles and answers, numbered as the program's dialogs know them.
enum StileMessaggio : int { StileInformazione = 64, StileDomanda = 36 };
enum RispostaMessaggio : int { RispostaOk = 1, RispostaSi = 6, RispostaNo = 7 };

// Everything the program asks of the outside world, in one place so that a
// test can replace any of it: nothing in a test ever blocks on a dialog, a
// sound or the clock.
struct Servizi {
    std::unique_ptr<RandomSource> caso;
    std::unique_ptr<SoundInterface> suono;
    // Shows a modal box titled titolo; returns the button pressed.
    std::function<int(const QString& testo, int stile, const QString& titolo)> messaggio;
    // Ends the program at once.
    std::function<void()> termina;
    // The platform's alert beep.
    std::function<void()> beep;
    // The folder that holds jpg/ and suoni/; empty means the executable's own.
    QString cartellaApplicazione;
};

Servizi& servizi();

// Puts back the services the real program uses (clock-seeded generator, real
// sound channel, real message boxes).
void usaServiziReali();
