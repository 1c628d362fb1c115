#pragma once

#include "link/engine_screen.h"

#include <array>

class DfiActuators;
class DfiLivePanel;
class LoadedWindow;
class QRadioButton;
namespace ui {
class Grid;
class Label;
class TextBox;
} // namespace ui

// Loads the Mercury Dfi 135/150 1998-2000 screen (Form46).
LoadedWindow *createDfiScreen();

// The Mercury DFI 135/150 screen: Connect, Engine Info (System and R.P.M.
// Info), Diagnosis, Erase Faults, the fault counters of Historic, the help
// panel and the vehicle data asked by Save and Report.
class DfiScreen : public unitlink::EngineScreen {
    Q_OBJECT
public:
    DfiScreen();

    // InfoChoicePanel (Engine Info).
    QGroupBox *infoChoicePanel;
    std::array<QRadioButton *, 2> infoOptions;
    ui::CommandButton *infoReadButton;
    ui::CommandButton *infoChoiceExitButton;
    // InfoResultPanel: System Info's list or R.P.M. Info's grid.
    QGroupBox *infoResultPanel;
    QListWidget *infoList;
    ui::Grid *rpmGrid;
    ui::CommandButton *infoEraseButton;
    ui::CommandButton *infoResultExitButton;
    QLabel *infoNoteLabel;

    // HistoricPanel.
    QGroupBox *historicPanel;
    ui::Grid *historicGrid;
    ui::CommandButton *historicExitButton;

    // HelpPanel.
    QGroupBox *helpPanel;
    QLabel *helpLabel;
    ui::CommandButton *helpExitButton;

    // VehicleDataPanel (Save and Report).
    QGroupBox *vehiclePanel;
    std::array<ui::TextBox *, 4> vehicleBoxes; // model, plate, owner, note
    std::array<QLabel *, 4> vehicleLabels;

    DfiLivePanel *livePanel;
    DfiActuators *actuators;

protected:
    QStringList identificationLines() const override;
    QString identificationCaption() const override;

private:
    void buildInfoPanels();
    void buildHistoricPanel();
    void buildHelpPanel();
    void buildVehiclePanel();

    void diagnose();
    void eraseFaults();
    void openEngineInfo();
    void readEngineInfo();
    void showSystemInfo();
    void readRpmInfo();
    void closeInfoResult();
    void readHistoric();
    void closeHistoric();
    void openVehicleData();
    void vehicleEnter(int box);
    void vehicleEscape(int box);
    void closeVehicleData(bool emptyAll);
};
