#pragma once

#include <QObject>

#include <array>

class FichtScreen;
class QGroupBox;
class QLabel;
namespace ui {
class CommandButton;
class Label;
class TextBox;
} // namespace ui

// The Service panel of the Evinrude Ficht screen: replacing the control
// unit (read the old unit's data, fit the new one, write the data) and
// changing the engine's total hours, each a timed bar in the status line
// followed by instruction texts.
class FichtService : public QObject {
    Q_OBJECT
public:
    explicit FichtService(FichtScreen *screen);

    // Service: empty messages, the current hours in the Actual box.
    void open();

    QGroupBox *panel;
    ui::Label *firstMessage;
    ui::Label *secondMessage;
    ui::CommandButton *replaceEcuButton;
    ui::CommandButton *readDataButton;
    ui::CommandButton *saveDataButton;
    ui::CommandButton *changeHoursButton;
    ui::TextBox *actualBox;
    ui::TextBox *newBox;
    ui::Label *statusLine;
    ui::CommandButton *exitButton;

private:
    void replaceEcu();
    void readData();
    void saveData();
    void changeTotalHours();
    void enterNewHours();
    void exitPanel();
    // The 50-step bar of the status line. False when it was cut short: the
    // panel closed, another bar started, or the screen was unloaded.
    bool serviceBar();

    FichtScreen *screen_;
    // Numbers the bars: a new bar or the panel's Exit ends the one running.
    int run_ = 0;
    int runningBars_ = 0;
};

// The Engine Operating Info panel: hours per engine-speed band, injector
// serial numbers and a sensor snapshot, written each time it opens.
class FichtOperatingInfo : public QObject {
    Q_OBJECT
public:
    explicit FichtOperatingInfo(FichtScreen *screen);

    void open();

    QGroupBox *panel;
    std::array<QLabel *, 10> bandValues{};
    std::array<QLabel *, 6> injectorValues{};
    std::array<QLabel *, 9> snapshotValues{};
    ui::CommandButton *exitButton;

private:
    void exitPanel();

    FichtScreen *screen_;
};
