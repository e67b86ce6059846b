#pragma once
#include <QTableWidgetItem>
#include <QVariant>

class QTableWidget;

namespace Insegnanti {

// The teachers' tables sort by a click on a column's title. Each cell sorts
// by the key it keeps under RuoloOrdine: a number as a number; a text, or
// a list of texts compared one after the other (a surname, then a name),
// in Italian collation (letter case and accents as a person sorts them,
// "2" before "10"); and a cell without a key (nothing to count) last,
// whichever way the column is sorted.
inline constexpr int RuoloOrdine = Qt::UserRole + 40;
// On a row's first cell: the title of its row in the vertical header,
// which then moves with the row.
inline constexpr int RuoloTitoloRiga = Qt::UserRole + 41;

class VoceOrdinata : public QTableWidgetItem {
public:
    explicit VoceOrdinata(const QString& testo = {}) : QTableWidgetItem(testo, QTableWidgetItem::UserType) {}
    bool operator<(const QTableWidgetItem& altra) const override;
    QTableWidgetItem* clone() const override { return new VoceOrdinata(*this); }
};

// A cell that shows testo and sorts by chiave (a number, a text or a list
// of texts; an invalid QVariant: last).
VoceOrdinata* Ordinata(const QString& testo, const QVariant& chiave);

// Makes a table sortable by its columns, at first in the order it is
// filled; the vertical header's titles, where the rows have them, follow
// their rows.
void Ordinabile(QTableWidget* tabella);

// While it lives, the table does not sort (so that filling it row by row
// does not move rows under the filler); then it sorts again as the
// teacher last asked.
class Riempimento {
public:
    explicit Riempimento(QTableWidget* tabella);
    ~Riempimento();
    Riempimento(const Riempimento&) = delete;
    Riempimento& operator=(const Riempimento&) = delete;

private:
    QTableWidget* tabella;
    bool ordinava;
};

} // namespace Insegnanti
