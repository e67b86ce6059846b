#pragma once
#include "registro/Deposito.h"

#include <QFuture>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>

#include <optional>
#include <type_traits>

class QThreadPool;

namespace Insegnanti {

// The threads that read the register and compute the estimates for the
// window: a pool of their own, since Qt's painting hands pieces of its work
// to the global pool and would wait behind a long reading there.
QThreadPool& FiliDelRegistro();

// Reads with leggi (a function of a const Registro::Deposito&) on a thread
// of FiliDelRegistro(), through another connection to the register (see
// Deposito::altraLettura), and hands what it read to arrivata on
// contesto's thread, with why a reading failed (empty when none did);
// nothing arrives once contesto is gone. Where the register offers no
// other connection, or it cannot be opened, leggi runs on this thread on
// archivio itself, so that the figures still come, only later.
template <typename Leggi, typename Arrivata>
void LeggiSulFilo(QObject* contesto, const Registro::Deposito& archivio, Leggi leggi, Arrivata arrivata)
{
    using Figure = std::invoke_result_t<Leggi, const Registro::Deposito&>;
    const Registro::Deposito::AltraLettura apri = archivio.altraLettura();
    if (!apri) {
        // Within the caller's refresh, whose failures it adds to.
        Figure figure = leggi(archivio);
        arrivata(std::move(figure), archivio.erroreLettura());
        return;
    }
    // Later, after the other connection failed: a reading of its own.
    const auto qui = [&archivio, leggi, arrivata] {
        archivio.nuovaLettura();
        Figure figure = leggi(archivio);
        arrivata(std::move(figure), archivio.erroreLettura());
    };
    using Esito = std::optional<std::pair<Figure, QString>>;
    QtConcurrent::run(&FiliDelRegistro(), [apri, leggi]() -> Esito {
        const std::unique_ptr<Registro::Deposito> altra = apri();
        if (!altra)
            return std::nullopt;
        Figure figure = leggi(std::as_const(*altra));
        return std::pair(std::move(figure), altra->erroreLettura());
    }).then(contesto, [qui, arrivata](Esito esito) {
        if (esito)
            arrivata(std::move(esito->first), esito->second);
        else
            qui();
    });
}

} // namespace Insegnanti
