#include "app/Immagini.h"

#include "registro/Blocco.h"
#include "app/FileSicuri.h"
#include "app/Servizi.h"
#include "BlockArt.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCache>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QSet>
#include <QImageReader>
#include <QLoggingCategory>
#include <QPainter>
#include <QScopeGuard>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>
// XXH3 compiled in, rather than loaded from libxxhash at start.
#define XXH_INLINE_ALL
#include <xxhash.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <cstring>
#include <pthread.h>
#include <sched.h>
#endif

namespace {

// A phone's largest photos: 50 megapixels and more, tens of MiB.
constexpr qint64 FileMassimo = 64 * 1024 * 1024;
constexpr qint64 PixelMassimiFigura = 64LL * 1000 * 1000;
constexpr int LatoRiserva = 480;

#ifdef __GLIBC__
// Whether glibc's allocator setting "glibc.malloc.<nome>" is given in its
// tunables (GLIBC_TUNABLES="glibc.malloc.trim_threshold=...:..."): whoever
// sets it there has chosen how the heap holds memory, and the program's own
// setting of the same kind gives way.
bool AllocatoreRegolato(const char* nome)
{
    const QByteArray voce = QByteArrayLiteral("glibc.malloc.") + nome + '=';
    const QList<QByteArray> regolazioni = qgetenv("GLIBC_TUNABLES").split(':');
    return std::any_of(regolazioni.cbegin(), regolazioni.cend(),
                       [&](const QByteArray& r) { return r.startsWith(voce); });
}
#endif

// Decoded pictures, keyed by what decides their pixels: the file's bytes
// that the decoder is given (their XXH3 hash and their length, see
// JpegEssenziale) and the size they are decoded at. The same bytes always
// decode to the same pixels, so a picture from here is the
// one a fresh decode gives; a file whose bytes changed has another key.
// QCache counts cost in KiB here and drops the least recently used pictures
// beyond the bound. Pictures fitted to a box are kept here too, under keys
// of their own. Loads and the preparation ahead of need use it from several
// threads.
// What a picture of this many bytes costs the cache, in whole KiB.
constexpr qint64 InKiB(qint64 byte)
{
    return (byte + 1023) / 1024;
}

class CacheFigure {
public:
    // A decoding's key begins with what tells the bytes apart: their hash
    // and length; then comes the size decoded at. Any other key is a
    // picture's fitted copy's.
    static constexpr qsizetype ByteDelContenuto = 3 * sizeof(qint64);
    static constexpr qsizetype ByteDellaDecodifica = 5 * sizeof(qint64);
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
        if (const QImage* i = di(chiave).object(chiave))
            return *i;
        return std::nullopt;
    }

    // Who asks for a picture: a screen's load (or a paint), or the
    // preparation ahead of need.
    enum class Chi { Caricamento, Preparazione };

