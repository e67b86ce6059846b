#include "tests/support/Ambiente.h"

#include "app/Modulo1.h"
#include "screens/Schermi.h"

#include <QCoreApplication>
#include <QAction>
#include <QEvent>

double CasoPilotato::rnd()
{
    ++estratti;
    if (coda.empty())
        return riserva.rnd();
    const double v = coda.front();
    coda.pop_front();
    return v;
}

double RndPer(int codice, int k)
{
    return (codice - 0.5) / k;
}

QList<double> RndPerBlocco(const Blocco& b)
{
    return {RndPer(Parole::Colori.indexOf(b.colore) + 1, 3), RndPer(Parole::Forme.indexOf(b.forma) + 1, 4),
            RndPer(Parole::Dimensioni.indexOf(b.dimensione) + 1, 2),
            RndPer(Parole::Spessori.indexOf(b.spessore) + 1, 2)};
}

Blocco B(const QString& forma, const QString& colore, const QString& dimensione, const QString& spessore)
{
    return {forma, colore, dimensione, spessore};
}

SuonoFinto& Ambiente::installaSuono()
{
    auto suono = std::make_unique<SuonoFinto>();
    SuonoFinto& riferimento = *suono;
    servizi().suono = std::move(suono);
    return riferimento;
}

CasoPilotato& Ambiente::installaCaso(std::uint64_t seme)
{
    auto caso = std::make_unique<CasoPilotato>(seme);
    CasoPilotato& riferimento = *caso;
    servizi().caso = std::move(caso);
    return riferimento;
}

Ambiente::Ambiente(std::uint64_t seme) : suono(installaSuono()), caso(installaCaso(seme))
{
    auto& s = servizi();
    s.cartellaApplicazione = QStringLiteral(TESSELO_APP_DIR);
    s.messaggio = [this](const QString& testo, int stile, const QString& titolo) {
        messaggi.append({testo, stile, titolo});
        if (stile != StileDomanda)
            return int(RispostaOk);
        if (risposte.empty())
            return int(RispostaNo);
        const int r = risposte.front();
        risposte.pop_front();
        return r;
    };
    s.termina = [this] {
        ++terminazioni;
        Schermi::ChiudiTutto();
    };
    s.beep = [this] { ++beep; };
    Modulo1::SuonoAttivo = true;
    Modulo1::ContatoreEsatti = Modulo1::ContatoreErrati = 0;
    Schermi::CreaTutti();
}

Ambiente::~Ambiente()
{
    Schermi::DistruggiTutti();
    Modulo1::Ridimensionatore.reset();
    SvuotaEventi();
}

void SvuotaEventi()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QAction* Voce(IdSchermo id, const QString& nome)
{
    for (QObject* o : Schermi::Trova(id)->finestra()->controlli())
        if (auto* azione = qobject_cast<QAction*>(o); azione && azione->objectName() == nome)
            return azione;
    qFatal("missing menu entry %s", qPrintable(nome));
}
