#pragma once
#include "registro/Archivio.h"

#include <QWidget>
#include <array>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QTableWidget;

namespace Insegnanti {

// The six shares a child's page shows, in order: the four attributes, then
// conditions without and with "NON". Fits SchedaBambino and its weeks alike.
QStringList VociScheda();
template <class T>
std::array<Registro::Conto, 6> ContiScheda(const T& s)
{
    return {s.forma, s.colore, s.dimensione, s.spessore, s.senzaNon, s.conNon};
}

// One child over a period: the share right for each attribute and for
// conditions with and without "NON", a chart of each share week by week, and
// the items most often wrong.
class VistaBambino : public QWidget {
    Q_OBJECT
public:
    explicit VistaBambino(const Registro::Deposito& archivio, QWidget* padre = nullptr);

    // The children to choose from, keeping the one chosen where it still is.
    void aggiornaClasse();
    void scegli(qint64 bambino);
    qint64 scelto() const;
    void mostra(const Registro::Periodo& periodo);

    QTableWidget* quote() const { return tabellaQuote; }
    QChart* grafico() const;
    QTableWidget* errori() const { return tabellaErrori; }

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
};

} // namespace Insegnanti
