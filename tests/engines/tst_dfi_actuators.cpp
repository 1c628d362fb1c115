// The actuator tests of the Mercury DFI screen: the selection buttons and
// their texts, the CylinderPanel's marking rules and its run, the timed
// runs of the TestRunPanel, and runs called off by Exit or Cancel.
#include "engines/dfi/dfi_actuators.h"
#include "engines/dfi_test.h"

#include <QFrame>

using namespace dfitest;

namespace {

const QColor kRed(192, 0, 0);
const QColor kGreen(0, 192, 0);

QColor indicator(QWidget *screen, int row) {
    auto *shape = find<QFrame>(screen, ui::indexedName("Shape1", row));
    return shape ? shape->palette().color(QPalette::Window) : QColor();
}

// Colour and toggle caption of the six rows, as "R On", "G Off"...
QStringList rows(QWidget *screen) {
    QStringList marks;
    for (int row = 0; row < 6; ++row)
        marks << QString(indicator(screen, row) == kGreen ? "G " : "R ") +
                     textOf(screen, ui::indexedName("Command40", row));
    return marks;
}

const QStringList kSelection = {"Command7",  "Command34", "Command5", "Command33",
                                "Command17", "Command8",  "Command9"};

bool selectionEnabled(QWidget *screen, bool enabled) {
    for (const QString &name : kSelection)
        if (isEnabled(screen, name) != enabled)
            return false;
    return true;
}

} // namespace

class DfiActuatorsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void openingShowsChooseTest() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29"});
        QCOMPARE(textOf(screen, "Label26"),
                 QStringLiteral(" Warning: Make sure that the engine is not running."));
        press(screen, "Command31");
        QVERIFY(isShown(screen, "Frame5") && barIs(screen, false));
        QCOMPARE(textOf(screen, "Frame5"), QStringLiteral("Actuators"));
        QCOMPARE(textOf(screen, "Label6"), QStringLiteral("Choose Test"));
        QCOMPARE(textOf(screen, "Label5") + textOf(screen, "Label26"), QString());
        QVERIFY(!isEnabled(screen, "Command39") && selectionEnabled(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command18"));
        press(screen, "Command18");
        QVERIFY(!isShown(screen, "Frame5") && barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void selectionShowsItsTexts_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("texts"); // name, first, second, Ok
        QTest::newRow("Induced Misfire, English")
            << 2 << "Command7"
            << QStringList{"Induced Misfire Test",
                           " Do not attempt to drive the boat while performing this test. Follow "
                           "all engine and boat manufacturer´s safety precautionst and stay clear "
                           "of all moving engine components.",
                           " This test should be performed with the engine running at "
                           "approximately 1500 RPM to 2500 RPM, at normal operating temperature "
                           "and under moderate load.",
                           "Ok"};
        QTest::newRow("Ignition Coil, Spanish")
            << 1 << "Command33"
            << QStringList{"Ignition Coil Output",
                           " No realice esta prueba sin desconectar los cables de ignición de las "
                           "bujías. Esta prueba puede ocasionar una flama o detonación. Realice "
                           "una purga de los vapores antes de proceder.",
                           " Antes de realizar esta prueba desconecte la bomba de combustible. La "
                           "desconexión puede realizarse retirando del fusible o el conector de "
                           "la bomba.",
                           "Ok"};
        QTest::newRow("Direct Injector, Italian")
            << 4 << "Command34"
            << QStringList{"Direct Injector Activation",
                           " Before performing this test the engine´s electric fuel pump should "
                           "be disabled. Disabling of the fuel pump may be accomplished by "
                           "removing then fuel pump fuse or disconnecting the pump´s electrical "
                           "connector.",
                           " This test should be performed with Key-On and engine off. ", "Ok"};
        QTest::newRow("Oil Pump, English")
            << 2 << "Command17"
            << QStringList{"Oil Pump Test", "\r\r\r\rPress Start Button", "", "Start"};
        QTest::newRow("Main Power Relay, Spanish")
            << 1 << "Command8"
            << QStringList{"Main Power Relay", "\r\r\r\rPulse Start", "", "Start"};
        QTest::newRow("Reset Break-In Oiling does nothing")
            << 2 << "Command9" << QStringList{"Choose Test", "", "", "Ok"};
    }
    void selectionShowsItsTexts() {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QStringList, texts);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command31"});
        press(screen, button);
        QCOMPARE(QStringList({textOf(screen, "Label6"), textOf(screen, "Label5"),
                              textOf(screen, "Label26"), textOf(screen, "Command39")}),
                 texts);
        QCOMPARE(isEnabled(screen, "Command39"), button != "Command9");
        QCOMPARE(screen->actuators->SelectedTest, qint16(kSelection.indexOf(button) + 1) % 7);
    }

    // The misfire test marks the cylinder it cuts out ("Off" among "On"),
    // the others the one they drive ("On" among "Off").
    void cylinderMarking_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("thirdRow");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("marked");
        const QString r = "R ";
        QTest::newRow("Induced Misfire")
            << 2 << "Command7"
            << "Cylinder 3" << QStringList(6, r + "On")
            << QStringList{"R On", "R On", "G Off", "R On", "R On", "R On"};
        QTest::newRow("Ignition Coil, Spanish")
            << 1 << "Command33"
            << "Bobina 3" << QStringList(6, r + "Off")
            << QStringList{"R Off", "R Off", "G On", "R Off", "R Off", "R Off"};
        QTest::newRow("Fuel Injector")
            << 2 << "Command5"
            << "Injector 3" << QStringList(6, r + "Off")
            << QStringList{"R Off", "R Off", "G On", "R Off", "R Off", "R Off"};
    }
    void cylinderMarking() {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QString, thirdRow);
        QFETCH(QStringList, before);
        QFETCH(QStringList, marked);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command31"});
        press(screen, button);
        press(screen, "Command39");
        QVERIFY(isShown(screen, "Frame15") && !isShown(screen, "Frame5"));
        QCOMPARE(textOf(screen, "Frame15"), textOf(screen, button));
        QCOMPARE(textOf(screen, "Label8(2)"), thirdRow);
        QCOMPARE(rows(screen), before);
        QCOMPARE(focusName(screen), QStringLiteral("Command41"));
        QVERIFY(!isEnabled(screen, "Command42"));
        press(screen, "Command40(5)");
        press(screen, "Command40(2)"); // the mark moves
        QCOMPARE(rows(screen), marked);
        QCOMPARE(announcedAs(screen, "Shape1(2)"), thirdRow + marked[2].mid(1));
        QVERIFY(isEnabled(screen, "Command42"));
        QCOMPARE(textOf(screen, "Label14"), language == 1 ? QStringLiteral("Pulse Start")
                                                          : QStringLiteral("Press Start Button"));
    }

    void startRunsAHundredBars() {
        RecordedSleeps sleeps;
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command31", "Command7"});
        press(screen, "Command39");
        press(screen, "Command40(2)");
        pump.reset();
        QString lastBar;
        pump.at(50 * 6, [&] { lastBar = textOf(screen, "Label14"); });
        press(screen, "Command42");
        QCOMPARE(pump.passes(), 50 * 6);
        QCOMPARE(lastBar, QString(100, 'I'));
        QCOMPARE(sleeps.calls, std::vector<int>(50, 150));
        QCOMPARE(textOf(screen, "Label14"), QStringLiteral("End process"));
        QCOMPARE(rows(screen), QStringList(6, "R On"));
        QVERIFY(!isEnabled(screen, "Command42"));
        QCOMPARE(focusName(screen), QStringLiteral("Command41"));
        press(screen, "Command41");
        QVERIFY(isShown(screen, "Frame5") && selectionEnabled(screen, true));
        QCOMPARE(textOf(screen, "Label6"), QStringLiteral("Choose Test"));
        QVERIFY(!isEnabled(screen, "Command39") && isEnabled(screen, "Command18"));
        QCOMPARE(focusName(screen), QStringLiteral("Command18"));
    }

    void timedRunThenCancelKeepsItsExitCaption_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("exit");
        QTest::addColumn<QString>("end");
        QTest::newRow("English") << 2 << "Exit"
                                 << "End process";
        QTest::newRow("Spanish") << 1 << "Salir"
                                 << "Proceso finalizado";
    }
    void timedRunThenCancelKeepsItsExitCaption() {
        QFETCH(int, language);
        QFETCH(QString, exit);
        QFETCH(QString, end);
        RecordedSleeps sleeps;
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command31", "Command17"});
        constexpr qint64 kRunPasses = 1001 + 6 + 15 * 12;
        QString lastBar, captionDuring;
        pump.at(kRunPasses, [&] { lastBar = textOf(screen, "Label10"); });
        pump.at(20, [&] {
            captionDuring = textOf(screen, "Command43");
            QCOMPARE(focusName(screen), QStringLiteral("Command43"));
        });
        press(screen, "Command39");
        QCOMPARE(pump.passes(), kRunPasses);
        QCOMPARE(captionDuring, QStringLiteral("Cancel"));
        QCOMPARE(lastBar, QString(81, 'I'));
        QCOMPARE(sleeps.calls.size(), size_t(16));
        QCOMPARE(textOf(screen, "Label10"), end);
        QCOMPARE(textOf(screen, "Command43"), exit);
        QCOMPARE(focusName(screen), QStringLiteral("Command43"));
        QVERIFY(selectionEnabled(screen, false) && !isEnabled(screen, "Command18"));

        press(screen, "Command43");
        QVERIFY(!isShown(screen, "Frame16"));
        QCOMPARE(textOf(screen, "Command39"), QStringLiteral("Ok"));
        QVERIFY(!isEnabled(screen, "Command39") && selectionEnabled(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command18"));
        // The next run starts with Cancel still reading the Exit word.
        press(screen, "Command8");
        pump.reset();
        pump.at(20, [&] { captionDuring = textOf(screen, "Command43"); });
        press(screen, "Command39");
        QCOMPARE(captionDuring, exit);
    }

    // Exit or Cancel during a run ends it where it is: nothing more is
    // written, and the focus stays on the actuator panel.
    void runsEndWhenCalledOff_data() {
        QTest::addColumn<QString>("test");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("label");
        QTest::newRow("Cancel during a timed run") << "Command17"
                                                   << "Command39"
                                                   << "Command43"
                                                   << "Label10";
        QTest::newRow("CylinderPanel Exit during Start") << "Command34"
                                                         << "Command42"
                                                         << "Command41"
                                                         << "Label14";
    }
    void runsEndWhenCalledOff() {
        QFETCH(QString, test);
        QFETCH(QString, start);
        QFETCH(QString, stop);
        QFETCH(QString, label);
        RecordedSleeps sleeps;
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command31"});
        press(screen, test);
        if (start == "Command42") {
            press(screen, "Command39");
            press(screen, "Command40(0)");
        }
        pump.reset();
        pump.at(100, [&] { press(screen, stop); });
        press(screen, start);
        QCOMPARE(pump.passes(), qint64(100));
        QCOMPARE(textOf(screen, label), QString());
        QVERIFY(isShown(screen, "Frame5") && !isShown(screen, "Frame15") &&
                !isShown(screen, "Frame16"));
        QCOMPARE(focusName(screen), QStringLiteral("Command18"));
        QCOMPARE(textOf(screen, "Command43"), QStringLiteral("Cancel"));
    }
};

TIDEWELL_TEST_MAIN(DfiActuatorsTest)
#include "tst_dfi_actuators.moc"
