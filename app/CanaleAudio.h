#pragma once
#include "app/Servizi.h"

#include <QBuffer>
#include <QObject>
#include <memory>

class QAudioSink;

// The program's one sound channel, on Qt Multimedia. Each file is read and
// checked by our own WAV reader before any of it reaches Qt, and its samples
// are played through a QAudioSink: a new sound stops the one still playing; a
// missing or damaged file, or a machine without an audio device, plays nothing.
// Nothing here ever waits for a sound to end.
class CanaleAudio final : public QObject, public SoundInterface {
public:
    CanaleAudio();
    ~CanaleAudio() override;

    void playSound(const QString& percorso) override;

private:
    void ferma();

    std::unique_ptr<QAudioSink> uscita;
    QBuffer dati;
};
