#pragma once
#include "app/SceltaLingua.h"

#include <QString>

// Shows the game in that language from now on, from the translations in
// traduzioni/ beside the executable (or the services' folder); false (and
// Italian) when its file cannot be read.
bool ImpostaLinguaDelGioco(const QString& codice);
