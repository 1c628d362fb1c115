// Seeded random input over every window. Run with --seed N [--events N] to
// replay one sequence; without, it runs the fixed seeds below.
#include "robust/input_driver.h"
#include "support/test_support.h"

#include <QApplication>

#include "app/window_registry.h"
#include "history/history.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define TIDEWELL_HAS_SANITIZER_HOOKS 1
#endif

using namespace testing;

namespace {

const quint32 kFixedSeeds[] = {11, 23, 37, 41};
constexpr int kDefaultEvents = 6500;
constexpr int kHangSeconds = 60;

quint32 chosenSeed = 0;
bool seedGiven = false;
int chosenEvents = kDefaultEvents;

InputDriver *currentDriver = nullptr;
QStringList warnings;
QtMessageHandler previousHandler = nullptr;

void printLogAndSeed() {
    if (!currentDriver)
        return;
    std::fprintf(stderr, "\n--- last events before the failure ---\n%s\n",
                 qPrintable(currentDriver->logTail()));
}

void recordWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    // Known noise of the offscreen platform.
    const bool noise = message.contains(QLatin1String("propagateSizeHints")) ||
                       message.contains(QLatin1String("XDG_RUNTIME_DIR"));
    if (type != QtDebugMsg && type != QtInfoMsg && !noise)
        warnings << message;
    previousHandler(type, context, message);
}

// A thread that ends the run with the event log when nothing moves any more.
class Watchdog {
public:
    Watchdog()
        : thread_([this] {
              quint64 seen = InputDriver::progress;
              auto lastMove = std::chrono::steady_clock::now();
              std::unique_lock lock(mutex_);
              while (!stopping_) {
                  wake_.wait_for(lock, std::chrono::seconds(1));
                  const quint64 now = InputDriver::progress;
                  if (now != seen) {
                      seen = now;
                      lastMove = std::chrono::steady_clock::now();
                  } else if (std::chrono::steady_clock::now() - lastMove >
                             std::chrono::seconds(kHangSeconds)) {
                      std::fprintf(stderr, "no progress for %d s: the program hangs\n",
                                   kHangSeconds);
                      printLogAndSeed();
                      std::abort();
                  }
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace

class RandomInputTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(recordWarnings); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void survivesRandomInput_data() {
        QTest::addColumn<quint32>("seed");
        if (seedGiven) {
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(chosenSeed))) << chosenSeed;
            return;
        }
        for (quint32 seed : kFixedSeeds)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void survivesRandomInput() {
        QFETCH(quint32, seed);
        std::fprintf(stderr, "random input: seed %u, %d events\n", seed, chosenEvents);
        warnings.clear();
        RecordedSleeps sleeps;
        RecordedMessageBoxes boxes;
        // The History window opens on records, and the screens add more.
        useFreshHistory();
        for (int i = 0; i < 260; ++i)
            history::History::instance().store({QUuid::createUuid().toString(),
                                                QDateTime(QDate(2026, 1, 1 + i % 28), QTime(9, 0)),
                                                "Yamaha", "FRT-1100", QString::number(i), "23"});
        startProgramFresh();
        Watchdog watchdog;
        InputDriver driver(seed, chosenEvents);
        currentDriver = &driver;
        driver.run();
        currentDriver = nullptr;
        std::fprintf(stderr, "random input: %d events, %d of them inside a wait\n",
                     driver.delivered(), driver.deliveredInsideWaits());
        std::fprintf(stderr, "random input: the history went from 260 to %d records\n",
                     int(history::History::instance().search({{}, {}, {}, 1000}).records.size()));
        if (!warnings.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(driver.logTail()));
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
        QCOMPARE(driver.delivered(), chosenEvents);
        QCOMPARE(WindowRegistry::instance().loadedCount(), 0);
    }
};

int main(int argc, char *argv[]) {
    // Our own options come first and are not passed on to Qt Test.
    std::vector<char *> rest;
    for (int i = 0; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--seed" && i + 1 < argc) {
            chosenSeed = quint32(std::strtoul(argv[++i], nullptr, 10));
            seedGiven = true;
        } else if (arg == "--events" && i + 1 < argc) {
            chosenEvents = std::atoi(argv[++i]);
        } else {
            rest.push_back(argv[i]);
        }
    }
    int restCount = int(rest.size());
    QApplication app(restCount, rest.data());
    initTestProcess();
#ifdef TIDEWELL_HAS_SANITIZER_HOOKS
    __sanitizer_set_death_callback(printLogAndSeed);
#endif
    RandomInputTest test;
    return QTest::qExec(&test, restCount, rest.data());
}

#include "tst_random_input.moc"
