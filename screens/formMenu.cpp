#include "screens/formMenu.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Cursori.h"
#include "controls/Etichetta.h"
#include "registro/Giochi.h"
#include "screens/Schermi.h"

#include <QCheckBox>

namespace {

constexpr int Sinistra = 120, Destra = 4200, LarghezzaBottone = 3500, AltezzaBottone = 735;

constexpr Posto Progetto[] = {
    {"Command1", -1, Sinistra, 120, LarghezzaBottone, AltezzaBottone},
    {"Command2", -1, Sinistra, 960, LarghezzaBottone, AltezzaBottone},
    {"Command3", -1, Sinistra, 1800, LarghezzaBottone, AltezzaBottone},
    {"Command8", -1, Sinistra, 2640, LarghezzaBottone, AltezzaBottone},
    {"Command4", -1, Sinistra, 3480, LarghezzaBottone, AltezzaBottone},
    {"Command9", -1, Sinistra, 4320, LarghezzaBottone, AltezzaBottone},
    {"Command7", -1, Destra, 120, LarghezzaBottone, AltezzaBottone},
    {"Command10", -1, Destra, 960, LarghezzaBottone, AltezzaBottone},
    {"Command11", -1, Destra, 1800, LarghezzaBottone, AltezzaBottone},
    {"Check1", -1, 4320, 3480, 3135, 375},
    {"Command5", -1, Destra, 4320, LarghezzaBottone, AltezzaBottone},
};

// The games' buttons, in the order of Registro::Giochi(), which gives their
// captions.
struct BottoneGioco {
    const char* nome;
    IdSchermo gioco;
};

constexpr BottoneGioco Giochi[] = {
    {"Command1", IdSchermo::form1},
    {"Command2", IdSchermo::FORM2},
    {"Command3", IdSchermo::zirp3},
    {"Command8", IdSchermo::FormTrova},
    {"Command4", IdSchermo::zirp7},
    {"Command9", IdSchermo::zirp8},
    {"Command7", IdSchermo::zirp9},
    {"Command10", IdSchermo::FormDomino},
    {"Command11", IdSchermo::FormDomino2},
};

} // namespace

void formMenu::CreaControlli(FinestraSchermo& f)
{
    const QFont caratteBottoni = CarattereSans(12, true);
    const auto didascalie = Registro::Giochi();
    Q_ASSERT(didascalie.size() == std::size(Giochi));
    for (std::size_t i = 0; i < std::size(Giochi); ++i) {
        const BottoneGioco& g = Giochi[i];
        c.giochi[i] = f.aggiungi(new Bottone(Testi::NomeGioco(didascalie[i].didascalia)), Cerca(Progetto, g.nome));
        c.giochi[i]->setFont(caratteBottoni);
        QObject::connect(c.giochi[i], &Bottone::clicked, [this, gioco = g.gioco] { ApriGioco(gioco); });
    }
    c.Check1 = f.aggiungi(new QCheckBox(Tesselo::tr("Suoni attivati")), Cerca(Progetto, "Check1"));
    c.Check1->setFont(CarattereSans(12, true));
    // A check box fills its box in the button colour unless told otherwise:
    // it shows the window's colour, set on it at every load.
    c.Check1->setBackgroundRole(QPalette::Window);
    c.Check1->setCursor(CursoreChiaveDiViolino());
    QObject::connect(c.Check1, &QCheckBox::clicked, [this] { Check1_Click(); });
    c.Command5 = f.aggiungi(new Bottone(Tesselo::tr("FINE")), Cerca(Progetto, "Command5"));
    c.Command5->setFont(caratteBottoni);
    QObject::connect(c.Command5, &Bottone::clicked, [] { Modulo1::ChiediUscita(); });
}

void formMenu::Form_Load()
{
    PreparaRidimensionatore();
    finestra()->impostaSfondo(ColoreDa(quint32(Modulo1::ColoreCasuale())));
    ImpostaSfondo(c.Check1, finestra()->sfondo());
    c.Check1->setChecked(Modulo1::SuonoAttivo);
}

void formMenu::Check1_Click()
{
    Modulo1::SuonoAttivo = c.Check1->isChecked();
}

void formMenu::ApriGioco(IdSchermo gioco)
{
    // A game this build does not have leaves the menu where it is.
    Schermi::Vai(*this, gioco);
}
