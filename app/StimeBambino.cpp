#include "app/StimeBambino.h"

#include "registro/Archivio.h"

#include <algorithm>
#include <limits>
#include <mutex>
#include <utility>

namespace Seduta {

using Registro::Padronanza::Abilita;
using Registro::Padronanza::Prova;
using Registro::Padronanza::Stime;

struct StimeBambino::Letto {
    std::mutex mutex;
    bool finito = false;
    std::optional<Stime> stime;  // nothing when the register could not be read
    // When the last of the child's first answers read was given.
    qint64 ultima = std::numeric_limits<qint64>::min();
};

// The child's first answers in the register, into the class's model. On
// the reading thread; a sitting that ends meanwhile stops it between rows.
void StimeBambino::Leggi(std::stop_token fermo, const QString& registro, std::optional<qint64> classe,
                         qint64 bambino, Letto& letto)
{
    std::optional<Stime> stime;
    qint64 ultima = std::numeric_limits<qint64>::min();
    Registro::Archivio archivio;
    if (archivio.apri(registro, false, Registro::Controllo::Rapido) == Registro::Accesso::Ok
        && (!classe || archivio.scegliClasse(*classe))) {
        stime.emplace(archivio.modello().value_or(Registro::Padronanza::Predefinito()));
        archivio.scorriPrimeRisposte({}, [&](const Prova& prova) {
            if (prova.bambino == bambino && !fermo.stop_requested()) {
                stime->aggiungi(prova);
                ultima = std::max(ultima, prova.quando);
            }
        });
    }
    const std::lock_guard blocco(letto.mutex);
    letto.stime = std::move(stime);
    letto.ultima = ultima;
    letto.finito = true;
}

StimeBambino::StimeBambino(qint64 bambino, const QString& registro, std::optional<qint64> classe)
    : bambino(bambino), consegna(std::make_shared<Letto>())
{
    if (bambino == 0 || registro.isEmpty()) {
        consegna->finito = true;
        return;
    }
    lettore = std::jthread([registro, classe, bambino, consegna = consegna](const std::stop_token& fermo) {
        Leggi(fermo, registro, classe, bambino, *consegna);
    });
}

void StimeBambino::prendi()
{
    if (letto)
        return;
    const std::lock_guard blocco(consegna->mutex);
    if (!consegna->finito)
        return;
    letto = true;
    QList<Prova> date = std::exchange(nuove, {});
    if (!consegna->stime)
        return;
    // The answers of this sitting the register already held were read with
    // it; the later ones are added after them, in the order given.
    stime = std::move(*consegna->stime);
    consegna->stime.reset();
    dalRegistro = true;
    for (const Prova& prova : std::as_const(date))
        if (prova.quando > consegna->ultima)
            stime.aggiungi(prova);
}

void StimeBambino::aggiungi(const Registro::Risposta& risposta)
{
    if (risposta.tentativo != 1 || bambino == 0)
        return;
    const Prova prova{bambino, risposta.quando.toMSecsSinceEpoch(), risposta.schermo,
                      Registro::Padronanza::AbilitaDi(risposta.domande), risposta.esatta};
    prendi();
    stime.aggiungi(prova);
    if (!letto)
        nuove.append(prova);
}

std::array<double, 4> StimeBambino::pesi()
{
    prendi();
    std::array<double, 4> stima{};
    for (int i = 0; i < 4; ++i)
        stima[i] = stime.di(bambino, Abilita(i)).stima;
    return Registro::Padronanza::PesiSuMisura(stima);
}

bool StimeBambino::lette()
{
    prendi();
    return dalRegistro;
}

bool StimeBambino::finito() const
{
    const std::lock_guard blocco(consegna->mutex);
    return consegna->finito;
}

} // namespace Seduta
