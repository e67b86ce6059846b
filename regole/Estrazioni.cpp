#include "regole/Estrazioni.h"

#include <cmath>

namespace {
constexpr int NumeroAttributi = 4;
} // namespace

int Estrazioni::Estrai(int k)
{
    return static_cast<int>(std::floor(Rnd() * k)) + 1;
}

int Estrazioni::Attributo()
{
    return Estrai(NumeroAttributi);
}

QString Estrazioni::ParolaCasuale(const QStringList& parole)
{
    NumeroCasuale = static_cast<qint16>(Estrai(int(parole.size())));
    return parole[NumeroCasuale - 1];
}

void Estrazioni::FormaCasuale() { FormaBlocco = ParolaCasuale(Parole::Forme); }
void Estrazioni::ColoreBloccoCasuale() { ColoreBlocco = ParolaCasuale(Parole::Colori); }
void Estrazioni::DimensioneCasuale() { DimensioneBlocco = ParolaCasuale(Parole::Dimensioni); }
void Estrazioni::SpessoreCasuale() { SpessoreBlocco = ParolaCasuale(Parole::Spessori); }

void Estrazioni::BloccoCasuale()
{
    ColoreBloccoCasuale();
    FormaCasuale();
    DimensioneCasuale();
    SpessoreCasuale();
    PercorsoBlocco = PercorsoDi(BloccoCorrente());
}

Blocco Estrazioni::BloccoCorrente() const
{
    return {FormaBlocco, ColoreBlocco, DimensioneBlocco, SpessoreBlocco};
}

void Estrazioni::ImpostaBloccoCorrente(const Blocco& blocco)
{
    FormaBlocco = blocco.forma;
    ColoreBlocco = blocco.colore;
    DimensioneBlocco = blocco.dimensione;
    SpessoreBlocco = blocco.spessore;
    PercorsoBlocco = PercorsoDi(blocco);
}
