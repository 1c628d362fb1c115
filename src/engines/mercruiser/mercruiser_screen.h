#pragma once

#include "engines/mercruiser/mercruiser_tables.h"
#include "link/engine_screen.h"

#include <array>

class LoadedWindow;
class MercruiserActuatorPanel;
class MercruiserIdleAirPanel;
class MercruiserLivePanel;
class MercruiserLocationPanel;
class MercruiserTachometerPanel;
class QListWidgetItem;
class QRadioButton;
namespace ui {
class Grid;
}

// Loads the Mercruiser PCM/ECM555 screen (Form47).
LoadedWindow *createMercruiserScreen();

// The Mercruiser PCM/ECM555 screen: Connect, Engine Info (System, R.P.M. and
// Log Info), Diagnosis with the fault explanations, the freeze-frame record
// of Historic and the erase options. Live data and the actuator tests are
// panels of their own that this screen creates and opens.
class MercruiserScreen : public unitlink::EngineScreen {
    Q_OBJECT
public:
    MercruiserScreen();

    // 1 once Engine Info, Erase Faults or Historic has been used: fault
    // lines no longer open their explanation until the screen is reloaded.
    qint16 DetailLock = 0;
    // Slots 1 to 6: explanation lines; 7 to 12: root causes.
    std::array<QString, mercruiser::kFaultTextSlots> FaultTextSlots;

    // InfoPanel (Engine Info) and InfoResultPanel.
    QGroupBox *infoPanel;
    std::array<QRadioButton *, 3> infoOptions;
    ui::CommandButton *infoReadButton;
    ui::CommandButton *infoExitButton;
    QGroupBox *infoResultPanel;
    QListWidget *infoResultList;
    ui::Grid *rpmGrid;
    ui::CommandButton *infoReportButton;
    ui::CommandButton *infoResultExitButton;

    // FaultPanel (a clicked fault line).
    QGroupBox *faultPanel;
    QLabel *explanationHeading;
    QLabel *explanationLabel;
    QLabel *rootCauseHeading;
    QLabel *rootCauseLabel;
    QLabel *noteHeading;
    QLabel *noteLabel;
    ui::CommandButton *faultExitButton;

    // ErasePanel (Erase Faults).
    QGroupBox *erasePanel;
    std::array<QRadioButton *, 3> eraseOptions;
    ui::CommandButton *eraseOkButton;
    ui::CommandButton *eraseExitButton;

    MercruiserLivePanel *livePanel;
    // The actuator tests: the ActuatorPanel opens the others in its place.
    MercruiserActuatorPanel *actuatorPanel;
    MercruiserIdleAirPanel *idleAirPanel;
    MercruiserTachometerPanel *tachometerPanel;
    MercruiserLocationPanel *locationPanel;

protected:
    QStringList identificationLines() const override;

private:
    void buildInfoPanels();
    void buildFaultPanel();
    void buildErasePanel();
    void buildActuatorPanels();

    // Engine Info.
    void openEngineInfo();
    void readEngineInfo();
    void showSystemInfo();
    void readRpmInfo();
    void readLogInfo();
    enum class Reading { List, Grid };
    void showInfoResult(Reading reading, bool report);
    void closeInfoResult();

    // Faults.
    void diagnose();
    void openFaultDetail(QListWidgetItem *item);
    void closeFaultDetail();
    void readHistoric();
    void openErase();
    void eraseSelected();

    bool faultPanelTookBar_ = false;
};
