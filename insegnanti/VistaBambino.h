#pragma once
#include "registro/Archivio.h"

#include <QWidget>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QTableWidget;

namespace Insegnanti {

class GraficoPadronanza;
class ProvePadronanza;
class StimeClasse;

// A group of a child's record as the teacher reads it: an attribute by the
// blocks' word for it, conditions by their name (breve: the shorter one of
// a chart's legend), in the language shown.
QString NomeGruppo(const Registro::GruppoScheda& gruppo, bool breve = false);
// The names of every group of Registro::GruppiScheda(), in order.
QStringList VociScheda();

// One child over a period: the share right for each attribute and for
// conditions with and without "NON", a chart of each share week by week, and
// the items most often wrong; with the class's estimates, beside them what
// the child has learned.
class VistaBambino : public QWidget {
    Q_OBJECT
public:
    explicit VistaBambino(const Registro::Deposito& archivio, QWidget* padre = nullptr, StimeClasse* stime = nullptr);

    // The children to choose from, keeping the one chosen where it still is.
    void aggiornaClasse();
    void scegli(qint64 bambino);
    qint64 scelto() const;
    void mostra(const Registro::Periodo& periodo);

    QTableWidget* quote() const { return tabellaQuote; }
    QChart* grafico() const;
    QTableWidget* errori() const { return tabellaErrori; }
    // What the child has learned, and the evidence; none without estimates.
    GraficoPadronanza* padronanza() const { return stimeBambino; }
    ProvePadronanza* prove() const { return proveBambino; }

signals:
    void sceltoCambiato();

private:
    void mostraQuote(const Registro::SchedaBambino& scheda);
    void mostraGrafico(const Registro::SchedaBambino& scheda);
    void mostraErrori(const Registro::SchedaBambino& scheda);

    const Registro::Deposito& archivio;
    Registro::Periodo ultimo;
    QComboBox* bambini;
    QTableWidget* tabellaQuote;
    QChartView* vistaGrafico;
    QTableWidget* tabellaErrori;
    GraficoPadronanza* stimeBambino = nullptr;
    ProvePadronanza* proveBambino = nullptr;
};

} // namespace Insegnanti
