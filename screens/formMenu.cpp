#include "screens/formMenu.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "controls/Bottone.h"
#include "controls/Cursori.h"
#include "controls/Etichetta.h"
#include "screens/Programma.h"
#include "screens/Schermi.h"
#include "screens/SegniPercorso.h"
#include "screens/SimboloBambino.h"

#include <QCheckBox>
#include <QShortcut>

namespace {

constexpr int LarghezzaBottone = 3500, AltezzaBottone = 735;

// The game buttons, with their places, come from the catalogue of the games;
// every one is as large as "FINE".
constexpr Posto Progetto[] = {
    {"Check1", -1, 4320, 3480, 3135, 375},
    {"Command5", -1, 4200, 4320, LarghezzaBottone, AltezzaBottone},
};

// Where a path done shows: the free space below the right column's games.
constexpr Posto PostoTraguardo{"Traguardo", -1, 4200, 2595, LarghezzaBottone, 825};
// Where the playing child's symbol shows: the top right corner, right of the
// right column, as high as a button, as tall as a card of "Chi gioca?".
constexpr Posto PostoSimbolo{"SimboloGiocatore", -1, 7760, 120, 565, AltezzaBottone};

constexpr Posto PostoDi(const BottoneGioco& b)
{
    return {b.nome, -1, b.sinistra, b.alto, LarghezzaBottone, AltezzaBottone};
}

} // namespace

void formMenu::CreaControlli(FinestraSchermo& f)
{
    const QFont caratteBottoni = CarattereSans(12, true);
    for (std::size_t i = 0; i < std::size(BottoniGiochi); ++i) {
        const BottoneGioco& g = BottoniGiochi[i];
        c.giochi[i] = f.aggiungi(new Bottone(Testi::NomeGioco(g.didascalia)), PostoDi(g));
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
    const Avanzamento* avanzamento = Seduta::AvanzamentoDelBambino();
    if (avanzamento && avanzamento->finito())
        c.Traguardo = f.aggiungi(new SegniPercorso::Festa, PostoTraguardo);
    CreaCambioBambino(f);
}

const QKeySequence formMenu::TastoAltroBambino{Qt::CTRL | Qt::SHIFT | Qt::Key_N};

void formMenu::CreaCambioBambino(FinestraSchermo& f)
{
    const std::optional<Giocatore> giocatore = GiocatoreScelto();
    if (!giocatore)
        return;
    c.SimboloGiocatore = f.aggiungi(new SimboloDaTenere(*giocatore->simbolo, giocatore->nome, [this] { AltroBambino(); }),
                                    PostoSimbolo);
    QObject::connect(new QShortcut(TastoAltroBambino, &f), &QShortcut::activated, [this] { AltroBambino(); });
}

void formMenu::AltroBambino()
{
    if (!caricato())
        return;
    Seduta::Lascia();
    // The next child's path done is celebrated for them.
    percorsoFesteggiato = false;
    Schermi::Vai(*this, IdSchermo::FormChiGioca);
}

void formMenu::Form_Load()
{
    PreparaRidimensionatore();
    finestra()->impostaSfondo(ColoreDa(quint32(Modulo1::ColoreCasuale())));
    ImpostaSfondo(c.Check1, finestra()->sfondo());
    c.Check1->setChecked(Modulo1::SuonoAttivo);
    MostraPercorso();
}

void formMenu::MostraPercorso()
{
    const Avanzamento* avanzamento = Seduta::AvanzamentoDelBambino();
    if (!avanzamento) {
        percorsoFesteggiato = false;
        return;
    }
    const auto giochi = Percorsi::Giochi();
    const auto prossimo = avanzamento->prossimo();
    const int passi = int(avanzamento->passi());
    for (std::size_t i = 0; i < c.giochi.size(); ++i) {
        const QString schermo = QString::fromLatin1(giochi[i].schermo);
        Bottone* bottone = c.giochi[i];
        if (!avanzamento->contiene(schermo)) {
            bottone->setEnabled(!avanzamento->percorso().soloPercorso);
            continue;
        }
        // The step the game plays, or its last once all of its are done.
        auto passo = avanzamento->passoDi(schermo);
        const bool fatto = !passo;
        if (fatto)
            for (qsizetype k = 0; k < passi; ++k)
                if (avanzamento->percorso().passi[k].gioco == schermo)
                    passo = k;
        const bool ilProssimo = passo == prossimo;
        SegniPercorso::Segna(bottone, SegniPercorso::Segno(int(*passo) + 1, fatto, ilProssimo));
        bottone->setAccessibleDescription(SegniPercorso::Descrizione(int(*passo) + 1, passi, fatto, ilProssimo));
    }
    if (!avanzamento->finito())
        percorsoFesteggiato = false;
    else if (!percorsoFesteggiato) {
        percorsoFesteggiato = true;
        SegniPercorso::Festeggia(finestra());
    }
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
