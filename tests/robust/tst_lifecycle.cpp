// Windows opened, run, closed and reopened many times; screens unloaded
// from inside every wait a button starts.
#include "app/window_registry.h"
#include "history/history.h"
#include "link/engine_screen.h"
#include "support/test_support.h"
#include "ui/controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>
#include <QTableWidget>

using namespace testing;

namespace {

const char *const kScreens[] = {"Form47", "Form46", "Form5", "Form44", "Form45"};
const char *const kWindows[] = {"Form47", "Form46", "Form5", "Form44",
                                "Form45", "Form9",  "Form6", "Form10"};

int liveWidgets() {
    return int(QApplication::allWidgets().size());
}

// Buttons the user could press now, lower-strip Exit aside.
QStringList pressableButtons(QWidget *screen) {
    QStringList names;
    for (auto *button : screen->findChildren<QAbstractButton *>())
        if (button->isVisible() && button->isEnabled() && button->objectName() != "Command3")
            names << button->objectName();
    names.removeDuplicates();
    return names;
}

unitlink::EngineScreen *connectedScreen(const QString &name) {
    auto *screen = qobject_cast<unitlink::EngineScreen *>(openWindow(name));
    if (screen)
        screen->findChild<QAbstractButton *>(QStringLiteral("Command29"))->click();
    return screen;
}

} // namespace

class LifecycleTest : public QObject {
    Q_OBJECT
private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void reopeningAHundredTimesLeavesNothingBehind_data() {
        QTest::addColumn<QString>("window");
        for (const char *window : kWindows)
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void reopeningAHundredTimesLeavesNothingBehind() {
        QFETCH(QString, window);
        RecordedMessageBoxes boxes;
        CountingPump pump;
        const auto cycle = [&] {
            QWidget *opened = openWindow(window);
            QVERIFY(opened);
            if (auto *screen = qobject_cast<unitlink::EngineScreen *>(opened))
                screen->findChild<QAbstractButton *>(QStringLiteral("Command29"))->click();
            opened->close();
            flushDeletes();
        };
        cycle();
        const int baseline = liveWidgets();
        for (int round = 0; round < 100; ++round)
            cycle();
        QCOMPARE(liveWidgets(), baseline);
        QVERIFY(!loaded(window));
    }

    void theHistoryChangesUnderItsOwnEditsAndSearches() {
        RecordedMessageBoxes boxes;
        useFreshHistory();
        auto &history = history::History::instance();
        for (int i = 0; i < 230; ++i)
            history.record("Yamaha", "FRT-1100", QString::number(i));
        const auto cycle = [&](int round) {
            QWidget *window = openWindow("Form10");
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            auto *table = find<QTableWidget>(window, "MSFlexGrid1");
            find<QWidget>(window, round % 2 ? "Text3" : "Text4")->setFocus();
            QTest::keyClicks(QApplication::focusWidget(), QDate::currentDate().toString("ddMMyy"));
            table->setFocus();
            table->setCurrentCell(1 + round % 3, 4);
            QTest::keyClick(table, Qt::Key_F2);
            // A record arrives while a cell is edited, then the edit is saved.
            history.record("GM Delphi", "", "33");
            QCoreApplication::processEvents();
            QTest::keyClicks(QApplication::focusWidget(), "AB");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::keyClick(table, Qt::Key_Delete);
            QCoreApplication::processEvents();
            window->close();
            flushDeletes();
        };
        cycle(0);
        const int baseline = liveWidgets();
        for (int round = 1; round < 30; ++round)
            cycle(round);
        QCOMPARE(liveWidgets(), baseline);
        QCOMPARE(boxes.texts.size(), 30); // one question per Delete, each answered yes
        history::Query plated;
        plated.plates = "ab";
        QCOMPARE(history.search(plated).records.size(), 0); // each edited record was deleted
        QCOMPARE(history.search({}).more, true);
    }

    void unloadingFromInsideEveryWaitIsClean_data() {
        QTest::addColumn<QString>("screen");
        for (const char *screen : kScreens)
            QTest::newRow(screen) << QString::fromLatin1(screen);
    }
    void unloadingFromInsideEveryWaitIsClean() {
        QFETCH(QString, screen);
        RecordedMessageBoxes boxes;
        RecordedSleeps sleeps;
        CountingPump pump;
        // Every button of the connected screen, then every button of what it opened.
        const QStringList first = pressableButtons(connectedScreen(screen));
        int waitsCut = 0;
        for (const QString &opener : first) {
            QWidget *window = connectedScreen(screen);
            press(window, opener);
            // The opener itself is cut too (the empty target).
            const QStringList second = pressableButtons(window) << QString();
            window->close();
            flushDeletes();
            for (const QString &target : second) {
                QWidget *fresh = connectedScreen(screen);
                QPointer<QWidget> guard(fresh);
                if (!target.isEmpty() && pressableButtons(fresh).contains(opener))
                    press(fresh, opener);
                const QString button = target.isEmpty() ? opener : target;
                if (!pressableButtons(fresh).contains(button)) {
                    fresh->close();
                    flushDeletes();
                    continue;
                }
                pump.reset();
                pump.at(1, [&] { fresh->close(); });
                press(fresh, button);
                if (pump.passes() > 0) {
                    ++waitsCut;
                    QVERIFY2(pump.passes() == 1,
                             qPrintable(QStringLiteral("%1 went on after unload").arg(button)));
                    QVERIFY(!loaded(screen));
                }
                pump.reset(); // drop the close if no wait took it
                fresh->close();
                flushDeletes();
                QVERIFY(guard.isNull());
            }
        }
        QVERIFY(waitsCut > 0);
        QVERIFY(loaded("Form3"));
    }

    void closingTheMainWindowWhileEveryScreenWaits() {
        CountingPump pump;
        QSignalSpy ended(&WindowRegistry::instance(), &WindowRegistry::lastWindowUnloaded);
        QList<QPointer<QWidget>> screens;
        for (const char *name : kScreens)
            screens << openWindow(name);
        // Connect on each screen nests inside the previous one's wait.
        for (int i = 1; i < screens.size(); ++i) {
            QWidget *next = screens[i];
            pump.at(i * 1000, [next] { press(next, "Command29"); });
        }
        pump.at(10000, [] { loaded("Form3")->close(); });
        for (int i = 0; i < screens.size(); ++i) {
            QWidget *screen = screens[i];
            pump.at(20000 + i * 1000, [screen] { screen->close(); });
        }
        press(screens[0], "Command29");
        QCOMPARE(ended.count(), 1);
        QCOMPARE(WindowRegistry::instance().loadedCount(), 0);
        flushDeletes();
        for (const auto &screen : screens)
            QVERIFY(screen.isNull());
    }
};

TIDEWELL_TEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
