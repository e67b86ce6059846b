#include "games/FormDomino/RegoleDomino.h"


#include <QCoreApplication>

namespace {

// A word of the list other than attuale: words are drawn until one differs.
QString AltraParola(Estrazioni& caso, const QStringList& parole, const QString& attuale)
{
    QString parola;
    do
        parola = caso.ParolaCasuale(parole);
    while (parola == attuale);
    return parola;
}

} // namespace

void RegoleDomino::NuovaCatena()
{
    NuovoSfondo();
    Catena.fill({});
    caso.BloccoCasuale();
    Catena[0] = caso.BloccoCorrente();
    PassoCatena = 0;
    ScegliAltroBlocco();
    Aggiungi(1);
}

void RegoleDomino::ScegliAltroBlocco()
{
    // The attribute that changes (or stays), among those in play; 4: none.
    RispostaGiusta = qint16(AttributoONienteDelTurno() - 1);
    if (regola == Regola::CosaCambia) {
        // Only that one changes; with none, the same block comes again.
        switch (RispostaGiusta) {
        case 0: NuovaForma(); break;
        case 1: NuovoColore(); break;
        case 2: InvertiDimensione(); break;
        case 3: InvertiSpessore(); break;
        default: break;
        }
    } else {
        // The others change in this fixed order: thickness, size, colour, shape.
        if (RispostaGiusta != 3)
            InvertiSpessore();
        if (RispostaGiusta != 2)
            InvertiDimensione();
        if (RispostaGiusta != 1)
            NuovoColore();
        if (RispostaGiusta != 0)
            NuovaForma();
    }
    caso.PercorsoBlocco = caso.PercorsoDi(caso.BloccoCorrente());
}

int RegoleDomino::RispostaPer(const Blocco& prima, const Blocco& dopo) const
{
    return UnicoAttributo(prima, dopo, regola == Regola::CosaRestaUguale);
}

QString RegoleDomino::Lettera(int i)
{
    return QCoreApplication::translate("Lettere", Risposte[i].lettera);
}

Registro::Risposta RegoleDomino::GiudicaRisposta(int Index) const
{
    QList<Registro::Domanda> domande;
    if (RispostaGiusta < 4)
        domande.append(DomandaAttributo(RispostaGiusta + 1));
    return Giudizio(Index == RispostaGiusta, QString::fromLatin1(Risposte[Index].parola), domande,
                    {Catena[PassoCatena], Catena[PassoCatena + 1]});
}

bool RegoleDomino::Avanza()
{
    ++PassoCatena;
    if (PassoCatena == Passi)
        return false;
    ScegliAltroBlocco();
    Aggiungi(PassoCatena + 1);
    return true;
}

void RegoleDomino::Aggiungi(int posizione)
{
    Catena[posizione] = caso.BloccoCorrente();
    IniziaTurno();
}

void RegoleDomino::NuovaForma()
{
    caso.FormaBlocco = AltraParola(caso, Parole::Forme, caso.FormaBlocco);
}

void RegoleDomino::NuovoColore()
{
    caso.ColoreBlocco = AltraParola(caso, Parole::Colori, caso.ColoreBlocco);
}

void RegoleDomino::InvertiDimensione()
{
    caso.DimensioneBlocco =
        caso.DimensioneBlocco == QLatin1String("grande") ? QStringLiteral("piccolo") : QStringLiteral("grande");
}

void RegoleDomino::InvertiSpessore()
{
    caso.SpessoreBlocco =
        caso.SpessoreBlocco == QLatin1String("spesso") ? QStringLiteral("sottile") : QStringLiteral("spesso");
}

int RegoleDomino::UnicoAttributo(const Blocco& prima, const Blocco& dopo, bool uguali)
{
    int trovato = 4;
    for (int attributo = 0; attributo < 4; ++attributo) {
        if ((prima.parola(attributo + 1) == dopo.parola(attributo + 1)) != uguali)
            continue;
        if (trovato != 4)
            return -1;
        trovato = attributo;
    }
    return trovato;
}
