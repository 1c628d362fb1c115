// The Evinrude Ficht screen's Live Data panel: the blocks of readings, the
// three that change with the step, the stop flag and nested runs.
#include "engines/ficht_test.h"
#include "link/engine_screen.h"
#include "support/as_drawn.h"

using namespace fichttest;
using unitlink::EngineScreen;

namespace {

constexpr qint64 kStepPasses = 1801;
// The first pass of a step's wait: the step's values are on the screen.
constexpr qint64 firstPassOf(int step) {
    return (step - 1) * kStepPasses + 1;
}

// Value cells of the three readings that change with the step.
constexpr int kEcuCell = 6, kAlternatorCell = 11, kBaroCell = 17;

} // namespace

class FichtLiveTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void openingShowsCaptionsWithoutValues_data() { addLanguageRows(); }
    void openingShowsCaptionsWithoutValues() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command11"});
        QVERIFY(isShown(screen, "Frame6") && barIs(screen, false));
        QCOMPARE(focusName(screen), QStringLiteral("Command12"));
        QCOMPARE(textOf(screen, "Frame6"), ERRORS32::CapLiveData);
        QCOMPARE(textOf(screen, "Command13"), ERRORS32::CapConnectWithEcm);
        QCOMPARE(textOf(screen, "Command12"), ERRORS32::CapExit);
        QCOMPARE(textOf(screen, "Label40(0)"), QStringLiteral("  Volts    Deg Fº    Deg Cº"));
        QCOMPARE(textOf(screen, "Label40(4)"), QStringLiteral("  Volts                Open%"));
        QCOMPARE(textOf(screen, "Label40(8)"), QStringLiteral("Ignition Timming (BTDC)"));
        QCOMPARE(indexedTexts(screen, "Label41", 24), QStringList(24, QString()));
        QCOMPARE(textOf(screen, "Label8"), QString());
        // Empty values are announced by their row and column, the bar by nothing.
        QCOMPARE(announcedAs(screen, "Label41(1)"), QStringLiteral("Air Deg Fº"));
        QCOMPARE(announcedAs(screen, "Label41(10)"), QStringLiteral("T.P.S. Open%"));
        QCOMPARE(announcedAs(screen, "Label41(12)"), QStringLiteral("Engine Speed (R.P.M.)"));
        QCOMPARE(announcedAs(screen, "Label8"), QString());
    }

    void threeReadingsChangeWithTheStep_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("baro");
        QTest::addColumn<QString>("alternator");
        QTest::addColumn<QString>("ecu");
        QTest::addColumn<int>("bars");
        const QList<std::tuple<int, const char *, const char *, const char *, int>> rows = {
            {1, "29.91", "9.63", "11.42", 1},     {19, "29.91", "9.63", "11.42", 19},
            {20, "29.91", "9.64", "11.42", 20},   {24, "29.91", "9.64", "11.42", 24},
            {25, "29.91", "9.64", "11.45", 25},   {29, "29.91", "9.64", "11.45", 29},
            {30, "29.89", "9.64", "11.45", 30},   {90, "29.89", "9.64", "11.45", 90},
            {91, "29.91", "9.64", "11.45", 91},   {110, "29.91", "9.64", "11.45", 110},
            {111, "29.91", "9.63", "11.45", 111}, {135, "29.91", "9.63", "11.45", 135},
            {136, "29.91", "9.63", "11.42", 136}, {155, "29.91", "9.63", "11.42", 155},
            {156, "29.91", "9.63", "11.42", 1}, // the first step of the next pass
            {185, "29.89", "9.64", "11.45", 30}};
        for (const auto &[step, baro, alternator, ecu, bars] : rows)
            QTest::addRow("step %d", step) << step << baro << alternator << ecu << bars;
    }
    void threeReadingsChangeWithTheStep() {
        QFETCH(int, step);
        QFETCH(QString, baro);
        QFETCH(QString, alternator);
        QFETCH(QString, ecu);
        QFETCH(int, bars);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        QStringList seen;
        QString bar;
        QStringList unfit;
        pump.at(firstPassOf(step), [&] {
            seen = indexedTexts(screen, "Label41", 24);
            bar = textOf(screen, "Label8");
            unfit = textsThatDoNotFit(screen);
            press(screen, "Command12");
        });
        press(screen, "Command13");
        QCOMPARE(pump.passes(), step * kStepPasses);
        QCOMPARE((QStringList{seen[kBaroCell], seen[kAlternatorCell], seen[kEcuCell]}),
                 (QStringList{baro, alternator, ecu}));
        QVERIFY(!seen.contains(QString())); // all 24 cells filled
        QCOMPARE(seen.first(), QStringLiteral("4.98"));
        QCOMPARE(bar, QString(bars, 'I'));
        QCOMPARE(unfit, QStringList());
    }

    void firstExitStopsTheRunAndTheSecondCloses() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        // In the middle of the 31st step's wait.
        pump.at(30 * kStepPasses + 900, [&] { press(screen, "Command12"); });
        press(screen, "Command13");
        QCOMPARE(pump.passes(), 31 * kStepPasses);
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kStopRequested);
        QVERIFY(isShown(screen, "Frame6"));
        QCOMPARE(textOf(screen, "Label8"), QStringLiteral("Stopped"));
        QCOMPARE(textOf(screen, "Label41(17)"), QStringLiteral("29.89"));
        const QStringList captions = indexedTexts(screen, "Label40", 19);
        QVERIFY(!ui::isHourglass());
        press(screen, "Command12");
        QVERIFY(!isShown(screen, "Frame6") && barIs(screen, true));
        QCOMPARE(indexedTexts(screen, "Label41", 24), QStringList(24, QString()));
        QCOMPARE(textOf(screen, "Label8"), QString());
        QCOMPARE(indexedTexts(screen, "Label40", 19), captions);
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        press(screen, "Command11");
        QCOMPARE(indexedTexts(screen, "Label41", 24), QStringList(24, QString()));
    }

    void nestedRunsEndAtTheSameStop() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        pump.at(100, [&] { press(screen, "Command13"); });
        pump.at(5000, [&] { press(screen, "Command12"); });
        press(screen, "Command13");
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kStopRequested);
        QVERIFY(isShown(screen, "Frame6"));
        QCOMPARE(textOf(screen, "Label8"), QStringLiteral("Stopped"));
    }

    void closingWhileTheStopWaitsLeavesThePanelEmpty() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        pump.at(900, [&] { press(screen, "Command12"); });
        pump.at(1000, [&] { press(screen, "Command12"); });
        press(screen, "Command13");
        QVERIFY(!isShown(screen, "Frame6") && barIs(screen, true));
        QCOMPARE(textOf(screen, "Label8"), QString());
    }
};

TIDEWELL_TEST_MAIN(FichtLiveTest)
#include "tst_ficht_live.moc"
