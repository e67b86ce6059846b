#include "app/Wav.h"

#include "app/FileSicuri.h"

#include <QScopeGuard>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sndfile.h>
#include <vector>

namespace {

// Ten minutes of the largest common WAV (stereo 64-bit float at 48 kHz) with
// room for its header and other chunks.
constexpr qint64 DimensioneMassima = 512LL * 1024 * 1024;

// Whether every chunk of a RIFF/WAVE file fits in the file and a "data" chunk
// is there: libsndfile plays a truncated copy as far as it goes, and a sound
// cut short is a damaged file to be named, not played.
bool ChunkCompleti(const QByteArray& b)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return false;
    qsizetype at = 12;
    bool dati = false;
    while (at + 8 <= b.size()) {
        const quint32 lunghezza = qFromLittleEndian<quint32>(b.constData() + at + 4);
        if (lunghezza > quint64(b.size() - at - 8))
            return false;
        dati = dati || std::memcmp(b.constData() + at, "data", 4) == 0;
        at += 8 + qsizetype(lunghezza) + (lunghezza & 1);
    }
    return dati;
}

// libsndfile's reads from a file's bytes held in memory.
struct Memoria {
    const QByteArray* dati;
    sf_count_t posizione = 0;
};

sf_count_t Lunghezza(void* m) { return static_cast<Memoria*>(m)->dati->size(); }

sf_count_t Sposta(sf_count_t scarto, int da, void* m)
{
    auto* mem = static_cast<Memoria*>(m);
    const sf_count_t base = da == SEEK_CUR ? mem->posizione : da == SEEK_END ? mem->dati->size() : 0;
    const sf_count_t nuova = base + scarto;
    if (nuova < 0 || nuova > mem->dati->size())
        return -1;
    return mem->posizione = nuova;
}

sf_count_t Leggi(void* destinazione, sf_count_t quanti, void* m)
{
    auto* mem = static_cast<Memoria*>(m);
    const sf_count_t n = std::clamp<sf_count_t>(quanti, 0, mem->dati->size() - mem->posizione);
    std::memcpy(destinazione, mem->dati->constData() + mem->posizione, size_t(n));
    mem->posizione += n;
    return n;
}

// A sample scaled to [-1, 1] as a 16-bit one; louder is clipped, NaN is silence.
qint16 Campione16(float x)
{
    if (!(x == x))
        return 0;
    return qint16(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f));
}

sf_count_t Scrivi(const void*, sf_count_t, void*) { return 0; }
sf_count_t Dove(void* m) { return static_cast<Memoria*>(m)->posizione; }

} // namespace

std::optional<SuonoPcm> AnalizzaWav(const QByteArray& file)
{
    if (!ChunkCompleti(file))
        return std::nullopt;
    Memoria memoria{&file};
    SF_VIRTUAL_IO io{Lunghezza, Sposta, Leggi, Scrivi, Dove};
    SF_INFO info{};
    SNDFILE* sf = sf_open_virtual(&io, SFM_READ, &info, &memoria);
    if (!sf)
        return std::nullopt;
    const auto chiudi = qScopeGuard([sf] { sf_close(sf); });
    if ((info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_WAV || info.channels < 1 || info.channels > 8
        || info.samplerate < 1000 || info.samplerate > 384000 || info.frames <= 0
        || info.frames > sf_count_t(DurataMassimaSuono + 1) * info.samplerate)
        return std::nullopt;

    // Read as float (libsndfile scales every encoding to [-1, 1]) and made
    // 16-bit here, so that a float file louder than full scale is clipped
    // rather than wrapped. More than two channels are mixed down to one.
    const int canali = info.channels <= 2 ? info.channels : 1;
    SuonoPcm suono;
    suono.canali = canali;
    suono.frequenza = info.samplerate;
    suono.campioni.resize(qsizetype(info.frames) * canali * 2);
    auto* uscita = reinterpret_cast<qint16*>(suono.campioni.data());
    constexpr sf_count_t Blocco = 4096;
    std::vector<float> letti(size_t(Blocco * info.channels));
    sf_count_t fatti = 0;
    while (fatti < info.frames) {
        const sf_count_t n = sf_readf_float(sf, letti.data(), std::min(Blocco, info.frames - fatti));
        if (n <= 0)
            break;
        for (sf_count_t f = 0; f < n; ++f) {
            const float* campione = letti.data() + f * info.channels;
            if (canali == info.channels) {
                for (int c = 0; c < canali; ++c)
                    *uscita++ = Campione16(campione[c]);
            } else {
                float somma = 0;
                for (int c = 0; c < info.channels; ++c)
                    somma += campione[c];
                *uscita++ = Campione16(somma / float(info.channels));
            }
        }
        fatti += n;
    }
    // A file that decodes to fewer frames than it declares is damaged.
    if (fatti < info.frames || sf_error(sf) != SF_ERR_NO_ERROR)
        return std::nullopt;
    return suono;
}

std::optional<SuonoPcm> LeggiWav(const QString& percorso)
{
    const auto contenuto = LeggiFileRegolare(percorso, DimensioneMassima);
    if (!contenuto)
        return std::nullopt;
    return AnalizzaWav(*contenuto);
}
