#include "games/zirp7/zirp7.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "controls/Linea.h"
#include "controls/Asfalto.h"

#include <QAction>
#include <QMenu>

namespace {

constexpr Posto Progetto[] = {
    // The road surface under the edge lines covers the whole design area.
    {"Asfalto", -1, 0, 0, 9480, 6795},
    {"Line2", 0, 4320, 4920, 4320, 6840},
    {"Line2", 1, 4800, 4920, 4800, 6840},
    {"Line2", 2, 720, 1560, 4320, 4920},
    {"Line2", 3, 8400, 1560, 4800, 4920},
    {"Line2", 4, 1320, 1560, 4560, 4560},
    {"Line2", 5, 7800, 1560, 4560, 4560},
    {"Frame1", 0, 120, 120, 3375, 1455},
    {"Frame1", 1, 5760, 120, 3375, 1455},
    // Inside the frames: 0 to 3 from the left edge of the left area, 4 to 7
    // from the right edge of the right area. Slot 4 reaches 120 twips past
    // its area's edge, as designed.
    {"insieme", 0, 0, 360, 855, 855},
    {"insieme", 1, 840, 360, 855, 855},
    {"insieme", 2, 1680, 360, 855, 855},
    {"insieme", 3, 2520, 360, 855, 855},
    {"insieme", 4, 2640, 360, 855, 855},
    {"insieme", 5, 1800, 360, 855, 855},
    {"insieme", 6, 960, 360, 855, 855},
    {"insieme", 7, 120, 360, 855, 855},
    {"Label1", 0, 1560, 1920, 2655, 1095},
    {"Label1", 1, 4920, 1920, 2655, 1095},
    {"Image1", -1, 240, 3840, 2535, 2535},
    {"bottoneavanti", -1, 6720, 5280, 1935, 975},
    {"etEsatti", -1, 6720, 3960, 2055, 495},
    {"etErrati", -1, 6720, 4560, 2055, 495},
    {"ComandoIconaSi", -1, 7800, 3240, 735, 615},
};

// The design colour only shows until the first turn paints a random one.
constexpr Variante Aspetto{
    {9480, 6795}, Progetto, "mnu1", "Azzera conteggio   ", "mnu3", "Informazioni     ", "mnuFine",
    Avvio::Caricamento, false, 0x00E0E0E0, false};

} // namespace

zirp7::zirp7() : SchermoPosti(IdSchermo::zirp7, "zirp7", Aspetto, 2, 4) {}

void zirp7::CreaMenuProprio(FinestraSchermo& f)
{
    QMenu* suono = f.aggiungiSottomenu("mnuSuono", Tesselo::tr("Suono?") + QStringLiteral("    "));
    c.mnuSuonoSi = f.aggiungiVoce(suono, "mnuSuonoSi", Tesselo::tr("sì"));
    c.mnuSuonoNo = f.aggiungiVoce(suono, "mnuSuonoNo", Tesselo::tr("no"));
    QObject::connect(c.mnuSuonoSi, &QAction::triggered, [this] { mnuSuonoSi_Click(); });
    QObject::connect(c.mnuSuonoNo, &QAction::triggered, [this] { mnuSuonoNo_Click(); });
    // The marks tell where the sound setting really is, which may have been
    // switched off on another screen.
    MostraSuono();
}

void zirp7::CreaControlliGioco(FinestraSchermo& f)
{
    // Created first, so that it lies under everything else.
    c.asfalto = f.aggiungi(new Asfalto, posto("Asfalto"));
    for (int i = 0; i < 6; ++i)
        c.Line2[i] = f.aggiungiLinea(posto("Line2", i), 2);
    const auto& L = c.Line2;
    // The upside-down Y: up the stem, out along the left branch, back down
    // its inner edge to the crotch, up the right branch and down to the stem.
    c.asfalto->aggiungiStrada({{L[0], true}, {L[0], false}, {L[2], false}, {L[4], false}, {L[4], true},
                               {L[5], false}, {L[3], false}, {L[1], false}, {L[1], true}});
    const std::pair<Asfalto::Estremo, Asfalto::Estremo> piede{{L[0], true}, {L[1], true}};
    const std::pair<Asfalto::Estremo, Asfalto::Estremo> bivio{{L[0], false}, {L[1], false}};
    c.asfalto->aggiungiMezzeria({{{L[2], false}, {L[4], false}}, bivio, piede});
    c.asfalto->aggiungiMezzeria({{{L[5], false}, {L[3], false}}, bivio});

    for (int area = 0; area < 2; ++area) {
        Cornice* cornice = f.aggiungi(new Cornice, posto("Frame1", area));
        cornice->setCursor(Qt::PointingHandCursor);
        c.Frame1[area] = cornice;
        c.asfalto->aggiungiParcheggio(cornice);
        QObject::connect(cornice, &Cornice::clicked, [this, area] { Frame1_Click(area); });
        // Slots in the order they stand, left to right, which is also the
        // order Tab visits them.
        const std::array<int, 4> posti = area == 0 ? std::array{0, 1, 2, 3} : std::array{7, 6, 5, 4};
        for (int i : posti) {
            c.insieme[i] = f.aggiungi(new Immagine, posto("insieme", i), cornice);
            QObject::connect(c.insieme[i], &Immagine::clicked, [this, i] { insieme_Click(i); });
        }
    }

    for (int i = 0; i < 2; ++i) {
        auto* etichetta = f.aggiungi(new Etichetta, posto("Label1", i));
        etichetta->setFont(CarattereSans(13.5, true));
        etichetta->setAlignment(Qt::AlignCenter);
        // A white sign with a black rim, standing on its road.
        etichetta->setFrameShape(QFrame::Box);
        ImpostaSfondo(etichetta, Qt::white);
        c.Label1[i] = etichetta;
    }

    c.Image1 = f.aggiungi(new Immagine, posto("Image1"));
    c.Image1->setFocusPolicy(Qt::NoFocus); // the waiting block is only shown
    c.Image1->setCursor({});

    c.bottoneavanti = CreaBottoneAvanti(f);
    QObject::connect(c.bottoneavanti, &Bottone::clicked, [this] { bottoneavanti_Click(); });
}

void zirp7::PreparaStrade()
{
    ScegliCriterio();
    MostraCondizioni();
    NominaPosti();
}

void zirp7::mnuSuonoSi_Click()
{
    Modulo1::SuonoAttivo = true;
    MostraSuono();
}

void zirp7::mnuSuonoNo_Click()
{
    Modulo1::SuonoAttivo = false;
    MostraSuono();
}

void zirp7::MostraSuono()
{
    c.mnuSuonoSi->setChecked(Modulo1::SuonoAttivo);
    c.mnuSuonoNo->setChecked(!Modulo1::SuonoAttivo);
}
