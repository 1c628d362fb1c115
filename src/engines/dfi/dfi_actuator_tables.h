#pragma once

// The canned texts of the Mercury DFI actuator tests: the selection
// buttons, the safety texts of the per-cylinder tests and the cylinder rows.
// Texts are UTF-8.

#include "app/language_text.h"

#include <QString>

#include <array>

namespace dfi {

// A text given in two parts, the second appended to the first.
struct TwoPartText {
    LanguageText first;
    LanguageText second;
};
QString joined(const TwoPartText &text);

// SelectedTest: 0 none, 1 to 4 per-cylinder tests, 5 and 6 timed runs.
inline constexpr qint16 kNoTest = 0;
enum class TestKind { PerCylinder, Timed, Nothing };
struct SelectionButton {
    const char *name;
    const char *caption; // the same in every language
    qint16 test;         // SelectedTest it chooses; kNoTest for none
    TestKind kind;
};
// Top to bottom on the actuator panel.
extern const std::array<SelectionButton, 7> kSelectionButtons;

// The two text labels of a per-cylinder test, and the word of its rows.
struct CylinderTest {
    qint16 test;
    TwoPartText firstText;
    TwoPartText secondText;
    LanguageText rowWord;
};
extern const std::array<CylinderTest, 4> kCylinderTests;
const CylinderTest *cylinderTest(qint16 test);
// The induced-misfire test marks the cylinder it cuts out: its toggles read
// "On" and the chosen one "Off"; the other tests mark the one they drive.
inline constexpr qint16 kMisfireTest = 1;
inline constexpr qint16 kDirectInjectorTest = 2;
inline constexpr qint16 kFuelInjectorTest = 3;

// Actuator panel and TestRunPanel.
inline constexpr const char *kChooseTest = "Choose Test";
inline constexpr const char *kOkCaption = "Ok";
inline constexpr const char *kStartCaption = "Start";
// Four line breaks, then the prompt, on the first text label.
inline constexpr const char *kPromptLines = "\r\r\r\r";
extern const LanguageText kPressStart;

// CylinderPanel.
inline constexpr int kCylinderRows = 6;
inline constexpr const char *kRowOn = "On";
inline constexpr const char *kRowOff = "Off";
inline constexpr const char *kCylinderExitCaption = "Exit";

} // namespace dfi
