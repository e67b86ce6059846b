#pragma once
#include "percorsi/Avanzamento.h"
#include "percorsi/Percorso.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QUuid>
#include <optional>

// A class's groups, its learning paths and who plays which, as both
// registers keep them.
namespace Registro {

// A group of a class ("piccoli", "mezzani", "grandi"; a reading group). A
// child is in at most one group (Bambino::gruppo).
struct Gruppo {
    qint64 id = 0;   // the row in this register; 0 before it is stored
    QUuid uuid;      // the same group on the server and every computer
    QString nome;
    bool operator==(const Gruppo&) const = default;
};

// The longest name a group may have, in characters.
constexpr int LunghezzaNomeGruppo = 50;
// Why a group cannot be stored (an empty or too long name); empty when it
// can. The name is checked as NomePulito leaves it.
QString ControllaGruppo(const Gruppo& gruppo);
// Groups by name, as a person sorts them.
void OrdinaGruppi(QList<Gruppo>& gruppi);

// A learning path of a class, as the register keeps it.
struct PercorsoSalvato {
    qint64 id = 0;   // the row in this register; 0 before it is stored
    QUuid uuid;      // the same path on the server and every computer; what answers record
    Percorso percorso;
    bool operator==(const PercorsoSalvato&) const = default;
};

// Paths by name, as a person sorts them.
void OrdinaPercorsi(QList<PercorsoSalvato>& percorsi);
// nome, or the first of "nome (2)", "nome (3)"... that is not taken, cut to
// a path's longest name: a path merged in beside one of the same name.
QString NomeLibero(const QString& nome, const QSet<QString>& presi);

// Whom a path is assigned to.
enum class Destinatario { Classe, Gruppo, Bambino };

// The assignments of the chosen class: the class's own path, each group's
// and each child's (by id); 0 or a missing entry is none.
struct PercorsiAssegnati {
    qint64 classe = 0;
    QHash<qint64, qint64> gruppi;
    QHash<qint64, qint64> bambini;
};

// The path a child plays: their own, else their group's, else the class's;
// 0 for none. gruppo is the child's group (0: none).
qint64 PercorsoDi(qint64 bambino, qint64 gruppo, const PercorsiAssegnati& assegnati);

// A child of the chosen class who has a path, and their progress on it: the
// right answers recorded under each step of that path (Risposta::percorso
// and passo), each answer counted once whichever computer recorded it.
struct AvanzamentoBambino {
    qint64 bambino = 0;
    PercorsoSalvato percorso;
    QList<int> esatte;  // one per step, in step order; not capped at the goal

    Avanzamento avanzamento() const { return Avanzamento(percorso.percorso, esatte); }
};

} // namespace Registro
