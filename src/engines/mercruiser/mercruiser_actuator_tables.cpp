#include "engines/mercruiser/mercruiser_actuator_tables.h"

#include "app/errors32.h"

namespace mercruiser {

namespace {
constexpr ActuatorNotice kFuelPumpNotice{
    {" Electrical fuel pump should be disabled before testing. To disable the fuel pump, please "
     "disconnect ",
     " Antes de realizar esta prueba desconecte la bomba de combustible. La desconexión puede "
     "realizarse "},
    {"the electrical connection, e.g. the fuel pump fuse.",
     "retirando del fusible o el conector de la bomba."}};
constexpr ActuatorNotice kNoNotice{{"", ""}, {"", ""}};
} // namespace

const LanguageText kPressStart{"Press Start Button", "Pulse Start"};
const LanguageText kInjectorWord{"Injector", "Inyector"};
const LanguageText kCoilWord{"Coil", "Bobina"};

const std::array<TestButton, 7> kTestButtons = {{
    {"Command7", &ERRORS32::CapSetEngineLocation, TestKind::EngineLocation, kNoTest},
    {"Command8", &ERRORS32::CapWarningBuzzer, TestKind::Timed, kBuzzerTest},
    {"Command17", &ERRORS32::CapFuelPump, TestKind::Timed, kFuelPumpTest},
    {"Command34", &ERRORS32::CapIacOutputTest, TestKind::IdleAir, kIdleAirTest},
    {"Command9", &ERRORS32::CapTachometerOutput, TestKind::Tachometer, kNoTest},
    {"Command33", &ERRORS32::CapIgnitionCoil, TestKind::Cylinders, kCoilTest},
    {"Command5", &ERRORS32::CapFuelInjectors, TestKind::Cylinders, kInjectorTest},
}};

const std::array<TestNotices, 5> kTestNotices = {{
    {kInjectorTest,
     kFuelPumpNotice,
     {{" Please perform test with Key 'ON' and engine 'OFF'. ",
       " Realice esta prueba con el contacto puesto y el motor parado."},
      {"", ""}}},
    {kCoilTest,
     {{" Spark gap tester is required. Please, remove spark plugs from cylinder to perform this "
       "test. Engine may backfire and risk",
       " No realice esta prueba sin desconectar los cables de ignición de las bujías. Esta prueba "
       "puede ocasionar una flama o detonación. "},
      {" of fire may exist. Make sure engine compartment is free from any fuel vapors, Explosion "
       "hazard!",
       "Realice una purga de los vapores antes de proceder."}},
     kFuelPumpNotice},
    {kIdleAirTest,
     {{" Do NOT attempt to operate the boat while performing this test. Follow all engine and "
       "boat manufacturer´s ",
       " No conduzca este barco mientras realiza el test. Siga todas las precauciones "},
      {"precautions and stay clear of all moving engine components.",
       "previstas por el fabricante y observe los movimientos de los componentes del motor."}},
     {{" This test should be performed with the gear shift in neutral position, engine idling "
       "and at normal operating temperature! ",
       " Esta prueba debe realizarse con el cambio en posición Neutral, motor a ralentí y "
       "temperatura de funcionamiento. "},
      {"", ""}}},
    {kFuelPumpTest, {{"\r\r\r\r", "\r\r\r\r"}, kPressStart}, kNoNotice},
    {kBuzzerTest, {{"\r\r\r\r", "\r\r\r\r"}, kPressStart}, kNoNotice},
}};

const std::array<LanguageText, 4> kLocations = {{
    {"Starboard", "Estribor"},
    {"Port", "Babor"},
    {"Starboard 2 Inside", "Estribor 2 Interior"},
    {"Port 2 Inside", "Babor 2 Interior"},
}};

const LanguageText kCurrentLocation{"Current Engine Location", "Ubicación Actual"};
const LanguageText kAvailableLocations{"Available Engine Locations", "Ubicaciónes Disponibles"};
const LanguageText kSetNewLocation{"SET New Location", "Confirme Nueva Ubicación"};
const LanguageText kIgnitionWarning{
    " The ignition must be turned off for 10 seconds, for the changes to take effect!",
    " Para que los cambios sean efectivos, debe quitar el contacto al menos 10 segundos.",
    " Die Zündung muss für 10 sekunden ausgeschaltet werden, um die Veränderungen zu aktivieren!"};

QString noticeText(const ActuatorNotice &notice) {
    return inLanguage(notice.first) + inLanguage(notice.second);
}

const TestNotices *noticesFor(TestCode code) {
    for (const TestNotices &notices : kTestNotices)
        if (notices.code == code)
            return &notices;
    return nullptr;
}

} // namespace mercruiser
