#pragma once

// The canned texts of the Mercruiser actuator tests and of the engine
// location: test buttons, instructions and warnings, cylinder rows and the
// four locations. Texts are UTF-8.

#include "app/language_text.h"

#include <QString>

#include <array>

namespace mercruiser {

// A text given in two parts, the second appended to the first.
struct ActuatorNotice {
    LanguageText first;
    LanguageText second;
};
QString noticeText(const ActuatorNotice &notice);

// TestCode: the test chosen on the ActuatorPanel.
enum TestCode : qint16 {
    kNoTest = 0,
    kInjectorTest = 3,
    kCoilTest = 4,
    kFuelPumpTest = 5,
    kBuzzerTest = 6,
    kIdleAirTest = 9,
};

// The seven test buttons, top to bottom, with the catalogue entry that
// captions them at load. The engine location and the tachometer open their
// panels at once and leave TestCode as it is.
enum class TestKind { EngineLocation, Timed, IdleAir, Tachometer, Cylinders };
struct TestButton {
    const char *name;
    QString *caption;
    TestKind kind;
    TestCode code;
};
extern const std::array<TestButton, 7> kTestButtons;

// Instruction and warning of the tests chosen before Start.
struct TestNotices {
    TestCode code;
    ActuatorNotice instruction;
    ActuatorNotice warning;
};
extern const std::array<TestNotices, 5> kTestNotices;
const TestNotices *noticesFor(TestCode code);

// ActuatorPanel.
inline constexpr const char *kChooseTest = "Choose Test";
inline constexpr const char *kStartCaption = "Start";
inline constexpr const char *kOkCaption = "Ok";
extern const LanguageText kPressStart;

// CylinderPanel: a row label is the word of the test, a space and the row number.
inline constexpr int kCylinderRows = 8;
extern const LanguageText kInjectorWord;
extern const LanguageText kCoilWord;
inline constexpr const char *kRowOn = "On";
inline constexpr const char *kRowOff = "Off";
inline constexpr const char *kExitCaption = "Exit";

// IdleAirPanel.
inline constexpr const char *kIdleAirCaption = "IAC Air Control Valve Test";
inline constexpr const char *kIdleAirPosition = "IAC Position";
inline constexpr const char *kIdleAirZero = "0%";
inline constexpr const char *kPercentSuffix = " %";
inline constexpr int kIdleAirLimit = 10;   // steps either side of the middle
inline constexpr int kIdleAirPercent = 10; // per step
inline constexpr int kIdleAirRpm = 500;    // in the middle
inline constexpr int kIdleAirRpmStep = 50;

// TachometerPanel.
inline constexpr const char *kTachometerCaption = "Pseudo Tachometer Output";
inline constexpr const char *kRpmCaption = "RPM";
inline constexpr int kTachometerMin = 500;
inline constexpr int kTachometerMax = 5500;
inline constexpr int kTachometerStep = 50;

// EngineLocationPanel.
inline constexpr const char *kLocationCaption = "Engine Location";
inline constexpr const char *kSetCaption = "Set";
extern const std::array<LanguageText, 4> kLocations;
// The panel's captions and the warning after Set, chosen when the screen
// loads; German has a warning of its own.
extern const LanguageText kCurrentLocation;
extern const LanguageText kAvailableLocations;
extern const LanguageText kSetNewLocation;
extern const LanguageText kIgnitionWarning;

} // namespace mercruiser
