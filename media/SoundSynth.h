#pragma once

#include <QByteArray>

#include <vector>

// Short synthesised sounds for the game's feedback, built sample by sample so
// that no sound file has to be shipped or decoded.
namespace Media {

// The bytes of a complete WAV file (RIFF/WAVE, PCM, 16-bit signed little
// endian, mono, 22050 Hz). quale 1..4: four different short cheerful jingles
// ("yes"); quale 0: a soft two-note descending "no". Any other value gives an
// empty array. The result is the same on every call.
QByteArray sintetizzaWav(int quale);

// The bytes of a complete WAV file (PCM, 16-bit signed little endian, mono)
// holding samples in [-1, 1] at frequenza samples per second; a sample
// beyond is clipped.
QByteArray scriviWav(const std::vector<double>& campioni, int frequenza);

} // namespace Media
