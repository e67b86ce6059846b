#include "app/Immagini.h"
#include "controls/Immagine.h"
#include "tests/support/CasoFiglio.h"
#include "tests/support/CatturaStderr.h"
#include "tests/support/Codifica.h"
#include "tests/support/MainProva.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QMultiMap>
#include <QProcess>
#include <QImageReader>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// A picture red on its left half and blue on its right, as a file of format.
QByteArray Figura_(const char* formato, int lato = 480)
{
    QImage img(lato, lato, QImage::Format_RGB32);
    img.fill(Qt::blue);
    for (int y = 0; y < lato; ++y)
        for (int x = 0; x < lato / 2; ++x)
            img.setPixel(x, y, qRgb(255, 0, 0));
    return Codifica(img, formato);
}

QString Scrivi(const QTemporaryDir& d, const QString& nome, const QByteArray& dati)
{
    const QString percorso = d.filePath(nome);
    QDir().mkpath(QFileInfo(percorso).path());
    QFile f(percorso);
    f.open(QIODevice::WriteOnly);
    f.write(dati);
    return percorso;
}

// A 320 × 240 picture in four coloured quarters, so that any turn or mirror
// of it shows: red top left, green top right, blue bottom left, white bottom
// right.
QImage Quarti()
{
    QImage img(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const bool destra = x >= img.width() / 2, sotto = y >= img.height() / 2;
            img.setPixel(x, y, sotto ? (destra ? qRgb(255, 255, 255) : qRgb(0, 0, 255))
                                     : (destra ? qRgb(0, 255, 0) : qRgb(255, 0, 0)));
        }
    return img;
}

// A picture that takes, decoded whole, as much as the whole cache's bound.
QImage GrandeComeLaCache(const QColor& colore)
{
    QImage grande(2048, int(CacheFigureMassima / (4 * 2048)), QImage::Format_RGB32);
    grande.fill(colore);
    return grande;
}

QString QuartiVisti(const QImage& img)
{
    QString visti;
    for (auto [fx, fy] : {std::pair{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}}) {
        const QRgb p = img.pixel(int(img.width() * fx), int(img.height() * fy));
        visti += qRed(p) > 160 && qGreen(p) > 160 ? 'W' : qRed(p) > 160 ? 'R' : qGreen(p) > 160 ? 'G' : 'B';
    }
    return visti;
}

QByteArray Jpeg(const QImage& img, bool progressivo = false)
{
    return Codifica(img, "jpeg", progressivo);
}

// A plain picture of one colour, uncompressed: two colours give files of one
// length.
QByteArray Bmp(Qt::GlobalColor colore)
{
    QImage img(640, 480, QImage::Format_RGB32);
    img.fill(colore);
    return Codifica(img, "bmp");
}

bool RossoABlu(const QImage& img)
{
    const int y = img.height() / 2;
    return qRed(img.pixel(img.width() / 4, y)) > 200 && qBlue(img.pixel(img.width() * 3 / 4, y)) > 200;
}


// A JPEG with n segments of metadata that no decoder needs (colour profile,
// Photoshop and XMP blocks, a JFIF extension, comments) of 64 KiB each, right
// after its start marker, as photo tools pile them up.
QByteArray ConMetadati(QByteArray jpeg, int n)
{
    const std::pair<char, QByteArray> tipi[] = {{'\xE2', "ICC_PROFILE"}, {'\xED', "Photoshop 3.0"},
                                                {'\xE1', "http://ns.adobe.com/xap/1.0/"},
                                                {'\xE0', "JFXX"}, {'\xFE', "commento"}};
    QByteArray metadati;
    for (int i = 0; i < n; ++i) {
        const auto& [marcatore, firma] = tipi[i % 5];
        QByteArray segmento = "\xFF" + QByteArray(1, marcatore) + "\xFF\xFF" + firma + '\0';
        segmento += QByteArray(0xFFFF + 2 - segmento.size(), char('a' + i % 26));
        metadati += segmento;
    }
    jpeg.insert(2, metadati);
    return jpeg;
}

// A line of the process's memory status ("VmRSS", "VmHWM"), in KiB.
qint64 MemoriaKiB(const QByteArray& campo)
{
    QFile stato("/proc/self/status");
    if (stato.open(QIODevice::ReadOnly))
        for (const QByteArray& riga : stato.readAll().split('\n'))
            if (riga.startsWith(campo + ':'))
                return riga.mid(campo.size() + 1).trimmed().split(' ').first().toLongLong();
    qFatal("no %s in the memory status", campo.constData());
}

