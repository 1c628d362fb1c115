#pragma once

// The canned data of the Evinrude Ficht screen: what the simulated unit
// answers to Connect, Diagnosis, the service functions, Engine Info, Live
// Data and the actuator tests. Texts are UTF-8.

#include "app/language_text.h"
#include "link/caption_value_block.h"

#include <QString>

#include <array>

namespace ficht {

inline constexpr const char *kUnitName = "OutBoard Fitch";

// Connect: the identification panel, two columns of caption and value.
// A caption is a fixed text, or the catalogue's CapEngine followed by a
// suffix, or the catalogue's CapHours; a row's value may span both columns.
struct IdentificationField {
    unitlink::FieldCaption caption; // none: the value takes the caption's room
    const char *value;
    int row;
    int column; // 0 left, 1 right
    bool wide;  // the value spans both columns
};
extern const std::array<IdentificationField, 7> kIdentificationFields;
// The field whose value is the engine's total hours.
inline constexpr int kHoursField = 6;

// Diagnosis: the one stored fault, after the catalogue's MsgFaultCode.
inline constexpr const char *kFaultCodeLine = "12 Actived    Detected at 27 hours";
extern const std::array<LanguageText, 7> kFaultLines;

// Service panel. Texts of English, Spanish and German; each message label
// text starts with a carriage return where it says so.
inline constexpr const char *kServiceCaption = "Service";
inline constexpr const char *kActualCaption = "Actual";
extern const LanguageText kReplaceEcuCaption;
extern const LanguageText kReplaceFirst;
extern const LanguageText kReplaceSecond;
extern const LanguageText kReading;
extern const LanguageText kReadFirst;
extern const LanguageText kReadSecond;
extern const LanguageText kWriting;
extern const LanguageText kSavedFirst;
inline constexpr const char *kReadOk = "Read Ok";

// Engine Operating Info panel.
inline constexpr const char *kOperatingInfoCaption = "Engine Operating Info";
struct Reading {
    const char *caption; // nullptr: the catalogue's CapThrottleVolt
    const char *value;
};
extern const std::array<Reading, 10> kSpeedBands; // nine bands, then the total
inline constexpr const char *kInjectorHeading = "INJECTORS S/N";
extern const std::array<Reading, 6> kInjectorSerials;
extern const std::array<Reading, 9> kSnapshot;

// Live Data: four blocks of rows; a row holds up to three values, each a
// fixed text written when a run starts.
inline constexpr int kLiveSteps = 155;
struct LiveRow {
    const char *caption;
    std::array<const char *, 3> values; // nullptr: no value in that column
};
// The temperature and voltage blocks show their values in three columns
// under the header; the engine and switch blocks in one.
// A header over three value columns, and each column's part of it.
struct LiveHeader {
    const char *text;
    std::array<const char *, 3> columns;
};
inline constexpr LiveHeader kTemperatureHeader = {"  Volts    Deg Fº    Deg Cº",
                                                  {"Volts", "Deg Fº", "Deg Cº"}};
extern const std::array<LiveRow, 3> kTemperatureBlock;
inline constexpr LiveHeader kVoltageHeader = {"  Volts                Open%",
                                              {"Volts", "", "Open%"}};
extern const std::array<LiveRow, 2> kVoltageBlock;
extern const std::array<LiveRow, 7> kEngineBlock;
extern const std::array<LiveRow, 5> kSwitchBlock;
inline constexpr const char *kStopped = "Stopped";
// The three readings that change with the step: outside [from, to] the
// first value, inside it the second.
struct StepReading {
    int from;
    int to;
    double outside;
    double inside;
};
inline constexpr StepReading kEcuVolts{25, 135, 11.42, 11.45};
inline constexpr StepReading kAlternatorVolts{20, 110, 9.63, 9.64};
inline constexpr StepReading kBaroPressure{30, 90, 29.91, 29.89};
inline double readingAt(const StepReading &reading, int step) {
    return step < reading.from || step > reading.to ? reading.outside : reading.inside;
}

// Actuators: six coils and six injectors, each button captioned with its number.
inline constexpr int kCylinders = 6;
extern const std::array<const char *, kCylinders> kCoilButtonNames;
extern const std::array<const char *, kCylinders> kInjectorButtonNames;
inline constexpr int kTestSteps = 90;

} // namespace ficht
