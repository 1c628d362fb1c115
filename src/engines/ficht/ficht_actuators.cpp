#include "engines/ficht/ficht_actuators.h"

#include "app/errors32.h"
#include "engines/ficht/ficht_tables.h"

using namespace ficht;

namespace {
constexpr int kTestWait = 19000;
} // namespace

FichtActuators::FichtActuators(unitlink::ScreenHost &host)
    : ActivationPanel(host, {kTestSteps, kTestWait, SecondTest::TakesOver}) {
    fuelPumpHeader = addHeader("Label55", ERRORS32::CapFuelPump, 840);
    fuelPumpButton = addButton("Command17", ERRORS32::CapFuelPump, kLeft, 1140);
    coilHeader = addHeader("Label16", ERRORS32::CapIgnitionCoil, 1800);
    coilButtons = addNumberRow(kCoilButtonNames, 2100, ERRORS32::CapIgnitionCoil);
    injectorHeader = addHeader("Label11", ERRORS32::CapFuelInjectors, 2760);
    injectorButtons = addNumberRow(kInjectorButtonNames, 3060, ERRORS32::CapFuelInjectors);
    placeResultLine(3660, 540);

    // An injector's button keeps the focus at the end; the others give it to Exit.
    connectTest(fuelPumpButton, nullptr, true);
    for (ui::CommandButton *button : std::as_const(coilButtons))
        connectTest(button, coilHeader, true);
    for (ui::CommandButton *button : std::as_const(injectorButtons))
        connectTest(button, injectorHeader, false);
}
