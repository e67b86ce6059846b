#pragma once
#include "percorsi/Percorso.h"

#include <QByteArray>
#include <QString>
#include <optional>

// A learning path as a file teachers share: JSON in UTF-8,
//   {"versione": 1, "nome": "...", "obiettivo": "...", "solo_percorso": false,
//    "passi": [{"gioco": "form1", "attributi": ["forma", "colore"], "esatte": 10, "su_misura": true},
//              {"gioco": "FormTrova", "esatte": 3}]}
// "gioco" is the screen's name, as answers record it; "attributi" may be
// left out, meaning all four, and is never given for a game that chooses
// none; "obiettivo" and "solo_percorso" may be left out too. "su_misura"
// (the step's attribute drawn weighted by what the child has learned, in a
// game that chooses attributes) left out means false, and is written only
// when true. A file comes from anyone: it is data, read within bounds, and
// refused whole at its first problem.
namespace Percorsi {

// The version of the format this program writes and reads; a file of a
// newer one is refused, an older one there is none yet.
constexpr int Versione = 1;
// A path is a few lines: a larger file is not read at all.
constexpr qint64 MassimoByte = 1 << 20;

struct Lettura {
    std::optional<Percorso> percorso;
    // Why there is none: the first problem found, in Italian.
    QString errore;
};

// The path a file's bytes hold.
Lettura LeggiTesto(const QByteArray& testo);
// The path in a file: a regular file of at most MassimoByte, whose size is
// checked before it is read; the message names the file.
Lettura LeggiFile(const QString& file);

// The path as its file holds it, keys in the order above, a step per line;
// reading it back gives the same path. The path has no problem
// (ProblemaPercorso).
QByteArray Testo(const Percorso& percorso);
// Writes it, readable by its owner alone like every file the program hands
// out; false with the reason otherwise, and then the file is as it was.
bool ScriviFile(const QString& file, const Percorso& percorso, QString& errore);

} // namespace Percorsi
