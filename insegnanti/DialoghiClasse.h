#pragma once
#include "registro/Classe.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace Insegnanti {

// The name a class takes in the next school year: its leading number
// raised by one ("1A" -> "2A", "Classe 3" stays), otherwise the same name.
QString NomeSeguente(const QString& nome);

// A class's name and school year ("2026/27"), and whether its games read
// each question aloud: a new class, or one renamed.
class DialogoClasse : public QDialog {
    Q_OBJECT
public:
    explicit DialogoClasse(const Registro::Classe& iniziale, QWidget* padre = nullptr);
    // The class as the fields now say.
    Registro::Classe classe() const;

private:
    void aggiornaConferma();

    Registro::Classe iniziale;
    QLineEdit* nome;
    QLineEdit* anno;
    QCheckBox* leggiDomande;
    QPushButton* conferma;
};

// The new school year: each class on a row with the new name proposed
// (NomeSeguente, which the teacher may change) and the following year; a
// class left unticked (one that leaves the school) stays as it is. The
// classes of the latest year come ticked, those of earlier years not.
class DialogoNuovoAnno : public QDialog {
    Q_OBJECT
public:
    explicit DialogoNuovoAnno(const QList<Registro::Classe>& classi, QWidget* padre = nullptr);
    // The classes ticked, with their new names and years.
    QList<Registro::Classe> classi() const;

private:
    struct Riga {
        Registro::Classe classe;  // with the following year
        QCheckBox* sale;
        QLineEdit* nome;
    };
    QList<Riga> righe;
};

} // namespace Insegnanti
