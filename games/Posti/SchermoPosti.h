#pragma once
#include "app/Modulo1.h"
#include "games/Posti/RegolePosti.h"
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
class SchermoPosti : public SchermoGioco, public RegolePosti {
public:
    void NuovoBlocco();
    void Frame1_Click(int Index);
    void insieme_Click(int Index);
    void bottoneavanti_Click();

    QString Incoerenza() const override;

protected:
    SchermoPosti(IdSchermo id, const char* nome, const Variante& variante, int posti, int capienza)
        : SchermoGioco(id, variante), RegolePosti(nome, posti, capienza, Modulo1::EstrazioniGioco, OrologioDelGioco())
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

    // Writes A, NON A and, with two conditions, B, NON B on the condition
    // labels.
    void MostraCondizioni() const;
    // Gives every place its name for a screen reader, told also by each of
    // its slots.
    void NominaPosti() const;
    void PrimoTurno() override;
    void NuovoSfondo() override { ImpostaSfondoCasuale(); }
    const Etichetta* EtichettaDomanda() const override { return posti().condizioni[0]; }
    std::vector<QWidget*> ControlliRisposta() const override;

private:
    void Inserisci(int k);
};
