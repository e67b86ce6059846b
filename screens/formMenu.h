#pragma once
#include "media/Testi.h"
#include "screens/MenuGiochi.h"
#include "screens/Schermo.h"

#include <array>

#include <QKeySequence>

class Bottone;
class QAbstractButton;
class QCheckBox;

// The main menu: a button for each game of the catalogue, in two columns, the
// sound check box and "FINE". With a class, the playing child's symbol in
// its top right corner: held for a second, or with the teacher's keys, it
// opens "Chi gioca?" for the next child.
class formMenu final : public Schermo {
public:
    formMenu() : Schermo(IdSchermo::formMenu) {}

    // The teacher's keys for the next child, which a child does not press by chance.
    static const QKeySequence TastoAltroBambino;

    struct Controlli {
        std::array<Bottone*, std::size(BottoniGiochi)> giochi{};  // in the menu's order
        QCheckBox* Check1 = nullptr;
        Bottone* Command5 = nullptr;
        QWidget* Traguardo = nullptr;  // a learning path done; else none
        QAbstractButton* SimboloGiocatore = nullptr;  // the child playing; none without a class
    };
    const Controlli& controlli() const { return c; }

protected:
    QSize areaProgetto() const override { return {8385, 5445}; }
    QString titolo() const override
    {
        return Tesselo::tr("CLICCARE SU UN BOTTONE PER AVVIARE UN GIOCO O PER TERMINARE");
    }
    void CreaControlli(FinestraSchermo& f) override;
    void DimenticaControlli() override { c = {}; }
    void Form_Load() override;

private:
    void Check1_Click();
    void ApriGioco(IdSchermo gioco);
    // The marks of the child's learning path, when there is one.
    void MostraPercorso();
    // With a class: the child's symbol and the teacher's keys.
    void CreaCambioBambino(FinestraSchermo& f);
    // Ends the child's sitting and opens "Chi gioca?" for the next one.
    void AltroBambino();

    // Whether the path done was celebrated already, so that it is once.
    bool percorsoFesteggiato = false;

    Controlli c;
};
