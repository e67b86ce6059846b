#pragma once
#include "registro/Deposito.h"
#include "registro/Padronanza.h"

#include <QChartView>
#include <QWidget>

class QLabel;
class QTableWidget;

namespace Insegnanti {

class StimeClasse;

// What one child has learned, day by day: a line per skill of its estimate
// at the end of each day of the period the child answered on it, from 0 to
// 1, with the mastery criterion dashed at 0.95. It shows the class's last
// estimates, and again each time new ones are ready.
class GraficoPadronanza : public QChartView {
    Q_OBJECT
public:
    explicit GraficoPadronanza(const StimeClasse& stime, QWidget* padre = nullptr);
    void mostra(qint64 bambino, const Registro::Periodo& periodo);

private:
    void ridisegna();

    const StimeClasse& stime;
    qint64 bambino = 0;
    Registro::Periodo periodo;
};

// The evidence behind one child's levels: each skill's level (the estimate
// in its tooltip) with the number of first answers behind it, and the last ten
// first answers (day, game, right or wrong) of the skill chosen there.
class ProvePadronanza : public QWidget {
    Q_OBJECT
public:
    explicit ProvePadronanza(const StimeClasse& stime, QWidget* padre = nullptr);
    void mostra(qint64 bambino);

    QTableWidget* livelli() const { return tabellaLivelli; }
    QTableWidget* ultime() const { return tabellaUltime; }

private:
    void mostraLivelli();
    void mostraUltime();
    Registro::Padronanza::Abilita abilitaScelta() const;

    const StimeClasse& stime;
    qint64 bambino = 0;
    QTableWidget* tabellaLivelli;
    QLabel* titoloUltime;
    QTableWidget* tabellaUltime;
};

} // namespace Insegnanti
