#pragma once
#include "registro/FileClasse.h"

#include <QDialog>

class QComboBox;
class QLabel;

namespace Insegnanti {

// The children of a class file whose one cell of surname and name splits in
// more than one way ("ROSSI BIANCHI ANNA"): for each, the cell as the file
// holds it, the surname chosen among its readings (the likeliest offered
// first) and the name that leaves. Importing takes the readings shown. Row
// r's controls are named "cella_r", "cognome_r" (the choice, reached with
// Tab like any control) and "nome_r".
class DialogoDivisioni : public QDialog {
    Q_OBJECT
public:
    explicit DialogoDivisioni(const QList<Registro::Alunno>& incerti, QWidget* padre = nullptr);
    // The children with the readings now chosen.
    QList<Registro::Alunno> alunni() const;

private:
    QList<Registro::Alunno> incerti;
    QList<QComboBox*> cognomi;
};

} // namespace Insegnanti
