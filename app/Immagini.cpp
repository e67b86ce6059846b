#include "app/Immagini.h"

#include "app/Blocco.h"
#include "app/FileSicuri.h"
#include "BlockArt.h"

#include <QBuffer>
#include <QCache>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>
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
// beyond the bound. Pictures fitted to a box are kept here too, under keys
// of their own. Loads and the preparation ahead of need use it from several
// threads.
class CacheFigure {
public:
    static QByteArray chiave(const QByteArray& dati, QSize dimensione)
    {
        const XXH128_hash_t h = XXH3_128bits(dati.constData(), size_t(dati.size()));
        const qint64 campi[] = {qint64(h.low64), qint64(h.high64), dati.size(), dimensione.width(),
                                dimensione.height()};
        return QByteArray(reinterpret_cast<const char*>(campi), sizeof campi);
    }

    // The picture of chiave if the cache has it now.
    std::optional<QImage> trova(const QByteArray& chiave)
    {
        const std::lock_guard blocco(mutex);
        if (const QImage* i = cache.object(chiave))
            return *i;
        return std::nullopt;
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

// The picture at the size of its box. Pictures are decoded about twice as
// large as their box at most (a box a little wider than half a picture and
// taller than half of it takes the whole picture), and from there bilinear
// filtering (the painter's) looks the same as averaging every pixel, in half
// the time; a picture much larger than its box is averaged.
QImage Scalata(const QImage& figura, QSize lato)
{
    if (figura.width() * 2 > lato.width() * 5 || figura.height() * 2 > lato.height() * 5)
        return figura.scaled(lato, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage scalata(lato, figura.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    scalata.fill(Qt::transparent);
    QPainter p(&scalata);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRect(QPoint(), lato), figura);
    return scalata;
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
#ifdef __GLIBC__
        // Pictures of some hundred KiB come and go with the cache. Each gets
        // memory of its own from the system and gives it back whole when it
        // leaves; by default glibc raises this threshold once the first one
        // is freed, and later pictures leave holes in the heap (measured:
        // 35 MB more resident memory once the cache is full).
        mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
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

// One picture on its way: its file read, and its picture found in the cache,
// or left to decode, or why there is none.
struct Lettura {
    QImage immagine;
    QString motivo;
    std::unique_ptr<Decodificatore> daDecodificare;
    // The file read first, then those to read if it gives no picture (see
    // FileDaProvare).
    QStringList file;
};

// Reads the first of the files afresh (its bytes as they are now decide what
// shows) and looks for their decoding in the cache.
Lettura LeggiPrimo(const QStringList& file, QSize lato)
{
    const auto contenuto = LeggiFileRegolare(file.first(), FileMassimo);
    if (!contenuto)
        return {{}, QStringLiteral("immagine mancante, non leggibile o troppo grande"), {}, file};
    auto d = std::make_unique<Decodificatore>(file.first(), *contenuto, lato);
    if (!d->valido())
        return {{}, d->motivo, {}, file};
    if (auto trovata = magazzino().cache.trova(d->chiave))
        return {*trovata, {}, {}, file};
    return {{}, {}, std::move(d), file};
}

Lettura Leggi(const QString& percorso, QSize lato)
{
    return LeggiPrimo(FileDaProvare(percorso), lato);
}

// Decodes what Leggi did not find (unless another thread has just done so).
// Safe on any thread.
void Decodifica(Lettura& lettura)
{
    if (!lettura.daDecodificare)
        return;
    Decodificatore& d = *lettura.daDecodificare;
    lettura.immagine = magazzino().cache.ottieni(d.chiave, [&] { return d.decodifica(); });
    if (lettura.immagine.isNull())
        lettura.motivo = QStringLiteral("immagine danneggiata");
    lettura.daDecodificare.reset();
}

// A picture as a control shows it. A user's own picture that cannot be read
// is named once, and the installed one is read in its place; one that still
// gives nothing is drawn from its words when it is a block's, and its file is
// named once.
Figura Completa(const QString& percorso, Lettura lettura, QSize lato)
{
    while (lettura.immagine.isNull() && lettura.file.size() > 1) {
        AvvisaFile(lettura.file.first(), lettura.motivo + QStringLiteral("; si usa quella del gioco"));
        lettura = LeggiPrimo(lettura.file.mid(1), lato);
        Decodifica(lettura);
    }
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

// Runs fai(0) ... fai(n - 1) on this thread and on the idle threads of the
// shared pool (one per core); returns when all are done. One thread more
// than the cores lets three pictures on two cores be decoded side by side,
// rather than two together and the third alone.
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
    while (aiutanti < std::min(n - 1, pool->maxThreadCount()) && pool->tryStart([&] {
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
    Lettura lettura = Leggi(percorso, lato);
    Decodifica(lettura);
    return Completa(percorso, std::move(lettura), lato);
}

QList<Figura> CaricaFigure(const QList<RichiestaFigura>& richieste)
{
    // Files are read and looked up here; only the pictures the cache does not
    // have are decoded on several threads: for pictures already decoded,
    // waking another thread would cost more than it saves.
    std::vector<Lettura> letture;
    std::vector<Lettura*> daDecodificare;
    letture.reserve(size_t(richieste.size()));
    for (const RichiestaFigura& r : richieste) {
        letture.push_back(Leggi(r.percorso, r.lato));
        if (letture.back().daDecodificare)
            daDecodificare.push_back(&letture.back());
    }
    InParallelo(int(daDecodificare.size()), [&](int i) { Decodifica(*daDecodificare[size_t(i)]); });
    QList<Figura> figure;
    for (qsizetype i = 0; i < richieste.size(); ++i)
        figure.append(Completa(richieste[i].percorso, std::move(letture[size_t(i)]), richieste[i].lato));
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
            // The user's own picture, when there is one: the installed one is
            // decoded only when that cannot be.
            const auto contenuto = LeggiFileRegolare(FileDaProvare(percorso).first(), FileMassimo);
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

QImage FiguraAdattata(const QImage& figura, QSize lato)
{
    if (figura.isNull() || figura.size() == lato || lato.isEmpty())
        return figura;
    // A picture is told by its data's key, which every copy of it shares (the
    // copies the cache hands out included): the same picture at the same size
    // is fitted once while it stays in the cache.
    const qint64 campi[] = {figura.cacheKey(), lato.width(), lato.height()};
    const QByteArray chiave = QByteArrayLiteral("adattata")
        + QByteArray(reinterpret_cast<const char*>(campi), sizeof campi);
    return magazzino().cache.ottieni(chiave, [&] { return Scalata(figura, lato); });
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
