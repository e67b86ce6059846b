#include "insegnanti/SceltaPeriodo.h"

#include "insegnanti/Testo.h"


#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>

namespace Insegnanti {

SceltaPeriodo::SceltaPeriodo(QWidget* padre)
    : QWidget(padre), scelta(new QComboBox), dal(new QDateEdit), al(new QDateEdit)
{
    scelta->setObjectName(QStringLiteral("periodo"));
    dal->setObjectName(QStringLiteral("dal"));
    al->setObjectName(QStringLiteral("al"));
    scelta->addItems({Testo::tr("oggi"), Testo::tr("questa settimana"), Testo::tr("questo mese"),
                      Testo::tr("l'anno scolastico"), Testo::tr("tutto il registro"),
                      Testo::tr("date a scelta")});
    for (QDateEdit* data : {dal, al}) {
        data->setCalendarPopup(true);
        data->setDisplayFormat(Testo::tr("dd/MM/yyyy"));
        data->setDate(QDate::currentDate());
    }
    auto* riga = new QHBoxLayout(this);
    riga->setContentsMargins(0, 0, 0, 0);
    auto* etichetta = new QLabel(Testo::tr("Perio&do:"));
    etichetta->setBuddy(scelta);
    riga->addWidget(etichetta);
    riga->addWidget(scelta);
    riga->addWidget(new QLabel(Testo::tr("dal")));
    riga->addWidget(dal);
    riga->addWidget(new QLabel(Testo::tr("al")));
    riga->addWidget(al);
    riga->addStretch();

    scelta->setCurrentIndex(AnnoScolastico);
    aggiornaDate();
    connect(scelta, &QComboBox::currentIndexChanged, this, [this] {
        aggiornaDate();
        emit cambiato();
    });
    for (QDateEdit* data : {dal, al})
        connect(data, &QDateEdit::dateChanged, this, [this] {
            if (scelta->currentIndex() == DateScelte)
                emit cambiato();
        });
}

Registro::Periodo SceltaPeriodo::periodo() const
{
    switch (scelta->currentIndex()) {
    case Oggi: return Registro::Periodo::Oggi();
    case Settimana: return Registro::Periodo::Settimana();
    case Mese: return Registro::Periodo::Mese();
    case AnnoScolastico: return Registro::Periodo::AnnoScolastico();
    case Tutto: return {};
    }
    // Two days given the wrong way round still mean the days between them.
    return {std::min(dal->date(), al->date()), std::max(dal->date(), al->date())};
}

QString SceltaPeriodo::descrizione() const
{
    return DescriviPeriodo(periodo());
}

void SceltaPeriodo::scegli(Scelta s, QDate inizio, QDate fine)
{
    const QSignalBlocker fermo(this);
    if (inizio.isValid())
        dal->setDate(inizio);
    if (fine.isValid())
        al->setDate(fine);
    scelta->setCurrentIndex(s);
    aggiornaDate();
}

// The two fields show the days of every period, and take the teacher's only
// with "date a scelta".
void SceltaPeriodo::aggiornaDate()
{
    const bool scelte = scelta->currentIndex() == DateScelte;
    dal->setEnabled(scelte);
    al->setEnabled(scelte);
    if (scelte)
        return;
    const QSignalBlocker fermoDal(dal), fermoAl(al);
    const Registro::Periodo p = periodo();
    if (p.dal)
        dal->setDate(*p.dal);
    if (p.al)
        al->setDate(*p.al);
}

QString TestoGiorno(const QDate& giorno)
{
    return LocaleMostrata().toString(giorno, Testo::tr("d MMMM yyyy"));
}

QString DescriviPeriodo(const Registro::Periodo& periodo)
{
    if (periodo.dal && periodo.al && *periodo.dal == *periodo.al)
        return *periodo.dal == QDate::currentDate() ? Testo::tr("oggi, %1").arg(TestoGiorno(*periodo.dal))
                                                    : Testo::tr("il %1").arg(TestoGiorno(*periodo.dal));
    if (periodo.dal && periodo.al)
        return Testo::tr("dal %1 al %2").arg(TestoGiorno(*periodo.dal), TestoGiorno(*periodo.al));
    if (periodo.dal)
        return Testo::tr("dal %1").arg(TestoGiorno(*periodo.dal));
    if (periodo.al)
        return Testo::tr("fino al %1").arg(TestoGiorno(*periodo.al));
    return Testo::tr("tutto il registro");
}

} // namespace Insegnanti
