#include "engines/dfi/dfi_live_tables.h"

#include "link/number_text.h"

namespace dfi {

namespace {
using Shown = LiveParameter::Shown;
// The temperature unit follows the language, not the main window's setting.
constexpr LanguageText kTemperature{"ºF", "ºC"};
constexpr LanguageText kPsi{"PSI", "PSI"};
constexpr LanguageText kVolt{"Volt", "Volt"};
constexpr LanguageText kCount{"#", "#"};
constexpr LanguageText kOff{"Off", "Off"};
} // namespace

const std::array<LiveParameter, 10> kLiveLeftBlock = {{
    {{"Engine Speed", "Revoluc Motor"}, {"RPM", "RPM"}, Shown::Number, 500},
    {{"Throttle Percent", "Posición Mariposa"}, {"%", "%"}, Shown::Number, 4.25, 4.26, 45, 65},
    {{"TPS 1 Volt", "Sensor Mariposa 1"}, kVolt, Shown::Number, 3.62},
    // The second throttle-position sensor, named as the first one is.
    {{"TPS 2 Volt", "Sensor Mariposa 2"}, kVolt, Shown::Number, 4.98},
    {{"Battery Volt", "Voltaje de Batería"}, kVolt, Shown::Number, 12.15},
    {{"Sensor Power", "Sensor Principal"}, kVolt, Shown::Number, 4.99},
    {{"Sensor Power 2", "Sensor Principal 2"}, kVolt, Shown::Number, 4.96},
    {{"Manifold Absolute Press.", "Presión Aire Admisión"}, kPsi, Shown::Number, 14.75},
    {{"Block Pressure", "Presión Principal"}, kPsi, Shown::Number, 14.25},
    {{"Trigger Errors", "Trigger Errors"}, kCount, Shown::Number, 0},
}};

const std::array<LiveParameter, 9> kLiveRightBlock = {{
    {{"Port Coolant Temp.", "Temper. Refrigerante Babor"}, kTemperature, Shown::Number, 89.93},
    {{"Starboard Coolant Temp.", "Temper. Refrigerante Estribor"},
     kTemperature,
     Shown::Number,
     87.12},
    {{"Air Temperature Sensor", "Sensor de Temperatura del Aire"},
     kTemperature,
     Shown::Number,
     67.6},
    {{"Air Compressor Temperature", "Temperatura del Compressor de Aire"},
     kTemperature,
     Shown::Number,
     75.2},
    // Time to the next oil injection, in minutes.
    {{"Time to Oil", "Tiempo de Engrase"}, {"min", "min"}, Shown::Literal, 0, 0, 0, 0, "0.00"},
    {{"Oil Inj Count", "Contador Injec. Aceite"}, kCount, Shown::Number, 0},
    {{"Low Oil Switch", "Low Oil Switch"}, kOff, Shown::Nothing},
    {{"Water in Fuel Sensor", "Sensor de Agua en Combustible"}, kOff, Shown::Nothing},
    {{"Shift Switch", "Shift Switch"}, kOff, Shown::Nothing},
}};

QString liveValueText(const LiveParameter &parameter, int tick) {
    switch (parameter.shown) {
    case Shown::Nothing:
        return QString();
    case Shown::Literal:
        return QString::fromUtf8(parameter.literal);
    case Shown::Number:
        break;
    }
    const bool inner = parameter.from != 0 && tick >= parameter.from && tick <= parameter.to;
    return unitlink::shortestNumberText(inner ? parameter.inner : parameter.value);
}

} // namespace dfi