    // The picture of chiave: from the cache, or made by decodifica and kept.
    // A load waits for a picture another load is decoding right now rather
    // than decode it twice, but never for the preparation ahead of need: that
    // thread runs only when the processor has nothing else to do, so the
    // load decodes the picture itself. The preparation never waits at all: a
    // picture someone is decoding is left to them, and it gets a null
    // picture. No decodifica may wait for a thread that can be waiting here:
    // decoding and scaling use Qt's shared thread pool, so no thread of that
    // pool ever comes here (see InParallelo).
    QImage ottieni(const QByteArray& chiave, const std::function<QImage()>& decodifica,
                   Chi chi = Chi::Caricamento)
    {
        std::unique_lock blocco(mutex);
        for (;;) {
            if (const QImage* i = di(chiave).object(chiave))
                return *i;
            const auto altro = inCorso.constFind(chiave);
            if (altro == inCorso.cend() || (chi == Chi::Caricamento && *altro == Chi::Preparazione))
                break;
            if (chi == Chi::Preparazione)
                return {};
            finito.wait(blocco);
        }
        inCorso.insert(chiave, chi);
        blocco.unlock();
        QImage immagine;
        {
            // Whatever happens while decoding, the waiting threads are told.
            const auto avvisa = qScopeGuard([&] {
                const std::lock_guard dopo(mutex);
                // A load that took over from the preparation leaves its mark
                // for the loads waiting on it.
                if (inCorso.value(chiave) == chi)
                    inCorso.remove(chiave);
                const qint64 kib = InKiB(immagine.sizeInBytes());
                if (!immagine.isNull())
                    inserisci(chiave, immagine, kib);
                finito.notify_all();
            });
            immagine = decodifica();
        }
        return immagine;
    }
    // What the decoded pictures take.
    qint64 byteDecodificate() const
    {
        const std::lock_guard blocco(mutex);
        return qint64(decodificate.totalCost()) * 1024;
    }
    qint64 byte() const
    {
        const std::lock_guard blocco(mutex);
        return (qint64(decodificate.totalCost()) + mostrate.totalCost()) * 1024;
    }
    void svuota()
    {
        const std::lock_guard blocco(mutex);
        decodificate.clear();
        mostrate.clear();
    }

private:
    mutable std::mutex mutex;
    std::condition_variable finito;
    using Cache = QCache<QByteArray, QImage>;
    Cache& di(const QByteArray& chiave)
    {
        return chiave.size() == ByteDellaDecodifica ? decodificate : mostrate;
    }
    // Keeps a picture within its own bound, and both kinds within the
    // whole cache's: the least recently used of the other kind make room.
    void inserisci(const QByteArray& chiave, const QImage& immagine, qint64 kib)
    {
        Cache& questa = di(chiave);
        Cache& altra = &questa == &decodificate ? mostrate : decodificate;
        if (kib > questa.maxCost() || questa.contains(chiave))
            return;
        questa.insert(chiave, new QImage(immagine), kib);
        const qsizetype resto = CacheFigureMassima / 1024 - questa.totalCost();
        if (altra.totalCost() > resto) {
            const qsizetype bound = altra.maxCost();
            altra.setMaxCost(std::max<qsizetype>(0, resto));
            altra.setMaxCost(bound);
        }
    }
    // Decoded pictures, and fitted copies, each dropping its least
    // recently used beyond its own bound.
    Cache decodificate{int(CacheFigureMassima / 1024)};
    Cache mostrate{int(CacheMostrateMassima / 1024)};
    QHash<QByteArray, Chi> inCorso;
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

// The bytes of a JPEG that decide its pixels and how it is turned, without
// the metadata it may carry besides (camera notes, thumbnails, previews,
// comments: tens of MiB in some files), which the decoder would otherwise
// keep in memory and parse at every load. Kept before the first scan: the
// frame, tables and restart interval, and the first JFIF (APP0), Exif (APP1,
// for the orientation) and Adobe (APP14, for CMYK and the colour transform)
// segment; from the first scan on, everything, as the decoder reads on past
// it without keeping anything. Other data, or a JPEG whose segments run past
// its end, is handed over as it is: its decoder says what it makes of it.
QByteArray JpegEssenziale(const QByteArray& dati)
{
    if (!dati.startsWith("\xFF\xD8"))
        return dati;
    const auto byte = [&](qsizetype i) { return uchar(dati[i]); };
    const auto inizia = [&](qsizetype i, QByteArrayView firma) {
        return dati.size() - i >= firma.size() && QByteArrayView(dati).sliced(i, firma.size()) == firma;
    };
    QByteArray essenziale;
    bool jfif = false, exif = false, adobe = false, scartato = false;
    qsizetype i = 2;
    for (;;) {
        if (i + 4 > dati.size() || byte(i) != 0xFF)
            return dati;
        const uchar marcatore = byte(i + 1);
        if (marcatore == 0xFF) {  // fill byte before a marker
            ++i;
            continue;
        }
        if (marcatore == 0xDA)  // the first scan and all that follows
            break;
        if (marcatore == 0x01 || (marcatore >= 0xD0 && marcatore <= 0xD8)) {  // markers without a length
            if (scartato)
                essenziale.append(QByteArrayView(dati).sliced(i, 2));
            i += 2;
            continue;
        }
        const qsizetype lunghezza = (qsizetype(byte(i + 2)) << 8) | byte(i + 3);
        if (lunghezza < 2 || i + 2 + lunghezza > dati.size())
            return dati;
        bool tieni = marcatore < 0xE0 || marcatore > 0xFE;  // frame, tables, restarts
        if (marcatore == 0xE0 && !jfif && inizia(i + 4, "JFIF\0"))
            tieni = jfif = true;
        else if (marcatore == 0xE1 && !exif && inizia(i + 4, QByteArrayView("Exif\0\0", 6)))
            tieni = exif = true;
        else if (marcatore == 0xEE && !adobe && inizia(i + 4, "Adobe"))
            tieni = adobe = true;
        if (!tieni && !scartato) {
            scartato = true;
            essenziale = dati.left(i);
        } else if (tieni && scartato) {
            essenziale.append(QByteArrayView(dati).sliced(i, 2 + lunghezza));
        }
        i += 2 + lunghezza;
    }
    if (!scartato)
        return dati;
    essenziale.append(QByteArrayView(dati).sliced(i));
    return essenziale;
}

// The size to decode a picture of this size at so that it still fills the
// part of a box of at most lato it is shown in (keeping its proportions): a
// JPEG decodes at 1/8, 1/4 and 1/2 of its size faster than whole (other
// fractions are slower), so the smallest of those that is not smaller than
// the picture fitted to the box. Never larger than the file.
QSize DimensioneDaDecodificare(QSize dimensione, QSize lato)
{
    if (lato.isEmpty())
        return dimensione;
    const QSize adattata = DimensioneAdattata(dimensione, lato);
    for (int k : {1, 2, 4}) {
        const QSize ridotta((dimensione.width() * k + 7) / 8, (dimensione.height() * k + 7) / 8);
        if (ridotta.width() >= adattata.width() && ridotta.height() >= adattata.height())
            return ridotta;
    }
    return dimensione;
}

// The picture at the size it is shown at. Pictures are decoded about twice as
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
    Decodificatore(const QString& percorso, const QByteArray& letti, QSize lato)
    {
        const QByteArray dati = JpegEssenziale(letti);
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
        if (!dimensione.isValid() || qint64(dimensione.width()) * dimensione.height() > PixelMassimiFigura) {
            motivo = TroppoGrande;
            return;
        }
        // A decoder that cannot decode at a reduced size (a 16-bit or
        // interlaced PNG, for one) needs the whole picture in memory, and Qt
        // refuses more than its allocation limit: such a picture is too large
        // rather than damaged.
        const int profondita = QImage::toPixelFormat(lettore.imageFormat()).bitsPerPixel();
        const qint64 limite = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
        oltreIlLimite = limite > 0
            && qint64(dimensione.width()) * dimensione.height() * std::max(4, profondita / 8) > limite;
        // A photo is shown as it was taken: its orientation tag is applied
        // after decoding, so a sideways-stored photo is decoded for the box
        // turned too.
        lettore.setAutoTransform(true);
        girata = lettore.transformation() & QImageIOHandler::TransformationRotate90;
        originale = dimensione;
        ridotta = DimensioneDaDecodificare(dimensione, girata ? lato.transposed() : lato);
        if (ridotta != dimensione)
            lettore.setScaledSize(ridotta);
        chiave = CacheFigure::chiave(dati, ridotta);
    }

    bool valido() const { return !chiave.isEmpty(); }
    // Why a decoding that gave nothing failed.
    QString motivoDelFallimento() const
    {
        return oltreIlLimite ? TroppoGrande : QStringLiteral("immagine danneggiata");
    }
    // About what the decoded picture takes in memory.
    qint64 byte() const { return qint64(ridotta.width()) * ridotta.height() * 4; }
    // The size of the decoded picture, once turned upright.
    QSize decodificata() const { return girata ? ridotta.transposed() : ridotta; }
    QImage decodifica() { return lettore.read(); }

    QByteArray chiave;
    QString motivo;
    // The file's picture as stored, and whether it is turned a quarter to
    // be shown upright.
    QSize originale;
    bool girata = false;

private:
    static inline const QString TroppoGrande = QStringLiteral("immagine non valida o troppo grande");
    QBuffer buffer;
    QImageReader lettore;
    QSize ridotta;
    bool oltreIlLimite = false;
};

// The priority of the thread that prepares pictures ahead of need. While it
// prepares, it runs only when no other thread of the machine wants the
// processor (Linux's idle class; Qt's lowest thread priority would change
// nothing for an ordinary Linux thread), and it is named so that ps -L shows
// which one it is. Once stopped, it finishes the picture it is decoding at
// the ordinary priority: whoever stops it waits for that picture, and on a
// busy machine an idle-class thread might not get the processor for seconds.
class PrioritaPreparazione {
public:
    // On the preparing thread, as each preparation starts and as it ends.
    void inSecondoPiano()
    {
#ifdef Q_OS_LINUX
        const std::lock_guard blocco(mutex);
        filo = pthread_self();
        pthread_setname_np(*filo, NomeFiloPreparazione);
        imposta(SCHED_IDLE);
#endif
    }
    void finita()
    {
#ifdef Q_OS_LINUX
        const std::lock_guard blocco(mutex);
        filo.reset();
#endif
    }
    // On any thread, once the preparation has been told to stop.
    void inPrimoPiano()
    {
#ifdef Q_OS_LINUX
        const std::lock_guard blocco(mutex);
        if (filo)
            imposta(SCHED_OTHER);
#endif
    }

private:
#ifdef Q_OS_LINUX
    void imposta(int classe)
    {
        const sched_param parametri{};
        if (const int errore = pthread_setschedparam(*filo, classe, &parametri))
            qWarning("tesselo: the priority of the pictures ahead of need stays as it is (%s)", strerror(errore));
    }
    // The thread while it prepares: it cannot end meanwhile, as it clears
    // this under the mutex first.
    std::mutex mutex;
    std::optional<pthread_t> filo;
#endif
};

