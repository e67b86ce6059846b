#include "SoundSynth.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace Media {
namespace {

constexpr int kFrequenza = 22050;
constexpr double kPiccoSi = 0.5;  // -6 dBFS
constexpr double kPiccoNo = 0.35; // -9 dBFS: a held tone sounds louder than a bell at the same peak

struct Parziale {
    double rapporto;    // frequency relative to the note
    double ampiezza;
    double smorzamento; // exponential decay rate, 1/s
};

struct Timbro {
    double attacco;  // seconds of fade-in
    double rilascio; // seconds of fade-out at the end of the note
    std::vector<Parziale> parziali;
};

// A soft music-box bell: upper partials fade faster than the fundamental.
const Timbro kCampanella{0.005, 0.04, {{1, 1.0, 4.0}, {2, 0.35, 7.0}, {3, 0.12, 11.0}, {4, 0.05, 15.0}}};

// A round, almost pure tone that stays level: gentle rather than bright.
const Timbro kMorbido{0.03, 0.08, {{1, 1.0, 2.5}, {2, 0.12, 5.0}}};

struct Nota {
    double inizio; // seconds
    double durata; // seconds
    int midi;      // 60 = middle C
    double volume = 1.0;
};

double hertz(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Raised-cosine ramp from 0 to 1 over [0, durata]; avoids clicks at both ends.
double rampa(double t, double durata)
{
    if (t >= durata)
        return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(0.0, t) / durata);
}

void suona(std::vector<double>& buffer, const Nota& n, const Timbro& timbro)
{
    const int primo = int(std::lround(n.inizio * kFrequenza));
    const int campioni = int(std::lround(n.durata * kFrequenza));
    const double f = hertz(n.midi);
    if (buffer.size() < size_t(primo + campioni))
        buffer.resize(primo + campioni, 0.0);
    for (int i = 0; i < campioni; ++i) {
        const double t = double(i) / kFrequenza;
        const double inviluppo = n.volume * rampa(t, timbro.attacco) * rampa(n.durata - t, timbro.rilascio);
        double s = 0;
        for (const Parziale& p : timbro.parziali)
            s += p.ampiezza * std::exp(-p.smorzamento * t) * std::sin(2 * std::numbers::pi * f * p.rapporto * t);
        buffer[primo + i] += inviluppo * s;
    }
}

std::vector<double> componi(const std::vector<Nota>& note, const Timbro& timbro)
{
    std::vector<double> buffer;
    for (const Nota& n : note)
        suona(buffer, n, timbro);
    return buffer;
}

std::vector<double> melodia(int quale)
{
    switch (quale) {
    case 0: // "no": G4 falling to E4, soft and level
        return componi({{0.0, 0.27, 67}, {0.30, 0.36, 64}}, kMorbido);
    case 1: // rising C major arpeggio
        return componi({{0.0, 0.35, 72}, {0.09, 0.35, 76}, {0.18, 0.35, 79}, {0.27, 0.50, 84}}, kCampanella);
    case 2: // "ta-daa": a pickup note, then a bright chord
        return componi({{0.0, 0.20, 79, 0.8}, {0.14, 0.55, 84}, {0.14, 0.55, 88, 0.7}}, kCampanella);
    case 3: // quick scale run up to the octave
        return componi({{0.0, 0.20, 72},
                        {0.065, 0.20, 74},
                        {0.13, 0.20, 76},
                        {0.195, 0.20, 77},
                        {0.26, 0.25, 79},
                        {0.36, 0.50, 84}},
                       kCampanella);
    case 4: // "ta-ta-taa": two short notes and a leap up a fourth
        return componi({{0.0, 0.11, 79, 0.8}, {0.12, 0.11, 79, 0.8}, {0.24, 0.50, 84}}, kCampanella);
    default:
        return {};
    }
}

void aggiungi16(QByteArray& b, quint16 v)
{
    char le[2];
    qToLittleEndian(v, le);
    b.append(le, 2);
}

void aggiungi32(QByteArray& b, quint32 v)
{
    char le[4];
    qToLittleEndian(v, le);
    b.append(le, 4);
}

// The samples scaled so that the loudest is at picco.
std::vector<double> alPicco(std::vector<double> buffer, double picco)
{
    double massimo = 0;
    for (double s : buffer)
        massimo = std::max(massimo, std::abs(s));
    const double guadagno = massimo > 0 ? picco / massimo : 0;
    for (double& s : buffer)
        s *= guadagno;
    return buffer;
}

} // namespace

QByteArray scriviWav(const std::vector<double>& campioni, int frequenza)
{
    const quint32 byteDati = quint32(campioni.size() * 2);
    QByteArray b;
    b.reserve(44 + int(byteDati));
    b.append("RIFF", 4);
    aggiungi32(b, 36 + byteDati);
    b.append("WAVE", 4);
    b.append("fmt ", 4);
    aggiungi32(b, 16);                     // chunk size
    aggiungi16(b, 1);                      // PCM
    aggiungi16(b, 1);                      // mono
    aggiungi32(b, quint32(frequenza));     // sample rate
    aggiungi32(b, quint32(frequenza) * 2); // bytes per second
    aggiungi16(b, 2);                      // bytes per frame
    aggiungi16(b, 16);                     // bits per sample
    b.append("data", 4);
    aggiungi32(b, byteDati);
    for (double s : campioni)
        aggiungi16(b, quint16(qint16(std::lround(std::clamp(s, -1.0, 1.0) * 32767))));
    return b;
}

QByteArray sintetizzaWav(int quale)
{
    const std::vector<double> buffer = melodia(quale);
    if (buffer.empty())
        return {};
    return scriviWav(alPicco(buffer, quale == 0 ? kPiccoNo : kPiccoSi), kFrequenza);
}

} // namespace Media
