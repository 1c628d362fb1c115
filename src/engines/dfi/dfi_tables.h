#pragma once

// The canned data of the Mercury DFI 135/150 screen: what the simulated
// unit answers to Connect, Engine Info, Diagnosis and Historic. Texts are
// UTF-8.

#include "app/language_text.h"

#include <array>

namespace dfi {

inline constexpr const char *kUnitName = "Mercury Dfi 135/150 1998-2000";
// The IdentificationPanel's caption once connected.
inline constexpr const char *kConnectedUnitName = "Mercury DFI Outboard ECM";

// Connect: the identification list, the same in every language.
extern const std::array<const char *, 5> kIdentificationLines;

// Diagnosis: after the header (the catalogue's MsgFaultsDetected and the
// count) and a blank line, each fault gives its line (the catalogue's
// MsgFaultCode, the code, two spaces, the state) and its description; the
// faults are separated by a blank line, and one ends the list.
struct DiagnosedFault {
    const char *code; // followed by two spaces in the fault line
    LanguageText state;
    LanguageText description;
};
extern const std::array<DiagnosedFault, 2> kDiagnosedFaults;

// Engine Info: the choice panel and the panel that shows the reading.
inline constexpr const char *kInfoCaption = "Info";
extern const std::array<const char *, 2> kInfoOptions; // System Info, R.P.M. Info
inline constexpr const char *kReadCaption = "Read";
inline constexpr const char *kInfoEraseCaption = "Erase";
inline constexpr const char *kInfoExitCaption = "Exit";
inline constexpr const char *kDemonstrationOnly = "Demostration Software";

// System Info: a blank line is one space.
extern const std::array<const char *, 24> kSystemInfoLines;

// R.P.M. Info: row 0 is the heading ("Run Time" and the catalogue's
// CapHours), rows 1 to 8 the hours by band, with two decimals.
inline constexpr int kRpmGridRows = 9;
inline constexpr int kRpmGridCols = 2;
inline constexpr std::array<int, kRpmGridCols> kRpmColWidths = {2930, 700};
inline constexpr const char *kRpmHeading = "Run Time";
struct RpmBand {
    const char *label;
    double hours;
};
extern const std::array<RpmBand, 8> kRpmBands;

// Historic: a grid of two columns; row 0 is the heading, the same in every
// language, rows 1 to 21 the fault counters, the rows under them stay empty.
inline constexpr const char *kHistoricCaption = "Historic";
inline constexpr int kHistoricGridRows = 32;
inline constexpr int kHistoricGridCols = 2;
inline constexpr std::array<int, kHistoricGridCols> kHistoricColWidths = {4250, 1020};
inline constexpr std::array<const char *, kHistoricGridCols> kHistoricHeading = {"Fault",
                                                                                 "Occurred"};
struct HistoricCounter {
    LanguageText name;
    const char *count;
};
extern const std::array<HistoricCounter, 21> kHistoricCounters;

// VehicleDataPanel: the labels that keep their design captions.
inline constexpr const char *kVehicleModelLabel = "Vehicle Model:";
inline constexpr const char *kNoteLabel = "Note:";

} // namespace dfi
