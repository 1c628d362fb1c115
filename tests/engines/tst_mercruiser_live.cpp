// The Live Data panel of the Mercruiser PCM/ECM555 screen: the grid's names,
// units and values step by step, the stop flag under a click at a chosen
// pass, and the run ending when another function starts or the screen goes.
#include "app/errors32.h"
#include "link/engine_screen.h"
#include "mercruiser_panels_support.h"
#include "support/test_support.h"
#include "ui/grid.h"

#include <QApplication>
#include <QLocale>

using namespace testing;
using namespace mercruiser_panels;
using unitlink::EngineScreen;

namespace {

constexpr qint64 kStepPasses = 601;
// The first pass of a step's wait: the step's values are on the grid.
constexpr qint64 firstPassOf(int step) {
    return (step - 1) * kStepPasses + 1;
}

struct Row {
    const char *english;
    const char *spanish;
    const char *unit; // "º" stands for the temperature unit of the language
    const char *value;
};

const Row kLeft[12] = {
    {"Engine Speed", "Revoluc Motor", "RPM", "500"},
    {"Coolant Temper.", "Temper Refrigerante", "º", nullptr},
    {"Port Exhaust Cool Temper.", "Temper Refrig. Babor", "º", "83.6"},
    {"Startboard Exhaust Cool Temp.", "Temper Refrig. Estribor", "º", "84.2"},
    {"Manifold Pressure", "Presión de Admisión", "PSI", "18.15"},
    {"Barometric Pressure", "Presión Barométrica", "PSI", "14.62"},
    {"Manifold Air Temp.", "Temper Aire Admisión", "º", "89.3"},
    {"Oil Pressure", "Presión de Aceite", "PSI", "50.75"},
    {"Throttle Position", "Posición de Mariposa", "%", "22.25"},
    {"Throttle Sensor Volt", "Voltaje de Mariposa", "Volt", "7.2"},
    {"Spark Advance", "Avance de Encendido", "Deg", "8"},
    {"Battery Volt", "Voltaje de Batería", "Volt", nullptr},
};
const Row kRight[11] = {
    {"Available Power", "Potencia Dispon.", "%", "89.93"},
    {"Fuel Flow Rate", "Flujo de Carburante", "GPH", "42.1"},
    {"Sea Pump Pressure", "Presión Bomba Agua", "PSI", "21.6"},
    {"IAC Duty Cycle", "Control de Ralentí", "%", "25.2"},
    {"Trim Position", "Posición del Trim", "#", "1023"},
    {"Trim Volts", "Voltaje del Trim", "Volt", nullptr},
    {"Pitot ADC", "Pitot ADC", "#", "0"},
    {"Paddle Wheel", "Paddle Wheel", "Hz", "0"},
    {"Sensor Power", "Sensor Principal", "Volt", nullptr},
    {"Lake/Sea Temperat.", "Temperatura del Agua", "º", "69.2"},
    {"Fuel Level", "Nivel Combustible", "#", "955"},
};

// The values that switch with the step.
struct Switching {
    QString coolant, battery, trim, sensor;
};
Switching switchingAt(int step) {
    return {step < 45 || step > 65 ? "86.2" : "86.1", step < 30 || step > 60 ? "11.9" : "12.1",
            step < 20 || step > 70 ? "5.01" : "4.99", step < 25 || step > 65 ? "4.98" : "4.99"};
}

// Every cell of the grid, row by row.
QList<QStringList> cellsOf(ui::Grid *grid) {
    QList<QStringList> cells;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList line;
        for (int col = 0; col < grid->columnCount(); ++col)
            line << grid->cell(row, col);
        cells << line;
    }
    return cells;
}

// The grid with names and units of the language and values of `step` (or
// none when step is 0).
QList<QStringList> expectedCells(int language, int step) {
    const bool spanish = language == ERRORS32::Spanish;
    const QString temperature = spanish ? "ºC" : "ºF";
    const Switching switching = switchingAt(step);
    QList<QStringList> cells(26, QStringList(6, QString()));
    auto fill = [&](const Row *rows, int count, int column, const QStringList &switched) {
        int next = 0;
        for (int r = 0; r < count; ++r) {
            cells[r][column] = QString::fromUtf8(spanish ? rows[r].spanish : rows[r].english);
            const QString unit = QString::fromUtf8(rows[r].unit);
            cells[r][column + 2] = unit == "º" ? temperature : unit;
            if (step > 0)
                cells[r][column + 1] =
                    rows[r].value ? QString::fromUtf8(rows[r].value) : switched[next++];
        }
    };
    fill(kLeft, 12, 0, {switching.coolant, switching.battery});
    fill(kRight, 11, 3, {switching.trim, switching.sensor});
    return cells;
}

} // namespace

class MercruiserLiveTest : public QObject {
    Q_OBJECT

