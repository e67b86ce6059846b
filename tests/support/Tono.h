#pragma once
#include <QFile>
#include <QString>
#include <cmath>
#include <numbers>
#include <sndfile.h>
#include <vector>

// A tone of secondi seconds at half of full scale, written by libsndfile in
// the given WAV encoding (SF_FORMAT_PCM_16, SF_FORMAT_ULAW...; with a file
// type, SF_FORMAT_WAVEX | SF_FORMAT_ULAW say, that type); the two channels of
// a stereo file differ in pitch.
inline bool ScriviTono(const QString& percorso, int formato, int canali, int frequenza, double secondi)
{
    SF_INFO info{};
    info.samplerate = frequenza;
    info.channels = canali;
    info.format = (formato & SF_FORMAT_TYPEMASK) ? formato : SF_FORMAT_WAV | formato;
    SNDFILE* sf = sf_open(QFile::encodeName(percorso).constData(), SFM_WRITE, &info);
    if (!sf)
        return false;
    const int n = int(frequenza * secondi);
    std::vector<float> campioni(size_t(n) * canali);
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < canali; ++c)
            campioni[size_t(i) * canali + c] =
                0.5f * float(std::sin(2 * std::numbers::pi * (440.0 + 110 * c) * i / frequenza));
    const bool scritto = sf_writef_float(sf, campioni.data(), n) == n;
    return sf_close(sf) == 0 && scritto;
}
