#include "games/zirp8/zirp8.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Asfalto.h"
#include "controls/Bottone.h"
#include "controls/Cursori.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "controls/Linea.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <algorithm>

namespace {

// The road surface between the edge lines: one outline that runs along every
// edge in turn (line index, and whether its second end point is meant), its
// open ends being the mouths of the four areas and the foot of the trunk. It
// is read from the lines themselves, so it follows them as the window scales.
constexpr std::array<std::pair<int, bool>, 20> ContornoStrade{{
    {0, true}, {0, false}, {2, false}, {6, false}, {8, false}, {8, true}, {9, false},
    {7, false}, {7, true}, {4, true}, {5, true}, {5, false}, {13, false}, {12, false},
    {12, true}, {11, false}, {10, false}, {10, true}, {1, false}, {1, true},
}};

constexpr Posto Progetto[] = {
    // The road surface covers the whole design surface and draws under the edges.
    {"Asfalto", -1, 0, 0, 9360, 6975},
    // The edges of the roads, X1, Y1, X2, Y2.
    {"Line2", 0, 4320, 4920, 4320, 6840},
    {"Line2", 1, 4800, 4920, 4800, 6840},
    {"Line2", 2, 2040, 3480, 4320, 4920},
    {"Line2", 3, 7200, 3360, 4800, 4920},
    {"Line2", 4, 2520, 3360, 4515, 4725},
    {"Line2", 5, 6405, 3360, 4620, 4725},
    {"Line2", 6, 420, 1575, 2040, 3480},
    {"Line2", 7, 3675, 1575, 2520, 3360},
    {"Line2", 8, 840, 1575, 2280, 3240},
    {"Line2", 9, 3360, 1575, 2280, 3240},
    {"Line2", 10, 8640, 1560, 7200, 3360},
    {"Line2", 11, 8160, 1560, 6720, 3255},
    {"Line2", 12, 6405, 1575, 6720, 3255},
    {"Line2", 13, 6090, 1575, 6405, 3360},
    {"Line1", -1, 4515, 4725, 4620, 4725},
    // The route along the middle of the roads, one leg per line.
    {"Line3", 0, 4515, 6720, 4515, 4935},
    {"Line3", 1, 4515, 4935, 2310, 3465},
    {"Line3", 2, 4515, 4935, 6615, 3465},
    {"Line3", 3, 2310, 3465, 630, 1575},
    {"Line3", 4, 2310, 3360, 3465, 1575},
    {"Line3", 5, 6615, 3465, 6195, 1575},
    {"Line3", 6, 6615, 3570, 8295, 1575},
    {"Label1", 0, 3000, 3840, 1335, 735},
    {"Label1", 1, 4830, 3840, 1335, 735},
    {"Label1", 2, 720, 2160, 1335, 735},
    {"Label1", 3, 2280, 2160, 1335, 735},
    {"Label1", 4, 5640, 2160, 1335, 735},
    {"Label1", 5, 7080, 2160, 1335, 735},
    {"Frame1", 0, 120, 120, 1695, 1455},
    {"Frame1", 1, 2640, 120, 1695, 1455},
    {"Frame1", 2, 5520, 120, 1695, 1455},
    {"Frame1", 3, 7320, 120, 1695, 1455},
    // The slots, each inside its area's frame.
    {"insieme", 0, 0, 360, 855, 855},
    {"insieme", 1, 840, 360, 855, 855},
    {"insieme", 2, 0, 360, 855, 855},
    {"insieme", 3, 840, 360, 855, 855},
    {"insieme", 4, 0, 240, 855, 855},
    {"insieme", 5, 840, 240, 855, 855},
    {"insieme", 6, 0, 240, 855, 855},
    {"insieme", 7, 840, 240, 855, 855},
    {"Image1", -1, 120, 4320, 2415, 2415},
    {"Command2", -1, 2730, 5340, 1275, 870},
    {"bottoneavanti", -1, 6600, 5760, 1935, 975},
    {"etEsatti", -1, 7200, 4440, 1695, 495},
    {"etErrati", -1, 7200, 4920, 1695, 495},
    {"ComandoIconaSi", -1, 7920, 3840, 735, 615},
};

constexpr Variante Aspetto{
    {9360, 6975}, Progetto, "mnu1", "Azzera conteggio   ", "mnu3", "Informazioni     ", "mnuEsci",
    Avvio::Caricamento, false, 0x00C0FFFF, false};

constexpr int SpessoreStrada = 2;
constexpr int SpessorePercorso = 10;

} // namespace

