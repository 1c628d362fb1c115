// The Mercruiser PCM/ECM555 screen: Diagnosis, fault explanations, the
// freeze-frame record of Historic and the erase options, driven through the
// main window's menu.
#include "engines/mercruiser_test.h"

#include <QLabel>

using namespace mercruisertest;

namespace {

const QString kBlank = QStringLiteral(" ");

// clang-format off
QStringList diagnosis(int language) {
    // The catalogue's texts follow all eight languages, the rest Spanish or English.
    const QString detected = ERRORS32::MsgFaultsDetected, code = ERRORS32::MsgFaultCode;
    if (language == 1)
        return {detected + "2  (Click sobre Código Fallo para más información)", kBlank,
                code + "43  Activo", "Encendido electrónico. Circuito cortado", kBlank,
                code + "39  Ocurrido", "Circuito de temperatura del aire de admisión. Señal alta", kBlank};
    return {detected + "2  (Click on Fault Code to see more info)", kBlank,
            code + "43  Active", "Electronic Spark Timming. Open circuit", kBlank,
            code + "39  Occurred", "Manifold Air TEmperature Circuit. High Input", kBlank};
}

const QStringList kDiagnosisEnglish = {
    "Faults detected: 2  (Click on Fault Code to see more info)", " ", "Fault Code: 43  Active",
    "Electronic Spark Timming. Open circuit", " ", "Fault Code: 39  Occurred",
    "Manifold Air TEmperature Circuit. High Input", " "};

// Values start in column 52 and units in column 62 (counted from 1).
const QStringList kFreezeFrame = {
    " Freeze Frame Data:", " ",
    " Fault Code: 94 PITOT Pressure Circuit (Low Signal)", QString(85, '-'),
    " Barometric Pressure                               14.83     PSI",
    " Battery Volts                                     12.03     Volt",
    " Sea Pump Pressure                                 0.0       PSI",
    " Boat Speed                                        0.0       #",
    " Manifold Air Temp                                 0         ºF",
    " Coolant Temp                                      0         ºF",
    " Demand                                            0.0       %",
    " Engine Speed                                      0.0       R.P.M.",
    " Engine State                                      Stall     ",
    " FPC Total                                         0.0       Counts",
    " Frecuency County                                  2         ", " "};
const QStringList kFreezeFrameSpanish = {
    " Histórico de Fallos:", " ",
    " Fault Code: 94 PITOT Pressure Circuit (Low Signal)", QString(85, '-'),
    " Presión Barometrica                               14.83     PSI",
    " Voltaje Batería                                   12.03     Volt",
    " Presión Bomba de Agua                             0.0       PSI",
    " Velocidad del Barco                               0.0       #",
    " Temperat Aire Admisión                            0         ºC",
    " Temper Refrigerante                               0         ºC",
    " Demand                                            0.0       %",
    " Revoluciones Motor                                0.0       R.P.M.",
    " Estado Motor                                      Stall     ",
    " FPC Total                                         0.0       Counts",
    " El Fallo ocurrió (veces):                         2         ", " "};
// clang-format on

} // namespace

class MercruiserFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void diagnosisListsTheTwoFaults_data() { addLanguageRows(); }
    void diagnosisListsTheTwoFaults() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29"});
        bool busy = false;
        pump.at(kProgress, [&] {
            busy = isShown(screen, "Frame14") && ui::isHourglass() &&
                   listTexts(screen, "List1").isEmpty();
        });
        press(screen, "Command30");
        QVERIFY(busy);
        QCOMPARE(pump.passes(), kProgress + 3);
        QCOMPARE(listTexts(screen, "List1"), diagnosis(language));
        if (language == ERRORS32::English)
            QCOMPARE(listTexts(screen, "List1"), kDiagnosisEnglish);
        QCOMPARE(textOf(screen, "Label51"), kBlank + QString(28, 'I'));
        QVERIFY(!isShown(screen, "Frame14") && !isShown(screen, "Frame7") && !ui::isHourglass());
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QVERIFY(barIs(screen, true));
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), diagnosis(language)); // not twice
    }

    void faultLinesFollowTheLanguageOfTheMoment() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29"});
        useLanguage(ERRORS32::Spanish);
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), diagnosis(ERRORS32::Spanish));
        QCOMPARE(textOf(screen, "Command3"), QStringLiteral("Exit")); // chosen at load
    }

    void faultLineOpensItsExplanation_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("texts"); // caption, headings, explanation, root cause
        const QString ex = "Fault Explanation", rc = "Possible Root Cause";
        const QString en43 = "Ignition fault. Signal from ECM to ignition driver module open.\r"
                             "Detectable only whith the key on and engine off.\r\r\r\r\r";
        const QString en39 = "Air temperature sensor circuit: Open.\r"
                             "Airflow calculation is using the default temperature.\r\r\r\r\r";
        QTest::newRow("English 43") << 2 << 2
                                    << QStringList{"Fault Code: 43", ex, rc, en43,
                                                   "Wiring problem.\rCoil problem.\r\r\r\r\r"};
        QTest::newRow("English 39") << 2 << 5
                                    << QStringList{"Fault Code: 39", ex, rc, en39,
                                                   "Wiring problem.\rSensor problem.\r\r\r\r\r"};
        QTest::newRow("French 43") << 3 << 2
                                   << QStringList{"Code erreur: 43", ex, rc, en43,
                                                  "Wiring problem.\rCoil problem.\r\r\r\r\r"};
        QTest::newRow("Spanish 39")
            << 1 << 5
            << QStringList{"Código Fallo: 39", "Causas Posibles", "Procedimiento",
                           "Circuito del sensor de temperatura del aire: Cortado.\rPara calcular "
                           "el flujo de aire se está usando la temperatura por defecto.\r\r\r\r\r",
                           "Revise el cableado.\rSustituya el sensor.\r\r\r\r\r"};
        // Spanish 43 has one explanation line.
        QTest::newRow("Spanish 43")
            << 1 << 2
            << QStringList{
                   "Código Fallo: 43", "Causas Posibles", "Procedimiento",
                   "Sincronización electrónica del encendido. Circuito abierto.\r\r\r\r\r\r",
                   "Revise el cableado y las bujías.\rSustituya la bobina.\r\r\r\r\r"};
    }
    void faultLineOpensItsExplanation() {
        QFETCH(int, language);
        QFETCH(int, row);
        QFETCH(QStringList, texts);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command30"});
        clickListItem(screen, "List1", row);
        QVERIFY(isShown(screen, "Frame16"));
        QCOMPARE((QStringList{textOf(screen, "Frame16"), textOf(screen, "Label20"),
                              textOf(screen, "Label22"), textOf(screen, "Label21"),
                              textOf(screen, "Label23")}),
                 texts);
        QVERIFY(!isShown(screen, "Label24") && !isShown(screen, "Label25"));
        QCOMPARE(focusName(screen), QStringLiteral("Command45"));
        QVERIFY(barIs(screen, false));
        key(screen, "Command3", Qt::Key_Escape);
        QVERIFY(loaded("Form47"));
        press(screen, "Command45");
        QVERIFY(!isShown(screen, "Frame16"));
        QCOMPARE(textOf(screen, "Frame16"), QString());
        QCOMPARE(textOf(screen, "Label21"), QString());
        QVERIFY(barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void spanish43ShowsNoLineLeftByFault39() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::Spanish, {"Command29", "Command30"});
        clickListItem(screen, "List1", 5);
        press(screen, "Command45");
        clickListItem(screen, "List1", 2);
        QCOMPARE(textOf(screen, "Label21"),
                 "Sincronización electrónica del encendido. Circuito abierto.\r\r\r\r\r\r");
    }

    void linesWithoutACodeOpenNothing_data() {
        QTest::addColumn<int>("row");
        for (int row : {0, 1, 3, 4, 6, 7})
            QTest::addRow("line %d", row) << row;
    }
    void linesWithoutACodeOpenNothing() {
        QFETCH(int, row);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command30"});
        clickListItem(screen, "List1", row);
        QVERIFY(!isShown(screen, "Frame16") && barIs(screen, true));
    }

    void aLockedScreenOpensNoExplanation_data() {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("Engine Info")
            << QStringList{"Command20", "Command10", "Command30"} << kDiagnosisEnglish;
        QTest::newRow("Erase Faults, left with Exit")
            << QStringList{"Command1", "Command48", "Command30"} << kDiagnosisEnglish;
        // Line 2, " Fault Code: 94 ...", would open fault 94.
        QTest::newRow("Historic") << QStringList{"Command24"} << kFreezeFrame;
    }
    void aLockedScreenOpensNoExplanation() {
        QFETCH(QStringList, presses);
        QFETCH(QStringList, lines);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29"});
        for (const QString &name : presses)
            press(screen, name);
        QCOMPARE(listTexts(screen, "List1"), lines);
        clickListItem(screen, "List1", 2);
        QVERIFY(!isShown(screen, "Frame16") && barIs(screen, true));
    }

    void faultPanelOverAPanelHoldingTheBarLeavesItDisabled() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command30"});
        static_cast<unitlink::ScreenHost &>(*screen)
            .DisableButtonBar(); // as an actuator panel does
        clickListItem(screen, "List1", 2);
        clickListItem(screen, "List1", 5);
        QCOMPARE(textOf(screen, "Frame16"), QStringLiteral("Fault Code: 39"));
        press(screen, "Command45");
        QVERIFY(!isShown(screen, "Frame16") && barIs(screen, false));
    }

    void carriageReturnsStartNewLinesOnScreen() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command30"});
        clickListItem(screen, "List1", 2);
        auto *label = find<QLabel>(screen, "Label21");
        const QString text = label->text();
        const QImage shown = label->grab().toImage();
        label->setText(QString(text).replace('\r', '\n'));
        QCOMPARE(shown, label->grab().toImage());
        label->setText(QString(text).replace('\r', ' '));
        QVERIFY(shown != label->grab().toImage());
    }

    void historicReadsTheFreezeFrame_data() { addLanguageRows(); }
    void historicReadsTheFreezeFrame() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command30"});
        QStringList duringPause;
        pump.at(kProgress + 2, [&] { duringPause = listTexts(screen, "List1"); });
        press(screen, "Command24");
        const QStringList lines = language == 1 ? kFreezeFrameSpanish : kFreezeFrame;
        QCOMPARE(duringPause, lines.mid(0, 2));
        QCOMPARE(pump.passes(), kProgress + 3);
        QCOMPARE(listTexts(screen, "List1"), lines);
        QCOMPARE(textOf(screen, "Label51"), kBlank + QString(34, 'I'));
        QVERIFY(!isShown(screen, "Frame14") && !ui::isHourglass() && barIs(screen, true));

        press(screen, "Command30"); // the active faults have been read out
        QVERIFY(listTexts(screen, "List1").isEmpty());
        QCOMPARE(textOf(screen, "Label7"), ERRORS32::MsgNoFaults);
        QCOMPARE(focusName(screen), QStringLiteral("Command15"));
        press(screen, "Command15");
        QVERIFY(!isShown(screen, "Frame7"));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void eraseOptions_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("message");
        for (int language = 1; language <= 8; ++language) {
            const char *name = kLanguageNames[language - 1];
            QTest::addRow("%s, active", name) << language << 0 << QString();
            QTest::addRow("%s, historic", name)
                << language << 1 << "All historic faults are erased";
            QTest::addRow("%s, R.P.M.", name) << language << 2 << "R.P.M. Info deleted";
        }
    }
    void eraseOptions() {
        QFETCH(int, language);
        QFETCH(int, option);
        QFETCH(QString, message);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command30", "Command1"});
        if (message.isEmpty())
            message = ERRORS32::MsgFaultsErased;
        const QStringList captions =
            language == 1
                ? QStringList{"Borrar Fallos, Historico y R.P.M.", "Borrar Fallos Activos",
                              "Borrar Histórico de Fallos", "Borrar R.P.M. Info"}
                : QStringList{"Erase Faults, Historic and R.P.M.", "Erase Active Faults",
                              "Erase Historic Faults", "Erase R.P.M. Info"};
        QCOMPARE((QStringList{textOf(screen, "Frame17"), textOf(screen, "Option2(0)"),
                              textOf(screen, "Option2(1)"), textOf(screen, "Option2(2)")}),
                 captions);
        QVERIFY(isChecked(screen, "Option2(0)"));
        QCOMPARE(focusName(screen), QStringLiteral("Command48"));
        QVERIFY(barIs(screen, false));

        chooseOption(screen, ui::indexedName("Option2", option));
        press(screen, "Command47");
        QCOMPARE(pump.passes(), kProgress);
        QVERIFY(!isShown(screen, "Frame17") && !isShown(screen, "Frame14") && !ui::isHourglass());
        QCOMPARE(textOf(screen, "Label51"), kBlank + QString(28, 'I'));
        QVERIFY(listTexts(screen, "List1").isEmpty());
        QCOMPARE(textOf(screen, "Label7"), message);
        QCOMPARE(focusName(screen), QStringLiteral("Command15"));
        QVERIFY(barIs(screen, false));
        press(screen, "Command15");
        QVERIFY(barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        press(screen, "Command30");
        QCOMPARE(textOf(screen, "Label7"), ERRORS32::MsgNoFaults);
    }

    // ---- Clicks in the middle of an exchange --------------------------------

    // A second Diagnosis takes over (the lines are listed once); another
    // function runs inside the wait, and Diagnosis then ends with its result.
    void aFunctionPressedDuringDiagnosisRunsInsideIt_data() {
        QTest::addColumn<QString>("second");
        QTest::addColumn<qint64>("atPass");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("message");
        QTest::newRow("Diagnosis") << "Command30" << qint64(100000) << kDiagnosisEnglish << "";
        QTest::newRow("Historic, in the pause")
            << "Command24" << kProgress + 1 << QStringList() << ERRORS32::MsgNoFaults;
        QTest::newRow("Connect") << "Command29" << qint64(5000) << kDiagnosisEnglish << "";
    }
    void aFunctionPressedDuringDiagnosisRunsInsideIt() {
        QFETCH(QString, second);
        QFETCH(qint64, atPass);
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29"});
        pump.at(atPass, [&] { press(screen, second); });
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), lines);
        QCOMPARE(listTexts(screen, "List2").size(), 5);
        QCOMPARE(isShown(screen, "Frame7") ? textOf(screen, "Label7") : QString(), message);
        QVERIFY(!isShown(screen, "Frame14") && !ui::isHourglass());
    }

    void aPanelOpenedDuringAnExchangeKeepsBarAndFocus_data() {
        QTest::addColumn<QString>("exchange");
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("exit");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("Engine Info during Diagnosis") << "Command30"
                                                      << "Command20"
                                                      << "Command10" << kDiagnosisEnglish;
        QTest::newRow("Erase during Historic") << "Command24"
                                               << "Command1"
                                               << "Command48" << kFreezeFrame;
    }
    void aPanelOpenedDuringAnExchangeKeepsBarAndFocus() {
        QFETCH(QString, exchange);
        QFETCH(QString, function);
        QFETCH(QString, exit);
        QFETCH(QStringList, lines);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29"});
        pump.at(5000, [&] { press(screen, function); });
        press(screen, exchange);
        QCOMPARE(listTexts(screen, "List1"), lines);
        QVERIFY(barIs(screen, false));
        QCOMPARE(focusName(screen), exit);
        press(screen, exit);
        QVERIFY(barIs(screen, true));
    }

    void closingTheScreenDuringAnExchangeEndsIt_data() {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<qint64>("atPass");
        QTest::newRow("Diagnosis, progress") << QStringList{"Command30"} << qint64(20000);
        QTest::newRow("Diagnosis, pause") << QStringList{"Command30"} << kProgress + 1;
        QTest::newRow("Historic, progress") << QStringList{"Command24"} << qint64(20000);
        QTest::newRow("Historic, pause") << QStringList{"Command24"} << kProgress + 3;
        QTest::newRow("Erase, progress") << QStringList{"Command1", "Command47"} << kProgress;
    }
    void closingTheScreenDuringAnExchangeEndsIt() {
        QFETCH(QStringList, presses);
        QFETCH(qint64, atPass);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29"});
        QPointer<QWidget> guard(screen);
        pump.at(atPass, [&] { screen->close(); });
        for (const QString &name : presses)
            press(screen, name);
        QCOMPARE(pump.passes(), atPass);
        QVERIFY(!loaded("Form47") && !ui::isHourglass());
        flushDeletes();
        QVERIFY(guard.isNull());
        auto *again = openScreen(pump, ERRORS32::English);
        QVERIFY(again && again->ActiveFaultCount == 2 && again->DetailLock == 0);
    }

    void startingAFunctionStopsALiveRun_data() {
        QTest::addColumn<QString>("function");
        for (const char *name :
             {"Command29", "Command20", "Command30", "Command24", "Command1", "Command31"})
            QTest::newRow(name) << name;
    }
    void startingAFunctionStopsALiveRun() {
        QFETCH(QString, function);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command11"});
        pump.at(pump.passes() + 10, [&] { press(screen, function); });
        press(screen, "Command35"); // Read Data, until the function stops it
        QCOMPARE(screen->liveRunState(), unitlink::LiveRun::kStopRequested);
    }
};

TIDEWELL_TEST_MAIN(MercruiserFaultsTest)
#include "tst_mercruiser_faults.moc"
