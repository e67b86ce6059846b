#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The decoded samples of a sound file, ready for the audio output:
// interleaved signed 16-bit samples, one or two channels.
struct SuonoPcm {
    int canali = 0;
    int frequenza = 0;      // samples per second
    int bitPerCampione = 16; // always: every encoding is decoded to it
    QByteArray campioni;    // whole frames only
};

// The longest recording accepted, in seconds.
inline constexpr int DurataMassimaSuono = 10 * 60;

// Decodes a WAV file's bytes with libsndfile, whatever its encoding (PCM 8 to
// 32 bit, float, µ-law, A-law, IMA and MS ADPCM). A file whose chunks claim
// more than it holds (a truncated copy), one that decodes to nothing, one
// longer than DurataMassimaSuono or one libsndfile refuses gives nothing,
// never a partial sound.
std::optional<SuonoPcm> AnalizzaWav(const QByteArray& file);

// Reads and decodes a WAV file; only regular files of sensible size are read.
std::optional<SuonoPcm> LeggiWav(const QString& percorso);
