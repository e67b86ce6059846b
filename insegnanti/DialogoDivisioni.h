#pragma once
#include "registro/FileClasse.h"

#include <QDialog>

class QComboBox;
class QTableWidget;

namespace Insegnanti {

// The children of a class file whose one cell of surname and name splits in
// more than one way ("ROSSI BIANCHI ANNA"): for each, the cell as the file
// holds it, the surname chosen among its readings (the likeliest offered
// first) and the name that leaves. Importing takes the readings shown.
class DialogoDivisioni : public QDialog {
    Q_OBJECT
public:
    explicit DialogoDivisioni(const QList<Registro::Alunno>& incerti, QWidget* padre = nullptr);
    // The children with the readings now chosen.
    QList<Registro::Alunno> alunni() const;
    // The table, its second column the surnames' choices.
    QTableWidget* tabella() const { return righe; }

private:
    void mostraNome(int riga);

    QList<Registro::Alunno> incerti;
    QTableWidget* righe;
};

} // namespace Insegnanti
