#pragma once
#include "app/Wav.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

class QIODevice;

// What the sound module offers the program: sound files decoded and played
// on the default audio output. The module is the only part of the program
// that decodes sounds (with libsndfile) and uses Qt Multimedia (and, through
// it, the audio system's libraries); the program loads it the first time it
// plays a sound, so that nothing of them is loaded at start-up.
class UscitaAudio {
public:
    enum class Riproduzione { Suona, NessunDispositivo, FormatoNonSupportato };
    // A file's outcome: why it cannot be played (nothing plays then), or
    // how the output took it.
    struct Esito {
        QString motivo;
        Riproduzione riproduzione = Riproduzione::NessunDispositivo;
    };

    virtual ~UscitaAudio() = default;
    // Stops the sound still playing, then starts this one; never waits.
    virtual Riproduzione suona(const SuonoPcm& suono) = 0;
    // The same for a WAV file's content, whose header and chunk list are
    // checked first (see LettoreWav::apri): a short sound is decoded whole
    // at once, a long one while it plays, on a thread of its own, so that it
    // is never held whole in memory. guasto is called on that thread if the
    // file turns out damaged while it plays; the sound then stops there.
    virtual Esito suonaFile(std::unique_ptr<QIODevice> file, std::function<void()> guasto) = 0;
    virtual void ferma() = 0;
};

// The module's file, installed beside the executable, and the one function it
// exports: a new output, owned by the caller.
#ifdef Q_OS_WIN
inline constexpr const char* FileModuloAudio = "tesselo-audio.dll";
#else
inline constexpr const char* FileModuloAudio = "tesselo-audio.so";
#endif
inline constexpr const char* FunzioneModuloAudio = "tesselo_crea_uscita_audio";
using CreaUscitaAudio = UscitaAudio* (*)();
