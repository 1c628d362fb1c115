#pragma once

#include "engines/mercruiser/mercruiser_actuator_tables.h"
#include "link/panel_runs.h"

#include <QList>
#include <QObject>

class QComboBox;
class QGroupBox;
class QLabel;
class QSlider;
namespace ui {
class CommandButton;
class Picture;
} // namespace ui
namespace unitlink {
class CylinderPanel;
} // namespace unitlink

// The actuator tests of the Mercruiser screen: the ActuatorPanel with its
// seven test buttons, the timed fuel-pump and buzzer tests in the
// PerformingTestPanel, the injector and coil tests in the CylinderPanel, the
// idle-air test, the tachometer output and the engine location. The panels
// are built as children of the screen when it loads; Actuators opens them.
class MercruiserActuators : public QObject {
    Q_OBJECT
public:
    explicit MercruiserActuators(unitlink::ScreenHost &host);

    // Actuators: the ActuatorPanel with no test chosen, the ButtonBar disabled.
    void open();

private:
    void buildActuatorPanel();
    void buildCylinderPanel();
    void buildIdleAirPanel();
    void buildTachometerPanel();
    void buildLocationPanel();

    // ActuatorPanel.
    void chooseTest(int index);
    void start();
    void runTimedTest();
    void cancel();
    void exitActuatorPanel();
    void enableTestButtons(bool enabled);
    void backToChooseTest();
    ui::CommandButton *buttonOf(mercruiser::TestCode code) const;

    // CylinderPanel.
    void openCylinderPanel();
    void runCylinderTest();
    void exitCylinderPanel();

    // IdleAirPanel.
    void openIdleAirPanel();
    void idleAirUp();
    void idleAirDown();
    void showIdleAirStep(QLabel *side);
    void exitIdleAirPanel();

    // TachometerPanel.
    void openTachometerPanel();
    void tachometerPlus();
    void tachometerMinus();
    void showTachometerValue();
    void exitTachometerPanel();

    // EngineLocationPanel.
    void openLocationPanel();
    void setLocation();
    void exitLocationPanel();

    unitlink::ScreenHost &host_;
    mercruiser::TestCode testCode_ = mercruiser::kNoTest;
    // The runs of the timed and cylinder tests.
    unitlink::PanelRuns runs_;
    int idleAirStep_ = 0;
    // An opening of the location panel gives way to a newer one.
    unitlink::RunTickets locationOpenings_;
    // Engine-location texts chosen at load.
    QString currentLocationText_;
    QString availableLocationsText_;
    QString setNewLocationText_;
    QString ignitionWarningText_;

    QGroupBox *actuatorPanel_;
    QLabel *titleLabel_;
    QLabel *instructionLabel_;
    QLabel *warningLabel_;
    QList<ui::CommandButton *> testButtons_;
    ui::CommandButton *startButton_;
    ui::CommandButton *exitButton_;

    QGroupBox *performingPanel_;
    QLabel *progressLabel_;
    ui::CommandButton *cancelButton_;

    unitlink::CylinderPanel *cylinders_;

    QGroupBox *idleAirPanel_;
    ui::Picture *upArrow_;
    ui::Picture *downArrow_;
    QLabel *positiveLabel_;
    QLabel *negativeLabel_;
    QLabel *idleAirRpmLabel_;
    ui::CommandButton *idleAirExitButton_;

    QGroupBox *tachometerPanel_;
    QSlider *slider_;
    ui::CommandButton *plusButton_;
    ui::CommandButton *minusButton_;
    QLabel *tachometerRpmLabel_;
    ui::CommandButton *tachometerExitButton_;

    QGroupBox *locationPanel_;
    QLabel *locationCaptionLabel_;
    QComboBox *locationCombo_;
    QLabel *locationStatusLabel_;
    QLabel *locationWarningLabel_;
    ui::CommandButton *setButton_;
    ui::CommandButton *locationExitButton_;
};
