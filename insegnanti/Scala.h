#pragma once
#include "registro/Archivio.h"

#include <QColor>
#include <QString>

class QTableWidgetItem;

namespace Insegnanti {

// The ground of a share of right answers, 0 to 1: red for none, yellow for
// half, green for all, light enough that black text reads on every one.
QColor ColoreQuota(double quota);

// A count as the teacher reads it: "80% · 12 ✓ 3 ✗" (the share right, then
// the first answers right and wrong), "80%", and in words "12 esatte e 3
// errate (80%)"; "–" and "nessuna risposta" when empty.
QString TestoConto(const Registro::Conto& conto);
// The first answers right and wrong alone: "12 ✓ 3 ✗".
QString TestoRisposte(const Registro::Conto& conto);
QString TestoQuota(const Registro::Conto& conto);
QString DescrizioneConto(const Registro::Conto& conto);
// The words of a cell's tooltip: DescrizioneConto, then the retries after a
// wrong answer when there were any, and "poche risposte" for a share that
// says little.
QString DettaglioConto(const Registro::Conto& conto);

// A share from so few first answers that it says little about a child:
// shown apart, never on the colour of a share.
bool PocheRisposte(const Registro::Conto& conto);

// A table cell that shows testo on the colour of conto's share, with
// DettaglioConto as its tooltip, sorting by the share; left on the
// palette's own colours when there is no answer, and in grey italics when
// there are few.
QTableWidgetItem* VoceConto(const Registro::Conto& conto, const QString& testo);

// "Verrà cancellata 1 risposta", "Verranno cancellate 3 risposte": what a
// deletion takes, for its confirmation.
QString RisposteCancellate(int n);

// A question or blocks as the register keeps them, in the program's own
// words ("triangolo blu grande spesso", "NON rosso e grande"), with each
// word in the language shown: a word in capitals stays in capitals, "NON"
// is the language's negation as the games write it, and "e" between a
// question's conditions its "and".
QString ParoleMostrate(const QString& testo);
// An answer as the register keeps it, in the language shown: the captions
// of the answer buttons ("UGUALE", "Fatto") as the games show them, any
// other answer (a number, a block, a condition) as ParoleMostrate says.
QString RispostaMostrata(const QString& risposta);

} // namespace Insegnanti
