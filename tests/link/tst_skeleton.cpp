// The engine-screen skeleton every family shares, driven through the
// skeleton screens of the menu.
#include "app/errors32.h"
#include "app/window_registry.h"
#include "link/bar_orders.h"
#include "support/skeleton_screen.h"
#include "support/test_support.h"
#include "ui/pointer.h"

#include <QApplication>
#include <QLabel>

using namespace testing;

namespace {
const QStringList kBarNames = {"Command29", "Command19", "Command31", "Command24",
                               "Command11", "Command3",  "Command30", "Command4",
                               "Command2",  "Command1",  "Command20"};
} // namespace

class SkeletonTest : public QObject {
    Q_OBJECT

    unitlink::EngineScreen *openScreen(const QString &item, const QString &form) {
        chooseMenu(item);
        return qobject_cast<unitlink::EngineScreen *>(loaded(form));
    }

private slots:
    // The GM Delphi screen has its own window now; the bare skeleton takes
    // its place under the menu item for these cases.
    void initTestCase() {
        WindowRegistry::instance().registerWindow(QStringLiteral("Form45"), [] {
            unitlink::ScreenSetup setup;
            setup.formName = QStringLiteral("Form45");
            setup.windowCaption = QStringLiteral("GM Delphi");
            setup.unitName = QStringLiteral("GM Delco");
            setup.seventh = unitlink::ScreenSetup::Seventh::Service;
            setup.barOrder = unitlink::kFullBarWithService;
            setup.pictureFile = QStringLiteral("delphi.jpg");
            setup.pictureTwips = QRect{120, 240, 4935, 1455};
            return new SkeletonScreen(setup);
        });
    }
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void loadShowsOnlyConnectAndExitAmongFunctions_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("unit");
        QTest::newRow("Mercury DFI") << "dfi"
                                     << "Form46"
                                     << "Mercury Dfi 135/150 1998-2000";
        QTest::newRow("GM Delphi") << "gm2"
                                   << "Form45"
                                   << "GM Delco";
    }
    void loadShowsOnlyConnectAndExitAmongFunctions() {
        QFETCH(QString, item);
        QFETCH(QString, form);
        QFETCH(QString, unit);
        auto *screen = openScreen(item, form);
        QVERIFY(screen);
        QVERIFY(screen->isVisible());
        QCOMPARE(textOf(screen, "Frame3"), unit);
        QVERIFY(isEnabled(screen, "Command29"));
        for (const char *name : {"Command20", "Command30", "Command31", "Command1", "Command11"})
            QVERIFY2(!isEnabled(screen, name), name);
        for (const char *name : {"Command19", "Command4", "Command2", "Command3"})
            QVERIFY2(isEnabled(screen, name), name);
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QCOMPARE(textOf(screen, "Frame2"), QString());
        QCOMPARE(textOf(screen, "Command29"), QStringLiteral("Connect with ECM"));
        QCOMPARE(textOf(screen, "Command20"), QStringLiteral("Engine Info"));
    }

    void progressBarGrowsOneStepPerWait_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("steps");
        QTest::newRow("25 steps") << "gm2"
                                  << "Form45" << 25;
    }
    void progressBarGrowsOneStepPerWait() {
        QFETCH(QString, item);
        QFETCH(QString, form);
        QFETCH(int, steps);
        auto *screen = openScreen(item, form);
        CountingPump pump;
        QStringList seen;
        QStringList captions;
        bool hourglass = true;
        for (int step = 0; step < steps; ++step)
            pump.at(qint64(step) * 10001 + 1, [&] {
                seen << textOf(screen, "Label51");
                captions << textOf(screen, "Frame14");
                hourglass = hourglass && ui::isHourglass();
            });
        press(screen, "Command29");
        QCOMPARE(pump.passes(), qint64(steps) * 10001);
        QCOMPARE(seen.size(), steps);
        for (int step = 0; step < steps; ++step)
            QCOMPARE(seen[step], QStringLiteral(" ") + QString(step + 1, QLatin1Char('I')));
        QVERIFY(captions.count(ERRORS32::MsgInitializingCommunication) == steps);
        QVERIFY(hourglass);
        QCOMPARE(textOf(screen, "Label51"), QStringLiteral(" ") + QString(steps + 3, 'I'));
        QVERIFY(!isShown(screen, "Frame14"));
        QVERIFY(!ui::isHourglass());
        QCOMPARE(textOf(screen, "Frame2"), textOf(screen, "Frame3"));
        for (const char *name : {"Command20", "Command30", "Command31", "Command1", "Command11"})
            QVERIFY2(isEnabled(screen, name), name);
    }

    void panelDisablesTheWholeBarUntilItCloses() {
        auto *screen = openScreen("dfi", "Form46");
        CountingPump pump;
        press(screen, "Command29");
        press(screen, "Command20");
        QVERIFY(isShown(screen, "Frame13"));
        for (const QString &name : kBarNames)
            QVERIFY2(!isEnabled(screen, name), qPrintable(name));
        QCOMPARE(focusName(screen), QStringLiteral("Command10"));
        // Escape on the disabled Exit does nothing.
        key(screen, "Command3", Qt::Key_Escape);
        QVERIFY(loaded("Form46"));
        press(screen, "Command10");
        QVERIFY(!isShown(screen, "Frame13"));
        for (const QString &name : kBarNames)
            QVERIFY2(isEnabled(screen, name), qPrintable(name));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void liveRunStopsOnFirstExitAndClosesOnSecond() {
        auto *screen = openScreen("gm2", "Form45");
        CountingPump pump;
        press(screen, "Command29");
        press(screen, "Command11");
        QVERIFY(isShown(screen, "Frame9"));
        QVERIFY(isEnabled(screen, "Command3")); // the live panel leaves the bar enabled
        pump.reset();
        QString valueAtStop;
        // Stop in the middle of the fourth step's wait.
        pump.at(3 * 601 + 300, [&] {
            press(screen, "Command32");
            valueAtStop = textOf(screen, "Label9");
        });
        press(screen, "Command35");
        QCOMPARE(pump.passes(), qint64(4 * 601));
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kStopRequested);
        QCOMPARE(valueAtStop, QStringLiteral("3"));
        QCOMPARE(textOf(screen, "Label9"), QStringLiteral("3"));
        QVERIFY(isShown(screen, "Frame9"));
        press(screen, "Command32");
        QVERIFY(!isShown(screen, "Frame9"));
        QCOMPARE(textOf(screen, "Label9"), QString());
    }

    void nestedRunEndsAtTheNextStop() {
        auto *screen = openScreen("gm2", "Form45");
        CountingPump pump;
        press(screen, "Command29");
        press(screen, "Command11");
        pump.reset();
        pump.at(100, [&] { press(screen, "Command35"); });
        pump.at(2000, [&] { press(screen, "Command32"); });
        press(screen, "Command35");
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kStopRequested);
        QVERIFY(isShown(screen, "Frame9"));
    }

    void secondConnectDuringConnectListsOnce() {
        auto *screen = openScreen("gm2", "Form45");
        CountingPump pump;
        pump.at(50000, [&] { press(screen, "Command29"); });
        press(screen, "Command29");
        QCOMPARE(textOf(screen, "Frame2"), QStringLiteral("GM Delco"));
        QVERIFY(!isShown(screen, "Frame14"));
        QVERIFY(!ui::isHourglass());
    }

    void diagnosisDuringASecondConnectLetsBothFinish() {
        auto *screen = openScreen("gm2", "Form45");
        CountingPump pump;
        press(screen, "Command29");
        pump.reset();
        pump.at(30000, [&] { press(screen, "Command30"); });
        press(screen, "Command29");
        QCOMPARE(pump.passes(), qint64(2 * 25 * 10001 + 3));
        QCOMPARE(textOf(screen, "Frame2"), QStringLiteral("GM Delco"));
        QVERIFY(isShown(screen, "List2"));
        QVERIFY(isShown(screen, "Frame7"));
        QVERIFY(!isShown(screen, "Frame14"));
        QVERIFY(!ui::isHourglass());
    }

    void secondDiagnosisTakesOverTheFirst() {
        auto *screen = openScreen("gm2", "Form45");
        CountingPump pump;
        press(screen, "Command29");
        pump.reset();
        pump.at(30000, [&] { press(screen, "Command30"); });
        press(screen, "Command30");
        // The first ends with its progress display, without its pause or message.
        QCOMPARE(pump.passes(), qint64(2 * 25 * 10001 + 3));
        QVERIFY(isShown(screen, "Frame7"));
        QCOMPARE(textOf(screen, "Label7"), ERRORS32::MsgNoFaults);
    }

    void escapeOnExitUnloadsAndNextOpeningIsFresh() {
        auto *screen = openScreen("dfi", "Form46");
        CountingPump pump;
        press(screen, "Command29");
        QVERIFY(isEnabled(screen, "Command30"));
        QPointer<QWidget> first(screen);
        key(screen, "Command3", Qt::Key_Escape);
        QVERIFY(!loaded("Form46"));
        QVERIFY(!first->isVisible());
        flushDeletes();
        QVERIFY(first.isNull());
        auto *again = openScreen("dfi", "Form46");
        QVERIFY(again);
        QVERIFY(!isEnabled(again, "Command30"));
        QVERIFY(listTexts(again, "List2").isEmpty());
    }

    void unloadDuringAWaitEndsItAndFreesTheScreenAfterwards() {
        auto *screen = openScreen("yamob", "Form5");
        CountingPump pump;
        QPointer<QWidget> guard(screen);
        bool aliveRightAfterUnload = false;
        pump.at(25000, [&] {
            press(screen, "Command3");
            flushDeletes(); // still inside the Connect handler
            aliveRightAfterUnload = !guard.isNull();
        });
        press(screen, "Command29");
        QVERIFY(aliveRightAfterUnload);
        QCOMPARE(pump.passes(), qint64(25000));
        QVERIFY(!loaded("Form5"));
        QVERIFY(!ui::isHourglass());
        flushDeletes();
        QVERIFY(guard.isNull());
        auto *fresh = openScreen("yamob", "Form5");
        QVERIFY(fresh && guard.isNull() && !fresh->isUnloaded());
    }

    void closeBoxDuringALiveRunEndsTheRun() {
        auto *screen = openScreen("gm2", "Form45");
        CountingPump pump;
        press(screen, "Command29");
        press(screen, "Command11");
        pump.reset();
        pump.at(5000, [&] { screen->close(); });
        press(screen, "Command35");
        QCOMPARE(pump.passes(), qint64(5000));
        QVERIFY(!loaded("Form45"));
    }

    void diagnosisShowsTheMessagePanelWhichReenablesTheBar() {
        auto *screen = openScreen("gm2", "Form45");
        CountingPump pump;
        press(screen, "Command29");
        pump.reset();
        press(screen, "Command30");
        QCOMPARE(pump.passes(), qint64(25 * 10001 + 3));
        QVERIFY(isShown(screen, "Frame7"));
        QCOMPARE(textOf(screen, "Label7"), ERRORS32::MsgNoFaults);
        QCOMPARE(focusName(screen), QStringLiteral("Command15"));
        press(screen, "Command15");
        QVERIFY(!isShown(screen, "Frame7"));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }
};

TIDEWELL_TEST_MAIN(SkeletonTest)
#include "tst_skeleton.moc"
