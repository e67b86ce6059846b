#pragma once
#include "registro/Deposito.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace Insegnanti {

// The school's computers that send answers to the server: each one's
// answers still queued and its last contact, those with a queue first. A
// computer with a queue that has not been heard from for a while is one to
// look at (switched off, or its network down).
class VistaComputer : public QWidget {
    Q_OBJECT
public:
    explicit VistaComputer(const Registro::Deposito& archivio, QWidget* padre = nullptr);
    void mostra();
    QTableWidget* tabella() const { return griglia; }

private:
    const Registro::Deposito& archivio;
    QTableWidget* griglia;
    QLabel* riassunto;
};

// A moment in local time for the teacher: "oggi alle 10:05", "ieri alle
// 8:30", or "3 marzo 2027 alle 9:15".
QString TestoMomento(const QDateTime& momento, const QDate& oggi = QDate::currentDate());

} // namespace Insegnanti
