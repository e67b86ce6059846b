#pragma once
#include "registro/Archivio.h"

#include <QWidget>

class QTableWidget;

namespace Insegnanti {

class GrigliaPadronanza;
class StimeClasse;

// The class at a glance: a row per child and one for guests, a column per
// game, each cell the right and wrong answers of the period on the colour of
// the share right; with the class's estimates, below it the grid of what
// each child has learned.
class VistaClasse : public QWidget {
    Q_OBJECT
public:
    explicit VistaClasse(const Registro::Deposito& archivio, QWidget* padre = nullptr, StimeClasse* stime = nullptr);
    // The period's rows, read on this thread, or with sulFilo (see
    // leggiSulFilo) on a thread of their own; the last period asked for is
    // the one shown, whatever order the readings end in.
    void mostra(const Registro::Periodo& periodo);
    // Whether mostra reads on a thread of its own (see LeggiSulFilo).
    void leggiSulFilo(bool si) { sulFilo = si; }
    // A reading asked for is not on show yet.
    bool inLettura() const { return mostrata != chiesta; }
    QTableWidget* tabella() const { return griglia; }
    // The grid of levels; none without estimates.
    GrigliaPadronanza* padronanza() const { return livelli; }

signals:
    // The teacher opened a child's row (0: the guests).
    void bambinoScelto(qint64 bambino);
    // The last rows asked for are on show; errore says why the register
    // could not be read for them, empty when it could.
    void lette(const QString& errore);

private:
    void mostraRighe(const QList<Registro::RigaClasse>& righe);

    bool sulFilo = false;
    quint64 chiesta = 0, mostrata = 0;  // readings begun, and the last one shown
    const Registro::Deposito& archivio;
    QTableWidget* griglia;
    GrigliaPadronanza* livelli = nullptr;
};

// The rows of the class at a glance, with the guests' row last even when no
// guest has played.
QList<Registro::RigaClasse> RigheClasse(const Registro::Deposito& archivio, const Registro::Periodo& periodo);
// What a child's name sorts by in a table: surname, then name.
QStringList ChiaveNome(const Registro::Bambino& bambino);
// The name a row shows: the child's full name, or "ospite".
QString NomeRiga(const Registro::Bambino& bambino);
// A game's caption broken into two lines near its middle, for a narrow
// column's header.
QString IntestazioneGioco(const QString& didascalia);

} // namespace Insegnanti
