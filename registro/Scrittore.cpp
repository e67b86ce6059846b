// Placeholder bodies, replaced by the writer thread.
#include "registro/Scrittore.h"

namespace Registro {

struct Scrittore::Dati {};
Scrittore::Scrittore(const QString&) : d(std::make_unique<Dati>()) {}
Scrittore::~Scrittore() = default;
void Scrittore::registra(const Risposta&, qint64) {}
void Scrittore::attendi() {}
void Scrittore::quandoScritta(std::function<void(const QUuid&)>) {}

} // namespace Registro
