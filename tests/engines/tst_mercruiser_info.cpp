// The Mercruiser PCM/ECM555 screen: load, Connect and Engine Info (System,
// R.P.M. and Log Info), driven through the main window's menu.
#include "engines/mercruiser_test.h"
#include "ui/grid.h"

#include <QLocale>

using namespace mercruisertest;

namespace {

const QStringList kIdentification = {"PCM/ECM555..... Connected", "03MY 507L BRAVO", "ECM# 864916",
                                     "CAL# 864377-005", "AAAF_0008_5.7_EFI"};
// clang-format off
const QStringList kSystemInfo = {
    "03MY 507L BRAVO", "ECM# 864916", "CAL# 864377-005", "AAAF_0008_5.7_EFI", " ",
    "Destred Idle", "600 RPM", " ", "TPS .22=0.90v IDLE", " ", "4.07-4.83v WOT", " ",
    "FUEL=38-43 PSI", " ", "MAP= 2-15 PSI", " ", "SEA PUMP= 0.5-15 PSI", " ", "FUEL PUMP&PWR RLY"};
const QStringList kLogInfo = {
    "Battery Range High                0", "Battery Range Low                 0",
    "Block Pressure is Low             5", "Compressor Temp Overheat          0",
    "ETC Motor Open                    0", "ETC Motor Short                   0",
    "Fuel Pressure Sensor Input High   0", "Fuel Pressure Sensor Input Low    0",
    "Guardian Strategy                 0", "Knock Sensor 1                    0",
    "Knock Sensor 2                    0", "Low Oil Pressure Strategy         0",
    "Low Oil Remote Strategy           0", "Low Oil Reserve Strategy          0",
    "MAP Sensor 1 Input High           0", "MAP Sensor 1 Input Low            0",
    "MAP Sensor 1 Idle Rational        4008", "Oil Pump Output                   0",
    "Overspeed                         0", "Port Cnlt Overhead                0",
    "Startboard Clnt Overhead          0", "Warning Horn Output               479"};
const QStringList kRpmGrid = {
    "Run Time", "",  "Total Hours", "97.00",  "       0 -   749 RPM", "42.13",
    "   750 - 1499 RPM", "29.55",  " 1500 - 2999 RPM", "17.22",  " 3000 - 3499 RPM", "2.32",
    " 3500 - 3999 RPM", "1.10",  " 4000 - 4499 RPM", "0.28",  " 4500 - 4999 RPM", "0.00",
    " 5000 - 5499 RPM", "0.00",  "", ""};
// clang-format on

QStringList gridTexts(QWidget *screen) {
    QStringList texts;
    if (auto *grid = find<ui::Grid>(screen, "MSFlexGrid2"))
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int col = 0; col < grid->columnCount(); ++col)
                texts << grid->cell(row, col);
    return texts;
}

} // namespace

class MercruiserInfoTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() {
        unloadEverything();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void loadThenConnect_data() { addLanguageRows(); }
    void loadThenConnect() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = openScreen(pump, language);
        QVERIFY(screen);
        QCOMPARE(textOf(screen, "Frame3"), QStringLiteral("Mercruiser PCM/ECM555"));
        QCOMPARE(textOf(screen, "Command29"), ERRORS32::CapConnectWithEcm);
        QCOMPARE(textOf(screen, "Command20"), ERRORS32::CapEngine + " Info");
        for (const char *exit : {"Command3", "Command10", "Command15", "Command45", "Command48"})
            QCOMPARE(textOf(screen, exit), ERRORS32::CapExit);
        QCOMPARE(textOf(screen, "Command36"), QStringLiteral("Exit"));
        QCOMPARE(textOf(screen, "Command44"), ERRORS32::CapReports);
        QCOMPARE(textOf(screen, "Command24"), QStringLiteral("Historic"));
        QCOMPARE(textOf(screen, "Frame2"), QString());
        QVERIFY(isShown(screen, "Image1"));
        for (const char *name :
             {"Command20", "Command30", "Command31", "Command1", "Command11", "Command24"})
            QVERIFY2(!isEnabled(screen, name), name);
        QVERIFY(isEnabled(screen, "Command29") && isEnabled(screen, "Command3"));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QCOMPARE(screen->ActiveFaultCount, qint16(2));

