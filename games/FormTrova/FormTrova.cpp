#include "games/FormTrova/FormTrova.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "controls/Linea.h"
#include "screens/Programma.h"

namespace {

constexpr Posto Progetto[] = {
    {"Image1", 0, 120, 120, 1455, 1455},
    {"Image1", 1, 1680, 120, 1455, 1455},
    {"Image1", 2, 3240, 120, 1455, 1455},
    {"Image1", 3, 120, 1680, 1455, 1455},
    {"Image1", 4, 1680, 1680, 1455, 1455},
    {"Image1", 5, 3240, 1680, 1455, 1455},
    {"Image1", 6, 120, 3240, 1455, 1455},
    {"Image1", 7, 1680, 3240, 1455, 1455},
    {"Image1", 8, 3240, 3240, 1455, 1455},
    {"Image1", 9, 120, 4800, 1455, 1455},
    {"Image1", 10, 1680, 4800, 1455, 1455},
    {"Image1", 11, 3240, 4800, 1455, 1455},
    {"EtFrase2", -1, 5160, 1440, 3735, 3495},
    {"Shape1", -1, 3240, 1680, 1455, 1455},
    {"bottoneavanti", -1, 5880, 5160, 1935, 975},
    {"etEsatti", -1, 6480, 240, 2595, 495},
    {"etErrati", -1, 6480, 840, 2595, 495},
    {"ComandoIconaSi", -1, 5640, 480, 735, 615},
};

constexpr Variante Aspetto{
    {9195, 6660}, Progetto, "MenuAzzera", "Azzera conteggio   ", "MenuInformazioni", "Informazioni         ",
    "mnuEsci", Avvio::Caricamento, true, 0x00FFFFFF, true};

constexpr int SpessoreCornice = 3;

// The description of a block: its four words in capitals, one a line, the
// lines joined by carriage return and line feed.
QString Descrizione(const Blocco& b)
{
    return Testi::Descrizione(b.forma, b.colore, b.dimensione, b.spessore);
}

} // namespace

FormTrova::FormTrova() : SchermoGioco(IdSchermo::FormTrova, Aspetto), RegoleTrova(Modulo1::EstrazioniGioco, OrologioDelGioco()) {}

QString FormTrova::TagDi(const Immagine* immagine)
{
    return immagine->property("Tag").toString();
}

void FormTrova::CreaControlliGioco(FinestraSchermo& f)
{
    for (int i = 0; i < NumeroBlocchi; ++i) {
        c.Image1[i] = f.aggiungi(new Immagine, posto("Image1", i));
        QObject::connect(c.Image1[i], &Immagine::clicked, [this, i] { Image1_Click(i); });
    }

    c.EtFrase2 = f.aggiungi(new Etichetta, posto("EtFrase2"));
    c.EtFrase2->setFont(CarattereSans(18, true));
    c.EtFrase2->setAlignment(Qt::AlignCenter);
    ImpostaSfondo(c.EtFrase2, Qt::white);

    // Created after the grid so that it is drawn over the block it frames.
    c.Shape1 = f.aggiungi(new Rettangolo(nullptr, ColoreDa(Colori::Rosso), SpessoreCornice), posto("Shape1"));
    c.Shape1->hide();

    c.bottoneavanti = CreaBottoneAvanti(f);
    QObject::connect(c.bottoneavanti, &Bottone::clicked, [this] { bottoneavanti_Click(); });
}

std::vector<QWidget*> FormTrova::ControlliRisposta() const
{
    return {c.Image1.begin(), c.Image1.end()};
}

void FormTrova::PreparaRicerca()
{
    RegoleTrova::PreparaRicerca();
    for (int k = 0; k < NumeroBlocchi; ++k)
        c.Image1[k]->setProperty("Tag", Blocchi[k].tag());
    c.EtFrase2->setText(Descrizione(Blocchi[Bersaglio]));
    CaricaBlocchi(c.Image1, Blocchi);
}

void FormTrova::Image1_Click(int Index)
{
    const Registro::Risposta risposta = GiudicaBlocco(Index);
    if (!risposta.esatta)
        servizi().beep();
    RispostaGiudicata(risposta);
    if (!risposta.esatta)
        return;
    IncorniciaBlocco(Index);
    ChiudiTurno();
}

void FormTrova::IncorniciaBlocco(int Index)
{
    const Immagine* blocco = c.Image1[Index];
    c.Shape1->move(blocco->pos());
    c.Shape1->show();
    c.Shape1->raise();
    // The resizer scales every control from the place it recorded when the
    // screen was loaded; the frame takes over the framed block's recorded
    // place so that a later change of the window's size keeps it on the block.
    auto& ridimensionatore = Modulo1::Ridimensionatore;
    if (!ridimensionatore || ridimensionatore->SourceForm() != finestra())
        return;
    ControlPosition* cornice = nullptr;
    const ControlPosition* bersaglio = nullptr;
    for (ControlPosition& record : ridimensionatore->ControlPositions) {
        if (record.control == c.Shape1)
            cornice = &record;
        else if (record.control == blocco)
            bersaglio = &record;
    }
    if (cornice && bersaglio) {
        cornice->valori[0] = bersaglio->valori[0];
        cornice->valori[1] = bersaglio->valori[1];
    }
}

void FormTrova::bottoneavanti_Click()
{
    c.Shape1->hide();
    PreparaRicerca();
    RiapriTurno();
    c.Image1[0]->setFocus();
}

QString FormTrova::Incoerenza() const
{
    if (Bersaglio < 0 || Bersaglio > 11)
        return QStringLiteral("no block described");
    for (const Immagine* immagine : c.Image1) {
        const auto b = BloccoDi(immagine);
        if (!b || b->tag() != TagDi(immagine))
            return QStringLiteral("a block's tag is not the block shown");
    }
    const auto descritto = BloccoDi(c.Image1[Bersaglio]);
    if (c.EtFrase2->text() != Descrizione(*descritto))
        return QStringLiteral("the description is not the described block");
    if (QString motivo = IncoerenzaRisposte(); !motivo.isEmpty())
        return motivo;
    const bool trovato = c.bottoneavanti->isEnabled();
    if (c.Shape1->isVisible() != trovato)
        return QStringLiteral("the red frame disagrees with the turn");
    if (trovato && std::none_of(c.Image1.begin(), c.Image1.end(), [&](const Immagine* i) {
            return i->pos() == c.Shape1->pos() && TagDi(i) == TagDi(c.Image1[Bersaglio]);
        }))
        return QStringLiteral("the red frame is not on a copy of the described block");
    return {};
}
