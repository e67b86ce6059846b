#pragma once
#include "app/Wav.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Sounds of up to this many samples (every channel counted) are decoded
// whole at once, in a millisecond or two: the usual answer sounds and voices
// of a second or two (up to three seconds at 44.1 kHz in stereo). Longer ones
// are decoded as they play, which costs the interface thread about as much.
inline constexpr qint64 CampioniDecodificatiSubito = 1 << 18;

// A long recording decoded on a thread of its own into a ring of about a
// second of samples, which the audio output empties as it plays: memory
// stays bounded whatever the recording's length, and the interface thread
// only ever copies samples already decoded.
class FlussoWav {
public:
    // Decodes the first block here, so that a file damaged from its start is
    // known before anything plays and the output has samples from its first
    // read; then the thread goes on. guasto is called, on that thread, if the
    // file turns out damaged later.
    FlussoWav(std::unique_ptr<LettoreWav> lettore, std::function<void()> guasto);
    ~FlussoWav();
    FlussoWav(const FlussoWav&) = delete;
    FlussoWav& operator=(const FlussoWav&) = delete;

    bool pronto = false; // false when the first block could not be decoded

    int canali() const { return lettore->canali(); }
    int frequenza() const { return lettore->frequenza(); }
    // The bytes of every frame of the sound (signed 16-bit samples).
    qint64 byte() const { return lettore->fotogrammi() * lettore->canali() * 2; }
    // Copies up to massimo bytes of whole frames into destinazione: silence
    // while the decoder is behind, 0 only once the sound is over. Never
    // waits for the decoder.
    qint64 leggi(char* destinazione, qint64 massimo);
    bool finita() const;

private:
    void decodifica();
    // Decodes one block into the free part of the ring; false when the file
    // turns out damaged (the sound then ends there).
    bool decodificaBlocco();

    std::unique_ptr<LettoreWav> lettore;
    std::function<void()> guasto;
    std::vector<qint16> blocco;  // the decoder thread's own
    mutable std::mutex m;
    std::condition_variable cv;
    std::vector<qint16> anello;  // samples decoded and not yet played
    size_t inizio = 0;
    size_t quanti = 0;
    qint64 fatti = 0;            // frames decoded
    bool finito = false;
    bool fermo = false;
    std::thread thread;
};
