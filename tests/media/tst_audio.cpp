#include "app/CanaleAudio.h"
#include "tests/support/CatturaStderr.h"
#include "tests/support/MainProva.h"
#include "tests/support/ServerAudio.h"
#include "tests/support/Tono.h"
#include "tests/support/WavDaFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <sndfile.h>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int FrequenzaRegistrazione = 22050;

// What the null sink played, read from the samples its monitor recorded (so
// by the sound server's clock, whatever the load on this machine): the
// peak; how long the part louder than a faint hiss lasted, from its first
// loud sample to its last; how long the loud parts themselves lasted, the
// silences between them left out (a sound server that ran short of samples
// on a busy machine plays silence until they come, and then plays them all);
// the longest silence between two loud parts and the silence after the last.
struct Ascolto {
    int picco = 0;
    double secondiUdibili = 0;
    double secondiSuonati = 0;
    double pausaPiuLunga = 0;
    double silenzioFinale = 0;
    double secondiRegistrati = 0;
    qsizetype byte = 0;
};

Ascolto Analizza(const QByteArray& grezzo)
{
    // Within one sound, loud samples come at least once every 5 ms (the
    // tones are 110 Hz or higher); a longer silence splits two loud parts.
    constexpr qsizetype Pausa = FrequenzaRegistrazione / 200;
    Ascolto a;
    a.byte = grezzo.size();
    const qsizetype campioni = grezzo.size() / 2;
    qsizetype primo = -1, ultimo = -1, inizioParte = -1;
    for (qsizetype i = 0; i < campioni; ++i) {
        const int v = std::abs(int(qFromLittleEndian<qint16>(grezzo.constData() + 2 * i)));
        a.picco = std::max(a.picco, v);
        if (v <= 1000)
            continue;
        if (primo < 0) {
            primo = inizioParte = i;
        } else if (i - ultimo > Pausa) {
            a.secondiSuonati += double(ultimo - inizioParte + 1) / FrequenzaRegistrazione;
            a.pausaPiuLunga = std::max(a.pausaPiuLunga, double(i - ultimo) / FrequenzaRegistrazione);
            inizioParte = i;
        }
        ultimo = i;
    }
    if (primo >= 0) {
        a.secondiUdibili = double(ultimo - primo + 1) / FrequenzaRegistrazione;
        a.secondiSuonati += double(ultimo - inizioParte + 1) / FrequenzaRegistrazione;
    }
    a.silenzioFinale = double(campioni - 1 - ultimo) / FrequenzaRegistrazione;
    a.secondiRegistrati = double(campioni) / FrequenzaRegistrazione;
    return a;
}

// Records the private server's null sink from construction to destruction.
class Registrazione {
public:
    explicit Registrazione(const ServerAudio& server)
    {
        registratore.setProcessEnvironment(server.ambiente());
        registratore.start(QStandardPaths::findExecutable("parec"),
                           {"-d", "prova.monitor", "--raw", "--format=s16le",
                            QStringLiteral("--rate=%1").arg(FrequenzaRegistrazione), "--channels=1",
                            "--latency-msec=20", file()});
        registratore.waitForStarted();
        // The recorder has connected once silence starts arriving in its file.
        attendi([](const Ascolto& finora) { return finora.byte > 0; });
    }
    ~Registrazione()
    {
        registratore.terminate();
        registratore.waitForFinished(3000);
    }

    Ascolto ascolto() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? Analizza(f.readAll()) : Ascolto{};
    }

    // Goes on recording, with the event loop running, until fine holds for
    // what was recorded, or for 30 s at most: the test then fails on what
    // it heard. Returns what was recorded.
    template <typename F>
    Ascolto attendi(F&& fine) const
    {
        QElapsedTimer limite;
        limite.start();
        Ascolto a = ascolto();
        while (!fine(a) && limite.elapsed() < 30000 && registratore.state() == QProcess::Running) {
            QTest::qWait(20);
            a = ascolto();
        }
        return a;
    }

    // Until a sound of at least secondi seconds has played and 0.3 s of
    // silence have followed it.
    Ascolto finoAllaFine(double secondi) const
    {
        return attendi([=](const Ascolto& finora) {
            return finora.secondiSuonati >= secondi && finora.silenzioFinale >= 0.3;
        });
    }

    // Until secondi more seconds have been recorded.
    Ascolto perAltri(double secondi) const
    {
        const double da = ascolto().secondiRegistrati;
        return attendi([=](const Ascolto& finora) { return finora.secondiRegistrati >= da + secondi; });
    }

