#pragma once
#include "registro/Archivio.h"
#include "registro/NomiAlunni.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace Registro {

// A class file as school administration software exports it: separated by
// semicolons, commas or tabs, UTF-8 (with or without BOM) or Windows-1252,
// decided for the whole file (one that mixes them is refused). Its header
// is the first of its first ten lines that names the children's columns, in
// any order, letter case and accents: "Nome" and "Cognome" (or "First
// name"/"Surname", "Prénom"/"Nom", "Nombre"/"Apellidos",
// "Vorname"/"Nachname"), or one column "Alunno" or "Cognome e nome" holding
// the surname, then the name (see DividiNome). An optional column "Gruppo"
// names each child's group. The lines above the header (a title, the
// school's name, a date) and other columns are ignored, blank lines
// skipped. Names are cleaned (see NomePulito), those in capitals put in
// their usual case (see CasoUsuale), at most LunghezzaNome characters each;
// a cell that the export wrote after a "'" reads back as it was.
struct Alunno {
    QString nome, cognome;
    QString gruppo{};        // empty: none
    int riga = 0;            // the line of the file, from 1
    QString cella{};         // surname and name as one cell held them; empty with two columns
    QList<Divisione> modi{}; // an uncertain split's readings, the one taken first; empty when certain
};

// Why a class file was not read or imported, as a value the window tells
// in the language shown (see DescriviProblema).
struct ProblemaClasse {
    enum Tipo {
        Nessuno,
        Codifiche,        // riga: the file mixes UTF-8 and another encoding
        Vuoto,            // no header at all
        Colonna,          // riga, colonna: the header lacks a column
        SenzaNome,        // riga: a child without a name
        NomeLungo,        // riga: a name or surname longer than LunghezzaNome
        GruppoLungo,      // riga: a group's name longer than LunghezzaNomeGruppo
        NonLeggibile,     // the file cannot be read
        SenzaClasse,      // no class chosen
        Contrassegni,     // more children than symbols
        DelRegistro,      // the register refused: dettaglio holds its words
    };
    enum class Colonne { Nome, Cognome };
    Tipo tipo = Nessuno;
    int riga = 0;
    Colonne colonna = Colonne::Nome;
    QString dettaglio;
    explicit operator bool() const { return tipo != Nessuno; }
};
// The problem in one sentence: in Italian, or through traduci, given each
// Italian text with its comment (the teachers' program's own tr); the line
// and the column named in it.
using Traduttore = std::function<QString(const char* testo, const char* commento)>;
QString DescriviProblema(const ProblemaClasse& problema, const Traduttore& traduci = {});

struct LetturaClasse {
    QList<Alunno> alunni;
    QString errore;  // empty when the file was read; else names the line
    ProblemaClasse problema;
};
LetturaClasse LeggiClasse(const QByteArray& contenuto);
LetturaClasse LeggiFileClasse(const QString& file);

// Adds to the chosen class the children of a class file that are not in it
// yet (same name and surname), each with a free symbol, and puts each child
// of the file whose "Gruppo" cell is not empty in that group of the class,
// made when the class has none of that name (in any letter case); an empty
// cell leaves a child as they are. All or nothing: on any error nothing is
// added or moved. Returns how many were added and how many already in the
// class changed group, or the error naming the line (the caller names the
// file). ImportaClasse reads the file and takes each uncertain split as
// proposed (incerti lists them).
struct Importazione {
    int aggiunti = 0;
    int spostati = 0;
    QString errore;
    ProblemaClasse problema;
    QList<Alunno> incerti;
};
Importazione AggiungiAlunni(Deposito& archivio, const QList<Alunno>& alunni);
Importazione ImportaClasse(Deposito& archivio, const QString& file);

// Every answer of the chosen class as CSV, one row per answer, separated by ";" in UTF-8 with
// BOM, a cell that a spreadsheet would run as a formula (starting with "=",
// "+", "-", "@", a tab or a carriage return) written after a "'", under the
// header
// data_ora;bambino;gioco;domanda;blocchi;risposta;esatta;millisecondi
// and with the values in the program's own Italian words, for scripts; or
// with the header and words of parole, the language a teacher reads.
struct ParoleCsv {
    QStringList colonne;  // the header's eight names
    QString ospite;       // the name of a guest's answers
    // A game's caption, a question, blocks and an answer, each given as the
    // register keeps it.
    std::function<QString(const QString&)> gioco, domanda, blocchi, risposta;
};
QByteArray EsportaCsv(const Deposito& archivio, const Periodo& periodo = {});
QByteArray EsportaCsv(const Deposito& archivio, const Periodo& periodo, const ParoleCsv& parole);

// Children's progress on their learning paths (Deposito::avanzamenti()),
// as the export writes CSV: one row per child and step, in the order given
// and step order, under the header
// bambino;percorso;passo;gioco;esatte;obiettivo;fatto
// with the child's full name (from bambini), the path's name, the step from
// 1, the game's menu caption, the right answers given under the step (all of
// them, past the goal too), its goal, and 1 when the step is done, else 0.
QByteArray EsportaAvanzamentoCsv(const QList<Bambino>& bambini, const QList<AvanzamentoBambino>& avanzamenti);

// The probabilities the chosen class's estimates use: the model stored for
// it, else one fitted on its first answers (prove), else the defaults.
Padronanza::Modello ModelloDellaClasse(const Deposito& archivio, const QList<Padronanza::Prova>& prove);
// What each child of the chosen class has learned, as the export writes
// CSV: one row per child (bambini() order) and skill, under the header
// bambino;abilita;stima;livello;risposte;p_iniziale;p_apprendimento;p_indovinare;p_sbagliare
// with the child's full name, the skill's key (Padronanza::Chiave), the
// estimate after the child's last first answer, its level in Italian words,
// the first answers behind it, and the four probabilities used, the guess
// that of the game the child played most for the skill. Numbers have a dot
// as their decimal separator.
QByteArray EsportaPadronanzaCsv(const Deposito& archivio);

} // namespace Registro