// Resets the peak of resident memory (VmHWM) to what is resident now.
void AzzeraPiccoMemoria()
{
    QFile azzera("/proc/self/clear_refs");
    if (!azzera.open(QIODevice::WriteOnly) || azzera.write("5") != 1)
        qFatal("cannot reset the peak of resident memory");
}

} // namespace

// A picture is decoded at a half, a quarter or an eighth of its size when that
// still covers it as shown in its box (keeping its proportions) once the
// window fills the screen, and never smaller.
class ProvaImmagini : public QObject {
    Q_OBJECT
private slots:
    void carica_decodificaRidottaCheCopreIlRiquadro_data()
    {
        QTest::addColumn<double>("finestra");  // the window's share of the screen
        QTest::addColumn<QSize>("riquadro");
        QTest::addColumn<int>("lato");         // the side decoded
        QTest::newRow("tiny box") << 1.0 << QSize(50, 50) << 60;
        QTest::newRow("just over an eighth") << 1.0 << QSize(61, 61) << 120;
        QTest::newRow("a quarter") << 1.0 << QSize(120, 120) << 120;
        QTest::newRow("just over a half") << 1.0 << QSize(241, 241) << 480;
        QTest::newRow("larger than the file") << 1.0 << QSize(700, 700) << 480;
        QTest::newRow("window at 75%, box grows to 200") << 0.75 << QSize(150, 150) << 240;
        QTest::newRow("window at 75%, box grows to 112") << 0.75 << QSize(84, 84) << 120;
        // The square picture shows at the box's smaller side.
        QTest::newRow("wide box, shown 100 high") << 1.0 << QSize(250, 100) << 120;
        QTest::newRow("tall box, shown 61 wide") << 1.0 << QSize(61, 300) << 120;
    }
    void carica_decodificaRidottaCheCopreIlRiquadro()
    {
        QFETCH(double, finestra);
        QFETCH(QSize, riquadro);
        QFETCH(int, lato);
        QTemporaryDir d;
        const QString file = Scrivi(d, "jpg/blu.jpg", Figura_("jpeg"));
        QWidget f;
        f.resize(f.screen()->size() * finestra);
        auto* controllo = new Immagine(&f);
        controllo->setGeometry(QRect(QPoint(), riquadro));
        controllo->carica(file);
        QCOMPARE(controllo->immagine().size(), QSize(lato, lato));
        QVERIFY(RossoABlu(controllo->immagine()));
    }

    // What is painted is the picture as large as fits the box, keeping its
    // proportions, in the middle, with its halves where they belong, whether
    // the picture is a little or much larger than the box (or smaller); the
    // box's background shows on either side.
    void disegno_proporzionatoAlCentro_data()
    {
        QTest::addColumn<int>("lato");
        QTest::newRow("a little larger") << 300;
        QTest::newRow("much larger") << 900;
        QTest::newRow("smaller") << 120;
    }
    void disegno_proporzionatoAlCentro()
    {
        QFETCH(int, lato);
        QTemporaryDir d;
        const QString file = Scrivi(d, "jpg/blu.jpg", Figura_("png", lato));
        QWidget f;
        f.resize(f.screen()->size());
        auto* controllo = new Immagine(&f);
        controllo->setFocusPolicy(Qt::NoFocus);
        controllo->setGeometry(0, 0, 200, 160);
        controllo->carica(file);
        const QImage dipinto = controllo->grab().toImage();
        QCOMPARE(dipinto.size(), QSize(200, 160));
        // Shown 160 × 160, from x = 20 to x = 179.
        QVERIFY(RossoABlu(dipinto.copy(20, 0, 160, 160)));
        const auto rosso = [&](int x, int y) { return qRed(dipinto.pixel(x, y)) > 200 && qBlue(dipinto.pixel(x, y)) < 60; };
        const auto blu = [&](int x, int y) { return qBlue(dipinto.pixel(x, y)) > 200 && qRed(dipinto.pixel(x, y)) < 60; };
        for (int y : {0, 80, 159}) {
            QVERIFY2(rosso(20, y) && blu(179, y), qPrintable(QStringLiteral("edges at y %1").arg(y)));
            for (int x : {0, 18, 181, 199})
                QVERIFY2(!rosso(x, y) && !blu(x, y), qPrintable(QStringLiteral("background at %1,%2").arg(x).arg(y)));
        }
    }

