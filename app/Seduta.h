#pragma once
#include "percorsi/Avanzamento.h"
#include "registro/Archivio.h"
#include "registro/Bambino.h"
#include "registro/Classe.h"

#include <QList>
#include <QString>
#include <QUuid>
#include <array>
#include <chrono>
#include <functional>
#include <optional>

// The sitting: who plays, from "Chi gioca?" until the program ends, and the
// register that records every judged answer of it for that child.
//
// The class is read on a thread of its own as the program starts, so that
// the interface never waits for the disk or for a lock; the same thread then
// makes the children's spoken names ahead of need. Without a register, or
// with a register that holds no child, nothing of this shows and nothing is
// written: the game creates no file. A register that cannot be read (locked,
// damaged, unreadable) means no class this time, with one warning line.
// Where tesselo.conf names a school's server, the sender starts once the class
// is read: it sends the queued answers and copies the server's class into the
// register (creating it). When the start read no class, the copied one is
// read as it arrives, so that a later click of the start screen opens
// "Chi gioca?" in this run; a click before it never waits for the network.
namespace Seduta {

// Starts reading the class of the register at percorso.
void Avvia(const QString& percorso = Registro::Archivio::PercorsoPredefinito());

// Asked once, by the start screen's click: calls poi on the interface thread
// with whether "Chi gioca?" opens (after "Quale classe?" when Classi() is
// not empty), at once when the class is read (or none is
// being read), else as soon as it is. The interface never waits meanwhile; a
// class not read within attesa counts as no class for this run, with one
// warning line.
void QuandoPronta(std::function<void(bool chiGioca)> poi,
                  std::chrono::milliseconds attesa = std::chrono::milliseconds(1500));

// The class, sorted by name, and the name each child is shown and called by
// (the first name, or first name and surname where two share it). The class
// may arrive from the school's server on another thread: Bambini() is a copy
// of the class as it is now.
QList<Registro::Bambino> Bambini();
QString NomeMostrato(const Registro::Bambino& bambino);

// The register's classes, in its order, when it holds more than one: the
// start then asks "Quale classe?" first, and Bambini() is empty until
// ScegliClasse(). Empty for a register of one class, or none.
QList<Registro::Classe> Classi();
// Makes a class of Classi() the sitting's: Bambini() are its children from
// now on, and a guest's answers go to it.
void ScegliClasse(qint64 classe);
// The class chosen with ScegliClasse(); nothing before, or with one class.
std::optional<qint64> ClasseScelta();
// Whether the games speak each question as a turn starts: a child (or a
// guest) of a class plays, and that class's "Leggi le domande" is on.
// False without a class, before the choice and after Lascia().
bool LeggiDomande();

// Starts the sitting of a child of Bambini() (id 0: a guest): every answer
// from now on is queued for the register with that id, and the child plays
// their learning path, if they have one (a guest has none), from the right
// answers the register counted for each step, or those counted in this run
// where more.
void Scegli(qint64 bambino);
// The child of the sitting; nothing before the choice.
std::optional<qint64> Scelto();
// Hands the computer to the next child: nothing more is recorded for the
// one chosen, whose progress is kept for when they are chosen again in this
// run, and no path is in play until the next Scegli().
void Lascia();

// The learning path of the sitting's child and its progress, on the
// interface thread: Scegli() sets them (the path, its uuid, and the right
// answers counted for each step). Nothing means no path, and the menu and
// the games are as designed. The games update the progress in place.
void ImpostaAvanzamento(std::optional<Avanzamento> avanzamento, const QUuid& percorso = {});
Avanzamento* AvanzamentoDelBambino();
// The uuid of that path, which the answers given under it record; null
// without a path, or for one that is not the register's.
QUuid PercorsoDelBambino();

// The weights of a "su misura" step's draw for the sitting's child, by
// attribute kind ([0] shape ... [3] thickness): PesiSuMisura of their
// estimates. When Scegli() starts a child whose path has such a step, their
// first answers in the register are read once, on a thread of their own,
// with the class's fitted model (the defaults when it has none); every
// turn's first answer they give from then on updates the estimates. Until
// the register is read, without one and for a guest, the estimates are the
// model's starting ones.
std::array<double, 4> PesiSuMisura();
// Whether the sitting's child's estimates have been read from the register
// (for tests).
bool StimeLette();

// Speaks a child's name when the sounds are on and its voice is made;
// returns whether it was played.
bool DiciNome(const QString& nome);

// Called on the writer's thread after each answer is committed (for tests).
void QuandoScritta(std::function<void(const QUuid&)> fatto);

// Waits, at most attesa, until the class is read and, when ancheVoci is true,
// until every spoken name is made as well; for tests.
bool AttendiPronta(std::chrono::milliseconds attesa, bool ancheVoci = false);

// Ends the sitting: nothing more is recorded, and what is queued is written,
// waiting at most attesa. False when the time ran out: the writer is then
// left to the end of the process, and one warning line says so.
bool Termina(std::chrono::milliseconds attesa = std::chrono::seconds(3));

} // namespace Seduta
