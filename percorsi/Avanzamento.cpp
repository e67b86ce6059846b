#include "percorsi/Avanzamento.h"

#include <algorithm>

Avanzamento::Avanzamento(Percorso percorso, const QList<int>& esatte) : p(std::move(percorso))
{
    conteggi.resize(p.passi.size(), 0);
    for (qsizetype i = 0; i < conteggi.size() && i < esatte.size(); ++i)
        conteggi[i] = std::max(0, esatte[i]);
}

bool Avanzamento::fatto(qsizetype passo) const
{
    return passo >= 0 && passo < passi() && conteggi[passo] >= p.passi[passo].esatte;
}

std::optional<qsizetype> Avanzamento::prossimo() const
{
    for (qsizetype i = 0; i < passi(); ++i)
        if (!fatto(i))
            return i;
    return std::nullopt;
}

std::optional<qsizetype> Avanzamento::passoDi(const QString& schermo) const
{
    for (qsizetype i = 0; i < passi(); ++i)
        if (p.passi[i].gioco == schermo && !fatto(i))
            return i;
    return std::nullopt;
}

bool Avanzamento::contiene(const QString& schermo) const
{
    return std::any_of(p.passi.begin(), p.passi.end(), [&](const Passo& passo) { return passo.gioco == schermo; });
}

bool Avanzamento::aggiungi(qsizetype passo, bool esatta)
{
    // The count stops at the goal: a done step takes no more.
    if (!esatta || passo < 0 || passo >= passi() || fatto(passo))
        return false;
    ++conteggi[passo];
    return fatto(passo);
}
