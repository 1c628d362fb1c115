#include "engines/yamaha/yamaha_tables.h"

namespace yamaha {

const std::array<const char *, 4> kIdentificationLines = {
    "Yamaha Outboard ECM: Conected",
    "ECM Nº: 6S8-8591A-00",
    "Model: FRT-1100",
    "Total Hours: 19h 34m",
};

const std::array<SpeedBand, 4> kSpeedBands = {{
    {"     0 - 2000 r/min", "2,34"},
    {"2000 - 4000 r/min", "0,58"},
    {"4000 - 6000 r/min", "2,75"},
    {"6000 - 8000 r/min", "11,94"},
}};

const std::array<LanguageText, 3> kFaultLines = {{
    {"Intake temperature sensor", "Sensor de temperatura del aire de admisión."},
    {"Check engine monitor", "Compruebe datos del sensor en parámetros de motor."},
    {"Check wired, socket and sensor resistance.",
     "Compruebe cableado, conectores y la resistencia del sensor."},
}};

using Source = LiveName::Source;
const std::array<LiveName, 9> kLiveNames = {{
    {Source::IntakeTemp, " ºC", nullptr},
    {Source::IntakeTemp, " ºF", nullptr},
    {Source::EngineTemp, " ºC", "87"},
    {Source::EngineTemp, " ºF", "188"},
    {Source::ThrottleVolt, "", "4.95"},
    {Source::SteppingMotor, "", "20%"},
    {Source::ThrottleSwitch, "", "On"},
    {Source::Fixed, "Engine Lanyard", "On"},
    {Source::Fixed, "R.P.M.", nullptr},
}};

const std::array<const char *, kCylinders> kInjectorButtonNames = {"Command7", "Command6",
                                                                   "Command5", "Command23"};
const std::array<const char *, kCylinders> kCoilButtonNames = {"Command8", "Command9", "Command10",
                                                               "Command22"};

} // namespace yamaha
