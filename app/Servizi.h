#pragma once
#include "regole/Casuale.h"
#include "registro/Risposta.h"

#include <QString>
#include <functional>
#include <memory>
#include <mutex>

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

// A folder that any thread may read (pictures are read ahead of need on a
// thread of their own) while the program, or a test, changes it.
class CartellaCondivisa {
public:
    CartellaCondivisa& operator=(const QString& percorso)
    {
        const std::lock_guard blocco(mutex);
        valore = percorso;
        return *this;
    }
    operator QString() const
    {
        const std::lock_guard blocco(mutex);
        return valore;
    }
    void clear() { *this = QString(); }

private:
    mutable std::mutex mutex;
    QString valore;
};

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
    // The folder that holds jpg/, suoni/ and voci/; empty means the
    // executable's own.
    CartellaCondivisa cartellaApplicazione;
    // The folder of the translations (tesselo_<code>.qm); empty means
    // traduzioni/ beside the executable. They are the program's own, not
    // media: a media folder given here holds none.
    CartellaCondivisa cartellaTraduzioni;
    // The user's own media folder, laid out as that one, whose files replace
    // the program's file by file; empty means none.
    CartellaCondivisa cartellaUtente;
    // The folder where pictures fitted to their boxes are kept between runs,
    // so that a later run shows them without decoding their files again;
    // empty means none.
    CartellaCondivisa cartellaCopie;
    // Shows a folder in the desktop's file manager; false when it cannot.
    std::function<bool(const QString& cartella)> apriCartella;
    // Milliseconds on a clock that never goes back, which times each answer
    // from its turn's start; empty means the system's monotonic clock.
    std::function<qint64()> orologio;
    // Takes every judged answer of every game, on the interface thread, and
    // must return at once; empty when nothing is recorded.
    std::function<void(const Registro::Risposta& risposta)> registra;
};

Servizi& servizi();

// Shows the game in that language from now on, from the translations in
// servizi().cartellaTraduzioni (traduzioni/ beside the executable unless it
// is set); false (and Italian) when its file cannot be read.
bool ImpostaLinguaDelGioco(const QString& codice);

// The folder of the fitted pictures' copies in the user's cache
// ($XDG_CACHE_HOME, by default ~/.cache); empty without one.
QString CartellaCopieUtente();

// Puts back the services the real program uses (clock-seeded generator, real
// sound channel, real message boxes, the executable's media folder and the
// user's in the XDG data folder).
void usaServiziReali();