private:
    QString file() const { return casa.filePath("registrazione.raw"); }
    QTemporaryDir casa;
    QProcess registratore;
};

bool Sox(const QStringList& argomenti)
{
    QProcess sox;
    sox.start(QStandardPaths::findExecutable("sox"), argomenti);
    return sox.waitForFinished(60000) && sox.exitStatus() == QProcess::NormalExit && sox.exitCode() == 0;
}

// What a decoded tone is: its length, its pitch (from the first channel's
// swings past a tenth of full scale either way, so that coding noise near
// zero does not count) and its RMS level as a fraction of full scale.
struct Tono {
    double secondi = 0, hertz = 0, efficace = 0;
};

Tono AnalizzaTono(const SuonoPcm& suono)
{
    const auto* c = reinterpret_cast<const qint16*>(suono.campioni.constData());
    const qsizetype fotogrammi = suono.campioni.size() / (2 * suono.canali);
    int attraversamenti = 0, segno = 0;
    qsizetype primo = 0, ultimo = 0;
    double somma = 0;
    for (qsizetype f = 0; f < fotogrammi; ++f) {
        const double v = c[f * suono.canali] / 32767.0;
        somma += v * v;
        const int ora = v > 0.1 ? 1 : v < -0.1 ? -1 : segno;
        if (segno != 0 && ora != segno) {
            primo = attraversamenti++ == 0 ? f : primo;
            ultimo = f;
        }
        segno = ora;
    }
    Tono t;
    t.secondi = double(fotogrammi) / suono.frequenza;
    t.hertz = ultimo > primo ? (attraversamenti - 1) / 2.0 * suono.frequenza / double(ultimo - primo) : 0;
    t.efficace = std::sqrt(somma / std::max<qsizetype>(1, fotogrammi));
    return t;
}

void Modifica(const QString& percorso, qint64 dove, const QByteArray& byte)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadWrite) || !f.seek(dove) || f.write(byte) != byte.size())
        qFatal("cannot rewrite %s", qPrintable(percorso));
}

