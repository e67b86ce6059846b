#pragma once
#include "regole/RegoleGioco.h"

#include <QString>
#include <array>

// The rules of "insiemi". A turn draws a block and an attribute kind: the
// set's word is that block's word of the kind. Four random blocks follow; a
// drawing in which none has the word is drawn again whole. The child moves
// every block that has the word into the set; moving one is not judged.
// Judged are: a click on a block without the word (wrong); "Fatto" (right
// when every block with the word has been moved and checking waits for
// "Fatto"); with automatic checking, the click after which the set holds
// every block with the word (right).
//
// Each answer records: domande, the set's condition (its attribute and
// word); blocchi, the block clicked or, on "Fatto", the turn's four blocks;
// risposta, the name of the block clicked, or "Fatto".
class RegoleFORM2 : public RegoleGioco {
public:
    RegoleFORM2(Estrazioni& caso, Orologio orologio) : RegoleGioco("FORM2", caso, std::move(orologio)) {}

    // The attribute kind of the turn: 1 shape, 2 colour, 3 size, 4 thickness.
    qint16 Criterio = 0;
    // 0: the set's word; k + 1: the same attribute's word of block Image1(k).
    std::array<QString, 5> Attributi;
    // How many of the four blocks belong to the set.
    qint16 NumeroGiusti = 0;
    // Blocks moved into the set so far; also the next free slot.
    qint16 NumeroInseriti = 0;
    bool ControlloAutomatico = false;
    // The turn's four blocks, Image1(0) to Image1(3).
    std::array<Blocco, 4> Blocchi;

    // Draws the turn's background, the reference block and the kind.
    void ScegliInsieme();
    // Draws until one of the four blocks belongs to the set; the turn starts.
    void PreparaTurno();

    // Whether block Index has the set's word.
    bool NellInsieme(int Index) const { return Attributi[Index + 1] == Attributi[0]; }
    // With automatic checking, the set holds every block with the word.
    bool InsiemeCompletato() const { return NumeroInseriti == NumeroGiusti && ControlloAutomatico; }

    // A click on block Index: right when it belongs to the set.
    Registro::Risposta SceltaBlocco(int Index) const;
    // The click on block Index after which automatic checking closes the set.
    Registro::Risposta ChiusuraAutomatica(int Index) const;
    Registro::Risposta GiudicaFatto() const;

private:
    Registro::Domanda Domanda() const { return Condizione(Criterio, Attributi[0]); }
};
