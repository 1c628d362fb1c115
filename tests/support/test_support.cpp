#include "support/test_support.h"

#include "app/errors32.h"
#include "app/window_registry.h"
#include "history/history.h"
#include "program.h"
#include "support/as_drawn.h"
#include "ui/grid.h"
#include "ui/messagebox.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace testing {

CountingPump::CountingPump() : previous_(ui::installEventPump(this)) {}

CountingPump::~CountingPump() {
    ui::installEventPump(previous_);
}

void CountingPump::pass() {
    ++passes_;
    auto [first, last] = actions_.equal_range(passes_);
    if (first != last) {
        std::vector<std::function<void()>> due;
        for (auto it = first; it != last; ++it)
            due.push_back(it->second);
        actions_.erase(first, last);
        for (auto &action : due)
            action();
    }
    if (eventsEvery > 0 && passes_ % eventsEvery == 0)
        QCoreApplication::processEvents();
}

void CountingPump::at(qint64 pass, std::function<void()> action) {
    actions_.emplace(pass, std::move(action));
}

RecordedSleeps::RecordedSleeps()
    : previous_(ui::installSleep([this](int ms) { calls.push_back(ms); })) {}

RecordedSleeps::~RecordedSleeps() {
    ui::installSleep(previous_);
}

RecordedMessageBoxes::RecordedMessageBoxes()
    : previous_(
          ui::installMessageBoxHandler([this](QWidget *, const QString &text) { texts << text; })),
      previousQuestion_(ui::installQuestionHandler([this](QWidget *, const QString &text) {
          texts << text;
          return answer;
      })) {}

RecordedMessageBoxes::~RecordedMessageBoxes() {
    ui::installMessageBoxHandler(previous_);
    ui::installQuestionHandler(previousQuestion_);
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void unloadEverything() {
    WindowRegistry::instance().unloadAll();
    flushDeletes();
}

LoadedWindow *startProgramFresh() {
    unloadEverything();
    ERRORS32::LanguageCode = 0;
    return WindowRegistry::instance().open(QStringLiteral("Form3"));
}

LoadedWindow *openWindow(const QString &name) {
    return WindowRegistry::instance().open(name);
}

LoadedWindow *loaded(const QString &name) {
    return WindowRegistry::instance().find(name);
}

void chooseMenu(const QString &item) {
    LoadedWindow *main = loaded(QStringLiteral("Form3"));
    QVERIFY2(main, "the main window is not loaded");
    auto *action = main->findChild<QAction *>(item);
    QVERIFY2(action, qPrintable(QStringLiteral("no menu item ") + item));
    action->trigger();
}

void press(QWidget *window, const QString &name) {
    auto *button = find<QAbstractButton>(window, name);
    QVERIFY2(button, qPrintable(QStringLiteral("no button ") + name));
    QVERIFY2(button->isEnabled(), qPrintable(name + QStringLiteral(" is disabled")));
    QVERIFY2(button->isVisible(), qPrintable(name + QStringLiteral(" is hidden")));
    // Near the left edge: option buttons only take clicks on their mark and caption.
    QPointer<QWidget> target = window;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    // Whatever the click hid, the focus is left where the user can see it.
    if (target && target->isVisible()) {
        const QString hidden = focusOnHiddenControl(target);
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden + QStringLiteral(" after pressing ") + name));
    }
}

void key(QWidget *window, const QString &name, Qt::Key keyCode) {
    auto *control = find<QWidget>(window, name);
    QVERIFY2(control, qPrintable(QStringLiteral("no control ") + name));
    QPointer<QWidget> target = window;
    QTest::keyClick(control, keyCode);
    if (target && target->isVisible()) {
        const QString hidden = focusOnHiddenControl(target);
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden + QStringLiteral(" after a key in ") + name));
    }
}

QStringList listTexts(QWidget *window, const QString &name) {
    QStringList texts;
    if (auto *list = find<QListWidget>(window, name))
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
    return texts;
}

void clickListItem(QWidget *window, const QString &name, int row) {
    auto *list = find<QListWidget>(window, name);
    QVERIFY2(list, qPrintable(QStringLiteral("no list ") + name));
    QVERIFY2(list->isVisible() && list->isEnabled(),
             qPrintable(name + QStringLiteral(" is not usable")));
    QListWidgetItem *item = list->item(row);
    QVERIFY2(item, qPrintable(name + QStringLiteral(" has no row %1").arg(row)));
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

QString textOf(QWidget *window, const QString &name) {
    QWidget *control = find<QWidget>(window, name);
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *box = qobject_cast<QLineEdit *>(control))
        return box->text();
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        return frame->title();
    if (control && control->isWindow())
        return control->windowTitle();
    return QStringLiteral("<no text control %1>").arg(name);
}

QString announcedAs(QWidget *window, const QString &name) {
    QCoreApplication::processEvents();
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(find<QWidget>(window, name));
    return face ? face->text(QAccessible::Name) : QStringLiteral("<not accessible %1>").arg(name);
}

QStringList gridRow(QWidget *window, const QString &name, int row) {
    QStringList cells;
    if (auto *grid = find<ui::Grid>(window, name))
        for (int col = 0; col < grid->columnCount(); ++col)
            cells << grid->cell(row, col);
    return cells;
}

QStringList indexedTexts(QWidget *window, const char *name, int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << textOf(window, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
    return texts;
}

bool isEnabled(QWidget *window, const QString &name) {
    QWidget *control = find<QWidget>(window, name);
    return control && control->isEnabled();
}

bool isShown(QWidget *window, const QString &name) {
    QWidget *control = find<QWidget>(window, name);
    return control && control->isVisible();
}

QString focusName(QWidget *window) {
    QWidget *focus = window ? window->focusWidget() : nullptr;
    return focus ? focus->objectName() : QString();
}

bool allEnabledAre(QWidget *window, const QStringList &names, bool enabled) {
    for (const QString &name : names)
        if (isEnabled(window, name) != enabled)
            return false;
    return true;
}

void chooseOption(QWidget *window, const QString &name) {
    auto *option = find<QRadioButton>(window, name);
    QVERIFY(option);
    const int middle = option->height() / 2;
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(middle, middle));
    QVERIFY(option->isChecked());
}

void addLanguageRows() {
    QTest::addColumn<int>("language");
    for (int language = 1; language <= 8; ++language)
        QTest::newRow(kLanguageNames[language - 1]) << language;
}

void useLanguage(int language) {
    ERRORS32::LanguageCode = qint16(language);
    ERRORS32::LanguageLoader();
}

QString useFreshHistory() {
    static std::vector<std::unique_ptr<QTemporaryDir>> folders;
    folders.push_back(std::make_unique<QTemporaryDir>());
    const QString file = folders.back()->filePath(QStringLiteral("history.sqlite"));
    history::History::instance().configure({file, QString()});
    return file;
}

void initTestProcess() {
    QStandardPaths::setTestModeEnabled(true);
    useFreshHistory();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication::setQuitOnLastWindowClosed(false);
    registerProgramWindows();
}

} // namespace testing
