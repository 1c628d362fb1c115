#pragma once

// The canned live data of the Mercruiser PCM/ECM555 screen: 23 engine
// parameters in two blocks of the grid. A few of them switch between two
// values with the position of the step counter in its cycle. Texts are UTF-8.

#include "app/language_text.h"

#include <QString>

#include <array>

namespace mercruiser {

// One parameter. It shows `value`, and `inner` while the step lies between
// `from` and `to` (both included); `from` 0 means it never switches.
struct LiveParameter {
    LanguageText name;
    LanguageText unit;
    double value;
    double inner = 0;
    int from = 0;
    int to = 0;
};
// The value at a step of the cycle, as the grid shows it: integers as plain
// digits, other numbers in their shortest form with the locale's decimal
// separator.
QString liveValueText(const LiveParameter &parameter, int step);

// One cycle of the display, and the grid that shows it.
inline constexpr int kLiveSteps = 85;
inline constexpr int kLiveGridRows = 26;
inline constexpr int kLiveGridCols = 6;
inline constexpr std::array<int, kLiveGridCols> kLiveColWidths = {3640, 800, 600, 3640, 800, 600};
// The left block fills columns 0 to 2 (name, value, unit), the right block
// columns 3 to 5, both from row 0.
extern const std::array<LiveParameter, 12> kLiveLeftBlock;
extern const std::array<LiveParameter, 11> kLiveRightBlock;

} // namespace mercruiser
