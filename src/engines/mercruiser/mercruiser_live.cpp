#include "engines/mercruiser/mercruiser_live.h"

#include "link/engine_screen.h"

MercruiserLivePanel::MercruiserLivePanel(unitlink::EngineScreen *screen) : QGroupBox(screen) {
    hide();
}

void MercruiserLivePanel::open() {}
