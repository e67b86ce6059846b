#include "games/FORM2/FORM2.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "regole/Conteggio.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>

namespace {

constexpr Posto Progetto[] = {
    {"Label1", -1, 120, 240, 3735, 1335},
    {"Frame1", -1, 3960, 120, 4455, 1455},
    // The set's slots, inside Frame1.
    {"insieme", 0, 120, 240, 1000, 1000},
    {"insieme", 1, 1200, 240, 1005, 1005},
    {"insieme", 2, 2280, 240, 1005, 1005},
    {"insieme", 3, 3360, 240, 1000, 1000},
    {"Image1", 0, 120, 2280, 2205, 2205},
    {"Image1", 1, 2520, 2280, 2205, 2205},
    {"Image1", 2, 4920, 2280, 2205, 2205},
    {"Image1", 3, 7320, 2280, 2205, 2205},
    {"Command1", -1, 8640, 480, 645, 645},
    // The score labels stand in one row beside the feedback pictures, below the blocks.
    {"etEsatti", -1, 1320, 5220, 2055, 495},
    {"etErrati", -1, 3600, 5220, 2055, 495},
    {"ComandoIconaSi", -1, 360, 5160, 735, 615},
};

constexpr Variante Aspetto{
    {9915, 6300}, Progetto, "mnu1", "Azzera conteggio   ", "mnu3", "Informazioni    ", "mnuFine",
    Avvio::Attivazione, true, 0x00FFFFFF, false};

} // namespace

FORM2::FORM2() : SchermoGioco(IdSchermo::FORM2, Aspetto), RegoleFORM2(Modulo1::EstrazioniGioco, OrologioDelGioco()) {}

void FORM2::CreaMenuProprio(FinestraSchermo& f)
{
    QMenu* controllo = f.aggiungiSottomenu("mnuControllo", Tesselo::tr("Controllo automatico?") + QStringLiteral("     "));
    c.mnuControlloSi = f.aggiungiVoce(controllo, "mnuControlloSi", Tesselo::tr("controlla automaticamente"));
    c.mnuControlloNo = f.aggiungiVoce(controllo, "mnuControlloNo", Tesselo::tr("usa bottone FATTO"));
    c.mnuControlloNo->setChecked(true);
    QObject::connect(c.mnuControlloSi, &QAction::triggered, [this] { mnuControlloSi_Click(); });
    QObject::connect(c.mnuControlloNo, &QAction::triggered, [this] { mnuControlloNo_Click(); });
}

void FORM2::CreaControlliGioco(FinestraSchermo& f)
{
    c.Label1 = f.aggiungi(new Etichetta, posto("Label1"));
    c.Label1->setFont(CarattereSans(24, true));
    c.Label1->setAlignment(Qt::AlignCenter);
    c.Label1->setWordWrap(false);
    ImpostaSfondo(c.Label1, Qt::white);

    c.Frame1 = f.aggiungi(new QGroupBox, posto("Frame1"));
    c.Frame1->setAccessibleName(Tesselo::tr("insieme"));
    for (int i = 0; i < 4; ++i) {
        c.insieme[i] = f.aggiungi(new Immagine, posto("insieme", i), c.Frame1);
        // A slot only shows; its outline marks the free places of the set.
        c.insieme[i]->setFocusPolicy(Qt::NoFocus);
        c.insieme[i]->setCursor({});
        c.insieme[i]->setBordo(true);
    }

    for (int i = 0; i < 4; ++i) {
        c.Image1[i] = f.aggiungi(new Immagine, posto("Image1", i));
        QObject::connect(c.Image1[i], &Immagine::clicked, [this, i] { Image1_Click(i); });
    }

    c.Command1 = f.aggiungi(new Bottone(Tesselo::tr("Fatto")), posto("Command1"));
    c.Command1->setFont(CarattereSans(12, true));
    QObject::connect(c.Command1, &Bottone::clicked, [this] { Command1_Click(); });
}

