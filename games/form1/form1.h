#pragma once
#include "screens/SchermoGioco.h"

#include <QString>
#include <array>

class Bottone;
class Etichetta;
class Immagine;

// "uguale - diverso": two random blocks and one attribute; the child says
// whether the two have the same value of it or a different one.
class form1 final : public SchermoGioco {
public:
    form1();

    // 1 shape, 2 size, 3 thickness, 4 colour.
    qint16 Attributo = 0;
    // The asked attribute's word of the left and of the right block.
    std::array<QString, 2> ValoriConfronto;

    void ScegliAttributo();
    void NuovaCoppia();

    void UGUALI_Click();
    void DIVERSI_Click();
    void bottoneavanti_Click();
    void Command1_Click();
    QString Incoerenza() const override;

    struct Controlli {
        Etichetta* Label1 = nullptr;
        Bottone* Command1 = nullptr;
        std::array<Immagine*, 4> aiuto{};  // Image3 to Image6
        Immagine* Image1 = nullptr;
        Immagine* Image2 = nullptr;
        Bottone* UGUALI = nullptr;
        Bottone* DIVERSI = nullptr;
        Bottone* bottoneavanti = nullptr;
    };
    const Controlli& controlli() const { return c; }

protected:
    void CreaControlliGioco(FinestraSchermo& f) override;
    void DimenticaControlliGioco() override { c = {}; }
    void PrimoTurno() override;
    const Etichetta* EtichettaDomanda() const override { return c.Label1; }
    std::vector<QWidget*> ControlliRisposta() const override;

private:
    void Rispondi(Bottone* premuto, bool giusto);

    Controlli c;
};
