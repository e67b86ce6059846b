#pragma once
#include "insegnanti/Operazioni.h"
#include "registro/PercorsiClasse.h"

#include <QString>
#include <optional>

// What the teacher does with the chosen class's learning paths, the same on
// a local register and on the school's server, from the window and from the
// command line: each says what it did, or why it did nothing, in one
// sentence (see EsitoOperazione).
namespace Insegnanti {

// The path a file holds (see Percorsi::LeggiFile), added to the class under
// its own name; a file that is no path, or a name the class has already,
// changes nothing.
EsitoOperazione ImportaPercorso(Registro::Deposito& archivio, const QString& file);
// The class's path of that name, written as a file to share.
EsitoOperazione EsportaPercorso(const Registro::Deposito& archivio, const QString& nome, const QString& file);
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
