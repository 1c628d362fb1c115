// The main window: start-up, the menu, the window registry and the end of
// the program.
#include "app/errors32.h"
#include "app/window_registry.h"
#include "support/test_support.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

using namespace testing;

namespace {

struct MenuRow {
    const char *menu;
    const char *menuCaption;
    const char *item;
    const char *caption;
    const char *window; // nullptr: one of the main window's own panels
};

const MenuRow kMenuRows[] = {
    {"inb", "Inboard/Sterndrive", "gm2", "GM Delphi", "Form45"},
    {"inb", "Inboard/Sterndrive", "ep2", "Mercruiser PCM/ECM555", "Form47"},
    {"ob", "OutBoards", "fitob", "Evinrude Fitch", "Form44"},
    {"ob", "OutBoards", "yamob", "Yamaha", "Form5"},
    {"ob", "OutBoards", "dfi", "Mercury Dfi 135/150 1998-2000", "Form46"},
    {"config", "Setting", "confi1", "Setting", nullptr},
    {"config", "Setting", "taller", "Workshop", nullptr},
    {"ayuda", "Help", "acronimos", "Glosary", "Form9"},
    {"ayuda", "Help", "conectores", "Sockets", "Form6"},
    {"histo", "History", "histo1", "History", "Form10"},
    {"aer", "About....", "ac", "About....", nullptr},
};

QStringList loadedWindows() {
    QStringList names;
    for (const char *name :
         {"Form3", "Form47", "Form46", "Form5", "Form44", "Form45", "Form9", "Form6", "Form10"})
        if (loaded(QString::fromLatin1(name)))
            names << QString::fromLatin1(name);
    return names;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QWidget *main = nullptr;

private slots:
    void init() { main = startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void startsAloneInEnglishWithEveryPanelHidden() {
        QCOMPARE(loadedWindows(), QStringList{"Form3"});
        QVERIFY(main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("Velmo V 1.00"));
        QCOMPARE(ERRORS32::LanguageCode, qint16(2));
        QCOMPARE(ERRORS32::CapSettings, QStringLiteral("Settings"));
        for (const char *panel : {"Frame1", "Frame4", "Frame7"})
            QVERIFY2(!isShown(main, panel), panel);
        auto *client = find<QWidget>(main, "client");
        QCOMPARE(client->size(), QSize(11880 / 15, 7890 / 15));
        auto *background = find<QWidget>(main, "Image1");
        QCOMPARE(background->geometry(), client->rect());
    }

    void menuHasItsNamesAndEnglishCaptionsInEveryLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 2;
        QTest::newRow("Spanish") << 1;
        QTest::newRow("Swedish") << 8;
    }
    void menuHasItsNamesAndEnglishCaptionsInEveryLanguage() {
        QFETCH(int, language);
        chooseMenu("confi1");
        press(main, QStringLiteral("Option2(%1)").arg(language));
        QCOMPARE(ERRORS32::LanguageCode, qint16(language));
        for (const MenuRow &row : kMenuRows) {
            auto *menu = find<QMenu>(main, row.menu);
            QVERIFY2(menu, row.menu);
            QCOMPARE(menu->title(), QString::fromLatin1(row.menuCaption));
            auto *item = find<QAction>(main, row.item);
            QVERIFY2(item, row.item);
            QCOMPARE(item->text(), QString::fromLatin1(row.caption));
            QVERIFY(menu->actions().contains(item));
        }
    }

    void everyMenuItemOpensItsWindowOnce() {
        for (const MenuRow &row : kMenuRows) {
            if (!row.window)
                continue;
            chooseMenu(row.item);
            LoadedWindow *first = loaded(row.window);
            QVERIFY2(first && first->isVisible(), row.window);
            chooseMenu(row.item);
            QCOMPARE(loaded(row.window), first);
        }
        QCOMPARE(WindowRegistry::instance().loadedCount(), 9);
        QVERIFY(main->isVisible());
    }

    void secondOpeningLeavesTheScreenAsItWas() {
        CountingPump pump;
        chooseMenu("dfi");
        LoadedWindow *screen = loaded("Form46");
        press(screen, "Command29");
        QVERIFY(isEnabled(screen, "Command30"));
        chooseMenu("dfi");
        QCOMPARE(loaded("Form46"), screen);
        QVERIFY(isEnabled(screen, "Command30"));
        QCOMPARE(textOf(screen, "Frame2"), QStringLiteral("Mercury DFI Outboard ECM"));
    }

    void windowsKeepTheLanguageTheyLoadedIn() {
        chooseMenu("dfi");
        chooseMenu("confi1");
        press(main, "Option2(1)");
        chooseMenu("gm2");
        QCOMPARE(textOf(loaded("Form46"), "Command3"), QStringLiteral("Exit"));
        QCOMPARE(textOf(loaded("Form45"), "Command3"), QStringLiteral("Salir"));
    }

    void closingTheMainWindowLeavesTheOthersRunning() {
        QSignalSpy ended(&WindowRegistry::instance(), &WindowRegistry::lastWindowUnloaded);
        chooseMenu("acronimos");
        main->close();
        QVERIFY(!loaded("Form3"));
        QVERIFY(loaded("Form9"));
        QCOMPARE(ended.count(), 0);
        loaded("Form9")->close();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(WindowRegistry::instance().loadedCount(), 0);
    }

    void closingTheMainWindowDuringAWaitEndsOnceTheLastWindowGoes() {
        QSignalSpy ended(&WindowRegistry::instance(), &WindowRegistry::lastWindowUnloaded);
        chooseMenu("yamob");
        LoadedWindow *screen = loaded("Form5");
        CountingPump pump;
        pump.at(1000, [&] { main->close(); });
        pump.at(2000, [&] { screen->close(); });
        press(screen, "Command29");
        QCOMPARE(pump.passes(), qint64(2000));
        QCOMPARE(ended.count(), 1);
        flushDeletes();
    }

    void reloadedMainWindowStartsInEnglish() {
        chooseMenu("confi1");
        press(main, "Option2(5)");
        chooseMenu("dfi");
        main->close();
        flushDeletes();
        QCOMPARE(ERRORS32::LanguageCode, qint16(5));
        QWidget *again = openWindow("Form3");
        QVERIFY(again && again->isVisible());
        QCOMPARE(ERRORS32::LanguageCode, qint16(2));
        QCOMPARE(ERRORS32::CapExit, QStringLiteral("Exit"));
        QVERIFY(!isShown(again, "Frame1"));
    }

    void reopeningAfterUnloadLoadsAfresh() {
        chooseMenu("confi1");
        chooseMenu("taller");
        QWidget *first = main;
        QPointer<QWidget> guard(first);
        main->close();
        flushDeletes();
        QVERIFY(guard.isNull());
        main = openWindow("Form3");
        QVERIFY(!isShown(main, "Frame1"));
        QVERIFY(!isShown(main, "Frame4"));
    }
};

TIDEWELL_TEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
