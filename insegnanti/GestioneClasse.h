#pragma once
#include "registro/Archivio.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace Insegnanti {

class GestioneGruppi;

// The class: every child with their symbol, name and group; adding,
// renaming, giving another symbol or another group, moving to another class
// of the register (with their answers), removing (with all their answers,
// after a confirmation that says how many), and importing a class file;
// beside them, the class's groups.
class GestioneClasse : public QWidget {
    Q_OBJECT
public:
    explicit GestioneClasse(Registro::Deposito& archivio, QWidget* padre = nullptr);

    // The child chosen in the list; 0 when none.
    qint64 scelto() const;
    void scegli(qint64 bambino);
    GestioneGruppi* gruppi() const { return gestioneGruppi; }

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
    // The child as the teacher changes them, with their group where the
    // class has groups; nothing when she gives up.
    std::optional<Registro::Bambino> chiedi(const Registro::Bambino& iniziale, const QStringList& liberi);
    void aggiornaPulsanti();

    Registro::Deposito& archivio;
    QListWidget* elenco;
    QPushButton* pulsanteModifica;
    QPushButton* pulsanteRimuovi;
    QPushButton* pulsanteSposta;
    GestioneGruppi* gestioneGruppi;
    bool altreClassi = false;  // the register holds another class to move to
};

} // namespace Insegnanti
