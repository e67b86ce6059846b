// Placeholder bodies, replaced by the class file reader and the export.
#include "registro/FileClasse.h"

namespace Registro {

LetturaClasse LeggiClasse(const QByteArray&) { return {{}, QStringLiteral("non ancora")}; }
Importazione ImportaClasse(Archivio&, const QString&) { return {0, QStringLiteral("non ancora")}; }
QByteArray EsportaCsv(const Archivio&, const Periodo&) { return {}; }

} // namespace Registro
