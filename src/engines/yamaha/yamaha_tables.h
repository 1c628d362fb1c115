#pragma once

// The canned data of the Yamaha outboard screen: what the simulated unit
// answers to Connect, Engine Info, Diagnosis, Live Data and the actuator
// tests. Texts are UTF-8.

#include "app/language_text.h"

#include <array>

namespace yamaha {

inline constexpr const char *kWindowCaption = "Yamaha";
inline constexpr const char *kUnitName = "Yamaha Outboard";
// The IdentificationPanel keeps this caption before and after Connect.
inline constexpr LanguageText kIdentificationCaption = {"Engine Info", "Datos Motor"};
inline constexpr int kProgressSteps = 50;

// Connect: the identification lines, the same in every language.
extern const std::array<const char *, 4> kIdentificationLines;

// Engine Info: the hours panel. Each value is followed by " " and CapHours.
inline constexpr const char *kHoursPanelCaption = "Engine Operating Info";
inline constexpr const char *kEcmNumber = "ECM Nº: 60T8591A20";
inline constexpr const char *kModel = "GP 1300 R";
// Twips: the ECM label while the panel shows the model beside it, and after.
inline constexpr int kEcmNarrowWidth = 2295;
inline constexpr int kEcmWideWidth = 3735;
struct SpeedBand {
    const char *caption;
    const char *hours;
};
extern const std::array<SpeedBand, 4> kSpeedBands;
inline constexpr const char *kTotalHours = "19,34";

// Diagnosis: the one stored fault, after the catalogue's MsgFaultCode.
inline constexpr LanguageText kFaultCodeLine = {"23   Detected at: 4,50 hours",
                                                "23   Detectado con: 4,50 horas"};
extern const std::array<LanguageText, 3> kFaultLines;

// Live Data: a name is a catalogue caption with an optional suffix, or a
// fixed text; the value is what each tick writes (the intake readings
// change with the tick, R.P.M. stays empty).
struct LiveName {
    enum class Source {
        Fixed,
        IntakeTemp,
        EngineTemp,
        ThrottleVolt,
        SteppingMotor,
        ThrottleSwitch
    };
    Source source;
    const char *text; // the suffix after the caption, or the fixed text
    const char *value;
};
extern const std::array<LiveName, 9> kLiveNames;
inline constexpr int kIntakeCelsius = 0;
inline constexpr int kIntakeFahrenheit = 1;
inline constexpr int kRpm = 8;
inline constexpr int kLiveTicks = 95;
inline constexpr int kTickWait = 3000;
// Outside ticks [from, to] the first value, inside it the second.
struct TickReading {
    int from;
    int to;
    int outside;
    int inside;
};
inline constexpr TickReading kIntakeCelsiusReading{30, 60, 49, 48};
inline constexpr TickReading kIntakeFahrenheitReading{30, 60, 120, 118};
inline int readingAt(const TickReading &reading, int tick) {
    return tick < reading.from || tick > reading.to ? reading.outside : reading.inside;
}

// Actuators: four injectors and four coils, captioned with their numbers.
inline constexpr int kCylinders = 4;
extern const std::array<const char *, kCylinders> kInjectorButtonNames;
extern const std::array<const char *, kCylinders> kCoilButtonNames;
inline constexpr int kTestSteps = 50;
inline constexpr int kTestWait = 12000;

} // namespace yamaha