    ui::Grid *gridOf(QWidget *screen) { return find<ui::Grid>(screen, "MSFlexGrid1"); }

    // Opens the Live Data panel and starts a run; `stopAt` presses the
    // panel's Exit at that pass and `seeAt` looks at the screen at others.
    void runUntil(EngineScreen *screen, CountingPump &pump, qint64 stopAt) {
        pump.at(stopAt, [screen] { press(screen, "Command32"); });
        press(screen, "Command35");
    }

private slots:
    void init() { startProgramFresh(); }
    void cleanup() {
        unloadEverything();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void openingShowsNamesAndUnitsOfTheLanguage_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= 8; ++language)
            QTest::newRow(kLanguageNames[language - 1]) << language;
    }
    void openingShowsNamesAndUnitsOfTheLanguage() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = openConnected(pump, language);
        QVERIFY(screen);
        QVERIFY(!isShown(screen, "Frame9"));
        press(screen, "Command11");
        QVERIFY(isShown(screen, "Frame9"));
        QCOMPARE(focusName(screen), QStringLiteral("Command32"));
        ui::Grid *grid = gridOf(screen);
        QCOMPARE(grid->columnCount(), 6);
        QCOMPARE(grid->rowCount(), 26);
        const int widths[6] = {3640, 800, 600, 3640, 800, 600};
        for (int col = 0; col < 6; ++col)
            QCOMPARE(grid->colWidth(col), widths[col]);
        QCOMPARE(cellsOf(grid), expectedCells(language, 0));
        QCOMPARE(textOf(screen, "Label9"), QString());
        QCOMPARE(textOf(screen, "Command35"), ERRORS32::CapReadData);
        QCOMPARE(textOf(screen, "Command32"), ERRORS32::CapExit);
        if (language == ERRORS32::Spanish)
            QCOMPARE(textOf(screen, "Command35"), QStringLiteral("Leer Datos"));
        if (language == ERRORS32::English)
            QCOMPARE(textOf(screen, "Command35"), QStringLiteral("Read Data"));
        // The panel leaves the ButtonBar as it was.
        QVERIFY(barIs(screen, true));
        QCOMPARE(pump.passes(), qint64(0));
    }

    void everyCellAtAStep_data() {
        QTest::addColumn<int>("step");
        for (int step : {1, 19, 20, 24, 25, 29, 30, 44, 45, 60, 61, 65, 66, 70, 71, 85})
            QTest::newRow(qPrintable(QStringLiteral("step %1").arg(step))) << step;
    }
    void everyCellAtAStep() {
        QFETCH(int, step);
        CountingPump pump;
        auto *screen = openConnected(pump);
        press(screen, "Command11");
        QList<QStringList> seen;
        QString label;
        pump.at(firstPassOf(step), [&] {
            seen = cellsOf(gridOf(screen));
            label = textOf(screen, "Label9");
        });
        runUntil(screen, pump, firstPassOf(step));
        QCOMPARE(seen, expectedCells(ERRORS32::English, step));
        QCOMPARE(label, QString(step, QLatin1Char('I')));
        // The run ends at the end of that step and leaves its values.
        QCOMPARE(pump.passes(), step * kStepPasses);
        QCOMPARE(cellsOf(gridOf(screen)), expectedCells(ERRORS32::English, step));
        QCOMPARE(textOf(screen, "Label9"), QString(step, QLatin1Char('I')));
    }

    void spanishRunShowsTheSameNumbersInCelsius() {
        CountingPump pump;
        auto *screen = openConnected(pump, ERRORS32::Spanish);
        press(screen, "Command11");
        runUntil(screen, pump, firstPassOf(50));
        QCOMPARE(cellsOf(gridOf(screen)), expectedCells(ERRORS32::Spanish, 50));
        for (int row : {1, 2, 3, 6})
            QCOMPARE(gridOf(screen)->cell(row, 2), QStringLiteral("ºC"));
        QCOMPARE(gridOf(screen)->cell(9, 5), QStringLiteral("ºC"));
    }

    void valuesUseTheLocaleDecimalSeparator() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CountingPump pump;
        auto *screen = openConnected(pump);
        press(screen, "Command11");
        runUntil(screen, pump, firstPassOf(1));
        ui::Grid *grid = gridOf(screen);
        QCOMPARE(grid->cell(0, 1), QStringLiteral("500"));
        QCOMPARE(grid->cell(1, 1), QStringLiteral("86,2"));
        QCOMPARE(grid->cell(4, 1), QStringLiteral("18,15"));
        QCOMPARE(grid->cell(7, 1), QStringLiteral("50,75"));
        QCOMPARE(grid->cell(4, 4), QStringLiteral("1023"));
        QCOMPARE(grid->cell(10, 4), QStringLiteral("955"));
    }

    void stepLabelStartsAgainAfterACycle() {
        CountingPump pump;
        auto *screen = openConnected(pump);
        press(screen, "Command11");
        QString atLastStep;
        QString atNextCycle;
        QString coolantAtNextCycle;
        pump.at(firstPassOf(85), [&] { atLastStep = textOf(screen, "Label9"); });
        pump.at(firstPassOf(86), [&] {
            atNextCycle = textOf(screen, "Label9");
            coolantAtNextCycle = gridOf(screen)->cell(1, 1);
        });
        runUntil(screen, pump, firstPassOf(85 + 50));
        QCOMPARE(atLastStep, QString(85, QLatin1Char('I')));
        QCOMPARE(atNextCycle, QStringLiteral("I"));
        QCOMPARE(coolantAtNextCycle, QStringLiteral("86.2"));
        // Step 50 of the second cycle.
        QCOMPARE(textOf(screen, "Label9"), QString(50, QLatin1Char('I')));
        QCOMPARE(gridOf(screen)->cell(1, 1), QStringLiteral("86.1"));
    }

    void firstExitStopsTheRunAndTheSecondCloses_data() {
        QTest::addColumn<qint64>("stopAt");
        QTest::addColumn<int>("lastStep");
        QTest::newRow("first pass") << qint64(1) << 1;
        QTest::newRow("last pass of step 1") << kStepPasses << 1;
        QTest::newRow("first pass of step 2") << kStepPasses + 1 << 2;
        QTest::newRow("middle of step 45") << 44 * kStepPasses + 300 << 45;
    }
    void firstExitStopsTheRunAndTheSecondCloses() {
        QFETCH(qint64, stopAt);
        QFETCH(int, lastStep);
        CountingPump pump;
        auto *screen = openConnected(pump);
        press(screen, "Command11");
        runUntil(screen, pump, stopAt);
        QCOMPARE(pump.passes(), lastStep * kStepPasses);
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kStopRequested);
        QVERIFY(isShown(screen, "Frame9"));
        QCOMPARE(cellsOf(gridOf(screen)), expectedCells(ERRORS32::English, lastStep));
        QCOMPARE(textOf(screen, "Label9"), QString(lastStep, QLatin1Char('I')));

        press(screen, "Command32");
        QVERIFY(!isShown(screen, "Frame9"));
        QCOMPARE(cellsOf(gridOf(screen)), QList<QStringList>(26, QStringList(6, QString())));
        QVERIFY(barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));

        // Opened again: names and units, no values until Read Data.
        press(screen, "Command11");
        QCOMPARE(cellsOf(gridOf(screen)), expectedCells(ERRORS32::English, 0));
        QCOMPARE(textOf(screen, "Label9"), QString());
        QCOMPARE(pump.passes(), lastStep * kStepPasses);
    }

    void exitOfAnIdlePanelClosesIt() {
        CountingPump pump;
        auto *screen = openConnected(pump);
        press(screen, "Command11");
        press(screen, "Command32");
        QVERIFY(!isShown(screen, "Frame9"));
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kIdle);
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QCOMPARE(pump.passes(), qint64(0));
    }

    void readDataAfterAStopRunsFromStepOne() {
        CountingPump pump;
        auto *screen = openConnected(pump);
        press(screen, "Command11");
        runUntil(screen, pump, firstPassOf(50));
        QCOMPARE(gridOf(screen)->cell(1, 1), QStringLiteral("86.1"));
        pump.reset();
        QString coolant;
        QString label;
        qint16 state = -1;
        pump.at(1, [&] {
            coolant = gridOf(screen)->cell(1, 1);
            label = textOf(screen, "Label9");
            state = screen->liveRunState();
        });
        runUntil(screen, pump, 1);
        QCOMPARE(state, unitlink::LiveRun::kRunning);
        QCOMPARE(coolant, QStringLiteral("86.2"));
        // The step label is not emptied by Read Data.
        QCOMPARE(label, QString(51, QLatin1Char('I')));
        QCOMPARE(pump.passes(), kStepPasses);
    }

    void anotherFunctionStopsTheRun_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Connect") << "Command29";
        QTest::newRow("Engine Info") << "Command20";
        QTest::newRow("Diagnosis") << "Command30";
        QTest::newRow("Actuators") << "Command31";
        QTest::newRow("Erase Faults") << "Command1";
        QTest::newRow("Historic") << "Command24";
    }
    void anotherFunctionStopsTheRun() {
        QFETCH(QString, button);
        CountingPump pump;
        auto *screen = openConnected(pump);
        press(screen, "Command11");
        QString coolantAfter;
        pump.at(firstPassOf(6) + 100, [&] { press(screen, button); });
        press(screen, "Command35");
        QVERIFY(screen->liveRunState() != unitlink::LiveRun::kRunning);
        // No step of the display follows the press.
        QCOMPARE(textOf(screen, "Label9"), QString(6, QLatin1Char('I')));
        QCOMPARE(gridOf(screen)->cell(1, 1), QStringLiteral("86.2"));
        QVERIFY(loaded("Form47"));
    }

    void leavingTheScreenEndsTheRun_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("Escape on Exit") << "Escape";
        QTest::newRow("close box") << "close";
    }
    void leavingTheScreenEndsTheRun() {
        QFETCH(QString, how);
        CountingPump pump;
        auto *screen = openConnected(pump);
        QPointer<EngineScreen> guard(screen);
        press(screen, "Command11");
        const qint64 leaveAt = firstPassOf(3) + 10;
        pump.at(leaveAt, [&] {
            if (how == "Exit")
                press(screen, "Command3");
            else if (how == "Escape")
                key(screen, "Command3", Qt::Key_Escape);
            else
                screen->close();
        });
        press(screen, "Command35");
        QCOMPARE(pump.passes(), leaveAt);
        QVERIFY(!loaded("Form47"));
        QVERIFY(guard);
        QVERIFY(!guard->isVisible());
        QCOMPARE(textOf(screen, "Label9"), QString(3, QLatin1Char('I')));
        flushDeletes();
        QVERIFY(guard.isNull());
    }

    void exitPressedDuringARunStopsItFirst() {
        CountingPump pump;
        auto *screen = openConnected(pump);
        press(screen, "Command11");
        qint16 stateAfterExit = -1;
        pump.at(firstPassOf(2), [&] {
            press(screen, "Command3");
            stateAfterExit = screen->liveRunState();
        });
        press(screen, "Command35");
        QCOMPARE(stateAfterExit, unitlink::LiveRun::kStopRequested);
    }

    void actuatorTestsThatResetTheFlagEndTheRun_data() {
        QTest::addColumn<QString>("test");
        QTest::addColumn<bool>("needsStart");
        QTest::newRow("Tachometer Output") << "Command9" << false;
        QTest::newRow("IAC Output Test") << "Command34" << true;
    }
    void actuatorTestsThatResetTheFlagEndTheRun() {
        QFETCH(QString, test);
        QFETCH(bool, needsStart);
        CountingPump pump;
        auto *screen = openConnected(pump);
        press(screen, "Command11");
        pump.at(firstPassOf(4), [&] {
            press(screen, "Command31");
            press(screen, test);
            if (needsStart)
                press(screen, "Command39");
        });
        press(screen, "Command35");
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kIdle);
        QCOMPARE(textOf(screen, "Label9"), QString(4, QLatin1Char('I')));
        QCOMPARE(pump.passes(), 4 * kStepPasses);
    }

    void namesFollowTheLanguageWhenThePanelOpens() {
        CountingPump pump;
        auto *screen = openConnected(pump, ERRORS32::English);
        useLanguage(ERRORS32::Spanish);
        press(screen, "Command11");
        QCOMPARE(cellsOf(gridOf(screen)), expectedCells(ERRORS32::Spanish, 0));
        // Captions chosen when the screen loaded stay.
        QCOMPARE(textOf(screen, "Command32"), QStringLiteral("Exit"));
        press(screen, "Command32");
        useLanguage(ERRORS32::English);
        press(screen, "Command11");
        QCOMPARE(cellsOf(gridOf(screen)), expectedCells(ERRORS32::English, 0));
    }

    void liveDataPressedDuringARunStartsTheStepLabelAgain() {
        CountingPump pump;
        auto *screen = openConnected(pump);
        press(screen, "Command11");
        QString label;
        pump.at(firstPassOf(10), [&] { press(screen, "Command11"); });
        pump.at(firstPassOf(12), [&] { label = textOf(screen, "Label9"); });
        runUntil(screen, pump, firstPassOf(12));
        QCOMPARE(label, QStringLiteral("II"));
        QCOMPARE(cellsOf(gridOf(screen)), expectedCells(ERRORS32::English, 12));
    }

    void readDataDuringARunEndsWithTheSameStop() {
        CountingPump pump;
        auto *screen = openConnected(pump);
        press(screen, "Command11");
        pump.at(firstPassOf(3), [&] { press(screen, "Command35"); });
        runUntil(screen, pump, firstPassOf(3) + 2 * kStepPasses);
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kStopRequested);
        QVERIFY(isShown(screen, "Frame9"));
        // The inner run made two steps; the outer one ends after its own.
        QCOMPARE(textOf(screen, "Label9"), QString(5, QLatin1Char('I')));
        QCOMPARE(pump.passes(), 5 * kStepPasses);
    }
};

TIDEWELL_TEST_MAIN(MercruiserLiveTest)
#include "tst_mercruiser_live.moc"
