#pragma once
#include <QString>

namespace Registro {

// One warning line on standard error: the program's name, a colon and the
// line ("tesselo: ..."). The one way the game, the teachers' program and the
// register warn, so that every such line looks the same.
void Avvisa(const QString& riga, const char* programma = "tesselo");

} // namespace Registro
