#pragma once
#include "registro/Deposito.h"
#include "registro/Padronanza.h"

#include <QColor>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace Insegnanti {

class StimeClasse;

// The group of a child's record that counts a skill's answers: its name
// and its line's colour in the charts.
const Registro::GruppoScheda& GruppoDi(Registro::Padronanza::Abilita abilita);
// A skill as the teacher reads it, in the language shown (breve: as a
// chart's legend names it).
QString NomeAbilita(Registro::Padronanza::Abilita abilita, bool breve = false);
// A level as the teacher reads it, in the language shown.
QString ParolaLivello(Registro::Padronanza::Livello livello);
// The ground of a level: green learned, yellow on the way, orange not yet,
// and a neutral grey for too few answers, which says nothing either way;
// each light enough that black text reads on it at 4.5:1 or more.
QColor ColoreLivello(Registro::Padronanza::Livello livello);
// An estimate in words: "in via di acquisizione (stima 0,72 su 14
// risposte)".
QString DescrizioneStima(const Registro::Padronanza::Stima& stima);
// A table cell showing a level's word on its colour, with chi (the child
// or the skill it belongs to) and the estimate in words as its tooltip and
// accessible name, so that the colour is never the only cue.
QTableWidgetItem* VoceLivello(const Registro::Padronanza::Stima& stima, const QString& chi);

// The class at a glance by what each child has learned: a row per child, a
// column per skill, each cell the level of the child's estimate; the
// estimates come from the class's StimeClasse, whose model the teacher may
// have fitted again with "Aggiorna le stime".
class GrigliaPadronanza : public QWidget {
    Q_OBJECT
public:
    GrigliaPadronanza(const Registro::Deposito& archivio, StimeClasse& stime, QWidget* padre = nullptr);
    // The rows again from the class's children and the last estimates.
    void mostra();
    QTableWidget* tabella() const { return griglia; }
    QPushButton* pulsante() const { return aggiornaStime; }

signals:
    void bambinoScelto(qint64 bambino);

private:
    void mostraStato();

    const Registro::Deposito& archivio;
    StimeClasse& stime;
    QTableWidget* griglia;
    QLabel* stato;
    QPushButton* aggiornaStime;
};

} // namespace Insegnanti
