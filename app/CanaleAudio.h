#pragma once
#include "app/Servizi.h"
#include "app/Wav.h"

#include <QIODevice>
#include <QObject>
#include <memory>

class QLibrary;
class UscitaAudio;

// A sound file opened for reading, or why it cannot be (missing, a folder,
// not a regular file, unreadable).
struct FileSuono {
    std::unique_ptr<QIODevice> file;
    QString motivo;
};

// The program's one sound channel. The user's own file of a name is played
// when there is one and it can be played (see FileDaProvare; one that cannot
// is named once), or else the program's. Each file is decoded and played by
// the sound module (see UscitaAudio), loaded the first time a sound is
// played, which checks its header and chunk list before any of it reaches
// the audio layer: a new sound stops the one still playing. An answer sound that
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
    // A sound file opened for reading, found whatever the letter case of its
    // name; only regular files are opened.
    static FileSuono apriFile(const QString& percorso);

private:
    // Stops the sound still playing and starts percorso; false, once the
    // file is named with the reason, when it cannot be played.
    bool avvia(const QString& percorso);
    // Starts one file; why it cannot be played, or nothing when it plays.
    QString avviaFile(const QString& percorso);
    void ferma();
    void suona(const SuonoPcm& suono, const QString& percorso);
    // The module's output, loading the module the first time; null when it
    // cannot be loaded.
    UscitaAudio* uscitaAudio();

    std::unique_ptr<QLibrary> modulo;
    std::unique_ptr<UscitaAudio> uscita;
    // Warnings from the decoder's thread are written from the interface
    // thread, through this object's event queue.
    QObject avvisi;
    bool moduloProvato = false;
};
