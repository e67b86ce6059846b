#include "games/zirp9/zirp9.h"

#include "app/Caratteri.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "controls/Linea.h"

#include <algorithm>

namespace {

constexpr Posto Progetto[] = {
    {"Label1", 0, 3600, 2520, 1335, 735},
    {"Label1", 1, 3600, 3840, 1335, 735},
    {"Label1", 2, 5160, 1200, 1335, 735},
    {"Label1", 3, 6840, 1200, 1335, 735},
    {"Frame1", 0, 5040, 2040, 1695, 1455},
    {"Frame1", 1, 6720, 2040, 1695, 1455},
    {"Frame1", 2, 5040, 3480, 1695, 1455},
    {"Frame1", 3, 6720, 3480, 1695, 1455},
    // Inside each cell: its left slot, then its right one.
    {"insieme", 0, 0, 360, 855, 855},
    {"insieme", 1, 840, 360, 855, 855},
    {"insieme", 2, 0, 360, 855, 855},
    {"insieme", 3, 840, 360, 855, 855},
    {"insieme", 4, 0, 360, 855, 855},
    {"insieme", 5, 840, 360, 855, 855},
    {"insieme", 6, 0, 360, 855, 855},
    {"insieme", 7, 840, 360, 855, 855},
    {"Image1", -1, 360, 1800, 2415, 2415},
    {"bottoneavanti", -1, 6480, 5400, 1935, 975},
    {"Line1", -1, 4995, 3645, 5100, 3645},
    {"etEsatti", -1, 2520, 390, 2175, 495},
    {"etErrati", -1, 5040, 390, 2175, 495},
    {"ComandoIconaSi", -1, 1320, 120, 735, 615},
};

// A fixed light peach background.
constexpr Variante Aspetto{
    {9360, 6645}, Progetto, "mnu1", "Azzera conteggio   ", "mnu3", "Informazioni     ", "mnuEsci",
    Avvio::Caricamento, false, 0x00C0E0FF, false};

} // namespace

zirp9::zirp9() : SchermoPosti(IdSchermo::zirp9, "zirp9", Aspetto, 4, 2) {}

void zirp9::CreaControlliGioco(FinestraSchermo& f)
{
    for (int i = 0; i < 4; ++i) {
        auto* intestazione = f.aggiungi(new Etichetta, posto("Label1", i));
        intestazione->setFont(CarattereSans(8.25, true));
        intestazione->setAlignment(Qt::AlignCenter);
        UsaColoriContenuto(intestazione);
        c.Label1[i] = intestazione;
    }

    c.Image1 = f.aggiungi(new Immagine, posto("Image1"));
    c.Image1->setFocusPolicy(Qt::NoFocus); // the waiting block is only shown
    c.Image1->setCursor({});

    for (int k = 0; k < 4; ++k) {
        auto* cella = f.aggiungi(new Cornice, posto("Frame1", k));
        cella->setCursor(Qt::PointingHandCursor);
        c.Frame1[k] = cella;
        QObject::connect(cella, &Cornice::clicked, [this, k] { Frame1_Click(k); });
        for (int i = 2 * k; i < 2 * k + 2; ++i) {
            c.insieme[i] = f.aggiungi(new Immagine, posto("insieme", i), cella);
            QObject::connect(c.insieme[i], &Immagine::clicked, [this, i] { insieme_Click(i); });
        }
    }

    c.Line1 = f.aggiungiLinea(posto("Line1"), 2);

    c.bottoneavanti = CreaBottoneAvanti(f);
    QObject::connect(c.bottoneavanti, &Bottone::clicked, [this] { bottoneavanti_Click(); });
}

void zirp9::PreparaTabella()
{
    ScegliCriteri();
    MostraCondizioni();
    NominaPosti();
}
