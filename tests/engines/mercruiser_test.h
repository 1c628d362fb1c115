#pragma once

// What the Mercruiser screen's tests share: opening the screen in a
// language, pressing its buttons, reading the ButtonBar.

#include "app/errors32.h"
#include "engines/mercruiser/mercruiser_screen.h"
#include "support/test_support.h"
#include "ui/controls.h"
#include "ui/pointer.h"

#include <QApplication>
#include <QRadioButton>

namespace mercruisertest {

using namespace testing;

inline const QStringList kBarNames = {"Command29", "Command19", "Command31", "Command24",
                                      "Command11", "Command3",  "Command30", "Command4",
                                      "Command2",  "Command1",  "Command20"};
// Passes of a 25-step progress display.
inline constexpr qint64 kProgress = 25 * 10001;

// Loads the screen from the menu with the language chosen, then presses the
// buttons in turn; the pump starts counting afresh afterwards.
inline MercruiserScreen *openScreen(CountingPump &pump, int language,
                                    std::initializer_list<const char *> presses = {}) {
    return openScreenFromMenu<MercruiserScreen>(pump, QStringLiteral("ep2"),
                                                QStringLiteral("Form47"), language, presses);
}

// True when every button of the ButtonBar is enabled (or every one disabled).
inline bool barIs(QWidget *screen, bool enabled) {
    return allEnabledAre(screen, kBarNames, enabled);
}

inline bool isChecked(QWidget *screen, const QString &name) {
    auto *option = find<QRadioButton>(screen, name);
    return option && option->isChecked();
}

// Engine Info, then the option, then Read.
inline void readInfo(QWidget *screen, int option) {
    press(screen, "Command20");
    chooseOption(screen, ui::indexedName("Option1", option));
    press(screen, "Command21");
}

} // namespace mercruisertest
