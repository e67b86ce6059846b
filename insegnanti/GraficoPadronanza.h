#pragma once
#include "registro/Deposito.h"
#include "registro/Padronanza.h"

#include <QWidget>

class QChart;
class QChartView;
class QLabel;
class QTableWidget;

namespace Insegnanti {

class StimeClasse;

// What one child has learned: each skill's estimate day by day over the
// period (a line per skill, with the mastery criterion dashed at 0.95),
// each skill's level with the estimate and the number of first answers
// behind it, and the last ten of the skill chosen in that table (day, game,
// right or wrong). It shows the class's last estimates, and again each time
// new ones are ready.
class GraficoPadronanza : public QWidget {
    Q_OBJECT
public:
    explicit GraficoPadronanza(const StimeClasse& stime, QWidget* padre = nullptr);
    void mostra(qint64 bambino, const Registro::Periodo& periodo);

    QChart* grafico() const;
    QTableWidget* livelli() const { return tabellaLivelli; }
    QTableWidget* ultime() const { return tabellaUltime; }

private:
    void ridisegna();
    void mostraGrafico();
    void mostraLivelli();
    void mostraUltime();
    Registro::Padronanza::Abilita abilitaScelta() const;

    const StimeClasse& stime;
    qint64 bambino = 0;
    Registro::Periodo periodo;
    QChartView* vista;
    QTableWidget* tabellaLivelli;
    QLabel* titoloUltime;
    QTableWidget* tabellaUltime;
};

} // namespace Insegnanti
