#include "games/form1/form1.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Cursori.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "BlockArt.h"

#include <QPainter>

namespace {

constexpr Posto Progetto[] = {
    {"Label1", -1, 240, 120, 6615, 855},
    {"Command1", -1, 240, 1440, 855, 735},
    {"Image3", -1, 1320, 1200, 1095, 1095},
    {"Image4", -1, 2640, 1200, 1095, 1095},
    {"Image5", -1, 3960, 1200, 1095, 1095},
    {"Image6", -1, 5280, 1200, 1095, 1095},
    {"Image1", -1, 120, 2520, 3135, 3015},
    {"Image2", -1, 3600, 2520, 3135, 3015},
    {"UGUALI", -1, 360, 5640, 2535, 735},
    {"DIVERSI", -1, 3840, 5640, 2535, 735},
    {"bottoneavanti", -1, 7320, 5520, 1935, 975},
    {"etEsatti", -1, 7320, 1320, 2055, 495},
    {"etErrati", -1, 7320, 1920, 2055, 495},
    {"ComandoIconaSi", -1, 8160, 480, 735, 615},
};

constexpr Variante Aspetto{
    {9660, 6810}, Progetto, "mnu1", "Azzera conteggio   ", "mnu3", "Informazioni     ", "mnuEsci",
    Avvio::Attivazione, true, 0x00FFFFFF, false};

// Drawn once for the whole run.
QIcon IconaFaccia()
{
    static const QIcon* icona = [] {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        Media::disegnaFaccia(p, QRectF(1, 1, 30, 30), true);
        return new QIcon(pixmap);
    }();
    return *icona;
}

} // namespace

form1::form1() : SchermoGioco(IdSchermo::form1, Aspetto), RegoleForm1(Modulo1::EstrazioniGioco, OrologioDelGioco()) {}

void form1::CreaControlliGioco(FinestraSchermo& f)
{
    c.Label1 = f.aggiungi(new Etichetta, posto("Label1"));
    c.Label1->setFont(CarattereSans(24, true));
    UsaColoriContenuto(c.Label1);

    c.Command1 = f.aggiungi(new Bottone(Tesselo::tr("Aiuto")), posto("Command1"));
    c.Command1->setIcon(IconaFaccia());
    c.Command1->setCursor(CursoreFaccia());
    QObject::connect(c.Command1, &Bottone::clicked, [this] { Command1_Click(); });

    const char* nomiAiuto[] = {"Image3", "Image4", "Image5", "Image6"};
    for (int i = 0; i < 4; ++i) {
        c.aiuto[i] = f.aggiungi(new Immagine, posto(nomiAiuto[i]));
        c.aiuto[i]->setFocusPolicy(Qt::NoFocus); // help pictures only show
        c.aiuto[i]->setCursor({});
    }
    c.Image1 = f.aggiungi(new Immagine, posto("Image1"));
    c.Image2 = f.aggiungi(new Immagine, posto("Image2"));
    for (Immagine* blocco : {c.Image1, c.Image2}) {
        blocco->setFocusPolicy(Qt::NoFocus);
        blocco->setCursor({});
    }

    c.UGUALI = f.aggiungi(new Bottone(Tesselo::tr("UGUALE")), posto("UGUALI"));
    c.DIVERSI = f.aggiungi(new Bottone(Tesselo::tr("DIVERSI")), posto("DIVERSI"));
    for (Bottone* b : {c.UGUALI, c.DIVERSI})
        b->setFont(CarattereSans(14.25, true));
    QObject::connect(c.UGUALI, &Bottone::clicked, [this] { UGUALI_Click(); });
    QObject::connect(c.DIVERSI, &Bottone::clicked, [this] { DIVERSI_Click(); });

    c.bottoneavanti = CreaBottoneAvanti(f);
    QObject::connect(c.bottoneavanti, &Bottone::clicked, [this] { bottoneavanti_Click(); });
}

std::vector<QWidget*> form1::ControlliRisposta() const
{
    return {c.UGUALI, c.DIVERSI};
}

void form1::PrimoTurno()
{
    ScegliAttributo();
    NuovaCoppia();
}

void form1::ScegliAttributo()
{
    RegoleForm1::ScegliAttributo();
    const VoceAttributo& voce = Voce(Attributo);
    c.Label1->setText(Testi::Maiuscola(NomeAttributo(voce.criterio)));
    c.DIVERSI->setText(Tesselo::tr(voce.diversi));
}

void form1::NuovaCoppia()
{
    RegoleForm1::NuovaCoppia();
    CaricaBlocchi(std::array{c.Image1, c.Image2}, Coppia);
}

void form1::UGUALI_Click()
{
    Rispondi(c.UGUALI, GiudicaUguale());
}

void form1::DIVERSI_Click()
{
    Rispondi(c.DIVERSI, GiudicaDiverso());
}

void form1::Rispondi(Bottone* premuto, const Registro::Risposta& risposta)
{
    RispostaGiudicata(risposta);
    if (!risposta.esatta)
        return;
    ImpostaSfondo(premuto, ColoreDa(Colori::Rosso));
    ChiudiTurno();
}

void form1::bottoneavanti_Click()
{
    for (Immagine* aiuto : c.aiuto)
        aiuto->svuota();
    ScegliAttributo();
    NuovaCoppia();
    RiapriTurno();
    for (Bottone* b : {c.UGUALI, c.DIVERSI})
        ImpostaSfondo(b, ColoreDa(Colori::GrigioChiaro));
    c.UGUALI->setFocus();
}

void form1::Command1_Click()
{
    const auto& aiuto = Voce(Attributo).aiuto;
    QList<std::pair<Immagine*, QString>> figure;
    for (int i = 0; i < 4 && aiuto[i]; ++i)
        figure.append({c.aiuto[i], Modulo1::CartellaApplicazione() + "/jpg/" + aiuto[i] + ".jpg"});
    Immagine::caricaInsieme(figure);
}

QString form1::Incoerenza() const
{
    if (Attributo < 1 || Attributo > 4)
        return QStringLiteral("no attribute asked");
    const VoceAttributo& voce = Voce(Attributo);
    if (c.Label1->text() != Testi::Maiuscola(NomeAttributo(voce.criterio)) || c.DIVERSI->text() != Tesselo::tr(voce.diversi))
        return QStringLiteral("captions do not name the attribute asked");
    const Immagine* blocchi[] = {c.Image1, c.Image2};
    for (int lato = 0; lato < 2; ++lato) {
        const auto blocco = BloccoDi(blocchi[lato]);
        if (!blocco || blocco->parola(voce.criterio) != ValoriConfronto[lato])
            return QStringLiteral("a block shown is not the block compared");
    }
    return IncoerenzaRisposte();
}
