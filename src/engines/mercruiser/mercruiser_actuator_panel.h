#pragma once

#include "engines/mercruiser/mercruiser_actuator_tables.h"
#include "link/panel_runs.h"

#include <QList>
#include <QObject>

class QGroupBox;
class QLabel;
namespace ui {
class CommandButton;
} // namespace ui
namespace unitlink {
class CylinderPanel;
class TimedTestPanel;
} // namespace unitlink

// The ActuatorPanel of the Mercruiser screen: seven test buttons, the chosen
// test's instruction and warning, Start and Exit. The fuel-pump and buzzer
// tests run in its PerformingTestPanel, the injector and coil tests in the
// CylinderPanel it drives. The engine location, the tachometer and the
// idle-air test have panels of their own: this one only asks for them.
class MercruiserActuatorPanel : public QObject {
    Q_OBJECT
public:
    explicit MercruiserActuatorPanel(unitlink::ScreenHost &host);

    // Actuators: the ActuatorPanel with no test chosen, the ButtonBar disabled.
    void open();
    // A test panel opened from here takes the ActuatorPanel's place.
    void giveWay();
    // Every Exit out of the actuator tests hides the ActuatorPanel and
    // empties the cylinder result line.
    void close();
    void clearWarning();

signals:
    void locationChosen();
    void tachometerChosen();
    void idleAirStarted();

private:
    void buildActuatorPanel();
    void buildCylinderPanel();

    void chooseTest(int index);
    void start();
    void runTimedTest();
    void cancel();
    void exitActuatorPanel();
    void enableTestButtons(bool enabled);
    void backToChooseTest();
    ui::CommandButton *buttonOf(mercruiser::TestCode code) const;

    void openCylinderPanel();
    void runCylinderTest();
    void exitCylinderPanel();

    unitlink::ScreenHost &host_;
    mercruiser::TestCode testCode_ = mercruiser::kNoTest;
    // The runs of the timed and cylinder tests.
    unitlink::PanelRuns runs_;

    QGroupBox *actuatorPanel_;
    QLabel *titleLabel_;
    QLabel *instructionLabel_;
    QLabel *warningLabel_;
    QList<ui::CommandButton *> testButtons_;
    ui::CommandButton *startButton_;
    ui::CommandButton *exitButton_;

    unitlink::TimedTestPanel *performing_;

    unitlink::CylinderPanel *cylinders_;
};
