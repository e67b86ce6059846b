#include "registro/Scrittore.h"
#include "registro/Avviso.h"

#include "registro/Recupero.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace Registro {

namespace {

using Orologio = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Answers written in one transaction: a long queue drains quickly, and a
// lock is never held long.
constexpr int Lotto = 100;
// The wait before trying a register that failed again, doubled each time.
constexpr milliseconds PrimaAttesa{250}, UltimaAttesa{5000};

struct IdentitaFile {
    dev_t dispositivo = 0;
    ino_t inode = 0;
    bool operator==(const IdentitaFile&) const = default;
};

// The regular file now at percorso; nothing when there is none.
std::optional<IdentitaFile> IdentitaDi(const QString& percorso)
{
    struct stat info;
    if (::stat(QFile::encodeName(percorso).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return IdentitaFile{info.st_dev, info.st_ino};
}

// The process that wrote the file in use is gone without removing it.
bool FineSporca(const QString& inUso)
{
    QFile file(inUso);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool numero = false;
    const pid_t pid = file.read(32).trimmed().toInt(&numero);
    if (!numero || pid <= 0)
        return true;
    return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

QString Scrittore::FileInUso(const QString& percorso)
{
    return percorso + QStringLiteral("-in-uso");
}

bool Scrittore::DaControllare(const QString& percorso)
{
    return FineSporca(FileInUso(percorso));
}

void Scrittore::ControllaAllaProssima(const QString& percorso)
{
    QSaveFile file(FileInUso(percorso));
    if (file.open(QIODevice::WriteOnly) && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)
        && file.write("0") == 1)
        file.commit();
}

struct Scrittore::Dati {
    QString percorso;
    mutable std::mutex mutex;
    std::condition_variable arrivata;  // an answer queued, or the end
    std::condition_variable vuota;     // the queue drained, or tried and waiting
    // Each answer queued with the class a guest's answer goes to (0: the
    // register's only one).
    struct Voce {
        std::pair<Risposta, qint64> risposta;
        qint64 classe = 0;
    };
    std::deque<Voce> coda;
    qint64 classeOspiti = 0;
    bool inCorso = false;   // the writer is working on the queue's head
    bool provata = false;   // the last try failed, and nothing was queued since
    bool fine = false;
    int oltreIlLimite = 0;  // answers refused by a full queue
    std::function<void(const QUuid&)> fatto;
    std::thread filo;

    // Only the writer's thread touches these.
    std::unique_ptr<Archivio> archivio;
    std::optional<IdentitaFile> identita;  // of the file the register was opened on
    bool controllaTutto = false;       // the last writer did not end cleanly
    bool segnato = false;              // this writer made the file in use
    QString motivo;                    // why the last try failed

    void lavora();
    bool pronto();
    bool scriviLotto(const QList<std::pair<Risposta, qint64>>& lotto, qint64 classe);
    void aggiungiRecupero();
    void segnaInUso();
    void concludi();
};

void Scrittore::Dati::segnaInUso()
{
    if (segnato)
        return;
    QSaveFile file(FileInUso(percorso));
    segnato = file.open(QIODevice::WriteOnly) && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)
        && file.write(QByteArray::number(::getpid())) > 0 && file.commit();
}

void Scrittore::Dati::aggiungiRecupero()
{
    int rifiutate = 0;
    QString errore;
    const Recupero::Risposte risposte = Recupero::Leggi(percorso, rifiutate, errore);
    const QString file = QDir::toNativeSeparators(Recupero::File(percorso));
    if (!errore.isEmpty()) {
        Avvisa(errore + QStringLiteral(": le sue risposte non vengono aggiunte"));
        return;
    }
    if (risposte.isEmpty() && rifiutate == 0)
        return;
    if (!risposte.isEmpty() && archivio->registraTutte(risposte) != Accesso::Ok)
        return;  // tried again at the next start
    if (rifiutate > 0)
        Avvisa(QStringLiteral("%1: %2 righe rifiutate, non sono risposte di Tesselo").arg(file).arg(rifiutate));
    Recupero::Rimuovi(percorso);
}

bool Scrittore::Dati::pronto()
{
    if (archivio && identita && IdentitaDi(percorso) == identita)
        return true;
    // Never opened, failed, or replaced under us (moved, deleted, made a folder).
    archivio = std::make_unique<Archivio>();
    const Accesso esito = archivio->apri(percorso, true, controllaTutto ? Controllo::Completo : Controllo::Rapido);
    if (esito != Accesso::Ok) {
        motivo = archivio->ultimoErrore();
        archivio.reset();
        return false;
    }
    controllaTutto = false;
    identita = IdentitaDi(percorso);
    segnaInUso();
    aggiungiRecupero();
    return true;
}

bool Scrittore::Dati::scriviLotto(const QList<std::pair<Risposta, qint64>>& lotto, qint64 classe)
{
    if (!pronto())
        return false;
    if (classe != 0 && !archivio->scegliClasse(classe)) {
        motivo = QStringLiteral("la classe scelta non è più nel registro");
        return false;
    }
    const Accesso esito = archivio->registraTutte(lotto);
    if (esito != Accesso::Ok) {
        motivo = archivio->ultimoErrore();
        // A lock passes on the same connection; anything else opens afresh,
        // and damage found while writing has the whole file checked (and
        // moved aside) at that opening.
        controllaTutto = esito == Accesso::Danneggiato;
        if (esito != Accesso::Bloccato)
            archivio.reset();
        return false;
    }
    std::function<void(const QUuid&)> f;
    {
        std::lock_guard blocco(mutex);
        f = fatto;
    }
    if (f)
        for (const auto& [r, bambino] : lotto)
            f(r.id);
    return true;
}

void Scrittore::Dati::lavora()
{
    controllaTutto = DaControllare(percorso);
    pronto();
    std::unique_lock blocco(mutex);
    inCorso = false;
    vuota.notify_all();
    milliseconds attesa = PrimaAttesa;
    Orologio::time_point prossima{};
    for (;;) {
        if (provata)
            arrivata.wait_until(blocco, prossima, [&] { return fine || !provata; });
        else
            arrivata.wait(blocco, [&] { return fine || !coda.empty(); });
        if (coda.empty()) {
            if (fine)
                break;
            continue;
        }
        const bool ultima = fine;
        // One class's answers at a time.
        const qint64 classe = coda.front().classe;
        QList<std::pair<Risposta, qint64>> lotto;
        for (auto r = coda.begin(); r != coda.end() && r->classe == classe && lotto.size() < Lotto; ++r)
            lotto.append(r->risposta);
        inCorso = true;
        blocco.unlock();
        const bool scritto = scriviLotto(lotto, classe);
        blocco.lock();
        inCorso = false;
        if (scritto) {
            coda.erase(coda.begin(), coda.begin() + lotto.size());
            provata = false;
            attesa = PrimaAttesa;
        } else {
            provata = true;
            prossima = Orologio::now() + attesa;
            attesa = std::min(attesa * 2, UltimaAttesa);
        }
        vuota.notify_all();
        if (ultima && !scritto)
            break;
    }
    blocco.unlock();
    concludi();
    blocco.lock();
    inCorso = false;
    vuota.notify_all();
}

// At the end: what could not be written goes to the recovery file, and one
// line says so, or how many answers were lost.
void Scrittore::Dati::concludi()
{
    archivio.reset();
    Recupero::Risposte resto;
    int perse = 0;
    {
        std::lock_guard blocco(mutex);
        for (const Voce& v : coda)
            resto.append(v.risposta);
        coda.clear();
        perse = oltreIlLimite;
    }
    QString errore;
    if (!resto.isEmpty() && Recupero::Salva(percorso, resto, errore)) {
        Avvisa(QStringLiteral("%1; %2 risposte in attesa salvate in %3, da aggiungere al registro al prossimo avvio%4")
                   .arg(motivo)
                   .arg(resto.size())
                   .arg(QDir::toNativeSeparators(Recupero::File(percorso)),
                        perse ? QStringLiteral("; %1 risposte perse (troppe in attesa)").arg(perse) : QString()));
    } else if (!resto.isEmpty() || perse > 0) {
        perse += int(resto.size());
        Avvisa(QStringLiteral("%1; %2 risposte perse%3")
                   .arg(motivo)
                   .arg(perse)
                   .arg(errore.isEmpty() ? QString() : QStringLiteral(": ") + errore));
    }
    if (segnato)
        QFile::remove(FileInUso(percorso));
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
        if (d->coda.size() >= MassimoInCoda) {
            ++d->oltreIlLimite;
            return;
        }
        d->coda.push_back({{risposta, bambino}, d->classeOspiti});
        d->provata = false;
    }
    d->arrivata.notify_one();
}

void Scrittore::classeOspiti(qint64 classe)
{
    std::lock_guard blocco(d->mutex);
    d->classeOspiti = classe;
}

void Scrittore::attendi()
{
    std::unique_lock blocco(d->mutex);
    d->vuota.wait(blocco, [&] { return !d->inCorso && (d->coda.empty() || d->provata); });
}

int Scrittore::inCoda() const
{
    std::lock_guard blocco(d->mutex);
    return int(d->coda.size());
}

void Scrittore::quandoScritta(std::function<void(const QUuid&)> fatto)
{
    std::lock_guard blocco(d->mutex);
    d->fatto = std::move(fatto);
}

} // namespace Registro
