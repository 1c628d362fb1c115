#pragma once

#include <QObject>

namespace unitlink {
class EngineScreen;
}

// The actuator tests of the Mercruiser screen (placeholder: no panels yet).
class MercruiserActuators : public QObject {
public:
    explicit MercruiserActuators(unitlink::EngineScreen *screen);
    void open();
};
