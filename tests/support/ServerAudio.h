#pragma once
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// A private PulseAudio server with a null sink, so that the sounds that pass
// the checks really reach an audio output; nothing when none can start here.
class ServerAudio {
public:
    bool avvia()
    {
        const QString programma = QStandardPaths::findExecutable("pulseaudio");
        if (programma.isEmpty() || !casa.isValid())
            return false;
        const QString presa = casa.filePath("pulse.sock");
        QProcessEnvironment variabili = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
            variabili.insert(v, casa.path());
        server.setProcessEnvironment(variabili);
        server.start(programma, {"--daemonize=no", "-n", "--use-pid-file=no", "--exit-idle-time=-1",
                                 "--load=module-null-sink sink_name=prova",
                                 "--load=module-native-protocol-unix auth-anonymous=1 socket=" + presa});
        QElapsedTimer attesa;
        attesa.start();
        while (!QFile::exists(presa) && attesa.elapsed() < 5000 && server.state() != QProcess::NotRunning)
            QTest::qWait(50);
        if (!QFile::exists(presa))
            return false;
        qputenv("PULSE_SERVER", ("unix:" + presa).toUtf8());
        return true;
    }
    ~ServerAudio()
    {
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            server.waitForFinished(3000);
        }
    }

    // The environment that reaches this server (for recorders and clients).
    QProcessEnvironment ambiente() const
    {
        QProcessEnvironment a = server.processEnvironment();
        a.insert("PULSE_SERVER", "unix:" + casa.filePath("pulse.sock"));
        return a;
    }

private:
    QTemporaryDir casa;
    QProcess server;
};
