// Thousands of damaged variants of one real picture and one real sound (in
// four WAV encodings): bits
// flipped, bytes put in or taken out, files cut short, segment and chunk
// sizes rewritten. The picture loader and the WAV decoder must take every one
// of them without crashing, reading out of bounds or waiting, and the sound
// channel must play or refuse each one at once. Every variant is made from
// its own seed, so a failure names the seed that shows it again:
//   TESSELO_SEME=<seed> TESSELO_MUTAZIONI=1 tst_mutazioni
#include "app/CanaleAudio.h"
#include "app/Immagini.h"
#include "app/Wav.h"
#include "tests/support/Codifica.h"
#include "tests/support/MainProva.h"
#include "tests/support/ServerAudio.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QAudioDevice>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <random>
#include <sndfile.h>

namespace {

quint64 Ambientale(const char* nome, quint64 predefinito)
{
    bool ok = false;
    const quint64 v = qEnvironmentVariable(nome).toULongLong(&ok);
    return ok ? v : predefinito;
}

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(percorso));
    return f.readAll();
}

// Where the sizes a reader trusts are written: JPEG segment lengths and frame
// dimensions (16 bits, big endian), WAV chunk sizes (32 bits) and format
// fields (16 or 32 bits), little endian.
struct Campo {
    qsizetype at;
    int byte;
    bool grandeEndian;
};

QList<Campo> CampiJpeg(const QByteArray& d)
{
    QList<Campo> campi;
    qsizetype at = 2;
    while (at + 4 <= d.size() && uchar(d[at]) == 0xFF) {
        const uchar marcatore = uchar(d[at + 1]);
        campi.append({at + 2, 2, true});
        if ((marcatore == 0xC0 || marcatore == 0xC2) && at + 9 <= d.size()) {
            campi.append({at + 5, 2, true}); // height
            campi.append({at + 7, 2, true}); // width
        }
        if (marcatore == 0xDA)
            break;
        at += 2 + ((uchar(d[at + 2]) << 8) | uchar(d[at + 3]));
    }
    return campi;
}

QList<Campo> CampiWav(const QByteArray& d)
{
    QList<Campo> campi{{4, 4, false}};
    qsizetype at = 12;
    while (at + 8 <= d.size()) {
        const quint32 lunghezza = qFromLittleEndian<quint32>(d.constData() + at + 4);
        campi.append({at + 4, 4, false});
        if (d.mid(at, 4) == "fmt ")
            for (auto [scarto, byte] : {std::pair{0, 2}, {2, 2}, {4, 4}, {8, 4}, {12, 2}, {14, 2}})
                campi.append({at + 8 + scarto, byte, false});
        at += 8 + qsizetype(lunghezza) + (lunghezza & 1);
    }
    return campi;
}

// One damaged variant of originale, and what was done to it.
QByteArray Muta(const QByteArray& originale, quint64 seme, bool wav, QString& come)
{
    std::mt19937_64 caso(seme);
    auto fino = [&](qsizetype n) { return qsizetype(caso() % quint64(std::max<qsizetype>(n, 1))); };
    // Half of the changes fall among the headers, where a reader decides
    // what to trust.
    auto posto = [&](const QByteArray& d) { return caso() % 2 ? fino(std::min<qsizetype>(d.size(), 700)) : fino(d.size()); };
    QByteArray d = originale;
    QStringList fatto;
    for (int passo = 0, passi = 1 + int(caso() % 3); passo < passi; ++passo) {
        switch (caso() % 5) {
        case 0: {
            const int n = 1 + int(caso() % 8);
            for (int i = 0; i < n && !d.isEmpty(); ++i)
                d[posto(d)] ^= char(1 << (caso() % 8));
            fatto << QStringLiteral("%1 bits flipped").arg(n);
            break;
        }
        case 1: {
            QByteArray nuovi(1 + fino(16), Qt::Uninitialized);
            for (char& c : nuovi)
                c = char(caso());
            const qsizetype at = posto(d);
            d.insert(at, nuovi);
            fatto << QStringLiteral("%1 bytes put in at %2").arg(nuovi.size()).arg(at);
            break;
        }
        case 2: {
            const qsizetype at = posto(d);
            const qsizetype n = 1 + fino(std::min<qsizetype>(64, d.size() - at));
            d.remove(at, n);
            fatto << QStringLiteral("%1 bytes taken out at %2").arg(n).arg(at);
            break;
        }
        case 3:
            d.truncate(fino(d.size()));
            fatto << QStringLiteral("cut at %1").arg(d.size());
            break;
        case 4: {
            const QList<Campo> campi = wav ? CampiWav(d) : CampiJpeg(d);
            if (campi.isEmpty())
                break;
            const Campo c = campi[fino(campi.size())];
            if (c.at + c.byte > d.size())
                break;
            const quint32 massimo = c.byte == 2 ? 0xFFFFu : 0xFFFFFFFFu;
            quint32 vecchio = c.byte == 2 ? (c.grandeEndian ? qFromBigEndian<quint16>(d.constData() + c.at)
                                                            : qFromLittleEndian<quint16>(d.constData() + c.at))
                                          : qFromLittleEndian<quint32>(d.constData() + c.at);
            const quint32 scelte[] = {0, 1, 2, massimo, massimo / 2 + 1, vecchio + 1, vecchio - 1,
                                      vecchio * 2, quint32(caso()) & massimo};
            const quint32 valore = scelte[caso() % std::size(scelte)] & massimo;
            for (int i = 0; i < c.byte; ++i) {
                const int spostamento = 8 * (c.grandeEndian ? c.byte - 1 - i : i);
                d[c.at + i] = char((valore >> spostamento) & 0xFF);
            }
            fatto << QStringLiteral("size at %1 set to %2").arg(c.at).arg(valore);
            break;
        }
        }
    }
    come = fatto.join(", ");
    return d;
}


