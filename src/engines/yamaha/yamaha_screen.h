#pragma once

#include "link/engine_screen.h"

#include <array>
#include <functional>

class LoadedWindow;
class QLabel;
class YamahaActuators;
class YamahaLivePanel;

// Loads the Yamaha screen (Form5).
LoadedWindow *createYamahaScreen();

// The Yamaha outboard screen: Connect lists the identification lines,
// Engine Info shows the engine's hours by speed band beside the ButtonBar
// (which stays usable), Diagnosis lists the one stored fault and Erase
// Faults clears it until the next Connect. Live Data and the actuator tests
// are panels of their own that hold the ButtonBar disabled while open.
class YamahaScreen : public unitlink::EngineScreen {
    Q_OBJECT
public:
    YamahaScreen();

    // Runs before each step of Connect that follows the progress display
    // (3 to 6); whatever it throws ends Connect on the no-communication
    // message. Empty: the link never fails.
    std::function<void(int step)> connectStepCheck;

    // The engine-hours panel.
    QGroupBox *hoursPanel;
    QLabel *ecmLabel;
    QLabel *modelLabel;
    std::array<QLabel *, 5> hoursCaptions{}; // four speed bands, then the total
    std::array<QLabel *, 5> hoursValues{};
    ui::CommandButton *hoursExitButton;

    // Panels that no button of this screen shows.
    QGroupBox *helpPanel;
    QGroupBox *vehiclePanel;

    YamahaLivePanel *livePanel;
    YamahaActuators *actuators;

    // Hides the engine-hours panel and empties what it showed.
    void closeHoursPanel();

protected:
    bool connectStepAnswers(unitlink::ConnectStep step) override;
    // The identification alone: no bars follow the progress.
    void showIdentification() override { showIdentificationLines(); }
    QStringList identificationLines() const override;
    QString identificationCaption() const override;

private:
    void buildHoursPanel();
    void buildUnshownPanels();
    void showEngineInfo();
    void diagnose();
    void eraseFaults();
};
