#pragma once
#include "registro/Archivio.h"

#include <QString>

namespace Insegnanti {

// What the teacher asks of the register, the same from the window and from
// the command line: whether it was done, and one Italian sentence that says
// what was done or why nothing was.
struct Esito {
    bool riuscito = false;
    QString messaggio;
};

// The children of a class file not in the class yet; nothing on any error,
// which names the line.
Esito Importa(Registro::Archivio& archivio, const QString& file);
// The answers of a period as CSV, written whole or not at all.
Esito Esporta(const Registro::Archivio& archivio, const QString& file, const Registro::Periodo& periodo = {});
// The answers of another register's file that this one does not hold yet.
Esito Unisci(Registro::Archivio& archivio, const QString& file);

// Why the register at percorso could not be opened, for the teacher.
QString NonSiApre(const Registro::Archivio& archivio, Registro::Esito esito, const QString& percorso);

// How many answers a period holds, over every child and guest.
int RisposteNelPeriodo(const Registro::Archivio& archivio, const Registro::Periodo& periodo);

} // namespace Insegnanti
