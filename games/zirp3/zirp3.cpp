#include "games/zirp3/zirp3.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "regole/Conteggio.h"

namespace {

constexpr Posto Progetto[] = {
    {"Label1", -1, 120, 120, 5895, 735},
    {"Image2", -1, 6240, 120, 735, 735},
    {"Image1", 0, 120, 1080, 1695, 1695},
    {"Image1", 1, 1920, 1080, 1695, 1695},
    {"Image1", 2, 3720, 1080, 1695, 1695},
    {"Image1", 3, 5520, 1080, 1695, 1695},
    {"Image1", 4, 7320, 1080, 1695, 1695},
    {"Image1", 5, 120, 3000, 1695, 1695},
    {"Image1", 6, 1920, 3000, 1695, 1695},
    {"Image1", 7, 3720, 3000, 1695, 1695},
    {"Image1", 8, 5520, 3000, 1695, 1695},
    {"Command1", -1, 7320, 3360, 1935, 975},
    {"bottoneavanti", -1, 7320, 4560, 1935, 975},
    {"NUMERI", 0, 240, 4920, 495, 555},
    {"NUMERI", 1, 960, 4920, 495, 555},
    {"NUMERI", 2, 1680, 4920, 495, 555},
    {"NUMERI", 3, 2400, 4920, 495, 555},
    {"NUMERI", 4, 3120, 4920, 495, 555},
    {"NUMERI", 5, 3840, 4920, 495, 555},
    {"NUMERI", 6, 4560, 4920, 495, 555},
    {"NUMERI", 7, 5280, 4920, 495, 555},
    {"NUMERI", 8, 6000, 4920, 495, 555},
    {"NUMERI", 9, 6720, 4920, 495, 555},
    {"Label2", -1, 5760, 5640, 3375, 975},
    {"etEsatti", -1, 1320, 5760, 2055, 495},
    {"etErrati", -1, 3480, 5760, 2055, 495},
    {"ComandoIconaSi", -1, 360, 5760, 735, 615},
};

constexpr Variante Aspetto{
    {9480, 6795}, Progetto, "mnu1", "Azzera conteggio   ", "mnu3", "Informazioni     ", "mnuEsci",
    Avvio::Attivazione, true, 0x00FFFFFF, false};

} // namespace

zirp3::zirp3() : SchermoGioco(IdSchermo::zirp3, Aspetto), RegoleZirp3(Modulo1::EstrazioniGioco, OrologioDelGioco()) {}

void zirp3::CreaControlliGioco(FinestraSchermo& f)
{
    c.Label1 = f.aggiungi(new Etichetta, posto("Label1"));
    c.Label1->setFont(CarattereSans(24, true));
    c.Label1->setAlignment(Qt::AlignCenter);
    ImpostaSfondo(c.Label1, Qt::white);

    // The condition's picture only shows: it takes no clicks and no focus.
    c.Image2 = f.aggiungi(new Immagine, posto("Image2"));
    c.Image2->setFocusPolicy(Qt::NoFocus);
    c.Image2->setCursor({});
    c.Image2->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int i = 0; i < int(c.Image1.size()); ++i) {
        c.Image1[i] = f.aggiungi(new Immagine, posto("Image1", i));
        QObject::connect(c.Image1[i], &Immagine::clicked, [this, i] { Image1_Click(i); });
    }

    c.Command1 = f.aggiungi(new Bottone(Tesselo::tr("ricomincia")), posto("Command1"));
    c.Command1->setFont(CarattereSans(14.25, true));
    QObject::connect(c.Command1, &Bottone::clicked, [this] { Command1_Click(); });

    c.bottoneavanti = CreaBottoneAvanti(f);
    QObject::connect(c.bottoneavanti, &Bottone::clicked, [this] { bottoneavanti_Click(); });

    for (int n = 0; n < int(c.NUMERI.size()); ++n) {
        c.NUMERI[n] = f.aggiungi(new Bottone(QString::number(n)), posto("NUMERI", n));
        c.NUMERI[n]->setFont(CarattereSans(14.25, true));
        ImpostaSfondo(c.NUMERI[n], ColoreDa(Colori::GrigioChiaro));
        QObject::connect(c.NUMERI[n], &Bottone::clicked, [this, n] { NUMERI_Click(n); });
    }

    c.Label2 = f.aggiungi(
        new Etichetta(nullptr,
                      Tesselo::tr("Puoi cliccare sui blocchi che non rispettano la condizione per cancellarli")),
        posto("Label2"));
    c.Label2->setFont(CarattereSans(9.75, true));
    c.Label2->setAlignment(Qt::AlignCenter);
    ImpostaSfondo(c.Label2, Qt::white);

    // Tab follows the order of play: the blocks, the numbers, then the two
    // buttons on the right.
    QWidget* precedente = c.Image1.back();
    for (QWidget* w : std::initializer_list<QWidget*>{c.NUMERI[0], c.NUMERI[1], c.NUMERI[2], c.NUMERI[3],
                                                      c.NUMERI[4], c.NUMERI[5], c.NUMERI[6], c.NUMERI[7],
                                                      c.NUMERI[8], c.NUMERI[9], c.Command1, c.bottoneavanti}) {
        QWidget::setTabOrder(precedente, w);
        precedente = w;
    }
}

