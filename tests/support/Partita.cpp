#include "tests/support/Partita.h"

#include "registro/Blocco.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "games/FORM2/FORM2.h"
#include "games/FormDomino/SchermoDomino.h"
#include "games/FormTrova/FormTrova.h"
#include "games/form1/form1.h"
#include "games/zirp3/zirp3.h"
#include "games/zirp7/zirp7.h"
#include "games/zirp8/zirp8.h"
#include "games/zirp9/zirp9.h"
#include "screens/MenuGiochi.h"
#include "screens/Programma.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"

#include <QAction>
#include <QTest>

namespace Partita {

namespace {

void Clic(QWidget* w)
{
    if (!w)
        qFatal("no control to click");
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    SvuotaEventi();
}

template <class T>
T& G(IdSchermo id)
{
    return ::Gioco<T>(id);
}

// Moves a finished turn on; true when the game now waits for an answer.
bool Avanti(Bottone* avanti)
{
    if (avanti && avanti->isEnabled())
        Clic(avanti);
    return !avanti || !avanti->isEnabled();
}

// The area (0 to 3) a block with words a and b belongs to, in the layout
// both two-attribute games share: yes-yes, yes-no, no-yes, no-no.
int Casella(bool a, bool b)
{
    return (a ? 0 : 2) + (b ? 0 : 1);
}

bool Rispondi(IdSchermo id, bool giusta)
{
    switch (id) {
    case IdSchermo::form1: {
        auto& g = G<form1>(id);
        if (!Avanti(g.controlli().bottoneavanti))
            return false;
        const bool uguali = g.ValoriConfronto[0] == g.ValoriConfronto[1];
        Clic(uguali == giusta ? g.controlli().UGUALI : g.controlli().DIVERSI);
        return true;
    }
    case IdSchermo::FORM2: {
        auto& g = G<FORM2>(id);
        if (g.ControlloAutomatico)
            return false;
        if (giusta)
            for (int k = 0; k < 4; ++k)
                if (g.Attributi[k + 1] == g.Attributi[0] && !g.controlli().Image1[k]->vuota())
                    Clic(g.controlli().Image1[k]);
        if (!giusta && g.NumeroInseriti == g.NumeroGiusti)
            return false;
        Clic(g.controlli().Command1);
        return true;
    }
    case IdSchermo::zirp3: {
        auto& g = G<zirp3>(id);
        if (!Avanti(g.controlli().bottoneavanti))
            return false;
        Clic(g.controlli().NUMERI[giusta ? g.NumeroGiusti : (g.NumeroGiusti + 1) % 10]);
        return true;
    }
    case IdSchermo::FormTrova: {
        auto& g = G<FormTrova>(id);
        if (!Avanti(g.controlli().bottoneavanti))
            return false;
        const auto& blocchi = g.controlli().Image1;
        const QString cercato = FormTrova::TagDi(blocchi[g.Bersaglio]);
        for (Immagine* blocco : blocchi)
            if ((FormTrova::TagDi(blocco) == cercato) == giusta) {
                Clic(blocco);
                return true;
            }
        return false;
    }
    case IdSchermo::zirp7: {
        auto& g = G<zirp7>(id);
        if (!Avanti(g.controlli().bottoneavanti))
            return false;
        const bool sinistra = g.a();
        Clic(g.controlli().Frame1[sinistra == giusta ? 0 : 1]);
        return true;
    }
    case IdSchermo::zirp8: {
        auto& g = G<zirp8>(id);
        if (!Avanti(g.controlli().bottoneavanti))
            return false;
        const int k = zirp8::AreaDi(g.Attributi[2] == g.Attributi[0], g.Attributi[3] == g.Attributi[1]);
        Clic(g.controlli().Frame1[giusta ? k : (k + 1) % 4]);
        return true;
    }
    case IdSchermo::zirp9: {
        auto& g = G<zirp9>(id);
        if (!Avanti(g.controlli().bottoneavanti))
            return false;
        const int k = Casella(g.Attributi[2] == g.Attributi[0], g.Attributi[3] == g.Attributi[1]);
        Clic(g.controlli().Frame1[giusta ? k : (k + 1) % 4]);
        return true;
    }
    case IdSchermo::FormDomino:
    case IdSchermo::FormDomino2: {
        auto& g = G<SchermoDomino>(id);
        Clic(g.controlli().Command1[giusta ? g.RispostaGiusta : (g.RispostaGiusta + 1) % 5]);
        return true;
    }
    default:
        return false;
    }
}

} // namespace

namespace {

// The block pictures a game shows as a turn starts: what the game is about,
// so each game of the catalogue must have its count here.
int BlocchiAllInizio(IdSchermo id)
{
    switch (id) {
    case IdSchermo::form1: return 2;
    case IdSchermo::FORM2: return 4;
    case IdSchermo::zirp3: return 9;
    case IdSchermo::FormTrova: return 12;
    case IdSchermo::zirp7:
    case IdSchermo::zirp8:
    case IdSchermo::zirp9: return 1;
    case IdSchermo::FormDomino:
    case IdSchermo::FormDomino2: return 2;
    default: qFatal("no count of the blocks a turn of game %d shows", int(id));
    }
}

} // namespace

const QList<VoceGioco>& Giochi()
{
    static const QList<VoceGioco> giochi = [] {
        QList<VoceGioco> elenco;
        for (const BottoneGioco& b : BottoniGiochi)
            elenco.append({b.gioco, b.didascalia, b.nome, BlocchiAllInizio(b.gioco)});
        return elenco;
    }();
    return giochi;
}

void AvviaFinoAlMenu()
{
    Modulo1::Main();
    SvuotaEventi();
    Clic(Ctl(IdSchermo::FormAvvio, "Label1"));
}

void ApriDalMenu(const VoceGioco& gioco)
{
    Clic(Ctl(IdSchermo::formMenu, gioco.bottoneMenu));
}

void TornaAlMenu(Ambiente& a, IdSchermo id)
{
    a.risposte.push_back(RispostaSi);
    for (QObject* o : Schermi::Trova(id)->finestra()->controlli())
        if (auto* voce = qobject_cast<QAction*>(o); voce && (o->objectName() == "mnuEsci" || o->objectName() == "mnuFine")) {
            voce->trigger();
            SvuotaEventi();
            return;
        }
    qFatal("no exit menu");
}

void RiapriDopoUnaRisposta(Ambiente& a, IdSchermo id)
{
    for (const VoceGioco& gioco : Giochi())
        if (gioco.id == id) {
            ApriDalMenu(gioco);
            if (!Giusta(id))
                qFatal("no right answer to give");
            TornaAlMenu(a, id);
            ApriDalMenu(gioco);
            return;
        }
    qFatal("not a game of the menu");
}

bool Giusta(IdSchermo id)
{
    return Rispondi(id, true);
}

bool Sbagliata(IdSchermo id)
{
    return Rispondi(id, false);
}

Figure ControllaFigure(IdSchermo id)
{
    Figure f;
    const Schermo* s = Schermi::Trova(id);
    if (!s || !s->finestra())
        return f;
    for (const Immagine* figura : s->finestra()->findChildren<Immagine*>()) {
        const QString nome = figura->accessibleName();
        const QStringList parole = nome.split(' ');
        const bool blocco = parole.size() == 4 && B(parole[0], parole[1], parole[2], parole[3]).valido();
        if (blocco && figura->vuota())
            f.difetti << QStringLiteral("%1 named \"%2\" shows nothing").arg(figura->objectName(), nome);
        else if (!figura->vuota() && nome.isEmpty())
            f.difetti << QStringLiteral("%1 shows a picture without a name").arg(figura->objectName());
        if (blocco && !figura->vuota())
            ++f.blocchi;
    }
    return f;
}

} // namespace Partita
