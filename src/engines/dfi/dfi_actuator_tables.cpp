#include "engines/dfi/dfi_actuator_tables.h"

namespace dfi {

QString joined(const TwoPartText &text) {
    return inLanguage(text.first) + inLanguage(text.second);
}

const std::array<SelectionButton, 7> kSelectionButtons = {{
    {"Command7", "Induced Misfire Test", 1, TestKind::PerCylinder},
    {"Command34", "Direct Injector Activation", 2, TestKind::PerCylinder},
    {"Command5", "Fuel Injector Activation", 3, TestKind::PerCylinder},
    {"Command33", "Ignition Coil Output", 4, TestKind::PerCylinder},
    {"Command17", "Oil Pump Test", 5, TestKind::Timed},
    {"Command8", "Main Power Relay", 6, TestKind::Timed},
    {"Command9", "Reset Break-In Oiling ", kNoTest, TestKind::Nothing},
}};

namespace {

const TwoPartText kFuelPumpWarning = {
    {" Before performing this test the engine´s electric fuel pump should be disabled. "
     "Disabling of the fuel pump ",
     " Antes de realizar esta prueba desconecte la bomba de combustible. La desconexión puede "
     "realizarse "},
    {"may be accomplished by removing then fuel pump fuse or disconnecting the pump´s electrical "
     "connector.",
     "retirando del fusible o el conector de la bomba."}};

const TwoPartText kKeyOnEngineOff = {
    {" This test should be performed with Key-On and engine off. ",
     " Realice esta prueba con el contacto puesto y el motor parado."},
    {"", ""}};

} // namespace

const std::array<CylinderTest, 4> kCylinderTests = {{
    {1,
     {{" Do not attempt to drive the boat while performing this test. Follow all engine and boat "
       "manufacturer´s ",
       " No conduzca este barco mientras realiza el test. Siga todas las precauciones "},
      {"safety precautionst and stay clear of all moving engine components.",
       "previstas por el fabricante y observe los movimientos de los componentes del motor."}},
     {{" This test should be performed with the engine running at approximately ",
       " Realice esta prueba con el motor entre, aproximadamente, "},
      {"1500 RPM to 2500 RPM, at normal operating temperature and under moderate load.",
       "1500 RPM y 2500 RPM, a una temperatura normal y carga moderada."}},
     {"Cylinder", "Cilindro"}},
    {2, kFuelPumpWarning, kKeyOnEngineOff, {"Injector", "Inyector"}},
    {3, kFuelPumpWarning, kKeyOnEngineOff, {"Injector", "Inyector"}},
    {4,
     {{" Used of spark gap tester is required for this test. Do not perform this test with the "
       "ignition wires attached to the engine´s spark plugs ",
       " No realice esta prueba sin desconectar los cables de ignición de las bujías. Esta prueba "
       "puede ocasionar una flama o detonación. "},
      {"while they are installed in the cylinders. Engine backfire and external flame can occur. "
       "Purge fuel vapors from the engine before proceeding.",
       "Realice una purga de los vapores antes de proceder."}},
     kFuelPumpWarning,
     {"Coil", "Bobina"}},
}};

const CylinderTest *cylinderTest(qint16 test) {
    for (const CylinderTest &entry : kCylinderTests)
        if (entry.test == test)
            return &entry;
    return nullptr;
}

const LanguageText kPressStart = {"Press Start Button", "Pulse Start"};

} // namespace dfi
