#pragma once
#include "registro/Bambino.h"
#include "registro/PercorsiClasse.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace Insegnanti {

// A child's first name (required), surname (optional) and symbol, chosen
// from a grid that offers only the symbols no other child has, and, in a
// class that has groups, the child's group: adding a child, renaming,
// giving another symbol, moving to another group.
class DialogoBambino : public QDialog {
    Q_OBJECT
public:
    // liberi: the keys of the symbols offered, in the order of
    // Registro::Simboli(); the child's own symbol is offered as well.
    DialogoBambino(const Registro::Bambino& iniziale, const QStringList& liberi, QWidget* padre = nullptr);
    // gruppi: the class's groups, offered with "no group"; none: no choice.
    DialogoBambino(const Registro::Bambino& iniziale, const QStringList& liberi, const QList<Registro::Gruppo>& gruppi,
                   QWidget* padre = nullptr);
    // The child as the fields now say.
    Registro::Bambino bambino() const;

private:
    void aggiornaConferma();

    Registro::Bambino iniziale;
    QLineEdit* nome;
    QLineEdit* cognome;
    QListWidget* simboli;
    QComboBox* gruppo = nullptr;
    QPushButton* conferma;
};

// The keys of the symbols that no child of classe has, but escluso (the
// child being changed), in the order of Registro::Simboli().
QStringList SimboliLiberi(const QList<Registro::Bambino>& classe, qint64 escluso = 0);

} // namespace Insegnanti
