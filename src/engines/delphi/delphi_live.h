#pragma once

#include "link/live_grid_panel.h"

// The Live Data panel of the GM Delphi screen: twelve readings and eleven
// switch states in the six-column grid. Opening it clears the stored fault
// and disables the ButtonBar; its start button repeats a 170-step run until
// the panel's Exit stops it, and a second Exit closes the panel.
class DelphiLivePanel : public unitlink::LiveGridPanel {
    Q_OBJECT
public:
    explicit DelphiLivePanel(unitlink::ScreenHost &host);

    // Live Data: names, units and switch states in the grid, values empty.
    void open();

private:
    void run() override;
};
