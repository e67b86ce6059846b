#include "app/Immagini.h"
#include "controls/Immagine.h"
#include "tests/support/MainProva.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QScreen>
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
    QByteArray dati;
    QBuffer b(&dati);
    b.open(QIODevice::WriteOnly);
    QImageWriter(&b, formato).write(img);
    return dati;
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
};

TESSELO_TEST_MAIN(ProvaImmagini)
#include "tst_immagini.moc"
