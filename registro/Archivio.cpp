// Placeholder bodies, replaced by the SQLite store.
#include "registro/Archivio.h"

#include <QStandardPaths>

namespace Registro {

struct Archivio::Dati {};

std::optional<double> Conto::quota() const
{
    return totale() ? std::optional<double>(double(esatte) / totale()) : std::nullopt;
}

Periodo Periodo::Oggi() { return {QDate::currentDate(), QDate::currentDate()}; }
Periodo Periodo::Settimana() { const QDate o = QDate::currentDate(); return {o.addDays(1 - o.dayOfWeek()), o}; }
Periodo Periodo::Mese() { const QDate o = QDate::currentDate(); return {QDate(o.year(), o.month(), 1), o}; }
Periodo Periodo::AnnoScolastico()
{
    const QDate o = QDate::currentDate();
    return {QDate(o.month() >= 9 ? o.year() : o.year() - 1, 9, 1), o};
}

Archivio::Archivio() : d(std::make_unique<Dati>()) {}
Archivio::~Archivio() = default;
QString Archivio::Cartella()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tesselo");
}
QString Archivio::PercorsoPredefinito() { return Cartella() + QStringLiteral("/registro.sqlite"); }
Esito Archivio::apri(const QString&, bool) { return Esito::NonScrivibile; }
bool Archivio::aperto() const { return false; }
QString Archivio::ultimoErrore() const { return {}; }
QString Archivio::fileSpostato() const { return {}; }
QList<Bambino> Archivio::bambini() const { return {}; }
std::optional<Bambino> Archivio::bambino(qint64) const { return {}; }
std::optional<Bambino> Archivio::salva(const Bambino&) { return {}; }
int Archivio::risposteDi(qint64) const { return 0; }
bool Archivio::rimuovi(qint64) { return false; }
bool Archivio::classeEsiste() const { return false; }
Esito Archivio::registra(const Risposta&, qint64) { return Esito::NonScrivibile; }
QList<std::pair<Risposta, qint64>> Archivio::risposte(const Periodo&) const { return {}; }
bool Archivio::contiene(const QUuid&) const { return false; }
int Archivio::cancellaRisposteDi(qint64) { return 0; }
int Archivio::cancellaPrimaDi(const QDate&) { return 0; }
QList<RigaClasse> Archivio::classe(const Periodo&) const { return {}; }
SchedaBambino Archivio::scheda(qint64, const Periodo&) const { return {}; }
std::optional<int> Archivio::unisci(const QString&) { return {}; }

} // namespace Registro
