#pragma once

#include <QGroupBox>

class QLabel;
namespace ui {
class CommandButton;
class Grid;
} // namespace ui
namespace unitlink {
class EngineScreen;
}

// The Live Data panel of the Mercruiser screen: 23 parameters in a grid,
// refreshed step by step by Read Data until the panel's Exit stops the run;
// a second Exit closes the panel. The panel leaves the ButtonBar enabled;
// starting another function of the bar, or leaving the screen, stops a run.
class MercruiserLivePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit MercruiserLivePanel(unitlink::EngineScreen *screen);

    // Live Data: names and units in the grid, an empty step label, the panel shown.
    void open();

    ui::Grid *grid;
    QLabel *stepLabel;
    ui::CommandButton *readButton;
    ui::CommandButton *exitButton;

private:
    void readData();
    void exitPanel();
    void writeValues(int step, bool leftBlock);

    unitlink::EngineScreen *screen_;
};
