// The counted wait that a run can call off: BusyWait(limit, goOn).
#include "link/engine_screen.h"
#include "support/test_support.h"

#include <QApplication>

using namespace testing;

class CancellableWaitTest : public QObject {
    Q_OBJECT

    // The screen as its panels see it.
    unitlink::ScreenHost *openScreen() {
        chooseMenu(QStringLiteral("dfi"));
        return qobject_cast<unitlink::EngineScreen *>(loaded(QStringLiteral("Form46")));
    }

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void endsAfterThePassAtWhichGoOnFails_data() {
        QTest::addColumn<qint64>("callOffAt");
        QTest::newRow("first pass") << qint64(1);
        QTest::newRow("middle") << qint64(40);
        QTest::newRow("last pass") << qint64(101);
    }
    void endsAfterThePassAtWhichGoOnFails() {
        QFETCH(qint64, callOffAt);
        auto *screen = openScreen();
        QVERIFY(screen);
        CountingPump pump;
        bool goOn = true;
        pump.at(callOffAt, [&] { goOn = false; });
        QVERIFY(!screen->BusyWait(100, [&] { return goOn; }));
        QCOMPARE(pump.passes(), callOffAt);
    }

    void makesAllItsPassesWhileGoOnHolds() {
        auto *screen = openScreen();
        CountingPump pump;
        int asked = 0;
        QVERIFY(screen->BusyWait(100, [&] { return ++asked > 0; }));
        QCOMPARE(pump.passes(), qint64(101));
        QCOMPARE(asked, 101);
        // The plain wait is the same with a goOn that always holds.
        pump.reset();
        QVERIFY(screen->BusyWait(100));
        QCOMPARE(pump.passes(), qint64(101));
    }

    void endsWhenTheScreenIsUnloaded() {
        auto *screen = openScreen();
        CountingPump pump;
        int asked = 0;
        pump.at(30, [&] { screen->panelParent()->close(); });
        QVERIFY(!screen->BusyWait(100, [&] { return ++asked > 0; }));
        QCOMPARE(pump.passes(), qint64(30));
        // goOn is not asked once the screen is gone.
        QCOMPARE(asked, 29);
    }
};

TIDEWELL_TEST_MAIN(CancellableWaitTest)
#include "tst_cancellable_wait.moc"
