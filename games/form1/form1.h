#pragma once
#include "games/form1/RegoleForm1.h"
#include "screens/SchermoGioco.h"

#include <QString>
#include <array>

class Bottone;
class Etichetta;
class Immagine;

// "uguale - diverso": two random blocks and one attribute; the child says
// whether the two have the same value of it or a different one.
class form1 final : public SchermoGioco, public RegoleForm1 {
public:
    form1();

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
    void NuovoSfondo() override { ImpostaSfondoCasuale(); }
    const Etichetta* EtichettaDomanda() const override { return c.Label1; }
    std::vector<QWidget*> ControlliRisposta() const override;

private:
    void Rispondi(Bottone* premuto, const Registro::Risposta& risposta);

    Controlli c;
};
