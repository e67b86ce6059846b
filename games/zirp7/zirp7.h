#pragma once
#include "games/Posti/SchermoPosti.h"

#include <QString>
#include <array>

class Asfalto;
class Bottone;
class Cornice;
class Etichetta;
class Immagine;
class Linea;
class QAction;

// "le strade 1": a road forks into two parking areas, one for the blocks that
// have an attribute value (ROSSO) and one for those that do not (NON ROSSO).
// The child sends each block down the right road by clicking its area (place
// 0 on the left for the value, 1 on the right for its negation); the turn
// ends when an area holds four blocks.
class zirp7 final : public SchermoPosti {
public:
    zirp7();

    void PreparaStrade();

    void mnuSuonoSi_Click();
    void mnuSuonoNo_Click();

    struct Controlli {
        Asfalto* asfalto = nullptr;
        std::array<Linea*, 6> Line2{};
        std::array<Cornice*, 2> Frame1{};
        std::array<Immagine*, 8> insieme{};
        std::array<Etichetta*, 2> Label1{};
        Immagine* Image1 = nullptr;
        Bottone* bottoneavanti = nullptr;
        QAction* mnuSuonoSi = nullptr;
        QAction* mnuSuonoNo = nullptr;
    };
    const Controlli& controlli() const { return c; }

protected:
    void CreaMenuProprio(FinestraSchermo& f) override;
    void CreaControlliGioco(FinestraSchermo& f) override;
    void DimenticaControlliGioco() override { c = {}; }
    Posti posti() const override { return {c.Label1, c.Frame1, c.insieme, c.Image1}; }
    void PreparaPosti() override { PreparaStrade(); }

private:
    // The check marks of the sound menu, where the sound setting is.
    void MostraSuono();

    Controlli c;
};
