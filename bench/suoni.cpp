// One sound file played as an answer sound again and again, the way a child
// clicks: how long each playSound keeps the interface thread, and the peak
// resident memory of the whole run. The sound goes to a null sink of a
// private PulseAudio server started here, so nothing is heard.
//
//   bench_suoni <file.wav> [clicks] [milliseconds between clicks]
//
// Prints: clicks, median and slowest ms by the clock, the same by the
// interface thread's own CPU time (steadier on a busy machine), and the peak
// resident KiB.
#include "app/CanaleAudio.h"
#include "tests/support/ServerAudio.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace {

double CpuDelThreadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_suoni <file.wav> [clicks] [ms between clicks]\n");
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    const int clic = argc > 2 ? std::max(1, atoi(argv[2])) : 10;
    const int pausa = argc > 3 ? std::max(0, atoi(argv[3])) : 300;
    ServerAudio server;
    if (!server.avvia()) {
        std::fprintf(stderr, "no private PulseAudio server can start here\n");
        return 1;
    }
    std::vector<double> tempi, cpu;
    {
        CanaleAudio canale;
        // The module and the audio connection are loaded by the first sound.
        canale.playSound(QStringLiteral(TESSELO_APP_DIR "/suoni/si1.wav"));
        QTest::qWait(300);
        for (int i = 0; i < clic; ++i) {
            QElapsedTimer t;
            const double inizioCpu = CpuDelThreadMs();
            t.start();
            canale.playSound(file);
            tempi.push_back(double(t.nsecsElapsed()) / 1e6);
            cpu.push_back(CpuDelThreadMs() - inizioCpu);
            QTest::qWait(pausa);
        }
    }
    std::sort(tempi.begin(), tempi.end());
    std::sort(cpu.begin(), cpu.end());
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    std::printf("%d clicks: median %.2f ms, slowest %.2f ms; CPU median %.2f ms, slowest %.2f ms; "
                "peak resident %ld KiB\n",
                clic, tempi[tempi.size() / 2], tempi.back(), cpu[cpu.size() / 2], cpu.back(), uso.ru_maxrss);
    return 0;
}
