#pragma once
#include <QString>
#include <QStringList>

class QTextStream;

namespace Insegnanti {

// What the command line asks for: the window, or one of the options, each
// given alone with its file.
enum class Comando { Finestra, Importa, Esporta, Unisci, Aiuto, Sbagliato };
struct Richiesta {
    Comando comando = Comando::Finestra;
    QString file;
};

// The arguments after the program's name. Anything that is not one of the
// program's options is left to the window's toolkit (-platform...), which
// refuses what it does not know.
Richiesta LeggiRigaDiComando(const QStringList& argomenti);

// The short usage line, and the full help, which names the register's file.
QString Uso();
QString Aiuto(const QString& registro);

// Runs an option with no window at all, on the school's server when the
// settings name one, else on the register at percorso: what was done goes
// to uscita, an error to errori. Returns the exit status: 0 done, 1 a file
// or the register could not be used (nothing changed), 2 a wrong command
// line.
int EseguiRigaDiComando(const Richiesta& richiesta, const QString& percorso, QTextStream& uscita,
                        QTextStream& errori);

} // namespace Insegnanti
