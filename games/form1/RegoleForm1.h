#pragma once
#include "regole/RegoleGioco.h"

#include <QString>
#include <array>

// The rules of "uguale - diverso". A turn asks one attribute and shows two
// random blocks; the child says whether the two have the same word of it
// ("UGUALE") or not ("DIVERSA" or "DIVERSO", as the attribute's noun wants).
// A wrong answer leaves the turn as it is, so the child may answer again.
//
// Each answer records: domande, the attribute asked; blocchi, the two blocks,
// left then right; risposta, the caption of the button pressed.
class RegoleForm1 : public RegoleGioco {
public:
    RegoleForm1(Estrazioni& caso, Orologio orologio) : RegoleGioco("form1", caso, std::move(orologio)) {}

    // What each attribute asks, how "different" agrees with its noun, which
    // word of a block is compared and which pictures the help shows.
    struct VoceAttributo {
        const char* etichetta;
        const char* diversi;
        int criterio;
        std::array<const char*, 4> aiuto;
    };
    // The entry of an attribute as numbered here, 1 to 4.
    static const VoceAttributo& Voce(int attributo);

    // 1 shape, 2 size, 3 thickness, 4 colour.
    qint16 Attributo = 0;
    // The asked attribute's word of the left and of the right block.
    std::array<QString, 2> ValoriConfronto;
    // The two blocks shown, left then right.
    std::array<Blocco, 2> Coppia;

    void ScegliAttributo();
    // Draws the turn's background, then the two blocks; the turn starts.
    void NuovaCoppia();

    Registro::Risposta GiudicaUguale() const;
    Registro::Risposta GiudicaDiverso() const;

private:
    Registro::Risposta Giudica(bool uguale) const;
};
