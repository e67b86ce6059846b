#pragma once
#include <QString>

// The real modal message box: question icon with "Sì"/"No" for a question,
// information icon with "OK" otherwise. Returns RispostaSi, RispostaNo or RispostaOk.
int MostraMessaggio(const QString& testo, int stile, const QString& titolo);