// The same sound in another WAV encoding, written by libsndfile (through a
// file, as its writer needs one to seek in).
QByteArray Ricodifica(const QByteArray& wav, int codifica, const QString& appoggio)
{
    const auto suono = AnalizzaWav(wav);
    if (!suono)
        qFatal("the sound to re-encode does not decode");
    SF_INFO info{};
    info.samplerate = suono->frequenza;
    info.channels = suono->canali;
    info.format = SF_FORMAT_WAV | codifica;
    SNDFILE* sf = sf_open(QFile::encodeName(appoggio).constData(), SFM_WRITE, &info);
    if (!sf)
        qFatal("libsndfile cannot write encoding %x: %s", codifica, sf_strerror(nullptr));
    const sf_count_t fotogrammi = suono->campioni.size() / (2 * suono->canali);
    sf_writef_short(sf, reinterpret_cast<const short*>(suono->campioni.constData()), fotogrammi);
    sf_close(sf);
    return Leggi(appoggio);
}

struct Esito {
    qint64 peggiore = 0;
    quint64 semePeggiore = 0;
    QStringList difetti;
    void tempo(qint64 ms, quint64 seme)
    {
        if (ms > peggiore) {
            peggiore = ms;
            semePeggiore = seme;
        }
    }
};

} // namespace

class ProvaMutazioni : public QObject {
    Q_OBJECT

    quint64 semeBase = 0;
    int quante = 0;
    ServerAudio server;

private slots:
    void initTestCase()
    {
        // Qt's own complaints about each damaged JPEG would flood the log.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg.warning=false"));
        semeBase = Ambientale("TESSELO_SEME", 20260101);
        quante = int(Ambientale("TESSELO_MUTAZIONI", 2000));
        // A private server with a null sink: the accepted variants really go
        // to an audio output, and a test run never plays them aloud.
        QVERIFY2(server.avvia(), "no private PulseAudio server can start here (pulseaudio is missing?)");
        const QAudioDevice uscita = QMediaDevices::defaultAudioOutput();
        qInfo("first seed %llu, %d variants each; audio output: %s", semeBase, quante,
              uscita.isNull() ? "none" : qPrintable(uscita.description()));
    }

