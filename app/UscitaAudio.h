#pragma once
#include "app/Wav.h"

#include <QtGlobal>

// Samples that arrive while they play: a long recording decoded ahead on a
// thread of its own. Read by the audio output on the interface thread, so
// no call ever waits for the decoder.
class SorgentePcm {
public:
    virtual ~SorgentePcm() = default;
    virtual int canali() const = 0;
    virtual int frequenza() const = 0;
    // The bytes of every frame of the sound (signed 16-bit samples).
    virtual qint64 byte() const = 0;
    // Copies up to massimo bytes of whole frames into destinazione: silence
    // while the decoder is behind, 0 only once the sound is over.
    virtual qint64 leggi(char* destinazione, qint64 massimo) = 0;
    virtual bool finita() const = 0;
};

// What the sound module offers the program: decoded samples played on the
// default audio output. The module is the only part of the program that uses
// Qt Multimedia (and, through it, the audio system's libraries); the program
// loads it the first time it plays a sound, so that nothing of it is loaded
// at start-up.
class UscitaAudio {
public:
    enum class Riproduzione { Suona, NessunDispositivo, FormatoNonSupportato };

    virtual ~UscitaAudio() = default;
    // Stops the sound still playing, then starts this one; never waits.
    virtual Riproduzione suona(const SuonoPcm& suono) = 0;
    // The same for samples read as they play; sorgente stays the caller's
    // and must outlive the sound (until ferma() or the next suona()).
    virtual Riproduzione suona(SorgentePcm& sorgente) = 0;
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
