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
    void mostra(const Registro::Periodo& periodo);
    QTableWidget* tabella() const { return griglia; }
    // The grid of levels; none without estimates.
    GrigliaPadronanza* padronanza() const { return livelli; }

signals:
    // The teacher opened a child's row (0: the guests).
    void bambinoScelto(qint64 bambino);

private:
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
