#pragma once
#include "games/FormTrova/RegoleTrova.h"
#include "screens/SchermoGioco.h"

#include <QString>
#include <array>

class Bottone;
class Etichetta;
class Immagine;
class Rettangolo;

// "trova il blocco": twelve random blocks in a grid and the four words of one
// of them; the child clicks a block that fits the words.
class FormTrova final : public SchermoGioco, public RegoleTrova {
public:
    FormTrova();

    void PreparaRicerca();

    void Image1_Click(int Index);
    void bottoneavanti_Click();
    QString Incoerenza() const override;

    struct Controlli {
        std::array<Immagine*, 12> Image1{};
        Etichetta* EtFrase2 = nullptr;
        Rettangolo* Shape1 = nullptr;
        Bottone* bottoneavanti = nullptr;
    };
    const Controlli& controlli() const { return c; }

    // The text kept with a block picture: its four words run together.
    static QString TagDi(const Immagine* immagine);

protected:
    void CreaControlliGioco(FinestraSchermo& f) override;
    void DimenticaControlliGioco() override { c = {}; }
    void PrimoTurno() override { PreparaRicerca(); }
    void NuovoSfondo() override { ImpostaSfondoCasuale(); }
    const Etichetta* EtichettaDomanda() const override { return c.EtFrase2; }
    std::vector<QWidget*> ControlliRisposta() const override;

private:
    void IncorniciaBlocco(int Index);

    Controlli c;
};