    // Every variant of a block picture gives a picture (its own, or one drawn
    // from the block's words) named by the block; every variant of an
    // attribute picture gives a picture of sane size or none; none takes
    // two seconds.
    void caricaFigura_resisteAOgniVariante()
    {
        QTemporaryDir cartella;
        QVERIFY(QDir().mkpath(cartella.filePath("jpg/rosso")));
        const QString blocco = cartella.filePath("jpg/rosso/triangolograndespesso.JPG");
        const QString attributo = cartella.filePath("jpg/rosso.jpg");
        const QByteArray originale = Leggi(TESSELO_APP_DIR "/jpg/rosso/triangolograndespesso.JPG");
        Esito esito;
        int decodificate = 0;
        for (int i = 0; i < quante; ++i) {
            const quint64 seme = semeBase + quint64(i);
            QString come;
            const QByteArray variante = Muta(originale, seme, false, come);
            const bool perBlocco = seme % 2 == 0;
            const QString percorso = perBlocco ? blocco : attributo;
            Scrivi(percorso, variante);
            QElapsedTimer t;
            t.start();
            const Figura f = CaricaFigura(percorso);
            esito.tempo(t.elapsed(), seme);
            // An empty picture has no name; a shown one is named by its block or word.
            const QString nomeAtteso = perBlocco ? QStringLiteral("triangolo rosso grande spesso")
                : f.immagine.isNull()            ? QString()
                                                 : QStringLiteral("rosso");
            if (f.nome != nomeAtteso || (perBlocco && f.immagine.isNull()))
                esito.difetti << QStringLiteral("seed %1 (%2): picture \"%3\" %4").arg(seme).arg(come, f.nome,
                                                f.immagine.isNull() ? "empty" : "shown");
            if (!f.immagine.isNull()
                && (f.immagine.width() < 1 || qint64(f.immagine.width()) * f.immagine.height() > 6000LL * 6000LL))
                esito.difetti << QStringLiteral("seed %1 (%2): %3 x %4 pixels").arg(seme).arg(come).arg(f.immagine.width()).arg(f.immagine.height());
            if (!perBlocco && !f.immagine.isNull())
                ++decodificate;
        }
        qInfo("%d variants; %d attribute variants still decoded; slowest %lld ms (seed %llu)", quante,
              decodificate, esito.peggiore, esito.semePeggiore);
        QVERIFY2(esito.difetti.isEmpty(), qPrintable(esito.difetti.mid(0, 10).join('\n')));
        QVERIFY2(esito.peggiore < 2000, qPrintable(QStringLiteral("seed %1 took %2 ms").arg(esito.semePeggiore).arg(esito.peggiore)));
    }

        void wav_resisteAOgniVariante_data()
    {
        QTest::addColumn<int>("codifica");
        QTest::newRow("16-bit PCM") << int(SF_FORMAT_PCM_16);
        QTest::newRow("24-bit PCM") << int(SF_FORMAT_PCM_24);
        QTest::newRow("u-law") << int(SF_FORMAT_ULAW);
        QTest::newRow("IMA ADPCM") << int(SF_FORMAT_IMA_ADPCM);
    }

    // Variants of a real sound in several of the encodings a teacher's file
    // may have: the decoder accepts a variant only as whole 16-bit frames of
    // one or two channels at a sane rate and no longer than the longest
    // recording accepted; the real sound channel takes every variant, played
    // or refused, without waiting.
    void wav_resisteAOgniVariante()
    {
        QFETCH(int, codifica);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath("si1.wav");
        const QByteArray originale = Ricodifica(Leggi(TESSELO_APP_DIR "/suoni/si1.wav"), codifica,
                                                cartella.filePath("originale.wav"));
        QVERIFY(AnalizzaWav(originale));
        Esito esito;
        int accettate = 0;
        {
            auto canale = std::make_unique<CanaleAudio>();
            for (int i = 0; i < quante; ++i) {
                const quint64 seme = semeBase + quint64(i);
                QString come;
                const QByteArray variante = Muta(originale, seme, true, come);
                const auto suono = AnalizzaWav(variante);
                if (suono) {
                    ++accettate;
                    const int fotogramma = suono->canali * 2;
                    const bool sano = suono->canali >= 1 && suono->canali <= 2 && suono->frequenza >= 1000
                        && suono->frequenza <= 384000 && suono->bitPerCampione == 16 && !suono->campioni.isEmpty()
                        && suono->campioni.size() % fotogramma == 0
                        && suono->campioni.size() / fotogramma <= qint64(DurataMassimaSuono + 1) * suono->frequenza;
                    if (!sano)
                        esito.difetti << QStringLiteral("seed %1 (%2): accepted %3 channels, %4 Hz, %5 bits, %6 bytes")
                                             .arg(seme).arg(come).arg(suono->canali).arg(suono->frequenza)
                                             .arg(suono->bitPerCampione).arg(suono->campioni.size());
                }
                Scrivi(percorso, variante);
                QElapsedTimer t;
                t.start();
                canale->playSound(percorso);
                QCoreApplication::processEvents();
                esito.tempo(t.elapsed(), seme);
            }
            QElapsedTimer t;
            t.start();
            canale.reset();
            esito.tempo(t.elapsed(), 0);
        }
        qInfo("%d variants, %d accepted and played; slowest %lld ms (seed %llu)", quante, accettate,
              esito.peggiore, esito.semePeggiore);
        QVERIFY2(esito.difetti.isEmpty(), qPrintable(esito.difetti.mid(0, 10).join('\n')));
        QVERIFY2(esito.peggiore < 2000, qPrintable(QStringLiteral("seed %1 took %2 ms").arg(esito.semePeggiore).arg(esito.peggiore)));
    }
};

TESSELO_TEST_MAIN(ProvaMutazioni)
#include "tst_mutazioni.moc"
