#pragma once
#include "insegnanti/Operazioni.h"
#include "registro/Deposito.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the teacher does with the class's learning paths besides editing
// them: a path's file imported or exported, a path copied, the installed
// examples imported. Each says what it did in one Italian sentence.
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

} // namespace Insegnanti
