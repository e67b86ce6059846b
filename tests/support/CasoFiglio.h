#pragma once
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// The case being run, run once more in a process of its own: this very
// suite, with the environment given, running only this case's function and
// data row. For what a process cannot undo once done, or reads only when it
// starts (a dropped right, a scale factor, glibc's tunables).
struct CasoFiglio {
    QString uscita;        // what it printed, its standard error included
    bool passato = false;  // it ended by itself, with the case passed
    bool saltato = false;  // the case skipped itself there

    CasoFiglio(const QProcessEnvironment& ambiente, int attesaMs)
    {
        const QString funzione = QString::fromLatin1(QTest::currentTestFunction());
        QString caso = funzione;
        if (const char* riga = QTest::currentDataTag())
            caso += ':' + QString::fromUtf8(riga);
        QProcess figlio;
        figlio.setProcessEnvironment(ambiente);
        figlio.setProcessChannelMode(QProcess::MergedChannels);
        figlio.start(QCoreApplication::applicationFilePath(), {caso});
        const bool finito = figlio.waitForFinished(attesaMs);
        if (!finito) {
            figlio.kill();
            figlio.waitForFinished();
        }
        uscita = QString::fromLocal8Bit(figlio.readAll());
        if (!finito)
            uscita += QStringLiteral("\n(killed after %1 s)").arg(attesaMs / 1000);
        saltato = uscita.contains(QLatin1String("SKIP   :"));
        const QRegularExpression passata(QStringLiteral("^PASS   : \\w+::%1\\(").arg(funzione),
                                         QRegularExpression::MultilineOption);
        passato = finito && figlio.exitStatus() == QProcess::NormalExit && figlio.exitCode() == 0
            && uscita.contains(passata);
    }
};
