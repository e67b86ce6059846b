#pragma once
#include "registro/Deposito.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <thread>

namespace Insegnanti {

// Reads a register's whole file (PRAGMA quick_check) on a thread of its
// own, on a read-only connection of its own, while the window goes on; at
// most once a week by itself, at any time when the teacher asks. A register
// found damaged is left for its next opening to move aside. The day of the
// last check that passed is the date of a file beside the register.
class ControlloCompleto : public QObject {
    Q_OBJECT
public:
    explicit ControlloCompleto(QObject* padre = nullptr) : QObject(padre) {}
    ~ControlloCompleto() override;

    // The register at percorso has not passed a check for a week.
    static bool Scaduto(const QString& percorso, const QDateTime& adesso = QDateTime::currentDateTime());
    static QString FileUltimo(const QString& percorso) { return percorso + QStringLiteral("-controllato"); }

    // Starts a check, unless one is running; finito() says how it went.
    void avvia(const QString& percorso);
    bool inCorso() const { return filo.joinable() && !concluso; }

signals:
    // Ok; Danneggiato; or why the file could not be read, in one line
    // naming it.
    void finito(Registro::Accesso esito, const QString& motivo);

private:
    std::jthread filo;
    bool concluso = true;
};

} // namespace Insegnanti