        press(screen, "Command29");
        QCOMPARE(pump.passes(), kProgress);
        QCOMPARE(listTexts(screen, "List2"), kIdentification);
        QCOMPARE(textOf(screen, "Frame2"), QStringLiteral("Mercruiser PCM/ECM555"));
        QVERIFY(!isShown(screen, "Image1"));
        QVERIFY(barIs(screen, true));
        press(screen, "Command29");
        QCOMPARE(listTexts(screen, "List2"), kIdentification);
    }

    void engineInfoHoldsTheBarUntilItsExit() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command20"});
        QVERIFY(isShown(screen, "Frame13"));
        QCOMPARE(textOf(screen, "Option1(1)"), QStringLiteral("R.P.M. Info"));
        QVERIFY(isChecked(screen, "Option1(0)"));
        QCOMPARE(focusName(screen), QStringLiteral("Command10"));
        QVERIFY(barIs(screen, false));
        key(screen, "Command3", Qt::Key_Escape);
        QVERIFY(loaded("Form47"));
        chooseOption(screen, "Option1(2)");
        press(screen, "Command10");
        QVERIFY(!isShown(screen, "Frame13"));
        QVERIFY(barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        press(screen, "Command20");
        QVERIFY(isChecked(screen, "Option1(0)"));
    }

    // The three readings in turn, as one user would make them.
    void readings_data() { addLanguageRows(); }
    void readings() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command30"});
        readInfo(screen, 0);
        QCOMPARE(pump.passes(), qint64(0));
        QCOMPARE(listTexts(screen, "List3"), kSystemInfo);
        QCOMPARE(textOf(screen, "Frame15"), QStringLiteral("Info"));
        QVERIFY(!isShown(screen, "MSFlexGrid2") && !isShown(screen, "Command44"));
        QCOMPARE(focusName(screen), QStringLiteral("Command36"));
        QVERIFY(barIs(screen, false));
        press(screen, "Command36");
        QVERIFY(!isShown(screen, "Frame15") && listTexts(screen, "List3").isEmpty());
        QVERIFY(barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));

        bool busy = false;
        pump.at(kProgress, [&] { busy = isShown(screen, "Frame14") && ui::isHourglass(); });
        readInfo(screen, 1);
        QVERIFY(busy);
        QCOMPARE(pump.passes(), kProgress + 3);
        const char *hours[8] = {"Horas",  "Hours", "Heures", "Ore",
                                "Studen", "Horas", "Tunnit", "Hours"};
        QStringList grid = kRpmGrid;
        grid[1] = QString::fromUtf8(hours[language - 1]);
        QCOMPARE(gridTexts(screen), grid);
        QCOMPARE(find<ui::Grid>(screen, "MSFlexGrid2")->colWidth(0), 2500);
        QCOMPARE(find<ui::Grid>(screen, "MSFlexGrid2")->colWidth(1), 850);
        QVERIFY(isShown(screen, "MSFlexGrid2") && !isShown(screen, "List3"));
        QVERIFY(isShown(screen, "Command44") && !isShown(screen, "Frame14") && !ui::isHourglass());
        QVERIFY(listTexts(screen, "List1").isEmpty());
        QCOMPARE(focusName(screen), QStringLiteral("Command36"));
        press(screen, "Command36");
        QCOMPARE(gridTexts(screen), grid); // the grid keeps its cells

        pump.reset();
        readInfo(screen, 2);
        QCOMPARE(pump.passes(), kProgress + 3);
        QCOMPARE(listTexts(screen, "List3"), kLogInfo);
        const QString logCaption = language == 1 ? QStringLiteral("Histórico Datos (Segundos)")
                                                 : QStringLiteral("Fault Log Data (Seconds)");
        QCOMPARE(textOf(screen, "Frame15"), logCaption);
        QVERIFY(isShown(screen, "Command44") && !isShown(screen, "MSFlexGrid2"));
        QCOMPARE(screen->ActiveFaultCount, qint16(0));
        press(screen, "Command36");
        readInfo(screen, 0); // only Log Info sets the caption
        QCOMPARE(textOf(screen, "Frame15"), logCaption);
        press(screen, "Command36");

        press(screen, "Command30"); // Log Info cleared the active faults
        QVERIFY(isShown(screen, "Frame7"));
        QCOMPARE(textOf(screen, "Label7"), ERRORS32::MsgNoFaults);
    }

    void hoursFollowTheSystemDecimalSeparatorAndReportIsNotAvailable() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CountingPump pump;
        RecordedMessageBoxes boxes;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29"});
        readInfo(screen, 1);
        QCOMPARE(gridTexts(screen).mid(2, 4),
                 (QStringList{"Total Hours", "97,00", "       0 -   749 RPM", "42,13"}));
        press(screen, "Command44");
        QCOMPARE(boxes.texts, QStringList{"Non available. Demostration Software"});
        QVERIFY(isShown(screen, "Frame15") && barIs(screen, false));
    }

    void closingTheScreenDuringAReadingEndsIt_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<qint64>("atPass");
        QTest::newRow("R.P.M. Info, progress") << 1 << qint64(30000);
        QTest::newRow("R.P.M. Info, pause") << 1 << kProgress + 2;
        QTest::newRow("Log Info, progress") << 2 << qint64(30000);
        QTest::newRow("Log Info, pause") << 2 << kProgress + 2;
    }
    void closingTheScreenDuringAReadingEndsIt() {
        QFETCH(int, option);
        QFETCH(qint64, atPass);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29"});
        QPointer<QWidget> guard(screen);
        pump.at(atPass, [&] { screen->close(); });
        readInfo(screen, option);
        QCOMPARE(pump.passes(), atPass);
        QVERIFY(!loaded("Form47") && !ui::isHourglass());
        flushDeletes();
        QVERIFY(guard.isNull());
    }

    void aPanelOpenedOverTheMessageDismissesIt() {
        // After Log Info, Diagnosis shows the message panel; Engine Info's
        // panel opened over it dismisses it, and the bar stays held while
        // R.P.M. Info reads, so no other function starts meanwhile.
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29"});
        readInfo(screen, 2);
        press(screen, "Command36");
        press(screen, "Command30");
        QVERIFY(isShown(screen, "Frame7"));
        pump.reset();
        bool heldWithoutMessage = false;
        pump.at(1000, [&] { heldWithoutMessage = barIs(screen, false) && !isShown(screen, "Frame7"); });
        readInfo(screen, 1);
        QVERIFY(heldWithoutMessage);
        QVERIFY(isShown(screen, "MSFlexGrid2") && !isShown(screen, "List3"));
        QVERIFY(!isShown(screen, "Frame14") && !ui::isHourglass());
        QCOMPARE(focusName(screen), QStringLiteral("Command36"));
        QVERIFY(barIs(screen, false));
    }
};

TIDEWELL_TEST_MAIN(MercruiserInfoTest)
#include "tst_mercruiser_info.moc"
