#pragma once

#include "link/activation_panel.h"

// The Actuators panel of the Yamaha screen: four injectors, four ignition
// coils, the stepping motor and the fuel pump, each test a bar in the
// result line followed by what was activated. A test started during another
// runs inside it and ends first.
class YamahaActuators : public unitlink::ActivationPanel {
    Q_OBJECT
public:
    explicit YamahaActuators(unitlink::ScreenHost &host);

    QLabel *injectorHeader;
    QList<ui::CommandButton *> injectorButtons;
    QLabel *coilHeader;
    QList<ui::CommandButton *> coilButtons;
    ui::CommandButton *steppingMotorButton;
    ui::CommandButton *fuelPumpButton;
};