void FORM2::PrimoTurno()
{
    // Every visit starts in the design's mode: checking on "Fatto".
    ControlloAutomatico = false;
    PreparaTurno();
}

void FORM2::PreparaTurno()
{
    RegoleFORM2::PreparaTurno();
    c.Label1->setText(Testi::Maiuscola(Attributi[0]));
    for (Immagine* posto : c.insieme)
        posto->svuota();
    CaricaBlocchi(c.Image1, Blocchi);
    for (Immagine* blocco : c.Image1) {
        blocco->setFocusPolicy(Qt::StrongFocus);
        blocco->setCursor(Qt::PointingHandCursor);
    }
}

void FORM2::Image1_Click(int Index)
{
    Immagine* blocco = c.Image1[Index];
    if (blocco->vuota())
        return;
    if (!NellInsieme(Index)) {
        RispostaGiudicata(SceltaBlocco(Index));
    } else {
        c.insieme[NumeroInseriti]->copiaDa(*blocco);
        ++NumeroInseriti;
        blocco->svuota();
        // An empty place is no longer worth a stop for the keyboard or the hand.
        const bool avevaIlFuoco = blocco->hasFocus();
        blocco->setFocusPolicy(Qt::NoFocus);
        blocco->setCursor({});
        if (avevaIlFuoco)
            PortaAvantiIlFuoco(Index);
    }
    if (InsiemeCompletato())
        TurnoGiusto(ChiusuraAutomatica(Index));
}

void FORM2::Command1_Click()
{
    const Registro::Risposta fatto = GiudicaFatto();
    if (fatto.esatta)
        TurnoGiusto(fatto);
    else
        RispostaGiudicata(fatto);
}

void FORM2::TurnoGiusto(const Registro::Risposta& risposta)
{
    RispostaGiudicata(risposta);
    PreparaTurno();
    TurnoIniziato(Inizio::DopoRisposta);
}

void FORM2::mnuControlloSi_Click()
{
    ControlloAutomatico = true;
    SegnaModo(true);
}

void FORM2::mnuControlloNo_Click()
{
    ControlloAutomatico = false;
    SegnaModo(false);
}

void FORM2::SegnaModo(bool automatico)
{
    c.mnuControlloSi->setChecked(automatico);
    c.mnuControlloNo->setChecked(!automatico);
    c.Command1->setVisible(!automatico);
}

void FORM2::PortaAvantiIlFuoco(int da)
{
    // The next block still in place, going round from the one just moved.
    for (int passo = 1; passo < 4; ++passo)
        if (Immagine* blocco = c.Image1[(da + passo) % 4]; !blocco->vuota()) {
            blocco->setFocus();
            return;
        }
    if (c.Command1->isVisible())
        c.Command1->setFocus();
}

QString FORM2::Incoerenza() const
{
    if (c.Label1->text() != Testi::Maiuscola(Attributi[0]))
        return QStringLiteral("the set's caption is not its word");
    const int giusti = Uguali(Attributi);
    int spostati = 0;
    for (int k = 0; k < 4; ++k) {
        if (c.Image1[k]->vuota()) {
            ++spostati;
            if (Attributi[k + 1] != Attributi[0])
                return QStringLiteral("a block outside the set was moved into it");
        } else if (const auto b = BloccoDi(c.Image1[k]); !b || b->parola(Criterio) != Attributi[k + 1]) {
            return QStringLiteral("a block shown is not the block judged");
        }
        if (c.insieme[k]->vuota() != (k >= NumeroInseriti))
            return QStringLiteral("the set's slots do not match its counter");
    }
    if (giusti != NumeroGiusti || giusti == 0 || spostati != NumeroInseriti)
        return QStringLiteral("counters do not match the blocks");
    if (c.Command1->isVisible() == ControlloAutomatico || c.mnuControlloSi->isChecked() != ControlloAutomatico
        || c.mnuControlloNo->isChecked() == ControlloAutomatico)
        return QStringLiteral("\"Fatto\" or the check marks disagree with the checking mode");
    return {};
}
