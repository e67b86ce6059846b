#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>

// tesselo-registro (TESSELO_REGISTRO, the suite's build of it) run as the
// real program from a script: no display at all, so that a window would
// abort it, and the variables given (XDG_DATA_HOME, XDG_CONFIG_HOME...) over
// this process's environment. A program that does not end normally within
// a minute stops the test.
struct EsecuzioneRegistro {
    int uscita;
    QString out, err;
};
inline EsecuzioneRegistro EseguiRegistro(const QStringList& argomenti, const QProcessEnvironment& variabili)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(variabili);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TESSELO_REGISTRO), argomenti);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        qFatal("tesselo-registro did not end normally: %s", p.readAllStandardError().constData());
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
