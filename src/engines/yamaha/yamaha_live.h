#pragma once

#include "link/label_live_panel.h"

#include <array>

// The Live Data panel of the Yamaha screen: nine name/value pairs that a
// run rewrites tick by tick, the intake temperatures changing with the tick,
// until the panel's Exit stops it; a second Exit closes the panel.
class YamahaLivePanel : public unitlink::LabelLivePanel {
    Q_OBJECT
public:
    explicit YamahaLivePanel(unitlink::ScreenHost &host);

    // Live Data: the panel shown, the ButtonBar disabled.
    void open();

    std::array<QLabel *, 9> names{};
    // values: nine, beside the names; R.P.M.'s, the last, stays empty.

private:
    void run() override;
};
