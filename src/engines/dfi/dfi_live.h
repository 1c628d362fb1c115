#pragma once

#include "link/live_grid_panel.h"

// The Live Data panel of the Mercury DFI screen: nineteen parameters in the
// six-column grid, refreshed tick by tick by its start button until the
// panel's Exit stops the run; a second Exit closes the panel. Opening it
// leaves the ButtonBar enabled and the focus where it was; another function
// of the bar, or leaving the screen, stops a run.
class DfiLivePanel : public unitlink::LiveGridPanel {
    Q_OBJECT
public:
    explicit DfiLivePanel(unitlink::ScreenHost &host);

    // Live Data: names and units in the grid, an empty run bar, the panel shown.
    void open();

private:
    void run() override;
};
