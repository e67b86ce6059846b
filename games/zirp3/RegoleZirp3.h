#pragma once
#include "regole/RegoleGioco.h"

#include <QString>
#include <array>

// The rules of "quanti sono ?". A turn draws a block and an attribute kind:
// the condition is that block's word of the kind. Nine random blocks follow;
// the child presses the number of those that have the word. A wrong number
// leaves the turn as it is.
//
// Each answer records: domande, the condition (its attribute and word);
// blocchi, the nine blocks in the order shown, the ones the child has hidden
// too; risposta, the number pressed.
class RegoleZirp3 : public RegoleGioco {
public:
    RegoleZirp3(Estrazioni& caso, Orologio orologio) : RegoleGioco("zirp3", caso, std::move(orologio)) {}

    // The attribute kind of the turn: 1 shape, 2 colour, 3 size, 4 thickness.
    qint16 Criterio = 0;
    // 0: the condition's word; k + 1: the same attribute's word of block k.
    std::array<QString, 10> Attributi;
    // How many of the nine blocks have the condition's word.
    qint16 NumeroGiusti = 0;
    // The turn's nine blocks, Image1(0) to Image1(8).
    std::array<Blocco, 9> Blocchi;

    // Draws the reference block, the turn's background and the kind.
    void ScegliCondizione();
    // Draws the condition and the nine blocks; the turn starts.
    void PreparaTurno();

    // The number Index pressed: right when it is the count.
    Registro::Risposta GiudicaNumero(int Index) const;
};
