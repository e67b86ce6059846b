#pragma once
#include "games/FormDomino/SchermoDomino.h"

// "Cosa cambia?": each block differs from the one before in exactly one
// attribute, or in none.
class FormDomino final : public SchermoDomino {
public:
    FormDomino();
};
