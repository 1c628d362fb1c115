#pragma once

#include "link/label_live_panel.h"

// The Live Data panel of the Evinrude Ficht screen: four blocks of sensor
// readings that a run rewrites step by step, three of them changing with
// the step, until the panel's Exit stops it; a second Exit closes the panel.
class FichtLivePanel : public unitlink::LabelLivePanel {
    Q_OBJECT
public:
    explicit FichtLivePanel(unitlink::ScreenHost &host);

    // Live Data: captions and headers, empty values, the ButtonBar disabled.
    void open();

    // values: the 24 value cells, block by block.
    QLabel *ecuVolts;
    QLabel *alternatorVolts;
    QLabel *baroPressure;

private:
    void run() override;

    // What each value cell shows when a run starts.
    QList<const char *> startTexts_;
};
