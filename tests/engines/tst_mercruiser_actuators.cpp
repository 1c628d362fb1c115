// The actuator tests of the Mercruiser PCM/ECM555 screen: the ActuatorPanel,
// the timed fuel-pump and buzzer tests with Cancel at a chosen pass, the
// cylinder tests, the idle-air steps, the tachometer output and the engine
// location. Sleep calls are recorded, not slept.
#include "app/errors32.h"
#include "link/engine_screen.h"
#include "mercruiser_panels_support.h"
#include "support/test_support.h"
#include "ui/controls.h"
#include "ui/picture.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QSlider>

using namespace testing;
using namespace mercruiser_panels;
using unitlink::EngineScreen;

namespace {

const QStringList kTestButtons = {"Command7", "Command8",  "Command17", "Command34",
                                  "Command9", "Command33", "Command5"};
const QStringList kEnglishCaptions = {"Set Engine Location", "Warning Buzzer",    "Fuel Pump",
                                      "IAC Output Test",     "Tachometer Output", "Ignition Coil",
                                      "Fuel Injectors"};
const QStringList kSpanishCaptions = {
    "Ubicación del Motor", "Avisador Sonoro",      "Bomba combustible", "Control de Ralentí",
    "Cuentarrevoluciones", "Bobinas de Encendido", "Inyectores"};
QString *const kCaptionEntries[7] = {&ERRORS32::CapSetEngineLocation, &ERRORS32::CapWarningBuzzer,
                                     &ERRORS32::CapFuelPump,          &ERRORS32::CapIacOutputTest,
                                     &ERRORS32::CapTachometerOutput,  &ERRORS32::CapIgnitionCoil,
                                     &ERRORS32::CapFuelInjectors};

const QString kFuelPumpEnglish =
    " Electrical fuel pump should be disabled before testing. To disable the fuel pump, please "
    "disconnect the electrical connection, e.g. the fuel pump fuse.";
const QString kFuelPumpSpanish =
    " Antes de realizar esta prueba desconecte la bomba de combustible. La desconexión puede "
    "realizarse retirando del fusible o el conector de la bomba.";
const QString kCoilEnglish =
    " Spark gap tester is required. Please, remove spark plugs from cylinder to perform this "
    "test. Engine may backfire and risk of fire may exist. Make sure engine compartment is free "
    "from any fuel vapors, Explosion hazard!";
const QString kCoilSpanish =
    " No realice esta prueba sin desconectar los cables de ignición de las bujías. Esta prueba "
    "puede ocasionar una flama o detonación. Realice una purga de los vapores antes de proceder.";
const QString kIacEnglish =
    " Do NOT attempt to operate the boat while performing this test. Follow all engine and boat "
    "manufacturer´s precautions and stay clear of all moving engine components.";
const QString kIacSpanish =
    " No conduzca este barco mientras realiza el test. Siga todas las precauciones previstas por "
    "el fabricante y observe los movimientos de los componentes del motor.";
const QString kIacWarningEnglish = " This test should be performed with the gear shift in neutral "
                                   "position, engine idling and at normal operating temperature! ";
const QString kIacWarningSpanish =
    " Esta prueba debe realizarse con el cambio en posición Neutral, "
    "motor a ralentí y temperatura de funcionamiento. ";

const QColor kRed(192, 0, 0);
const QColor kGreen(0, 192, 0);

// The timed test: a wait of 1001 passes, one of 6, then 15 groups of 2 x 6.
constexpr qint64 kTimedPasses = 1001 + 6 + 15 * 12;
// The cylinder test: 50 waits of 6 passes.
constexpr qint64 kCylinderPasses = 50 * 6;

QColor indicator(QWidget *screen, int row) {
    auto *shape = find<QFrame>(screen, ui::indexedName("Shape1", row));
    return shape ? shape->palette().color(QPalette::Window) : QColor();
}
Qt::Alignment horizontal(QWidget *screen, const QString &name) {
    auto *label = find<QLabel>(screen, name);
    return label ? label->alignment() & Qt::AlignHorizontal_Mask : Qt::Alignment();
}
QStringList rowTexts(QWidget *screen, const QString &name) {
    QStringList texts;
    for (int row = 0; row < 8; ++row)
        texts << textOf(screen, ui::indexedName(name, row));
    return texts;
}
QStringList rowLabels(const QString &word) {
    QStringList texts;
    for (int row = 1; row <= 8; ++row)
        texts << word + QStringLiteral(" ") + QString::number(row);
    return texts;
}
QStringList allOff() {
    return QStringList(8, QStringLiteral("Off"));
}
bool allRed(QWidget *screen) {
    for (int row = 0; row < 8; ++row)
        if (indicator(screen, row) != kRed)
            return false;
    return true;
}
bool testButtonsAre(QWidget *screen, bool enabled) {
    for (const QString &name : kTestButtons)
        if (isEnabled(screen, name) != enabled)
            return false;
    return true;
}

} // namespace

class MercruiserActuatorsTest : public QObject {
    Q_OBJECT

    EngineScreen *openActuators(CountingPump &pump, int language = ERRORS32::English) {
        auto *screen = openConnected(pump, language);
        if (screen)
            press(screen, "Command31");
        pump.reset();
        return screen;
    }

