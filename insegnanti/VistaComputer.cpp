#include "insegnanti/VistaComputer.h"

#include "insegnanti/Ordinamento.h"
#include "insegnanti/SceltaPeriodo.h"
#include "insegnanti/Testo.h"


#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace Insegnanti {

namespace {

QTableWidgetItem* Voce(const QString& testo, const QVariant& chiave,
                       Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignVCenter)
{
    QTableWidgetItem* voce = Ordinata(testo, chiave);
    voce->setTextAlignment(allineamento);
    return voce;
}

} // namespace

VistaComputer::VistaComputer(const Registro::Deposito& a, QWidget* padre)
    : QWidget(padre), archivio(a), griglia(new QTableWidget), riassunto(new QLabel)
{
    griglia->setObjectName(QStringLiteral("computer"));
    griglia->setColumnCount(3);
    griglia->setHorizontalHeaderLabels(
        {Testo::tr("Computer"), Testo::tr("Risposte in coda"), Testo::tr("Ultimo contatto")});
    griglia->verticalHeader()->hide();
    griglia->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Ordinabile(griglia);
    riassunto->setWordWrap(true);
    auto* legenda = new QLabel(Testo::tr(
        "Le risposte in coda sono su quel computer e non ancora nel registro del server: arrivano "
        "quando il computer è acceso e raggiunge il server. In cima i computer che ne hanno ancora."));
    legenda->setWordWrap(true);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(riassunto);
    colonna->addWidget(griglia, 1);
    colonna->addWidget(legenda);
}

void VistaComputer::mostra()
{
    const QList<Registro::Computer> elenco = archivio.computer().value_or(QList<Registro::Computer>{});
    const Riempimento riempimento(griglia);
    griglia->clearContents();
    griglia->setRowCount(int(elenco.size()));
    int conCoda = 0;
    for (int r = 0; r < elenco.size(); ++r) {
        const Registro::Computer& c = elenco[r];
        conCoda += c.coda > 0;
        griglia->setItem(r, 0, Voce(c.nome, c.nome));
        griglia->setItem(r, 1, Voce(QString::number(c.coda), c.coda, Qt::AlignRight | Qt::AlignVCenter));
        // "mai" last, whichever way the column is sorted.
        griglia->setItem(r, 2, Voce(TestoMomento(c.ultimoContatto),
                                    c.ultimoContatto.isValid() ? QVariant(c.ultimoContatto.toMSecsSinceEpoch()) : QVariant()));
        if (c.coda > 0)
            for (int colonna = 0; colonna < 3; ++colonna) {
                QFont grassetto = griglia->item(r, colonna)->font();
                grassetto.setBold(true);
                griglia->item(r, colonna)->setFont(grassetto);
            }
    }
    riassunto->setText(elenco.isEmpty() ? Testo::tr("Nessun computer ha ancora inviato risposte al server.")
                       : conCoda == 0  ? Testo::tr("Tutti i computer hanno inviato le loro risposte.")
                                       : Testo::conta("%n computer hanno ancora risposte in coda.", "", conCoda));
}

QString TestoMomento(const QDateTime& momento, const QDate& oggi)
{
    if (!momento.isValid())
        return Testo::tr("mai");
    const QDateTime locale = momento.toLocalTime();
    const QString ora = locale.time().toString(QStringLiteral("H:mm"));
    const QDate giorno = locale.date();
    if (giorno == oggi)
        return Testo::tr("oggi alle %1").arg(ora);
    if (giorno == oggi.addDays(-1))
        return Testo::tr("ieri alle %1").arg(ora);
    return Testo::tr("%1 alle %2").arg(TestoGiorno(giorno), ora);
}

} // namespace Insegnanti
