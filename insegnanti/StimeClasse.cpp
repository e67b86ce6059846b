#include "insegnanti/StimeClasse.h"

#include "insegnanti/Lettura.h"

#include <QtConcurrent/QtConcurrentRun>

namespace Insegnanti {

using namespace Registro::Padronanza;

const Padronanze::Storia& Padronanze::storia(qint64 bambino, Abilita a) const
{
    static const Storia nessuna;
    const auto s = storie.constFind(bambino);
    return s == storie.cend() ? nessuna : (*s)[int(a)];
}

Padronanze CalcolaPadronanze(const QList<Prova>& prove, const Modello& modello)
{
    Padronanze p{Stime(modello), {}};
    Registro::GiornoLocale giornoDi;
    for (const Prova& prova : prove) {
        p.stime.aggiungi(prova);
        const QDate giorno = giornoDi(prova.quando);
        auto& storie = p.storie[prova.bambino];
        for (Abilita a : TutteLeAbilita) {
            if (!Esercita(prova.abilita, a))
                continue;
            Padronanze::Storia& s = storie[int(a)];
            // A day's point is the estimate after its last answer.
            const double stima = p.stime.di(prova.bambino, a).stima;
            if (!s.giorni.isEmpty() && s.giorni.last().giorno == giorno)
                s.giorni.last().stima = stima;
            else
                s.giorni.append({giorno, stima});
            s.ultime.prepend(prova);
            if (s.ultime.size() > Padronanze::UltimeProve)
                s.ultime.removeLast();
        }
    }
    return p;
}

QList<Prova> PrimeRisposte(const Registro::Deposito& archivio)
{
    QList<Prova> prove;
    archivio.scorriPrimeRisposte({}, [&](const Prova& p) { prove.append(p); });
    return prove;
}

Padronanze PadronanzeDelRegistro(const Registro::Deposito& archivio)
{
    return CalcolaPadronanze(PrimeRisposte(archivio), archivio.modello().value_or(Predefinito()));
}

StimeClasse::StimeClasse(Registro::Deposito& a, Adattamento f, QObject* padre)
    : QObject(padre), archivio(a), adatta(std::move(f))
{
    connect(&calcolo, &QFutureWatcher<Esito>::finished, this, &StimeClasse::concluso);
}

// A computation still running goes on to its end on its own copies, and its
// outcome is dropped.
StimeClasse::~StimeClasse() = default;

void StimeClasse::aggiorna(bool riadatta)
{
    if (calcolando) {
        daRifare = true;
        daRiadattare = daRiadattare || riadatta;
        return;
    }
    const std::optional<Registro::Classe> classe = archivio.classeScelta();
    if (!classe) {
        risultato.reset();
        modelloUsato.reset();
        emit pronte();
        return;
    }
    // The first answers are read on the pool's thread too, through another
    // connection, where the register offers one; otherwise here.
    Registro::Deposito::AltraLettura apri = sulFilo && !ancoraQui ? archivio.altraLettura() : Registro::Deposito::AltraLettura{};
    ancoraQui = false;
    QList<Prova> prove = apri ? QList<Prova>{} : PrimeRisposte(archivio);
    // The newer of the register's model and the one fitted here.
    std::optional<Modello> salvato = archivio.modello();
    const auto qui = adattati.constFind(classe->id);
    if (qui != adattati.cend() && (!salvato || !salvato->adattato.isValid() || qui->adattato > salvato->adattato))
        salvato = *qui;
    const bool daAdattare = riadatta || DaRiadattare(salvato, QDateTime::currentDateTimeUtc());
    calcolando = true;
    calcolo.setFuture(QtConcurrent::run(&FiliDelRegistro(),
        [prove = std::move(prove), apri = std::move(apri), base = salvato.value_or(Predefinito()), daAdattare,
         f = adatta, id = classe->id]() mutable {
            Esito e;
            e.classe = id;
            e.adattato = daAdattare;
            if (apri) {
                const std::unique_ptr<Registro::Deposito> altra = apri();
                if (!altra) {
                    e.nonLette = true;
                    return e;
                }
                prove = PrimeRisposte(*altra);
            }
            e.modello = daAdattare ? f(prove) : base;
            e.padronanze = CalcolaPadronanze(prove, e.modello);
            return e;
        }));
    emit iniziate();
}

void StimeClasse::concluso()
{
    Esito e = calcolo.result();
    calcolando = false;
    bool ancora = std::exchange(daRifare, false);
    const bool riadattaAncora = std::exchange(daRiadattare, false);
    if (e.nonLette) {
        // The other connection could not be opened: read here instead.
        ancoraQui = true;
        aggiorna(riadattaAncora || e.adattato);
        return;
    }
    const std::optional<Registro::Classe> classe = archivio.classeScelta();
    // Estimates of a class no longer chosen are not this class's.
    const bool suoi = classe && classe->id == e.classe;
    if (suoi) {
        if (e.adattato) {
            adattati.insert(e.classe, e.modello);
            archivio.salvaModello(e.modello);
        }
        modelloUsato = e.modello;
        risultato = std::move(e.padronanze);
    } else {
        ancora = true;
    }
    // A request that came meanwhile starts first, so that the views showing
    // these estimates still say that more are coming.
    if (ancora)
        aggiorna(riadattaAncora);
    if (suoi)
        emit pronte();
}

} // namespace Insegnanti
