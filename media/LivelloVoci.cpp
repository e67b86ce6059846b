#include "LivelloVoci.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace Media {

namespace {

// How far on each side of a peak the limiter lowers the voice, in seconds:
// long enough not to be heard as a click, short enough to leave the syllable
// around it as loud as before.
constexpr double kRaggioLimitatore = 0.005;

double ampiezza(double decibel)
{
    return std::pow(10.0, decibel / 20.0);
}

double potenza(double decibel)
{
    return std::pow(10.0, decibel / 10.0);
}

double media(const std::vector<double>& valori)
{
    return std::accumulate(valori.begin(), valori.end(), 0.0) / double(valori.size());
}

// From MargineVoce before the first sound to MargineVoce after the last, with
// silence added where espeak-ng left less; empty when nothing is heard.
std::vector<double> rifila(const std::vector<double>& campioni, int frequenza)
{
    const auto suono = [soglia = ampiezza(SogliaSuono)](double s) { return std::abs(s) > soglia; };
    const auto primo = std::find_if(campioni.begin(), campioni.end(), suono);
    if (primo == campioni.end())
        return {};
    const auto dopoUltimo = std::find_if(campioni.rbegin(), campioni.rend(), suono).base();
    const auto margine = size_t(std::lround(MargineVoce * frequenza));
    std::vector<double> voce(margine, 0.0);
    voce.insert(voce.end(), primo, dopoUltimo);
    voce.resize(voce.size() + margine, 0.0);
    return voce;
}

// Holds every sample at or below PiccoVoce. Each sample above asks for the
// gain that brings it there, over kRaggioLimitatore on each side; the gain
// applied is the mean, over the same reach, of the lowest asked: a smooth
// dip that at each peak is no higher than that peak's own gain, since every
// value averaged there is at most that.
void limita(std::vector<double>& voce, int frequenza)
{
    const double tetto = ampiezza(PiccoVoce);
    const auto n = std::ptrdiff_t(voce.size());
    const auto raggio = std::max<std::ptrdiff_t>(1, std::lround(kRaggioLimitatore * frequenza));
    const auto inizio = [&](std::ptrdiff_t i) { return std::max<std::ptrdiff_t>(0, i - raggio); };
    const auto fine = [&](std::ptrdiff_t i) { return std::min(n - 1, i + raggio); };
    std::vector<double> chiesto(voce.size(), 1.0);
    bool oltre = false;
    for (std::ptrdiff_t i = 0; i < n; ++i)
        if (std::abs(voce[i]) > tetto) {
            oltre = true;
            for (std::ptrdiff_t k = inizio(i); k <= fine(i); ++k)
                chiesto[k] = std::min(chiesto[k], tetto / std::abs(voce[i]));
        }
    if (!oltre)
        return;
    std::vector<double> somme(voce.size() + 1, 0.0);
    std::partial_sum(chiesto.begin(), chiesto.end(), somme.begin() + 1);
    for (std::ptrdiff_t i = 0; i < n; ++i)
        voce[i] *= std::min(1.0, (somme[fine(i) + 1] - somme[inizio(i)]) / double(fine(i) - inizio(i) + 1));
}

} // namespace

double livelloParlato(const std::vector<double>& campioni, int frequenza)
{
    const auto lato = std::max<size_t>(1, size_t(std::lround(LivelloBlocco * frequenza)));
    std::vector<double> blocchi;
    for (size_t i = 0; i + lato <= campioni.size(); i += lato) {
        const auto da = campioni.begin() + std::ptrdiff_t(i);
        const double p = std::inner_product(da, da + std::ptrdiff_t(lato), da, 0.0) / double(lato);
        if (p > potenza(LivelloSoglia))
            blocchi.push_back(p);
    }
    if (blocchi.empty())
        return -std::numeric_limits<double>::infinity();
    const double soglia = media(blocchi) * potenza(LivelloRelativo);
    std::erase_if(blocchi, [soglia](double p) { return p < soglia; });
    return 10.0 * std::log10(media(blocchi));
}

std::vector<double> livellaVoce(const std::vector<double>& campioni, int frequenza)
{
    std::vector<double> voce = rifila(campioni, frequenza);
    const double livello = livelloParlato(voce, frequenza);
    if (!std::isfinite(livello))
        return campioni;
    const double guadagno = ampiezza(LivelloVoce - livello);
    for (double& s : voce)
        s *= guadagno;
    limita(voce, frequenza);
    return voce;
}

} // namespace Media
