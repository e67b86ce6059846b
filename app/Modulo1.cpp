#include "app/Modulo1.h"
#include "media/Testi.h"

#include "app/Servizi.h"
#include "media/Lingua.h"
#include "media/Voci.h"
#include "resize/clsResize.h"
#include "screens/Schermi.h"

#include <QApplication>
#include <QCoreApplication>
#include <cmath>
#include <limits>

namespace Modulo1 {

void Main()
{
    // The services (and so the clock-seeded generator) are in place before Main runs.
    SuonoAttivo = true;
    Schermi::Mostra(IdSchermo::FormAvvio);
}

double Rnd()
{
    return servizi().caso->rnd();
}

int Estrai(int k)
{
    return static_cast<int>(std::floor(Rnd() * k)) + 1;
}

static void Suona(const QString& nomeFile)
{
    servizi().suono->playSound(CartellaApplicazione() + "/suoni/" + nomeFile);
}

constexpr int NumeroSuoniEsatti = 4;

const QStringList& SuoniRisposta()
{
    static const QStringList nomi = [] {
        QStringList n;
        for (int i = 1; i <= NumeroSuoniEsatti; ++i)
            n.append(QStringLiteral("si%1.wav").arg(i));
        return n << QStringLiteral("no.wav");
    }();
    return nomi;
}

void SuonoEsatto()
{
    if (!SuonoAttivo)
        return;
    Suona(SuoniRisposta()[Estrai(NumeroSuoniEsatti) - 1]);
}

void SuonoErrato()
{
    if (!SuonoAttivo)
        return;
    Suona(SuoniRisposta().last());
}

bool Pronuncia(const QString& testo)
{
    if (!Voci::haVoce(testo))
        return false;
    if (SuonoAttivo)
        servizi().suono->playVoice(CartellaApplicazione() + "/voci/" + Lingua::SottocartellaVoci(Lingua::Attuale())
                                    + Voci::nomeFile(testo));
    return true;
}

double ColoreCasuale()
{
    return Palette[Estrai(18)];
}

void MostraInformazioni()
{
    // The program and its version, a rule, then its web site and mail box;
    // while it has neither, its licence and its year stand in their place.
    const QString sito = *IndirizzoWeb ? QString(IndirizzoWeb) : Tesselo::tr(RigaLicenza);
    const QString posta = *IndirizzoPosta ? QString(IndirizzoPosta) : QString(RigaAnno);
    const QString crediti = QString(NomeProgramma) + ' ' + VersioneProgramma + "\r\n"
        + QString(20, '-') + "\r\n"
        + sito + "\r\n"
        + posta;
    servizi().messaggio(crediti, StileInformazione, NomeProgramma);
}

void ChiediUscita()
{
    if (servizi().messaggio(Tesselo::tr("Vuoi uscire dal programma?"), StileDomanda, NomeProgramma)
        != RispostaSi)
        return;
    Ridimensionatore.reset();
    servizi().termina();
}

static QString ParolaCasuale(const QStringList& parole)
{
    NumeroCasuale = static_cast<qint16>(Estrai(parole.size()));
    return parole[NumeroCasuale - 1];
}

void FormaCasuale() { FormaBlocco = ParolaCasuale(Parole::Forme); }
void ColoreBloccoCasuale() { ColoreBlocco = ParolaCasuale(Parole::Colori); }
void DimensioneCasuale() { DimensioneBlocco = ParolaCasuale(Parole::Dimensioni); }
void SpessoreCasuale() { SpessoreBlocco = ParolaCasuale(Parole::Spessori); }

void BloccoCasuale()
{
    ColoreBloccoCasuale();
    FormaCasuale();
    DimensioneCasuale();
    SpessoreCasuale();
    PercorsoBlocco = PercorsoDi(BloccoCorrente());
}

Blocco BloccoCorrente()
{
    return {FormaBlocco, ColoreBlocco, DimensioneBlocco, SpessoreBlocco};
}

void ImpostaBloccoCorrente(const Blocco& blocco)
{
    FormaBlocco = blocco.forma;
    ColoreBlocco = blocco.colore;
    DimensioneBlocco = blocco.dimensione;
    SpessoreBlocco = blocco.spessore;
    PercorsoBlocco = PercorsoDi(blocco);
}

QString PercorsoDi(const Blocco& blocco)
{
    return blocco.percorso(CartellaApplicazione());
}

QString CartellaApplicazione()
{
    const QString cartella = servizi().cartellaApplicazione;
    return cartella.isEmpty() ? QCoreApplication::applicationDirPath() : cartella;
}

QString CartellaUtente()
{
    return servizi().cartellaUtente;
}

void Incrementa(qint16& conteggio)
{
    if (conteggio < std::numeric_limits<qint16>::max())
        ++conteggio;
}

void Decrementa(qint16& conteggio)
{
    if (conteggio > std::numeric_limits<qint16>::min())
        --conteggio;
}

void TerminaProgramma()
{
    Schermi::ChiudiTutto();
    QCoreApplication::exit(0);
}

} // namespace Modulo1