// The cache, and the thread that fills it ahead of need; the thread is
// stopped before the cache goes.
struct Magazzino {
    CacheFigure cache;

    // Each preparation has a number; one whose number is no longer the last
    // stops.
    std::atomic<int> giro{0};
    PrioritaPreparazione priorita;
    QThreadPool riserva;
    // The threads that decode a screen's pictures side by side with the
    // thread that asks (see InParallelo).
    QThreadPool aiutanti;
    // The thread that writes the fitted copies kept between runs, so that a
    // screen's load never waits for the disk.
    QThreadPool scrittura;

    Magazzino()
    {
#ifdef __GLIBC__
        // Pictures of some hundred KiB come and go with the cache. Each gets
        // memory of its own from the system and gives it back whole when it
        // leaves; by default glibc raises this threshold once the first one
        // is freed, and later pictures leave holes in the heap (measured:
        // 35 MB more resident memory once the cache is full). A threshold
        // set through glibc's own tunables is kept as set.
        if (!AllocatoreRegolato("mmap_threshold"))
            mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
        // One thread, kept for the whole run: a thread made anew for every
        // preparation would leave the allocator an arena of its own each time.
        riserva.setMaxThreadCount(1);
        riserva.setExpiryTimeout(-1);
        aiutanti.setMaxThreadCount(QThread::idealThreadCount());
        aiutanti.setExpiryTimeout(-1);
        scrittura.setMaxThreadCount(1);
    }
    ~Magazzino() { ferma(); }
    int nuovoGiro() { return ++giro; }
    void ferma()
    {
        nuovoGiro();
        priorita.inPrimoPiano();
        riserva.waitForDone();
        scrittura.waitForDone();
    }
};

Magazzino& magazzino()
{
    static Magazzino m;
    // The preparation fits pictures with Qt's scaling, which runs on Qt's
    // shared thread pool: it stops while the application object is being
    // destroyed, before that pool is, whether or not the program stopped it
    // itself.
    static const bool fermataAllUscita = [] {
        qAddPostRoutine([] { magazzino().ferma(); });
        return true;
    }();
    Q_UNUSED(fermataAllUscita);
    return m;
}

// What a picture file's bytes are, as far as decoding them for any box
// goes: the key of their content (see CacheFigure::chiave), the picture's
// size as stored, and whether it is turned a quarter to be shown upright.
struct Nota {
    QByteArray contenuto;
    QSize originale;
    bool girata = false;
};

// What the settled picture files read in this run hold, by their identity
// with their extension (which chooses their decoder): a screen shown again
// finds its pictures in the cache without reading their files (a phone's
// photo is some megabytes to read and hash, and a screen shows a dozen).
// Safe on any thread.
class Note {
public:
    std::optional<Nota> trova(const QByteArray& origine)
    {
        const std::lock_guard blocco(mutex);
        const auto nota = note.constFind(origine);
        return nota == note.cend() ? std::nullopt : std::optional(*nota);
    }
    void annota(const QByteArray& origine, const Nota& nota)
    {
        const std::lock_guard blocco(mutex);
        // The program shows some hundred pictures; a long run of tests in
        // fresh folders should not fill the memory.
        if (note.size() >= 4096)
            note.clear();
        note.insert(origine, nota);
    }
    // True the first time it is asked of origine since the notes were
    // emptied: a note is kept between runs once a run.
    bool daConservare(const QByteArray& origine)
    {
        const std::lock_guard blocco(mutex);
        if (conservate.size() >= 4096)
            conservate.clear();
        if (conservate.contains(origine))
            return false;
        conservate.insert(origine);
        return true;
    }
    void svuota()
    {
        const std::lock_guard blocco(mutex);
        note.clear();
        conservate.clear();
    }

private:
    std::mutex mutex;
    QHash<QByteArray, Nota> note;
    QSet<QByteArray> conservate;
};

Note& note()
{
    static Note n;
    return n;
}

