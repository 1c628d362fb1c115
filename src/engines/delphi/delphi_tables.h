#pragma once

// The canned data of the GM Delphi screen: the engine summary Connect
// shows, the one stored fault, the live readings and the actuator tests.
// Texts are UTF-8.

#include "app/language_text.h"
#include "link/caption_value_block.h"

#include <QString>

#include <array>

namespace delphi {

inline constexpr const char *kWindowCaption = "GM Delphi";
inline constexpr const char *kUnitName = "GM Delco";
inline constexpr int kConnectSteps = 25;

// The identification panel: four rows of caption and value in two columns,
// filled row by row.
struct SummaryField {
    unitlink::FieldCaption beforeConnect;
    unitlink::FieldCaption afterConnect;
    const char *value;
};
extern const std::array<SummaryField, 8> kSummaryFields;
inline constexpr const char *kConnectedCaption = "Engine Info Mefi-1 Mode 0";

// Diagnosis: the one stored fault, after the catalogue's MsgFaultCode.
inline constexpr const char *kFaultCodeLine = "33 Actived";
extern const std::array<LanguageText, 3> kFaultLines;

// Live Data: the six-column grid, twelve readings on the left, eleven
// switches on the right.
inline constexpr const char *kLiveCaption = "Live Data";
inline constexpr const char *kLiveStartCaption = "Conect";
inline constexpr const char *kLiveStopped = "End Process";
inline constexpr int kLiveGridRows = 26;
inline constexpr std::array<int, 6> kLiveColWidths = {3640, 800, 600, 3640, 800, 600};
inline constexpr int kLiveSteps = 170;
// A reading: a fixed text, a number, or a number that is `inner` while the
// step lies between `from` and `to` (both included); none is never written.
struct LiveReading {
    enum class Shown { Text, Number, Nothing };
    LanguageText name;
    const char *unit;
    Shown shown;
    const char *text = nullptr;
    double value = 0;
    double inner = 0;
    int from = 0;
    int to = 0;
};
extern const std::array<LiveReading, 12> kLiveReadings;
// The reading's value at a step as the grid shows it.
QString liveValueText(const LiveReading &reading, int step);
struct LiveSwitch {
    LanguageText name;
    LanguageText state;
};
extern const std::array<LiveSwitch, 11> kLiveSwitches;

// Actuators: eight output tests that all run the same timed bar.
struct OutputTest {
    const char *objectName;
    const char *caption;
};
extern const std::array<OutputTest, 8> kOutputTests;
inline constexpr const char *kActivateBaseTiming = "Activate Base Timing Mode";
inline constexpr const char *kDisableBaseTiming = "Disable Base Timing Mode";

} // namespace delphi
