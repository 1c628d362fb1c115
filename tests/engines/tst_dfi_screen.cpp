// The Mercury DFI 135/150 screen: load, Connect, Diagnosis, Erase Faults,
// Engine Info, Historic, Help and the vehicle data of Save and Report,
// driven through the main window's menu.
#include "engines/dfi_test.h"

#include <QLocale>

using namespace dfitest;

namespace {
const QString kBlank = QStringLiteral(" ");
} // namespace

class DfiScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() {
        unloadEverything();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void loadThenConnect() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Mercury Dfi 135/150 1998-2000"));
        QCOMPARE(textOf(screen, "Frame2"), QString());
        QCOMPARE(textOf(screen, "Frame8"), QStringLiteral("Help"));
        QCOMPARE(textOf(screen, "Label29"),
                 QStringLiteral(" For supply voltage to Quaybox you must turn on the engine at "
                                "least 5 seconds. Then, electric power is supplied to the ECM "
                                "for 30 minutes."));
        QCOMPARE(textOf(screen, "Label4"), QStringLiteral("Owner"));
        QCOMPARE(textOf(screen, "Label3"), QStringLiteral("Plates:"));
        QCOMPARE(textOf(screen, "Frame4"), QStringLiteral("Vehicle Data"));
        QVERIFY(isShown(screen, "Image1"));
        QCOMPARE(find<QWidget>(screen, "Image1")->width() * ui::kTwipsPerPixel, 4935);
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));

        press(screen, "Command29");
        QCOMPARE(pump.passes(), kProgress);
        QCOMPARE(listTexts(screen, "List2"),
                 QStringList({"Ecm DFI..... Connected", "98 DI 2.5L 135", "ECM# 856496-8",
                              "CODE 856497-8", "98DI135U.C38"}));
        QCOMPARE(textOf(screen, "Frame2"), QStringLiteral("Mercury DFI Outboard ECM"));
        QVERIFY(!isShown(screen, "Image1") && !isShown(screen, "Frame14"));
        QVERIFY(barIs(screen, true));
        press(screen, "Command29");
        QCOMPARE(listTexts(screen, "List2").size(), 5);
    }

    void diagnosisListsTheTwoFaults_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("lines");
        // clang-format off
        QTest::newRow("English") << 2 << QStringList{
            "Faults detected: 2", kBlank, "Fault Code: 1315  Active", "Starboard ECT Sensor.",
            kBlank, "Fault Code: 1321  Occurred", "Manifold Air Pressure Sensor.", kBlank};
        QTest::newRow("Spanish") << 1 << QStringList{
            "Fallos detectados: 2", kBlank, "Código Fallo: 1315  Activo", "Sensor ECT de estribor",
            kBlank, "Código Fallo: 1321  Ocurrido", "Sensor de presión del aire de admisión.", kBlank};
        QTest::newRow("French") << 3 << QStringList{
            "Nombre de Pannes: 2", kBlank, "Code erreur: 1315  Active", "Starboard ECT Sensor.",
            kBlank, "Code erreur: 1321  Occurred", "Manifold Air Pressure Sensor.", kBlank};
        QTest::newRow("Italian") << 4 << QStringList{
            "Guasti: 2", kBlank, "Guasto: 1315  Active", "Starboard ECT Sensor.",
            kBlank, "Guasto: 1321  Occurred", "Manifold Air Pressure Sensor.", kBlank};
        // clang-format on
    }
    void diagnosisListsTheTwoFaults() {
        QFETCH(int, language);
        QFETCH(QStringList, lines);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29"});
        press(screen, "Command30");
        QCOMPARE(pump.passes(), kProgress + 3);
        QCOMPARE(listTexts(screen, "List1"), lines);
        QCOMPARE(textOf(screen, "Label51"), kBlank + QString(28, 'I'));
        QVERIFY(!isShown(screen, "Frame14") && !isShown(screen, "Frame7") && !ui::isHourglass());
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), lines); // not twice
    }

    // Erasing, and reading the R.P.M. Info, leave no active fault.
    void noFaultAfter_data() {
        QTest::addColumn<bool>("erase");
        QTest::newRow("Erase Faults") << true;
        QTest::newRow("R.P.M. Info") << false;
    }
    void noFaultAfter() {
        QFETCH(bool, erase);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command30"});
        if (erase) {
            press(screen, "Command1");
            QCOMPARE(textOf(screen, "Label7"), QStringLiteral("All faults in memory are erased"));
            QVERIFY(listTexts(screen, "List1").isEmpty());
            QCOMPARE(focusName(screen), QStringLiteral("Command15"));
            press(screen, "Command15");
        } else {
            press(screen, "Command20");
            chooseOption(screen, "Option1(1)");
            press(screen, "Command38");
            QVERIFY(listTexts(screen, "List1").isEmpty());
            press(screen, "Command36");
        }
        QVERIFY(!isShown(screen, "Frame7"));
        press(screen, "Command30");
        QCOMPARE(textOf(screen, "Label7"), QStringLiteral("There are not faults detected"));
        QVERIFY(isShown(screen, "Frame7") && listTexts(screen, "List1").isEmpty());
        press(screen, "Command15");
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QVERIFY(barIs(screen, true));
    }

    void systemInfoListsItsLinesAndExitMovesLeft() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command20"});
        QVERIFY(barIs(screen, false));
        QCOMPARE(focusName(screen), QStringLiteral("Command10"));
        chooseOption(screen, "Option1(1)");
        press(screen, "Command10");
        QVERIFY(barIs(screen, true));
        press(screen, "Command20");
        QVERIFY(find<QRadioButton>(screen, "Option1(0)")->isChecked());
        press(screen, "Command38");
        QCOMPARE(pump.passes(), 0);
        const QStringList lines = listTexts(screen, "List3");
        QCOMPARE(lines.size(), 24);
        QCOMPARE(lines.mid(0, 6), QStringList({"98 DI 2.5L 135", "ECM# 856496-8", "CODE 856497-8",
                                               "98DI135U.C38", " ", "PWR RLY 81-99 Ohm"}));
        QCOMPARE(lines.last(), QStringLiteral("TOP FUSE-FUEL PUMP"));
        QVERIFY(isShown(screen, "List3") && !isShown(screen, "MSFlexGrid3"));
        QCOMPARE(twipsAt(screen, "Frame11").y(), 120); // over the identification panel whole
        QCOMPARE(twipsAt(screen, "Command36"), QPoint(1200, 5640));
        auto *list = find<QListWidget>(screen, "List3"); // its last line in view
        QVERIFY(list->visualItemRect(list->item(23)).bottom() < list->viewport()->height());
        QCOMPARE(focusName(screen), QStringLiteral("Command36"));
        QVERIFY(barIs(screen, false));
        press(screen, "Command36");
        QVERIFY(!isShown(screen, "Frame11") && listTexts(screen, "List3").isEmpty());
        QVERIFY(barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void rpmInfoShowsHoursWithTheLocaleSeparator_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("hours");
        QTest::newRow("English") << 2 << QLocale(QLocale::English, QLocale::UnitedStates)
                                 << QStringList{"Hours", "97.00", "42.13", "29.55", "17.22",
                                                "2.32",  "1.10",  "0.28",  "0.00"};
        QTest::newRow("Spanish, comma") << 1 << QLocale(QLocale::Spanish, QLocale::Spain)
                                        << QStringList{"Horas", "97,00", "42,13", "29,55", "17,22",
                                                       "2,32",  "1,10",  "0,28",  "0,00"};
    }
    void rpmInfoShowsHoursWithTheLocaleSeparator() {
        QFETCH(int, language);
        QFETCH(QLocale, locale);
        QFETCH(QStringList, hours);
        QLocale::setDefault(locale);
        RecordedMessageBoxes boxes;
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command20"});
        chooseOption(screen, "Option1(1)");
        press(screen, "Command38");
        QCOMPARE(pump.passes(), kProgress + 3);
        QCOMPARE(textOf(screen, "Label51"), kBlank + QString(28, 'I'));
        QCOMPARE(columnOf(screen, "MSFlexGrid3", 1, 0, 8), hours);
        QCOMPARE(columnOf(screen, "MSFlexGrid3", 0, 0, 2),
                 QStringList({"Run Time", "Total Hours", "       0 -   999 RPM"}));
        auto *grid = find<ui::Grid>(screen, "MSFlexGrid3");
        QCOMPARE(grid->colWidth(0), 2930);
        QCOMPARE(grid->colWidth(1), 700);
        QVERIFY(isShown(screen, "MSFlexGrid3") && !isShown(screen, "List3"));
        QCOMPARE(twipsAt(screen, "Command36"), QPoint(120, 3300));
        QCOMPARE(twipsAt(screen, "Command44").y(), 3300);
        QCOMPARE(twipsAt(screen, "Frame11").y(), 2040); // below the identification panel
        QVERIFY(barIs(screen, false));
        QCOMPARE(focusName(screen), QStringLiteral("Command36"));
        press(screen, "Command44");
        QCOMPARE(boxes.texts, QStringList{"Demostration Software"});
        QVERIFY(isShown(screen, "Frame11"));
        press(screen, "Command36");
        QVERIFY(!isShown(screen, "Command44"));
        QCOMPARE(twipsAt(screen, "Command36").x(), 1200);
        QCOMPARE(columnOf(screen, "MSFlexGrid3", 1, 1, 1), QStringList{hours[1]}); // kept
    }

    void historicCountsFaultsByLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("names"); // rows 1, 13, 16, 21
        QTest::newRow("Spanish") << 1
                                 << QStringList{"Ignición 1", "Bomba de Aceite",
                                                "Temperatura Compresor de Aire",
                                                "Agua en el Combustible"};
        QTest::newRow("German") << 5
                                << QStringList{"Ignition 1", "Oil Pump", "Air Compressor Temper.",
                                               "Water in Fuel"};
    }
    void historicCountsFaultsByLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, names);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29"});
        press(screen, "Command24");
        QCOMPARE(pump.passes(), kProgress + 3);
        const QStringList col0 = columnOf(screen, "MSFlexGrid2", 0, 0, 31);
        const QStringList col1 = columnOf(screen, "MSFlexGrid2", 1, 0, 31);
        QCOMPARE(col0.size(), 32);
        QCOMPARE(QStringList({col0[1], col0[13], col0[16], col0[21]}), names);
        QCOMPARE(QStringList({col0[0], col1[0]}), QStringList({"Fault", "Occurred"}));
        QCOMPARE(col1.mid(13, 5), QStringList({"3", "0", "25", "24", "25"}));
        QCOMPARE(col0[22] + col1[22] + col0[31], QString());
        auto *grid = find<ui::Grid>(screen, "MSFlexGrid2"); // every counter in view
        QVERIFY(grid->rowViewportPosition(22) <= grid->viewport()->height());
        QVERIFY(barIs(screen, false));
        QCOMPARE(focusName(screen), QStringLiteral("Command37"));
        press(screen, "Command37");
        QCOMPARE(columnOf(screen, "MSFlexGrid2", 0, 0, 1), QStringList({"Fault", ""}));
        QCOMPARE(columnOf(screen, "MSFlexGrid2", 1, 0, 31).join(""), QStringLiteral("Occurred"));
        QVERIFY(barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void helpLeavesTheBarEnabled() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command19"});
        QVERIFY(isShown(screen, "Frame8") && barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command16"));
        press(screen, "Command16");
        QVERIFY(!isShown(screen, "Frame8"));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    // Enter goes to the next box; Enter in Note, or Escape, closes the panel.
    // Escape in Vehicle Model empties that box alone.
    void vehicleDataKeys_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<int>("lastBox");
        QTest::addColumn<int>("lastKey");
        QTest::addColumn<QStringList>("kept");
        const QStringList none = {"", "", "", ""};
        QTest::newRow("Enter in Note") << "Command2" << 4 << int(Qt::Key_Return) << none;
        QTest::newRow("Escape in Owner") << "Command4" << 3 << int(Qt::Key_Escape) << none;
        QTest::newRow("Escape in Vehicle Model")
            << "Command2" << 1 << int(Qt::Key_Escape) << QStringList{"", "p", "o", "n"};
    }
    void vehicleDataKeys() {
        QFETCH(QString, opener);
        QFETCH(int, lastBox);
        QFETCH(int, lastKey);
        QFETCH(QStringList, kept);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29"});
        press(screen, opener);
        QVERIFY(isShown(screen, "Frame4") && barIs(screen, true));
        const char *typed[4] = {"m", "p", "o", "n"};
        for (int box = 1; box <= 4; ++box) {
            QCOMPARE(focusName(screen), QStringLiteral("Text%1").arg(box));
            QTest::keyClicks(screen->focusWidget(), typed[box - 1]);
            if (box < 4)
                QTest::keyClick(screen->focusWidget(), Qt::Key_Return);
        }
        key(screen, QStringLiteral("Text%1").arg(lastBox), Qt::Key(lastKey));
        QVERIFY(!isShown(screen, "Frame4"));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QStringList texts;
        for (int box = 1; box <= 4; ++box)
            texts << textOf(screen, QStringLiteral("Text%1").arg(box));
        QCOMPARE(texts, kept);
    }
};

TIDEWELL_TEST_MAIN(DfiScreenTest)
#include "tst_dfi_screen.moc"
