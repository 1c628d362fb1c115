#pragma once

#include <QGroupBox>

namespace unitlink {
class EngineScreen;
}

// The Live Data panel of the Mercruiser screen (placeholder: a hidden frame).
class MercruiserLivePanel : public QGroupBox {
public:
    explicit MercruiserLivePanel(unitlink::EngineScreen *screen);
    void open();
};
