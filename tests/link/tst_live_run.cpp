// The stop flag of a repeated display and its panel's Exit, driven by a
// wait that acts at a chosen step.
#include "link/live_run.h"

#include <QTest>

using unitlink::LiveRun;
using End = LiveRun::End;

class LiveRunTest : public QObject {
    Q_OBJECT

private slots:
    // Cycles of three steps; at the wait after step `at`, each letter of
    // `act`: s another function asks the run to stop, x Exit pressed, g the
    // screen goes. `trace` is every step shown, | where a new cycle began;
    // `answers` what each call answered (R: a run was stopped, T: Exit
    // closed the panel, F: Exit only stopped), then an Exit pressed after.
    void aRunEndsAsItsWaitSays_data() {
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("act");
        QTest::addColumn<QString>("trace");
        QTest::addColumn<End>("end");
        QTest::addColumn<QString>("answers");
        // clang-format off
        QTest::newRow("asked to stop")      << 7 << "s"  << "123|123|1" << End::Stopped << "RT";
        QTest::newRow("Exit only stops")    << 2 << "x"  << "12"     << End::Stopped << "FT";
        QTest::newRow("second Exit closes") << 2 << "xx" << "12"     << End::PanelClosed << "FTT";
        QTest::newRow("Exit after a function stopped it")
                                            << 4 << "sx" << "123|1"  << End::PanelClosed << "RTT";
        QTest::newRow("screen gone")        << 5 << "g"  << "123|12" << End::ScreenGone << "";
        // clang-format on
    }
    void aRunEndsAsItsWaitSays() {
        QFETCH(int, at);
        QFETCH(QString, act);
        QFETCH(QString, trace);
        QFETCH(End, end);
        QFETCH(QString, answers);
        LiveRun live;
        QString shown;
        QString answered;
        int waits = 0;
        bool runningInWaits = true;
        auto exit = [&] { answered += live.exitCloses() ? u'T' : u'F'; };
        const End ended = live.runCycles(
            3, [&] { shown += u'|'; }, [&](int step) { shown += QString::number(step); },
            [&] {
                runningInWaits = runningInWaits && live.state() == LiveRun::kRunning;
                if (++waits != at)
                    return waits < 100;
                for (QChar letter : act)
                    if (letter == u's')
                        answered += live.requestStop() ? u'R' : u'-';
                    else if (letter == u'x')
                        exit();
                return !act.contains(u'g');
            });
        QVERIFY(runningInWaits);
        QCOMPARE(shown, trace);
        QCOMPARE(ended, end);
        if (end != End::ScreenGone) {
            QCOMPARE(live.state(), LiveRun::kStopRequested);
            exit();
        }
        QCOMPARE(answered, answers);
        // A panel whose own controls drive the values starts from idle, and
        // an earlier closing does not count against the next run.
        live.reset();
        QCOMPARE(live.state(), LiveRun::kIdle);
        QCOMPARE(live.run([] {}, [&] { return live.requestStop(); }), End::Stopped);
    }
};

QTEST_GUILESS_MAIN(LiveRunTest)
#include "tst_live_run.moc"
