#include "app/CanaleAudio.h"
#include "tests/support/MainProva.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

// Proves that a right-answer sound really reaches an audio server: a private
// PulseAudio server with a null sink, the program's own sound channel playing
// into it, and the sink's monitor recorded and found not silent.
class ProvaAudio : public QObject {
    Q_OBJECT
private slots:
    void suonoEsatto_arrivaAlServerAudio()
    {
        const QString pulseaudio = QStandardPaths::findExecutable("pulseaudio");
        const QString parec = QStandardPaths::findExecutable("parec");
        if (pulseaudio.isEmpty() || parec.isEmpty())
            QSKIP("pulseaudio or parec is not installed");

        QTemporaryDir casa;
        const QString presa = casa.filePath("pulse.sock");
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("HOME", casa.path());
        ambiente.insert("XDG_RUNTIME_DIR", casa.path());
        ambiente.insert("XDG_CONFIG_HOME", casa.path());
        ambiente.insert("PULSE_SERVER", "unix:" + presa);

        QProcess server;
        server.setProcessEnvironment(ambiente);
        server.start(pulseaudio, {"--daemonize=no", "-n", "--use-pid-file=no", "--exit-idle-time=-1",
                                  "--load=module-null-sink sink_name=prova",
                                  "--load=module-native-protocol-unix auth-anonymous=1 socket=" + presa});
        QElapsedTimer attesa;
        attesa.start();
        while (!QFile::exists(presa) && attesa.elapsed() < 5000 && server.state() != QProcess::NotRunning)
            QTest::qWait(50);
        if (!QFile::exists(presa))
            QSKIP("a private PulseAudio server could not start here");

        QProcess registratore;
        registratore.setProcessEnvironment(ambiente);
        registratore.start(parec, {"-d", "prova.monitor", "--raw", "--format=s16le", "--rate=22050",
                                   "--channels=1", "--latency-msec=20", casa.filePath("registrazione.raw")});
        QVERIFY(registratore.waitForStarted());
        // The recorder has connected once silence starts arriving in its file.
        const QFileInfo registrazione(casa.filePath("registrazione.raw"));
        attesa.restart();
        while (QFileInfo(registrazione.filePath()).size() == 0 && attesa.elapsed() < 5000)
            QTest::qWait(50);

        qputenv("PULSE_SERVER", ("unix:" + presa).toUtf8());
        {
            CanaleAudio canale;
            canale.playSound(TESSELO_APP_DIR "/suoni/si1.wav");
            QTest::qWait(1500);
        }
        registratore.terminate();
        registratore.waitForFinished(3000);
        server.terminate();
        server.waitForFinished(3000);

        QFile file(casa.filePath("registrazione.raw"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray grezzo = file.readAll();
        int picco = 0;
        for (qsizetype i = 0; i + 1 < grezzo.size(); i += 2)
            picco = std::max(picco, std::abs(int(qFromLittleEndian<qint16>(grezzo.constData() + i))));
        QVERIFY2(grezzo.size() > 4410, "nothing was recorded");
        QVERIFY2(picco > 1000, qPrintable(QString("peak %1: silence").arg(picco)));
    }
};

TESSELO_TEST_MAIN(ProvaAudio)
#include "tst_audio.moc"
