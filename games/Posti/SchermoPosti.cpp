#include "games/Posti/SchermoPosti.h"

#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"

#include <algorithm>

void SchermoPosti::PrimoTurno()
{
    NumeroInseriti = {};
    PreparaPosti();
    NuovoBlocco();
}

void SchermoPosti::ScegliCriteri()
{
    // On the first turn the words are those of the block drawn before this
    // screen opened, later those of the last block placed. Every run draws
    // blocks on its start screen before a game opens; drawing one here only
    // guards against a condition without a word.
    if (!Modulo1::BloccoCorrente().valido())
        Modulo1::BloccoCasuale();
    const Blocco riferimento = Modulo1::BloccoCorrente();
    const auto e = posti().condizioni;
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

void SchermoPosti::NominaPosto(int k, const QString& nome) const
{
    const Posti p = posti();
    p.Frame1[k]->setAccessibleName(nome);
    for (Immagine* casella : p.insieme.subspan(Capienza * k, Capienza))
        casella->setAccessibleDescription(nome);
}

bool SchermoPosti::TurnoFinito() const
{
    const auto contati = std::span(NumeroInseriti).first(NumeroPosti);
    return std::ranges::find(contati, qint16(Capienza)) != contati.end();
}

std::vector<QWidget*> SchermoPosti::ControlliRisposta() const
{
    const auto posto = posti().Frame1;
    return {posto.begin(), posto.end()};
}

void SchermoPosti::NuovoBlocco()
{
    if (TurnoFinito()) {
        // The places take no more blocks until "avanti".
        ChiudiTurno();
        return;
    }
    Modulo1::BloccoCasuale();
    posti().Image1->carica(Modulo1::PercorsoBlocco);
    const Blocco blocco = Modulo1::BloccoCorrente();
    // A kind of 0 (no second condition) has no word.
    Attributi[2] = blocco.parola(Criterio1);
    Attributi[3] = blocco.parola(Criterio2);
}

void SchermoPosti::Frame1_Click(int Index)
{
    Inserisci(Index);
}

void SchermoPosti::insieme_Click(int Index)
{
    // Empty or not, a slot stands for its place.
    Inserisci(Index / Capienza);
}

void SchermoPosti::Inserisci(int k)
{
    // A finished turn has no block to place; its places are disabled too.
    if (TurnoFinito())
        return;
    PrimaDellaScelta();
    if (PostoGiusto(a(), b()) != k) {
        RispostaErrata();
        return;
    }
    const Posti p = posti();
    p.insieme[Capienza * k + NumeroInseriti[k]]->copiaDa(*p.Image1);
    p.Image1->svuota();
    ++NumeroInseriti[k];
    RispostaEsatta();
    NuovoBlocco();
}

void SchermoPosti::bottoneavanti_Click()
{
    const Posti p = posti();
    for (Immagine* casella : p.insieme)
        casella->svuota();
    NumeroInseriti = {};
    PreparaPosti();
    NuovoBlocco();
    RiapriTurno();
    p.Frame1[0]->setFocus();
}

int SchermoPosti::PostoDelBlocco(const Blocco& blocco) const
{
    return PostoGiusto(blocco.parola(Criterio1) == Attributi[0], blocco.parola(Criterio2) == Attributi[1]);
}

QString SchermoPosti::Incoerenza() const
{
    const Posti p = posti();
    const auto e = p.condizioni;
    const std::array<qint16, 2> criteri{Criterio1, Criterio2};
    for (int i = 0; i < NumeroPosti / 2; ++i) {
        if (criteri[i] < 1 || criteri[i] > 4)
            return QStringLiteral("a condition has no attribute kind");
        if (e[2 * i]->text() != Attributi[i].toUpper() || e[2 * i + 1]->text() != "NON " + e[2 * i]->text())
            return QStringLiteral("the conditions are not words and their negations");
    }
    if (NumeroPosti == 4 && Criterio1 == Criterio2)
        return QStringLiteral("the two criteria are not two different attributes");
    for (int k = 0; k < NumeroPosti; ++k) {
        if (NumeroInseriti[k] < 0 || NumeroInseriti[k] > Capienza)
            return QStringLiteral("a place holds more than its room");
        for (int i = 0; i < Capienza; ++i) {
            const Immagine* casella = p.insieme[Capienza * k + i];
            if (casella->vuota() != (i >= NumeroInseriti[k]))
                return QStringLiteral("placed pictures do not match the counters");
            if (const auto blocco = BloccoDi(casella); blocco && PostoDelBlocco(*blocco) != k)
                return QStringLiteral("a block placed where it does not belong");
        }
    }
    if (QString motivo = IncoerenzaRisposte(); !motivo.isEmpty())
        return motivo;
    const bool finito = TurnoFinito();
    if (cornice().bottoneavanti->isEnabled() != finito || p.Image1->vuota() != finito)
        return QStringLiteral("the turn's end disagrees with the places");
    if (!finito) {
        const auto blocco = BloccoDi(p.Image1);
        if (!blocco || blocco->parola(Criterio1) != Attributi[2] || blocco->parola(Criterio2) != Attributi[3])
            return QStringLiteral("the waiting block is not the block judged");
    }
    return {};
}
