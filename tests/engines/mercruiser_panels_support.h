#pragma once

// Opening the Mercruiser screen for the tests of its live data and actuator
// panels, and the names of its ButtonBar.

#include "link/engine_screen.h"
#include "support/test_support.h"

namespace mercruiser_panels {

// Every button of the ButtonBar, in the order EnableButtonBar walks them.
inline const QStringList kBarNames = {"Command29", "Command19", "Command31", "Command24",
                                      "Command11", "Command3",  "Command30", "Command4",
                                      "Command2",  "Command1",  "Command20"};
// The passes of a progress display of 25 steps.
inline constexpr qint64 kProgressPasses = 25 * 10001;

// Loads the screen from the main window's menu in `language` and connects.
// The pump's count starts afresh once the screen is connected.
inline unitlink::EngineScreen *openConnected(testing::CountingPump &pump, int language = 2) {
    testing::useLanguage(language);
    testing::chooseMenu(QStringLiteral("ep2"));
    auto *screen =
        qobject_cast<unitlink::EngineScreen *>(testing::loaded(QStringLiteral("Form47")));
    if (screen)
        testing::press(screen, QStringLiteral("Command29"));
    pump.reset();
    return screen;
}

inline bool barIs(QWidget *screen, bool enabled) {
    for (const QString &name : kBarNames)
        if (testing::isEnabled(screen, name) != enabled)
            return false;
    return true;
}

} // namespace mercruiser_panels
