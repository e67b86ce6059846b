#pragma once
#include "registro/Archivio.h"

#include <QWidget>

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
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

// Time spent playing as the teacher reads it: "1 h 20 min", "12 min",
// "meno di 1 min"; "–" for none.
QString TestoDurata(qint64 millisecondi);
// The last day a child played in the period and the time spent, in a
// sentence; that the child did not play, when no answer is in the period.
QString TestoTempo(const Registro::SchedaBambino& scheda);

// One child over a period: the share right for each attribute and for
// conditions with and without "NON", a chart of each share week by week
// (the lines the teacher ticks), the items most often wrong, the last day
// played and the time spent, and the teacher's note on the child; with the
// class's estimates, beside them what the child has learned.
class VistaBambino : public QWidget {
    Q_OBJECT
public:
    explicit VistaBambino(Registro::Deposito& archivio, QWidget* padre = nullptr, StimeClasse* stime = nullptr);

    // The children to choose from, keeping the one chosen where it still is.
    void aggiornaClasse();
    void scegli(qint64 bambino);
    qint64 scelto() const;
    // The chosen child's record over the period, read on this thread, or
    // with leggiSulFilo on a thread of its own: the last child and period
    // asked for are the ones shown, whatever order the readings end in.
    void mostra(const Registro::Periodo& periodo);
    void leggiSulFilo(bool si) { sulFilo = si; }
    // A record asked for is not on show yet.
    bool inLettura() const { return mostrata != chiesta; }

    QTableWidget* quote() const { return tabellaQuote; }
    QChart* grafico() const;
    QTableWidget* errori() const { return tabellaErrori; }
    // What the child has learned, and the evidence; none without estimates.
    GraficoPadronanza* padronanza() const { return stimeBambino; }
    ProvePadronanza* prove() const { return proveBambino; }
    // The check box of each line of the chart, in GruppiScheda() order.
    const QList<QCheckBox*>& linee() const { return sceltaLinee; }
    QLabel* tempo() const { return etichettaTempo; }
    QPlainTextEdit* nota() const { return campoNota; }
    QLabel* esitoNota() const { return etichettaNota; }

    // Saves the note shown when it was changed: true when it was saved or
    // needed no saving; otherwise the page says why, and it stays to be
    // saved again. The note is saved too when the field loses the focus,
    // and before another child is shown.
    bool salvaNota();

signals:
    void sceltoCambiato();
    // The last record asked for is on show; errore says why the register
    // could not be read for it, empty when it could.
    void letta(const QString& errore);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void mostraQuote(const Registro::SchedaBambino& scheda);
    void mostraGrafico(const Registro::SchedaBambino& scheda);
    void mostraErrori(const Registro::SchedaBambino& scheda);
    void mostraTempo(const Registro::SchedaBambino& scheda);
    void mostraNota();
    void mostraLinee();
    QWidget* creaNota();
    QWidget* creaLinee();

    Registro::Deposito& archivio;
    bool sulFilo = false;
    quint64 chiesta = 0, mostrata = 0;  // records asked for, and the last one shown
    Registro::Periodo ultimo;
    QComboBox* bambini;
    QTableWidget* tabellaQuote;
    QChartView* vistaGrafico;
    QList<QCheckBox*> sceltaLinee;
    QTableWidget* tabellaErrori;
    GraficoPadronanza* stimeBambino = nullptr;
    ProvePadronanza* proveBambino = nullptr;
    QLabel* etichettaTempo;
    QPlainTextEdit* campoNota;
    QLabel* etichettaNota;
    qint64 bambinoDellaNota = 0;
};

} // namespace Insegnanti
