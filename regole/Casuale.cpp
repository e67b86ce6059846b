#include "regole/Casuale.h"

#include <chrono>

SeededRandom::SeededRandom(std::uint64_t seme) : motore(seme) {}

double SeededRandom::rnd()
{
    // 53 random bits scaled into [0, 1): never 1, every value equally likely.
    return static_cast<double>(motore() >> 11) * 0x1.0p-53;
}

std::uint64_t SeededRandom::semeDalloOrologio()
{
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
