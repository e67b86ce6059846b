// Makes the photo media set: a copy of a media folder (jpg/ and suoni/) in
// which every picture is replaced by a 12-megapixel photograph of it, as a
// teacher's phone would take it: 4000 x 3000, the drawn picture filling the
// frame, with the grain, shading and fine texture of a real photograph, so
// that it compresses as one (about 2 MB each) and decodes as slowly.
//
//   bench_foto <media folder> <new folder>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

namespace {

constexpr int Larghezza = 4000, Altezza = 3000;

// A fine texture at two scales (paper fibre, table grain) and sensor noise,
// added to each pixel: what makes a photograph expensive to compress.
QImage Fotografia(const QImage& disegno, std::uint64_t seme)
{
    QImage foto(Larghezza, Altezza, QImage::Format_RGB32);
    {
        QPainter p(&foto);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(0, 0, Larghezza, Altezza), disegno);
    }
    std::mt19937_64 caso(seme);
    // Sensor grain: normal noise drawn from a table by a fast generator
    // (drawing 50 million normal numbers per picture would take seconds).
    static const std::vector<float> tabella = [] {
        std::mt19937_64 c(7);
        std::normal_distribution<float> n(0.f, 5.f);
        std::vector<float> t(1 << 16);
        for (float& v : t)
            v = n(c);
        return t;
    }();
    std::uint64_t stato = seme * 0x9E3779B97F4A7C15ULL + 1;
    const auto grana = [&] {
        stato ^= stato << 13;
        stato ^= stato >> 7;
        stato ^= stato << 17;
        return tabella[stato & 0xFFFF];
    };
    // A coarse texture, drawn once per 16-pixel cell and interpolated.
    const int celleX = Larghezza / 16 + 2, celleY = Altezza / 16 + 2;
    std::vector<float> trama(size_t(celleX) * celleY);
    std::normal_distribution<float> venatura(0.f, 6.f);
    for (float& v : trama)
        v = venatura(caso);
    for (int y = 0; y < Altezza; ++y) {
        auto* riga = reinterpret_cast<QRgb*>(foto.scanLine(y));
        const float fy = y / 16.f;
        const int cy = int(fy);
        const float ty = fy - cy;
        // Light falling off towards the edges, as through a phone's lens.
        const float dy = (y - Altezza / 2.f) / Altezza;
        for (int x = 0; x < Larghezza; ++x) {
            const float fx = x / 16.f;
            const int cx = int(fx);
            const float tx = fx - cx;
            const float t = (trama[cy * celleX + cx] * (1 - tx) + trama[cy * celleX + cx + 1] * tx) * (1 - ty)
                + (trama[(cy + 1) * celleX + cx] * (1 - tx) + trama[(cy + 1) * celleX + cx + 1] * tx) * ty;
            const float dx = (x - Larghezza / 2.f) / Larghezza;
            const float luce = 1.f - 0.35f * (dx * dx + dy * dy);
            const float comune = t + grana();
            const auto canale = [&](int c) {
                return std::clamp(int(c * luce + comune + grana() * 0.5f), 0, 255);
            };
            const QRgb px = riga[x];
            riga[x] = qRgb(canale(qRed(px)), canale(qGreen(px)), canale(qBlue(px)));
        }
    }
    return foto;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_foto <media folder> <new folder>\n");
        return 2;
    }
    const QDir origine(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());
    const QDir destinazione(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
    QDir().mkpath(destinazione.path());
    QStringList figure;
    for (QDirIterator it(origine.filePath("jpg"), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        figure << origine.relativeFilePath(it.next());
    for (QDirIterator it(origine.filePath("suoni"), QDir::Files); it.hasNext();) {
        const QString nome = origine.relativeFilePath(it.next());
        destinazione.mkpath(QFileInfo(destinazione.filePath(nome)).path());
        QFile::copy(origine.filePath(nome), destinazione.filePath(nome));
    }
    figure.sort();
    for (const QString& nome : figure)
        destinazione.mkpath(QFileInfo(destinazione.filePath(nome)).path());

    // Two at a time: the set takes a few seconds per picture to make.
    const auto fai = [&](int primo) {
        for (int i = primo; i < figure.size(); i += 2) {
            const QImage disegno(origine.filePath(figure[i]));
            QImageWriter scrittore(destinazione.filePath(figure[i]), "jpeg");
            scrittore.setQuality(85);
            if (disegno.isNull() || !scrittore.write(Fotografia(disegno, 1000 + i)))
                std::fprintf(stderr, "cannot make %s\n", qPrintable(figure[i]));
        }
    };
    std::thread secondo(fai, 1);
    fai(0);
    secondo.join();
    std::printf("%lld pictures\n", static_cast<long long>(figure.size()));
    return 0;
}
