#pragma once
#include "games/Posti/SchermoPosti.h"

#include <array>

class Linea;

// "tabella": a two-by-two table whose rows are a value of one attribute and
// its negation (ROSSO, NON ROSSO) and whose columns are a value of another
// attribute and its negation (GRANDE, NON GRANDE). The child puts each block
// in its cell; the turn ends as soon as a cell holds two blocks.
class zirp9 final : public SchermoPosti {
public:
    zirp9();

    void PreparaTabella();

    struct Controlli {
        std::array<Etichetta*, 4> Label1{};
        std::array<Cornice*, 4> Frame1{};
        std::array<Immagine*, 8> insieme{};
        Immagine* Image1 = nullptr;
        Bottone* bottoneavanti = nullptr;
        Linea* Line1 = nullptr;
    };
    const Controlli& controlli() const { return c; }

protected:
    void CreaControlliGioco(FinestraSchermo& f) override;
    void DimenticaControlliGioco() override { c = {}; }
    Posti posti() const override { return {c.Label1, c.Frame1, c.insieme, c.Image1}; }
    void PreparaPosti() override { PreparaTabella(); }

private:
    Controlli c;
};
