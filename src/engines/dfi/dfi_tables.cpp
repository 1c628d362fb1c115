#include "engines/dfi/dfi_tables.h"

namespace dfi {

const std::array<const char *, 5> kIdentificationLines = {
    "Ecm DFI..... Connected", "98 DI 2.5L 135", "ECM# 856496-8", "CODE 856497-8", "98DI135U.C38",
};

const std::array<DiagnosedFault, 2> kDiagnosedFaults = {{
    {"1315", {"Active", "Activo"}, {"Starboard ECT Sensor.", "Sensor ECT de estribor"}},
    {"1321",
     {"Occurred", "Ocurrido"},
     {"Manifold Air Pressure Sensor.", "Sensor de presión del aire de admisión."}},
}};

const std::array<const char *, 2> kInfoOptions = {"System Info", "R.P.M. Info"};

const std::array<const char *, 24> kSystemInfoLines = {
    "98 DI 2.5L 135",
    "ECM# 856496-8",
    "CODE 856497-8",
    "98DI135U.C38",
    " ",
    "PWR RLY 81-99 Ohm",
    " ",
    "CTS max 220F",
    " ",
    "ACT max 220F",
    " ",
    "30-8000 ohm 1K@77F",
    " ",
    "AIRTMP .540-44 Kohm",
    " ",
    "BATV 12.6-15.0",
    " ",
    "MAP 7-15 psi",
    " ",
    "FUEL 88-90 psi",
    " ",
    "AIR 77-81 psi",
    " ",
    "TOP FUSE-FUEL PUMP",
};

// The band labels carry leading spaces so that the dashes line up.
const std::array<RpmBand, 8> kRpmBands = {{
    {"Total Hours", 97},
    {"       0 -   999 RPM", 42.13},
    {" 1000 - 1499 RPM", 29.55},
    {" 1500 - 2999 RPM", 17.22},
    {" 3000 - 3999 RPM", 2.32},
    {" 4000 - 4999 RPM", 1.1},
    {" 5000 - 5999 RPM", 0.28},
    {" 6000 - 6999 RPM", 0},
}};

const std::array<HistoricCounter, 21> kHistoricCounters = {{
    {{"Ignition 1", "Ignición 1"}, "0"},
    {{"Ignition 2", "Ignición 2"}, "0"},
    {{"Ignition 3", "Ignición 3"}, "0"},
    {{"Ignition 4", "Ignición 4"}, "0"},
    {{"Ignition 5", "Ignición 5"}, "0"},
    {{"Ignition 6", "Ignición 6"}, "0"},
    {{"Injector 1", "Inyector 1"}, "0"},
    {{"Injector 2", "Inyector 2"}, "0"},
    {{"Injector 3", "Inyector 3"}, "0"},
    {{"Injector 4", "Inyector 4"}, "0"},
    {{"Injector 5", "Inyector 5"}, "0"},
    {{"Injector 6", "Inyector 6"}, "0"},
    {{"Oil Pump", "Bomba de Aceite"}, "3"},
    {{"Port ECT Sensor", "Sensor ECT Babor"}, "0"},
    {{"Starboard ECT Sensor", "Sensor ECT Estribor"}, "25"},
    {{"Air Compressor Temper.", "Temperatura Compresor de Aire"}, "24"},
    {{"MAP Sensor", "Sensor MAP"}, "25"},
    {{"Throttle Position Sensor 1", "Sensor Posición Mariposa 1"}, "0"},
    {{"Throttle Position Sensor 2", "Sensor Posición Mariposa 2"}, "0"},
    {{"Air Temperature Sensor", "Sensor Temperatura del Aire"}, "0"},
    {{"Water in Fuel", "Agua en el Combustible"}, "0"},
}};

} // namespace dfi
