#include "insegnanti/Ordinamento.h"


#include <QCollator>
#include <QHeaderView>
#include <QTableWidget>

namespace Insegnanti {

namespace {

// Italian collation, as the children's register is read: letter case and
// accents as a person sorts them, numbers in names by their value.
const QCollator& Collazione()
{
    static const QCollator ordine = [] {
        QCollator c{QLocale(QLocale::Italian)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return ordine;
}

// Texts compared one by one (a surname, then a name).
int Confronta(const QStringList& a, const QStringList& b)
{
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        if (const int c = Collazione().compare(a[i], b[i]))
            return c;
    return int(a.size() - b.size());
}

bool DiTesto(const QVariant& v)
{
    return v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QStringList;
}

} // namespace

bool VoceOrdinata::operator<(const QTableWidgetItem& altra) const
{
    const QVariant a = data(RuoloOrdine), b = altra.data(RuoloOrdine);
    if (!a.isValid() || !b.isValid()) {
        if (a.isValid() == b.isValid())
            return false;
        // A descending sort puts the "greater" first: there, the empty is
        // the least, so that it still comes last.
        const QTableWidget* t = tableWidget();
        const bool discendente = t && t->horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
        return discendente ? !a.isValid() : !b.isValid();
    }
    if (!DiTesto(a) && !DiTesto(b))
        return a.toDouble() < b.toDouble();
    return Confronta(a.toStringList(), b.toStringList()) < 0;
}

VoceOrdinata* Ordinata(const QString& testo, const QVariant& chiave)
{
    auto* voce = new VoceOrdinata(testo);
    voce->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    voce->setData(RuoloOrdine, chiave);
    return voce;
}

void Ordinabile(QTableWidget* tabella)
{
    // No column chosen yet: the rows stay as the register gives them.
    tabella->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    tabella->setSortingEnabled(true);
    QObject::connect(tabella->model(), &QAbstractItemModel::layoutChanged, tabella, [tabella] {
        for (int r = 0; r < tabella->rowCount(); ++r)
            if (const QTableWidgetItem* prima = tabella->item(r, 0); prima && prima->data(RuoloTitoloRiga).isValid())
                tabella->setVerticalHeaderItem(r, new QTableWidgetItem(prima->data(RuoloTitoloRiga).toString()));
    });
}

Riempimento::Riempimento(QTableWidget* t) : tabella(t), ordinava(t->isSortingEnabled())
{
    tabella->setSortingEnabled(false);
}

Riempimento::~Riempimento()
{
    tabella->setSortingEnabled(ordinava);
}

} // namespace Insegnanti
