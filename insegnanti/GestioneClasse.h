#pragma once
#include "registro/Archivio.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace Insegnanti {

// The class: every child with their symbol and name; adding, renaming,
// giving another symbol, moving to another class of the register (with
// their answers), removing (with all their answers, after a confirmation
// that says how many), and importing a class file.
class GestioneClasse : public QWidget {
    Q_OBJECT
public:
    explicit GestioneClasse(Registro::Deposito& archivio, QWidget* padre = nullptr);

    // The child chosen in the list; 0 when none.
    qint64 scelto() const;
    void scegli(qint64 bambino);

public slots:
    void aggiorna();
    void aggiungi();
    void modifica();
    void rimuovi();
    void sposta();
    void importa();

signals:
    // The class or its answers changed.
    void cambiata();

private:
    bool salva(const Registro::Bambino& bambino);
    void aggiornaPulsanti();

    Registro::Deposito& archivio;
    QListWidget* elenco;
    QPushButton* pulsanteModifica;
    QPushButton* pulsanteRimuovi;
    QPushButton* pulsanteSposta;
    bool altreClassi = false;  // the register holds another class to move to
};

} // namespace Insegnanti
