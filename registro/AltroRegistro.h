#pragma once
#include "registro/Bambino.h"
#include "registro/Classe.h"
#include "registro/PercorsiClasse.h"

#include <QString>
#include <functional>
#include <memory>

class QSqlQuery;

namespace Registro {

// Another computer's register, about to be merged, read as data and never
// as code. The file is copied with its -wal into a private folder (an older
// version is brought up to date there, never in place) and read through a
// connection of its own: read-only, defensive, with no triggers, views or
// functions of the file's own. Its tables must be exactly those this program
// writes for its version, and every value of every row is checked before
// anything is taken from it: a file that fails is refused whole, naming the
// first bad row.
class AltroRegistro {
public:
    AltroRegistro();
    ~AltroRegistro();
    AltroRegistro(const AltroRegistro&) = delete;
    AltroRegistro& operator=(const AltroRegistro&) = delete;

    // Copies, checks and opens file; false with errore() when it is refused.
    bool apri(const QString& file);
    // Why apri or scorri failed, in one Italian line.
    QString errore() const;

    // Its classes, checked (ids of the other register), in OrdinaClassi
    // order: at least one (a file older than classes has the one it is
    // brought up to).
    const QList<Classe>& classi() const;
    // The children of one of its classes, checked.
    QList<Bambino> bambini(qint64 classe) const;
    // The learning paths of one of its classes, checked (ids of the other
    // register): each one's text a path this program reads, under its name.
    QList<PercorsoSalvato> percorsi(qint64 classe) const;
    // The answers of one of its classes one at a time, oldest id first, each
    // already checked, as a row whose columns are uuid, quando, bambino,
    // gioco, domande, blocchi, risposta, esatta, millisecondi, percorso,
    // passo, tentativo (see LeggiRisposta; the path from column 9). ciascuna returns
    // false to stop; false when reading failed or stopped.
    bool scorri(qint64 classe, const std::function<bool(const QSqlQuery&)>& ciascuna) const;

private:
    struct Dati;
    std::unique_ptr<Dati> d;
};

// The other register's child who has the uuid of a child of this class but
// another name: merged into ours, kept apart as a child of their own, or the
// whole merge given up.
enum class Identita { Unisci, Separa, Annulla };
using ChiediIdentita = std::function<Identita(const Bambino& nostro, const Bambino& altro)>;

} // namespace Registro
