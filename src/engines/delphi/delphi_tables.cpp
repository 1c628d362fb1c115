#include "engines/delphi/delphi_tables.h"

#include "app/errors32.h"
#include "link/number_text.h"

namespace delphi {

namespace {
constexpr auto fixed = unitlink::FieldCaption::fixed;
constexpr auto engineAnd = unitlink::FieldCaption::engineAnd;
constexpr auto catalogue = unitlink::FieldCaption::fromCatalogue;
} // namespace

const std::array<SummaryField, 8> kSummaryFields = {{
    {engineAnd(" Model"), catalogue(ERRORS32::CapEctTemp), "20.0º"},
    {engineAnd(" Serial"), catalogue(ERRORS32::CapFuelFlow), "0.00"},
    {fixed("Software Ver:"), catalogue(ERRORS32::CapVoltBatt), "11.9 V"},
    {fixed("MAP Version:"), catalogue(ERRORS32::CapKnockRetard), "Off"},
    {fixed("ECU Serial:"), catalogue(ERRORS32::CapLanyardStop), "Off"},
    {fixed("ECU Serial:"), catalogue(ERRORS32::CapPowerReduction), "Off"},
    {fixed("ECU Serial:"), catalogue(ERRORS32::CapFaults), "1"},
    {catalogue(ERRORS32::CapHours), catalogue(ERRORS32::CapHours), "217.05"},
}};

const std::array<LanguageText, 3> kFaultLines = {{
    {"Manifold Absolute Pressure Sensor - Malfunction.",
     "Sensor de presión absoluta del colector."},
    {"The ECM is detecting a value outside the operating range of this sensor.",
     "La ECU está detectando un valor fuera del rango operativo del sensor."},
    {"Damage to the sensor electrical connectors, corroded or unplugged can also cause this Code.",
     "Revise el cableado, daños por corrosión o el propio sensor."},
}};

using Shown = LiveReading::Shown;

const std::array<LiveReading, 12> kLiveReadings = {{
    {{"Baro Sensor Volt", "Sensor Barométrico"}, "Volt", Shown::Text, "4.76"},
    {{"Manifold Absolute Pressure", "Presión Absoluta Colector"},
     "kPa",
     Shown::Number,
     nullptr,
     99.7,
     99.6,
     45,
     65},
    {{"MAP Sensor Volt.", "Sensor MAP Voltaje"}, "Volt", Shown::Number, nullptr, 0.05},
    {{"Injector Pulse Width", "Ancho Pulso Inyector"}, "ms", Shown::Number, nullptr, 7.7},
    {{"Injector Pulse Width Crank", "Ancho Pulso Inyector en Arranque"},
     "ms",
     Shown::Number,
     nullptr,
     8},
    {{"Barometric Pressure", "Presión Barométrica"}, "PSI", Shown::Text, "0.00"},
    {{"Spark Advance", "Avance Inyección"}, "Deg", Shown::Text, "0.00"},
    {{"Knock Retard", "Detonación"}, "Deg", Shown::Text, "8.2"},
    {{"Throttle Position", "Posición de Mariposa"},
     "%",
     Shown::Number,
     nullptr,
     4.98,
     4.99,
     25,
     65},
    {{"Throttle Sensor Volt", "Voltaje de Mariposa"}, "Volt", Shown::Text, "139.0"},
    {{"IAC Position", "Posición Actuador Ralentí"}, "#", Shown::Text, "109.0"},
    {{"Base IAC Position", "Base Posición Actuador Ralentí"}, "#", Shown::Nothing},
}};

QString liveValueText(const LiveReading &reading, int step) {
    switch (reading.shown) {
    case Shown::Text:
        return QString::fromUtf8(reading.text);
    case Shown::Number: {
        const bool inner = reading.from != 0 && step >= reading.from && step <= reading.to;
        return unitlink::shortestNumberText(inner ? reading.inner : reading.value);
    }
    case Shown::Nothing:
        break;
    }
    return QString();
}

const std::array<LiveSwitch, 11> kLiveSwitches = {{
    {{"Low Oil Level Detect", "Detección Nivel Bajo Aceite"}, {"Off", "Off"}},
    {{"Low I/O Fluid Detect", "Detección Nivel Bajo Fluido"}, {"Off", "Off"}},
    {{"Low Water Flow Detect", "Detección Bajo Flujo Agua"}, {"Off", "Off"}},
    {{"Engine Overtemp Detect", "Detección Sobrecalentamiento Motor"}, {"Off", "Off"}},
    {{"High Trans. Temp Detect", "Detección Sobrecalentamiento Trans"}, {"Off", "Off"}},
    {{"Over Trim Detect", "Detección Over Trim"}, {"Off", "Off"}},
    {{"Emergency Stop Input", "Parada de Emergencia"}, {"Off", "Off"}},
    {{"I/O Fluid Level Lamp Enable", "Testigo Nivel de Fluido Activo"}, {"No", "No"}},
    {{"Emergency Stop Enable", "Testigo Parada Emergencia Activo"}, {"No", "No"}},
    {{"Prime Fuel Pump On Keyup", "Bomba Combustible Activada"}, {"Yes", "Si"}},
    {{"Quasi-Sync Fuel Mode", "Modo Combustible Sincronizado"}, {"No", "No"}},
}};

const std::array<OutputTest, 8> kOutputTests = {{
    {"Command17", "Fuel Pump (J2-9)"},
    {"Command8", "Coolant Temperature (J2-11)"},
    {"Command9", "Warning Buzzer (J2-12)"},
    {"Command10", "I/O Fluid Level (J2-26)"},
    {"Command7", "Oil Pressure (J2-27)"},
    {"Command33", "Oil Level (J2-30)"},
    {"Command6", "Check Engine Lamp (J2-31)"},
    {"Command5", "IAC Reset"},
}};

} // namespace delphi
