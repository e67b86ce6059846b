#pragma once
#include <QList>
#include <QString>

// Children's names as school offices write them: in capitals, and surname
// and name in one cell.
namespace Registro {

// A name written wholly in capitals ("DE LUCA", "DELL'ACQUA", "NICCOLÒ") in
// its usual case ("De Luca", "Dell'Acqua", "Niccolò"): a capital at the start
// of each word and after an apostrophe or a hyphen. Any other name, and
// any text of other signs than letters, blanks, apostrophes and hyphens
// ("@SUM(1)"), is kept as written.
QString CasoUsuale(const QString& nome);

// A surname and a name read from one cell that holds both.
struct Divisione {
    QString cognome, nome;
    bool operator==(const Divisione&) const = default;
};

// The ways of reading a cell that holds the surname first, then the name:
// certa when only one reading is likely, the likeliest first.
struct Divisioni {
    QList<Divisione> modi;  // never empty for a cell that is not blank
    bool certa = false;
};

// Splits "DE LUCA GIULIA" (Giulia De Luca), "DELL'ACQUA MARCO" (Marco
// Dell'Acqua), "LO BIANCO ANNA MARIA" (Anna Maria Lo Bianco): the particles
// of Italian surnames ("de", "della", "dell'", "lo"...) stay with the word
// after them, and the parts take their usual case. A split is certain when
// the cell holds two parts, when a comma separates surname and name, or
// when the surname alone is in capitals ("DE LUCA Giulia"). A single word
// is read as a name without surname, uncertain; several words past the
// surname may be a double surname or a double name: uncertain, every split
// among the readings, the surname with its particles first.
Divisioni DividiNome(const QString& cella);

} // namespace Registro
