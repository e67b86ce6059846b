#pragma once
#include "media/Testi.h"
#include "screens/Schermo.h"

#include <QList>

class Carta;
class Etichetta;
class QWidget;

// "Quale classe?": shown after the start screen, before "Chi gioca?", when
// the register holds more than one class (a computer of the lab). Each
// class's name stands in large type on a big card, in the register's order;
// a click on one (or Return on the one with the focus) speaks its name,
// makes it the sitting's class and opens "Chi gioca?" with its children.
class FormQualeClasse final : public Schermo {
public:
    FormQualeClasse() : Schermo(IdSchermo::FormQualeClasse) {}

    struct Controlli {
        Etichetta* Titolo = nullptr;
        QWidget* Griglia = nullptr;
        QList<Carta*> classi;  // in the register's order
    };
    const Controlli& controlli() const { return c; }

protected:
    QSize areaProgetto() const override { return {9360, 6360}; }
    QString titolo() const override { return Tesselo::tr("Quale classe?"); }
    void CreaControlli(FinestraSchermo& f) override;
    void DimenticaControlli() override { c = {}; }
    void Form_Load() override;
    void Form_Activate() override;

private:
    void Scegli(qint64 classe, const QString& nome);

    Controlli c;
};
