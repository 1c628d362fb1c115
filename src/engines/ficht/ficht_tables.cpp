#include "engines/ficht/ficht_tables.h"

#include "app/errors32.h"

namespace ficht {

using unitlink::FieldCaption;

const std::array<IdentificationField, 7> kIdentificationFields = {{
    {FieldCaption::engineAnd(" Model"), "J150FSXECR", 0, 0, true},
    {FieldCaption::engineAnd(" Serial"), "4466419", 1, 0, false},
    {{}, "150 FFI PILOT", 1, 1, false},
    {FieldCaption::fixed("Software Ver:"), "3030000", 2, 0, false},
    {FieldCaption::fixed("ECU Serial:"), "0", 2, 1, false},
    {FieldCaption::fixed("MAP Version:"), "150D706", 3, 0, false},
    {FieldCaption::fromCatalogue(ERRORS32::CapHours), "35", 3, 1, false},
}};

// Spanish has six lines to English's seven: its last line stands for the
// last two English ones, so the line before the last has no Spanish.
const std::array<LanguageText, 7> kFaultLines = {{
    {"Throttle Position Circuit Malfunction.", "Fallo en el circuito de posición de la mariposa."},
    {"Associated code 13 or 14 will also be set.",
     "Los códigos de fallo 13 o 14 también pueden estar activos."},
    {"The ECU is detecting a value outside the operating range of",
     "La ECU está detectando un valor fuera del rango operativo"},
    {"this sensor. This can be caused by mechanical damage to the",
     "del sensor. Esto puede estar causado por un fallo mecánico"},
    {"sensor or linkage that increases the sensor travel toward",
     "que aumenta el recorrido del sensor."},
    {"idle or WOT position. Damage to the sensor leads, or sensor electrical", nullptr},
    {"connectors that are loose, corroded or unplugged can also cause this Code.",
     "Revise el cableado, daños por corrosión o el propio sensor."},
}};

const LanguageText kReplaceEcuCaption = {"Replace ECU", "Cambiar ECU", "ECU Austauschen"};
const LanguageText kReplaceFirst = {
    "\r This procedure is to READ the damaged ECU information.",
    "\r Este proceso lee los datos de la ECU para una reprogramación.",
    "\r Bei diesem Vorgang werden die defekten Daten der ECU gelesen."};
const LanguageText kReplaceSecond = {
    "\r Damaged ECU must be still installed before READING the information.",
    "\r Antes de comenzar compruebe que la ECU usada está instalada.",
    "\r Die defekte ECU muss installiert bleiben bis die Daten gelesen wurden."};
const LanguageText kReading = {"\rReading Data", "\rLeyendo Datos", "\rDaten Lesen"};
const LanguageText kReadFirst = {"\r Install the new ECU with ignition shut off.",
                                 "\rQuite el contacto e instale la nueva ECU.",
                                 "\r Neue ECU installieren bei abgeschalteter Zündung."};
const LanguageText kReadSecond = {"\rAfter installation select SAVE Data.",
                                  "\rDespués ponga el contacto y elija Grabar Datos.",
                                  "\rNach der installation 'Daten Speichern'."};
const LanguageText kWriting = {"\rWriting Data", "\rGrabando Datos", nullptr};
const LanguageText kSavedFirst = {"\rData saved, process complete!", "\rProceso Finalizado",
                                  nullptr};

const std::array<Reading, 10> kSpeedBands = {{
    {"     0 - 1000 r/min", "111"},
    {"1000 - 2000 r/min", "102"},
    {"2000 - 3000 r/min", "87"},
    {"3000 - 4000 r/min", "62"},
    {"4000 - 5000 r/min", "0"},
    {"5000 - 6000 r/min", "0"},
    {"6000 - 7000 r/min", "0"},
    {"7000 - 8000 r/min", "0"},
    {"7000 - 8000 r/min", "0"},
    {"Total Hours:", "362"},
}};

const std::array<Reading, 6> kInjectorSerials = {{
    {"#1", "1611125231400222"},
    {"#2", "1611125231400233"},
    {"#3", "1811128761477223"},
    {"#4", "1811141421400211"},
    {"#5", "1711171821400244"},
    {"#6", "1611125231400999"},
}};

const std::array<Reading, 9> kSnapshot = {{
    {nullptr, "4.99"},
    {"Alternator Volt.", "11.59"},
    {"Air Temperat.", "87ºF"},
    {"Engine Temper.", "140ºF"},
    {"ECU Temper.", "56ºF"},
    {"ECU On Time", "49.32"},
    {"Break-In Hours", "5"},
    {"Overheat", "No"},
    {"Water in Fuel", "No"},
}};

const std::array<LiveRow, 3> kTemperatureBlock = {{
    {"Air", {"4.98", "212", "100"}},
    {"Water", {"5.01", "284", "140"}},
    {"ECU", {"11.42", "69", "21"}},
}};
const std::array<LiveRow, 2> kVoltageBlock = {{
    {"T.P.S.", {"4.35", nullptr, "12"}}, // Open% stands in the third column
    {"Alternator", {"9.63", nullptr, nullptr}},
}};
const std::array<LiveRow, 7> kEngineBlock = {{
    {"Engine Speed (R.P.M.)", {"2700", nullptr, nullptr}},
    {"Ignition Timming (BTDC)", {"10", nullptr, nullptr}},
    {"Spark Duration (ms)", {"2", nullptr, nullptr}},
    {"Fuel Timming (BTDC)", {"80", nullptr, nullptr}},
    {"Fuel Pulse Width (ms)", {"15", nullptr, nullptr}},
    {"Baro Pressure", {"29.91", nullptr, nullptr}},
    {"Exhaust Pressure", {"0.00", nullptr, nullptr}},
}};
const std::array<LiveRow, 5> kSwitchBlock = {{
    {"In S.L.O.W.", {"No", nullptr, nullptr}},
    {"Overheat", {"No", nullptr, nullptr}},
    {"Oil Pressure", {"Yes", nullptr, nullptr}},
    {"Shift Interrupter", {"No", nullptr, nullptr}},
    {"Water in Fuel", {"No", nullptr, nullptr}},
}};

const std::array<const char *, kCylinders> kCoilButtonNames = {
    "Command8", "Command9", "Command10", "Command32", "Command33", "Command34"};
const std::array<const char *, kCylinders> kInjectorButtonNames = {
    "Command7", "Command6", "Command5", "Command35", "Command37", "Command38"};

} // namespace ficht
