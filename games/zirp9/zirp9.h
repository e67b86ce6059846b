#pragma once
#include "screens/SchermoGioco.h"

#include <QString>
#include <array>

class Bottone;
class Cornice;
class Etichetta;
class Immagine;
class Linea;

// "tabella": a two-by-two table whose rows are a value of one attribute and
// its negation (ROSSO, NON ROSSO) and whose columns are a value of another
// attribute and its negation (GRANDE, NON GRANDE). The child puts each block
// in its cell; the turn ends as soon as a cell holds two blocks.
class zirp9 final : public SchermoGioco {
public:
    zirp9();

    // The attribute kinds of the rows and of the columns, never the same:
    // 1 shape, 2 colour, 3 size, 4 thickness.
    qint16 Criterio1 = 0;
    qint16 Criterio2 = 0;
    // 0: the row word; 1: the column word; 2 and 3: the current block's
    // words of the rows' and of the columns' kind.
    std::array<QString, 4> Attributi;
    // Blocks placed in each cell this turn; also the next free slot's offset.
    std::array<qint16, 4> NumeroInseriti{};

    void PreparaTabella();
    void NuovoBlocco();

    void Frame1_Click(int Index);
    void insieme_Click(int Index);
    void bottoneavanti_Click();
    QString Incoerenza() const override;

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
    void PrimoTurno() override;

private:
    // Puts the current block in cell k, if it belongs there.
    void Inserisci(int k);

    Controlli c;
};
