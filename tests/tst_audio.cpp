#include "app/CanaleAudio.h"
#include "tests/support/MainProva.h"
#include "tests/support/ServerAudio.h"
#include "tests/support/Tono.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <memory>
#include <numbers>
#include <sndfile.h>
#include <vector>

namespace {

constexpr int FrequenzaRegistrazione = 22050;

// What the null sink played: the peak, and how long the part louder than a
// faint hiss lasted, from its first loud sample to its last.
struct Ascolto {
    int picco = 0;
    double secondiUdibili = 0;
    qsizetype byte = 0;
};

// Records the private server's null sink while fai() runs and attesaMs more.
template <typename F>
Ascolto Registra(const ServerAudio& server, int attesaMs, F&& fai)
{
    QTemporaryDir casa;
    QProcess registratore;
    registratore.setProcessEnvironment(server.ambiente());
    registratore.start(QStandardPaths::findExecutable("parec"),
                       {"-d", "prova.monitor", "--raw", "--format=s16le",
                        QStringLiteral("--rate=%1").arg(FrequenzaRegistrazione), "--channels=1",
                        "--latency-msec=20", casa.filePath("registrazione.raw")});
    if (!registratore.waitForStarted())
        return {};
    // The recorder has connected once silence starts arriving in its file.
    QElapsedTimer attesa;
    attesa.start();
    while (QFileInfo(casa.filePath("registrazione.raw")).size() == 0 && attesa.elapsed() < 5000)
        QTest::qWait(20);
    fai();
    QTest::qWait(attesaMs);
    registratore.terminate();
    registratore.waitForFinished(3000);

    QFile file(casa.filePath("registrazione.raw"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray grezzo = file.readAll();
    Ascolto a;
    a.byte = grezzo.size();
    qsizetype primo = -1, ultimo = -1;
    for (qsizetype i = 0; i + 1 < grezzo.size(); i += 2) {
        const int v = std::abs(int(qFromLittleEndian<qint16>(grezzo.constData() + i)));
        a.picco = std::max(a.picco, v);
        if (v > 1000) {
            if (primo < 0)
                primo = i / 2;
            ultimo = i / 2;
        }
    }
    if (primo >= 0)
        a.secondiUdibili = double(ultimo - primo + 1) / FrequenzaRegistrazione;
    return a;
}

} // namespace

// Proves that sounds really reach an audio server: a private PulseAudio
// server with a null sink, the program's own sound channel playing into it,
// and the sink's monitor recorded.
class ProvaAudio : public QObject {
    Q_OBJECT
    ServerAudio server;
    QTemporaryDir cartella;
    // One channel for the table-driven cases, as the program has one.
    std::unique_ptr<CanaleAudio> canale;

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable("parec").isEmpty(), "parec (pulseaudio-utils) is missing");
        QVERIFY2(server.avvia(), "no private PulseAudio server can start here (pulseaudio is missing?)");
        QVERIFY(cartella.isValid());
        canale = std::make_unique<CanaleAudio>();
    }
    void cleanupTestCase() { canale.reset(); }

    void suonoEsatto_arrivaAlServerAudio()
    {
        const Ascolto a = Registra(server, 1500, [] {
            CanaleAudio canale;
            canale.playSound(TESSELO_APP_DIR "/suoni/si1.wav");
            QTest::qWait(1200);
        });
        QVERIFY2(a.byte > 4410, "nothing was recorded");
        QVERIFY2(a.picco > 1000, qPrintable(QString("peak %1: silence").arg(a.picco)));
    }

