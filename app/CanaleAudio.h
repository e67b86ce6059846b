#pragma once
#include "app/Servizi.h"

#include <memory>

class UscitaAudio;

// The program's one sound channel. Each file is read and checked by our own
// WAV reader before any of it reaches the audio layer, and its samples are
// played by the sound module (see UscitaAudio), loaded the first time a sound
// is played: a new sound stops the one still playing; a missing or damaged
// file, a missing module or a machine without an audio device plays nothing.
// Nothing here ever waits for a sound to end.
class CanaleAudio final : public SoundInterface {
public:
    CanaleAudio();
    ~CanaleAudio() override;

    void playSound(const QString& percorso) override;
    void playVoice(const QString& percorso) override;

private:
    // The module's output, loading the module the first time; null when it
    // cannot be loaded.
    UscitaAudio* uscitaAudio();

    std::unique_ptr<UscitaAudio> uscita;
    bool moduloProvato = false;
};
