#pragma once
#include <cstdint>
#include <random>

// Source of Rnd: uniform numbers in [0, 1). Every random draw of the program
// goes through the one instance held by the services, so that tests can pin it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double rnd() = 0;
};

// The generator the program uses: seeded once per run (from the clock at
// start-up, from a fixed seed in tests).
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seme);
    double rnd() override;

    static std::uint64_t semeDalloOrologio();

private:
    std::mt19937_64 motore;
};
