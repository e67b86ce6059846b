#pragma once
#include "registro/Archivio.h"

#include <QWidget>

class QComboBox;
class QDateEdit;

namespace Insegnanti {

// The period the teacher looks at: today, this week, this month, the school
// year, the whole register, or two days of the teacher's choice.
class SceltaPeriodo : public QWidget {
    Q_OBJECT
public:
    enum Scelta { Oggi, Settimana, Mese, AnnoScolastico, Tutto, DateScelte };
    explicit SceltaPeriodo(QWidget* padre = nullptr);

    Registro::Periodo periodo() const;
    // In words, for reports: "dal 1 settembre 2026 al 9 dicembre 2026".
    QString descrizione() const;
    void scegli(Scelta scelta, QDate dal = {}, QDate al = {});

signals:
    void cambiato();

private:
    void aggiornaDate();

    QComboBox* scelta;
    QDateEdit* dal;
    QDateEdit* al;
};

// A day as the program writes it: "9 dicembre 2026".
QString TestoGiorno(const QDate& giorno);
// A period in words: "oggi", "dal 1 settembre 2026 al 9 dicembre 2026",
// "fino al ...", "tutto il registro".
QString DescriviPeriodo(const Registro::Periodo& periodo);

} // namespace Insegnanti
