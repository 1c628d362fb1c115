#pragma once

#include <QObject>

#include <QList>

class FichtScreen;
class QGroupBox;
class QLabel;
namespace ui {
class CommandButton;
class Label;
} // namespace ui

// The Actuators panel of the Evinrude Ficht screen: the fuel pump, six
// ignition coils and six fuel injectors, each test a long bar in the result
// line followed by what was activated.
class FichtActuators : public QObject {
    Q_OBJECT
public:
    explicit FichtActuators(FichtScreen *screen);

    // Actuators: the panel shown, the ButtonBar disabled.
    void open();

    QGroupBox *panel;
    QLabel *warningLabel;
    QLabel *fuelPumpHeader;
    ui::CommandButton *fuelPumpButton;
    QLabel *coilHeader;
    QList<ui::CommandButton *> coilButtons;
    QLabel *injectorHeader;
    QList<ui::CommandButton *> injectorButtons;
    ui::Label *resultLine;
    ui::CommandButton *exitButton;

private:
    // header: the group's caption before the button's, or nullptr for the
    // fuel pump; keepFocus: the focus stays on the pressed button.
    void runTest(ui::CommandButton *button, QLabel *header, bool keepFocus);
    void exitPanel();

    FichtScreen *screen_;
    // Numbers the tests: a new test or the panel's Exit ends the one running.
    int run_ = 0;
    int runningTests_ = 0;
};
