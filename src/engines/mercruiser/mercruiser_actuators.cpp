#include "engines/mercruiser/mercruiser_actuators.h"

#include "link/engine_screen.h"

MercruiserActuators::MercruiserActuators(unitlink::EngineScreen *screen) : QObject(screen) {}

void MercruiserActuators::open() {}
