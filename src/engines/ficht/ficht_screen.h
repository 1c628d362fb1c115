#pragma once

#include "engines/ficht/ficht_tables.h"
#include "link/engine_screen.h"

#include <array>

class FichtActuators;
class FichtLivePanel;
class FichtOperatingInfo;
class FichtService;
class LoadedWindow;
class QLabel;

// Loads the OutBoard Fitch screen (Form44).
LoadedWindow *createFichtScreen();

// The Evinrude Ficht screen: Connect fills the identification panel's
// caption/value pairs, Diagnosis lists the one stored fault, Erase Faults
// clears it until the next Connect. Service, Engine Info, Live Data and the
// actuator tests are panels of their own that this screen creates and opens;
// each holds the ButtonBar disabled while it is open.
class FichtScreen : public unitlink::EngineScreen {
    Q_OBJECT
public:
    FichtScreen();

    // The identification panel's values, in table order.
    std::array<QLabel *, ficht::kIdentificationFields.size()> identificationValues{};
    // The engine's total hours as the screen shows them.
    QLabel *hoursValue() const { return identificationValues[ficht::kHoursField]; }

    FichtService *service;
    FichtOperatingInfo *operatingInfo;
    FichtLivePanel *livePanel;
    FichtActuators *actuators;

protected:
    void clearForConnect() override;
    void showIdentification() override;

private:
    void buildIdentificationFields();
    void diagnose();
    void eraseFaults();
};