zirp8::zirp8() : SchermoPosti(IdSchermo::zirp8, "zirp8", Aspetto, 4, 2) {}

void zirp8::CreaMenuProprio(FinestraSchermo& f)
{
    c.mnuAiuto = f.aggiungiSottomenu("mnuAiuto", Tesselo::tr("Tipo aiuto") + QStringLiteral("     "));
    c.mnuAiutoCaselle = f.aggiungiVoce(c.mnuAiuto, "mnuAiutoCaselle", Tesselo::tr("caselle colorate"));
    c.mnuAiutoStrade = f.aggiungiVoce(c.mnuAiuto, "mnuAiutoStrade", Tesselo::tr("strade"));
    c.mnuAiutoStrade->setChecked(true);
    QObject::connect(c.mnuAiutoCaselle, &QAction::triggered, [this] { mnuAiutoCaselle_Click(); });
    QObject::connect(c.mnuAiutoStrade, &QAction::triggered, [this] { mnuAiutoStrade_Click(); });
}

void zirp8::CreaControlliGioco(FinestraSchermo& f)
{
    // Road surface first, then its edges, then the route over them, then
    // the signs over all of it.
    auto* asfalto = f.aggiungi(new Asfalto, posto("Asfalto"));
    const QColor testoFinestra = f.palette().color(QPalette::WindowText);
    for (int i = 0; i < 14; ++i)
        c.Line2[i] = f.aggiungiLinea(posto("Line2", i), SpessoreStrada, testoFinestra);
    std::vector<Asfalto::Estremo> contorno;
    for (const auto& [indice, secondo] : ContornoStrade)
        contorno.push_back({c.Line2[indice], secondo});
    asfalto->aggiungiStrada(std::move(contorno));
    c.Line1 = f.aggiungiLinea(posto("Line1"), SpessoreStrada, testoFinestra);
    for (int i = 0; i < 7; ++i) {
        c.Line3[i] = f.aggiungiLinea(posto("Line3", i), SpessorePercorso, ColoreDa(Colori::Rosso));
        c.Line3[i]->hide();
    }

    for (int i = 0; i < 6; ++i) {
        c.Label1[i] = f.aggiungi(new Etichetta, posto("Label1", i));
        c.Label1[i]->setFont(CarattereSans(8.25, true));
        c.Label1[i]->setAlignment(Qt::AlignCenter);
        ImpostaSfondo(c.Label1[i], ColoreDa(Colori::Bianco));
    }

    for (int k = 0; k < 4; ++k) {
        c.Frame1[k] = f.aggiungi(new Cornice, posto("Frame1", k));
        c.Frame1[k]->setCursor(Qt::PointingHandCursor);
        asfalto->aggiungiParcheggio(c.Frame1[k]);
        QObject::connect(c.Frame1[k], &Cornice::clicked, [this, k] { Frame1_Click(k); });
        for (int i = 2 * k; i < 2 * k + 2; ++i) {
            c.insieme[i] = f.aggiungi(new Immagine, posto("insieme", i), c.Frame1[k]);
            // The area itself takes the keyboard: a slot does what its area does.
            c.insieme[i]->setFocusPolicy(Qt::NoFocus);
            QObject::connect(c.insieme[i], &Immagine::clicked, [this, i] { insieme_Click(i); });
        }
    }

    c.Image1 = f.aggiungi(new Immagine, posto("Image1"));
    c.Image1->setFocusPolicy(Qt::NoFocus); // the waiting block only shows
    c.Image1->setCursor({});

    c.Command2 = f.aggiungi(new Bottone(Tesselo::tr("aiuto")), posto("Command2"));
    c.Command2->setFont(CarattereSans(12, true));
    c.Command2->setCursor(CursoreFaccia());
    QObject::connect(c.Command2, &Bottone::clicked, [this] { Command2_Click(); });

    c.bottoneavanti = CreaBottoneAvanti(f);
    c.bottoneavanti->setCursor(Qt::PointingHandCursor);
    QObject::connect(c.bottoneavanti, &Bottone::clicked, [this] { bottoneavanti_Click(); });
}

