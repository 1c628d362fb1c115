#pragma once

// What the Mercury DFI screen's tests share: opening the screen in a
// language, pressing its buttons, reading the ButtonBar.

#include "app/errors32.h"
#include "engines/dfi/dfi_screen.h"
#include "support/test_support.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QApplication>
#include <QRadioButton>

namespace dfitest {

using namespace testing;

inline const QStringList kBarNames = {"Command29", "Command19", "Command31", "Command24",
                                      "Command11", "Command3",  "Command30", "Command4",
                                      "Command2",  "Command1",  "Command20"};
// Passes of a 25-step progress display.
inline constexpr qint64 kProgress = 25 * 10001;

// Loads the screen from the menu with the language chosen, then presses the
// buttons in turn; the pump starts counting afresh afterwards.
inline DfiScreen *openScreen(CountingPump &pump, int language,
                             std::initializer_list<const char *> presses = {}) {
    return openScreenFromMenu<DfiScreen>(pump, QStringLiteral("dfi"), QStringLiteral("Form46"),
                                         language, presses);
}

inline bool barIs(QWidget *screen, bool enabled) {
    return allEnabledAre(screen, kBarNames, enabled);
}

// The cells of a grid's column, from row `from` to row `to`.
inline QStringList columnOf(QWidget *screen, const QString &grid, int col, int from, int to) {
    QStringList cells;
    if (auto *g = find<ui::Grid>(screen, grid))
        for (int row = from; row <= to; ++row)
            cells << g->cell(row, col);
    return cells;
}

// Where a control lies in its panel, in twips.
inline QPoint twipsAt(QWidget *screen, const QString &name) {
    QWidget *control = find<QWidget>(screen, name);
    return control ? control->pos() * ui::kTwipsPerPixel : QPoint();
}

} // namespace dfitest
