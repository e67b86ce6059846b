#pragma once
#include "screens/SchermoGioco.h"

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
// The child sends each block down the right road by clicking its area; the
// turn ends when an area holds four blocks.
class zirp7 final : public SchermoGioco {
public:
    zirp7();

    // The attribute kind of the turn: 1 shape, 2 colour, 3 size, 4 thickness.
    qint16 Criterio = 0;
    // 0: the condition's word; 1: the current block's word of the same kind.
    std::array<QString, 2> Attributi;
    // Blocks parked in each area; also where the next one goes.
    qint16 NumeroSinistra = 0;
    qint16 NumeroDestra = 0;

    void PreparaStrade();
    void NuovoBlocco();

    void Frame1_Click(int Index);
    void insieme_Click(int Index);
    void bottoneavanti_Click();
    void mnuSuonoSi_Click();
    void mnuSuonoNo_Click();
    QString Incoerenza() const override;

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
    void PrimoTurno() override;

private:
    // Sends the current block to area 0 (left) or 1 (right).
    void Manda(int area);
    // The check marks of the sound menu, where the sound setting is.
    void MostraSuono();

    Controlli c;
};
