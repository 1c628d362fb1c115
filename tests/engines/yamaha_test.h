#pragma once

// What the Yamaha screen's tests share: opening the screen in a language,
// pressing its buttons, reading the ButtonBar.

#include "app/errors32.h"
#include "engines/yamaha/yamaha_screen.h"
#include "support/test_support.h"
#include "ui/pointer.h"

#include <QApplication>

namespace yamahatest {

using namespace testing;

// The nine buttons EnableButtonBar and DisableButtonBar walk.
inline const QStringList kBarNames = {"Command29", "Command31", "Command11",
                                      "Command3",  "Command30", "Command4",
                                      "Command2",  "Command1",  "Command20"};
// Passes of the 50-step progress display.
inline constexpr qint64 kProgress = 50 * 10001;
inline const QString kBlank = QStringLiteral(" ");

// Loads the screen from the menu with the language chosen, then presses the
// buttons in turn; the pump starts counting afresh afterwards.
inline YamahaScreen *openScreen(CountingPump &pump, int language,
                                std::initializer_list<const char *> presses = {}) {
    return openScreenFromMenu<YamahaScreen>(pump, QStringLiteral("yamob"), QStringLiteral("Form5"),
                                            language, presses);
}

// True when every button of the ButtonBar is enabled (or every one disabled).
inline bool barIs(QWidget *screen, bool enabled) {
    return allEnabledAre(screen, kBarNames, enabled);
}

} // namespace yamahatest
