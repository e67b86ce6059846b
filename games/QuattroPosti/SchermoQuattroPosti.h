#pragma once
#include "screens/SchermoGioco.h"

#include <QString>
#include <array>

class Bottone;
class Cornice;
class Etichetta;
class Immagine;

// What "tabella" and "le strade 2" share: each block goes into one of four
// places (the cells of a two-by-two table, the parking areas at the ends of a
// twice-forked road) told by two attribute values, A or not A and B or not B.
// Every place holds two blocks; the turn ends when one of them is full.
class SchermoQuattroPosti : public SchermoGioco {
public:
    // Attribute kinds (1 shape, 2 colour, 3 size, 4 thickness) of A and of
    // B; never the same.
    qint16 Criterio1 = 0;
    qint16 Criterio2 = 0;
    // 0: the word A; 1: the word B; 2 and 3: the waiting block's words of
    // kind Criterio1 and Criterio2.
    std::array<QString, 4> Attributi;
    // How many blocks each place holds in this turn (0 to 2); also the
    // offset of its next free slot.
    std::array<qint16, 4> NumeroInseriti{};

    void NuovoBlocco();
    void Frame1_Click(int Index);
    void insieme_Click(int Index);
    void bottoneavanti_Click();

    // The place of a block: 0 for A and B, 1 for A and not B, 2 for not A
    // and B, 3 for neither.
    static int PostoDi(bool a, bool b) { return (a ? 0 : 2) + (b ? 0 : 1); }
    bool TurnoFinito() const;
    // Whether the waiting block (or, once the turn is over, the last one
    // placed) has the word A, and the word B.
    bool a() const { return Attributi[2] == Attributi[0]; }
    bool b() const { return Attributi[3] == Attributi[1]; }

    QString Incoerenza() const override;

protected:
    using SchermoGioco::SchermoGioco;

    // The controls the shared procedures work on.
    struct Posti {
        std::array<Etichetta*, 4> condizioni;  // A, NON A, B, NON B
        std::array<Cornice*, 4> Frame1;
        std::array<Immagine*, 8> insieme;      // 2k and 2k + 1 in place k, the left one first
        Immagine* Image1;
        Bottone* bottoneavanti;
    };
    virtual Posti posti() const = 0;

    // A new turn's conditions (PreparaTabella, PreparaStrade).
    virtual void PreparaPosti() = 0;
    // What a click on a place does before it is judged.
    virtual void PrimaDellaScelta() {}

    // Draws both kinds and writes A, NON A, B and NON B, taking the words
    // from the block drawn last anywhere in the program.
    void ScegliCriteri();
    void PrimoTurno() override;

private:
    void Inserisci(int k);
};
