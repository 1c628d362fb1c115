#pragma once

// Helpers every test program shares: a pump that counts the passes of the
// counted waits and acts at a chosen one, recorded Sleep calls and message
// boxes, and ways to open, find and press the program's controls.

#include "app/window.h"
#include "ui/pump.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QPointer>
#include <QStringList>
#include <QTest>

#include <functional>
#include <map>
#include <vector>

namespace testing {

// Counts passes; processes pending events every `eventsEvery` passes (0:
// never), and runs the action scheduled for a pass when it is reached.
class CountingPump : public ui::EventPump {
public:
    CountingPump();
    ~CountingPump() override;

    void pass() override;

    qint64 passes() const { return passes_; }
    void reset() {
        passes_ = 0;
        actions_.clear();
    }
    // Runs action at absolute pass number `pass` (counted from the last reset).
    void at(qint64 pass, std::function<void()> action);
    // Runs action `after` passes from now.
    void after(qint64 passes, std::function<void()> action) { at(passes_ + passes, action); }
    int eventsEvery = 0;

private:
    qint64 passes_ = 0;
    std::multimap<qint64, std::function<void()>> actions_;
    ui::EventPump *previous_;
};

// Records every Sleep call instead of sleeping.
class RecordedSleeps {
public:
    RecordedSleeps();
    ~RecordedSleeps();
    std::vector<int> calls;

private:
    ui::SleepFunction previous_;
};

// Answers message boxes at once and records their texts.
class RecordedMessageBoxes {
public:
    RecordedMessageBoxes();
    ~RecordedMessageBoxes();
    QStringList texts;
    bool answer = true; // to questions, whose texts are recorded too

private:
    std::function<void(QWidget *, const QString &)> previous_;
    std::function<bool(QWidget *, const QString &)> previousQuestion_;
};

// Unloads every window, destroys them, and loads the main window afresh.
LoadedWindow *startProgramFresh();
void unloadEverything();
// Destroys windows whose unloading has been scheduled.
void flushDeletes();
// Opens a window through the registry, as its menu item does.
LoadedWindow *openWindow(const QString &name);
// Triggers a menu item of the main window by object name.
void chooseMenu(const QString &item);
LoadedWindow *loaded(const QString &name);

template <typename T = QWidget> T *find(QWidget *window, const QString &name) {
    if (!window)
        return nullptr;
    T *found = window->findChild<T *>(name);
    if (!found)
        qWarning("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return found;
}

// Clicks a button as the user does; fails the test if it cannot.
void press(QWidget *window, const QString &name);
// Types keys into a control.
void key(QWidget *window, const QString &name, Qt::Key key);
QStringList listTexts(QWidget *window, const QString &name);
// Clicks the item at `row` of a list box as the user does.
void clickListItem(QWidget *window, const QString &name, int row);
QString textOf(QWidget *window, const QString &name); // label, button, box, frame caption
// What a screen reader announces a control as, once pending layouts are done.
QString announcedAs(QWidget *window, const QString &name);
// textOf of the indexed controls name(0) to name(count - 1).
QStringList indexedTexts(QWidget *window, const char *name, int count);
// Every cell of one row of the grid `name`.
QStringList gridRow(QWidget *window, const QString &name, int row);
bool isEnabled(QWidget *window, const QString &name);
bool isShown(QWidget *window, const QString &name); // visible to the user
QString focusName(QWidget *window);                 // object name of the focus control

// Sets LanguageCode and refills the catalogue, as the settings panel does.
void useLanguage(int language);

// Loads an engine screen from its menu item with the language chosen, then
// presses the buttons in turn; the pump starts counting afresh afterwards.
template <typename Screen>
Screen *openScreenFromMenu(CountingPump &pump, const QString &menuItem, const QString &form,
                           int language, std::initializer_list<const char *> presses) {
    useLanguage(language);
    chooseMenu(menuItem);
    auto *screen = qobject_cast<Screen *>(loaded(form));
    if (screen)
        for (const char *name : presses)
            press(screen, QString::fromLatin1(name));
    pump.reset();
    return screen;
}

// True when every named control is enabled (or every one disabled).
bool allEnabledAre(QWidget *window, const QStringList &names, bool enabled);

// Clicks an option on its round indicator, as the user does.
void chooseOption(QWidget *window, const QString &name);

// One data row per language, in a column "language".
void addLanguageRows();

inline const char *const kLanguageNames[8] = {"Spanish", "English",    "French",  "Italian",
                                              "German",  "Portuguese", "Finnish", "Swedish"};

// Sets up the test process: offscreen, fixed locale, program windows
// registered, and an empty history in a folder of its own (never the user's).
void initTestProcess();
// Starts an empty history in a new temporary folder; returns the file.
QString useFreshHistory();

} // namespace testing

#define TIDEWELL_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char *argv[]) {                                                             \
        QApplication app(argc, argv);                                                              \
        testing::initTestProcess();                                                                \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
