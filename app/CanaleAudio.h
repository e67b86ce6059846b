#pragma once
#include "app/Servizi.h"
#include "app/Wav.h"

#include <memory>

class QLibrary;
class UscitaAudio;

// The program's one sound channel. Each file is read and decoded (see
// LeggiWav) before any of it reaches the audio layer: the user's own file of
// that name when there is one and it can be read (see FileDaProvare; one that
// cannot is named once), or else the program's. Its samples are played by
// the sound module (see UscitaAudio), loaded the first time a sound is
// played: a new sound stops the one still playing. An answer sound that is
// missing or damaged is named once on standard error and the program's own
// short default sound plays in its place; a voice that is missing or damaged
// is named the same way and nothing plays. A missing module or a machine
// without an audio device plays nothing. Nothing here ever waits for a sound
// to end.
class CanaleAudio final : public SoundInterface {
public:
    CanaleAudio();
    ~CanaleAudio() override;

    void playSound(const QString& percorso) override;
    void playVoice(const QString& percorso) override;

    // The default sound: two soft, short notes made in memory.
    static const SuonoPcm& suonoPredefinito();

private:
    // Reads and decodes percorso; names the file once when it cannot.
    std::optional<SuonoPcm> leggi(const QString& percorso);
    void suona(const SuonoPcm& suono, const QString& percorso);
    // The module's output, loading the module the first time; null when it
    // cannot be loaded.
    UscitaAudio* uscitaAudio();

    std::unique_ptr<QLibrary> modulo;
    std::unique_ptr<UscitaAudio> uscita;
    bool moduloProvato = false;
};
