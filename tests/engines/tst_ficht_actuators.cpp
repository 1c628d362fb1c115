// The Evinrude Ficht screen's Actuators panel: thirteen tests, each a bar
// of 90 steps and a result line, with the focus rules of each group.
#include "engines/ficht_test.h"
#include "support/as_drawn.h"

using namespace fichttest;

namespace {
constexpr qint64 kTest = 90 * 19001;
} // namespace

class FichtActuatorsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void aTestEndsWithWhatItActivated_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("focus");
        QTest::newRow("English pump") << 2 << "Command17"
                                      << "Fuel Pump: Activated"
                                      << "Command18";
        QTest::newRow("English coil 2") << 2 << "Command9"
                                        << "Ignition Coil 2: Activated"
                                        << "Command18";
        QTest::newRow("English injector 5") << 2 << "Command37"
                                            << "Fuel Injectors 5: Activated"
                                            << "Command37";
        QTest::newRow("Spanish pump") << 1 << "Command17"
                                      << "Bomba combustible: Efectuado"
                                      << "Command18";
        QTest::newRow("Spanish injector 1") << 1 << "Command7"
                                            << "Inyectores 1: Efectuado"
                                            << "Command7";
        QTest::newRow("German coil 6") << 5 << "Command34"
                                       << "Zundspule 6: Activated"
                                       << "Command18";
        QTest::newRow("French injector 6") << 3 << "Command38"
                                           << "Injecteurs 6: Activé"
                                           << "Command38";
    }
    void aTestEndsWithWhatItActivated() {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QString, result);
        QFETCH(QString, focus);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command31"});
        QVERIFY(isShown(screen, "Frame5") && barIs(screen, false));
        QCOMPARE(focusName(screen), QStringLiteral("Command18"));
        QCOMPARE((QStringList{textOf(screen, "Label26"), textOf(screen, "Label55"),
                              textOf(screen, "Label16"), textOf(screen, "Label11")}),
                 (QStringList{ERRORS32::MsgEngineOffWarning, ERRORS32::CapFuelPump,
                              ERRORS32::CapIgnitionCoil, ERRORS32::CapFuelInjectors}));
        QString first, last;
        QStringList unfit;
        bool hourglass = false;
        pump.at(1, [&] { first = textOf(screen, "Label14"); });
        pump.at(kTest, [&] {
            last = textOf(screen, "Label14");
            hourglass = ui::isHourglass();
            unfit = textsThatDoNotFit(screen);
        });
        press(screen, button);
        QCOMPARE(pump.passes(), kTest);
        QCOMPARE(first, QStringLiteral(" I"));
        QCOMPARE(last, QStringLiteral(" ") + QString(90, 'I'));
        QVERIFY(hourglass && !ui::isHourglass());
        QCOMPARE(unfit, QStringList());
        QCOMPARE(textOf(screen, "Label14"), result);
        QCOMPARE(focusName(screen), focus);
        press(screen, "Command18");
        QVERIFY(!isShown(screen, "Frame5") && barIs(screen, true));
        QCOMPARE(textOf(screen, "Label14"), QString());
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void exitDuringATestEndsIt() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command31"});
        pump.at(kTest / 2, [&] { press(screen, "Command18"); });
        press(screen, "Command17");
        QVERIFY(pump.passes() < kTest);
        QVERIFY(!isShown(screen, "Frame5") && barIs(screen, true));
        QCOMPARE(textOf(screen, "Label14"), QString());
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QVERIFY(!ui::isHourglass());
    }

    void aSecondTestTakesTheResultLineOver() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command31"});
        pump.at(1000, [&] { press(screen, "Command8"); });
        press(screen, "Command17");
        QCOMPARE(pump.passes(), kTest + 1000);
        QCOMPARE(textOf(screen, "Label14"), QStringLiteral("Ignition Coil 1: Activated"));
        QVERIFY(!ui::isHourglass());
    }
};

TIDEWELL_TEST_MAIN(FichtActuatorsTest)
#include "tst_ficht_actuators.moc"
