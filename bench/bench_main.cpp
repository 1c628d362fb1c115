// Prints the figures the program is held to: the wall time of a pass of the
// counted wait, the CPU used while waiting, how long a click waits to be
// handled during a wait, the time from process start to the main window,
// and peak memory. Run: tidewell-bench
#include "app/window_registry.h"
#include "link/engine_screen.h"
#include "program.h"
#include "ui/controls.h"
#include "ui/pump.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QWindow>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakMemoryKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Child mode: start the program and report as soon as the main window is shown.
int startupChild(int argc, char *argv[]) {
    QApplication app(argc, argv);
    startProgram();
    QWidget *main = WindowRegistry::instance().find(QStringLiteral("Form3"));
    while (!main || !main->windowHandle() || !main->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::printf("shown\n");
    std::fflush(stdout);
    return 0;
}

double startupMilliseconds(const QString &self, int runs) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(self, {QStringLiteral("--startup-child")});
        while (!child.canReadLine() && child.state() != QProcess::NotRunning)
            child.waitForReadyRead(1000);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        child.waitForFinished(5000);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc > 1 && QByteArray(argv[1]) == "--startup-child")
        return startupChild(argc, argv);

    QApplication app(argc, argv);
    const double startup = startupMilliseconds(QCoreApplication::applicationFilePath(), 5);

    startProgram();
    auto *screen = qobject_cast<unitlink::EngineScreen *>(
        WindowRegistry::instance().open(QStringLiteral("Form46")));
    QCoreApplication::processEvents();

    constexpr int kLimit = 200000;
    const auto timedWait = [&](double &wall, double &cpu) {
        const double cpuBefore = cpuSeconds();
        const auto start = Clock::now();
        screen->BusyWait(kLimit);
        wall = std::chrono::duration<double>(Clock::now() - start).count();
        cpu = cpuSeconds() - cpuBefore;
    };

    // First a wait with nothing to handle: the pump's own cost.
    double wall = 0, cpu = 0;
    timedWait(wall, cpu);

    // Then a wait during which a second thread posts a click on an enabled
    // button every 20 ms.
    QPushButton *target = screen->helpButton;
    std::vector<double> delays;
    Clock::time_point posted;
    std::atomic<bool> waiting{true};
    std::atomic<bool> clickPending{false};
    QObject::connect(target, &QPushButton::clicked, [&] {
        delays.push_back(std::chrono::duration<double, std::milli>(Clock::now() - posted).count());
        clickPending = false;
    });
    std::thread clicker([&] {
        const QPointF centre(target->width() / 2.0, target->height() / 2.0);
        while (waiting) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (clickPending || !waiting)
                continue;
            clickPending = true;
            QMetaObject::invokeMethod(
                target,
                [&] {
                    posted = Clock::now();
                    QCoreApplication::postEvent(
                        target, new QMouseEvent(QEvent::MouseButtonPress, centre,
                                                target->mapToGlobal(centre), Qt::LeftButton,
                                                Qt::LeftButton, Qt::NoModifier));
                    QCoreApplication::postEvent(
                        target, new QMouseEvent(QEvent::MouseButtonRelease, centre,
                                                target->mapToGlobal(centre), Qt::LeftButton,
                                                Qt::NoButton, Qt::NoModifier));
                },
                Qt::QueuedConnection);
        }
    });

    double clickWall = 0, clickCpu = 0;
    timedWait(clickWall, clickCpu);
    waiting = false;
    clicker.join();

    const double passNs = wall * 1e9 / (kLimit + 1);
    const double constantNs = double(ui::PacedPump::kPassTime.count());
    const double worstDelay = delays.empty() ? -1 : *std::max_element(delays.begin(), delays.end());

    std::printf("platform                      %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("BusyWait(%d) wall time       %.3f s\n", kLimit, wall);
    std::printf("wall time per pass            %.0f ns (constant %.0f ns, %+.1f%%)\n", passNs,
                constantNs, (passNs / constantNs - 1) * 100);
    std::printf("CPU during the wait           %.1f%% of wall time\n", cpu / wall * 100);
    std::printf("  same wait, handling clicks  %.1f%% of wall time, %.3f s\n",
                clickCpu / clickWall * 100, clickWall);
    std::printf("clicks handled during wait    %zu, worst delay %.2f ms\n", delays.size(),
                worstDelay);
    std::printf("start to main window shown    %.1f ms (median of 5)\n", startup);
    std::printf("peak memory                   %.1f MB\n", double(peakMemoryKb()) / 1024);
    return 0;
}
