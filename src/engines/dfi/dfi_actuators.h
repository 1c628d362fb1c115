#pragma once

#include "link/panel_runs.h"

#include <QList>
#include <QObject>

class QGroupBox;
namespace ui {
class CommandButton;
class Label;
} // namespace ui
namespace unitlink {
class CylinderPanel;
class TimedTestPanel;
} // namespace unitlink

// The actuator tests of the Mercury DFI screen: the actuator panel with its
// seven selection buttons, the per-cylinder tests in the CylinderPanel and
// the timed runs in the TestRunPanel. The panels are built as children of
// the screen when it loads; Actuators opens them.
class DfiActuators : public QObject {
    Q_OBJECT
public:
    explicit DfiActuators(unitlink::ScreenHost &host);

    // Actuators: the panel with no test chosen, the ButtonBar disabled.
    void open();

    // The test chosen on the actuator panel: 0 none, 1 to 6.
    qint16 SelectedTest = 0;

private:
    void buildActuatorPanel();
    void buildCylinderPanel();

    void select(int index);
    void confirm();
    void runTimedTest();
    void cancel();
    void exitActuatorPanel();
    void backToChooseTest();
    void enableSelectionButtons(bool enabled);
    ui::CommandButton *selectionButtonOf(qint16 test) const;

    void openCylinderPanel();
    void runCylinderTest();
    void exitCylinderPanel();

    unitlink::ScreenHost &host_;
    unitlink::PanelRuns runs_;

public:
    QGroupBox *actuatorPanel;
    QList<ui::CommandButton *> selectionButtons;
    ui::Label *testNameLabel;
    ui::Label *firstTextLabel;
    ui::Label *secondTextLabel;
    ui::CommandButton *okButton;
    ui::CommandButton *exitButton;

    unitlink::TimedTestPanel *testRun;

    unitlink::CylinderPanel *cylinders;
};
