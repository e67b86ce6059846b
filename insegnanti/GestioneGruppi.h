#pragma once
#include "registro/Deposito.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace Insegnanti {

// The class's groups ("piccoli", "mezzani", "grandi"; reading groups), each
// with how many children it has: a new group, one renamed, one removed
// (its children stay in the class, in no group). A child joins a group in
// the child's dialog.
class GestioneGruppi : public QWidget {
    Q_OBJECT
public:
    explicit GestioneGruppi(Registro::Deposito& archivio, QWidget* padre = nullptr);

    // The groups read again, counted among bambini (the class's children).
    void mostra(const QList<Registro::Bambino>& bambini);
    // The group chosen; 0 when none.
    qint64 scelto() const;
    void scegli(qint64 gruppo);
    QListWidget* elenco() const { return lista; }

public slots:
    void nuovo();
    void rinomina();
    void rimuovi();

signals:
    // The groups changed.
    void cambiati();

private:
    bool salva(const Registro::Gruppo& gruppo);
    void aggiornaPulsanti();

    Registro::Deposito& archivio;
    QListWidget* lista;
    QPushButton* pulsanteRinomina;
    QPushButton* pulsanteRimuovi;
    QHash<qint64, int> quanti;  // children of each group
};

} // namespace Insegnanti