    // The name's extension picks the decoder, but data of another format under
    // that name is still read.
    void caricaFigura_formatoDiversoDallEstensione()
    {
        QTemporaryDir d;
        for (const char* formato : {"png", "bmp"}) {
            const Figura f = CaricaFigura(Scrivi(d, QStringLiteral("jpg/%1.jpg").arg(formato), Figura_(formato, 64)),
                                          QSize(30, 30));
            QVERIFY2(!f.immagine.isNull(), formato);
            QVERIFY(f.immagine.width() >= 30 && RossoABlu(f.immagine));
        }
    }

    // Each of the eight orientation tags on a photo stored the way a phone
    // stores it for that tag: the picture shows upright, four quarters in
    // place, landscape as taken.
    void orientamento_fotoDiritta_data()
    {
        QTest::addColumn<int>("tag");
        for (int tag = 1; tag <= 8; ++tag)
            QTest::addRow("tag %d", tag) << tag;
    }
    void orientamento_fotoDiritta()
    {
        QFETCH(int, tag);
        const QImage dritta = Quarti();
        const QTransform giro90 = QTransform().rotate(90);
        // What the camera stored, so that applying the tag gives the upright picture.
        QImage salvata;
        switch (tag) {
        case 1: salvata = dritta; break;
        case 2: salvata = dritta.mirrored(true, false); break;
        case 3: salvata = dritta.transformed(QTransform().rotate(180)); break;
        case 4: salvata = dritta.mirrored(false, true); break;
        case 5: salvata = dritta.transformed(giro90).mirrored(true, false); break;
        case 6: salvata = dritta.transformed(QTransform().rotate(270)); break;
        case 7: salvata = dritta.transformed(giro90).mirrored(false, true); break;
        case 8: salvata = dritta.transformed(giro90); break;
        }
        QTemporaryDir d;
        const Figura f = CaricaFigura(Scrivi(d, "jpg/foto.jpg", ConOrientamento(Jpeg(salvata), tag)), QSize(80, 60));
        QVERIFY(!f.immagine.isNull());
        QVERIFY2(f.immagine.width() > f.immagine.height(), "shown on its side");
        // Decoded at a quarter, the smallest that covers the box once turned.
        QCOMPARE(f.immagine.size(), QSize(80, 60));
        QCOMPARE(QuartiVisti(f.immagine), QStringLiteral("RGBW"));
    }

    // A phone's 50-megapixel photo (8192 × 6144) shows, decoded at an eighth;
    // one of 65 megapixels is past the limit: empty, named once.
    void fotoDa50Megapixel_oltreIlLimiteDanneggiata()
    {
        QTemporaryDir d;
        const auto foto = [&](const char* nome, QSize dimensione) {
            QImage grigia(dimensione, QImage::Format_Grayscale8);
            for (int y = 0; y < grigia.height(); ++y) {
                uchar* riga = grigia.scanLine(y);
                const bool sotto = y >= grigia.height() / 2;
                std::fill(riga, riga + grigia.width() / 2, uchar(sotto ? 170 : 0));
                std::fill(riga + grigia.width() / 2, riga + grigia.width(), uchar(sotto ? 255 : 85));
            }
            return Scrivi(d, nome, Jpeg(grigia));
        };
        const Figura grande = CaricaFigura(foto("jpg/rosso.jpg", {8192, 6144}), QSize(800, 600));
        QCOMPARE(grande.immagine.size(), QSize(1024, 768));
        for (auto [x, y, grigio] : {std::tuple{256, 192, 0}, {768, 192, 85}, {256, 576, 170}, {768, 576, 255}})
            QVERIFY(std::abs(qGray(grande.immagine.pixel(x, y)) - grigio) < 8);

        const QString troppo = foto("jpg/blu.jpg", {9000, 7200});
        CatturaStderr errori;
        QVERIFY(CaricaFigura(troppo, QSize(800, 600)).immagine.isNull());
        QVERIFY(CaricaFigura(troppo, QSize(800, 600)).immagine.isNull());
        QCOMPARE(errori.testo().count(QStringLiteral("blu.jpg")), 1);
    }

