#pragma once
#include "registro/Archivio.h"

#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QTextDocument;

namespace Insegnanti {

struct Padronanze;

// A report to print or to save as PDF, for parents' meetings: its title
// (the PDF's title too), the page's orientation and the document itself.
struct Resoconto {
    QString titolo;
    bool orizzontale = false;
    std::unique_ptr<QTextDocument> documento;
    // A report whose table keeps each row whole on a page: makes the
    // document again with its table broken into several, each with its
    // header and on a page of its own, the first at the top of the report
    // and one more starting at each row given (0: the first under the
    // header). Printing finds where.
    std::function<void(QTextDocument&, const QList<int>&)> spezza;
};

// The class: each child's right and wrong answers in each game over the
// period described by periodoInParole, then each child's level in each
// skill, from the estimates given (computed here from the register's model
// when none are).
Resoconto ResocontoClasse(const Registro::Deposito& archivio, const Registro::Periodo& periodo,
                          const QString& periodoInParole, const Padronanze* stime = nullptr);
// One child: the six shares, week by week, the items most often wrong, and
// the child's level in each skill.
Resoconto ResocontoBambino(const Registro::Deposito& archivio, qint64 bambino, const Registro::Periodo& periodo,
                           const QString& periodoInParole, const Padronanze* stime = nullptr);

// Prints on a printer already set up (by the print dialog, or for a file).
void Stampa(const Resoconto& resoconto, QPrinter& stampante);
// Writes a PDF file; false, with the reason in errore, when it cannot.
bool ScriviPdf(const Resoconto& resoconto, const QString& file, QString& errore);

} // namespace Insegnanti
