#include "app/Immagini.h"

#include "app/Blocco.h"
#include "app/FileSicuri.h"
#include "BlockArt.h"

#include <QBuffer>
#include <QCache>
#include <QFileInfo>
#include <QImageReader>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <xxhash.h>

namespace {

// A phone's largest photos: 50 megapixels and more, tens of MiB.
constexpr qint64 FileMassimo = 64 * 1024 * 1024;
constexpr qint64 PixelMassimi = 64LL * 1000 * 1000;
constexpr int LatoRiserva = 480;
constexpr std::chrono::milliseconds AttesaPreparazione{200};

// Decoded pictures, keyed by what decides their pixels: the file's bytes
// (their XXH3 hash and their length) and the size they are decoded at. The
// same bytes always decode to the same pixels, so a picture from here is the
// one a fresh decode gives; a file whose bytes changed has another key.
// QCache counts cost in KiB here and drops the least recently used pictures
// beyond the bound. Loads and the preparation ahead of need use it from
// several threads.
class CacheFigure {
public:
    static QByteArray chiave(const QByteArray& dati, QSize dimensione)
    {
        const XXH128_hash_t h = XXH3_128bits(dati.constData(), size_t(dati.size()));
        const qint64 campi[] = {qint64(h.low64), qint64(h.high64), dati.size(), dimensione.width(),
                                dimensione.height()};
        return QByteArray(reinterpret_cast<const char*>(campi), sizeof campi);
    }

    // The picture of chiave: from the cache, or made by decodifica and kept.
    // A picture another thread is decoding right now is waited for rather
    // than decoded twice.
    QImage ottieni(const QByteArray& chiave, const std::function<QImage()>& decodifica)
    {
        std::unique_lock blocco(mutex);
        for (;;) {
            if (const QImage* i = cache.object(chiave))
                return *i;
            if (!inCorso.contains(chiave))
                break;
            finito.wait(blocco);
        }
        inCorso.insert(chiave);
        blocco.unlock();
        QImage immagine;
        {
            // Whatever happens while decoding, the waiting threads are told.
            const auto avvisa = qScopeGuard([&] {
                const std::lock_guard dopo(mutex);
                inCorso.remove(chiave);
                const qint64 kib = (immagine.sizeInBytes() + 1023) / 1024;
                if (!immagine.isNull() && kib <= cache.maxCost())
                    cache.insert(chiave, new QImage(immagine), kib);
                finito.notify_all();
            });
            immagine = decodifica();
        }
        return immagine;
    }
    qint64 byte() const
    {
        const std::lock_guard blocco(mutex);
        return qint64(cache.totalCost()) * 1024;
    }
    void svuota()
    {
        const std::lock_guard blocco(mutex);
        cache.clear();
    }

private:
    mutable std::mutex mutex;
    std::condition_variable finito;
    QCache<QByteArray, QImage> cache{int(CacheFigureMassima / 1024)};
    QSet<QByteArray> inCorso;
};

// A JPEG cut short (a copy interrupted halfway) has no end-of-image marker
// after its last scan header (the last, because a photograph's thumbnail is
// a whole JPEG of its own among the headers). Qt would decode it in part,
// grey below the cut, and complain on every load; it is treated as damaged.
bool JpegTroncato(const QByteArray& dati)
{
    if (!dati.startsWith("\xFF\xD8"))
        return false;
    // A whole file ends with its end-of-image marker: no need to look through
    // the compressed data for the last scan header.
    if (dati.endsWith("\xFF\xD9"))
        return false;
    const qsizetype scansione = dati.lastIndexOf("\xFF\xDA");
    return scansione < 0 || dati.indexOf("\xFF\xD9", scansione) < 0;
}

// The size to decode a picture of this size at so that it still fills a box
// of at most lato: a JPEG decodes at 1/8, 1/4 and 1/2 of its size faster than
// whole (other fractions are slower), so the smallest of those that is not
// smaller than the box. Never larger than the file.
QSize DimensioneDaDecodificare(QSize dimensione, QSize lato)
{
    if (lato.isEmpty())
        return dimensione;
    for (int k : {1, 2, 4}) {
        const QSize ridotta((dimensione.width() * k + 7) / 8, (dimensione.height() * k + 7) / 8);
        if (ridotta.width() >= lato.width() && ridotta.height() >= lato.height())
            return ridotta;
    }
    return dimensione;
}

// One picture's bytes made ready to decode for a box: the decoder its name
// asks for, the size it decodes at and the key of that decoding.
class Decodificatore {
public:
    Decodificatore(const QString& percorso, const QByteArray& dati, QSize lato)
    {
        if (JpegTroncato(dati)) {
            motivo = QStringLiteral("immagine troncata");
            return;
        }
        buffer.setData(dati);
        buffer.open(QIODevice::ReadOnly);
        // The decoder the name's extension asks for is tried alone, as when Qt
        // reads a file by its name; the others are loaded and asked only when
        // it cannot read the data.
        lettore.setDevice(&buffer);
        lettore.setFormat(QFileInfo(percorso).suffix().toLower().toLatin1());
        lettore.setAutoDetectImageFormat(false);
        if (!lettore.canRead()) {
            buffer.seek(0);
            lettore.setDevice(&buffer);
            lettore.setFormat({});
            lettore.setAutoDetectImageFormat(true);
        }
        const QSize dimensione = lettore.size();
        if (!dimensione.isValid() || qint64(dimensione.width()) * dimensione.height() > PixelMassimi) {
            motivo = QStringLiteral("immagine non valida o troppo grande");
            return;
        }
        // A photo is shown as it was taken: its orientation tag is applied
        // after decoding, so a sideways-stored photo is decoded for the box
        // turned too.
        lettore.setAutoTransform(true);
        const bool girata = lettore.transformation() & QImageIOHandler::TransformationRotate90;
        ridotta = DimensioneDaDecodificare(dimensione, girata ? lato.transposed() : lato);
        if (ridotta != dimensione)
            lettore.setScaledSize(ridotta);
        chiave = CacheFigure::chiave(dati, ridotta);
    }

