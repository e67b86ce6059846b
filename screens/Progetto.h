#pragma once
#include <QString>
#include <span>
#include <string_view>

// One control's place on its screen's design surface, in twips: left, top,
// width, height (for a line: X1, Y1, X2, Y2). Index -1 for a control that is
// not an element of a control array. Each screen keeps all its places in one
// table next to its code.
struct Posto {
    std::string_view nome;
    int indice;
    int a, b, c, d;
};

// The table's entry for a control; a missing entry is a programming error.
const Posto& Cerca(std::span<const Posto> progetto, std::string_view nome, int indice = -1);

// "Image1" or, for an element of a control array, "Image1(3)".
QString NomeControllo(std::string_view nome, int indice = -1);
