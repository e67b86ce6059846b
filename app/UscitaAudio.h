#pragma once
#include "app/Wav.h"

#include <QtGlobal>

// What the sound module offers the program: decoded samples played on the
// default audio output. The module is the only part of the program that uses
// Qt Multimedia (and, through it, the audio system's libraries); the program
// loads it the first time it plays a sound, so that nothing of it is loaded
// at start-up.
class UscitaAudio {
public:
    enum class Esito { Suona, NessunDispositivo, FormatoNonSupportato };

    virtual ~UscitaAudio() = default;
    // Stops the sound still playing, then starts this one; never waits.
    virtual Esito suona(const SuonoPcm& suono) = 0;
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
