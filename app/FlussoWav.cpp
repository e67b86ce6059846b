#include "app/FlussoWav.h"

#include <algorithm>
#include <cstring>

FlussoWav::FlussoWav(std::unique_ptr<LettoreWav> l, std::function<void()> g)
    : lettore(std::move(l)), guasto(std::move(g)),
      anello(size_t(std::max(lettore->frequenza(), 16384)) * lettore->canali())
{
    if (!decodificaBlocco())
        return;
    pronto = true;
    if (!finito)
        thread = std::thread([this] { decodifica(); });
}

FlussoWav::~FlussoWav()
{
    {
        std::lock_guard l(m);
        fermo = true;
    }
    cv.notify_all();
    if (thread.joinable())
        thread.join();
}

qint64 FlussoWav::leggi(char* destinazione, qint64 massimo)
{
    const size_t chiesti = size_t(massimo / (2 * canali()) * canali());
    std::lock_guard l(m);
    if (quanti == 0) {
        if (finito)
            return 0;
        // The decoder is behind (a very busy machine): a moment of silence
        // keeps the output going at its pace.
        std::memset(destinazione, 0, chiesti * 2);
        return qint64(chiesti * 2);
    }
    const size_t n = std::min(chiesti, quanti);
    auto* uscita = reinterpret_cast<qint16*>(destinazione);
    const size_t primaParte = std::min(n, anello.size() - inizio);
    std::copy_n(anello.data() + inizio, primaParte, uscita);
    std::copy_n(anello.data(), n - primaParte, uscita + primaParte);
    inizio = (inizio + n) % anello.size();
    quanti -= n;
    cv.notify_one();
    return qint64(n * 2);
}

bool FlussoWav::finita() const
{
    std::lock_guard l(m);
    return finito && quanti == 0;
}

void FlussoWav::decodifica()
{
    for (;;) {
        {
            std::unique_lock l(m);
            cv.wait(l, [this] { return fermo || anello.size() - quanti >= anello.size() / 4; });
            if (fermo)
                return;
        }
        if (!decodificaBlocco()) {
            guasto();
            return;
        }
        if (finito)
            return;
    }
}

bool FlussoWav::decodificaBlocco()
{
    size_t libero;
    {
        std::lock_guard l(m);
        libero = anello.size() - quanti;
    }
    blocco.resize(libero);
    const qint64 n = lettore->decodifica(blocco.data(), qint64(libero) / canali());
    std::lock_guard l(m);
    if (n <= 0) {
        finito = true;
        return n == 0;
    }
    const size_t campioni = size_t(n) * canali();
    const size_t fine = (inizio + quanti) % anello.size();
    const size_t primaParte = std::min(campioni, anello.size() - fine);
    std::copy_n(blocco.data(), primaParte, anello.data() + fine);
    std::copy_n(blocco.data() + primaParte, campioni - primaParte, anello.data());
    quanti += campioni;
    finito = lettore->fotogrammi() == fatti + n;
    fatti += n;
    return true;
}
