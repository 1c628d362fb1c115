#pragma once

#include <QObject>

#include <QList>

class QGroupBox;
class QLabel;
class YamahaScreen;
namespace ui {
class CommandButton;
class Label;
} // namespace ui

// The Actuators panel of the Yamaha screen: four injectors, four ignition
// coils, the stepping motor and the fuel pump, each test a bar in the
// result line followed by what was activated.
class YamahaActuators : public QObject {
    Q_OBJECT
public:
    explicit YamahaActuators(YamahaScreen *screen);

    // Actuators: the panel shown, the ButtonBar disabled.
    void open();

    QGroupBox *panel;
    QLabel *warningLabel;
    QLabel *injectorHeader;
    QList<ui::CommandButton *> injectorButtons;
    QLabel *coilHeader;
    QList<ui::CommandButton *> coilButtons;
    ui::CommandButton *steppingMotorButton;
    ui::CommandButton *fuelPumpButton;
    ui::Label *resultLine;
    ui::CommandButton *exitButton;

private:
    // header: the group's caption before the button's, or nullptr;
    // focusExit: the panel's Exit takes the focus at the end.
    void runTest(ui::CommandButton *button, QLabel *header, bool focusExit);
    void exitPanel();

    YamahaScreen *screen_;
    // The panel's Exit ends every test running; a test started during
    // another runs inside it and ends first.
    int generation_ = 0;
    int runningTests_ = 0;
};
