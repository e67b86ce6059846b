#pragma once
#include "registro/PercorsiClasse.h"

#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

namespace Registro {
class Deposito;
}

namespace Insegnanti {

// What the command line asks for: the window, or one of the options, each
// given alone with its file, and for those on a register the class they
// concern (--classe NOME, before or after it). A path is named as the
// class's paths are (--esporta-percorso NOME FILE.json, --assegna-percorso
// NOME) and assigned to one child, one group or the whole class (--bambino
// "Nome Cognome", --gruppo NOME, --tutta-la-classe, before or after it).
enum class Comando {
    Finestra,
    Importa,
    Esporta,
    Unisci,
    ImportaPercorso,
    EsportaPercorso,
    AssegnaPercorso,
    Avanzamento,
    Padronanza,
    Aiuto,
    Sbagliato
};
struct Richiesta {
    Comando comando = Comando::Finestra;
    QString file;
    std::optional<QString> classe;
    QString percorso;  // the path's name
    // Whom --assegna-percorso gives the path to: the child's full name or
    // the group's name (empty for the class).
    Registro::Destinatario a = Registro::Destinatario::Classe;
    QString chi;

    // A request of that command with nothing else yet.
    static Richiesta Di(Comando comando)
    {
        Richiesta r;
        r.comando = comando;
        return r;
    }
};

// The arguments after the program's name. Anything that is not one of the
// program's options is left to the window's toolkit (-platform...), which
// refuses what it does not know.
Richiesta LeggiRigaDiComando(const QStringList& argomenti);

// The short usage line, and the full help, which names the register's file.
QString Uso();
QString Aiuto(const QString& registro);

// Chooses the class a command concerns: the one named (see
// Registro::TrovaClasse), or without a name the register's only one. When
// it cannot, nothing is chosen and the reason, listing the register's
// classes, is returned; empty when one was chosen.
QString ScegliClasse(Registro::Deposito& registro, const std::optional<QString>& nome);

// Runs an option with no window at all, on the school's server when the
// settings name one, else on the register at percorso: what was done goes
// to uscita, an error to errori. Returns the exit status: 0 done, 1 a file
// or the register could not be used (nothing changed), 2 a wrong command
// line.
int EseguiRigaDiComando(const Richiesta& richiesta, const QString& percorso, QTextStream& uscita,
                        QTextStream& errori);

} // namespace Insegnanti
