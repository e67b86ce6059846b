#pragma once
#include "registro/Deposito.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace Insegnanti {

// The school's classes, for the head of school and the technician (a login
// of the school's management): every class with the login users it is
// granted to, a teacher's or a computer's; a new class, a class granted to
// one more user, a grant taken back. The server decides who may do it.
class VistaScuola : public QWidget {
    Q_OBJECT
public:
    explicit VistaScuola(Registro::Deposito& archivio, QWidget* padre = nullptr);
    void mostra();
    QTreeWidget* albero() const { return classi; }

public slots:
    void crea();
    void assegna();
    void togli();

signals:
    // A class was created: the class selector reads the classes again.
    void cambiata();

private:
    // The class of the row chosen, or of the user row chosen; 0 when none.
    qint64 classeScelta() const;
    void aggiornaPulsanti();

    Registro::Deposito& archivio;
    QTreeWidget* classi;
    QLabel* riassunto;
    QPushButton* pulsanteAssegna;
    QPushButton* pulsanteTogli;
};

} // namespace Insegnanti
