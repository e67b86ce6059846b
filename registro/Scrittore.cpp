#include "registro/Scrittore.h"
#include "registro/Avviso.h"

#include <QDir>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace Registro {

struct Scrittore::Dati {
    QString percorso;
    std::mutex mutex;
    std::condition_variable arrivata;  // an answer queued, or the end
    std::condition_variable vuota;     // the queue drained
    std::deque<std::pair<Risposta, qint64>> coda;
    bool inCorso = false;   // the writer holds an answer taken from the queue
    bool fine = false;
    std::function<void(const QUuid&)> fatto;
    std::thread filo;

    // Only the writer's thread touches these.
    std::unique_ptr<Archivio> archivio;
    bool rinuncia = false;  // the register can never be written in this run
    bool avvisato = false;

    void lavora();
    void scrivi(const Risposta& r, qint64 bambino);
    bool apri();
    void avvisa(const QString& motivo);
};

void Scrittore::Dati::avvisa(const QString& motivo)
{
    if (avvisato)
        return;
    avvisato = true;
    Avvisa(QStringLiteral("%1; le risposte non vengono registrate").arg(motivo));
}

bool Scrittore::Dati::apri()
{
    if (archivio && archivio->aperto())
        return true;
    archivio = std::make_unique<Archivio>();
    const Accesso esito = archivio->apri(percorso);
    if (esito == Accesso::Ok)
        return true;
    // A lock or a full disk may pass; a newer or damaged register stays so.
    rinuncia = esito == Accesso::PiuRecente || esito == Accesso::Danneggiato;
    avvisa(archivio->ultimoErrore());
    archivio.reset();
    return false;
}

void Scrittore::Dati::scrivi(const Risposta& r, qint64 bambino)
{
    if (rinuncia || !apri())
        return;
    if (archivio->registra(r, bambino) != Accesso::Ok) {
        avvisa(archivio->ultimoErrore());
        return;
    }
    std::function<void(const QUuid&)> f;
    {
        std::lock_guard blocco(mutex);
        f = fatto;
    }
    if (f)
        f(r.id);
}

void Scrittore::Dati::lavora()
{
    apri();
    std::unique_lock blocco(mutex);
    inCorso = false;
    vuota.notify_all();
    for (;;) {
        arrivata.wait(blocco, [&] { return fine || !coda.empty(); });
        if (coda.empty())
            break;
        auto [r, bambino] = std::move(coda.front());
        coda.pop_front();
        inCorso = true;
        blocco.unlock();
        scrivi(r, bambino);
        blocco.lock();
        inCorso = false;
        if (coda.empty())
            vuota.notify_all();
    }
    archivio.reset();
    vuota.notify_all();
}

Scrittore::Scrittore(const QString& percorso) : d(std::make_unique<Dati>())
{
    d->percorso = percorso;
    {
        // The opening counts as work queued, so that attendi() waits for it.
        std::lock_guard blocco(d->mutex);
        d->inCorso = true;
    }
    d->filo = std::thread([this] { d->lavora(); });
}

Scrittore::~Scrittore()
{
    {
        std::lock_guard blocco(d->mutex);
        d->fine = true;
    }
    d->arrivata.notify_one();
    d->filo.join();
}

void Scrittore::registra(const Risposta& risposta, qint64 bambino)
{
    {
        std::lock_guard blocco(d->mutex);
        d->coda.emplace_back(risposta, bambino);
    }
    d->arrivata.notify_one();
}

void Scrittore::attendi()
{
    std::unique_lock blocco(d->mutex);
    d->vuota.wait(blocco, [&] { return d->coda.empty() && !d->inCorso; });
}

void Scrittore::quandoScritta(std::function<void(const QUuid&)> fatto)
{
    std::lock_guard blocco(d->mutex);
    d->fatto = std::move(fatto);
}

} // namespace Registro
