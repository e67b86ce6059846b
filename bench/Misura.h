#pragma once
#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

// Milliseconds since the moment the runner took just before starting this
// process (BENCH_T0, CLOCK_MONOTONIC nanoseconds), so that the figure covers
// the whole start: loading libraries, Qt's start-up and the first paint.
inline double MillisecondiDallAvvio()
{
    timespec ora{};
    clock_gettime(CLOCK_MONOTONIC, &ora);
    const double adesso = ora.tv_sec * 1e3 + ora.tv_nsec / 1e6;
    return adesso - qEnvironmentVariable("BENCH_T0").toDouble() / 1e6;
}

// Peak resident memory of this process, in KiB.
inline long PiccoMemoriaKiB()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

inline void Riporta(double millisecondi)
{
    std::printf("%.2f %ld\n", millisecondi, PiccoMemoriaKiB());
    std::fflush(stdout);
}

// Installed on the application: at the first paint of a window that fills
// the screen (as the start screen does once shown; a paint at any size it had
// for a moment before does not count) it reports the time since process start
// and the peak memory (see BENCH_PICCO_MS), then ends the program.
class PrimoDisegno final : public QObject {
protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint && !fatto && oggetto->isWidgetType()
            && RiempieLoSchermo(static_cast<QWidget*>(oggetto)->window())) {
            fatto = true;
            // Timed once this paint pass is over; the peak memory is taken
            // BENCH_PICCO_MS later (0 by default), so that it covers what the
            // program does while the child looks at its first screen.
            QTimer::singleShot(0, [] {
                const double ms = MillisecondiDallAvvio();
                QTimer::singleShot(qEnvironmentVariableIntValue("BENCH_PICCO_MS"), [ms] {
                    Riporta(ms);
                    QCoreApplication::exit(0);
                });
            });
        }
        return QObject::eventFilter(oggetto, evento);
    }

private:
    static bool RiempieLoSchermo(const QWidget* finestra)
    {
        const QScreen* schermo = finestra->screen();
        return schermo && finestra->frameGeometry().size() == schermo->geometry().size();
    }

    bool fatto = false;
};
