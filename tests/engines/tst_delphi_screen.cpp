// The GM Delphi screen: load, Connect with the engine summary, Diagnosis
// with its one fault and what clears it; the Live Data panel with readings
// by step and the stop flag; the output tests' timed bar and the Base
// Timing Mode switch.
#include "engines/delphi_test.h"
#include "ui/grid.h"

using namespace delphitest;

class DelphiScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void connectFillsTheEngineSummary_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        // clang-format off
        QTest::newRow("English") << int(ERRORS32::English)
            << QStringList{"Engine Model", "Engine Serial", "Software Ver:", "MAP Version:",
                           "ECU Serial:", "ECU Serial:", "ECU Serial:", "Hours"}
            << QStringList{"Ect Temp", "Fuel Flow", "Volt Batt", "Knock Retard",
                           "Lanyard Stop", "Power Reducc", "Faults", "Hours"};
        QTest::newRow("Spanish") << int(ERRORS32::Spanish)
            << QStringList{"Motor Model", "Motor Serial", "Software Ver:", "MAP Version:",
                           "ECU Serial:", "ECU Serial:", "ECU Serial:", "Horas"}
            << QStringList{"Temp Ecm", "Flujo fuel", "Volt Batt", "Knock Retard",
                           "Lanyard Stop", "Power Reducc", "Fallos", "Horas"};
        QTest::newRow("German") << int(ERRORS32::German)
            << QStringList{"Motor Model", "Motor Serial", "Software Ver:", "MAP Version:",
                           "ECU Serial:", "ECU Serial:", "ECU Serial:", "Studen"}
            << QStringList{"Ect Temp", "Fuel Flow", "Volt Batt", "Knock Retard",
                           "Lanyard Stopt", "Power Reducc", "Defekte", "Studen"};
        // clang-format on
    }
    void connectFillsTheEngineSummary() {
        QFETCH(int, language);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        CountingPump pump;
        auto *screen = openScreen(pump, language);
        QCOMPARE(screen->windowTitle(), QStringLiteral("GM Delphi"));
        QCOMPARE(textOf(screen, "Frame3"), QStringLiteral("GM Delco"));
        QVERIFY(isShown(screen, "Image1") && !isShown(screen, "Command24"));
        QCOMPARE(textOf(screen, "Frame2"), QString());
        QCOMPARE(enabledOfBar(screen),
                 (QStringList{"Command29", "Command19", "Command3", "Command4", "Command2"}));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QCOMPARE(indexedTexts(screen, "Label1", 8), before);
        QCOMPARE(indexedTexts(screen, "Label2", 8).join(""), QString());

        press(screen, "Command29");
        QCOMPARE(pump.passes(), kProgress);
        QCOMPARE(textOf(screen, "Label51"), " " + QString(25, 'I'));
        QVERIFY(!isShown(screen, "Frame14") && !isShown(screen, "Image1"));
        QVERIFY(!isShown(screen, "Command24"));
        QCOMPARE(textOf(screen, "Frame2"), QStringLiteral("Engine Info Mefi-1 Mode 0"));
        QCOMPARE(indexedTexts(screen, "Label1", 8), after);
        QCOMPARE(indexedTexts(screen, "Label2", 8),
                 (QStringList{"20.0º", "0.00", "11.9 V", "Off", "Off", "Off", "1", "217.05"}));
        QVERIFY(barIs(screen, true));
        // Engine Info does nothing.
        pump.reset();
        press(screen, "Command20");
        QCOMPARE(pump.passes(), qint64(0));
        QCOMPARE(focusName(screen), QStringLiteral("Command20"));
    }

    void diagnosisListsFault33_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("lines");
        const QStringList english = {
            "Faults detected: 1",
            " ",
            "Fault Code: 33 Actived",
            "Manifold Absolute Pressure Sensor - Malfunction.",
            "The ECM is detecting a value outside the operating range of this sensor.",
            "Damage to the sensor electrical connectors, corroded or unplugged can also cause "
            "this Code."};
        QTest::newRow("English") << int(ERRORS32::English) << english;
        QTest::newRow("Spanish") << int(ERRORS32::Spanish)
                                 << QStringList{"Fallos detectados: 1",
                                                " ",
                                                "Código Fallo: 33 Actived",
                                                "Sensor de presión absoluta del colector.",
                                                "La ECU está detectando un valor fuera del rango "
                                                "operativo del sensor.",
                                                "Revise el cableado, daños por corrosión o el "
                                                "propio sensor."};
        QStringList german = english;
        german[0] = "Fehlercodes: 1";
        german[2] = "FehlerCode: 33 Actived";
        QTest::newRow("German") << int(ERRORS32::German) << german;
    }
    void diagnosisListsFault33() {
        QFETCH(int, language);
        QFETCH(QStringList, lines);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29"});
        press(screen, "Command30");
        QCOMPARE(pump.passes(), kProgress);
        QCOMPARE(listTexts(screen, "List1"), lines);
        QVERIFY(!isShown(screen, "Frame14"));
        // Connect leaves the list as it is.
        press(screen, "Command29");
        QCOMPARE(listTexts(screen, "List1"), lines);
    }

    // Once gone, the fault stays gone: Connect does not bring it back.
    void theFaultStaysGone_data() {
        QTest::addColumn<QStringList>("presses");
        QTest::newRow("erased") << QStringList{"Command1", "Command15", "Command29"};
        QTest::newRow("live data") << QStringList{"Command11", "Command32"};
    }
    void theFaultStaysGone() {
        QFETCH(QStringList, presses);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command30"});
        for (const QString &name : presses)
            press(screen, name);
        QCOMPARE(screen->ActiveFaultCount, qint16(0));
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), QStringList());
        QVERIFY(isShown(screen, "Frame7"));
        QCOMPARE(textOf(screen, "Label7"), QStringLiteral("There are not faults detected"));
        QCOMPARE(textOf(screen, "Label2(6)"), QStringLiteral("1"));
    }

    void eraseShowsItsMessage() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::Spanish, {"Command29", "Command30"});
        press(screen, "Command1");
        QCOMPARE(textOf(screen, "Label51"), " " + QString(28, 'I'));
        QCOMPARE(listTexts(screen, "List1"), QStringList());
        QCOMPARE(textOf(screen, "Label7"), QStringLiteral("Se eliminaron los fallos almacenados"));
        QCOMPARE(focusName(screen), QStringLiteral("Command15"));
        press(screen, "Command15");
        QVERIFY(!isShown(screen, "Frame7") && isEnabled(screen, "Command1"));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void liveDataOpensWithNamesAndStates_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("row8");
        QTest::addColumn<QStringList>("row9");
        // clang-format off
        QTest::newRow("English") << int(ERRORS32::English)
            << QStringList{"Throttle Position", "", "%", "Emergency Stop Enable", "No", ""}
            << QStringList{"Throttle Sensor Volt", "", "Volt", "Prime Fuel Pump On Keyup", "Yes", ""};
        QTest::newRow("Spanish") << int(ERRORS32::Spanish)
            << QStringList{"Posición de Mariposa", "", "%", "Testigo Parada Emergencia Activo", "No", ""}
            << QStringList{"Voltaje de Mariposa", "", "Volt", "Bomba Combustible Activada", "Si", ""};
        QTest::newRow("Italian") << int(ERRORS32::Italian)
            << QStringList{"Throttle Position", "", "%", "Emergency Stop Enable", "No", ""}
            << QStringList{"Throttle Sensor Volt", "", "Volt", "Prime Fuel Pump On Keyup", "Yes", ""};
        // clang-format on
    }
    void liveDataOpensWithNamesAndStates() {
        QFETCH(int, language);
        QFETCH(QStringList, row8);
        QFETCH(QStringList, row9);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command30", "Command11"});
        QCOMPARE(listTexts(screen, "List1"), QStringList());
        QCOMPARE(screen->ActiveFaultCount, qint16(0));
        QVERIFY(isShown(screen, "Frame9") && barIs(screen, false));
        QCOMPARE(focusName(screen), QStringLiteral("Command32"));
        QCOMPARE(textOf(screen, "Frame9"), QStringLiteral("Live Data"));
        QCOMPARE(textOf(screen, "Command35"), QStringLiteral("Conect"));
        QCOMPARE(gridRow(screen, "MSFlexGrid1", 8), row8);
        QCOMPARE(gridRow(screen, "MSFlexGrid1", 9), row9);
        QCOMPARE(gridRow(screen, "MSFlexGrid1", 11)[2], QStringLiteral("#"));
        auto *grid = find<ui::Grid>(screen, "MSFlexGrid1");
        QCOMPARE(grid->rowCount(), 26);
        QCOMPARE(grid->colAlignment(4), ui::Grid::Align::LeftBottom);
    }

    // MAP reads 99.6 on steps 45 to 65, the throttle 4.99 on steps 25 to
    // 65; the bar starts again after step 170.
    void stepsOfTheRun_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("map");
        QTest::addColumn<QString>("throttle");
        QTest::addColumn<int>("bars");
        // clang-format off
        QTest::newRow("1") << 1 << "99.7" << "4.98" << 1;
        QTest::newRow("24") << 24 << "99.7" << "4.98" << 24;
        QTest::newRow("25") << 25 << "99.7" << "4.99" << 25;
        QTest::newRow("44") << 44 << "99.7" << "4.99" << 44;
        QTest::newRow("45") << 45 << "99.6" << "4.99" << 45;
        QTest::newRow("65") << 65 << "99.6" << "4.99" << 65;
        QTest::newRow("66") << 66 << "99.7" << "4.98" << 66;
        QTest::newRow("170") << 170 << "99.7" << "4.98" << 170;
        QTest::newRow("1 again") << 171 << "99.7" << "4.98" << 1;
        // clang-format on
    }
    void stepsOfTheRun() {
        QFETCH(int, step);
        QFETCH(QString, map);
        QFETCH(QString, throttle);
        QFETCH(int, bars);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        QStringList values;
        QString bar;
        pump.at((step - 1) * kStepPasses + 1, [&] {
            for (int row = 0; row < 12; ++row)
                values << gridRow(screen, "MSFlexGrid1", row)[1];
            bar = textOf(screen, "Label9");
            press(screen, "Command32");
        });
        press(screen, "Command35");
        QCOMPARE(pump.passes(), step * kStepPasses);
        QCOMPARE(values, (QStringList{"4.76", map, "0.05", "7.7", "8", "0.00", "0.00", "8.2",
                                      throttle, "139.0", "109.0", ""}));
        QCOMPARE(bar, QString(bars, 'I'));
    }

    void firstExitStopsSecondEmptiesTheGrid() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        pump.at(2 * kStepPasses + 10, [&] { press(screen, "Command32"); });
        press(screen, "Command35");
        QCOMPARE(pump.passes(), 3 * kStepPasses);
        QVERIFY(isShown(screen, "Frame9"));
        QCOMPARE(textOf(screen, "Label9"), QStringLiteral("End Process"));
        QCOMPARE(gridRow(screen, "MSFlexGrid1", 1)[1], QStringLiteral("99.7"));
        QCOMPARE(focusName(screen), QStringLiteral("Command32"));
        press(screen, "Command32");
        QVERIFY(!isShown(screen, "Frame9") && barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        for (int row = 0; row < 26; ++row)
            QCOMPARE(gridRow(screen, "MSFlexGrid1", row).join(""), QString());
    }

    void anOutputTestEndsTheSame_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::newRow("English fuel pump") << int(ERRORS32::English) << "Command17"
                                           << "End process";
        QTest::newRow("English IAC reset") << int(ERRORS32::English) << "Command5"
                                           << "End process";
        QTest::newRow("Spanish oil level") << int(ERRORS32::Spanish) << "Command33"
                                           << "Proceso finalizado";
    }
    void anOutputTestEndsTheSame() {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QString, result);
        CountingPump pump;
        RecordedSleeps sleeps;
        auto *screen = openScreen(pump, language, {"Command29", "Command31"});
        QVERIFY(isShown(screen, "Frame5") && barIs(screen, false));
        QCOMPARE(focusName(screen), QStringLiteral("Command18"));
        QString last;
        pump.at(kTestPasses, [&] { last = textOf(screen, "Label14"); });
        press(screen, button);
        QCOMPARE(pump.passes(), kTestPasses);
        QCOMPARE(last, QString(81, 'I'));
        QCOMPARE(sleeps.calls.size(), size_t(16));
        QCOMPARE(sleeps.calls.front(), 300);
        QCOMPARE(sleeps.calls.back(), 200);
        QCOMPARE(textOf(screen, "Label14"), result);
        QCOMPARE(focusName(screen), QStringLiteral("Command18"));
        press(screen, "Command18");
        QVERIFY(!isShown(screen, "Frame5") && barIs(screen, true));
        QCOMPARE(textOf(screen, "Label14"), QString());
    }

    // Leaving the panel ends a test before its next wait.
    void exitEndsARunningTest() {
        CountingPump pump;
        RecordedSleeps sleeps;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command31"});
        pump.at(500, [&] { press(screen, "Command18"); });
        press(screen, "Command9");
        QCOMPARE(pump.passes(), qint64(500));
        QVERIFY(sleeps.calls.empty() && !isShown(screen, "Frame5"));
        QCOMPARE(textOf(screen, "Label14"), QString());
    }

    void baseTimingKeepsItsCaptionUntilReload() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command31", "Command34"});
        QCOMPARE(textOf(screen, "Command34"), QStringLiteral("Disable Base Timing Mode"));
        press(screen, "Command18");
        press(screen, "Command31");
        QCOMPARE(textOf(screen, "Command34"), QStringLiteral("Disable Base Timing Mode"));
        press(screen, "Command34");
        QCOMPARE(textOf(screen, "Command34"), QStringLiteral("Activate Base Timing Mode"));
        press(screen, "Command34");
        press(screen, "Command18");
        press(screen, "Command3");
        flushDeletes();
        screen = openScreen(pump, ERRORS32::English, {"Command29", "Command31"});
        QCOMPARE(textOf(screen, "Command34"), QStringLiteral("Activate Base Timing Mode"));
    }
};

TIDEWELL_TEST_MAIN(DelphiScreenTest)
#include "tst_delphi_screen.moc"
