// libFuzzer's target for the path reader (scripts/fuzz.sh): any bytes give
// either one message or a path without a problem, which the writer writes
// and the reader reads back the same.
#include "percorsi/FilePercorso.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    const QByteArray testo(reinterpret_cast<const char*>(dati), qsizetype(n));
    const Percorsi::Lettura letta = Percorsi::LeggiTesto(testo);
    if (!letta.percorso) {
        if (letta.errore.isEmpty())
            std::abort();
        return 0;
    }
    if (!Percorsi::ProblemaPercorso(*letta.percorso).isEmpty()
        || Percorsi::LeggiTesto(Percorsi::Testo(*letta.percorso)).percorso != letta.percorso)
        std::abort();
    return 0;
}
