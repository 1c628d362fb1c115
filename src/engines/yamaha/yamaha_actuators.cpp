#include "engines/yamaha/yamaha_actuators.h"

#include "app/errors32.h"
#include "engines/yamaha/yamaha_tables.h"

using namespace yamaha;

YamahaActuators::YamahaActuators(unitlink::ScreenHost &host)
    : ActivationPanel(host, {kTestSteps, kTestWait, SecondTest::RunsInside}) {
    injectorHeader = addHeader("Label11", ERRORS32::CapFuelInjectors, 840);
    injectorButtons = addNumberRow(kInjectorButtonNames, 1140, ERRORS32::CapFuelInjectors);
    coilHeader = addHeader("Label16", ERRORS32::CapIgnitionCoil, 1740);
    coilButtons = addNumberRow(kCoilButtonNames, 2040, ERRORS32::CapIgnitionCoil);
    steppingMotorButton = addButton("Command14", ERRORS32::CapSteppingMotor, kLeft, 2700);
    fuelPumpButton = addButton("Command17", ERRORS32::CapFuelPump, kLeft + 3120, 2700);
    placeResultLine(3300, 840);

    // The number buttons keep the focus at the end; the other two give it to Exit.
    for (ui::CommandButton *button : std::as_const(injectorButtons))
        connectTest(button, injectorHeader, false);
    for (ui::CommandButton *button : std::as_const(coilButtons))
        connectTest(button, coilHeader, false);
    connectTest(steppingMotorButton, nullptr, true);
    connectTest(fuelPumpButton, nullptr, true);
}
