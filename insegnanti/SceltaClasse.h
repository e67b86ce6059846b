#pragma once
#include "registro/Deposito.h"

#include <QWidget>

class QComboBox;
class QPushButton;

namespace Insegnanti {

// The class the window shows, among the register's classes, with its name
// and school year; a new class, the chosen one renamed, and the new school
// year for every class at once. The register keeps the choice: every view
// reads the chosen class.
class SceltaClasse : public QWidget {
    Q_OBJECT
public:
    explicit SceltaClasse(Registro::Deposito& archivio, QWidget* padre = nullptr);

    // Reads the register's classes again and shows the chosen one; when
    // none is chosen yet, the first is. The window's refresh calls it first,
    // so that a register on a server is never read before the window shows.
    void aggiorna();
    QComboBox* elenco() const { return scelta; }

public slots:
    void nuova();
    void rinomina();
    void nuovoAnno();

signals:
    // Another class was chosen, or the classes changed: every view reads again.
    void cambiata();

private:
    Registro::Deposito& archivio;
    QComboBox* scelta;
    QPushButton* pulsanteRinomina;
};

// Stores a class the teacher gave (a new one, or one renamed), after
// ControllaClasse; tells her why when it cannot be stored.
std::optional<Registro::Classe> SalvaClasse(Registro::Deposito& archivio, QWidget* padre,
                                            const Registro::Classe& classe);
// A new class of this school year, asked of the teacher and stored.
std::optional<Registro::Classe> CreaClasse(Registro::Deposito& archivio, QWidget* padre);

} // namespace Insegnanti
