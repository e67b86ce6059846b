#pragma once
#include "app/Servizi.h"
#include "app/Wav.h"

#include <QObject>
#include <memory>

class FlussoWav;
class QLibrary;
class UscitaAudio;

// The program's one sound channel. The user's own file of a name is played
// when there is one and it can be played (see FileDaProvare; one that cannot
// is named once), or else the program's. Each file's header and chunk list
// are checked (see ApriWav) before any of it reaches the audio layer; a short
// sound is then decoded whole at once, a long one is decoded while it plays,
// on a thread of its own, so that a click never waits for a decode and a
// long recording is never held whole in memory. The samples are played by
// the sound module (see UscitaAudio), loaded the first time a sound is
// played: a new sound stops the one still playing. An answer sound that
// cannot be played is named once on standard error with the reason and the
// program's own short default sound plays in its place; a voice that cannot
// be played is named the same way and nothing plays. A long recording found
// damaged while it plays stops there and is named the same way. A missing
// module or a machine without an audio device plays nothing. Nothing here
// ever waits for a sound to end.
class CanaleAudio final : public SoundInterface {
public:
    CanaleAudio();
    ~CanaleAudio() override;

    void playSound(const QString& percorso) override;
    void playVoice(const QString& percorso) override;

    // The default sound: two soft, short notes made in memory.
    static const SuonoPcm& suonoPredefinito();

private:
    // Stops the sound still playing and starts percorso; false, once the
    // file is named with the reason, when it cannot be played.
    bool avvia(const QString& percorso);
    // Starts one file; why it cannot be played, or nothing when it plays.
    QString avviaFile(const QString& percorso);
    void ferma();
    void suona(const SuonoPcm& suono, const QString& percorso);
    void suona(FlussoWav& flusso, const QString& percorso);
    // The module's output, loading the module the first time; null when it
    // cannot be loaded.
    UscitaAudio* uscitaAudio();

    std::unique_ptr<QLibrary> modulo;
    std::unique_ptr<UscitaAudio> uscita;
    std::unique_ptr<FlussoWav> flusso; // the long sound playing, if any
    // Warnings from the decoder's thread are written from the interface
    // thread, through this object's event queue.
    QObject avvisi;
    bool moduloProvato = false;
};
