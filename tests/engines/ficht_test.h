#pragma once

// What the Evinrude Ficht screen's tests share: opening the screen in a
// language, pressing its buttons, reading the ButtonBar.

#include "app/errors32.h"
#include "engines/ficht/ficht_screen.h"
#include "support/test_support.h"
#include "ui/pointer.h"

#include <QApplication>

namespace fichttest {

using namespace testing;

inline const QStringList kBarNames = {"Command29", "Command19", "Command31", "Command24",
                                      "Command11", "Command3",  "Command30", "Command4",
                                      "Command2",  "Command1",  "Command20"};
// Passes of the 50-step progress display.
inline constexpr qint64 kProgress = 50 * 10001;

// Loads the screen from the menu with the language chosen, then presses the
// buttons in turn; the pump starts counting afresh afterwards.
inline FichtScreen *openScreen(CountingPump &pump, int language,
                               std::initializer_list<const char *> presses = {}) {
    return openScreenFromMenu<FichtScreen>(pump, QStringLiteral("fitob"), QStringLiteral("Form44"),
                                           language, presses);
}

// True when every button of the ButtonBar is enabled (or every one disabled).
inline bool barIs(QWidget *screen, bool enabled) {
    return allEnabledAre(screen, kBarNames, enabled);
}

// The identification values, in table order.
inline QStringList identificationValues(QWidget *screen) {
    QStringList values;
    for (int i = 0; i < 7; ++i)
        values << textOf(screen, QStringLiteral("Label2(%1)").arg(i));
    return values;
}

} // namespace fichttest
