#include "games/QuattroPosti/SchermoQuattroPosti.h"

#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"

#include <algorithm>

void SchermoQuattroPosti::PrimoTurno()
{
    NumeroInseriti = {};
    PreparaPosti();
    NuovoBlocco();
}

void SchermoQuattroPosti::ScegliCriteri()
{
    // On the first turn the words are those of the block drawn before this
    // screen opened, later those of the last block placed. Every run draws
    // blocks on its start screen before a game opens; drawing one here only
    // guards against a condition without a word.
    if (!Modulo1::BloccoCorrente().valido())
        Modulo1::BloccoCasuale();
    const Blocco riferimento = Modulo1::BloccoCorrente();
    const auto& e = posti().condizioni;
    Criterio1 = qint16(Modulo1::Estrai(4));
    Attributi[0] = riferimento.parola(Criterio1);
    e[0]->setText(Attributi[0].toUpper());
    e[1]->setText("NON " + e[0]->text());
    do
        Criterio2 = qint16(Modulo1::Estrai(4));
    while (Criterio2 == Criterio1);
    Attributi[1] = riferimento.parola(Criterio2);
    e[2]->setText(Attributi[1].toUpper());
    e[3]->setText("NON " + e[2]->text());
}

bool SchermoQuattroPosti::TurnoFinito() const
{
    return std::ranges::find(NumeroInseriti, qint16(2)) != NumeroInseriti.end();
}

void SchermoQuattroPosti::NuovoBlocco()
{
    const Posti p = posti();
    if (TurnoFinito()) {
        // The places take no more blocks until "avanti".
        p.bottoneavanti->setEnabled(true);
        for (Cornice* posto : p.Frame1)
            posto->setEnabled(false);
        // The next turn is one key press away for a child using the keyboard.
        p.bottoneavanti->setFocus();
        return;
    }
    Modulo1::BloccoCasuale();
    p.Image1->carica(Modulo1::PercorsoBlocco);
    const Blocco blocco = Modulo1::BloccoCorrente();
    Attributi[2] = blocco.parola(Criterio1);
    Attributi[3] = blocco.parola(Criterio2);
}

void SchermoQuattroPosti::Frame1_Click(int Index)
{
    Inserisci(Index);
}

void SchermoQuattroPosti::insieme_Click(int Index)
{
    // Empty or not, a slot stands for its place.
    Inserisci(Index / 2);
}

void SchermoQuattroPosti::Inserisci(int k)
{
    // A finished turn has no block to place; its places are disabled too.
    if (TurnoFinito())
        return;
    PrimaDellaScelta();
    if (PostoDi(a(), b()) != k) {
        RispostaErrata();
        return;
    }
    const Posti p = posti();
    p.insieme[2 * k + NumeroInseriti[k]]->copiaDa(*p.Image1);
    p.Image1->svuota();
    ++NumeroInseriti[k];
    RispostaEsatta();
    NuovoBlocco();
}

void SchermoQuattroPosti::bottoneavanti_Click()
{
    const Posti p = posti();
    for (Cornice* posto : p.Frame1)
        posto->setEnabled(true);
    for (Immagine* casella : p.insieme)
        casella->svuota();
    NumeroInseriti = {};
    PreparaPosti();
    NuovoBlocco();
    p.bottoneavanti->setEnabled(false);
    p.Frame1[0]->setFocus();
}

QString SchermoQuattroPosti::Incoerenza() const
{
    const Posti p = posti();
    const auto& e = p.condizioni;
    if (Criterio1 == Criterio2 || Criterio1 < 1 || Criterio1 > 4 || Criterio2 < 1 || Criterio2 > 4)
        return QStringLiteral("the two criteria are not two different attributes");
    if (e[0]->text() != Attributi[0].toUpper() || e[1]->text() != "NON " + e[0]->text()
        || e[2]->text() != Attributi[1].toUpper() || e[3]->text() != "NON " + e[2]->text())
        return QStringLiteral("the conditions are not words and their negations");
    for (int k = 0; k < 4; ++k) {
        if (NumeroInseriti[k] < 0 || NumeroInseriti[k] > 2)
            return QStringLiteral("a place holds more than its room");
        for (int i = 0; i < 2; ++i) {
            const Immagine* casella = p.insieme[2 * k + i];
            if (casella->vuota() != (i >= NumeroInseriti[k]))
                return QStringLiteral("placed pictures do not match the counters");
            if (const auto blocco = BloccoDi(casella);
                blocco && PostoDi(blocco->parola(Criterio1) == Attributi[0], blocco->parola(Criterio2) == Attributi[1]) != k)
                return QStringLiteral("a block placed where it does not belong");
        }
    }
    const bool finito = TurnoFinito();
    if (p.bottoneavanti->isEnabled() != finito || p.Image1->vuota() != finito)
        return QStringLiteral("the turn's end disagrees with the places");
    for (const Cornice* posto : p.Frame1)
        if (posto->isEnabled() == finito)
            return QStringLiteral("a place takes clicks after the turn's end, or refuses them before");
    if (!finito) {
        const auto blocco = BloccoDi(p.Image1);
        if (!blocco || blocco->parola(Criterio1) != Attributi[2] || blocco->parola(Criterio2) != Attributi[3])
            return QStringLiteral("the waiting block is not the block judged");
    }
    return {};
}
