#include "engines/mercruiser/mercruiser_live_tables.h"

#include "app/errors32.h"

#include <QLocale>

#include <cmath>

namespace mercruiser {

namespace {
constexpr LanguageText kTemperature{"ºF", "ºC"};
constexpr LanguageText kPsi{"PSI", "PSI"};
constexpr LanguageText kPercent{"%", "%"};
constexpr LanguageText kVolt{"Volt", "Volt"};
constexpr LanguageText kCount{"#", "#"};
} // namespace

const std::array<LiveParameter, 12> kLiveLeftBlock = {{
    {{"Engine Speed", "Revoluc Motor"}, {"RPM", "RPM"}, 500},
    {{"Coolant Temper.", "Temper Refrigerante"}, kTemperature, 86.2, 86.1, 45, 65},
    {{"Port Exhaust Cool Temper.", "Temper Refrig. Babor"}, kTemperature, 83.6},
    {{"Startboard Exhaust Cool Temp.", "Temper Refrig. Estribor"}, kTemperature, 84.2},
    {{"Manifold Pressure", "Presión de Admisión"}, kPsi, 18.15},
    {{"Barometric Pressure", "Presión Barométrica"}, kPsi, 14.62},
    {{"Manifold Air Temp.", "Temper Aire Admisión"}, kTemperature, 89.3},
    {{"Oil Pressure", "Presión de Aceite"}, kPsi, 50.75},
    {{"Throttle Position", "Posición de Mariposa"}, kPercent, 22.25},
    {{"Throttle Sensor Volt", "Voltaje de Mariposa"}, kVolt, 7.2},
    {{"Spark Advance", "Avance de Encendido"}, {"Deg", "Deg"}, 8},
    {{"Battery Volt", "Voltaje de Batería"}, kVolt, 11.9, 12.1, 30, 60},
}};

const std::array<LiveParameter, 11> kLiveRightBlock = {{
    {{"Available Power", "Potencia Dispon."}, kPercent, 89.93},
    {{"Fuel Flow Rate", "Flujo de Carburante"}, {"GPH", "GPH"}, 42.1},
    {{"Sea Pump Pressure", "Presión Bomba Agua"}, kPsi, 21.6},
    {{"IAC Duty Cycle", "Control de Ralentí"}, kPercent, 25.2},
    {{"Trim Position", "Posición del Trim"}, kCount, 1023},
    {{"Trim Volts", "Voltaje del Trim"}, kVolt, 5.01, 4.99, 20, 70},
    {{"Pitot ADC", "Pitot ADC"}, kCount, 0},
    {{"Paddle Wheel", "Paddle Wheel"}, {"Hz", "Hz"}, 0},
    {{"Sensor Power", "Sensor Principal"}, kVolt, 4.98, 4.99, 25, 65},
    {{"Lake/Sea Temperat.", "Temperatura del Agua"}, kTemperature, 69.2},
    {{"Fuel Level", "Nivel Combustible"}, kCount, 955},
}};

QString liveValueText(const LiveParameter &parameter, int step) {
    const bool inner = parameter.from != 0 && step >= parameter.from && step <= parameter.to;
    const double value = inner ? parameter.inner : parameter.value;
    if (value == std::floor(value))
        return QString::number(qint64(value));
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace mercruiser
