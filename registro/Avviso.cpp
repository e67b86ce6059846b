#include "registro/Avviso.h"

#include <cstdio>

namespace Registro {

void Avvisa(const QString& riga, const char* programma)
{
    std::fprintf(stderr, "%s: %s\n", programma, qPrintable(riga));
    std::fflush(stderr);
}

} // namespace Registro
