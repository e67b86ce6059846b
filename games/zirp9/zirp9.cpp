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

// For each cell, whether the block has the row word and the column word.
constexpr std::array<std::array<bool, 2>, 4> Casella{{{true, true}, {true, false}, {false, true}, {false, false}}};

} // namespace

zirp9::zirp9() : SchermoGioco(IdSchermo::zirp9, Aspetto) {}

void zirp9::CreaControlliGioco(FinestraSchermo& f)
{
    for (int i = 0; i < 4; ++i) {
        auto* intestazione = f.aggiungi(new Etichetta, posto("Label1", i));
        intestazione->setFont(CarattereSans(8.25, true));
        intestazione->setAlignment(Qt::AlignCenter);
        ImpostaSfondo(intestazione, Qt::white);
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

void zirp9::PrimoTurno()
{
    NumeroInseriti.fill(0);
    PreparaTabella();
    NuovoBlocco();
}

void zirp9::PreparaTabella()
{
    // The words come from the block drawn last anywhere in the program: on
    // the first turn the one before this screen opened, later the last block
    // placed in the previous turn.
    const Blocco riferimento = Modulo1::BloccoCorrente();
    Criterio1 = qint16(Modulo1::Estrai(4));
    Attributi[0] = riferimento.parola(Criterio1);
    c.Label1[0]->setText(Attributi[0].toUpper());
    c.Label1[1]->setText("NON " + c.Label1[0]->text());
    do
        Criterio2 = qint16(Modulo1::Estrai(4));
    while (Criterio2 == Criterio1);
    Attributi[1] = riferimento.parola(Criterio2);
    c.Label1[2]->setText(Attributi[1].toUpper());
    c.Label1[3]->setText("NON " + c.Label1[2]->text());

    for (int k = 0; k < 4; ++k) {
        const QString nome = c.Label1[k / 2]->text() + ", " + c.Label1[2 + k % 2]->text();
        c.Frame1[k]->setAccessibleName(nome);
        for (int i = 2 * k; i < 2 * k + 2; ++i)
            c.insieme[i]->setAccessibleDescription(nome);
    }
}

void zirp9::NuovoBlocco()
{
    if (std::ranges::find(NumeroInseriti, qint16(2)) != NumeroInseriti.end()) {
        // The turn is over: the cells take no more blocks until "avanti".
        c.bottoneavanti->setEnabled(true);
        for (Cornice* cella : c.Frame1)
            cella->setEnabled(false);
        c.bottoneavanti->setFocus();
        return;
    }
    Modulo1::BloccoCasuale();
    c.Image1->carica(Modulo1::PercorsoBlocco);
    const Blocco blocco = Modulo1::BloccoCorrente();
    Attributi[2] = blocco.parola(Criterio1);
    Attributi[3] = blocco.parola(Criterio2);
}

void zirp9::Frame1_Click(int Index)
{
    Inserisci(Index);
}

void zirp9::insieme_Click(int Index)
{
    // A slot stands for its cell, whether or not it holds a block.
    Inserisci(Index / 2);
}

void zirp9::Inserisci(int k)
{
    const bool a = Attributi[2] == Attributi[0];
    const bool b = Attributi[3] == Attributi[1];
    if (Casella[k] != std::array{a, b}) {
        RispostaErrata();
        return;
    }
    c.insieme[2 * k + NumeroInseriti[k]]->copiaDa(*c.Image1);
    c.Image1->svuota();
    ++NumeroInseriti[k];
    RispostaEsatta();
    NuovoBlocco();
}

void zirp9::bottoneavanti_Click()
{
    for (Cornice* cella : c.Frame1)
        cella->setEnabled(true);
    for (Immagine* posto : c.insieme)
        posto->svuota();
    NumeroInseriti.fill(0);
    PreparaTabella();
    NuovoBlocco();
    c.bottoneavanti->setEnabled(false);
    c.Frame1[0]->setFocus();
}

QString zirp9::Incoerenza() const
{
    if (Criterio1 == Criterio2 || Criterio1 < 1 || Criterio1 > 4 || Criterio2 < 1 || Criterio2 > 4)
        return QStringLiteral("the two criteria are not two different attributes");
    if (c.Label1[0]->text() != Attributi[0].toUpper() || c.Label1[1]->text() != "NON " + c.Label1[0]->text()
        || c.Label1[2]->text() != Attributi[1].toUpper() || c.Label1[3]->text() != "NON " + c.Label1[2]->text())
        return QStringLiteral("the captions are not words and their negations");
    bool finito = false;
    for (int k = 0; k < 4; ++k) {
        if (NumeroInseriti[k] < 0 || NumeroInseriti[k] > 2)
            return QStringLiteral("a place holds more than its room");
        finito = finito || NumeroInseriti[k] == 2;
        for (int i = 0; i < 2; ++i) {
            const Immagine* posto = c.insieme[2 * k + i];
            if (posto->vuota() != (i >= NumeroInseriti[k]))
                return QStringLiteral("placed pictures do not match the counters");
            if (const auto b = BloccoDi(posto);
                b && Casella[k] != std::array{b->parola(Criterio1) == Attributi[0], b->parola(Criterio2) == Attributi[1]})
                return QStringLiteral("a block placed where it does not belong");
        }
    }
    if (c.bottoneavanti->isEnabled() != finito || c.Image1->vuota() != finito)
        return QStringLiteral("the turn's end disagrees with the places");
    for (const auto* cornice : c.Frame1)
        if (cornice->isEnabled() == finito)
            return QStringLiteral("a place takes clicks after the turn's end, or refuses them before");
    if (!finito) {
        const auto b = BloccoDi(c.Image1);
        if (!b || b->parola(Criterio1) != Attributi[2] || b->parola(Criterio2) != Attributi[3])
            return QStringLiteral("the waiting block is not the block judged");
    }
    return {};
}
