// The Live Data panel of the Mercury DFI screen: names and units by
// language, values tick by tick, the two-per-tick run bar, the stop flag
// under a click at a chosen pass, nested runs and leaving the screen.
#include "engines/dfi_test.h"

#include <QLocale>

using namespace dfitest;

namespace {

constexpr qint64 kTickPasses = 601;
// The first pass of a tick's wait: the tick's values are on the grid.
constexpr qint64 firstPassOf(int tick) {
    return (tick - 1) * kTickPasses + 1;
}

} // namespace

class DfiLiveTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() {
        unloadEverything();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void openingShowsNamesAndUnits_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("row3");
        QTest::addColumn<QStringList>("row4");
        // clang-format off
        QTest::newRow("English") << 2
            << QStringList{"TPS 2 Volt", "", "Volt", "Air Compressor Temperature", "", "ºF"}
            << QStringList{"Battery Volt", "", "Volt", "Time to Oil", "", "min"};
        QTest::newRow("Spanish") << 1
            << QStringList{"Sensor Mariposa 2", "", "Volt", "Temperatura del Compressor de Aire", "", "ºC"}
            << QStringList{"Voltaje de Batería", "", "Volt", "Tiempo de Engrase", "", "min"};
        QTest::newRow("Finnish") << 7
            << QStringList{"TPS 2 Volt", "", "Volt", "Air Compressor Temperature", "", "ºF"}
            << QStringList{"Battery Volt", "", "Volt", "Time to Oil", "", "min"};
        // clang-format on
    }
    void openingShowsNamesAndUnits() {
        QFETCH(int, language);
        QFETCH(QStringList, row3);
        QFETCH(QStringList, row4);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command11"});
        QVERIFY(isShown(screen, "Frame9"));
        QCOMPARE(focusName(screen), QStringLiteral("Command11")); // not moved
        QVERIFY(barIs(screen, true));
        QCOMPARE(textOf(screen, "Frame9"), QStringLiteral("Live Data"));
        QCOMPARE(textOf(screen, "Command35"), QStringLiteral("Conect"));
        QCOMPARE(textOf(screen, "Label9"), QString());
        QCOMPARE(gridRow(screen, "MSFlexGrid1", 3), row3);
        QCOMPARE(gridRow(screen, "MSFlexGrid1", 4), row4);
        QCOMPARE(gridRow(screen, "MSFlexGrid1", 10).join(""), QString());
        auto *grid = find<ui::Grid>(screen, "MSFlexGrid1");
        QCOMPARE(grid->rowCount(), 26);
        QCOMPARE(grid->colWidth(3), 3640);
    }

    // The throttle reads 4.26 on ticks 45 to 65; the bar grows by two a tick
    // and starts again after tick 85.
    void ticksOfTheCycle_data() {
        QTest::addColumn<int>("tick");
        QTest::addColumn<QString>("throttle");
        QTest::addColumn<int>("bars");
        QTest::newRow("1") << 1 << "4.25" << 2;
        QTest::newRow("44") << 44 << "4.25" << 88;
        QTest::newRow("45") << 45 << "4.26" << 90;
        QTest::newRow("65") << 65 << "4.26" << 130;
        QTest::newRow("66") << 66 << "4.25" << 132;
        QTest::newRow("85") << 85 << "4.25" << 170;
        QTest::newRow("1 again") << 86 << "4.25" << 2;
    }
    void ticksOfTheCycle() {
        QFETCH(int, tick);
        QFETCH(QString, throttle);
        QFETCH(int, bars);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        QString seenThrottle, seenBar;
        pump.at(firstPassOf(tick), [&] {
            seenThrottle = gridRow(screen, "MSFlexGrid1", 1)[1];
            seenBar = textOf(screen, "Label9");
            press(screen, "Command32");
        });
        press(screen, "Command35");
        QCOMPARE(seenThrottle, throttle);
        QCOMPARE(seenBar, QString(bars, 'I'));
        QCOMPARE(pump.passes(), tick * kTickPasses);
    }

    void valuesFollowTheLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("left");  // rows 0, 4
        QTest::addColumn<QStringList>("right"); // rows 2, 4, 5, 6
        QTest::newRow("point") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << QStringList{"500", "12.15"}
                               << QStringList{"67.6", "0.00", "0", ""};
        QTest::newRow("comma") << QLocale(QLocale::German, QLocale::Germany)
                               << QStringList{"500", "12,15"}
                               << QStringList{"67,6", "0.00", "0", ""};
    }
    void valuesFollowTheLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, left);
        QFETCH(QStringList, right);
        QLocale::setDefault(locale);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        pump.at(10, [&] { press(screen, "Command32"); });
        press(screen, "Command35");
        QCOMPARE(QStringList(
                     {gridRow(screen, "MSFlexGrid1", 0)[1], gridRow(screen, "MSFlexGrid1", 4)[1]}),
                 left);
        QCOMPARE(QStringList(
                     {gridRow(screen, "MSFlexGrid1", 2)[4], gridRow(screen, "MSFlexGrid1", 4)[4],
                      gridRow(screen, "MSFlexGrid1", 5)[4], gridRow(screen, "MSFlexGrid1", 6)[4]}),
                 right);
        QCOMPARE(gridRow(screen, "MSFlexGrid1", 6)[5], QStringLiteral("Off"));
    }

    void firstExitStopsSecondCloses() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        pump.at(3 * kTickPasses + 300, [&] { press(screen, "Command32"); });
        press(screen, "Command35");
        QCOMPARE(pump.passes(), 4 * kTickPasses);
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kStopRequested);
        QVERIFY(isShown(screen, "Frame9"));
        QCOMPARE(textOf(screen, "Label9"), QString(8, 'I'));
        QCOMPARE(gridRow(screen, "MSFlexGrid1", 0)[1], QStringLiteral("500"));
        press(screen, "Command32");
        QVERIFY(!isShown(screen, "Frame9"));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QCOMPARE(gridRow(screen, "MSFlexGrid1", 0).join(""), QString());
        press(screen, "Command11");
        QCOMPARE(gridRow(screen, "MSFlexGrid1", 0),
                 QStringList({"Engine Speed", "", "RPM", "Port Coolant Temp.", "", "ºF"}));
    }

    void nestedRunsEndAtOneStop() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        pump.at(100, [&] { press(screen, "Command35"); });
        pump.at(2000, [&] { press(screen, "Command32"); });
        press(screen, "Command35");
        // The inner run ends with its fourth tick, the outer with its first.
        QCOMPARE(pump.passes(), 99 + 4 * kTickPasses + (kTickPasses - 99));
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kStopRequested);
        QVERIFY(isShown(screen, "Frame9"));
    }

    void leavingTheScreenEndsTheRun() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        pump.at(5000, [&] { press(screen, "Command3"); });
        press(screen, "Command35");
        QCOMPARE(pump.passes(), qint64(5000));
        QVERIFY(!loaded("Form46"));
    }
};

TIDEWELL_TEST_MAIN(DfiLiveTest)
#include "tst_dfi_live.moc"
