#pragma once
#include "registro/Risposta.h"

#include <QList>
#include <QString>
#include <utility>

// The answers a writer could not put into its register before the program
// ended, kept in a file beside it (readable by its owner only) until the next
// start adds them. One JSON object a line, in words: a line cut short by a
// crash, or changed by hand, is refused alone. An answer given under a
// learning path has its path's uuid and step too; lines without them (all
// those written before paths) are answers without a path.
namespace Registro::Recupero {

// An answer waiting, its child (0: a guest) and the class of the sitting,
// which a guest's answer goes to (0: a line written before registers had
// classes).
struct Voce {
    Risposta risposta;
    qint64 bambino = 0;
    qint64 classe = 0;
};
using Risposte = QList<Voce>;

// The file beside the register at registro: registro-recupero.jsonl for
// registro.sqlite.
QString File(const QString& registro);
// Adds the answers to what the file already holds, all or none; false with
// errore when the file cannot be written.
bool Salva(const QString& registro, const Risposte& risposte, QString& errore);
// The answers in the file, each checked; rifiutate counts the lines that
// are not an answer this program could have written. Nothing, without an
// error, when there is no file.
Risposte Leggi(const QString& registro, int& rifiutate, QString& errore);
// Deletes the file once its answers are in the register.
void Rimuovi(const QString& registro);

} // namespace Registro::Recupero
