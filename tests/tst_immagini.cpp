#include "app/Immagini.h"
#include "controls/Immagine.h"
#include "tests/support/CatturaStderr.h"
#include "tests/support/Codifica.h"
#include "tests/support/MainProva.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>

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

// A JPEG with an Exif block that holds only the orientation tag, right after
// its start marker, as a phone writes it.
QByteArray ConOrientamento(QByteArray jpeg, int tag)
{
    const unsigned char exif[] = {0xFF, 0xE1, 0x00, 0x22, 'E', 'x', 'i', 'f', 0, 0,
                                  'I', 'I', 0x2A, 0x00, 0x08, 0x00, 0x00, 0x00,       // TIFF header
                                  0x01, 0x00,                                           // one entry
                                  0x12, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00,       // orientation, SHORT, 1
                                  static_cast<unsigned char>(tag), 0x00, 0x00, 0x00,
                                  0x00, 0x00, 0x00, 0x00};                              // no next IFD
    jpeg.insert(2, reinterpret_cast<const char*>(exif), sizeof exif);
    return jpeg;
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

} // namespace

// A picture is decoded at a half, a quarter or an eighth of its size when that
// still covers its box as the box will be once the window fills the screen,
// and never smaller.
class ProvaImmagini : public QObject {
    Q_OBJECT
private slots:
    void carica_decodificaRidottaCheCopreIlRiquadro_data()
    {
        QTest::addColumn<double>("finestra");  // the window's share of the screen
        QTest::addColumn<int>("riquadro");
        QTest::addColumn<int>("lato");         // the side decoded
        QTest::newRow("tiny box") << 1.0 << 50 << 60;
        QTest::newRow("just over an eighth") << 1.0 << 61 << 120;
        QTest::newRow("a quarter") << 1.0 << 120 << 120;
        QTest::newRow("just over a half") << 1.0 << 241 << 480;
        QTest::newRow("larger than the file") << 1.0 << 700 << 480;
        QTest::newRow("window at 75%, box grows to 200") << 0.75 << 150 << 240;
        QTest::newRow("window at 75%, box grows to 112") << 0.75 << 84 << 120;
    }
    void carica_decodificaRidottaCheCopreIlRiquadro()
    {
        QFETCH(double, finestra);
        QFETCH(int, riquadro);
        QFETCH(int, lato);
        QTemporaryDir d;
        const QString file = Scrivi(d, "jpg/blu.jpg", Figura_("jpeg"));
        QWidget f;
        f.resize(f.screen()->size() * finestra);
        auto* controllo = new Immagine(&f);
        controllo->setGeometry(0, 0, riquadro, riquadro);
        controllo->carica(file);
        QCOMPARE(controllo->immagine().size(), QSize(lato, lato));
        QVERIFY(RossoABlu(controllo->immagine()));
    }

    // What is painted fills the box edge to edge, with the picture's halves
    // where they belong, whether the picture is a little or much larger than
    // the box (or smaller).
    void disegno_riempieIlRiquadro_data()
    {
        QTest::addColumn<int>("lato");
        QTest::newRow("a little larger") << 300;
        QTest::newRow("much larger") << 900;
        QTest::newRow("smaller") << 120;
    }
    void disegno_riempieIlRiquadro()
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
        QVERIFY(RossoABlu(dipinto));
        for (const QPoint angolo : {QPoint(0, 0), QPoint(199, 0), QPoint(0, 159), QPoint(199, 159)}) {
            const QRgb c = dipinto.pixel(angolo);
            QVERIFY2(qRed(c) > 200 || qBlue(c) > 200, qPrintable(QStringLiteral("corner %1,%2").arg(angolo.x()).arg(angolo.y())));
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

        // Fitted to a box: the same pixels as fitted afresh, and each picture
        // and box its own.
        const QImage adattata = FiguraAdattata(daCapo, QSize(50, 30));
        QCOMPARE(adattata.size(), QSize(50, 30));
        QCOMPARE(FiguraAdattata(daCapo, QSize(50, 30)), adattata);
        const QImage altra = CaricaFigura(Scrivi(d, "jpg/rossa.bmp", Bmp(Qt::red)), QSize(80, 60)).immagine;
        QCOMPARE(FiguraAdattata(altra, QSize(50, 30)).pixel(25, 15), qRgb(255, 0, 0));
        QCOMPARE(FiguraAdattata(daCapo, QSize(40, 40)).size(), QSize(40, 40));
        SvuotaCacheFigure();
        QCOMPARE(FiguraAdattata(daCapo, QSize(50, 30)), adattata);

        // Pictures of 16 MiB each, decoded whole: more than the bound holds.
        for (int i = 0; i < 8; ++i) {
            QImage grande(2048, 2048, QImage::Format_RGB32);
            grande.fill(QColor::fromHsv(i * 40, 255, 255));
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

        // Pictures of 16 MiB each, decoded whole: more than the bound holds.
        QStringList grandi;
        for (int i = 0; i < 8; ++i) {
            QImage grande(2048, 2048, QImage::Format_RGB32);
            grande.fill(QColor::fromHsv(i * 40, 255, 255));
            grandi << Scrivi(d, QStringLiteral("jpg/grande%1.jpg").arg(i), Jpeg(grande));
        }
        PreparaFigure(grandi, QSize(2048, 2048));
        QVERIFY(AttendiFigurePreparate(20000));
        QVERIFY2(ByteCacheFigure() <= CacheFigureMassima, qPrintable(QString::number(ByteCacheFigure())));
        QVERIFY(ByteCacheFigure() >= CacheFigureMassima / 2);
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
};

TESSELO_TEST_MAIN(ProvaImmagini)
#include "tst_immagini.moc"
