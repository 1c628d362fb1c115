#pragma once

#include "link/live_grid_panel.h"

// The Live Data panel of the Mercruiser screen: 23 parameters in a grid,
// refreshed step by step by Read Data until the panel's Exit stops the run;
// a second Exit closes the panel. The panel leaves the ButtonBar enabled;
// starting another function of the bar, or leaving the screen, stops a run.
class MercruiserLivePanel : public unitlink::LiveGridPanel {
    Q_OBJECT
public:
    explicit MercruiserLivePanel(unitlink::ScreenHost &host);

    // Live Data: names and units in the grid, an empty step label, the panel
    // shown with the focus on its Exit.
    void open();

    ui::CommandButton *readButton;

private:
    void run() override;
};
