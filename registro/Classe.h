#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QUuid>
#include <optional>

namespace Registro {

// A class of the register: its children, their symbols and their answers
// belong to it. It keeps its id and uuid when it moves up a school year.
struct Classe {
    qint64 id = 0;            // the row in this register; 0 before it is stored
    QUuid uuid;               // the same class on the server and every computer
    QString nome;             // "1A"
    QString annoScolastico;   // "2026/27"
    // Whether the class's games speak each question as a turn starts.
    bool leggiDomande = true;
    bool operator==(const Classe&) const = default;
};

// The longest name a class may have, in characters.
constexpr int LunghezzaNomeClasse = 100;

// The class every register held before it had classes, until the teacher
// renames it: "La mia classe", with a uuid that is the same everywhere, so
// that two upgraded registers of one teacher, and the upgraded server, hold
// the same class.
const char* NomeClassePredefinito();
QUuid UuidClassePredefinita();
// The school year a day belongs to: 1 September 2026 to 31 August 2027 is
// "2026/27".
QString AnnoScolasticoDi(const QDate& giorno);
// Four digits, a slash, the last two digits of the following year.
bool AnnoValido(const QString& anno);
// "2026/27" -> "2027/28"; nothing for a year that is not valid.
std::optional<QString> AnnoSeguente(const QString& anno);
// Why a class cannot be stored (an empty or too long name, a year not
// valid); empty when it can. The name is checked as NomePulito leaves it.
QString ControllaClasse(const Classe& classe);
// The latest year first, then by name as a person sorts ("2A" before "10A").
void OrdinaClassi(QList<Classe>& classi);
// The class a teacher names on the command line ("1A", as the class page
// shows it): the exact name, case as typed; when classes of several years
// share it, the latest year's.
std::optional<Classe> TrovaClasse(const QList<Classe>& classi, const QString& nome);
// "1A 2026/27", as messages name a class.
QString NomeConAnno(const Classe& classe);

} // namespace Registro
