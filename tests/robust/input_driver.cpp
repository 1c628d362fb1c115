#include "robust/input_driver.h"

#include "app/window.h"
#include "app/window_registry.h"
#include "support/test_support.h"
#include "ui/picture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

namespace testing {

namespace {

const char *const kWindowNames[] = {"Form3",  "Form47", "Form46", "Form5", "Form44",
                                    "Form45", "Form9",  "Form6",  "Form10"};

// Deep inside nested handlers only close boxes are used, so that every
// repeated display still ends and the stack stays shallow.
constexpr int kMaxInputDepth = 6;

struct KeyChoice {
    Qt::Key key;
    const char *name;
};
const KeyChoice kKeys[] = {{Qt::Key_Return, "Enter"},
                           {Qt::Key_Escape, "Escape"},
                           {Qt::Key_Up, "Up"},
                           {Qt::Key_Down, "Down"},
                           {Qt::Key_Left, "Left"},
                           {Qt::Key_Right, "Right"},
                           {Qt::Key_A, "A"},
                           {Qt::Key_7, "7"},
                           {Qt::Key_Delete, "Delete"},
                           {Qt::Key_F2, "F2"},
                           {Qt::Key_0, "0"}};

QString describe(QWidget *widget) {
    QWidget *window = widget->window();
    return window->objectName() + QLatin1Char('/') + widget->objectName();
}

} // namespace

std::atomic<quint64> InputDriver::progress{0};

InputDriver::InputDriver(quint32 seed, int eventBudget)
    : random_(seed), budget_(eventBudget), previous_(ui::installEventPump(this)) {}

InputDriver::~InputDriver() {
    ui::installEventPump(previous_);
}

void InputDriver::pass() {
    ++progress;
    ++passes_;
    if (windingDown_)
        return;
    if (delivered_ >= budget_) {
        // Out of events inside a wait: unloading everything ends every wait.
        windingDown_ = true;
        note(QStringLiteral("budget spent inside a wait: unloading every window"));
        WindowRegistry::instance().unloadAll();
        return;
    }
    if (random_.bounded(3000) == 0) {
        if (ui::nestedEventDepth() > kMaxInputDepth) {
            if (closeWindow())
                ++delivered_;
        } else {
            deliverOne();
        }
    }
    if (passes_ % 97 == 0)
        QCoreApplication::processEvents();
}

void InputDriver::run() {
    while (delivered_ < budget_) {
        if (WindowRegistry::instance().loadedCount() == 0) {
            note(QStringLiteral("no window left: starting the main window"));
            WindowRegistry::instance().open(QStringLiteral("Form3"));
        }
        deliverOne();
        // Back in the event loop: queued events and deferred deletions run.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        windingDown_ = false;
    }
    windingDown_ = true;
    WindowRegistry::instance().unloadAll();
    flushDeletes();
}

void InputDriver::deliverOne() {
    ++progress;
    ++delivered_;
    if (ui::nestedEventDepth() > 0)
        ++nested_;
    const int choice = random_.bounded(100);
    bool done = false;
    if (choice < 70)
        done = clickSomething();
    else if (choice < 82)
        done = chooseMenuItem();
    else if (choice < 94)
        done = pressKey();
    else if (choice < 97)
        done = clickSlider();
    else
        done = closeWindow();
    if (!done)
        clickSomething();
}

QList<QWidget *> InputDriver::loadedWindows() const {
    QList<QWidget *> windows;
    for (const char *name : kWindowNames)
        if (QWidget *window = WindowRegistry::instance().find(QString::fromLatin1(name)))
            windows << window;
    return windows;
}

bool InputDriver::clickSomething() {
    QList<QWidget *> targets;
    for (QWidget *window : loadedWindows())
        for (QWidget *widget : window->findChildren<QWidget *>())
            if (widget->isVisible() && widget->isEnabled() &&
                (qobject_cast<QAbstractButton *>(widget) || qobject_cast<ui::Picture *>(widget) ||
                 (qobject_cast<QListWidget *>(widget) &&
                  static_cast<QListWidget *>(widget)->count() > 0) ||
                 // Tables the user works in (the history's), not those that only show.
                 (qobject_cast<QTableWidget *>(widget) && widget->focusPolicy() != Qt::NoFocus)))
                targets << widget;
    if (targets.isEmpty())
        return false;
    QWidget *target = targets[random_.bounded(int(targets.size()))];
    if (auto *list = qobject_cast<QListWidget *>(target)) {
        const int row = random_.bounded(list->count());
        QListWidgetItem *item = list->item(row);
        list->scrollToItem(item);
        note(QStringLiteral("click %1 item %2 \"%3\"")
                 .arg(describe(list))
                 .arg(row)
                 .arg(item->text()));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        return true;
    }
    if (auto *table = qobject_cast<QTableWidget *>(target)) {
        const int row = random_.bounded(table->rowCount());
        const int col = random_.bounded(table->columnCount());
        const bool twice = random_.bounded(4) == 0;
        table->scrollToItem(table->item(row, col));
        note(QStringLiteral("%1 %2 cell %3,%4 \"%5\"")
                 .arg(twice ? "double-click" : "click", describe(table))
                 .arg(row)
                 .arg(col)
                 .arg(table->item(row, col) ? table->item(row, col)->text() : QString()));
        const QPoint at = table->visualRect(table->model()->index(row, col)).center();
        if (twice)
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        return true;
    }
    note(QStringLiteral("click %1").arg(describe(target)));
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
    return true;
}

bool InputDriver::chooseMenuItem() {
    QWidget *main = WindowRegistry::instance().find(QStringLiteral("Form3"));
    if (!main)
        return false;
    QList<QAction *> items;
    for (QMenu *menu : main->findChildren<QMenu *>())
        for (QAction *action : menu->actions())
            if (!action->menu() && !action->isSeparator())
                items << action;
    if (items.isEmpty())
        return false;
    QAction *item = items[random_.bounded(int(items.size()))];
    note(QStringLiteral("menu %1").arg(item->objectName()));
    item->trigger();
    return true;
}

bool InputDriver::pressKey() {
    const QList<QWidget *> windows = loadedWindows();
    if (windows.isEmpty())
        return false;
    QWidget *window = windows[random_.bounded(int(windows.size()))];
    QWidget *focus = window->focusWidget();
    if (!focus || !focus->isVisible() || !focus->isEnabled())
        return false;
    const KeyChoice &choice = kKeys[random_.bounded(int(std::size(kKeys)))];
    note(QStringLiteral("key %1 in %2").arg(QLatin1String(choice.name), describe(focus)));
    QTest::keyClick(focus, choice.key);
    return true;
}

bool InputDriver::clickSlider() {
    QList<QSlider *> sliders;
    for (QWidget *window : loadedWindows())
        for (QSlider *slider : window->findChildren<QSlider *>())
            if (slider->isVisible() && slider->isEnabled())
                sliders << slider;
    if (sliders.isEmpty())
        return false;
    QSlider *slider = sliders[random_.bounded(int(sliders.size()))];
    const QPoint at(random_.bounded(qMax(1, slider->width())), slider->height() / 2);
    note(QStringLiteral("click %1 at %2").arg(describe(slider)).arg(at.x()));
    QTest::mouseClick(slider, Qt::LeftButton, {}, at);
    return true;
}

bool InputDriver::closeWindow() {
    const QList<QWidget *> windows = loadedWindows();
    if (windows.isEmpty())
        return false;
    QWidget *window = windows[random_.bounded(int(windows.size()))];
    note(QStringLiteral("close box of %1").arg(window->objectName()));
    window->close();
    return true;
}

void InputDriver::note(const QString &what) {
    log_
        << QStringLiteral("#%1 depth %2: %3").arg(delivered_).arg(ui::nestedEventDepth()).arg(what);
}

QString InputDriver::logTail(int lines) const {
    return log_.mid(qMax(0, int(log_.size()) - lines)).join(QLatin1Char('\n'));
}

} // namespace testing
