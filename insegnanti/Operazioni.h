#pragma once
#include "registro/Archivio.h"
#include "registro/FileClasse.h"

#include <functional>
#include <memory>
#include <optional>

#include <QString>

namespace Insegnanti {

// What the teacher asks of the register, the same from the window and from
// the command line: whether it was done, and one Italian sentence that says
// what was done or why nothing was.
struct EsitoOperazione {
    bool riuscito = false;
    QString messaggio;
};

// A file as the messages name it: «its name», without its folder.
QString NomeFile(const QString& file);
// Names as a message lists them: each once, in «», separated by commas.
QString Elenco(const QStringList& nomi);
// Writes a file the teacher alone may read (it holds the children's names),
// whole or not at all; why it could not, in one sentence, empty when it was
// written.
QString ScriviPrivato(const QString& file, const QByteArray& contenuto);

// The teacher's reading of the children whose name and surname the class
// file holds in one cell that splits in more than one way (Alunno::modi):
// the same children, each with the name and surname she confirms; nothing
// when she gives up the import.
using ConfermaDivisioni = std::function<std::optional<QList<Registro::Alunno>>(const QList<Registro::Alunno>& incerti)>;
// The children of a class file not in the class yet, and the groups the
// file gives; nothing on any error, which names the line and the column in
// the language shown. Uncertain splits go to conferma; without it (the
// command line) they are taken as proposed and the message names them.
// Given up, nothing is done and the message is empty.
EsitoOperazione Importa(Registro::Deposito& archivio, const QString& file, const ConfermaDivisioni& conferma = {});
// The answers of a period as CSV, written whole or not at all: with the
// fixed Italian header and words, for scripts (the command line), or with
// the header and words of the language shown (the window).
enum class LinguaCsv { Fissa, Mostrata };
EsitoOperazione Esporta(const Registro::Deposito& archivio, const QString& file, const Registro::Periodo& periodo = {},
                        LinguaCsv lingua = LinguaCsv::Fissa);
// The answers of another register's file that this one does not hold yet;
// chiedi decides on a child whose code is ours but whose name is not (none:
// such a file is refused, as on the command line).
EsitoOperazione Unisci(Registro::Deposito& archivio, const QString& file, const Registro::ChiediIdentita& chiedi = {});

// Why a register could not be opened, for the teacher; nome is the file, or
// "sul server ..." for the school's server.
QString NonSiApre(const Registro::Deposito& archivio, Registro::Accesso esito, const QString& nome);

// The register the teacher works on: the school's server when the settings
// name one (see Registro::Impostazioni), the local file at percorso
// otherwise, created when crea is true.
struct RegistroAperto {
    std::unique_ptr<Registro::Deposito> deposito;  // none when it could not be opened
    QString errore;    // why not, in one Italian sentence
    QString spostato;  // where a damaged local file was moved aside
};
RegistroAperto ApriRegistro(const QString& percorso, bool crea);
// What the help calls the register: the file at percorso, or the server the
// settings name.
QString NomeRegistro(const QString& percorso);

// How many answers a period holds, over every child and guest.
int RisposteNelPeriodo(const Registro::Deposito& archivio, const Registro::Periodo& periodo);

} // namespace Insegnanti
