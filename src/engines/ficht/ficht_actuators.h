#pragma once

#include "link/activation_panel.h"

// The Actuators panel of the Evinrude Ficht screen: the fuel pump, six
// ignition coils and six fuel injectors, each test a long bar in the result
// line followed by what was activated. A test pressed during another takes
// the result line over.
class FichtActuators : public unitlink::ActivationPanel {
    Q_OBJECT
public:
    explicit FichtActuators(unitlink::ScreenHost &host);

    QLabel *fuelPumpHeader;
    ui::CommandButton *fuelPumpButton;
    QLabel *coilHeader;
    QList<ui::CommandButton *> coilButtons;
    QLabel *injectorHeader;
    QList<ui::CommandButton *> injectorButtons;
};
