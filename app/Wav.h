#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The samples of a WAV file and how to play them.
struct SuonoPcm {
    int canali = 0;
    int frequenza = 0;      // samples per second
    int bitPerCampione = 0; // 8 (unsigned), 16 or 32 (signed), or 32 (float)
    bool virgolaMobile = false;
    QByteArray campioni;    // whole frames only
};

// Checks a WAV file's bytes the way the player needs them: a RIFF/WAVE header,
// a PCM (or float) "fmt " chunk with sane values, and a "data" chunk that fits
// in the file. A truncated or corrupt file gives nothing, never a partial sound.
std::optional<SuonoPcm> AnalizzaWav(const QByteArray& file);

// Reads and checks a WAV file; only regular files of sensible size are read.
std::optional<SuonoPcm> LeggiWav(const QString& percorso);
