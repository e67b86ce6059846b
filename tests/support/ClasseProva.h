#pragma once
#include "registro/Bambino.h"
#include "registro/Classe.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

// A class for the tests of "Chi gioca?" and of the sitting.
namespace ClasseProva {

// A test's folder for a register that a sitting writes in: the sitting ends
// before the folder goes. Ended after it, the sitting's writer would make
// the register again in the folder just removed, and leave it behind.
class Cartella : public QTemporaryDir {
public:
    ~Cartella();
};

// n children (at most 24) with names as a class has them: accents, an
// apostrophe, two with the same first name; each with its own symbol.
QList<Registro::Bambino> Bambini(int n);
// Writes a register at percorso holding those children; fails the program
// when the register cannot be written.
QList<Registro::Bambino> Crea(const QString& percorso, int n);
// Writes a register at percorso with a class of each name given, of this
// school year, each holding n children (at most 24 in all) with names of
// their own and the same symbols as the other classes' (a symbol is unique
// within a class only); returns the classes in the register's order.
QList<Registro::Classe> CreaClassi(const QString& percorso, const QStringList& nomi, int n);

// From the start screen on show: the click that leads on (waiting until it
// has), and the choice of the symbol at indice on "Chi gioca?" (the last is
// the guest's).
void ClicAvvio();
void ScegliSimbolo(int indice);
// The click on the start screen and, when "Chi gioca?" opens, the first
// child's symbol: whether "Chi gioca?" opened.
bool ArrivaAlMenu();

} // namespace ClasseProva