void zirp8::PrimoTurno()
{
    // CostoAiuto is left as it is: the help already used on an earlier visit
    // is still owed.
    AiutoStrade = true;
    SchermoPosti::PrimoTurno();
}

void zirp8::CancellaAiuto()
{
    PassoAiuto = 0;
    for (Linea* linea : c.Line3)
        linea->hide();
    for (Etichetta* etichetta : c.Label1)
        ImpostaSfondo(etichetta, ColoreDa(Colori::Bianco));
}

void zirp8::PreparaStrade()
{
    CancellaAiuto();
    ScegliCriteri();
    MostraCondizioni();
    c.Label1[4]->setText(TestoCondizione(1, false, Testi::Condizione));
    c.Label1[5]->setText(TestoCondizione(1, true, Testi::Condizione));

    // A screen reader names each area after the signs on its way: the first
    // fork's (labels 0 and 1), then its second fork's (2 and 3 on the left,
    // 4 and 5 on the right).
    for (int k = 0; k < 4; ++k)
        c.Frame1[k]->setAccessibleName(NomePosto(k, Testi::Condizione));
}

void zirp8::Command2_Click()
{
    // Every second press costs one right answer; the count may go below
    // zero, and its label shows the lowered count from the next right answer.
    CostoAiuto += 5;
    if (CostoAiuto >= 10) {
        CostoAiuto = 0;
        Modulo1::Decrementa(Modulo1::ContatoreEsatti);
    }

    // One fork per press: the first fork, then the second; later presses
    // show nothing new. Before a block is placed a and b are those of the
    // block shown; once the turn is over, of the last block placed.
    const int area = AreaDi(a(), b());
    if (PassoAiuto == 0 || PassoAiuto == 1) {
        if (!AiutoStrade) {
            const int etichetta = PassoAiuto == 0 ? (a() ? 0 : 1) : 2 + area;
            ImpostaSfondo(c.Label1[etichetta], ColoreDa(Colori::VerdeChiaro));
        } else {
            c.Line3[0]->show();
            c.Line3[PassoAiuto == 0 ? (a() ? 1 : 2) : 3 + area]->show();
        }
    }
    Modulo1::Incrementa(PassoAiuto);
}

void zirp8::mnuAiutoCaselle_Click()
{
    c.mnuAiutoStrade->setChecked(false);
    c.mnuAiutoCaselle->setChecked(true);
    AiutoStrade = false;
    CancellaAiuto();
}

void zirp8::mnuAiutoStrade_Click()
{
    c.mnuAiutoStrade->setChecked(true);
    c.mnuAiutoCaselle->setChecked(false);
    AiutoStrade = true;
    CancellaAiuto();
}

QString zirp8::Incoerenza() const
{
    if (QString motivo = SchermoPosti::Incoerenza(); !motivo.isEmpty())
        return motivo;
    if (c.Label1[4]->text() != c.Label1[2]->text() || c.Label1[5]->text() != c.Label1[3]->text())
        return QStringLiteral("the second forks' signs differ");
    if (PassoAiuto == 0 && std::any_of(c.Line3.begin(), c.Line3.end(), [](const Linea* l) { return l->isVisible(); }))
        return QStringLiteral("help shown before any press");
    return {};
}
