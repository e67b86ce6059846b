#pragma once
#include "games/FormDomino/SchermoDomino.h"

// "Cosa resta uguale?": each block agrees with the one before in exactly one
// attribute, or in none.
class FormDomino2 final : public SchermoDomino {
public:
    FormDomino2();
};
