#pragma once

#include "link/run_tickets.h"
#include "link/screen_host.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

class QGroupBox;
class QLabel;
namespace ui {
class CommandButton;
class Label;
} // namespace ui

namespace unitlink {

// An Actuators panel of buttons that each activate one part: over the
// screen's width, captioned Actuators, the engine-off warning at the top, a
// result line and Exit at the bottom. A test fills the result line with
// "I", one a counted wait, then says what it activated. The screen lays out
// its groups of buttons and says what a second test does to a running one.
class ActivationPanel : public QObject {
    Q_OBJECT
public:
    enum class SecondTest {
        TakesOver,  // the running test ends; the pointer is the arrow at the end
        RunsInside, // the running test goes on after it; busy until the last ends
    };
    struct Run {
        int steps;
        int wait; // passes of each counted wait
        SecondTest secondTest;
    };
    ActivationPanel(ScreenHost &host, const Run &run);

    // The panel shown, the ButtonBar disabled, the focus on Exit.
    void open();

    QGroupBox *panel;
    QLabel *warningLabel;
    ui::Label *resultLine;
    ui::CommandButton *exitButton;

protected:
    static constexpr int kLeft = 240;
    static constexpr int kButtonHeight = 420;

    QLabel *addHeader(const char *name, const QString &caption, int top);
    ui::CommandButton *addButton(const char *name, const QString &caption, int left, int top);
    // Buttons "1" to "N" in a row; a number alone says little to a screen
    // reader, so each also tells its group.
    template <std::size_t N>
    QList<ui::CommandButton *> addNumberRow(const std::array<const char *, N> &names, int top,
                                            const QString &group) {
        return addNumberRow(names.data(), int(N), top, group);
    }
    void placeResultLine(int top, int height);
    // The test of `button`, said as "<header> <caption>: activated" (the
    // caption alone without a header); `focusExit`: Exit takes the focus at
    // the end.
    void connectTest(ui::CommandButton *button, QLabel *header, bool focusExit);

private:
    QList<ui::CommandButton *> addNumberRow(const char *const *names, int count, int top,
                                            const QString &group);
    void runTest(ui::CommandButton *button, QLabel *header, bool focusExit);
    void exitPanel();

    ScreenHost &host_;
    Run run_;
    // Numbers the runs: the panel's Exit ends every test running, and with
    // TakesOver so does a new test.
    RunTickets tests_;
    int insideTests_ = 0;
    int runningTests_ = 0;
};

} // namespace unitlink
