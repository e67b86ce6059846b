#pragma once
#include "percorsi/Percorso.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace Insegnanti {

// A learning path, new or changed: its name, its aim, whether only its games
// can be played, and its steps, one row each: the game, the attributes in
// play and whether the step is "su misura" (check boxes, where the game
// draws attributes) and the right answers that complete the step. Steps are added, removed and moved up and down.
// The first problem of the path is shown and the path cannot be saved
// while there is one, nor under a name another path of the class has.
class DialogoPercorso : public QDialog {
    Q_OBJECT
public:
    // altriNomi: the names of the class's other paths.
    DialogoPercorso(const Percorso& iniziale, bool nuovo, const QStringList& altriNomi, QWidget* padre = nullptr);

    // The step "Aggiungi un passo" adds, and a new path starts with.
    static Passo PassoNuovo();

    // The path as the fields now say.
    Percorso percorso() const;
    // Why it cannot be saved; empty when it can.
    QString problema() const;

    // The columns of the steps' table.
    enum Colonna {
        ColonnaGioco,
        PrimoAttributo,
        ColonnaSuMisura = PrimoAttributo + AttributiInGioco::Numero,
        ColonnaEsatte,
        Colonne
    };
    QTableWidget* passi() const { return tabella; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void aggiungiPasso();
    void togliPasso();
    void sposta(int verso);
    // The steps shown afresh, the row scelta chosen.
    void mostraPassi(const QList<Passo>& passi, int scelta);
    void mostraRiga(int riga, const Passo& passo);
    // The attributes' cells of a row and its "su misura" cell, after its
    // game changed.
    void mostraAttributi(int riga, const AttributiInGioco& attributi, bool suMisura);
    Passo passo(int riga) const;
    void aggiorna();

    QStringList altriNomi;
    QLineEdit* nome;
    QPlainTextEdit* obiettivo;
    QCheckBox* soloPercorso;
    QTableWidget* tabella;
    QPushButton* pulsanteAggiungi;
    QPushButton* pulsanteTogli;
    QPushButton* pulsanteSu;
    QPushButton* pulsanteGiu;
    QLabel* avviso;
    QPushButton* conferma;
};

} // namespace Insegnanti
