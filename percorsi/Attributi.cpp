#include "percorsi/Attributi.h"

#include <bit>

AttributiInGioco AttributiInGioco::Di(const QList<int>& criteri)
{
    AttributiInGioco scelti;
    scelti.maschera = 0;
    for (const int criterio : criteri)
        if (criterio >= 1 && criterio <= Numero)
            scelti.maschera |= 1u << (criterio - 1);
    if (scelti.maschera == 0)
        scelti.maschera = Tutti;
    return scelti;
}

const QStringList& AttributiInGioco::Nomi()
{
    static const QStringList nomi{"forma", "colore", "dimensione", "spessore"};
    return nomi;
}

int AttributiInGioco::CriterioDi(const QString& nome)
{
    return int(Nomi().indexOf(nome)) + 1;
}

int AttributiInGioco::quanti() const
{
    return std::popcount(maschera);
}

QStringList AttributiInGioco::nomi() const
{
    QStringList nomi;
    for (int criterio = 1; criterio <= Numero; ++criterio)
        if (contiene(criterio))
            nomi.append(Nomi()[criterio - 1]);
    return nomi;
}
