#pragma once
#include "media/Testi.h"
#include "screens/Schermo.h"

#include <QList>

class Etichetta;
class SimboloBambino;
class QWidget;

// "Chi gioca?": shown after the start screen when the class register holds a
// class. Every child's symbol stands in a grid with the child's name beneath
// it, the guest's symbol last; a click on one (or Return on the one with the
// focus) speaks the name, starts that child's sitting and opens the menu.
class FormChiGioca final : public Schermo {
public:
    FormChiGioca() : Schermo(IdSchermo::FormChiGioca) {}

    struct Controlli {
        Etichetta* Titolo = nullptr;
        QWidget* Griglia = nullptr;
        QList<SimboloBambino*> simboli;  // the class in its order, the guest last
    };
    const Controlli& controlli() const { return c; }

protected:
    QSize areaProgetto() const override { return {9360, 6360}; }
    QString titolo() const override { return Tesselo::tr("Chi gioca?"); }
    void CreaControlli(FinestraSchermo& f) override;
    void DimenticaControlli() override { c = {}; }
    void Form_Load() override;
    void Form_Activate() override;

private:
    void Scegli(qint64 bambino, const QString& nome);

    Controlli c;
};
