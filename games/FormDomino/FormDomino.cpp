#include "games/FormDomino/FormDomino.h"

namespace {

// The places of this screen's own controls; the chain area is shared.
constexpr Posto Progetto[] = {
    {"Command1", 0, 8160, 2280, 1095, 735},
    {"Command1", 1, 8160, 3120, 1095, 735},
    {"Command1", 2, 8160, 3960, 1095, 735},
    {"Command1", 3, 8160, 4800, 1095, 735},
    {"Command1", 4, 8160, 5640, 1095, 735},
    // The words beside the buttons reach the window's right edge.
    {"Label3", -1, 9360, 2520, 960, 255},
    {"Label4", -1, 9360, 3360, 960, 255},
    {"Label5", -1, 9360, 4200, 960, 255},
    {"Label6", -1, 9360, 5040, 960, 255},
    {"Label7", -1, 9360, 5880, 960, 255},
    {"Label2", -1, 960, 6000, 5415, 375},
    {"etEsatti", -1, 8160, 960, 1695, 495},
    {"etErrati", -1, 8160, 1440, 1695, 495},
    {"ComandoIconaSi", -1, 8280, 240, 735, 615},
};

constexpr Variante Aspetto{
    {10320, 6615}, Progetto, "MenuAzzera", "Azzera conteggio        ", "MenuInformazioni",
    "Informazioni          ", "mnuEsci", Avvio::Caricamento, true, 0x00FFFFFF, false};

} // namespace

FormDomino::FormDomino()
    : SchermoDomino(IdSchermo::FormDomino, "FormDomino", Regola::CosaCambia,
                    Aspetto, "Cosa cambia?")
{
}
