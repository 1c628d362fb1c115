#pragma once

// What the GM Delphi screen's tests share: opening the screen in a
// language, pressing its buttons, reading the ButtonBar.

#include "app/errors32.h"
#include "engines/delphi/delphi_screen.h"
#include "support/test_support.h"

namespace delphitest {

using namespace testing;

inline const QStringList kBarNames = {"Command29", "Command19", "Command31", "Command11",
                                      "Command3",  "Command30", "Command4",  "Command2",
                                      "Command1",  "Command20"};
// Passes of a 25-step progress display, of one step of Live Data and of a
// whole output test.
inline constexpr qint64 kProgress = 25 * 10001;
inline constexpr qint64 kStepPasses = 601;
inline constexpr qint64 kTestPasses = 1001 + 6 + 15 * 12;

// Loads the screen from the menu with the language chosen, then presses the
// buttons in turn; the pump starts counting afresh afterwards.
inline DelphiScreen *openScreen(CountingPump &pump, int language,
                                std::initializer_list<const char *> presses = {}) {
    return openScreenFromMenu<DelphiScreen>(pump, QStringLiteral("gm2"), QStringLiteral("Form45"),
                                            language, presses);
}

// The enabled buttons of the ButtonBar, in its order.
inline QStringList enabledOfBar(QWidget *screen) {
    QStringList enabled;
    for (const QString &name : kBarNames)
        if (isEnabled(screen, name))
            enabled << name;
    return enabled;
}

// True when every button of the ButtonBar is enabled (or every one disabled).
inline bool barIs(QWidget *screen, bool enabled) {
    return allEnabledAre(screen, kBarNames, enabled);
}

} // namespace delphitest