    bool valido() const { return !chiave.isEmpty(); }
    // About what the decoded picture takes in memory.
    qint64 byte() const { return qint64(ridotta.width()) * ridotta.height() * 4; }
    QImage decodifica() { return lettore.read(); }

    QByteArray chiave;
    QString motivo;

private:
    QBuffer buffer;
    QImageReader lettore;
    QSize ridotta;
};

// The cache, and the thread that fills it ahead of need; the thread is
// stopped before the cache goes.
struct Magazzino {
    CacheFigure cache;

    // Each preparation has a number; one whose number is no longer the last
    // stops.
    std::atomic<int> giro{0};
    std::mutex mutex;
    std::condition_variable cambio;
    QThreadPool riserva;

    Magazzino()
    {
        // One thread, kept for the whole run: a thread made anew for every
        // preparation would leave the allocator an arena of its own each time.
        riserva.setMaxThreadCount(1);
        riserva.setExpiryTimeout(-1);
        riserva.setThreadPriority(QThread::LowestPriority);
    }
    ~Magazzino() { ferma(); }
    int nuovoGiro()
    {
        const std::lock_guard blocco(mutex);
        const int g = ++giro;
        cambio.notify_all();
        return g;
    }
    void ferma()
    {
        nuovoGiro();
        riserva.waitForDone();
    }
    // Waits for a while, unless the preparation of number g is replaced
    // meanwhile; true when it is still the last.
    bool aspetta(int g, std::chrono::milliseconds durata)
    {
        std::unique_lock blocco(mutex);
        return !cambio.wait_for(blocco, durata, [&] { return giro != g; });
    }
};

Magazzino& magazzino()
{
    static Magazzino m;
    return m;
}

// What reading and decoding one picture gave: the picture, or why not.
struct Lettura {
    QImage immagine;
    QString motivo;
};

// Reads the file afresh (its bytes as they are now decide what shows) and
// decodes it, or takes its decoding from the cache. Safe on any thread.
Lettura Leggi(const QString& percorso, QSize lato)
{
    const auto contenuto = LeggiFileRegolare(percorso, FileMassimo);
    if (!contenuto)
        return {{}, QStringLiteral("immagine mancante, non leggibile o troppo grande")};
    Decodificatore d(percorso, *contenuto, lato);
    if (!d.valido())
        return {{}, d.motivo};
    const QImage immagine = magazzino().cache.ottieni(d.chiave, [&] { return d.decodifica(); });
    if (immagine.isNull())
        return {{}, QStringLiteral("immagine danneggiata")};
    return {immagine, {}};
}

// A picture as a control shows it: one that could not be read is drawn from
// its words when it is a block's, and its file is named once.
Figura Completa(const QString& percorso, Lettura lettura)
{
    if (lettura.immagine.isNull()) {
        if (const auto blocco = BloccoDaPercorso(percorso)) {
            lettura.immagine = Media::disegnaBlocco(blocco->forma, blocco->colore, blocco->dimensione,
                                                    blocco->spessore, LatoRiserva);
            lettura.motivo += QStringLiteral("; disegnata dal programma");
        }
        AvvisaFile(percorso, lettura.motivo);
    }
    // An empty picture has nothing for a screen reader to say.
    return {lettura.immagine, lettura.immagine.isNull() ? QString() : NomeFigura(percorso)};
}

// Runs fai(0) ... fai(n - 1) on this thread and on as many idle threads of
// the shared pool as there are further cores; returns when all are done.
void InParallelo(int n, const std::function<void(int)>& fai)
{
    std::atomic<int> prossimo{0};
    const auto lavora = [&] {
        for (int i; (i = prossimo++) < n;)
            fai(i);
    };
    QSemaphore finiti;
    int aiutanti = 0;
    QThreadPool* pool = QThreadPool::globalInstance();
    while (aiutanti < std::min(n, QThread::idealThreadCount()) - 1 && pool->tryStart([&] {
        lavora();
        finiti.release();
    }))
        ++aiutanti;
    lavora();
    finiti.acquire(aiutanti);
}

} // namespace

