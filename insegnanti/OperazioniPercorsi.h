#pragma once
#include "insegnanti/Operazioni.h"
#include "registro/Deposito.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the teacher does with the class's learning paths besides editing
// them, from the window and from the command line, the same on a local
// register and on the school's server: a path's file imported or exported,
// a path copied, the installed examples imported, a path assigned by name,
// each child's progress exported. Each says what it did in one Italian
// sentence.
namespace Insegnanti {

// A name no path of the class has (presi): nome itself when it is free,
// otherwise "nome (2)", "nome (3)"...; for a copy, "nome (copia)", then
// "nome (copia 2)"... nome is shortened where the whole would be longer
// than a path's name may be.
QString NomeLibero(const QString& nome, const QStringList& presi, bool copia = false);

struct EsitoPercorso : EsitoOperazione {
    std::optional<Registro::PercorsoSalvato> percorso;  // the path stored
};

// The path of a file, added to the chosen class under a name of its own
// when a path of the class already has the file's; nothing when the file
// is not a path, with its first problem.
EsitoPercorso ImportaPercorso(Registro::Deposito& archivio, const QString& file);
// The path as a file teachers share, readable by its owner alone.
EsitoOperazione EsportaPercorso(const Percorso& percorso, const QString& file);
// The class's path of that name, written as such a file.
EsitoOperazione EsportaPercorso(const Registro::Deposito& archivio, const QString& nome, const QString& file);
// A copy of a path of the class, as a path of its own ("… (copia)"); the
// answers given under the original stay with it.
EsitoPercorso DuplicaPercorso(Registro::Deposito& archivio, const Percorso& percorso);

// The folder of the example paths as the package installs them
// (share/tesselo/percorsi/), or as the build makes them.
QString CartellaEsempi();
// The example paths of the language shown (Italian's where it has none),
// from cartella/<code>/: each one whose name no path of the class has is
// added, so that importing them again adds nothing.
EsitoOperazione ImportaEsempi(Registro::Deposito& archivio, const QString& cartella = CartellaEsempi());

// The class's path of that name assigned to the whole class, to its group
// named chi, or to its child whose full name (Bambino::nomeCompleto) is chi.
EsitoOperazione AssegnaPercorso(Registro::Deposito& archivio, const QString& nome, Registro::Destinatario a,
                                const QString& chi);
// Each child's progress on their path, as CSV (Registro::EsportaAvanzamentoCsv).
EsitoOperazione EsportaAvanzamento(const Registro::Deposito& archivio, const QString& file);

// The class's path of that name; nothing, with the reason in errore (the
// class's paths listed, or why they could not be read), when there is none.
std::optional<Registro::PercorsoSalvato> TrovaPercorso(const Registro::Deposito& archivio, const QString& nome,
                                                       QString& errore);

} // namespace Insegnanti
