// What a click does, the keyboard does too: each control that acts on a
// click is reached with Tab and acts on its keys, leaving the window as the
// click leaves it.

#include "support/as_drawn.h"
#include "support/test_support.h"

#include <QApplication>
#include <QListWidget>

using namespace testing;

namespace {

// Opens the window afresh through its menu item and presses the buttons.
QWidget *openAndPress(const QString &menuItem, const QString &form, const QStringList &presses) {
    startProgramFresh();
    chooseMenu(menuItem);
    QWidget *window = loaded(form);
    for (const QString &name : presses)
        press(window, name);
    return window;
}

// Tabs from where the focus is until it reaches the control, as a user does.
bool tabTo(QWidget *window, QWidget *control) {
    for (int presses = 0; presses < 200; ++presses) {
        if (QApplication::focusWidget() == control)
            return true;
        keyIntoFocus(window, Qt::Key_Tab);
    }
    return false;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void init() { pump_ = std::make_unique<CountingPump>(); }
    void cleanup() {
        unloadEverything();
        pump_.reset();
    }

    void keysDoWhatAClickDoes_data() {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("row"); // list line, or -1
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("tabbed"); // else typed where the focus already is
        const QStringList diagnosis{"Command29", "Command30"};
        const QStringList idleAir{"Command29", "Command31", "Command34", "Command39"};
        QTest::newRow("fault line, Enter")
            << "ep2"
            << "Form47" << diagnosis << "List1" << 2 << int(Qt::Key_Return) << true;
        QTest::newRow("fault line, Space")
            << "ep2"
            << "Form47" << diagnosis << "List1" << 5 << int(Qt::Key_Space) << true;
        QTest::newRow("idle-air up arrow, Space")
            << "ep2"
            << "Form47" << idleAir << "Image2" << -1 << int(Qt::Key_Space) << true;
        QTest::newRow("idle-air down arrow, Enter")
            << "ep2"
            << "Form47" << idleAir << "Image3" << -1 << int(Qt::Key_Return) << true;
        QTest::newRow("idle-air Up key")
            << "ep2"
            << "Form47" << idleAir << "Image2" << -1 << int(Qt::Key_Up) << false;
        QTest::newRow("idle-air Down key")
            << "ep2"
            << "Form47" << idleAir << "Image3" << -1 << int(Qt::Key_Down) << false;
        QTest::newRow("connector picture 3, Enter")
            << "conectores"
            << "Form6" << QStringList{"Command4"} << "Image4" << -1 << int(Qt::Key_Return) << true;
        QTest::newRow("connector picture 1, Space")
            << "conectores"
            << "Form6" << QStringList{"Command4"} << "Image2" << -1 << int(Qt::Key_Space) << true;
    }
    void keysDoWhatAClickDoes() {
        QFETCH(QString, menuItem);
        QFETCH(QString, form);
        QFETCH(QStringList, presses);
        QFETCH(QString, target);
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(bool, tabbed);

        QWidget *window = openAndPress(menuItem, form, presses);
        if (row >= 0)
            clickListItem(window, target, row);
        else
            QTest::mouseClick(find<QWidget>(window, target), Qt::LeftButton);
        const QString afterClick = whatIsShown(window);

        window = openAndPress(menuItem, form, presses);
        const QString before = whatIsShown(window);
        auto *control = find<QWidget>(window, target);
        QVERIFY(control);
        if (tabbed)
            QVERIFY2(tabTo(window, control), "Tab does not reach the control");
        if (auto *list = qobject_cast<QListWidget *>(control))
            list->setCurrentRow(row);
        keyIntoFocus(window, Qt::Key(key));
        QVERIFY(before != afterClick);
        QCOMPARE(whatIsShown(window), afterClick);
        QCOMPARE(focusOnHiddenControl(window), QString());
    }

private:
    std::unique_ptr<CountingPump> pump_;
};

TIDEWELL_TEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
