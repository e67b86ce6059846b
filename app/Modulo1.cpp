#include "app/Modulo1.h"
#include "media/Testi.h"

#include "app/Servizi.h"
#include "media/Lingua.h"
#include "media/Voci.h"

#include <QCoreApplication>
#include <limits>

namespace Modulo1 {

Estrazioni EstrazioniGioco{[] { return servizi().caso->rnd(); },
                           [](const Blocco& blocco) { return blocco.percorso(CartellaApplicazione()); }};

double Rnd()
{
    return EstrazioniGioco.Rnd();
}

int Estrai(int k)
{
    return EstrazioniGioco.Estrai(k);
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

void SuonoFesta()
{
    if (SuonoAttivo)
        Suona(SuoniRisposta().first());
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

void FormaCasuale() { EstrazioniGioco.FormaCasuale(); }
void ColoreBloccoCasuale() { EstrazioniGioco.ColoreBloccoCasuale(); }
void DimensioneCasuale() { EstrazioniGioco.DimensioneCasuale(); }
void SpessoreCasuale() { EstrazioniGioco.SpessoreCasuale(); }
void BloccoCasuale() { EstrazioniGioco.BloccoCasuale(); }

Blocco BloccoCorrente()
{
    return EstrazioniGioco.BloccoCorrente();
}

void ImpostaBloccoCorrente(const Blocco& blocco)
{
    EstrazioniGioco.ImpostaBloccoCorrente(blocco);
}

QString PercorsoDi(const Blocco& blocco)
{
    return EstrazioniGioco.PercorsoDi(blocco);
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

} // namespace Modulo1
