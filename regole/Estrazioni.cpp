#include "regole/Estrazioni.h"

#include <QVarLengthArray>

#include <cmath>

int Estrazioni::Estrai(int k)
{
    return static_cast<int>(std::floor(Rnd() * k)) + 1;
}

int Estrazioni::AttributoTra(const AttributiInGioco& inGioco, const OrdineAttributi& ordine, bool niente)
{
    QVarLengthArray<int, Niente> numeri;
    for (int numero = 1; numero <= int(ordine.size()); ++numero)
        if (inGioco.contiene(ordine[numero - 1]))
            numeri.append(numero);
    if (niente)
        numeri.append(Niente);
    return numeri[Estrai(int(numeri.size())) - 1];
}

int Estrazioni::Attributo(const AttributiInGioco& inGioco, const OrdineAttributi& ordine)
{
    return AttributoTra(inGioco, ordine, false);
}

int Estrazioni::AttributoONiente(const AttributiInGioco& inGioco, const OrdineAttributi& ordine)
{
    return AttributoTra(inGioco, ordine, true);
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
