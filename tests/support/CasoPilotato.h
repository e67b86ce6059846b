#pragma once
#include "registro/Blocco.h"
#include "regole/Casuale.h"

#include <QList>
#include <QString>
#include <deque>
#include <initializer_list>

// A double of the generator, for the suites of the rules and of the screens
// alike: it needs nothing but the rules library. Hands out the values it was given, then those of a seeded generator.
class CasoPilotato final : public RandomSource {
public:
    explicit CasoPilotato(std::uint64_t seme = 1) : riserva(seme) {}
    double rnd() override;
    void accoda(std::initializer_list<double> valori) { coda.insert(coda.end(), valori); }
    void accoda(const QList<double>& valori) { coda.insert(coda.end(), valori.begin(), valori.end()); }
    std::size_t inCoda() const { return coda.size(); }
    int estratti = 0;

private:
    std::deque<double> coda;
    SeededRandom riserva;
};

// The value of Rnd that makes floor(Rnd × k) + 1 give codice.
double RndPer(int codice, int k);
// The four values that make BloccoCasuale draw this block.
QList<double> RndPerBlocco(const Blocco& blocco);
Blocco B(const QString& forma, const QString& colore, const QString& dimensione, const QString& spessore);

