#include "games/FormDomino/FormDomino2.h"

namespace {

// The places of this screen's own controls; the chain area is shared.
constexpr Posto Progetto[] = {
    {"Command1", 0, 8040, 2160, 1095, 735},
    {"Command1", 1, 8040, 3000, 1095, 735},
    {"Command1", 2, 8040, 3840, 1095, 735},
    {"Command1", 3, 8040, 4680, 1095, 735},
    {"Command1", 4, 8040, 5520, 1095, 735},
    // The words beside the buttons reach the window's right edge.
    {"Label3", -1, 9240, 2400, 1035, 255},
    {"Label4", -1, 9240, 3240, 1035, 255},
    {"Label5", -1, 9240, 4080, 1035, 255},
    {"Label6", -1, 9240, 4920, 1035, 255},
    {"Label7", -1, 9240, 5760, 1035, 255},
    {"Label2", -1, 720, 5880, 5415, 375},
    {"etEsatti", -1, 8040, 960, 1935, 495},
    {"etErrati", -1, 8040, 1440, 1935, 495},
    {"ComandoIconaSi", -1, 8640, 240, 735, 615},
};

constexpr Variante Aspetto{
    {10275, 6480}, Progetto, "MenuAzzera", "Azzera conteggio        ", "MenuInformazioni",
    "Informazioni          ", "mnuEsci", Avvio::Caricamento, true, 0x00FFFFFF, false};

} // namespace

FormDomino2::FormDomino2()
    : SchermoDomino(IdSchermo::FormDomino2, "FormDomino2", Regola::CosaRestaUguale,
                    Aspetto, "Cosa resta uguale?")
{
}
