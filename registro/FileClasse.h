#pragma once
#include "registro/Archivio.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace Registro {

// A class file as school administration software exports it: separated by
// semicolons or commas, UTF-8 (with or without BOM) or Windows-1252, decided
// for the whole file (one that mixes them is refused), with a header naming
// "Nome" and "Cognome" in any order and letter case; other columns are
// ignored, blank lines skipped. Names are cleaned (see NomePulito) and at
// most LunghezzaNome characters; a cell that the export wrote after a "'"
// reads back as it was.
struct Alunno {
    QString nome, cognome;
};
struct LetturaClasse {
    QList<Alunno> alunni;
    QString errore;  // empty when the file was read; else names the line
};
LetturaClasse LeggiClasse(const QByteArray& contenuto);

// Adds to the chosen class the children of a class file that are not in it
// yet (same name
// and surname), each with a free symbol. All or nothing: on any error nothing
// is added. Returns how many were added, or the error naming the line (the
// caller names the file).
struct Importazione {
    int aggiunti = 0;
    QString errore;
};
Importazione ImportaClasse(Deposito& archivio, const QString& file);

// Every answer of the chosen class as CSV, one row per answer, separated by ";" in UTF-8 with
// BOM, a cell that a spreadsheet would run as a formula (starting with "=",
// "+", "-", "@", a tab or a carriage return) written after a "'", under the
// header
// data_ora;bambino;gioco;domanda;blocchi;risposta;esatta;millisecondi
QByteArray EsportaCsv(const Deposito& archivio, const Periodo& periodo = {});

// Children's progress on their learning paths (Deposito::avanzamenti()),
// as the export writes CSV: one row per child and step, in the order given
// and step order, under the header
// bambino;percorso;passo;gioco;esatte;obiettivo;fatto
// with the child's full name (from bambini), the path's name, the step from
// 1, the game's menu caption, the right answers given under the step (all of
// them, past the goal too), its goal, and 1 when the step is done, else 0.
QByteArray EsportaAvanzamentoCsv(const QList<Bambino>& bambini, const QList<AvanzamentoBambino>& avanzamenti);

} // namespace Registro
