#include "engines/mercruiser/mercruiser_tables.h"

#include "app/errors32.h"

namespace mercruiser {

const std::array<const char *, 5> kIdentificationLines = {
    "PCM/ECM555..... Connected", "03MY 507L BRAVO",   "ECM# 864916",
    "CAL# 864377-005",           "AAAF_0008_5.7_EFI",
};

const std::array<const char *, 3> kInfoOptions = {"System Info", "R.P.M. Info", "Log Info"};

const LanguageText kLogInfoCaption = {"Fault Log Data (Seconds)", "Histórico Datos (Segundos)"};

const std::array<const char *, 19> kSystemInfoLines = {
    "03MY 507L BRAVO",
    "ECM# 864916",
    "CAL# 864377-005",
    "AAAF_0008_5.7_EFI",
    " ",
    "Destred Idle",
    "600 RPM",
    " ",
    "TPS .22=0.90v IDLE",
    " ",
    "4.07-4.83v WOT",
    " ",
    "FUEL=38-43 PSI",
    " ",
    "MAP= 2-15 PSI",
    " ",
    "SEA PUMP= 0.5-15 PSI",
    " ",
    "FUEL PUMP&PWR RLY",
};

const std::array<RpmBand, 9> kRpmBands = {{
    {"Total Hours", 97.00},
    {"       0 -   749 RPM", 42.13},
    {"   750 - 1499 RPM", 29.55},
    {" 1500 - 2999 RPM", 17.22},
    {" 3000 - 3499 RPM", 2.32},
    {" 3500 - 3999 RPM", 1.10},
    {" 4000 - 4499 RPM", 0.28},
    {" 4500 - 4999 RPM", 0.00},
    {" 5000 - 5499 RPM", 0.00},
}};

const std::array<LogEvent, 22> kLogEvents = {{
    {"Battery Range High", 0},
    {"Battery Range Low", 0},
    {"Block Pressure is Low", 5},
    {"Compressor Temp Overheat", 0},
    {"ETC Motor Open", 0},
    {"ETC Motor Short", 0},
    {"Fuel Pressure Sensor Input High", 0},
    {"Fuel Pressure Sensor Input Low", 0},
    {"Guardian Strategy", 0},
    {"Knock Sensor 1", 0},
    {"Knock Sensor 2", 0},
    {"Low Oil Pressure Strategy", 0},
    {"Low Oil Remote Strategy", 0},
    {"Low Oil Reserve Strategy", 0},
    {"MAP Sensor 1 Input High", 0},
    {"MAP Sensor 1 Input Low", 0},
    {"MAP Sensor 1 Idle Rational", 4008},
    {"Oil Pump Output", 0},
    {"Overspeed", 0},
    {"Port Cnlt Overhead", 0},
    {"Startboard Clnt Overhead", 0},
    {"Warning Horn Output", 479},
}};

const LanguageText kDiagnosisHint = {"(Click on Fault Code to see more info)",
                                     "(Click sobre Código Fallo para más información)"};

const std::array<DiagnosedFault, 2> kDiagnosedFaults = {{
    {"43",
     {"Active", "Activo"},
     {"Electronic Spark Timming. Open circuit", "Encendido electrónico. Circuito cortado"}},
    {"39",
     {"Occurred", "Ocurrido"},
     {"Manifold Air TEmperature Circuit. High Input",
      "Circuito de temperatura del aire de admisión. Señal alta"}},
}};

const std::array<FaultExplanation, 2> kFaultExplanations = {{
    {39,
     {"Air temperature sensor circuit: Open.",
      "Circuito del sensor de temperatura del aire: Cortado."},
     {"Airflow calculation is using the default temperature.",
      "Para calcular el flujo de aire se está usando la temperatura por defecto."},
     {"Wiring problem.", "Revise el cableado."},
     {"Sensor problem.", "Sustituya el sensor."}},
    {43,
     {"Ignition fault. Signal from ECM to ignition driver module open.",
      "Sincronización electrónica del encendido. Circuito abierto."},
     {"Detectable only whith the key on and engine off.", nullptr},
     {"Wiring problem.", "Revise el cableado y las bujías."},
     {"Coil problem.", "Sustituya la bobina."}},
}};

const LanguageText kExplanationHeading = {"Fault Explanation", "Causas Posibles"};
const LanguageText kRootCauseHeading = {"Possible Root Cause", "Procedimiento"};

const LanguageText kFreezeFrameHeader = {" Freeze Frame Data:", " Histórico de Fallos:"};

const std::array<FreezeFrameValue, 11> kFreezeFrameValues = {{
    {{"Barometric Pressure", "Presión Barometrica"}, "14.83", {"PSI", "PSI"}},
    {{"Battery Volts", "Voltaje Batería"}, "12.03", {"Volt", "Volt"}},
    {{"Sea Pump Pressure", "Presión Bomba de Agua"}, "0.0", {"PSI", "PSI"}},
    {{"Boat Speed", "Velocidad del Barco"}, "0.0", {"#", "#"}},
    {{"Manifold Air Temp", "Temperat Aire Admisión"}, "0", {"ºF", "ºC"}},
    {{"Coolant Temp", "Temper Refrigerante"}, "0", {"ºF", "ºC"}},
    {{"Demand", "Demand"}, "0.0", {"%", "%"}},
    {{"Engine Speed", "Revoluciones Motor"}, "0.0", {"R.P.M.", "R.P.M."}},
    {{"Engine State", "Estado Motor"}, "Stall", {"", ""}},
    {{"FPC Total", "FPC Total"}, "0.0", {"Counts", "Counts"}},
    {{"Frecuency County", "El Fallo ocurrió (veces):"}, "2", {"", ""}},
}};

const LanguageText kEraseCaption = {"Erase Faults, Historic and R.P.M.",
                                    "Borrar Fallos, Historico y R.P.M."};

const std::array<EraseOption, 3> kEraseOptions = {{
    {{"Erase Active Faults", "Borrar Fallos Activos"}, &ERRORS32::MsgFaultsErased, nullptr},
    {{"Erase Historic Faults", "Borrar Histórico de Fallos"},
     nullptr,
     "All historic faults are erased"},
    {{"Erase R.P.M. Info", "Borrar R.P.M. Info"}, nullptr, "R.P.M. Info deleted"},
}};

} // namespace mercruiser