QByteArray Le16(quint16 v)
{
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray Le32(quint32 v)
{
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}

// A 96 kHz stereo 64-bit float WAV that declares secondi seconds of
// silence, made from a short one by sox by growing its data chunk in
// place: a sparse file, as large as the recording but with nothing written.
bool RegistrazioneVuota(const QString& percorso, int secondi)
{
    if (!Sox({"-n", "-r", "96000", "-c", "2", "-e", "floating-point", "-b", "64", percorso, "trim", "0", "0"}))
        return false;
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray testa = f.readAll();
    f.close();
    const qsizetype fatto = testa.indexOf("fact"), dati = testa.indexOf("data");
    if (fatto < 0 || dati < 0)
        return false;
    const quint32 fotogrammi = quint32(secondi) * 96000;
    const quint32 byte = fotogrammi * 16;
    Modifica(percorso, 4, Le32(quint32(dati + 8 + byte - 8)));
    Modifica(percorso, fatto + 8, Le32(fotogrammi));
    Modifica(percorso, dati + 4, Le32(byte));
    return QFile::resize(percorso, dati + 8 + byte);
}

long PiccoMemoriaKiB()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
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

    // Played for as long as the file lasts: the samples the server played,
    // counted, not the time it took, which a busy machine stretches.
    void SuonaPerTuttaLaDurata(const QString& percorso, double durata)
    {
        constexpr double Tolleranza = 0.12;
        Registrazione r(server);
        canale->playSound(percorso);
        const Ascolto a = r.finoAllaFine(durata - Tolleranza / 2);
        QVERIFY2(a.picco > 8000, qPrintable(QString("peak %1: silence or too faint").arg(a.picco)));
        QVERIFY2(std::abs(a.secondiSuonati - durata) < Tolleranza,
                 qPrintable(QString("heard for %1 s of %2 s").arg(a.secondiSuonati).arg(durata)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable("parec").isEmpty(), "parec (pulseaudio-utils) is missing");
        QVERIFY2(server.avvia(), "no private PulseAudio server can start here (pulseaudio is missing?)");
        QVERIFY2(!QStandardPaths::findExecutable("sox").isEmpty(), "sox is missing");
        QVERIFY(cartella.isValid());
        canale = std::make_unique<CanaleAudio>();
    }
    void cleanupTestCase() { canale.reset(); }

    void suonoEsatto_arrivaAlServerAudio()
    {
        CanaleAudio canale;
        Registrazione r(server);
        canale.playSound(TESSELO_APP_DIR "/suoni/si1.wav");
        const Ascolto a = r.attendi([](const Ascolto& finora) { return finora.secondiSuonati >= 0.1; });
        QVERIFY2(a.byte > 4410, "nothing was recorded");
        QVERIFY2(a.picco > 1000, qPrintable(QString("peak %1: silence").arg(a.picco)));
    }

    // Every WAV encoding a recorder or editor writes, mono and stereo, at
    // common rates, with the plain format tag or as WAVE_FORMAT_EXTENSIBLE:
    // heard, and for about as long as the file lasts.
    void ogniCodifica_suonaPerTuttaLaDurata_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<int>("canali");
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
                    << c.formato << canali << c.frequenza;
        const struct {
            const char* nome;
            int formato, frequenza;
        } estese[] = {
            {"PCM 24 bit", SF_FORMAT_PCM_24, 96000}, {"float 32", SF_FORMAT_FLOAT, 48000},
            {"mu-law", SF_FORMAT_ULAW, 8000},        {"A-law", SF_FORMAT_ALAW, 16000},
        };
        for (const auto& c : estese)
            QTest::addRow("extensible %s stereo", c.nome) << (SF_FORMAT_WAVEX | c.formato) << 2 << c.frequenza;
    }
    void ogniCodifica_suonaPerTuttaLaDurata()
    {
        QFETCH(int, formato);
        QFETCH(int, canali);
        QFETCH(int, frequenza);
        const QString percorso = cartella.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".wav");
        constexpr double Durata = 0.6;
        QVERIFY(ScriviTono(percorso, formato, canali, frequenza, Durata));
        SuonaPerTuttaLaDurata(percorso, Durata);
    }

    // A short sound plays whole even when the program is left unscheduled
    // just after it started (a busy machine): the sound server already
    // holds every sample, so none is late and none is lost. The samples
    // recorded are counted, so the check holds at any load.
    void suonoBreve_programmaFermo_suonaTutto()
    {
        const QString percorso = cartella.filePath("breve e fermo.wav");
        constexpr double Durata = 0.6;
        QVERIFY(ScriviTono(percorso, SF_FORMAT_PCM_16, 1, 22050, Durata));
        Registrazione r(server);
        canale->playSound(percorso);
        r.attendi([](const Ascolto& finora) { return finora.secondiSuonati > 0; });
        QThread::msleep(1000);
        const Ascolto a = r.finoAllaFine(Durata - 0.03);
        QVERIFY2(std::abs(a.secondiSuonati - Durata) < 0.03,
                 qPrintable(QString("heard for %1 s of %2 s").arg(a.secondiSuonati).arg(Durata)));
    }

    // What a teacher's recorder writes, made by sox itself: every encoding at
    // 8 to 32 bits, float, µ-law, A-law and ADPCM, in one, two and four
    // channels (sox writes 24- and 32-bit and multichannel files as
    // WAVE_FORMAT_EXTENSIBLE), at rates from 8000 to 96000 Hz. Each decodes
    // to the tone sox made, four channels mixed down to one; ADPCM in four
    // channels, which libsndfile does not decode, is refused and named so.
    void wavDiSox_decodificaIlTono_data()
    {
        QTest::addColumn<QStringList>("codifica");
        QTest::addColumn<int>("canali");
        QTest::addColumn<int>("frequenza");
        QTest::addColumn<QString>("motivo");
        const std::pair<const char*, QStringList> codifiche[] = {
            {"8-bit", {"-e", "unsigned-integer", "-b", "8"}},
            {"16-bit", {"-e", "signed-integer", "-b", "16"}},
            {"24-bit", {"-e", "signed-integer", "-b", "24"}},
            {"32-bit", {"-e", "signed-integer", "-b", "32"}},
            {"float 32", {"-e", "floating-point", "-b", "32"}},
            {"float 64", {"-e", "floating-point", "-b", "64"}},
            {"mu-law", {"-e", "mu-law"}},
            {"A-law", {"-e", "a-law"}},
            {"IMA ADPCM", {"-e", "ima-adpcm"}},
            {"MS ADPCM", {"-e", "ms-adpcm"}},
        };
        const int frequenze[] = {8000, 11025, 16000, 22050, 32000, 44100, 48000, 88200, 96000};
        int riga = 0;
        for (const auto& [nome, argomenti] : codifiche)
            for (int canali : {1, 2, 4}) {
                const bool adpcm = argomenti.contains("ima-adpcm") || argomenti.contains("ms-adpcm");
                const QString motivo = adpcm && canali > 2
                    ? QStringLiteral("WAV in formato %1 a 4 canali non supportato").arg(QLatin1String(nome))
                    : QString();
                const int frequenza = frequenze[riga++ % std::size(frequenze)];
                QTest::addRow("%s, %d channels, %d Hz", nome, canali, frequenza)
                    << argomenti << canali << frequenza << motivo;
            }
    }
    void wavDiSox_decodificaIlTono()
    {
        QFETCH(QStringList, codifica);
        QFETCH(int, canali);
        QFETCH(int, frequenza);
        QFETCH(QString, motivo);
        const QString percorso = cartella.filePath(QStringLiteral("sox %1.wav").arg(QTest::currentDataTag()));
        QVERIFY(Sox(QStringList{"-n", "-r", QString::number(frequenza), "-c", QString::number(canali)} + codifica
                    + QStringList{percorso, "synth", "0.5", "sine", "440", "vol", "0.5"}));
        const AperturaWav a = ApriWav(percorso);
        QCOMPARE(a.motivo, motivo);
        if (!motivo.isEmpty())
            return;
        QVERIFY(a.lettore);
        const auto suono = DecodificaTutto(*a.lettore);
        QVERIFY(suono);
        QCOMPARE(suono->canali, canali == 2 ? 2 : 1);
        QCOMPARE(suono->frequenza, frequenza);
        const Tono t = AnalizzaTono(*suono);
        // ADPCM fills its last block: up to 505 frames more.
        QVERIFY2(t.secondi > 0.49 && t.secondi < 0.5 + 505.0 / frequenza, qPrintable(QString("%1 s").arg(t.secondi)));
        QVERIFY2(std::abs(t.hertz - 440) < 15, qPrintable(QString("%1 Hz").arg(t.hertz)));
        QVERIFY2(t.efficace > 0.3 && t.efficace < 0.4, qPrintable(QString("RMS %1").arg(t.efficace)));
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
        Registrazione r(server);
        voce ? canale->playVoice(file) : canale->playSound(file);
        // Nothing tells that nothing plays: 0.8 s of the server's output.
        const Ascolto a = udibile ? r.finoAllaFine(0.05) : r.perAltri(0.8);
        QVERIFY2(a.byte > 4410, "nothing was recorded");
        if (udibile) {
            QVERIFY2(a.picco > 3000, qPrintable(QString("peak %1: silence").arg(a.picco)));
            QVERIFY2(a.secondiSuonati < 0.5, qPrintable(QString("default sound %1 s long").arg(a.secondiSuonati)));
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
        CanaleAudio canale;
        Registrazione r(server);
        canale.playVoice(lunga);
        r.attendi([](const Ascolto& finora) { return finora.secondiSuonati >= 0.2; });
        canale.playSound(breve);
        // The voice's part and most of the short sound; three seconds more
        // were the voice not cut off.
        const Ascolto a = r.finoAllaFine(0.45);
        QVERIFY2(a.secondiSuonati >= 0.45 && a.secondiSuonati < 2.5,
                 qPrintable(QString("heard for %1 s").arg(a.secondiSuonati)));
    }

    // A long float recording (a minute at 96 kHz, stereo, 64-bit float)
    // played as the answer sound while the child keeps clicking: every click
    // starts it again at once, the interface thread never waits for its
    // decoding, it is heard without a break for as long as it plays (well
    // past what is decoded ahead), and memory grows by nothing like its size.
    void registrazioneLunga_iClicNonAspettano()
    {
        const QString lunga = cartella.filePath("lunga.wav");
        QVERIFY(Sox({"-n", "-r", "96000", "-c", "2", "-e", "floating-point", "-b", "64", lunga, "synth", "60",
                     "sine", "440", "vol", "0.5"}));
        const long memoriaPrima = PiccoMemoriaKiB();
        std::vector<qint64> clic;
        CanaleAudio canale;
        // The channel has played before, as in a game, so that the clicks
        // time the long sound alone, not the sound module's first load.
        canale.playSound(TESSELO_APP_DIR "/suoni/no.wav");
        Registrazione r(server);
        for (int i = 0; i < 12; ++i) {
            QElapsedTimer t;
            t.start();
            canale.playSound(lunga);
            clic.push_back(t.elapsed());
            QTest::qWait(100);
        }
        const Ascolto a = r.attendi([](const Ascolto& finora) {
            return finora.secondiUdibili > 3.8 || finora.pausaPiuLunga >= 0.25;
        });
        const long crescita = (PiccoMemoriaKiB() - memoriaPrima) / 1024;
        // A click that waits for the decoding waits on every click; one that
        // a busy machine left unscheduled is slow alone: the median click
        // tells the first from the second.
        std::sort(clic.begin(), clic.end());
        const qint64 clicMediano = clic[clic.size() / 2];
        qInfo("median click %lld ms, slowest %lld ms; peak memory grew by %ld MiB", clicMediano, clic.back(),
              crescita);
        QVERIFY2(clicMediano < 60, qPrintable(QString("a click took %1 ms").arg(clicMediano)));
        QVERIFY2(a.secondiUdibili > 3.8, qPrintable(QString("heard for %1 s").arg(a.secondiUdibili)));
        QVERIFY2(a.pausaPiuLunga < 0.25, qPrintable(QString("a silence of %1 s").arg(a.pausaPiuLunga)));
        QVERIFY2(crescita < 40, qPrintable(QString("peak memory grew by %1 MiB").arg(crescita)));
    }

    // A long recording cut short while it plays (a copy over it, a disk
    // taken away) stops where its samples end, and is named once, as
    // damaged, from the interface thread.
    void registrazioneTroncataMentreSuona_siFermaEDiceIlMotivo()
    {
        const QString lunga = cartella.filePath("troncata mentre suona.wav");
        QVERIFY(Sox({"-n", "-r", "48000", "-c", "2", "-b", "16", lunga, "synth", "20", "sine", "440", "vol", "0.5"}));
        QString errori;
        Ascolto a;
        {
            CatturaStderr cattura;
            CanaleAudio canale;
            Registrazione r(server);
            canale.playVoice(lunga);
            QTest::qWait(200);
            // Two seconds of the twenty are left.
            QVERIFY(QFile::resize(lunga, QFileInfo(lunga).size() / 10));
            a = r.attendi([](const Ascolto& finora) {
                return finora.secondiSuonati > 1.5 && finora.silenzioFinale >= 0.5;
            });
            errori = cattura.testo();
        }
        QVERIFY2(a.secondiSuonati > 1.5 && a.secondiSuonati < 2.6,
                 qPrintable(QString("heard for %1 s").arg(a.secondiSuonati)));
        QCOMPARE(errori.count(QStringLiteral("tesselo: %1: suono danneggiato\n").arg(QDir::toNativeSeparators(lunga))), 1);
    }

    // A file that cannot be played is named once, with why (missing, empty
    // or cut short files are named in tst_media_rotti): no samples, another
    // kind of file (named when known), a WAV of an encoding or a rate the game
    // cannot play, or longer than ten minutes. Ten minutes
    // at 96 kHz in stereo 64-bit float, the largest recording promised, are
    // taken.
    void fileNonSuonabile_avvisoDiceIlMotivo_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("motivo");
        const auto file = [this](const char* nome) { return cartella.filePath(QStringLiteral("motivo %1").arg(nome)); };
        const auto tono = [&](const char* nome, const QStringList& argomenti) {
            const QString f = file(nome);
            if (!Sox(QStringList{"-n"} + argomenti + QStringList{f, "synth", "1", "sine", "440"}))
                qFatal("sox cannot write %s", nome);
            return f;
        };

        QVERIFY(Sox({"-n", "-r", "8000", "-b", "16", file("senza campioni.wav"), "trim", "0", "0"}));
        QTest::newRow("no samples") << file("senza campioni.wav") << "suono vuoto";

        const QString wma = tono("wma.wav", {"-r", "8000", "-b", "16"});
        Modifica(wma, 20, Le16(0x0161));
        QTest::newRow("WMA inside a WAV") << wma << "WAV in formato WMA non supportato";
        const QString ignoto = tono("ignoto.wav", {"-r", "8000", "-b", "16"});
        Modifica(ignoto, 20, Le16(0x1234));
        QTest::newRow("unknown encoding") << ignoto << "WAV in un formato sconosciuto (0x1234) non supportato";
        const QString esteso = tono("esteso.wav", {"-r", "8000", "-b", "24"});
        Modifica(esteso, 44, Le16(0x0011));
        QTest::newRow("extensible IMA ADPCM") << esteso << "WAV esteso in formato IMA ADPCM non supportato";
        const QString lento = tono("500 Hz.wav", {"-r", "8000", "-b", "16"});
        Modifica(lento, 24, Le32(500) + Le32(1000));
        QTest::newRow("500 Hz") << lento << "WAV a 500 Hz non supportato";

        for (const char* tipo : {"flac", "ogg", "aiff"}) {
            const QString f = tono(tipo, {"-r", "44100", "-t", tipo});
            QVERIFY(QFile::rename(f, f + ".wav"));
            QTest::addRow("%s renamed", tipo) << f + ".wav"
                                             << QStringLiteral("è un file %1, non un file WAV").arg(QString::fromLatin1(tipo).toUpper());
        }
        QVERIFY(ScriviTono(file("mp3.wav"), SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 1, 44100, 0.5));
        QTest::newRow("MP3 renamed") << file("mp3.wav") << "è un file MP3, non un file WAV";
        QFile testo(file("testo.wav"));
        QVERIFY(testo.open(QIODevice::WriteOnly));
        testo.write("Registrazione della classe, 3 marzo\n");
        testo.close();
        QTest::newRow("text") << testo.fileName() << "non è un file WAV";

        QVERIFY(RegistrazioneVuota(file("dieci minuti.wav"), DurataMassimaSuono));
        QTest::newRow("10 minutes, 96 kHz stereo float 64") << file("dieci minuti.wav") << QString();
        QVERIFY(RegistrazioneVuota(file("dieci minuti e due secondi.wav"), DurataMassimaSuono + 2));
        QTest::newRow("10 minutes 2 seconds, 96 kHz stereo float 64")
            << file("dieci minuti e due secondi.wav") << "registrazione più lunga di 10 minuti";
    }
    void fileNonSuonabile_avvisoDiceIlMotivo()
    {
        QFETCH(QString, file);
        QFETCH(QString, motivo);
        QString errori;
        {
            CatturaStderr cattura;
            canale->playVoice(file);
            errori = cattura.testo();
        }
        QStringList avvisi;
        for (const QString& riga : errori.split('\n'))
            if (riga.startsWith(QLatin1String("tesselo: ")))
                avvisi << riga;
        QCOMPARE(avvisi, motivo.isEmpty() ? QStringList()
                                          : QStringList{QStringLiteral("tesselo: %1: %2").arg(QDir::toNativeSeparators(file), motivo)});
    }
};

TESSELO_TEST_MAIN(ProvaAudio)
#include "tst_audio.moc"