    // Grey, CMYK (as photo editors write it) and progressive JPEGs show
    // their colours.
    void jpegGrigioCmykProgressivo()
    {
        QTemporaryDir d;
        const QImage quarti = Quarti();
        const Figura progressiva = CaricaFigura(Scrivi(d, "jpg/progressiva.jpg", Jpeg(quarti, true)), QSize(160, 120));
        QCOMPARE(QuartiVisti(progressiva.immagine), QStringLiteral("RGBW"));

        const Figura grigia =
            CaricaFigura(Scrivi(d, "jpg/grigia.jpg", Jpeg(quarti.convertToFormat(QImage::Format_Grayscale8))),
                         QSize(160, 120));
        QVERIFY(!grigia.immagine.isNull());
        const QImage g = grigia.immagine.convertToFormat(QImage::Format_RGB32);
        const int w = g.width(), h = g.height();
        QVERIFY(qGray(g.pixel(w * 3 / 4, h * 3 / 4)) > 240 && qGray(g.pixel(w * 3 / 4, h / 4)) > qGray(g.pixel(w / 4, h * 3 / 4)));

        const QString convert = QStandardPaths::findExecutable("convert");
        QVERIFY2(!convert.isEmpty(), "ImageMagick's convert is missing");
        const QString rgb = Scrivi(d, "rgb.png", Figura_("png", 320));
        const QString cmyk = d.filePath("jpg/cmyk.jpg");
        QCOMPARE(QProcess::execute(convert, {rgb, "-colorspace", "CMYK", "-quality", "95", cmyk}), 0);
        QVERIFY2(QFile(cmyk).open(QIODevice::ReadOnly), "no CMYK file written");
        const Figura cmykVista = CaricaFigura(cmyk, QSize(160, 160));
        QVERIFY(!cmykVista.immagine.isNull());
        QVERIFY(RossoABlu(cmykVista.immagine.convertToFormat(QImage::Format_RGB32)));
    }

    // The decoded-picture cache: a file replaced by other bytes of the same
    // length shows its new picture; a picture from the cache is the one a
    // fresh decode gives; the cache never holds more than its bound.
    void cache_nuoviByteNuovaFigura_limiteRispettato()
    {
        QTemporaryDir d;
        SvuotaCacheFigure();
        const QByteArray rossa = Bmp(Qt::red), verde = Bmp(Qt::green);
        QCOMPARE(rossa.size(), verde.size());
        const QString percorso = Scrivi(d, "jpg/foto.bmp", rossa);
        QCOMPARE(qRed(CaricaFigura(percorso, QSize(160, 120)).immagine.pixel(10, 10)), 255);
        Scrivi(d, "jpg/foto.bmp", verde);
        QVERIFY(qGreen(CaricaFigura(percorso, QSize(160, 120)).immagine.pixel(10, 10)) > 250);

        const QString foto = Scrivi(d, "jpg/quarti.jpg", Jpeg(Quarti()));
        const QImage primaVolta = CaricaFigura(foto, QSize(80, 60)).immagine;
        const QImage dallaCache = CaricaFigura(foto, QSize(80, 60)).immagine;
        SvuotaCacheFigure();
        const QImage daCapo = CaricaFigura(foto, QSize(80, 60)).immagine;
        QCOMPARE(dallaCache, daCapo);
        QCOMPARE(primaVolta, daCapo);

        // Fitted to a box, keeping its proportions: the same pixels as fitted
        // afresh, each picture and size its own, and boxes that show it at
        // the same size share one fitted copy.
        const QImage adattata = FiguraAdattata(daCapo, QSize(50, 30));
        QCOMPARE(adattata.size(), QSize(40, 30));
        QCOMPARE(FiguraAdattata(daCapo, QSize(50, 30)), adattata);
        QCOMPARE(FiguraAdattata(daCapo, QSize(40, 90)).cacheKey(), adattata.cacheKey());
        const QImage altra = CaricaFigura(Scrivi(d, "jpg/rossa.bmp", Bmp(Qt::red)), QSize(80, 60)).immagine;
        QCOMPARE(FiguraAdattata(altra, QSize(50, 30)).pixel(20, 15), qRgb(255, 0, 0));
        QCOMPARE(FiguraAdattata(daCapo, QSize(40, 40)).size(), QSize(40, 30));
        QCOMPARE(FiguraAdattata(daCapo, QSize(200, 60)).size(), QSize(80, 60));
        SvuotaCacheFigure();
        QCOMPARE(FiguraAdattata(daCapo, QSize(50, 30)), adattata);

        // Pictures each as large as the bound, decoded whole: more than the
        // bound holds.
        for (int i = 0; i < 8; ++i) {
            const QImage grande = GrandeComeLaCache(QColor::fromHsv(i * 40, 255, 255));
            const QString p = Scrivi(d, QStringLiteral("jpg/grande%1.jpg").arg(i), Jpeg(grande));
            QVERIFY(!CaricaFigura(p, QSize(2048, 2048)).immagine.isNull());
            QVERIFY2(ByteCacheFigure() <= CacheFigureMassima, qPrintable(QString::number(ByteCacheFigure())));
        }
        QVERIFY(ByteCacheFigure() >= CacheFigureMassima / 2);
    }

