// PROVISIONAL: failing bodies so that the tree builds while the real ones are written.
#include "registro/ArchivioServer.h"

namespace Registro {

QList<Gruppo> ArchivioServer::gruppi() const { return {}; }
std::optional<Gruppo> ArchivioServer::salvaGruppo(const Gruppo&) { return std::nullopt; }
bool ArchivioServer::rimuoviGruppo(qint64) { return false; }
QList<PercorsoSalvato> ArchivioServer::percorsi() const { return {}; }
std::optional<PercorsoSalvato> ArchivioServer::salvaPercorso(const PercorsoSalvato&) { return std::nullopt; }
bool ArchivioServer::rimuoviPercorso(qint64) { return false; }
bool ArchivioServer::assegnaPercorso(Destinatario, qint64, qint64) { return false; }
PercorsiAssegnati ArchivioServer::percorsiAssegnati() const { return {}; }
QList<AvanzamentoBambino> ArchivioServer::avanzamenti() const { return {}; }

} // namespace Registro
