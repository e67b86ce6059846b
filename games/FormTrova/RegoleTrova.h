#pragma once
#include "regole/RegoleGioco.h"

#include <array>

// The rules of "trova il blocco". A turn draws which of twelve places holds
// the block to find, then twelve random blocks; the child is shown the four
// words of that block and clicks a block that fits them: the described block
// or any copy of it. A wrong click leaves the turn as it is.
//
// Each answer records: domande, the four words of the block described, one
// condition each, in the order shape, colour, size, thickness; blocchi, the
// block clicked; risposta, the name of the block clicked.
class RegoleTrova : public RegoleGioco {
public:
    RegoleTrova(Estrazioni& caso, Orologio orologio) : RegoleGioco("FormTrova", caso, std::move(orologio)) {}

    static constexpr int NumeroBlocchi = 12;

    // The element of Image1 whose block is described, 0 to 11.
    qint16 Bersaglio = 0;
    // The twelve blocks, Image1(0) to Image1(11).
    std::array<Blocco, NumeroBlocchi> Blocchi;

    // Draws the turn's background, the described place and the blocks; the
    // turn starts.
    void PreparaRicerca();

    // A click on block Index: right when it is the block described.
    Registro::Risposta GiudicaBlocco(int Index) const;
};
