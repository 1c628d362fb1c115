// The Yamaha screen's Live Data panel (ticks, the stop flag) and its ten
// actuator tests (the bar, the result text, the focus, Exit and nesting).
#include "engines/yamaha_test.h"
#include "link/engine_screen.h"

using namespace yamahatest;
using unitlink::EngineScreen;

namespace {

constexpr qint64 kTickPasses = 3001;
constexpr qint64 kTestPasses = 50 * 12001;

} // namespace

class YamahaPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void liveDataNamesTheReadings_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("English")
            << int(ERRORS32::English)
            << QStringList{"Intake Temper. ºC", "Intake Temper. ºF", "Engine Temper. ºC",
                           "Engine Temper. ºF", "Throttle Volt.",    "Stepping Motor",
                           "Throttle Switch",   "Engine Lanyard",    "R.P.M."};
        QTest::newRow("Spanish")
            << int(ERRORS32::Spanish)
            << QStringList{"Temperat. Admisión ºC", "Temperat. Admisión ºF", "Temper. Motor ºC",
                           "Temper. Motor ºF",      "Volt. Mariposa",        "Motor paso a paso",
                           "Interr. Mariposa",      "Engine Lanyard",        "R.P.M."};
    }
    void liveDataNamesTheReadings() {
        QFETCH(int, language);
        QFETCH(QStringList, names);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command20", "Command11"});
        QCOMPARE(indexedTexts(screen, "Label20", 9), names);
        QCOMPARE(indexedTexts(screen, "Label21", 9), QStringList(9, QString()));
        // An empty value is announced by its name beside it.
        for (int i = 0; i < 9; ++i)
            QCOMPARE(announcedAs(screen, QStringLiteral("Label21(%1)").arg(i)), names[i]);
        QCOMPARE(textOf(screen, "Frame6"), ERRORS32::CapLiveData);
        QCOMPARE(textOf(screen, "Command13"), ERRORS32::CapConnectWithEcm);
        QVERIFY(isShown(screen, "Frame6") && !isShown(screen, "Frame9") && barIs(screen, false));
        QCOMPARE(focusName(screen), QStringLiteral("Command12"));
    }

    void intakeReadingsChangeWithTheTick_data() {
        QTest::addColumn<int>("tick");
        QTest::addColumn<QString>("celsius");
        QTest::addColumn<QString>("fahrenheit");
        QTest::addColumn<int>("bars");
        QTest::newRow("1") << 1 << "49"
                           << "120" << 1;
        QTest::newRow("29") << 29 << "49"
                            << "120" << 29;
        QTest::newRow("30") << 30 << "48"
                            << "118" << 30;
        QTest::newRow("60") << 60 << "48"
                            << "118" << 60;
        QTest::newRow("61") << 61 << "49"
                            << "120" << 61;
        QTest::newRow("95") << 95 << "49"
                            << "120" << 95;
        QTest::newRow("96, the next pass's first") << 96 << "49"
                                                   << "120" << 1;
        QTest::newRow("125, its 30th") << 125 << "48"
                                       << "118" << 30;
    }
    void intakeReadingsChangeWithTheTick() {
        QFETCH(int, tick);
        QFETCH(QString, celsius);
        QFETCH(QString, fahrenheit);
        QFETCH(int, bars);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        QStringList seen;
        pump.at((tick - 1) * kTickPasses + 1, [&] {
            seen = indexedTexts(screen, "Label21", 9);
            seen << textOf(screen, "Label8");
            press(screen, "Command12");
        });
        press(screen, "Command13");
        QCOMPARE(seen, (QStringList{celsius, fahrenheit, "87", "188", "4.95", "20%", "On", "On",
                                    QString(), QString(bars, 'I')}));
    }

    void firstExitStopsTheRunSecondClosesThePanel() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        pump.at(5 * kTickPasses + 10, [&] { press(screen, "Command12"); });
        press(screen, "Command13");
        QCOMPARE(pump.passes(), 6 * kTickPasses);
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kStopRequested);
        QVERIFY(isShown(screen, "Frame6") && barIs(screen, false));
        QCOMPARE(textOf(screen, "Label8"), QString(6, 'I'));
        QCOMPARE(textOf(screen, "Label21(0)"), QStringLiteral("49"));
        QCOMPARE(announcedAs(screen, "Label21(0)"), QStringLiteral("49"));
        press(screen, "Command12");
        QVERIFY(!isShown(screen, "Frame6") && barIs(screen, true));
        QCOMPARE(indexedTexts(screen, "Label21", 9), QStringList(9, QString()));
        QCOMPARE(textOf(screen, "Label8"), QString());
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void aTestShowsItsBarThenWhatWasActivated_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("focus");
        QTest::newRow("coil 2, English") << int(ERRORS32::English) << "Command9"
                                         << "Ignition Coil 2: Activated"
                                         << "Command9";
        QTest::newRow("coil 2, Spanish") << int(ERRORS32::Spanish) << "Command9"
                                         << "Bobinas de Encendido 2: Efectuado"
                                         << "Command9";
        QTest::newRow("injector 4, French") << int(ERRORS32::French) << "Command23"
                                            << "Injecteurs 4: Activé"
                                            << "Command23";
        QTest::newRow("fuel pump, English") << int(ERRORS32::English) << "Command17"
                                            << "Fuel Pump: Activated"
                                            << "Command18";
        QTest::newRow("fuel pump, Spanish") << int(ERRORS32::Spanish) << "Command17"
                                            << "Bomba combustible: Efectuado"
                                            << "Command18";
        QTest::newRow("stepping motor, English") << int(ERRORS32::English) << "Command14"
                                                 << "Stepping Motor: Activated"
                                                 << "Command18";
    }
    void aTestShowsItsBarThenWhatWasActivated() {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QString, result);
        QFETCH(QString, focus);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command31"});
        QVERIFY(isShown(screen, "Frame5") && barIs(screen, false));
        QString lastBar;
        bool hourglass = false;
        pump.at(kTestPasses, [&] {
            lastBar = textOf(screen, "Label14");
            hourglass = ui::isHourglass();
        });
        press(screen, button);
        QCOMPARE(pump.passes(), kTestPasses);
        QCOMPARE(lastBar, kBlank + QString(50, 'I'));
        QVERIFY(hourglass && !ui::isHourglass());
        QCOMPARE(textOf(screen, "Label14"), result);
        QCOMPARE(focusName(screen), focus);
    }

    void exitDuringATestEndsIt() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command31"});
        pump.at(1000, [&] { press(screen, "Command18"); });
        press(screen, "Command14");
        QCOMPARE(pump.passes(), qint64(1000));
        QVERIFY(!isShown(screen, "Frame5") && barIs(screen, true) && !ui::isHourglass());
        QCOMPARE(textOf(screen, "Label14"), QString());
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void aTestPressedDuringAnotherRunsInsideIt() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command31"});
        QString innerResult;
        bool busyAfterInner = false;
        pump.at(5000, [&] { press(screen, "Command17"); });
        pump.at(5000 + kTestPasses + 1, [&] {
            innerResult = textOf(screen, "Label14");
            busyAfterInner = ui::isHourglass();
        });
        press(screen, "Command8");
        QCOMPARE(pump.passes(), 2 * kTestPasses);
        QCOMPARE(innerResult, QStringLiteral("Fuel Pump: Activated"));
        QVERIFY(busyAfterInner && !ui::isHourglass());
        QCOMPARE(textOf(screen, "Label14"), QStringLiteral("Ignition Coil 1: Activated"));
        QCOMPARE(focusName(screen), QStringLiteral("Command18"));
    }

    void leavingTheScreenEndsItsRun_data() {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("start");
        QTest::newRow("live data") << "Command11"
                                   << "Command13";
        QTest::newRow("actuator test") << "Command31"
                                       << "Command22";
    }
    void leavingTheScreenEndsItsRun() {
        QFETCH(QString, panel);
        QFETCH(QString, start);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29"});
        press(screen, panel);
        pump.reset();
        pump.at(7000, [&] { screen->unload(); });
        press(screen, start);
        QCOMPARE(pump.passes(), qint64(7000));
        QVERIFY(!loaded("Form5") && !ui::isHourglass());
    }
};

TIDEWELL_TEST_MAIN(YamahaPanelsTest)
#include "tst_yamaha_panels.moc"
