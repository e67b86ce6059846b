#include "app/CanaleAudio.h"
#include "tests/support/MainProva.h"
#include "tests/support/ServerAudio.h"

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
        const QString parec = QStandardPaths::findExecutable("parec");
        ServerAudio server;
        if (parec.isEmpty() || !server.avvia())
            QSKIP("no private PulseAudio server (or no parec) can start here");
        QTemporaryDir casa;

        QProcess registratore;
        registratore.setProcessEnvironment(server.ambiente());
        registratore.start(parec, {"-d", "prova.monitor", "--raw", "--format=s16le", "--rate=22050",
                                   "--channels=1", "--latency-msec=20", casa.filePath("registrazione.raw")});
        QVERIFY(registratore.waitForStarted());
        // The recorder has connected once silence starts arriving in its file.
        const QFileInfo registrazione(casa.filePath("registrazione.raw"));
        QElapsedTimer attesa;
        attesa.start();
        while (QFileInfo(registrazione.filePath()).size() == 0 && attesa.elapsed() < 5000)
            QTest::qWait(50);

        {
            CanaleAudio canale;
            canale.playSound(TESSELO_APP_DIR "/suoni/si1.wav");
            QTest::qWait(1500);
        }
        registratore.terminate();
        registratore.waitForFinished(3000);

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
