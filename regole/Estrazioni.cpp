#include "regole/Estrazioni.h"

#include <QVarLengthArray>

#include <cmath>
#include <span>

int Estrazioni::Estrai(int k)
{
    return static_cast<int>(std::floor(Rnd() * k)) + 1;
}

namespace {

// Where u, in [0, 1), falls when [0, 1) is cut into shares in proportion to
// pesi, in their order: the index of the first whose running total passes
// u × the total. A rounding that leaves u at the very end gives the last.
qsizetype Cumulata(double u, std::span<const double> pesi)
{
    double totale = 0;
    for (double p : pesi)
        totale += p;
    const double punto = u * totale;
    double somma = 0;
    for (qsizetype i = 0; i + 1 < qsizetype(pesi.size()); ++i) {
        somma += pesi[i];
        if (punto < somma)
            return i;
    }
    return qsizetype(pesi.size()) - 1;
}

} // namespace

int Estrazioni::AttributoTra(const AttributiInGioco& inGioco, const OrdineAttributi& ordine, bool niente,
                             const std::optional<Pesi>& pesi)
{
    QVarLengthArray<int, Niente> numeri;
    QVarLengthArray<double, Niente> suoiPesi;
    for (int numero = 1; numero <= int(ordine.size()); ++numero)
        if (inGioco.contiene(ordine[numero - 1])) {
            numeri.append(numero);
            if (pesi)
                suoiPesi.append((*pesi)[ordine[numero - 1] - 1]);
        }
    if (!pesi) {
        if (niente)
            numeri.append(Niente);
        return numeri[Estrai(int(numeri.size())) - 1];
    }
    // One Rnd, as the unweighted draw takes.
    double u = Rnd();
    if (niente) {
        // Niente exactly where the unweighted draw gives it; the attributes'
        // part of [0, 1) stretched over the whole for their weights.
        const int k = int(numeri.size());
        if (std::floor(u * (k + 1)) >= k)
            return Niente;
        u = u * (k + 1) / k;
    }
    return numeri[Cumulata(u, suoiPesi)];
}

int Estrazioni::Attributo(const AttributiInGioco& inGioco, const OrdineAttributi& ordine,
                          const std::optional<Pesi>& pesi)
{
    return AttributoTra(inGioco, ordine, false, pesi);
}

int Estrazioni::AttributoONiente(const AttributiInGioco& inGioco, const OrdineAttributi& ordine,
                                 const std::optional<Pesi>& pesi)
{
    return AttributoTra(inGioco, ordine, true, pesi);
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
