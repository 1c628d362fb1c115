#pragma once

// The canned live data of the Mercury DFI 135/150 screen: nineteen engine
// parameters in two blocks of the six-column grid. Only the throttle
// percentage changes, with the tick's place in its cycle. Texts are UTF-8.

#include "app/language_text.h"

#include <QString>

#include <array>

namespace dfi {

// One parameter. A number shows `value`, or `inner` while the tick lies
// between `from` and `to` (both included; `from` 0: it never changes); a
// literal shows its text as written; the switches show no value at all.
struct LiveParameter {
    enum class Shown { Number, Literal, Nothing };
    LanguageText name;
    LanguageText unit;
    Shown shown = Shown::Number;
    double value = 0;
    double inner = 0;
    int from = 0;
    int to = 0;
    const char *literal = nullptr;
};
// The value at a tick as the grid shows it: integers as plain digits, other
// numbers in their shortest form with the locale's decimal separator.
// Empty for a parameter that shows no value.
QString liveValueText(const LiveParameter &parameter, int tick);

// One cycle of the display and the grid that shows it.
inline constexpr int kLiveTicks = 85;
inline constexpr const char *kLiveCaption = "Live Data";
inline constexpr const char *kLiveStartCaption = "Conect";
inline constexpr int kLiveGridRows = 26;
inline constexpr int kLiveGridCols = 6;
inline constexpr std::array<int, kLiveGridCols> kLiveColWidths = {3640, 800, 600, 3640, 800, 600};
// The left block fills columns 0 to 2 (name, value, unit), the right block
// columns 3 to 5, both from row 0.
extern const std::array<LiveParameter, 10> kLiveLeftBlock;
extern const std::array<LiveParameter, 9> kLiveRightBlock;

} // namespace dfi