    // Pictures prepared ahead of need: what shows is decided by the bytes a
    // load reads, not by what was prepared; a preparation stays within the
    // cache's bound and says nothing about damaged files, which their load
    // then names once.
    void preparazione_iByteDelCaricamentoDecidono()
    {
        QTemporaryDir d;
        SvuotaCacheFigure();
        const QString foto = Scrivi(d, "jpg/quarti.jpg", Jpeg(Quarti()));
        const QString rossa = Scrivi(d, "jpg/rossa.bmp", Bmp(Qt::red));
        const QString rotta = Scrivi(d, "jpg/rotta.jpg", Jpeg(Quarti()).left(600));
        CatturaStderr errori;
        PreparaFigure({foto, rossa, rotta, d.filePath("jpg/manca.jpg")}, QSize(80, 60));
        QVERIFY(AttendiFigurePreparate(10000));
        QCOMPARE(errori.testo(), QString());
        QVERIFY(ByteCacheFigure() > 0);

        Scrivi(d, "jpg/rossa.bmp", Bmp(Qt::green));
        QVERIFY(qGreen(CaricaFigura(rossa, QSize(80, 60)).immagine.pixel(10, 10)) > 250);
        const QImage preparata = CaricaFigura(foto, QSize(80, 60)).immagine;
        SvuotaCacheFigure();
        QCOMPARE(preparata, CaricaFigura(foto, QSize(80, 60)).immagine);

        CatturaStderr dopo;
        CaricaFigura(rotta, QSize(80, 60));
        CaricaFigura(rotta, QSize(80, 60));
        QCOMPARE(dopo.testo().count(QStringLiteral("rotta.jpg")), 1);

        // Pictures each as large as the bound, decoded whole: more than the
        // bound holds.
        QStringList grandi;
        for (int i = 0; i < 8; ++i)
            grandi << Scrivi(d, QStringLiteral("jpg/grande%1.jpg").arg(i),
                             Jpeg(GrandeComeLaCache(QColor::fromHsv(i * 40, 255, 255))));
        PreparaFigure(grandi, QSize(2048, 2048));
        QVERIFY(AttendiFigurePreparate(20000));
        QVERIFY2(ByteCacheFigure() <= CacheFigureMassima, qPrintable(QString::number(ByteCacheFigure())));
        QVERIFY(ByteCacheFigure() >= CacheFigureMassima / 2);
    }

    // The memory freed in the middle of the heap goes back to the system
    // once a screen is gone; when glibc's tunables set how much free memory
    // the heap keeps, it is kept. Each way in a process of its own, as glibc
    // reads its tunables when a process starts.
    void memoriaLibera_tornaAlSistemaSalvoTaglie_data()
    {
        QTest::addColumn<QString>("taglie");
        QTest::addColumn<bool>("restituita");
        QTest::newRow("the game's own") << QString() << true;
        QTest::newRow("trim threshold tuned") << QStringLiteral("glibc.malloc.trim_threshold=1073741824") << false;
    }
    void memoriaLibera_tornaAlSistemaSalvoTaglie()
    {
#if defined(__SANITIZE_ADDRESS__) || !defined(__GLIBC__)
        QSKIP("the heap here is not glibc's");
#else
        QFETCH(QString, taglie);
        QFETCH(bool, restituita);
        static const char Figlio[] = "TESSELO_PROVA_HEAP_FIGLIO";
        if (!qEnvironmentVariableIsSet(Figlio)) {
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert(Figlio, "1");
            ambiente.insert("GLIBC_TUNABLES", taglie);
            const CasoFiglio figlio(ambiente, 60000);
            QVERIFY2(figlio.passato, qPrintable(figlio.uscita));
            return;
        }
        // 64 MiB in blocks of 32 KiB, with a small block kept after each, so
        // that only a trim gives the freed ones back.
        std::vector<char*> liberati, tenuti;
        for (int i = 0; i < 2048; ++i) {
            liberati.push_back(static_cast<char*>(std::malloc(32 * 1024)));
            std::memset(liberati.back(), i, 32 * 1024);
            tenuti.push_back(static_cast<char*>(std::malloc(64)));
        }
        for (char* b : liberati)
            std::free(b);
        const qint64 prima = MemoriaKiB("VmRSS");
        RestituisciMemoriaLibera();
        const qint64 tornati = prima - MemoriaKiB("VmRSS");
        for (char* b : tenuti)
            std::free(b);
        QVERIFY2(restituita ? tornati > 48 * 1024 : tornati < 8 * 1024, qPrintable(QStringLiteral("%1 KiB back").arg(tornati)));
#endif
    }

