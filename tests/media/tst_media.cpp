#include "BlockArt.h"
#include "SoundSynth.h"

#include <QHash>
#include <QtEndian>
#include <QtTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QImage blocco(const char* forma, const char* colore, const char* dimensione, const char* spessore)
{
    return Media::disegnaBlocco(QString::fromLatin1(forma), QString::fromLatin1(colore),
                                QString::fromLatin1(dimensione), QString::fromLatin1(spessore));
}

QImage attributo(const char* parola)
{
    return Media::disegnaAttributo(QString::fromLatin1(parola));
}

const QStringList kForme{u"rotondo"_s, u"quadrato"_s, u"rettangolo"_s, u"triangolo"_s};
const QStringList kColori{u"rosso"_s, u"giallo"_s, u"blu"_s};

// Bounding box of everything that is not (almost) white.
QRect ingombro(const QImage& img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 245)
                r |= QRect(x, y, 1, 1);
    return r;
}

// True when `valore` lies between `min` and `max` parts of the 480 px side.
bool tra(int valore, double min, double max)
{
    return valore > min * 480 && valore < max * 480;
}

QRgb coloreDominante(const QImage& img)
{
    QHash<QRgb, int> conta;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                ++conta[img.pixel(x, y)];
    QRgb migliore = 0;
    for (auto it = conta.cbegin(); it != conta.cend(); ++it)
        if (it.value() > conta.value(migliore))
            migliore = it.key();
    return migliore;
}

quint32 le32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 le16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

} // namespace

class TestMedia : public QObject {
    Q_OBJECT
private slots:
    void blocchiValidiEDeterministici()
    {
        for (const QString& f : kForme)
            for (const QString& c : kColori) {
                const QImage a = Media::disegnaBlocco(f, c, u"grande"_s, u"spesso"_s);
                QCOMPARE(a.size(), QSize(480, 480));
                QCOMPARE(a.format(), QImage::Format_RGB32);
                QCOMPARE(a, Media::disegnaBlocco(f, c, u"grande"_s, u"spesso"_s));
                QCOMPARE(a, Media::disegnaBlocco(f.toUpper(), c.toUpper(), u"GRANDE"_s, u"Spesso"_s));
            }
        QVERIFY(blocco("cerchio", "rosso", "grande", "spesso") ==
                blocco("rotondo", "rosso", "grande", "spesso"));
        QVERIFY(blocco("stella", "rosso", "grande", "spesso").isNull());
        QVERIFY(blocco("quadrato", "verde", "grande", "spesso").isNull());
        QVERIFY(blocco("quadrato", "rosso", "medio", "spesso").isNull());
        QVERIFY(blocco("quadrato", "rosso", "grande", "medio").isNull());
    }

    void misureVisibili()
    {
        const QRect grande = ingombro(blocco("quadrato", "blu", "grande", "sottile"));
        const QRect piccolo = ingombro(blocco("quadrato", "blu", "piccolo", "sottile"));
        QVERIFY2(tra(grande.width(), 0.78, 0.88), qPrintable(QString::number(grande.width())));
        QVERIFY2(tra(piccolo.width(), 0.42, 0.52), qPrintable(QString::number(piccolo.width())));
        QVERIFY(qAbs(piccolo.center().x() - 240) < 5 && qAbs(piccolo.center().y() - 240) < 5);

        // The thick block shows a much deeper side than the thin one.
        const QRect spesso = ingombro(blocco("quadrato", "blu", "grande", "spesso"));
        QVERIFY(spesso.height() - grande.height() > 0.07 * 480);

        const QRect rettangolo = ingombro(blocco("rettangolo", "blu", "grande", "sottile"));
        QVERIFY(rettangolo.width() > 1.7 * rettangolo.height());
    }

    void coloriPieni()
    {
        QCOMPARE(coloreDominante(blocco("quadrato", "rosso", "grande", "spesso")), qRgb(0xE0, 0x20, 0x20));
        QCOMPARE(coloreDominante(blocco("triangolo", "giallo", "piccolo", "sottile")), qRgb(0xFF, 0xD0, 0x00));
        QCOMPARE(coloreDominante(attributo("BLU")), qRgb(0x1E, 0x50, 0xE0));
    }

    void attributi()
    {
        const QStringList parole{u"cerchio"_s, u"rotondo"_s, u"quadrato"_s, u"rettangolo"_s,
                                 u"triangolo"_s, u"grande"_s, u"piccolo"_s, u"spesso"_s,
                                 u"sottile"_s, u"rosso"_s, u"giallo"_s, u"blu"_s};
        for (const QString& p : parole) {
            const QImage img = Media::disegnaAttributo(p);
            QCOMPARE(img.size(), QSize(480, 480));
            QCOMPARE(img, Media::disegnaAttributo(p.toUpper()));
        }
        QCOMPARE(attributo("cerchio"), attributo("rotondo"));
        QVERIFY(attributo("grande") != attributo("piccolo"));
        QVERIFY(attributo("spesso") != attributo("sottile"));
        QVERIFY(attributo("verde").isNull());
    }

    void iconeTrasparenti()
    {
        for (const QImage& img : {Media::disegnaChiaveDiViolino(32), Media::disegnaIcona(64)}) {
            QCOMPARE(img.format(), QImage::Format_ARGB32);
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(img.pixel(img.width() / 2, img.height() / 2)), 255);
        }
    }

    void suoni_data()
    {
        QTest::addColumn<int>("quale");
        for (int i = 0; i <= 4; ++i)
            QTest::addRow("%d", i) << i;
    }

    void suoni()
    {
        QFETCH(int, quale);
        const QByteArray wav = Media::sintetizzaWav(quale);
        QCOMPARE(wav, Media::sintetizzaWav(quale));
        QVERIFY(wav.size() > 44);
        QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt ");
        QCOMPARE(le32(wav, 4), quint32(wav.size() - 8));
        QCOMPARE(le32(wav, 16), 16u);
        QCOMPARE(le16(wav, 20), 1);  // PCM
        QCOMPARE(le16(wav, 22), 1);  // mono
        QCOMPARE(le16(wav, 34), 16); // bits
        const quint32 rate = le32(wav, 24);
        QVERIFY(rate == 22050 || rate == 44100);
        QCOMPARE(le32(wav, 28), rate * 2);
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        QCOMPARE(le32(wav, 40), quint32(wav.size() - 44));

        const int n = (wav.size() - 44) / 2;
        const double secondi = double(n) / rate;
        QVERIFY2(secondi >= 0.3 && secondi <= (quale == 0 ? 0.8 : 1.0), qPrintable(QString::number(secondi)));
        int picco = 0;
        for (int i = 0; i < n; ++i)
            picco = qMax(picco, qAbs(int(qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * i))));
        const double dbfs = 20 * std::log10(picco / 32768.0);
        QVERIFY2(dbfs > -10 && dbfs < -5.5, qPrintable(QString::number(dbfs)));
        // Fades in and out: no click at either end.
        QVERIFY(qAbs(qFromLittleEndian<qint16>(wav.constData() + 44)) < 100);
        QVERIFY(qAbs(qFromLittleEndian<qint16>(wav.constData() + wav.size() - 2)) < 100);
    }

    void suonoSconosciuto() { QVERIFY(Media::sintetizzaWav(5).isEmpty()); }
};

QTEST_GUILESS_MAIN(TestMedia)
#include "tst_media.moc"
