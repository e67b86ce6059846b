#pragma once
#include "screens/Schermo.h"

#include <array>

class Etichetta;
class Immagine;

// The start screen: the title, a date and three random blocks on a random
// colour; any click but one on the date leads to the main menu, or first to
// "Chi gioca?" when the class register holds a class.
class FormAvvio final : public Schermo {
public:
    FormAvvio() : Schermo(IdSchermo::FormAvvio) {}

    void PreparaAvvio();

    struct Controlli {
        Etichetta* Label1 = nullptr;
        Etichetta* Label2 = nullptr;
        std::array<Immagine*, 3> Image{};  // Image1, Image2, Image3
    };
    const Controlli& controlli() const { return c; }

protected:
    QSize areaProgetto() const override { return {9360, 6360}; }
    QString titolo() const override { return QStringLiteral("Form1"); }
    void CreaControlli(FinestraSchermo& f) override;
    void DimenticaControlli() override { c = {}; }
    void Form_Load() override;

private:
    void ApriMenu();

    Controlli c;
    bool attendeClasse = false;
};