    // The thread that prepares pictures ahead of need is in Linux's idle
    // scheduling class while it prepares, as ps shows it, and the program's
    // other threads keep the ordinary class: it never slows down a screen
    // that is opening. Stopping it mid-way does not wait for the idle class.
    void preparazione_classeIdle()
    {
        const auto classi = [] {
            QProcess ps;
            ps.start(QStringLiteral("ps"), {QStringLiteral("-L"), QStringLiteral("-o"), QStringLiteral("cls=,comm="),
                                            QStringLiteral("-p"), QString::number(QCoreApplication::applicationPid())});
            if (!ps.waitForFinished(10000) || ps.exitCode() != 0)
                qFatal("ps (procps) is needed");
            QMultiMap<QString, QString> perNome;
            for (const QString& riga : QString::fromLocal8Bit(ps.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
                perNome.insert(riga.simplified().section(' ', 1), riga.simplified().section(' ', 0, 0));
            return perNome;
        };
        QTemporaryDir d;
        SvuotaCacheFigure();
        // Enough to decode for a while: 2048 x 2048 pictures, decoded whole.
        QStringList grandi;
        for (int i = 0; i < 4; ++i) {
            QImage grande(2048, 2048, QImage::Format_RGB32);
            grande.fill(QColor::fromHsv(i * 90, 255, 255));
            grandi << Scrivi(d, QStringLiteral("jpg/grande%1.jpg").arg(i), Jpeg(grande));
        }
        PreparaFigure(grandi, QSize(2048, 2048));
        QMultiMap<QString, QString> mentre;
        QTRY_VERIFY_WITH_TIMEOUT((mentre = classi()).contains(NomeFiloPreparazione), 10000);
        QCOMPARE(mentre.values(NomeFiloPreparazione), QStringList{"IDL"});
        mentre.remove(NomeFiloPreparazione);
        for (auto c = mentre.cbegin(); c != mentre.cend(); ++c)
            QVERIFY2(c.value() == QLatin1String("TS"), qPrintable(c.key() + ": " + c.value()));
        SvuotaCacheFigure();
        QVERIFY(AttendiFigurePreparate(0));
    }

    // Tens of MiB of metadata before the picture's own segments: the picture
    // shows as without them (its orientation tag, after them, still applied),
    // its decoding is the one of the same picture without them, and loading it
    // costs memory for the file's bytes but not several times over.
    void metadati_nonArrivanoAlDecodificatore()
    {
        QTemporaryDir d;
        SvuotaCacheFigure();
        const QByteArray nuda = ConOrientamento(Jpeg(Quarti().transformed(QTransform().rotate(270))), 6);
        const Figura senza = CaricaFigura(Scrivi(d, "jpg/nuda.jpg", nuda), QSize(160, 120));
        QCOMPARE(QuartiVisti(senza.immagine), QStringLiteral("RGBW"));
        const qint64 inCache = ByteCacheFigure();

        const QByteArray piena = ConMetadati(nuda, 960);  // 60 MiB
        QVERIFY(piena.size() > 60 * 1024 * 1024 && piena.size() < 64 * 1024 * 1024);
        const QString file = Scrivi(d, "jpg/piena.jpg", piena);
        AzzeraPiccoMemoria();
        const qint64 prima = MemoriaKiB("VmRSS");
        CatturaStderr errori;
        const Figura con = CaricaFigura(file, QSize(160, 120));
        const qint64 picco = MemoriaKiB("VmHWM") - prima;
        // The file's bytes, and some MiB besides.
        QVERIFY2(picco < piena.size() / 1024 + 16 * 1024, qPrintable(QStringLiteral("%1 KiB").arg(picco)));
        QCOMPARE(errori.testo(), QString());
        QCOMPARE(con.immagine, senza.immagine);
        QCOMPARE(ByteCacheFigure(), inCache);
    }

    // A picture whose decoder needs it whole in memory, beyond what Qt
    // allows (a 16-bit PNG, here under a lower limit), is too large, not
    // damaged, and named in one line; one of the same size that decodes
    // at a reduced size (an 8-bit PNG) shows.
    void pngOltreIlLimite_troppoGrandeInUnaRiga_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<bool>("mostrata");
        QTest::newRow("16-bit") << int(QImage::Format_Grayscale16) << false;
        QTest::newRow("8-bit") << int(QImage::Format_RGB32) << true;
    }
    void pngOltreIlLimite_troppoGrandeInUnaRiga()
    {
        QFETCH(int, formato);
        QFETCH(bool, mostrata);
        QTemporaryDir d;
        QImage grande(2000, 2000, QImage::Format(formato));
        grande.fill(Qt::gray);
        const QString file = Scrivi(d, "jpg/rosso/quadratograndespesso.JPG", Codifica(grande, "png"));
        const int limite = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(8);
        const auto ripristina = qScopeGuard([&] { QImageReader::setAllocationLimit(limite); });
        TaciDecodificatori();
        CatturaStderr errori;
        const QImage vista = CaricaFigura(file, QSize(200, 200)).immagine;
        const QString avvisi = errori.testo();
        if (mostrata) {
            QCOMPARE(vista.size(), QSize(250, 250));
            QCOMPARE(avvisi, QString());
            return;
        }
        QCOMPARE(avvisi.count('\n'), 1);
        QVERIFY2(avvisi.contains("quadratograndespesso.JPG") && avvisi.contains("immagine non valida o troppo grande")
                     && avvisi.contains("disegnata dal programma"),
                 qPrintable(avvisi));
        // Drawn from its words instead.
        QVERIFY(!vista.isNull());
    }

    // Several pictures loaded together give, in the order asked, what loading
    // each alone gives, and name each damaged file once, in that order too.
    void caricaFigure_comeUnaAllaVolta()
    {
        QTemporaryDir d;
        SvuotaCacheFigure();
        QList<RichiestaFigura> richieste;
        for (int i = 0; i < 6; ++i) {
            QImage img = Quarti();
            img.fill(QColor::fromHsv(i * 50, 200, 255));
            richieste.append({Scrivi(d, QStringLiteral("jpg/foto%1.jpg").arg(i), Jpeg(img)), QSize(160, 120)});
        }
        richieste.insert(2, {d.filePath("jpg/rosso/triangolograndespesso.JPG"), QSize(100, 100)});
        richieste.insert(4, {Scrivi(d, "jpg/rotto.jpg", "non una figura"), QSize(100, 100)});
        richieste.append({richieste[0].percorso, QSize(160, 120)});

        CatturaStderr errori;
        const QList<Figura> insieme = CaricaFigure(richieste);
        const QString avvisi = errori.testo();
        QCOMPARE(insieme.size(), richieste.size());
        QCOMPARE(avvisi.count('\n'), 2);
        QVERIFY(avvisi.indexOf("triangolograndespesso") < avvisi.indexOf("rotto.jpg"));
        SvuotaCacheFigure();
        for (qsizetype i = 0; i < richieste.size(); ++i) {
            const Figura sola = CaricaFigura(richieste[i].percorso, richieste[i].lato);
            QCOMPARE(insieme[i].nome, sola.nome);
            QCOMPARE(insieme[i].immagine, sola.immagine);
        }
        QVERIFY(insieme[2].nome.startsWith("triangolo"));
        QVERIFY(insieme[4].immagine.isNull());
    }

    // A control whose box its pictures were prepared for paints the copy
    // fitted to that box, as large as fits and in the middle, and the cache
    // takes nothing more; the picture it holds is the one a load gives. The
    // bytes read at the load still decide: a file replaced since shows its
    // new picture. Copied into a box half as large, the picture is fitted
    // from the one shown, its file not read again.
    void controllo_copiaPreparataNelSuoRiquadro()
    {
        QTemporaryDir d;
        SvuotaCacheFigure();
        const QString foto = Scrivi(d, "jpg/quarti.jpg", Jpeg(Quarti()));
        const QString rossa = Scrivi(d, "jpg/rossa.bmp", Bmp(Qt::red));
        QWidget f;
        f.resize(f.screen()->size());
        auto* controllo = new Immagine(&f);
        controllo->setGeometry(0, 0, 100, 50);
        PreparaFigure({foto, rossa}, controllo->latoMassimo());
        QVERIFY(AttendiFigurePreparate(10000));
        const qint64 preparati = ByteCacheFigure();
        controllo->carica(foto);
        QCOMPARE(ByteCacheFigure(), preparati);
        // 320 x 240 shown 66 x 50, from x = 17.
        QCOMPARE(QuartiVisti(controllo->grab().toImage().copy(17, 0, 66, 50)), QStringLiteral("RGBW"));
        QCOMPARE(ByteCacheFigure(), preparati);
        QCOMPARE(controllo->immagine(), CaricaFigura(foto, controllo->latoMassimo()).immagine);

        auto* piccolo = new Immagine(&f);
        piccolo->setGeometry(0, 60, 40, 20);
        QVERIFY(QFile::remove(foto));
        CatturaStderr errori;
        piccolo->copiaDa(*controllo);
        // Shown 26 x 20, from x = 7.
        QCOMPARE(QuartiVisti(piccolo->grab().toImage().copy(7, 0, 26, 20)), QStringLiteral("RGBW"));
        QCOMPARE(errori.testo(), QString());

        Scrivi(d, "jpg/rossa.bmp", Bmp(Qt::green));
        controllo->carica(rossa);
        QVERIFY(qGreen(controllo->grab().toImage().pixel(50, 25)) > 250);
    }

    // Prepared as one group for several boxes, a picture is decoded once for
    // the boxes that decode it at the same size (an eighth of 1600 x 1200
    // covers the first three, the fourth needs half): each box's copy is
    // then the very one a load for that box alone makes from the file, and
    // loading it decodes nothing more. A damaged file in the group is left
    // to its load, which names it.
    void preparazione_unGruppoComeCaricamentiSoli()
    {
        QTemporaryDir d;
        SvuotaCacheFigure();
        QImage sfumata(1600, 1200, QImage::Format_RGB32);
        for (int y = 0; y < sfumata.height(); ++y)
            for (int x = 0; x < sfumata.width(); ++x)
                sfumata.setPixel(x, y, qRgb(x * 255 / 1600, y * 255 / 1200, (x ^ y) & 0xFF));
        const QString foto = Scrivi(d, "jpg/sfumata.jpg", Jpeg(sfumata));
        const QString rotta = Scrivi(d, "jpg/rotta.jpg", Jpeg(sfumata).left(900));
        const QList<QSize> lati{{150, 150}, {151, 100}, {190, 140}, {700, 500}};
        CatturaStderr errori;
        PreparaFigure({rotta, foto}, QList<QList<QSize>>{lati});
        QVERIFY(AttendiFigurePreparate(10000));
        QCOMPARE(errori.testo(), QString());
        QList<RichiestaFigura> richieste;
        for (const QSize& lato : lati)
            richieste.append({foto, lato});
        const qint64 preparati = ByteCacheFigure();
        QVERIFY(preparati > 0);
        const QList<FiguraNelRiquadro> pronte = CaricaFigureNeiRiquadri(richieste);
        QCOMPARE(ByteCacheFigure(), preparati);
        for (qsizetype i = 0; i < richieste.size(); ++i) {
            SvuotaCacheFigure();
            const QImage sola = CaricaFigureNeiRiquadri({richieste[i]}).first().mostrata;
            QCOMPARE(pronte[i].mostrata.size(), DimensioneAdattata({1600, 1200}, lati[i]));
            QVERIFY2(pronte[i].mostrata == sola, qPrintable(QStringLiteral("box %1").arg(i)));
        }
        CatturaStderr dopo;
        CaricaFigura(rotta, QSize(150, 150));
        QCOMPARE(dopo.testo().count(QStringLiteral("rotta.jpg")), 1);
    }

    // Fitted copies stay within their own bound, the least recently used
    // going first; a decoded picture as large as the whole cache's bound
    // pushes fitted copies out, and both kinds stay within that bound.
    void cache_copieAdattateNelLoroLimite()
    {
        QTemporaryDir d;
        SvuotaCacheFigure();
        for (int i = 0; i < 40; ++i) {
            QImage img(600, 600, QImage::Format_RGB32);
            img.fill(QColor::fromHsv(i * 9, 255, 255));
            QCOMPARE(FiguraAdattata(img, QSize(300, 300)).size(), QSize(300, 300));
            QVERIFY2(ByteCacheFigure() <= CacheMostrateMassima, qPrintable(QString::number(ByteCacheFigure())));
        }
        QVERIFY(ByteCacheFigure() >= CacheMostrateMassima / 2);
        QVERIFY(!CaricaFigura(Scrivi(d, "jpg/grande.jpg", Jpeg(GrandeComeLaCache(Qt::yellow))), QSize(2048, 2048))
                     .immagine.isNull());
        QVERIFY2(ByteCacheFigure() <= CacheFigureMassima, qPrintable(QString::number(ByteCacheFigure())));
        QVERIFY(ByteCacheFigure() >= CacheFigureMassima);
    }
};

TESSELO_TEST_MAIN(ProvaImmagini)
#include "tst_immagini.moc"
