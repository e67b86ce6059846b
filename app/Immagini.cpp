#include "app/Immagini.h"

#include "app/Blocco.h"
#include "app/FileSicuri.h"
#include "BlockArt.h"

#include <QBuffer>
#include <QCache>
#include <QFileInfo>
#include <QImageReader>
#include <optional>
#include <xxhash.h>

namespace {

// A phone's largest photos: 50 megapixels and more, tens of MiB.
constexpr qint64 FileMassimo = 64 * 1024 * 1024;
constexpr qint64 PixelMassimi = 64LL * 1000 * 1000;
constexpr int LatoRiserva = 480;

// Decoded pictures, keyed by what decides their pixels: the file's bytes
// (their XXH3 hash and their length) and the box they are decoded for. The
// same bytes always decode to the same pixels, so a picture from here is the
// one a fresh decode gives; a file whose bytes changed has another key.
// QCache counts cost in KiB here and drops the least recently used pictures
// beyond the bound.
class CacheFigure {
public:
    static QByteArray chiave(const QByteArray& dati, QSize lato)
    {
        const XXH128_hash_t h = XXH3_128bits(dati.constData(), size_t(dati.size()));
        const qint64 campi[] = {qint64(h.low64), qint64(h.high64), dati.size(), lato.width(), lato.height()};
        return QByteArray(reinterpret_cast<const char*>(campi), sizeof campi);
    }
    std::optional<QImage> trova(const QByteArray& chiave)
    {
        if (const QImage* i = cache.object(chiave))
            return *i;
        return std::nullopt;
    }
    void metti(const QByteArray& chiave, const QImage& immagine)
    {
        const qint64 kib = (immagine.sizeInBytes() + 1023) / 1024;
        if (kib <= cache.maxCost())
            cache.insert(chiave, new QImage(immagine), kib);
    }
    qint64 byte() const { return qint64(cache.totalCost()) * 1024; }
    void svuota() { cache.clear(); }

private:
    QCache<QByteArray, QImage> cache{int(CacheFigureMassima / 1024)};
};

CacheFigure& cacheFigure()
{
    static CacheFigure c;
    return c;
}

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

QImage Decodifica(const QString& percorso, const QByteArray* contenuto, QSize lato, QString& motivo)
{
    if (!contenuto) {
        motivo = QStringLiteral("immagine mancante, non leggibile o troppo grande");
        return {};
    }
    if (JpegTroncato(*contenuto)) {
        motivo = QStringLiteral("immagine troncata");
        return {};
    }
    QBuffer buffer;
    buffer.setData(*contenuto);
    buffer.open(QIODevice::ReadOnly);
    // The decoder the name's extension asks for is tried alone, as when Qt
    // reads a file by its name; the others are loaded and asked only when it
    // cannot read the data.
    QImageReader lettore(&buffer, QFileInfo(percorso).suffix().toLower().toLatin1());
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
        return {};
    }
    // A photo is shown as it was taken: its orientation tag is applied after
    // decoding, so a sideways-stored photo is decoded for the box turned too.
    lettore.setAutoTransform(true);
    const bool girata = lettore.transformation() & QImageIOHandler::TransformationRotate90;
    if (const QSize ridotta = DimensioneDaDecodificare(dimensione, girata ? lato.transposed() : lato);
        ridotta != dimensione)
        lettore.setScaledSize(ridotta);
    QImage immagine = lettore.read();
    if (immagine.isNull())
        motivo = QStringLiteral("immagine danneggiata");
    return immagine;
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
    QString motivo;
    // The file is read afresh every time: its bytes as they are now decide
    // what shows; only their decoding may be saved.
    const auto contenuto = LeggiFileRegolare(percorso, FileMassimo);
    QImage immagine;
    QByteArray chiave;
    if (contenuto) {
        chiave = CacheFigure::chiave(*contenuto, lato);
        if (auto trovata = cacheFigure().trova(chiave))
            immagine = *trovata;
    }
    if (immagine.isNull()) {
        immagine = Decodifica(percorso, contenuto ? &*contenuto : nullptr, lato, motivo);
        if (!immagine.isNull())
            cacheFigure().metti(chiave, immagine);
    }
    if (immagine.isNull()) {
        const auto blocco = BloccoDaPercorso(percorso);
        if (blocco) {
            immagine = Media::disegnaBlocco(blocco->forma, blocco->colore, blocco->dimensione,
                                            blocco->spessore, LatoRiserva);
            motivo += QStringLiteral("; disegnata dal programma");
        }
        AvvisaFile(percorso, motivo);
    }
    // An empty picture has nothing for a screen reader to say.
    return {immagine, immagine.isNull() ? QString() : NomeFigura(percorso)};
}

qint64 ByteCacheFigure()
{
    return cacheFigure().byte();
}

void SvuotaCacheFigure()
{
    cacheFigure().svuota();
}
