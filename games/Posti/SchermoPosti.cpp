#include "games/Posti/SchermoPosti.h"
#include "media/Testi.h"

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

void SchermoPosti::MostraCondizioni() const
{
    const auto e = posti().condizioni;
    for (int i = 0; i < NumeroPosti / 2; ++i) {
        e[2 * i]->setText(TestoCondizione(i, false, Testi::Condizione));
        e[2 * i + 1]->setText(TestoCondizione(i, true, Testi::Condizione));
    }
}

void SchermoPosti::NominaPosti() const
{
    const Posti p = posti();
    for (int k = 0; k < NumeroPosti; ++k) {
        const QString nome = NomePosto(k, Testi::Condizione);
        p.Frame1[k]->setAccessibleName(nome);
        for (Immagine* casella : p.insieme.subspan(Capienza * k, Capienza))
            casella->setAccessibleDescription(nome);
    }
}

std::vector<QWidget*> SchermoPosti::ControlliRisposta() const
{
    const auto posto = posti().Frame1;
    return {posto.begin(), posto.end()};
}

void SchermoPosti::NuovoBlocco()
{
    if (!RegolePosti::NuovoBlocco()) {
        // The places take no more blocks until "avanti".
        ChiudiTurno();
        return;
    }
    posti().Image1->carica(Modulo1::PercorsoDi(BloccoInAttesa));
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
    const Registro::Risposta risposta = GiudicaPosto(k);
    if (!risposta.esatta) {
        RispostaGiudicata(risposta);
        return;
    }
    const Posti p = posti();
    p.insieme[Capienza * k + NumeroInseriti[k]]->copiaDa(*p.Image1);
    p.Image1->svuota();
    ++NumeroInseriti[k];
    RispostaGiudicata(risposta);
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

QString SchermoPosti::Incoerenza() const
{
    const Posti p = posti();
    const auto e = p.condizioni;
    const std::array<qint16, 2> criteri{Criterio1, Criterio2};
    for (int i = 0; i < NumeroPosti / 2; ++i) {
        if (criteri[i] < 1 || criteri[i] > 4)
            return QStringLiteral("a condition has no attribute kind");
        if (e[2 * i]->text() != TestoCondizione(i, false, Testi::Condizione)
            || e[2 * i + 1]->text() != TestoCondizione(i, true, Testi::Condizione))
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
