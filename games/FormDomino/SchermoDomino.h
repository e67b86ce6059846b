#pragma once
#include "games/FormDomino/RegoleDomino.h"
#include "screens/SchermoGioco.h"

#include <QKeySequence>
#include <array>

class Bottone;
class Etichetta;
class Immagine;
class Linea;

// The two chain games, "Cosa cambia?" and "Cosa resta uguale?": a chain of up
// to twelve blocks along a spiral track, each derived from the one before by
// the game's rule. The child names the relation of the two newest blocks
// with one of five letter buttons; a right answer writes the letter between
// them and adds the next block.
class SchermoDomino : public SchermoGioco, public RegoleDomino {
public:
    void NuovaCatena();

    void Command1_Click(int Index);
    QString Incoerenza() const override;
    // The key that presses answer i's button: its caption's last letter.
    static QKeySequence Tasto(int i);

    struct Controlli {
        std::array<Immagine*, Blocchi> Image1{};
        std::array<Etichetta*, Passi> Label1{};
        std::array<Linea*, 4> Line1{};
        std::array<Bottone*, 5> Command1{};
        std::array<Etichetta*, 5> nomi{};  // Label3 to Label7, beside Command1 0 to 4
        Etichetta* Label2 = nullptr;
    };
    const Controlli& controlli() const { return c; }

protected:
    // domanda: the caption of Label2, below the chain.
    SchermoDomino(IdSchermo id, const char* nome, Regola regola, const Variante& variante, const char* domanda);
    void NuovoSfondo() final { ImpostaSfondoCasuale(); }

private:
    void CreaControlliGioco(FinestraSchermo& f) final;
    void DimenticaControlliGioco() final { c = {}; }
    void PrimoTurno() final { NuovaCatena(); }
    const Etichetta* EtichettaDomanda() const final { return c.Label2; }

    const char* domanda;
    Controlli c;
};