QString NomeFigura(const QString& percorso)
{
    if (const auto blocco = BloccoDaPercorso(percorso))
        return blocco->nome();
    const QString parola = QFileInfo(percorso).completeBaseName().toLower();
    return parola == QLatin1String("cerchio") ? QStringLiteral("rotondo") : parola;
}

Figura CaricaFigura(const QString& percorso, QSize lato)
{
    return Completa(percorso, Leggi(percorso, lato));
}

QList<Figura> CaricaFigure(const QList<RichiestaFigura>& richieste)
{
    QList<Lettura> letture(richieste.size());
    // Each thread writes its own elements, through a pointer taken once: the
    // list is never touched (nor asked whether to detach) from two threads.
    Lettura* const uscita = letture.data();
    InParallelo(int(richieste.size()), [&](int i) { uscita[i] = Leggi(richieste[i].percorso, richieste[i].lato); });
    QList<Figura> figure;
    for (qsizetype i = 0; i < richieste.size(); ++i)
        figure.append(Completa(richieste[i].percorso, std::move(letture[i])));
    return figure;
}

void PreparaFigure(const QStringList& percorsi, QSize lato)
{
    Magazzino& m = magazzino();
    const int mio = m.nuovoGiro();
    m.riserva.start([&m, mio, percorsi, lato] {
        // A moment's wait: a screen that has just asked is still opening, and
        // its own pictures come first.
        if (!m.aspetta(mio, AttesaPreparazione))
            return;
        qint64 preparati = 0;
        for (const QString& percorso : percorsi) {
            if (m.giro != mio)
                return;
            const auto contenuto = LeggiFileRegolare(percorso, FileMassimo);
            if (!contenuto)
                continue;
            Decodificatore d(percorso, *contenuto, lato);
            if (!d.valido())
                continue;
            // The pictures of this preparation stay within the cache: beyond
            // it, each would push out one prepared a moment ago.
            preparati += d.byte();
            if (preparati > CacheFigureMassima)
                return;
            m.cache.ottieni(d.chiave, [&] { return d.decodifica(); });
        }
    });
}

bool AttendiFigurePreparate(int ms)
{
    return magazzino().riserva.waitForDone(ms);
}

qint64 ByteCacheFigure()
{
    return magazzino().cache.byte();
}

void SvuotaCacheFigure()
{
    magazzino().ferma();
    magazzino().cache.svuota();
}
