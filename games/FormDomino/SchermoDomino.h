#pragma once
#include "screens/SchermoGioco.h"

#include <array>

class Bottone;
class Etichetta;
class Immagine;
class Linea;

// The two chain games, "Cosa cambia?" and "Cosa resta uguale?": a chain of up
// to twelve blocks along a spiral track, each derived from the one before by
// the screen's own rule (ScegliAltroBlocco). The child names the relation of
// the two newest blocks with one of five letter buttons; a right answer
// writes the letter between them and adds the next block.
//
// The chain's newest block is the shared current block of Modulo1; the rules
// change its words in place and rebuild its picture path.
class SchermoDomino : public SchermoGioco {
public:
    // The right button for the step asked: 0 shape, 1 colour, 2 size,
    // 3 thickness, 4 none.
    qint16 RispostaGiusta = 0;
    // Right answers in this chain; the pair asked is Image1(PassoCatena) and
    // Image1(PassoCatena + 1).
    qint16 PassoCatena = 0;

    static constexpr int Blocchi = 12;
    static constexpr int Passi = Blocchi - 1;

    void NuovaCatena();
    // Derives the next block from the current one and sets RispostaGiusta.
    virtual void ScegliAltroBlocco() = 0;
    // The one right answer (0 shape to 3 thickness, 4 none) for two
    // neighbouring blocks, or -1 when the pair allows no single answer.
    virtual int RispostaPer(const Blocco& prima, const Blocco& dopo) const = 0;

    void Command1_Click(int Index);
    QString Incoerenza() const override;

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
    SchermoDomino(IdSchermo id, const Variante& variante, const char* domanda);

    // The drawing rules the two screens build their derivations from.
    // The one attribute (0 shape to 3 thickness) in which two blocks are
    // equal (uguali) or differ, 4 when there is none, -1 when there are more.
    static int UnicoAttributo(const Blocco& prima, const Blocco& dopo, bool uguali);
    static void NuovaForma();
    static void NuovoColore();
    static void InvertiDimensione();
    static void InvertiSpessore();
    static void RicostruisciPercorso();

private:
    void CreaControlliGioco(FinestraSchermo& f) final;
    void DimenticaControlliGioco() final { c = {}; }
    void PrimoTurno() final { NuovaCatena(); }
    const Etichetta* EtichettaDomanda() const final { return c.Label2; }

    const char* domanda;
    Controlli c;
};
