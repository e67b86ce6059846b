#pragma once
#include "screens/SchermoGioco.h"

#include <QString>
#include <array>
#include <span>

class Cornice;
class Etichetta;
class Immagine;

// The base of "le strade 1", "tabella" and "le strade 2". Each block goes to
// the place its attribute values lead to: one condition (ROSSO or NON ROSSO)
// makes two places, two conditions (A or not A, B or not B) make four, the
// cells of a two-by-two table or the parking areas at the ends of a
// twice-forked road. All places hold the same number of blocks, and a turn
// ends as soon as one of them is full.
class SchermoPosti : public SchermoGioco {
public:
    const int NumeroPosti;  // 2 or 4
    const int Capienza;     // blocks a place holds

    // Attribute kinds (1 shape, 2 colour, 3 size, 4 thickness) of A and of
    // B; never the same. Criterio2 is 0 where there is one condition.
    qint16 Criterio1 = 0;
    qint16 Criterio2 = 0;
    // 0: the word A; 1: the word B; 2 and 3: the waiting block's words of
    // kind Criterio1 and Criterio2. The B words are empty where there is one
    // condition.
    std::array<QString, 4> Attributi;
    // How many blocks each place holds in this turn; also the offset of its
    // next free slot. Only the first NumeroPosti count.
    std::array<qint16, 4> NumeroInseriti{};

    void NuovoBlocco();
    void Frame1_Click(int Index);
    void insieme_Click(int Index);
    void bottoneavanti_Click();

    // The place of a block among four: 0 for A and B, 1 for A and not B, 2
    // for not A and B, 3 for neither.
    static int PostoDi(bool a, bool b) { return (a ? 0 : 2) + (b ? 0 : 1); }
    // The place of a block on this screen: with one condition 0 for A and 1
    // for not A.
    int PostoGiusto(bool a, bool b) const { return NumeroPosti == 2 ? (a ? 0 : 1) : PostoDi(a, b); }
    bool TurnoFinito() const;
    // Whether the waiting block (or, once the turn is over, the last one
    // placed) has the word A, and the word B.
    bool a() const { return Attributi[2] == Attributi[0]; }
    bool b() const { return Attributi[3] == Attributi[1]; }

    QString Incoerenza() const override;

protected:
    SchermoPosti(IdSchermo id, const Variante& variante, int posti, int capienza)
        : SchermoGioco(id, variante), NumeroPosti(posti), Capienza(capienza)
    {
    }

    // The controls the shared procedures work on.
    struct Posti {
        std::span<Etichetta* const> condizioni;  // A, NON A and, with two conditions, B, NON B
        std::span<Cornice* const> Frame1;
        // Capienza * k to Capienza * k + Capienza - 1 in place k, in the order they fill.
        std::span<Immagine* const> insieme;
        Immagine* Image1;
    };
    virtual Posti posti() const = 0;

    // A new turn's conditions (PreparaStrade, PreparaTabella).
    virtual void PreparaPosti() = 0;
    // What a click on a place does before it is judged.
    virtual void PrimaDellaScelta() {}

    // Draws both kinds and writes A, NON A, B and NON B, taking the words
    // from the block drawn last anywhere in the program.
    void ScegliCriteri();
    // Gives place k a name for a screen reader, told also by each of its slots.
    void NominaPosto(int k, const QString& nome) const;
    void PrimoTurno() override;
    const Etichetta* EtichettaDomanda() const override { return posti().condizioni[0]; }
    std::vector<QWidget*> ControlliRisposta() const override;

private:
    void Inserisci(int k);
    int PostoDelBlocco(const Blocco& blocco) const;
};
