#pragma once

#include "link/live_grid_panel.h"

class DelphiScreen;

// The Live Data panel of the GM Delphi screen: twelve readings and eleven
// switch states in the six-column grid. Opening it clears the stored fault
// and disables the ButtonBar; its start button repeats a 170-step run until
// the panel's Exit stops it, and a second Exit closes the panel.
class DelphiLivePanel : public unitlink::LiveGridPanel {
    Q_OBJECT
public:
    explicit DelphiLivePanel(DelphiScreen *screen);

    // Live Data: names, units and switch states in the grid, values empty.
    void open();

private:
    void run();
    void exitPanel();

    DelphiScreen *delphi_;
    // Counts the closings: a run that ends after its panel closed leaves it as it is.
    int closings_ = 0;
};
