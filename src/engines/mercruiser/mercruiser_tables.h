#pragma once

// The canned data of the Mercruiser PCM/ECM555 screen: what the simulated
// unit answers to Connect, Engine Info, Diagnosis, Historic and the erase
// options. Texts are UTF-8.

#include "app/language_text.h"

#include <QString>

#include <array>

namespace mercruiser {

inline constexpr const char *kUnitName = "Mercruiser PCM/ECM555";

// Connect: the identification list, the same in every language.
extern const std::array<const char *, 5> kIdentificationLines;

// Engine Info.
extern const std::array<const char *, 3> kInfoOptions; // System, R.P.M., Log
inline constexpr const char *kInfoResultCaption = "Info";
extern const LanguageText kLogInfoCaption;

// System Info: a blank line is one space.
extern const std::array<const char *, 19> kSystemInfoLines;

// R.P.M. Info: a grid of two columns and eleven rows; row 0 is the heading
// ("Run Time" and the catalogue's CapHours), rows 1 to 9 the bands, row 10
// stays empty. Hours are shown with two decimals.
inline constexpr int kRpmGridRows = 11;
inline constexpr int kRpmGridCols = 2;
inline constexpr std::array<int, 2> kRpmColWidths = {2500, 850};
inline constexpr const char *kRpmHeading = "Run Time";
struct RpmBand {
    const char *label;
    double hours;
};
extern const std::array<RpmBand, 9> kRpmBands;

// Log Info: the event name padded with spaces to kLogNameWidth, then the
// seconds as a plain integer.
inline constexpr int kLogNameWidth = 34;
struct LogEvent {
    const char *name;
    int seconds;
};
extern const std::array<LogEvent, 22> kLogEvents;

// Diagnosis: a header (the catalogue's MsgFaultsDetected, the count, two
// spaces and the hint) and a blank line; then per fault its line (the
// catalogue's MsgFaultCode, the code, two spaces, the state), its
// description and a blank line.
extern const LanguageText kDiagnosisHint;
struct DiagnosedFault {
    const char *code; // followed by two spaces in the fault line
    LanguageText state;
    LanguageText description;
};
extern const std::array<DiagnosedFault, 2> kDiagnosedFaults;

// Fault explanations, by code: explanation lines (slots 1 and 2) and root
// causes (slots 7 and 8).
inline constexpr int kFaultTextSlots = 36;
struct FaultExplanation {
    int code;
    LanguageText explanation1; // slot 1
    LanguageText explanation2; // slot 2
    LanguageText rootCause1;   // slot 7
    LanguageText rootCause2;   // slot 8
};
extern const std::array<FaultExplanation, 2> kFaultExplanations;
extern const LanguageText kExplanationHeading;
extern const LanguageText kRootCauseHeading;
inline constexpr const char *kNoteHeading = "Note:";

// Historic: the freeze-frame record of a stored fault. Record lines after the
// two fixed ones are: a space, the name padded to kFreezeNameWidth, the value
// padded to kFreezeValueWidth, the unit.
extern const LanguageText kFreezeFrameHeader;
inline constexpr const char *kFreezeFrameFault =
    " Fault Code: 94 PITOT Pressure Circuit (Low Signal)";
inline constexpr int kFreezeFrameRuleLength = 85;
inline constexpr int kFreezeNameWidth = 50;
inline constexpr int kFreezeValueWidth = 10;
struct FreezeFrameValue {
    LanguageText name;
    const char *value;
    LanguageText unit;
};
extern const std::array<FreezeFrameValue, 11> kFreezeFrameValues;

// Erase Faults: the panel caption and its three options with the message
// each one leaves (a catalogue entry, or a text for every language).
extern const LanguageText kEraseCaption;
struct EraseOption {
    LanguageText caption;
    const QString *catalogueMessage;
    const char *message;
};
extern const std::array<EraseOption, 3> kEraseOptions;

} // namespace mercruiser