// Pictures fitted to their boxes, kept between runs in the folder
// servizi().cartellaCopie: a 12-megapixel photo takes some 25 ms to decode
// even at an eighth, and a screen of "trova il blocco" shows a dozen; its
// copy fitted to a box is read in some microseconds. Two kinds of file, each
// named by the hash of what it stands for, in hexadecimal: a note of a
// settled picture file (by its identity and extension), and a copy of a
// picture fitted to a box (by its key in the cache, which holds the key of
// the content it was made from and its size). The folder is the user's, and
// anything in it may be damaged or planted: a file is taken only when it is
// a regular file of its size, names what it was asked for, has sizes that
// agree with each other, and its content hashes as it says.
namespace Copie {

constexpr char Firma[8] = {'T', 'S', 'L', 'F', 'I', 'G', 'U', 'R'};
constexpr quint32 Versione = 1;
// A copy's pixels at most (a box of some 1000 × 1000 pixels): larger ones
// are fitted when shown, as they are few.
constexpr qint64 PixelMassimi = 4LL * 1024 * 1024;
// The folder at most: beyond it, the files used longest ago go.
constexpr qint64 CartellaMassima = 64LL * 1024 * 1024;
// A file read is marked as used at most once a day.
constexpr time_t Giorno = 24 * 60 * 60;
constexpr qsizetype ChiaveMassima = 64;

// What begins every file: what it is, what it stands for, and the hash of
// what follows.
struct Testa {
    char firma[8];
    quint32 versione;
    quint32 lunghezzaChiave;
    char chiave[ChiaveMassima];
    quint64 controllo;
};

struct DatiNota {
    qint64 contenuto[3];
    qint32 originale[2];
    qint32 girata;
    qint32 riserva;
};

struct DatiCopia {
    qint32 mostrata[2];
    quint32 formato;
    quint32 riserva;
};

QString Percorso(const QString& cartella, const QByteArray& chiave, const char* tipo)
{
    const XXH128_hash_t h = XXH3_128bits(chiave.constData(), size_t(chiave.size()));
    return cartella + QStringLiteral("/%1%2.%3")
                          .arg(h.high64, 16, 16, QLatin1Char('0'))
                          .arg(h.low64, 16, 16, QLatin1Char('0'))
                          .arg(QLatin1String(tipo));
}

// A piece of memory that a file's content is read into.
struct Parte {
    void* dati;
    size_t byte;
};

// Reads the content after the head of the file of chiave straight into the
// pieces given, one after the other; true when the file is sound and its
// content fills them exactly. A copy's pixels go into the picture that shows
// them, with no buffer between: on a machine where every fresh page costs a
// fault, a buffer the size of the picture costs as much again.
bool Leggi(const QByteArray& chiave, const char* tipo, std::initializer_list<Parte> parti)
{
    const QString cartella = servizi().cartellaCopie;
    if (cartella.isEmpty() || chiave.size() > ChiaveMassima)
        return false;
    // Without following a link, nor waiting on a FIFO planted there.
    const int fd = ::open(QFile::encodeName(Percorso(cartella, chiave, tipo)).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const auto chiudi = qScopeGuard([fd] { ::close(fd); });
    Testa t;
    std::vector<iovec> pezzi{{&t, sizeof t}};
    qint64 contenuto = 0;
    for (const Parte& p : parti) {
        pezzi.push_back({p.dati, p.byte});
        contenuto += qint64(p.byte);
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size != qint64(sizeof t) + contenuto
        || ::readv(fd, pezzi.data(), int(pezzi.size())) != info.st_size
        || std::memcmp(t.firma, Firma, sizeof Firma) != 0 || t.versione != Versione
        || t.lunghezzaChiave != quint32(chiave.size()) || std::memcmp(t.chiave, chiave.constData(), size_t(chiave.size())) != 0)
        return false;
    XXH3_state_t stato;
    XXH3_64bits_reset(&stato);
    for (const Parte& p : parti)
        XXH3_64bits_update(&stato, p.dati, p.byte);
    if (XXH3_64bits_digest(&stato) != t.controllo)
        return false;
    // Marked as used, so that the folder's bound takes the files no screen
    // has shown for longest.
    if (std::time(nullptr) - info.st_mtim.tv_sec > Giorno)
        ::futimens(fd, nullptr);
    return true;
}

// Keeps the folder within its bound, the files used longest ago going first.
void Sfoltisci(const QString& cartella)
{
    struct Voce {
        QString percorso;
        qint64 byte;
        QDateTime usata;
    };
    std::vector<Voce> voci;
    qint64 totale = 0;
    QDirIterator it(cartella, {QStringLiteral("*.nota"), QStringLiteral("*.copia")}, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        voci.push_back({info.filePath(), info.size(), info.lastModified()});
        totale += info.size();
    }
    if (totale <= CartellaMassima)
        return;
    std::sort(voci.begin(), voci.end(), [](const Voce& a, const Voce& b) { return a.usata < b.usata; });
    for (const Voce& v : voci) {
        if (totale <= CartellaMassima / 4 * 3)
            break;
        if (QFile::remove(v.percorso))
            totale -= v.byte;
    }
}

// Writes the file of chiave, on the thread that writes them.
void Scrivi(const QString& cartella, const QByteArray& chiave, const char* tipo, const QByteArray& contenuto)
{
    static std::once_flag sfoltita;
    if (!QDir().mkpath(cartella))
        return;
    QFile::setPermissions(cartella, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // Once a run, before the first file is added.
    std::call_once(sfoltita, [&] { Sfoltisci(cartella); });
    Testa t{};
    std::memcpy(t.firma, Firma, sizeof Firma);
    t.versione = Versione;
    t.lunghezzaChiave = quint32(chiave.size());
    std::memcpy(t.chiave, chiave.constData(), size_t(chiave.size()));
    t.controllo = XXH3_64bits(contenuto.constData(), size_t(contenuto.size()));
    // Written whole under a new name of its own and then renamed: a file is
    // either all there or not at all, and one cut short by a crash fails its
    // hash. The rename replaces whatever had the name, a link included,
    // never what a link leads to.
    QTemporaryFile file(cartella + QStringLiteral("/XXXXXX.scrittura"));
    file.setAutoRemove(false);
    if (!file.open())
        return;
    const bool scritto = file.write(reinterpret_cast<const char*>(&t), sizeof t) == qint64(sizeof t)
        && file.write(contenuto) == contenuto.size() && file.flush();
    file.close();
    if (!scritto || std::rename(QFile::encodeName(file.fileName()).constData(),
                                QFile::encodeName(Percorso(cartella, chiave, tipo)).constData()) != 0)
        file.remove();
}

// Writes the file of chiave on the thread that writes them, or at once on
// this one (subito).
void Conserva(const QByteArray& chiave, const char* tipo, const QByteArray& contenuto, bool subito = false)
{
    const QString cartella = servizi().cartellaCopie;
    if (cartella.isEmpty() || chiave.size() > ChiaveMassima)
        return;
    if (subito)
        Scrivi(cartella, chiave, tipo, contenuto);
    else
        magazzino().scrittura.start([cartella, chiave, tipo, contenuto] { Scrivi(cartella, chiave, tipo, contenuto); });
}

// Whether a copy is kept under chiave (sound or not: a load finds out).
bool Esiste(const QByteArray& chiave)
{
    const QString cartella = servizi().cartellaCopie;
    struct stat info;
    return !cartella.isEmpty() && chiave.size() <= ChiaveMassima
        && ::lstat(QFile::encodeName(Percorso(cartella, chiave, "copia")).constData(), &info) == 0;
}

// What a note is kept under: its file's identity and extension, whatever
// their length, in 16 bytes.
QByteArray ChiaveNota(const QByteArray& origine)
{
    const XXH128_hash_t h = XXH3_128bits(origine.constData(), size_t(origine.size()));
    const quint64 campi[] = {h.low64, h.high64};
    return QByteArray(reinterpret_cast<const char*>(campi), sizeof campi);
}

// The note of a settled picture file, by its identity and extension.
std::optional<Nota> LeggiNota(const QByteArray& origine)
{
    DatiNota n;
    if (!Leggi(ChiaveNota(origine), "nota", {{&n, sizeof n}}))
        return std::nullopt;
    const QSize originale(n.originale[0], n.originale[1]);
    if (originale.isEmpty() || qint64(originale.width()) * originale.height() > PixelMassimiFigura || n.contenuto[2] <= 0
        || (n.girata != 0 && n.girata != 1))
        return std::nullopt;
    return Nota{QByteArray(reinterpret_cast<const char*>(n.contenuto), sizeof n.contenuto), originale, n.girata == 1};
}

void ConservaNota(const QByteArray& origine, const Nota& nota)
{
    DatiNota n{};
    std::memcpy(n.contenuto, nota.contenuto.constData(), sizeof n.contenuto);
    n.originale[0] = nota.originale.width();
    n.originale[1] = nota.originale.height();
    n.girata = nota.girata;
    Conserva(ChiaveNota(origine), "nota",
             QByteArray(reinterpret_cast<const char*>(&n), sizeof n));
}

// The copy kept under chiave, fitted to mostrata.
QImage LeggiCopia(const QByteArray& chiave, QSize mostrata)
{
    const qint64 byte = qint64(mostrata.width()) * mostrata.height() * 4;
    if (mostrata.isEmpty() || byte > PixelMassimi)
        return {};
    // Both formats a copy may be in take four bytes a pixel: the pixels are
    // read first and the picture takes the format its head names.
    QImage immagine(mostrata, QImage::Format_RGB32);
    DatiCopia c;
    if (immagine.isNull() || immagine.sizeInBytes() != byte
        || !Leggi(chiave, "copia", {{&c, sizeof c}, {immagine.bits(), size_t(byte)}}))
        return {};
    const auto formato = QImage::Format(c.formato);
    if (QSize(c.mostrata[0], c.mostrata[1]) != mostrata
        || (formato != QImage::Format_RGB32 && formato != QImage::Format_ARGB32_Premultiplied))
        return {};
    immagine.reinterpretAsFormat(formato);
    return immagine;
}

// Keeps a picture fitted to its box for later runs; one that is not stored
// whole in a format it can be read back in is not kept.
void ConservaCopia(const QByteArray& chiave, const QImage& mostrata, bool subito = false)
{
    if (mostrata.isNull() || mostrata.sizeInBytes() > PixelMassimi || mostrata.bytesPerLine() != mostrata.width() * 4
        || (mostrata.format() != QImage::Format_RGB32 && mostrata.format() != QImage::Format_ARGB32_Premultiplied))
        return;
    DatiCopia c{};
    c.mostrata[0] = mostrata.width();
    c.mostrata[1] = mostrata.height();
    c.formato = quint32(mostrata.format());
    QByteArray contenuto(reinterpret_cast<const char*>(&c), sizeof c);
    contenuto.append(reinterpret_cast<const char*>(mostrata.constBits()), mostrata.sizeInBytes());
    Conserva(chiave, "copia", contenuto, subito);
}

} // namespace Copie

// One picture on its way: its file read, and its picture found in the cache,
// or left to decode, or why there is none.
struct Lettura {
    QImage immagine;
    QString motivo;
    std::unique_ptr<Decodificatore> daDecodificare;
    // The file read first, then those to read if it gives no picture (see
    // FileDaProvare).
    QStringList file;
    // The key of the bytes read and their decoding, and the size decoded at.
    QByteArray chiave;
    QSize dimensione;
    // The picture fitted to its box, for a control.
    QImage mostrata;
    // The identity of the file read with its extension (see Note), when it
    // is settled; and whether its picture came from a copy kept between runs.
    QByteArray origine;
    bool daCopia = false;
};

QByteArray Origine(const IdentitaFile& identita, const QString& percorso)
{
    return identita.stabile ? identita.chiave + QFileInfo(percorso).suffix().toLower().toUtf8() : QByteArray();
}

// The key and size of a noted file's decoding for a box of lato, as a
// Decodificatore of its bytes gives them.
void Applica(const Nota& nota, QSize lato, Lettura& lettura)
{
    const QSize ridotta = DimensioneDaDecodificare(nota.originale, nota.girata ? lato.transposed() : lato);
    const qint64 campi[] = {ridotta.width(), ridotta.height()};
    lettura.chiave = nota.contenuto + QByteArray(reinterpret_cast<const char*>(campi), sizeof campi);
    lettura.dimensione = nota.girata ? ridotta.transposed() : ridotta;
}

Nota NotaDi(const Decodificatore& d)
{
    return {d.chiave.left(CacheFigure::ByteDelContenuto), d.originale, d.girata};
}

// Notes what a settled file (origine) holds, for this run and, once a run,
// for later ones.
void Annota(const QByteArray& origine, const Nota& nota)
{
    note().annota(origine, nota);
    if (note().daConservare(origine))
        Copie::ConservaNota(origine, nota);
}

// Reads the first of the files afresh (its bytes as they are now decide what
// shows) and looks for their decoding in the cache.
Lettura LeggiPrimo(const QStringList& file, QSize lato)
{
    Lettura lettura;
    lettura.file = file;
    IdentitaFile identita;
    const auto contenuto = LeggiFileRegolare(file.first(), FileMassimo, &identita);
    if (!contenuto) {
        lettura.motivo = QStringLiteral("immagine mancante, non leggibile o troppo grande");
        return lettura;
    }
    auto d = std::make_unique<Decodificatore>(file.first(), *contenuto, lato);
    if (!d->valido()) {
        lettura.motivo = d->motivo;
        return lettura;
    }
    lettura.chiave = d->chiave;
    lettura.dimensione = d->decodificata();
    lettura.origine = Origine(identita, file.first());
    if (!lettura.origine.isEmpty())
        Annota(lettura.origine, NotaDi(*d));
    if (auto trovata = magazzino().cache.trova(lettura.chiave))
        lettura.immagine = *trovata;
    else
        lettura.daDecodificare = std::move(d);
    return lettura;
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
        lettura.motivo = d.motivoDelFallimento();
    lettura.daDecodificare.reset();
}

// A picture as a control shows it. A user's own picture that cannot be read
// is named once, and the installed one is read in its place; one that still
// gives nothing is drawn from its words when it is a block's, and its file is
// named once. The reading is left as it ends.
Figura Completa(const QString& percorso, Lettura& lettura, QSize lato)
{
    while (lettura.immagine.isNull() && lettura.mostrata.isNull() && lettura.file.size() > 1) {
        AvvisaFile(lettura.file.first(), lettura.motivo + QStringLiteral("; si usa quella del gioco"));
        lettura = LeggiPrimo(lettura.file.mid(1), lato);
        Decodifica(lettura);
    }
    if (lettura.immagine.isNull() && lettura.mostrata.isNull()) {
        lettura.chiave.clear();
        if (const auto blocco = BloccoDaPercorso(percorso)) {
            lettura.immagine = Media::disegnaBlocco(blocco->forma, blocco->colore, blocco->dimensione,
                                                    blocco->spessore, LatoRiserva);
            lettura.dimensione = lettura.immagine.size();
            lettura.motivo += QStringLiteral("; disegnata dal programma");
        }
        AvvisaFile(percorso, lettura.motivo);
    }
    // An empty picture has nothing for a screen reader to say.
    const bool vuota = lettura.immagine.isNull() && lettura.mostrata.isNull();
    return {lettura.immagine, vuota ? QString() : NomeFigura(percorso)};
}

// Runs fai(0) ... fai(n - 1) on this thread and on the idle threads of the
// cache's own pool (one per core); returns when all are done. One thread
// more than the cores lets three pictures on two cores be decoded side by
// side, rather than two together and the third alone. The pool is not Qt's
// shared one: Qt scales and converts pictures on that pool and waits for it,
// so a thread of it waiting here for a picture being decoded would stop the
// decoding it waits for.
void InParallelo(int n, const std::function<void(int)>& fai)
{
    std::atomic<int> prossimo{0};
    const auto lavora = [&] {
        for (int i; (i = prossimo++) < n;)
            fai(i);
    };
    QSemaphore finiti;
    int aiutanti = 0;
    QThreadPool& pool = magazzino().aiutanti;
    while (aiutanti < std::min(n - 1, pool.maxThreadCount()) && pool.tryStart([&] {
        lavora();
        finiti.release();
    }))
        ++aiutanti;
    lavora();
    finiti.acquire(aiutanti);
}

// The key of a picture decoded at dimensione and shown at mostrata: the key
// of its bytes alone (whatever size they were decoded at) and that size,
// apart from every decoding's key. A picture shown at the size it is decoded
// at is the decoded picture itself, under its decoding's key.
QByteArray ChiaveMostrata(const QByteArray& chiave, QSize dimensione, QSize mostrata)
{
    if (mostrata == dimensione)
        return chiave;
    const qint64 campi[] = {mostrata.width(), mostrata.height()};
    return QByteArrayLiteral("mostrata") + chiave.left(CacheFigure::ByteDelContenuto)
        + QByteArray(reinterpret_cast<const char*>(campi), sizeof campi);
}

// The size a reading is shown at in a box of lato.
QSize Mostrata(const Lettura& lettura, QSize lato)
{
    return lato.isEmpty() ? lettura.dimensione : DimensioneAdattata(lettura.dimensione, lato);
}

// Who asks for a picture fitted to its box: a screen's load, which takes it
// fitted to a box a pixel off too, or the preparation ahead of need, which
// prepares it for the very box it was asked for.
enum class Per { Caricamento, Preparazione };

// The reading's picture fitted to a box of lato, or (for a load) to a box a
// pixel larger or smaller each way, if the cache has it, or else a copy kept
// between runs (then put in the cache): a screen loads its pictures before
// its window fills the screen, for boxes it can only estimate to within a
// pixel, and its first paint fits them to the boxes they really have, which
// are those prepared ahead of need.
std::optional<QImage> MostrataPronta(Lettura& lettura, QSize lato, Per per = Per::Caricamento)
{
    const auto chi = per == Per::Caricamento ? CacheFigure::Chi::Caricamento : CacheFigure::Chi::Preparazione;
    std::vector<QSize> dimensioni{Mostrata(lettura, lato)};
    if (!lato.isEmpty() && per == Per::Caricamento)
        for (int dx : {-1, 0, 1})
            for (int dy : {-1, 0, 1})
                if (const QSize vicino = Mostrata(lettura, lato + QSize(dx, dy));
                    std::find(dimensioni.begin(), dimensioni.end(), vicino) == dimensioni.end())
                    dimensioni.push_back(vicino);
    CacheFigure& cache = magazzino().cache;
    for (const QSize& d : dimensioni)
        if (auto pronta = cache.trova(ChiaveMostrata(lettura.chiave, lettura.dimensione, d)))
            return pronta;
    for (const QSize& d : dimensioni) {
        const QByteArray chiave = ChiaveMostrata(lettura.chiave, lettura.dimensione, d);
        if (const QImage copia = Copie::LeggiCopia(chiave, d); !copia.isNull()) {
            lettura.daCopia = true;
            return cache.ottieni(chiave, [&] { return copia; }, chi);
        }
    }
    return std::nullopt;
}

// The picture of a settled file that needs no reading of it: the decoded
// picture from the cache, or the one fitted to a box of lato (nelRiquadro)
// as MostrataPronta finds it. What the file holds is known from this run's
// note of it, or else from a note kept between runs.
std::optional<Lettura> LetturaSenzaFile(const QStringList& file, QSize lato, bool nelRiquadro,
                                        Per per = Per::Caricamento)
{
    const auto identita = IdentitaDelFile(file.first());
    if (!identita || !identita->stabile)
        return std::nullopt;
    Lettura lettura;
    lettura.file = file;
    lettura.origine = Origine(*identita, file.first());
    std::optional<Nota> nota = note().trova(lettura.origine);
    if (!nota && nelRiquadro && (nota = Copie::LeggiNota(lettura.origine)))
        note().annota(lettura.origine, *nota);
    if (!nota)
        return std::nullopt;
    Applica(*nota, lato, lettura);
    if (!nelRiquadro) {
        if (auto trovata = magazzino().cache.trova(lettura.chiave)) {
            lettura.immagine = *trovata;
            return lettura;
        }
    } else if (auto pronta = MostrataPronta(lettura, lato, per)) {
        lettura.mostrata = *pronta;
        return lettura;
    }
    return std::nullopt;
}

// A picture's file read afresh, unless it is settled and its picture is
// ready without (see LetturaSenzaFile).
Lettura Leggi(const QString& percorso, QSize lato, bool nelRiquadro)
{
    const QStringList file = FileDaProvare(percorso);
    if (auto pronta = LetturaSenzaFile(file, lato, nelRiquadro))
        return std::move(*pronta);
    return LeggiPrimo(file, lato);
}

// Decodes what Leggi did not find for a control's box: the picture fitted to
// the box is kept, not the decoded one (unless it is shown as decoded), and
// so is a copy of it for later runs.
void DecodificaMostrata(Lettura& lettura, QSize lato)
{
    const QSize mostrata = Mostrata(lettura, lato);
    const QByteArray chiave = ChiaveMostrata(lettura.chiave, lettura.dimensione, mostrata);
    if (chiave == lettura.chiave) {
        Decodifica(lettura);
        lettura.mostrata = lettura.immagine;
        return;
    }
    Decodificatore& d = *lettura.daDecodificare;
    lettura.mostrata = magazzino().cache.ottieni(chiave, [&] {
        lettura.immagine = d.decodifica();
        return lettura.immagine.isNull() ? QImage() : Scalata(lettura.immagine, mostrata);
    });
    if (lettura.mostrata.isNull())
        lettura.motivo = d.motivoDelFallimento();
    else
        Copie::ConservaCopia(chiave, lettura.mostrata);
    lettura.daDecodificare.reset();
}

// Reads every file and looks for its picture in the cache; then decodes, on
// several threads, only the pictures the cache does not have (for pictures
// already decoded, waking another thread would cost more than it saves), the
// same bytes asked for at the same size in several places once. For a
// control's box (nelRiquadro), the picture fitted to the box is looked for
// first, and when the cache has it nothing is decoded.
std::vector<Lettura> CaricaTutte(const QList<RichiestaFigura>& richieste, bool nelRiquadro)
{
    std::vector<Lettura> letture;
    std::vector<size_t> daDecodificare;
    QHash<QByteArray, size_t> primaCon;  // the first reading of each key
    std::vector<std::optional<size_t>> comeLa(size_t(richieste.size()));
    letture.reserve(size_t(richieste.size()));
    for (const RichiestaFigura& r : richieste) {
        const size_t i = letture.size();
        letture.push_back(Leggi(r.percorso, r.lato, nelRiquadro));
        Lettura& l = letture.back();
        if (!l.daDecodificare)
            continue;
        QByteArray chiave = l.chiave;
        if (nelRiquadro) {
            chiave = ChiaveMostrata(l.chiave, l.dimensione, Mostrata(l, r.lato));
            if (auto pronta = MostrataPronta(l, r.lato)) {
                l.mostrata = *pronta;
                l.daDecodificare.reset();
                continue;
            }
        }
        const auto prima = primaCon.constFind(chiave);
        if (prima == primaCon.cend()) {
            primaCon.insert(chiave, i);
            daDecodificare.push_back(i);
        } else {
            comeLa[i] = *prima;
            l.daDecodificare.reset();
        }
    }
    InParallelo(int(daDecodificare.size()), [&](int k) {
        const size_t i = daDecodificare[size_t(k)];
        if (nelRiquadro)
            DecodificaMostrata(letture[i], richieste[qsizetype(i)].lato);
        else
            Decodifica(letture[i]);
    });
    for (size_t i = 0; i < letture.size(); ++i)
        if (comeLa[i]) {
            letture[i].immagine = letture[*comeLa[i]].immagine;
            letture[i].mostrata = letture[*comeLa[i]].mostrata;
            letture[i].motivo = letture[*comeLa[i]].motivo;
        }
    return letture;
}

// What one preparation has put in the cache: fitted copies, and decoded
// pictures shown as they are.
struct Preparati {
    qint64 mostrate = 0, decodificate = 0;
    // Once the cache is full, the rest are fitted for the copies kept
    // between runs alone.
    bool soloCopie = false;
};

// Whether a settled file's picture fitted to a box of lato is among the
// copies kept between runs, known without reading the file.
bool TraLeCopie(const QStringList& file, QSize lato)
{
    const auto identita = IdentitaDelFile(file.first());
    if (!identita || !identita->stabile)
        return false;
    Lettura lettura;
    lettura.origine = Origine(*identita, file.first());
    std::optional<Nota> nota = note().trova(lettura.origine);
    if (!nota && (nota = Copie::LeggiNota(lettura.origine)))
        note().annota(lettura.origine, *nota);
    if (!nota)
        return false;
    Applica(*nota, lato, lettura);
    return Copie::Esiste(ChiaveMostrata(lettura.chiave, lettura.dimensione, Mostrata(lettura, lato)));
}

// Prepares one picture for each box of lati, unless the cache has it: its
// copy fitted to the box, and the decoded picture too while the decoded
// pictures take no more than an eighth of their bound. The file is read once,
// and decoded once for each run of boxes, one after the other in lati, that
// a load decodes it at the same size for, so that each copy is the one that
// load would make: a 12-megapixel photo takes some 25 ms to decode even at
// an eighth, whatever the box (the boxes of a screen mostly share that size). False once
// the preparation is to stop (fermata), or once what has been prepared would
// go past the cache's bound: beyond it, each picture would push out one
// prepared a moment ago.
bool PreparaUna(const QString& percorso, const QList<QSize>& lati, Preparati& preparati,
                const std::function<bool()>& fermata)
{
    // The user's own picture, when there is one: the installed one is
    // decoded only when that cannot be. Its file is read only for a box
    // whose picture is neither in the cache nor kept from an earlier run.
    const QStringList file = FileDaProvare(percorso);
    std::optional<QByteArray> contenuto;
    IdentitaFile identita;
    bool letto = false;
    CacheFigure& cache = magazzino().cache;
    // The last decoding made here, for the boxes after it that decode at
    // the same size; a decoding that failed is not tried again.
    QByteArray ultima;
    QImage decodificata;
    bool fallita = false;
    // A picture taken from a copy of an earlier run counts as prepared.
    // Once the cache is full, the preparation goes on for the copies alone
    // (if there is a folder for them), so that every screen's pictures are
    // soon kept there; without one, it stops.
    const bool conCopie = !QString(servizi().cartellaCopie).isEmpty();
    const auto pieno = [&] {
        preparati.soloCopie = conCopie;
        return !conCopie;
    };
    const auto oltre = [&](const Lettura& pronta) {
        return pronta.daCopia
            && (preparati.mostrate += InKiB(pronta.mostrata.sizeInBytes()) * 1024) > CacheMostrateMassima / 8 * 7
            && pieno();
    };
    for (const QSize& lato : lati) {
        if (fermata())
            return false;
        if (preparati.soloCopie && TraLeCopie(file, lato))
            continue;
        if (const auto pronta = preparati.soloCopie ? std::nullopt : LetturaSenzaFile(file, lato, true, Per::Preparazione)) {
            if (oltre(*pronta))
                return false;
            continue;
        }
        if (!std::exchange(letto, true))
            contenuto = LeggiFileRegolare(file.first(), FileMassimo, &identita);
        if (!contenuto)
            return true;
        Decodificatore d(percorso, *contenuto, lato);
        if (!d.valido())
            return true;
        // Once its bytes are known, a copy of an earlier run may serve.
        if (const QByteArray origine = Origine(identita, file.first()); !origine.isEmpty()) {
            Annota(origine, NotaDi(d));
            if (const auto pronta = preparati.soloCopie ? std::nullopt : LetturaSenzaFile(file, lato, true, Per::Preparazione)) {
                if (oltre(*pronta))
                    return false;
                continue;
            }
        }
        const QSize dimensione = d.decodificata();
        const QSize mostrata = lato.isEmpty() ? dimensione : DimensioneAdattata(dimensione, lato);
        const QByteArray chiave = ChiaveMostrata(d.chiave, dimensione, mostrata);
        if (cache.trova(chiave))
            continue;
        if (d.chiave != ultima) {
            ultima = d.chiave;
            decodificata = cache.trova(d.chiave).value_or(QImage());
            fallita = false;
        }
        if (fallita)
            continue;
        const bool comeDecodificata = chiave == d.chiave;
        // Fitted copies within seven eighths of their bound: the rest is for
        // the pictures the screen shows meanwhile, which would otherwise push
        // out the first ones prepared.
        if (!preparati.soloCopie
            && (comeDecodificata ? (preparati.decodificate += d.byte()) > CacheFigureMassima
                                 : (preparati.mostrate += InKiB(qint64(mostrata.width()) * mostrata.height() * 4) * 1024)
                                     > CacheMostrateMassima / 8 * 7)
            && pieno())
            return false;
        if (preparati.soloCopie) {
            // Written here, as this thread runs only when nothing else
            // wants the processor; a picture shown as decoded has no copy.
            if (comeDecodificata || Copie::Esiste(chiave))
                continue;
            if (decodificata.isNull()) {
                decodificata = d.decodifica();
                fallita = decodificata.isNull();
            }
            if (!fallita)
                Copie::ConservaCopia(chiave, Scalata(decodificata, mostrata), true);
            continue;
        }
        const bool ancheDecodificata
            = !comeDecodificata && cache.byteDecodificate() + d.byte() <= CacheFigureMassima / 8;
        const QImage preparata = cache.ottieni(chiave, [&] {
            if (decodificata.isNull()) {
                decodificata = d.decodifica();
                fallita = decodificata.isNull();
            }
            return comeDecodificata || decodificata.isNull() ? decodificata : Scalata(decodificata, mostrata);
        }, CacheFigure::Chi::Preparazione);
        if (!preparata.isNull())
            Copie::ConservaCopia(chiave, preparata);
        if (ancheDecodificata && !decodificata.isNull())
            cache.ottieni(d.chiave, [&] { return decodificata; }, CacheFigure::Chi::Preparazione);
    }
    return true;
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
    Lettura lettura = Leggi(percorso, lato, false);
    Decodifica(lettura);
    return Completa(percorso, lettura, lato);
}

QList<Figura> CaricaFigure(const QList<RichiestaFigura>& richieste)
{
    std::vector<Lettura> letture = CaricaTutte(richieste, false);
    QList<Figura> figure;
    for (size_t i = 0; i < letture.size(); ++i)
        figure.append(Completa(richieste[qsizetype(i)].percorso, letture[i], richieste[qsizetype(i)].lato));
    return figure;
}

QList<FiguraNelRiquadro> CaricaFigureNeiRiquadri(const QList<RichiestaFigura>& richieste)
{
    std::vector<Lettura> letture = CaricaTutte(richieste, true);
    QList<FiguraNelRiquadro> figure;
    for (size_t i = 0; i < letture.size(); ++i) {
        const RichiestaFigura& r = richieste[qsizetype(i)];
        Lettura& l = letture[i];
        Figura figura = Completa(r.percorso, l, r.lato);
        if (l.mostrata.isNull() && !l.immagine.isNull())
            l.mostrata = l.chiave.isEmpty()
                ? FiguraAdattata(l.immagine, r.lato)
                : FiguraNelRiquadroDiverso(l.chiave, l.dimensione, r.lato, {}, [&] { return l.immagine; });
        figure.append({std::move(figura), l.mostrata, l.dimensione, l.chiave});
    }
    return figure;
}

QImage FiguraNelRiquadroDiverso(const QByteArray& chiave, QSize dimensione, QSize riquadro, const QImage& mostrataOra,
                                const std::function<QImage()>& decodificata)
{
    const QSize mostrata = DimensioneAdattata(dimensione, riquadro);
    if (mostrata.isEmpty())
        return {};
    const QByteArray diQuesta = ChiaveMostrata(chiave, dimensione, mostrata);
    if (diQuesta == chiave)
        return magazzino().cache.ottieni(chiave, decodificata);
    return magazzino().cache.ottieni(diQuesta, [&] {
        // A copy kept from an earlier run first. A picture shown at least
        // twice as large each way loses nothing that shows at half its size
        // or less; nor one shown a pixel or two larger (fitted to a box
        // estimated before the window filled the screen), which loses less
        // than decoding again would cost.
        const QSize piu = mostrataOra.size() - mostrata;
        const bool doppia = mostrataOra.width() >= 2 * mostrata.width() && mostrataOra.height() >= 2 * mostrata.height();
        const bool basta = doppia || (piu.width() >= 0 && piu.height() >= 0 && piu.width() <= 2 && piu.height() <= 2);
        if (QImage copia = Copie::LeggiCopia(diQuesta, mostrata); !copia.isNull())
            return copia;
        const QImage figura = basta ? mostrataOra : decodificata();
        if (figura.isNull())
            return figura;
        QImage adattata = Scalata(figura, mostrata);
        Copie::ConservaCopia(diQuesta, adattata);
        return adattata;
    });
}

void PreparaFigure(const QStringList& percorsi, QSize lato)
{
    PreparaFigure(percorsi, QList<QList<QSize>>{{lato}});
}

void PreparaFigure(const QStringList& percorsi, const QList<QSize>& lati)
{
    QList<QList<QSize>> gruppi;
    for (const QSize& lato : lati)
        gruppi.append({lato});
    PreparaFigure(percorsi, gruppi);
}

void PreparaFigure(const QStringList& percorsi, const QList<QList<QSize>>& gruppi, const QList<QSize>& soloCopie)
{
    Magazzino& m = magazzino();
    const int mio = m.nuovoGiro();
    m.riserva.start([&m, mio, percorsi, gruppi, soloCopie] {
        m.priorita.inSecondoPiano();
        const auto finita = qScopeGuard([&m] { m.priorita.finita(); });
        const auto fermata = [&m, mio] { return m.giro != mio; };
        Preparati preparati;
        for (const QList<QSize>& lati : gruppi)
            for (const QString& percorso : percorsi)
                if (!PreparaUna(percorso, lati, preparati, fermata))
                    return;
        if (soloCopie.isEmpty() || QString(servizi().cartellaCopie).isEmpty())
            return;
        preparati.soloCopie = true;
        for (const QString& percorso : percorsi)
            if (!PreparaUna(percorso, soloCopie, preparati, fermata))
                return;
    });
}

bool AttendiFigurePreparate(int ms)
{
    return magazzino().riserva.waitForDone(ms);
}

QSize DimensioneAdattata(QSize figura, QSize riquadro)
{
    if (figura.isEmpty() || riquadro.isEmpty())
        return riquadro;
    // At least a pixel each way, however thin the picture.
    return figura.scaled(riquadro, Qt::KeepAspectRatio).expandedTo({1, 1});
}

QImage FiguraAdattata(const QImage& figura, QSize riquadro)
{
    const QSize lato = DimensioneAdattata(figura.size(), riquadro);
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

void RestituisciMemoriaLibera()
{
#ifdef __GLIBC__
    // A trim threshold set through glibc's tunables says how much free
    // memory the heap is to keep, and it is kept.
    static const bool regolato = AllocatoreRegolato("trim_threshold");
    if (!regolato)
        malloc_trim(0);
#endif
}

void TaciDecodificatori()
{
    // The colour profile a picture carries is read with it, and complains
    // under a category of its own.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*.warning=false\n"
                                                    "qt.gui.imageio*.info=false\n"
                                                    "qt.gui.icc.warning=false"));
}

qint64 ByteCacheFigure()
{
    return magazzino().cache.byte();
}

void SvuotaCacheFigure()
{
    magazzino().ferma();
    magazzino().cache.svuota();
    note().svuota();
}
