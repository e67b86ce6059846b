#pragma once
#include "registro/Archivio.h"

#include <QColor>
#include <QString>

class QTableWidgetItem;

namespace Insegnanti {

// The ground of a share of right answers, 0 to 1: red for none, yellow for
// half, green for all, light enough that black text reads on every one.
QColor ColoreQuota(double quota);

// A count as the teacher reads it: "12 / 3" (right / wrong), "80%", and in
// words "12 esatte e 3 errate (80%)"; "–" and "nessuna risposta" when empty.
QString TestoConto(const Registro::Conto& conto);
QString TestoQuota(const Registro::Conto& conto);
QString DescrizioneConto(const Registro::Conto& conto);

// A table cell that shows testo on the colour of conto's share, with the
// count in words as its tooltip; left on the palette's own colours when
// there is no answer.
QTableWidgetItem* VoceConto(const Registro::Conto& conto, const QString& testo);

// "Verrà cancellata 1 risposta", "Verranno cancellate 3 risposte": what a
// deletion takes, for its confirmation.
QString RisposteCancellate(int n);

// A question or blocks as the register keeps them, in the program's own
// words ("triangolo blu grande spesso"), with each word in the language
// shown.
QString ParoleMostrate(const QString& testo);

} // namespace Insegnanti