    // The state of a freshly opened ActuatorPanel.
    void verifyChooseTest(EngineScreen *screen) {
        QVERIFY(isShown(screen, "Frame5"));
        QVERIFY(!isShown(screen, "Frame21"));
        QCOMPARE(textOf(screen, "Label6"), QStringLiteral("Choose Test"));
        QCOMPARE(textOf(screen, "Label5"), QString());
        QCOMPARE(textOf(screen, "Label26"), QString());
        QVERIFY(!isEnabled(screen, "Command39"));
        QCOMPARE(textOf(screen, "Command39"), QStringLiteral("Ok"));
        QVERIFY(testButtonsAre(screen, true));
        QVERIFY(isEnabled(screen, "Command18"));
        QCOMPARE(focusName(screen), QStringLiteral("Command18"));
        QVERIFY(barIs(screen, false));
    }

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    // ActuatorPanel ----------------------------------------------------------

    void openingShowsChooseTest_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= 8; ++language)
            QTest::newRow(kLanguageNames[language - 1]) << language;
    }
    void openingShowsChooseTest() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = openActuators(pump, language);
        QVERIFY(screen);
        verifyChooseTest(screen);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(textOf(screen, kTestButtons[i]), *kCaptionEntries[i]);
        if (language == ERRORS32::English)
            for (int i = 0; i < 7; ++i)
                QCOMPARE(textOf(screen, kTestButtons[i]), kEnglishCaptions[i]);
        if (language == ERRORS32::Spanish)
            for (int i = 0; i < 7; ++i)
                QCOMPARE(textOf(screen, kTestButtons[i]), kSpanishCaptions[i]);
        QCOMPARE(textOf(screen, "Command18"), ERRORS32::CapExit);
        // Escape on the disabled lower-strip Exit leaves the screen loaded.
        key(screen, "Command3", Qt::Key_Escape);
        QVERIFY(loaded("Form47"));
    }

    void choosingATestShowsItsTexts_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("start");
        const QString english = "\r\r\r\rPress Start Button";
        const QString spanish = "\r\r\r\rPulse Start";
        QTest::newRow("English fuel pump") << 2 << "Command17"
                                           << "Fuel Pump" << english << ""
                                           << "Start";
        QTest::newRow("English buzzer") << 2 << "Command8"
                                        << "Warning Buzzer" << english << ""
                                        << "Start";
        QTest::newRow("Spanish fuel pump") << 1 << "Command17"
                                           << "Bomba combustible" << spanish << ""
                                           << "Start";
        QTest::newRow("French buzzer") << 3 << "Command8"
                                       << "Avertisseur" << english << ""
                                       << "Start";
        QTest::newRow("English injectors")
            << 2 << "Command5"
            << "Fuel Injectors" << kFuelPumpEnglish
            << " Please perform test with Key 'ON' and engine 'OFF'. "
            << "Ok";
        QTest::newRow("Spanish injectors")
            << 1 << "Command5"
            << "Inyectores" << kFuelPumpSpanish
            << " Realice esta prueba con el contacto puesto y el motor parado."
            << "Ok";
        QTest::newRow("English coils")
            << 2 << "Command33"
            << "Ignition Coil" << kCoilEnglish << kFuelPumpEnglish << "Ok";
        QTest::newRow("Spanish coils")
            << 1 << "Command33"
            << "Bobinas de Encendido" << kCoilSpanish << kFuelPumpSpanish << "Ok";
        QTest::newRow("German coils") << 5 << "Command33"
                                      << "Zundspule" << kCoilEnglish << kFuelPumpEnglish << "Ok";
        QTest::newRow("English IAC")
            << 2 << "Command34"
            << "IAC Output Test" << kIacEnglish << kIacWarningEnglish << "Ok";
        QTest::newRow("Spanish IAC")
            << 1 << "Command34"
            << "Control de Ralentí" << kIacSpanish << kIacWarningSpanish << "Ok";
        QTest::newRow("Swedish IAC")
            << 8 << "Command34"
            << "IAC Output Test" << kIacEnglish << kIacWarningEnglish << "Ok";
    }
    void choosingATestShowsItsTexts() {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QString, instruction);
        QFETCH(QString, warning);
        QFETCH(QString, start);
        CountingPump pump;
        auto *screen = openActuators(pump, language);
        press(screen, button);
        QCOMPARE(textOf(screen, "Label6"), title);
        QCOMPARE(textOf(screen, "Label5"), instruction);
        QCOMPARE(textOf(screen, "Label26"), warning);
        QVERIFY(isEnabled(screen, "Command39"));
        QCOMPARE(textOf(screen, "Command39"), start);
        QVERIFY(testButtonsAre(screen, true));
        QCOMPARE(pump.passes(), qint64(0));
    }

    void fuelPumpPromptIsOnTheFifthLine() {
        CountingPump pump;
        auto *screen = openActuators(pump);
        press(screen, "Command17");
        const QStringList lines = textOf(screen, "Label5").split(QLatin1Char('\r'));
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[4], QStringLiteral("Press Start Button"));
    }

    void exitOfTheActuatorPanelReturnsToTheScreen() {
        CountingPump pump;
        auto *screen = openActuators(pump);
        press(screen, "Command17");
        press(screen, "Command18");
        QVERIFY(!isShown(screen, "Frame5"));
        QVERIFY(barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        // Opened again, nothing of the earlier choice is left.
        press(screen, "Command31");
        verifyChooseTest(screen);
    }

    // Timed tests ------------------------------------------------------------

    void timedTestRunsToEndProcess_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("exit");
        QTest::newRow("English fuel pump") << 2 << "Command17"
                                           << "End process"
                                           << "Exit";
        QTest::newRow("English buzzer") << 2 << "Command8"
                                        << "End process"
                                        << "Exit";
        QTest::newRow("Spanish fuel pump") << 1 << "Command17"
                                           << "Proceso finalizado"
                                           << "Salir";
        QTest::newRow("French buzzer") << 3 << "Command8"
                                       << "End process"
                                       << "Quitter";
    }
    void timedTestRunsToEndProcess() {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QString, end);
        QFETCH(QString, exit);
        CountingPump pump;
        RecordedSleeps sleeps;
        auto *screen = openActuators(pump, language);
        press(screen, button);
        QMap<qint64, QString> bars;
        bool runningState = false;
        for (qint64 pass : {qint64(1), qint64(1001), qint64(1002), qint64(1008), qint64(1013),
                            qint64(1014), qint64(1019), qint64(1020), kTimedPasses})
            pump.at(pass, [&, pass] { bars[pass] = textOf(screen, "Label10"); });
        pump.at(500, [&] {
            runningState = isShown(screen, "Frame21") && !isEnabled(screen, "Command39") &&
                           !isEnabled(screen, "Command18") && testButtonsAre(screen, false) &&
                           focusName(screen) == "Command43" && textOf(screen, "Label5").isEmpty() &&
                           textOf(screen, "Command43") == "Cancel";
        });
        press(screen, "Command39");

        QVERIFY(runningState);
        QCOMPARE(bars[1], QString());
        QCOMPARE(bars[1001], QString());
        QCOMPARE(bars[1002], QStringLiteral("IIIIII"));
        QCOMPARE(bars[1008], QStringLiteral("IIIIII"));
        QCOMPARE(bars[1013], QStringLiteral("IIIIII"));
        QCOMPARE(bars[1014], QString(11, QLatin1Char('I')));
        QCOMPARE(bars[1019], QString(11, QLatin1Char('I')));
        QCOMPARE(bars[1020], QString(11, QLatin1Char('I')));
        QCOMPARE(bars[kTimedPasses], QString(81, QLatin1Char('I')));
        QCOMPARE(pump.passes(), kTimedPasses);
        std::vector<int> expectedSleeps(16, 200);
        expectedSleeps[0] = 300;
        QCOMPARE(sleeps.calls, expectedSleeps);

        QCOMPARE(textOf(screen, "Label10"), end);
        QCOMPARE(horizontal(screen, "Label10"), Qt::AlignHCenter);
        QCOMPARE(textOf(screen, "Command43"), exit);
        QCOMPARE(focusName(screen), QStringLiteral("Command43"));
        QVERIFY(isShown(screen, "Frame21"));
        QCOMPARE(announcedAs(screen, "Frame21"), QStringLiteral("Performing Test"));

        // Cancel, now reading Exit, returns to the choice of test.
        press(screen, "Command43");
        QVERIFY(!isShown(screen, "Frame21"));
        QCOMPARE(textOf(screen, "Label10"), QString());
        QCOMPARE(announcedAs(screen, "Label10"), QString()); // never the frame's caption
        QCOMPARE(horizontal(screen, "Label10"), Qt::AlignLeft);
        QCOMPARE(textOf(screen, "Frame21"), QStringLiteral("Performing Test"));
        QCOMPARE(textOf(screen, "Command43"), exit);
        verifyChooseTest(screen);
        QCOMPARE(pump.passes(), kTimedPasses);
    }

    void cancelDuringATimedTestStopsIt_data() {
        QTest::addColumn<qint64>("cancelAt");
        QTest::addColumn<int>("sleepsBefore");
        QTest::newRow("first pass") << qint64(1) << 0;
        QTest::newRow("end of the first wait") << qint64(1001) << 0;
        QTest::newRow("after the first bar") << qint64(1002) << 0;
        QTest::newRow("before the first pause") << qint64(1007) << 0;
        QTest::newRow("first group") << qint64(1008) << 1;
        QTest::newRow("end of the first group") << qint64(1019) << 1;
        QTest::newRow("second group") << qint64(1020) << 2;
        QTest::newRow("eighth group") << qint64(1100) << 8;
        QTest::newRow("last group") << qint64(1186) << 15;
        QTest::newRow("last pass") << kTimedPasses << 15;
    }
    void cancelDuringATimedTestStopsIt() {
        QFETCH(qint64, cancelAt);
        QFETCH(int, sleepsBefore);
        CountingPump pump;
        RecordedSleeps sleeps;
        auto *screen = openActuators(pump);
        press(screen, "Command17");
        pump.at(cancelAt, [&] { press(screen, "Command43"); });
        press(screen, "Command39");
        // The test went no further than the pass of Cancel.
        QCOMPARE(pump.passes(), cancelAt);
        QCOMPARE(int(sleeps.calls.size()), sleepsBefore);
        QVERIFY(!isShown(screen, "Frame21"));
        QCOMPARE(textOf(screen, "Label10"), QString());
        QCOMPARE(textOf(screen, "Command43"), QStringLiteral("Cancel"));
        verifyChooseTest(screen);
        // The test can be run again, to its end.
        sleeps.calls.clear();
        pump.reset();
        press(screen, "Command17");
        press(screen, "Command39");
        QCOMPARE(pump.passes(), kTimedPasses);
        QCOMPARE(int(sleeps.calls.size()), 16);
        QCOMPARE(textOf(screen, "Label10"), QStringLiteral("End process"));
        QCOMPARE(focusName(screen), QStringLiteral("Command43"));
    }

    void leavingTheScreenDuringATimedTestEndsIt() {
        CountingPump pump;
        RecordedSleeps sleeps;
        auto *screen = openActuators(pump);
        QPointer<EngineScreen> guard(screen);
        press(screen, "Command8");
        pump.at(1010, [&] { screen->close(); });
        press(screen, "Command39");
        QCOMPARE(pump.passes(), qint64(1010));
        QCOMPARE(int(sleeps.calls.size()), 1);
        QVERIFY(!loaded("Form47"));
        flushDeletes();
        QVERIFY(guard.isNull());
    }

    // CylinderPanel ----------------------------------------------------------

    void cylinderPanelOpensWithItsRows_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("word");
        QTest::newRow("English injectors") << 2 << "Command5"
                                           << "Fuel Injectors"
                                           << "Injector";
        QTest::newRow("Spanish injectors") << 1 << "Command5"
                                           << "Inyectores"
                                           << "Inyector";
        QTest::newRow("English coils") << 2 << "Command33"
                                       << "Ignition Coil"
                                       << "Coil";
        QTest::newRow("Spanish coils") << 1 << "Command33"
                                       << "Bobinas de Encendido"
                                       << "Bobina";
        QTest::newRow("Italian coils") << 4 << "Command33"
                                       << "Bobina di Accensione"
                                       << "Coil";
    }
    void cylinderPanelOpensWithItsRows() {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, word);
        CountingPump pump;
        auto *screen = openActuators(pump, language);
        press(screen, button);
        press(screen, "Command39");
        QVERIFY(isShown(screen, "Frame20"));
        QVERIFY(!isShown(screen, "Frame5"));
        QCOMPARE(textOf(screen, "Frame20"), caption);
        QCOMPARE(rowTexts(screen, "Label8"), rowLabels(word));
        QCOMPARE(rowTexts(screen, "Command40"), allOff());
        QVERIFY(allRed(screen));
        QVERIFY(!isEnabled(screen, "Command42"));
        QCOMPARE(textOf(screen, "Command41"), QStringLiteral("Exit"));
        QCOMPARE(focusName(screen), QStringLiteral("Command41"));
        QVERIFY(!isEnabled(screen, "Command39"));
        QVERIFY(!isEnabled(screen, "Command18"));
        QVERIFY(testButtonsAre(screen, false));
        QVERIFY(barIs(screen, false));
    }

    void aRowButtonMarksOneRow_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("then");
        QTest::newRow("1 then 8") << 0 << 7;
        QTest::newRow("3 then 4") << 2 << 3;
        QTest::newRow("8 then 1") << 7 << 0;
    }
    void aRowButtonMarksOneRow() {
        QFETCH(int, row);
        QFETCH(int, then);
        CountingPump pump;
        auto *screen = openActuators(pump);
        press(screen, "Command5");
        press(screen, "Command39");
        for (int chosen : {row, then}) {
            press(screen, ui::indexedName("Command40", chosen));
            for (int r = 0; r < 8; ++r) {
                QCOMPARE(indicator(screen, r), r == chosen ? kGreen : kRed);
                QCOMPARE(textOf(screen, ui::indexedName("Command40", r)),
                         QString::fromLatin1(r == chosen ? "On" : "Off"));
            }
            QCOMPARE(textOf(screen, "Label14"), QStringLiteral("Press Start Button"));
            QCOMPARE(horizontal(screen, "Label14"), Qt::AlignHCenter);
            QVERIFY(isEnabled(screen, "Command42"));
        }
    }

    void cylinderTestRunsToEndProcess_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("end");
        QTest::newRow("English injectors") << 2 << "Command5"
                                           << "Fuel Injectors"
                                           << "Injector"
                                           << "Press Start Button"
                                           << "End process";
        QTest::newRow("Spanish coils") << 1 << "Command33"
                                       << "Bobinas de Encendido"
                                       << "Bobina"
                                       << "Pulse Start"
                                       << "Proceso finalizado";
    }
    void cylinderTestRunsToEndProcess() {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, word);
        QFETCH(QString, prompt);
        QFETCH(QString, end);
        CountingPump pump;
        RecordedSleeps sleeps;
        auto *screen = openActuators(pump, language);
        press(screen, button);
        press(screen, "Command39");
        press(screen, "Command40(2)");
        QCOMPARE(textOf(screen, "Label14"), prompt);
        pump.reset();
        QMap<qint64, QString> bars;
        for (qint64 pass : {1, 6, 7, 150, 300})
            pump.at(pass, [&, pass] { bars[pass] = textOf(screen, "Label14"); });
        press(screen, "Command42");
        QCOMPARE(bars[1], QStringLiteral("II"));
        QCOMPARE(bars[6], QStringLiteral("II"));
        QCOMPARE(bars[7], QStringLiteral("IIII"));
        QCOMPARE(bars[150], QString(50, QLatin1Char('I')));
        QCOMPARE(bars[300], QString(100, QLatin1Char('I')));
        QCOMPARE(pump.passes(), kCylinderPasses);
        QCOMPARE(sleeps.calls, std::vector<int>(50, 150));
        QCOMPARE(textOf(screen, "Label14"), end);
        QCOMPARE(horizontal(screen, "Label14"), Qt::AlignHCenter);
        QVERIFY(allRed(screen));
        QCOMPARE(rowTexts(screen, "Command40"), allOff());
        QCOMPARE(rowTexts(screen, "Label8"), rowLabels(word));
        QCOMPARE(textOf(screen, "Frame20"), caption);
        QVERIFY(!isEnabled(screen, "Command42"));
        QCOMPARE(focusName(screen), QStringLiteral("Command41"));
    }

    void cylinderExitReturnsToChooseTest_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("row 1") << 0;
        QTest::newRow("row 6") << 5;
        QTest::newRow("row 7") << 6;
        QTest::newRow("row 8") << 7;
    }
    void cylinderExitReturnsToChooseTest() {
        QFETCH(int, row);
        CountingPump pump;
        auto *screen = openActuators(pump);
        press(screen, "Command33");
        press(screen, "Command39");
        press(screen, ui::indexedName("Command40", row));
        press(screen, "Command41");
        QVERIFY(!isShown(screen, "Frame20"));
        QCOMPARE(textOf(screen, "Label14"), QString());
        // Every indicator is red again and Start waits for a row.
        QVERIFY(allRed(screen));
        QVERIFY(!isEnabled(screen, "Command42"));
        verifyChooseTest(screen);
        press(screen, "Command5");
        press(screen, "Command39");
        QVERIFY(allRed(screen));
        QCOMPARE(rowTexts(screen, "Command40"), allOff());
        QVERIFY(!isEnabled(screen, "Command42"));
        QCOMPARE(pump.passes(), qint64(0));
    }

    void cylinderExitDuringARunStopsIt_data() {
        QTest::addColumn<qint64>("exitAt");
        QTest::addColumn<int>("sleepsBefore");
        QTest::newRow("first pass") << qint64(1) << 0;
        QTest::newRow("end of the first wait") << qint64(6) << 0;
        QTest::newRow("second wait") << qint64(7) << 1;
        QTest::newRow("middle") << qint64(150) << 24;
        QTest::newRow("last pass") << kCylinderPasses << 49;
    }
    void cylinderExitDuringARunStopsIt() {
        QFETCH(qint64, exitAt);
        QFETCH(int, sleepsBefore);
        CountingPump pump;
        RecordedSleeps sleeps;
        auto *screen = openActuators(pump);
        press(screen, "Command5");
        press(screen, "Command39");
        press(screen, "Command40(4)");
        pump.reset();
        pump.at(exitAt, [&] { press(screen, "Command41"); });
        press(screen, "Command42");
        QCOMPARE(pump.passes(), exitAt);
        QCOMPARE(int(sleeps.calls.size()), sleepsBefore);
        QVERIFY(!isShown(screen, "Frame20"));
        QCOMPARE(textOf(screen, "Label14"), QString());
        verifyChooseTest(screen);
    }

    void startPressedAgainDuringACylinderRunRunsOnce() {
        CountingPump pump;
        RecordedSleeps sleeps;
        auto *screen = openActuators(pump);
        press(screen, "Command5");
        press(screen, "Command39");
        press(screen, "Command40(0)");
        pump.reset();
        pump.at(100, [&] { press(screen, "Command42"); });
        press(screen, "Command42");
        // The second run goes to its end; the first one ends with it.
        QCOMPARE(pump.passes(), 100 + kCylinderPasses);
        QCOMPARE(int(sleeps.calls.size()), 16 + 50);
        QCOMPARE(textOf(screen, "Label14"), QStringLiteral("End process"));
        QVERIFY(!isEnabled(screen, "Command42"));
        QCOMPARE(focusName(screen), QStringLiteral("Command41"));
    }

    void leavingTheScreenDuringACylinderRunEndsIt() {
        CountingPump pump;
        RecordedSleeps sleeps;
        auto *screen = openActuators(pump);
        QPointer<EngineScreen> guard(screen);
        press(screen, "Command33");
        press(screen, "Command39");
        press(screen, "Command40(1)");
        pump.reset();
        pump.at(40, [&] { screen->close(); });
        press(screen, "Command42");
        QCOMPARE(pump.passes(), qint64(40));
        QCOMPARE(int(sleeps.calls.size()), 6);
        flushDeletes();
        QVERIFY(guard.isNull());
    }

    // IdleAirPanel -----------------------------------------------------------

    void idleAirPanelOpensInTheMiddle_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 2;
        QTest::newRow("Spanish") << 1;
    }
    void idleAirPanelOpensInTheMiddle() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = openActuators(pump, language);
        press(screen, "Command34");
        press(screen, "Command39");
        QVERIFY(isShown(screen, "Frame22"));
        QVERIFY(!isShown(screen, "Frame5"));
        QCOMPARE(textOf(screen, "Frame22"), QStringLiteral("IAC Air Control Valve Test"));
        QCOMPARE(textOf(screen, "Label31"), QStringLiteral("IAC Position"));
        QCOMPARE(textOf(screen, "Label27"), QStringLiteral("0%"));
        QCOMPARE(textOf(screen, "Label28"), QStringLiteral("0%"));
        QCOMPARE(textOf(screen, "Label29"), QStringLiteral("500"));
        QCOMPARE(textOf(screen, "Command52"), QStringLiteral("Exit"));
        QCOMPARE(focusName(screen), QStringLiteral("Command52"));
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kIdle);
        QVERIFY(barIs(screen, false));
    }

    void idleAirArrows_data() {
        QTest::addColumn<QString>("clicks"); // u: up arrow, d: down arrow
        QTest::addColumn<QString>("positive");
        QTest::addColumn<QString>("negative");
        QTest::addColumn<QString>("rpm");
        QTest::newRow("one up") << "u"
                                << "10 %"
                                << "0%"
                                << "550";
        QTest::newRow("ten up") << QString(10, 'u') << "100 %"
                                << "0%"
                                << "1000";
        QTest::newRow("eleven up") << QString(11, 'u') << "100 %"
                                   << "0%"
                                   << "1000";
        QTest::newRow("one down") << "d"
                                  << "0%"
                                  << "-10 %"
                                  << "450";
        QTest::newRow("ten down") << QString(10, 'd') << "0%"
                                  << "-100 %"
                                  << "0";
        QTest::newRow("eleven down") << QString(11, 'd') << "0%"
                                     << "-100 %"
                                     << "0";
        QTest::newRow("up then down") << "ud"
                                      << "0 %"
                                      << "0%"
                                      << "500";
        QTest::newRow("down then up") << "du"
                                      << "0%"
                                      << "0 %"
                                      << "500";
        QTest::newRow("three down, one up") << "dddu"
                                            << "0%"
                                            << "-20 %"
                                            << "400";
        QTest::newRow("ten up, twenty-one down") << QString(10, 'u') + QString(21, 'd') << "0 %"
                                                 << "-100 %"
                                                 << "0";
    }
    void idleAirArrows() {
        QFETCH(QString, clicks);
        QFETCH(QString, positive);
        QFETCH(QString, negative);
        QFETCH(QString, rpm);
        CountingPump pump;
        auto *screen = openActuators(pump);
        press(screen, "Command34");
        press(screen, "Command39");
        auto *up = find<ui::Picture>(screen, "Image2");
        auto *down = find<ui::Picture>(screen, "Image3");
        QVERIFY(up && down);
        for (QChar click : clicks)
            QTest::mouseClick(click == 'u' ? up : down, Qt::LeftButton);
        QCOMPARE(textOf(screen, "Label27"), positive);
        QCOMPARE(textOf(screen, "Label28"), negative);
        QCOMPARE(textOf(screen, "Label29"), rpm);
        QCOMPARE(focusName(screen), QStringLiteral("Command52"));
    }

    void idleAirExitReturnsToTheScreen() {
        CountingPump pump;
        auto *screen = openActuators(pump);
        press(screen, "Command34");
        press(screen, "Command39");
        QTest::mouseClick(find<ui::Picture>(screen, "Image2"), Qt::LeftButton);
        press(screen, "Command52");
        QVERIFY(!isShown(screen, "Frame22"));
        QVERIFY(!isShown(screen, "Frame5"));
        QVERIFY(barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kIdle);
        // A new test starts from the middle again.
        press(screen, "Command31");
        press(screen, "Command34");
        press(screen, "Command39");
        QCOMPARE(textOf(screen, "Label27"), QStringLiteral("0%"));
        QCOMPARE(textOf(screen, "Label29"), QStringLiteral("500"));
    }

    void afterTheIdleAirTestTheSevenTestsAreUsable() {
        CountingPump pump;
        RecordedSleeps sleeps;
        auto *screen = openActuators(pump);
        press(screen, "Command34");
        press(screen, "Command39");
        press(screen, "Command52");
        press(screen, "Command31");
        verifyChooseTest(screen);
        press(screen, "Command17");
        press(screen, "Command39");
        QCOMPARE(textOf(screen, "Label10"), QStringLiteral("End process"));
    }

    // TachometerPanel --------------------------------------------------------

    void tachometerOpensAtOnce() {
        CountingPump pump;
        auto *screen = openActuators(pump);
        press(screen, "Command17"); // a test chosen before does not matter
        press(screen, "Command9");
        QVERIFY(isShown(screen, "Frame23"));
        QVERIFY(!isShown(screen, "Frame5"));
        QCOMPARE(textOf(screen, "Frame23"), QStringLiteral("Pseudo Tachometer Output"));
        QCOMPARE(textOf(screen, "Label32"), QStringLiteral("500"));
        QCOMPARE(textOf(screen, "Label33"), QStringLiteral("RPM"));
        QCOMPARE(textOf(screen, "Command49"), QStringLiteral("+"));
        QCOMPARE(textOf(screen, "Command50"), QStringLiteral("-"));
        QVERIFY(isEnabled(screen, "Command49") && isEnabled(screen, "Command50"));
        QCOMPARE(textOf(screen, "Command51"), QStringLiteral("Exit"));
        QCOMPARE(focusName(screen), QStringLiteral("Command51"));
        auto *slider = find<QSlider>(screen, "Slider1");
        QCOMPARE(slider->minimum(), 500);
        QCOMPARE(slider->maximum(), 5500);
        QCOMPARE(slider->value(), 500);
        QCOMPARE(pump.passes(), qint64(0));
    }

    void plusAndMinusStepBy50WithinTheRange_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("label");
        QTest::newRow("+ at 500") << 500 << "Command49" << 550 << "550";
        QTest::newRow("+ at 5450") << 5450 << "Command49" << 5500 << "5500";
        QTest::newRow("+ at 5480") << 5480 << "Command49" << 5500 << "5500";
        QTest::newRow("+ at 5500") << 5500 << "Command49" << 5500 << "500";
        QTest::newRow("- at 5500") << 5500 << "Command50" << 5450 << "5450";
        QTest::newRow("- at 550") << 550 << "Command50" << 500 << "500";
        QTest::newRow("- at 520") << 520 << "Command50" << 500 << "500";
        QTest::newRow("- at 500") << 500 << "Command50" << 500 << "500";
    }
    void plusAndMinusStepBy50WithinTheRange() {
        QFETCH(int, from);
        QFETCH(QString, button);
        QFETCH(int, to);
        QFETCH(QString, label);
        CountingPump pump;
        auto *screen = openActuators(pump);
        press(screen, "Command9");
        auto *slider = find<QSlider>(screen, "Slider1");
        slider->setValue(from);
        press(screen, button);
        QCOMPARE(slider->value(), to);
        // At either end nothing changes, not even the label.
        QCOMPARE(textOf(screen, "Label32"), label);
    }

    void theLabelShowsTheSliderWhenTheUserLetsGo() {
        CountingPump pump;
        auto *screen = openActuators(pump);
        press(screen, "Command9");
        auto *slider = find<QSlider>(screen, "Slider1");
        slider->setValue(2750);
        QCOMPARE(textOf(screen, "Label32"), QStringLiteral("500"));
        QTest::mouseRelease(slider, Qt::LeftButton, {}, slider->rect().center());
        QCOMPARE(textOf(screen, "Label32"), QStringLiteral("2750"));
        // A move by the keyboard ends when the key is let go.
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(slider->value(), 2751);
        QCOMPARE(textOf(screen, "Label32"), QStringLiteral("2751"));
    }

    void tachometerExitReturnsToTheScreen() {
        CountingPump pump;
        auto *screen = openActuators(pump);
        press(screen, "Command5");
        QVERIFY(!textOf(screen, "Label26").isEmpty());
        press(screen, "Command9");
        press(screen, "Command49");
        press(screen, "Command51");
        QVERIFY(!isShown(screen, "Frame23"));
        QVERIFY(!isShown(screen, "Frame5"));
        QCOMPARE(textOf(screen, "Label26"), QString());
        QVERIFY(barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kIdle);
        // The slider keeps its value for the next opening.
        press(screen, "Command31");
        press(screen, "Command9");
        QCOMPARE(find<QSlider>(screen, "Slider1")->value(), 550);
        QCOMPARE(textOf(screen, "Label32"), QStringLiteral("550"));
    }

    // EngineLocationPanel ----------------------------------------------------

    void engineLocationPanel_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("locations");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("available");
        QTest::addColumn<QString>("setNew");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("end");
        const QStringList english = {"Starboard", "Port", "Starboard 2 Inside", "Port 2 Inside"};
        const QString englishWarning =
            " The ignition must be turned off for 10 seconds, for the changes to take effect!";
        QTest::newRow("Spanish")
            << 1 << QStringList{"Estribor", "Babor", "Estribor 2 Interior", "Babor 2 Interior"}
            << "Ubicación Actual"
            << "Ubicaciónes Disponibles"
            << "Confirme Nueva Ubicación"
            << " Para que los cambios sean efectivos, debe quitar el contacto al menos 10 "
               "segundos."
            << "Proceso finalizado";
        QTest::newRow("English") << 2 << english << "Current Engine Location"
                                 << "Available Engine Locations"
                                 << "SET New Location" << englishWarning << "End process";
        QTest::newRow("German") << 5 << english << "Current Engine Location"
                                << "Available Engine Locations"
                                << "SET New Location"
                                << " Die Zündung muss für 10 sekunden ausgeschaltet werden, um "
                                   "die Veränderungen zu aktivieren!"
                                << "End process";
        QTest::newRow("Finnish") << 7 << english << "Current Engine Location"
                                 << "Available Engine Locations"
                                 << "SET New Location" << englishWarning << "End process";
    }
    void engineLocationPanel() {
        QFETCH(int, language);
        QFETCH(QStringList, locations);
        QFETCH(QString, current);
        QFETCH(QString, available);
        QFETCH(QString, setNew);
        QFETCH(QString, warning);
        QFETCH(QString, end);
        CountingPump pump;
        auto *screen = openConnected(pump, language);
        press(screen, "Command30"); // Diagnosis fills the ResultList
        QVERIFY(!listTexts(screen, "List1").isEmpty());
        press(screen, "Command31");
        pump.reset();
        press(screen, "Command7");
        QCOMPARE(pump.passes(), qint64(3));
        QVERIFY(isShown(screen, "Frame24"));
        QVERIFY(!isShown(screen, "Frame5"));
        QCOMPARE(textOf(screen, "Frame24"), QStringLiteral("Engine Location"));
        QCOMPARE(textOf(screen, "Command54"), QStringLiteral("Set"));
        QCOMPARE(textOf(screen, "Command53"), ERRORS32::CapExit);
        auto *combo = find<QComboBox>(screen, "Combo1");
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, locations);
        QCOMPARE(combo->currentText(), locations[0]);
        QCOMPARE(textOf(screen, "Label34"), current);
        QCOMPARE(textOf(screen, "Label35"), QString());
        QVERIFY(!isShown(screen, "Label36"));
        QVERIFY(listTexts(screen, "List1").isEmpty());
        QCOMPARE(focusName(screen), QStringLiteral("Command53"));

        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen));
        combo->setFocus(Qt::TabFocusReason);
        QCOMPARE(textOf(screen, "Label34"), available);
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), locations[1]);
        QCOMPARE(textOf(screen, "Label34"), setNew);
        QCOMPARE(focusName(screen), QStringLiteral("Command53"));

        press(screen, "Command54");
        QCOMPARE(textOf(screen, "Label35"), end);
        QCOMPARE(horizontal(screen, "Label35"), Qt::AlignHCenter);
        QVERIFY(isShown(screen, "Label36"));
        QCOMPARE(textOf(screen, "Label36"), warning);
        QCOMPARE(focusName(screen), QStringLiteral("Command53"));

        press(screen, "Command53");
        QVERIFY(!isShown(screen, "Frame24"));
        QVERIFY(!isShown(screen, "Frame5"));
        QVERIFY(barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));

        // Nothing is remembered: the first location again, no warning.
        press(screen, "Command31");
        press(screen, "Command7");
        QCOMPARE(combo->currentText(), locations[0]);
        QCOMPARE(textOf(screen, "Label34"), current);
        QCOMPARE(textOf(screen, "Label35"), QString());
        QVERIFY(!isShown(screen, "Label36"));
    }

    void setWithoutChoosingStillEnds() {
        CountingPump pump;
        auto *screen = openActuators(pump);
        press(screen, "Command7");
        press(screen, "Command54");
        QCOMPARE(textOf(screen, "Label35"), QStringLiteral("End process"));
        QCOMPARE(textOf(screen, "Label36"),
                 QStringLiteral(" The ignition must be turned off for 10 seconds, for the changes "
                                "to take effect!"));
        QVERIFY(isShown(screen, "Label36"));
    }

    void captionsComeFromTheLoadAndNamesFromTheOpening() {
        CountingPump pump;
        auto *screen = openActuators(pump, ERRORS32::German);
        useLanguage(ERRORS32::Spanish);
        press(screen, "Command7");
        auto *combo = find<QComboBox>(screen, "Combo1");
        QCOMPARE(combo->currentText(), QStringLiteral("Estribor"));
        QCOMPARE(textOf(screen, "Label34"), QStringLiteral("Current Engine Location"));
        press(screen, "Command54");
        QCOMPARE(textOf(screen, "Label35"), QStringLiteral("Proceso finalizado"));
        QCOMPARE(textOf(screen, "Label36"),
                 QStringLiteral(" Die Zündung muss für 10 sekunden ausgeschaltet werden, um die "
                                "Veränderungen zu aktivieren!"));
    }

    void setEngineLocationPressedTwiceListsTheLocationsOnce() {
        CountingPump pump;
        auto *screen = openActuators(pump);
        pump.at(1, [&] { press(screen, "Command7"); });
        press(screen, "Command7");
        QCOMPARE(pump.passes(), qint64(6));
        QCOMPARE(find<QComboBox>(screen, "Combo1")->count(), 4);
        QVERIFY(isShown(screen, "Frame24"));
        QCOMPARE(focusName(screen), QStringLiteral("Command53"));
    }

    void leavingTheScreenWhileTheLocationOpensEndsIt() {
        CountingPump pump;
        auto *screen = openActuators(pump);
        QPointer<EngineScreen> guard(screen);
        pump.at(2, [&] { screen->close(); });
        press(screen, "Command7");
        QCOMPARE(pump.passes(), qint64(2));
        QVERIFY(!loaded("Form47"));
        flushDeletes();
        QVERIFY(guard.isNull());
    }
};

TIDEWELL_TEST_MAIN(MercruiserActuatorsTest)
#include "tst_mercruiser_actuators.moc"