    // Every WAV encoding a recorder or editor writes, mono and stereo, at
    // common rates: heard, and for about as long as the file lasts.
    void ogniCodifica_suonaPerTuttaLaDurata_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<int>("frequenza");
        const struct {
            const char* nome;
            int formato, frequenza;
        } codifiche[] = {
            {"PCM 8 bit", SF_FORMAT_PCM_U8, 11025},  {"PCM 16 bit", SF_FORMAT_PCM_16, 44100},
            {"PCM 24 bit", SF_FORMAT_PCM_24, 48000}, {"PCM 32 bit", SF_FORMAT_PCM_32, 32000},
            {"float 32", SF_FORMAT_FLOAT, 44100},    {"float 64", SF_FORMAT_DOUBLE, 96000},
            {"mu-law", SF_FORMAT_ULAW, 8000},        {"A-law", SF_FORMAT_ALAW, 8000},
            {"IMA ADPCM", SF_FORMAT_IMA_ADPCM, 22050}, {"MS ADPCM", SF_FORMAT_MS_ADPCM, 16000},
        };
        for (const auto& c : codifiche)
            for (int canali : {1, 2})
                QTest::addRow("%s %s", c.nome, canali == 1 ? "mono" : "stereo")
                    << (c.formato | (canali << 16)) << c.frequenza;
    }
    void ogniCodifica_suonaPerTuttaLaDurata()
    {
        QFETCH(int, formato);
        QFETCH(int, frequenza);
        const int canali = formato >> 16;
        const QString percorso = cartella.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".wav");
        constexpr double Durata = 0.6;
        QVERIFY(ScriviTono(percorso, formato & 0xFFFF, canali, frequenza, Durata));
        const Ascolto a = Registra(server, 1200, [&] {
            canale->playSound(percorso);
        });
        QVERIFY2(a.picco > 8000, qPrintable(QString("peak %1: silence or too faint").arg(a.picco)));
        QVERIFY2(std::abs(a.secondiUdibili - Durata) < 0.12,
                 qPrintable(QString("heard for %1 s of %2 s").arg(a.secondiUdibili).arg(Durata)));
    }

    // A missing or damaged answer sound plays the program's own short
    // default sound; a missing or damaged voice plays nothing at all.
    void suonoMancante_suonaIlPredefinito_vocePerdutaTace_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("voce");
        QTest::addColumn<bool>("udibile");
        QFile rotto(cartella.filePath("rotto.wav"));
        QVERIFY(rotto.open(QIODevice::WriteOnly));
        rotto.write("RIFF\x24\x00\x00\x00WAVEfmt ");
        rotto.close();
        QTest::newRow("missing sound") << cartella.filePath("mancante.wav") << false << true;
        QTest::newRow("damaged sound") << rotto.fileName() << false << true;
        QTest::newRow("missing voice") << cartella.filePath("voce_mancante.wav") << true << false;
        QTest::newRow("damaged voice") << rotto.fileName() << true << false;
    }
    void suonoMancante_suonaIlPredefinito_vocePerdutaTace()
    {
        QFETCH(QString, file);
        QFETCH(bool, voce);
        QFETCH(bool, udibile);
        const Ascolto a = Registra(server, 800, [&] {
            voce ? canale->playVoice(file) : canale->playSound(file);
        });
        QVERIFY2(a.byte > 4410, "nothing was recorded");
        if (udibile) {
            QVERIFY2(a.picco > 3000, qPrintable(QString("peak %1: silence").arg(a.picco)));
            QVERIFY2(a.secondiUdibili < 0.5, qPrintable(QString("default sound %1 s long").arg(a.secondiUdibili)));
        } else {
            QVERIFY2(a.picco < 100, qPrintable(QString("peak %1: something played").arg(a.picco)));
        }
    }

    // A voice plays on the same channel: a new sound cuts it off.
    void nuovoSuono_interrompeLaVoce()
    {
        const QString lunga = cartella.filePath("lunga.wav");
        QVERIFY(ScriviTono(lunga, SF_FORMAT_PCM_16, 1, 22050, 3.0));
        const QString breve = cartella.filePath("breve.wav");
        QVERIFY(ScriviTono(breve, SF_FORMAT_PCM_16, 1, 22050, 0.3));
        const Ascolto a = Registra(server, 1000, [&] {
            CanaleAudio canale;
            canale.playVoice(lunga);
            QTest::qWait(400);
            canale.playSound(breve);
            QTest::qWait(800);
        });
        QVERIFY2(a.secondiUdibili > 0.5 && a.secondiUdibili < 1.4,
                 qPrintable(QString("heard for %1 s").arg(a.secondiUdibili)));
    }
};

TESSELO_TEST_MAIN(ProvaAudio)
#include "tst_audio.moc"
