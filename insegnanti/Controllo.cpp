#include "insegnanti/Controllo.h"

#include "registro/Archivio.h"
#include "registro/Scrittore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Insegnanti {

namespace {

constexpr int GiorniTraControlli = 7;

// Marks a check that passed: the file's time is the check's.
void Segna(const QString& percorso)
{
    QSaveFile file(ControlloCompleto::FileUltimo(percorso));
    if (file.open(QIODevice::WriteOnly) && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner))
        file.commit();
}

} // namespace

ControlloCompleto::~ControlloCompleto()
{
    // The thread reports through this object: it ends first.
    if (filo.joinable())
        filo.join();
}

bool ControlloCompleto::Scaduto(const QString& percorso, const QDateTime& adesso)
{
    const QFileInfo ultimo(FileUltimo(percorso));
    return !ultimo.isFile() || ultimo.lastModified().addDays(GiorniTraControlli) <= adesso;
}

void ControlloCompleto::avvia(const QString& percorso)
{
    if (inCorso())
        return;
    if (filo.joinable())
        filo.join();
    concluso = false;
    filo = std::jthread([this, percorso] {
        Registro::Archivio archivio;
        Registro::Accesso esito = archivio.apri(percorso, false, Registro::Controllo::Completo);
        if (esito == Registro::Accesso::Ok)
            Segna(percorso);
        if (esito == Registro::Accesso::Mancante)
            esito = Registro::Accesso::Ok;  // no register yet is no damage
        else if (esito == Registro::Accesso::Danneggiato)
            Registro::Scrittore::ControllaAllaProssima(percorso);
        const QString motivo = archivio.ultimoErrore();
        QMetaObject::invokeMethod(this, [this, esito, motivo] {
            concluso = true;
            emit finito(esito, motivo);
        }, Qt::QueuedConnection);
    });
}

} // namespace Insegnanti
