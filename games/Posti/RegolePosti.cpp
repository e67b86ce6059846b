#include "games/Posti/RegolePosti.h"


#include <algorithm>
#include <span>

int RegolePosti::PostoDelBlocco(const Blocco& blocco) const
{
    return PostoGiusto(blocco.parola(Criterio1) == Attributi[0], blocco.parola(Criterio2) == Attributi[1]);
}

bool RegolePosti::TurnoFinito() const
{
    const auto contati = std::span(NumeroInseriti).first(NumeroPosti);
    return std::ranges::find(contati, qint16(Capienza)) != contati.end();
}

QString RegolePosti::CondizioneItaliana(const QString& parola, bool negata)
{
    const QString maiuscola = parola.toUpper();
    return negata ? QStringLiteral("NON ") + maiuscola : maiuscola;
}

QString RegolePosti::TestoCondizione(int i, bool negata, Scrittura scrivi) const
{
    return scrivi(Attributi[i], negata);
}

QString RegolePosti::NomePosto(int k, Scrittura scrivi) const
{
    if (NumeroPosti == 2)
        return TestoCondizione(0, k == 1, scrivi);
    return TestoCondizione(0, k / 2 == 1, scrivi) + QStringLiteral(", ") + TestoCondizione(1, k % 2 == 1, scrivi);
}

void RegolePosti::ScegliCriterio()
{
    NuovoSfondo();
    // The reference block: only its word of the drawn kind is used.
    caso.BloccoCasuale();
    Criterio1 = qint16(AttributoDelTurno());
    Attributi[0] = caso.BloccoCorrente().parola(Criterio1);
}

void RegolePosti::ScegliCriteri()
{
    // On the first turn the words are those of the block drawn before this
    // screen opened, later those of the last block placed. Every run draws
    // blocks on its start screen before a game opens; drawing one here only
    // guards against a condition without a word.
    if (!caso.BloccoCorrente().valido())
        caso.BloccoCasuale();
    const Blocco riferimento = caso.BloccoCorrente();
    Criterio1 = qint16(AttributoDelTurno());
    Attributi[0] = riferimento.parola(Criterio1);
    do
        Criterio2 = qint16(AttributoDelTurno());
    while (Criterio2 == Criterio1);
    Attributi[1] = riferimento.parola(Criterio2);
}

bool RegolePosti::NuovoBlocco()
{
    if (TurnoFinito())
        return false;
    caso.BloccoCasuale();
    BloccoInAttesa = caso.BloccoCorrente();
    // A kind of 0 (no second condition) has no word.
    Attributi[2] = BloccoInAttesa.parola(Criterio1);
    Attributi[3] = BloccoInAttesa.parola(Criterio2);
    IniziaTurno();
    return true;
}

Registro::Risposta RegolePosti::GiudicaPosto(int k) const
{
    QList<Registro::Domanda> condizioni{Condizione(Criterio1, Attributi[0], !a())};
    if (NumeroPosti == 4)
        condizioni.append(Condizione(Criterio2, Attributi[1], !b()));
    return Giudizio(PostoGiusto(a(), b()) == k, NomePosto(k), condizioni, {BloccoInAttesa});
}
