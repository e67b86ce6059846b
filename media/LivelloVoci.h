#pragma once

#include <vector>

// Every spoken word at one level, ready to play at once: espeak-ng's voices
// differ by several decibels from word to word and from language to
// language, some of its words reach full scale, and each ends in more than
// half a second of silence that would hold back the sound after it.
namespace Media {

// The level of every voice, in dB below full scale: the mean power of its
// speech. Speech is measured in blocks of LivelloBlocco seconds; a block
// below LivelloSoglia dBFS is silence, and a block more than
// LivelloRelativo dB below the mean of the others is a word's quiet end or
// a pause, so neither counts and a phrase is as loud as a single word.
inline constexpr double LivelloVoce = -20.0;
inline constexpr double LivelloBlocco = 0.05;
inline constexpr double LivelloSoglia = -50.0;
inline constexpr double LivelloRelativo = -10.0;
// No sample of a voice is louder than this (dBFS), so no converter clips it.
inline constexpr double PiccoVoce = -1.0;
// Silence left before a voice's first sound and after its last, in
// seconds; a sound is a sample above SogliaSuono dBFS.
inline constexpr double MargineVoce = 0.025;
inline constexpr double SogliaSuono = -60.0;

// The level of samples in [-1, 1] as LivelloVoce measures it; -inf for
// silence.
double livelloParlato(const std::vector<double>& campioni, int frequenza);

// A voice as espeak-ng made it, trimmed to MargineVoce of silence at each
// end and brought to LivelloVoce, its rare sharp peaks held at PiccoVoce by
// a limiter that lowers only the few milliseconds around them. Silence
// stays silence.
std::vector<double> livellaVoce(const std::vector<double>& campioni, int frequenza);

} // namespace Media
