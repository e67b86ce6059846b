#pragma once
#include "registro/AltroRegistro.h"
#include "registro/Bambino.h"
#include "registro/Classe.h"
#include "registro/PercorsiClasse.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace Insegnanti {

// Everything the teachers' program asks the teacher through a dialog, in one
// place, so that a test answers in its stead and never waits for a window.
struct Richieste {
    // Before something that cannot be undone: true when the teacher goes on
    // with the button labelled azione.
    std::function<bool(QWidget* padre, const QString& testo, const QString& azione)> conferma;
    // What was done, or why it could not be.
    std::function<void(QWidget* padre, const QString& testo, bool errore)> informa;
    // A file to read, or to write (proposto is the name offered); empty when
    // the teacher gives up.
    std::function<QString(QWidget* padre, const QString& titolo, const QString& filtro)> fileDaAprire;
    std::function<QString(QWidget* padre, const QString& titolo, const QString& proposto, const QString& filtro)>
        fileDaSalvare;
    // The printer and its settings; false when the teacher gives up.
    std::function<bool(QWidget* padre, QPrinter& stampante)> stampante;
    // A day, asked with testo; nothing when the teacher gives up.
    std::function<std::optional<QDate>(QWidget* padre, const QString& testo)> giorno;
    // A child's name and symbol, starting from iniziale, choosing among
    // liberi (keys of Registro::Simboli()); nothing when the teacher gives up.
    std::function<std::optional<Registro::Bambino>(QWidget* padre, const Registro::Bambino& iniziale,
                                                   const QStringList& liberi)>
        bambino;
    // A child of the register being merged (registro names its file) with
    // the code of a child of this class but another name: the same child,
    // two children, or no merge at all.
    std::function<Registro::Identita(QWidget* padre, const QString& registro, const Registro::Bambino& nostro,
                                     const Registro::Bambino& altro)>
        stessoCodice;
    // A class's name and school year, starting from iniziale (id 0: a new
    // class); nothing when the teacher gives up.
    std::function<std::optional<Registro::Classe>(QWidget* padre, const Registro::Classe& iniziale)> classe;
    // The new school year of classi: those the teacher moves up, with their
    // new names and years; nothing when she gives up.
    std::function<std::optional<QList<Registro::Classe>>(QWidget* padre, const QList<Registro::Classe>& classi)>
        nuovoAnno;
    // One of classi, asked with testo: its id; nothing when the teacher gives up.
    std::function<std::optional<qint64>(QWidget* padre, const QString& testo, const QList<Registro::Classe>& classi)>
        sceltaClasse;
    // A line the teacher writes (a login user's name), asked with testo;
    // empty when she gives up.
    std::function<QString(QWidget* padre, const QString& testo)> riga;
    // A name the teacher writes (a group's), asked with testo, starting
    // from iniziale; empty when she gives up.
    std::function<QString(QWidget* padre, const QString& testo, const QString& iniziale)> nome;
    // A child's name, symbol and group, for a class that has groups: as
    // bambino, and the child's group chosen among gruppi (or none).
    std::function<std::optional<Registro::Bambino>(QWidget* padre, const Registro::Bambino& iniziale,
                                                   const QStringList& liberi, const QList<Registro::Gruppo>& gruppi)>
        bambinoNeiGruppi;
    // A learning path, starting from iniziale (nuovo: one the class does
    // not have yet), under a name none of altriNomi (the class's other
    // paths) has; nothing when the teacher gives up.
    std::function<std::optional<Percorso>(QWidget* padre, const Percorso& iniziale, bool nuovo,
                                          const QStringList& altriNomi)>
        percorso;
};

// The dialogs in use; the real ones unless a test has replaced them.
Richieste& richieste();

} // namespace Insegnanti
