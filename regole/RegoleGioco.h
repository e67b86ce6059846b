#pragma once
#include "registro/Risposta.h"
#include "regole/Estrazioni.h"

#include <QList>
#include <QString>
#include <functional>

// What the rules of every game share: the screen's name, the draws and the
// clock they are given, the clock of the turn on show and the facts every
// judged answer carries. A game's rules class holds its turn state and
// decides right and wrong, and needs no widget; its screen inherits it, draws
// what it holds and hands each judged answer to the frame.
class RegoleGioco {
public:
    // Milliseconds on a clock that never goes back; empty: the system's
    // monotonic clock.
    using Orologio = std::function<qint64()>;

    virtual ~RegoleGioco() = default;

    // The screen's name, as answers record it ("form1" ... "FormDomino2").
    const QString& schermo() const { return nomeSchermo; }

    // The turn's question and blocks are on show from now: its answers are
    // timed from here.
    void IniziaTurno();
    qint64 MillisecondiDelTurno() const;
    // The attempt the next judged answer of the turn on show is: 1 for its
    // first, 2 and on for each retry after a wrong one; counted as the
    // answer is handed on.
    int ProssimoTentativo();
    // Milliseconds on the system's monotonic clock, from its first reading.
    static qint64 OrologioDiSistema();

    // The attributes this game's turns may ask: all four, unless a learning
    // path's step chooses fewer.
    const AttributiInGioco& InGioco() const { return inGioco; }
    // Sets them for the turns drawn from now; false, leaving them as they
    // were, where this game cannot be played with them (it chooses none, or
    // needs two).
    bool ImpostaAttributiInGioco(const AttributiInGioco& attributi);
    // Where a "su misura" step's weights come from, read afresh at each
    // draw (they change with every answer); empty, as without a path: every
    // attribute in play equally likely, the design's draw.
    using FontePesi = std::function<Estrazioni::Pesi()>;
    void ImpostaSuMisura(FontePesi pesi) { suMisura = std::move(pesi); }
    bool SuMisura() const { return bool(suMisura); }

    // The attribute's name as answers record it: 1 "forma", 2 "colore",
    // 3 "dimensione", 4 "spessore".
    static QString NomeAttributo(int criterio);
    // The attribute alone, asked without a value.
    static Registro::Domanda DomandaAttributo(int criterio) { return Condizione(criterio, {}); }
    // A condition on one attribute: its value, or "NON" its value.
    static Registro::Domanda Condizione(int criterio, const QString& valore, bool negata = false);

protected:
    RegoleGioco(const char* schermo, Estrazioni& caso, Orologio orologio)
        : caso(caso), nomeSchermo(QString::fromLatin1(schermo)), orologio(std::move(orologio))
    {
    }

    // Where a new turn draws its random background: the screen paints it,
    // the rules need none.
    virtual void NuovoSfondo() {}

    // One judged answer with this game's and this turn's common facts.
    Registro::Risposta Giudizio(bool esatta, const QString& risposta, QList<Registro::Domanda> domande,
                                QList<Blocco> blocchi) const;

    // The attribute a turn asks, through caso.Attributo or
    // caso.AttributoONiente: among those in play, weighted on a "su misura"
    // step.
    int AttributoDelTurno(const Estrazioni::OrdineAttributi& ordine = Estrazioni::OrdineComune);
    int AttributoONienteDelTurno(const Estrazioni::OrdineAttributi& ordine = Estrazioni::OrdineComune);

    // Where every random draw of the rules comes from.
    Estrazioni& caso;

private:
    FontePesi suMisura;
    QString nomeSchermo;
    Orologio orologio;
    qint64 inizioTurno = 0;
    int risposteDelTurno = 0;
    AttributiInGioco inGioco;
};