std::vector<QWidget*> zirp3::ControlliRisposta() const
{
    return {c.NUMERI.begin(), c.NUMERI.end()};
}

void zirp3::PreparaTurno()
{
    RegoleZirp3::PreparaTurno();
    c.Label1->setText(Testi::Maiuscola(Attributi[0]));
    // The picture is named after the word in capitals, as the Italian caption
    // shows it; the loader finds it whatever the letter case of the file's
    // name.
    c.Image2->carica(Modulo1::CartellaApplicazione() + "/jpg/" + Attributi[0].toUpper() + ".jpg");
    CaricaBlocchi(c.Image1, Blocchi);
}

void zirp3::NUMERI_Click(int Index)
{
    const Registro::Risposta risposta = GiudicaNumero(Index);
    RispostaGiudicata(risposta);
    if (!risposta.esatta)
        return;
    ImpostaSfondo(c.NUMERI[Index], ColoreDa(Colori::Rosso));
    ChiudiTurno();
}

void zirp3::Image1_Click(int Index)
{
    Immagine* blocco = c.Image1[Index];
    if (blocco->hasFocus()) {
        // Focus goes to the next block still shown, or back to "ricomincia"
        // when none is left, rather than wherever the window would put it.
        QWidget* prossimo = c.Command1;
        for (int passo = 1; passo < int(c.Image1.size()); ++passo) {
            Immagine* altro = c.Image1[(Index + passo) % c.Image1.size()];
            if (!altro->isHidden()) {
                prossimo = altro;
                break;
            }
        }
        prossimo->setFocus();
    }
    blocco->hide();
}

void zirp3::Command1_Click()
{
    MostraTuttiIBlocchi();
}

void zirp3::bottoneavanti_Click()
{
    PreparaTurno();
    RiapriTurno();
    for (Bottone* numero : c.NUMERI)
        ImpostaSfondo(numero, ColoreDa(Colori::GrigioChiaro));
    MostraTuttiIBlocchi();
    c.Image1[0]->setFocus();
}

void zirp3::MostraTuttiIBlocchi()
{
    for (Immagine* blocco : c.Image1)
        blocco->show();
}

QString zirp3::Incoerenza() const
{
    if (c.Label1->text() != Testi::Maiuscola(Attributi[0]))
        return QStringLiteral("the condition's caption is not its word");
    for (int k = 0; k < 9; ++k) {
        const auto b = BloccoDi(c.Image1[k]);
        if (!b || b->parola(Criterio) != Attributi[k + 1])
            return QStringLiteral("a block shown is not the block counted");
    }
    if (Uguali(Attributi) != NumeroGiusti)
        return QStringLiteral("the right answer is not the number of fitting blocks");
    return IncoerenzaRisposte();
}
