#pragma once
#include "registro/Blocco.h"
#include "regole/Estrazioni.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <span>

// What "insiemi" and "quanti sono ?" share: after a reference word of one
// attribute kind, a row of random blocks is drawn and those that have the
// word are counted.
struct Conteggio {
    QStringList percorsi;  // the pictures of the blocks drawn, in the order drawn
    QList<Blocco> blocchi; // the blocks drawn, in the same order
    qint16 giusti = 0;     // how many of them have the reference word
};

// parole[0] is the reference word. Draws parole.size() - 1 blocks from caso,
// one BloccoCasuale each, and writes the word of kind criterio of block k into
// parole[k + 1].
Conteggio ContaUguali(Estrazioni& caso, int criterio, std::span<QString> parole);

// How many of parole[1] onwards equal parole[0].
qint16 Uguali(std::span<const QString> parole);
