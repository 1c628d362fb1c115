// The Mercruiser PCM/ECM555 screen: Diagnosis, fault explanations, the
// freeze-frame record of Historic and the erase options, driven through the
// main window's menu.
#include "app/errors32.h"
#include "engines/mercruiser/mercruiser_screen.h"
#include "support/test_support.h"
#include "ui/controls.h"
#include "ui/pointer.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>

using namespace testing;

namespace {

const QStringList kBarNames = {"Command29", "Command19", "Command31", "Command24",
                               "Command11", "Command3",  "Command30", "Command4",
                               "Command2",  "Command1",  "Command20"};
constexpr qint64 kProgressPasses = 25 * 10001;
const QString kBlank = QStringLiteral(" ");

// The catalogue's MsgFaultsDetected and MsgFaultCode, by language.
const char *const kFaultsDetected[8] = {
    "Fallos detectados: ", "Faults detected: ",    "Nombre de Pannes: ", "Guasti: ",
    "Fehlercodes: ",       "Avarias detectadas: ", "Aktiiviset viat: ",  "Faults detected: "};
const char *const kFaultCode[8] = {
    "Código Fallo: ", "Fault Code: ",    "Code erreur: ", "Guasto: ",
    "FehlerCode: ",   "Codigo avaria: ", "Koodi: ",       "Fault Code: "};
// MsgFaultsErased and MsgNoFaults, by language.
const char *const kFaultsErased[8] = {"Se eliminaron los fallos almacenados",
                                      "All faults in memory are erased",
                                      "Toutes les pannes en memoire sont effacées",
                                      "Tutti i guasti sono stati cancellati nella centralina",
                                      "All faults in memory are erased",
                                      "Se eliminaron los fallos almacenados",
                                      "All faults in memory are erased",
                                      "All faults in memory are erased"};
const char *const kNoFaults[8] = {"No se detectan fallos en el sistema",
                                  "There are not faults detected",
                                  "Il n'y a pas de pannes",
                                  "Non ci sono errori memorizzati nella centralina",
                                  "There are not faults detected",
                                  "No se detectan fallos en el sistema",
                                  "There are not faults detected",
                                  "There are not faults detected"};

QStringList expectedDiagnosis(int language) {
    const QString detected = QString::fromUtf8(kFaultsDetected[language - 1]);
    const QString code = QString::fromUtf8(kFaultCode[language - 1]);
    if (language == 1)
        return {detected + "2  (Click sobre Código Fallo para más información)",
                kBlank,
                code + "43  Activo",
                "Encendido electrónico. Circuito cortado",
                kBlank,
                code + "39  Ocurrido",
                "Circuito de temperatura del aire de admisión. Señal alta",
                kBlank};
    return {detected + "2  (Click on Fault Code to see more info)",
            kBlank,
            code + "43  Active",
            "Electronic Spark Timming. Open circuit",
            kBlank,
            code + "39  Occurred",
            "Manifold Air TEmperature Circuit. High Input",
            kBlank};
}

const QStringList kFreezeFrameEnglish = {
    " Freeze Frame Data:",
    " ",
    " Fault Code: 94 PITOT Pressure Circuit (Low Signal)",
    QString(85, QLatin1Char('-')),
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
    " Frecuency County                                  2         ",
    " "};
const QStringList kFreezeFrameSpanish = {
    " Histórico de Fallos:",
    " ",
    " Fault Code: 94 PITOT Pressure Circuit (Low Signal)",
    QString(85, QLatin1Char('-')),
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
    " El Fallo ocurrió (veces):                         2         ",
    " "};

} // namespace

class MercruiserFaultsTest : public QObject {
    Q_OBJECT

    MercruiserScreen *openScreen(int language = ERRORS32::English) {
        useLanguage(language);
        chooseMenu(QStringLiteral("ep2"));
        return qobject_cast<MercruiserScreen *>(loaded(QStringLiteral("Form47")));
    }
    MercruiserScreen *connectedScreen(CountingPump &pump, int language = ERRORS32::English) {
        auto *screen = openScreen(language);
        if (screen)
            press(screen, "Command29");
        pump.reset();
        return screen;
    }
    MercruiserScreen *diagnosedScreen(CountingPump &pump, int language = ERRORS32::English) {
        auto *screen = connectedScreen(pump, language);
        if (screen)
            press(screen, "Command30");
        pump.reset();
        return screen;
    }
    void verifyBar(QWidget *screen, bool enabled) {
        for (const QString &name : kBarNames)
            QVERIFY2(isEnabled(screen, name) == enabled, qPrintable(name));
    }
    void chooseOption(QWidget *screen, const QString &name) {
        auto *option = find<QRadioButton>(screen, name);
        QVERIFY(option);
        // On its round indicator, as the user clicks an option.
        const int middle = option->height() / 2;
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(middle, middle));
        QVERIFY(option->isChecked());
    }

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    // ---- Diagnosis ----------------------------------------------------------

    void diagnosisListsTheTwoFaults_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= 8; ++language)
            QTest::newRow(kLanguageNames[language - 1]) << language;
    }
    void diagnosisListsTheTwoFaults() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = connectedScreen(pump, language);
        bool busyDuringProgress = false;
        pump.at(kProgressPasses, [&] {
            busyDuringProgress = isShown(screen, "Frame14") && ui::isHourglass() &&
                                 listTexts(screen, "List1").isEmpty();
        });
        press(screen, "Command30");
        QVERIFY(busyDuringProgress);
        QCOMPARE(pump.passes(), kProgressPasses + 3);
        QCOMPARE(listTexts(screen, "List1"), expectedDiagnosis(language));
        QCOMPARE(textOf(screen, "Label51"), kBlank + QString(28, QLatin1Char('I')));
        QVERIFY(!isShown(screen, "Frame14"));
        QVERIFY(!isShown(screen, "Frame7"));
        QVERIFY(!ui::isHourglass());
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        verifyBar(screen, true);
        // Again: the same eight lines, not sixteen.
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), expectedDiagnosis(language));
    }

    void faultLinesFollowTheLanguageOfTheMoment() {
        CountingPump pump;
        auto *screen = connectedScreen(pump, ERRORS32::English);
        useLanguage(ERRORS32::Spanish);
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), expectedDiagnosis(ERRORS32::Spanish));
        // The captions chosen at load stay.
        QCOMPARE(textOf(screen, "Command3"), QStringLiteral("Exit"));
    }

    void diagnosisWithoutFaultsShowsTheMessage_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= 8; ++language)
            QTest::newRow(kLanguageNames[language - 1]) << language;
    }
    void diagnosisWithoutFaultsShowsTheMessage() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = diagnosedScreen(pump, language);
        press(screen, "Command24"); // Historic reads the faults out
        QCOMPARE(screen->ActiveFaultCount, qint16(0));
        pump.reset();
        press(screen, "Command30");
        QCOMPARE(pump.passes(), kProgressPasses + 3);
        QVERIFY(listTexts(screen, "List1").isEmpty());
        QVERIFY(isShown(screen, "Frame7"));
        QVERIFY(!isShown(screen, "Frame14"));
        QCOMPARE(textOf(screen, "Label7"), QString::fromUtf8(kNoFaults[language - 1]));
        QCOMPARE(focusName(screen), QStringLiteral("Command15"));
        verifyBar(screen, true);
        press(screen, "Command15");
        QVERIFY(!isShown(screen, "Frame7"));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    // ---- Fault explanations -------------------------------------------------

    void faultLineOpensItsExplanation_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("explanation");
        QTest::addColumn<QString>("rootCause");
        QTest::addColumn<QString>("explanationHeading");
        QTest::addColumn<QString>("rootCauseHeading");
        const QString english1 = QStringLiteral("Fault Explanation");
        const QString english2 = QStringLiteral("Possible Root Cause");
        QTest::newRow("English 43")
            << 2 << 2 << "Fault Code: 43"
            << "Ignition fault. Signal from ECM to ignition driver module open.\r"
               "Detectable only whith the key on and engine off.\r\r\r\r\r"
            << "Wiring problem.\rCoil problem.\r\r\r\r\r" << english1 << english2;
        QTest::newRow("English 39")
            << 2 << 5 << "Fault Code: 39"
            << "Air temperature sensor circuit: Open.\r"
               "Airflow calculation is using the default temperature.\r\r\r\r\r"
            << "Wiring problem.\rSensor problem.\r\r\r\r\r" << english1 << english2;
        QTest::newRow("Spanish 39")
            << 1 << 5 << "Código Fallo: 39"
            << "Circuito del sensor de temperatura del aire: Cortado.\r"
               "Para calcular el flujo de aire se está usando la temperatura por defecto.\r\r\r\r\r"
            << "Revise el cableado.\rSustituya el sensor.\r\r\r\r\r"
            << "Causas Posibles"
            << "Procedimiento";
        QTest::newRow("Spanish 43")
            << 1 << 2 << "Código Fallo: 43"
            << "Sincronización electrónica del encendido. Circuito abierto.\r\r\r\r\r\r"
            << "Revise el cableado y las bujías.\rSustituya la bobina.\r\r\r\r\r"
            << "Causas Posibles"
            << "Procedimiento";
        QTest::newRow("French 43")
            << 3 << 2 << "Code erreur: 43"
            << "Ignition fault. Signal from ECM to ignition driver module "
               "open.\rDetectable only whith the key on and engine off."
               "\r\r\r\r\r"
            << "Wiring problem.\rCoil problem.\r\r\r\r\r" << english1 << english2;
        QTest::newRow("German 39")
            << 5 << 5 << "FehlerCode: 39"
            << "Air temperature sensor circuit: Open.\r"
               "Airflow calculation is using the default temperature."
               "\r\r\r\r\r"
            << "Wiring problem.\rSensor problem.\r\r\r\r\r" << english1 << english2;
    }
    void faultLineOpensItsExplanation() {
        QFETCH(int, language);
        QFETCH(int, row);
        QFETCH(QString, caption);
        QFETCH(QString, explanation);
        QFETCH(QString, rootCause);
        QFETCH(QString, explanationHeading);
        QFETCH(QString, rootCauseHeading);
        CountingPump pump;
        auto *screen = diagnosedScreen(pump, language);
        clickListItem(screen, "List1", row);
        QCOMPARE(pump.passes(), qint64(0));
        QVERIFY(isShown(screen, "Frame16"));
        QCOMPARE(textOf(screen, "Frame16"), caption);
        QCOMPARE(textOf(screen, "Label21"), explanation);
        QCOMPARE(textOf(screen, "Label23"), rootCause);
        QCOMPARE(textOf(screen, "Label20"), explanationHeading);
        QCOMPARE(textOf(screen, "Label22"), rootCauseHeading);
        QVERIFY(!isShown(screen, "Label24"));
        QVERIFY(!isShown(screen, "Label25"));
        QCOMPARE(focusName(screen), QStringLiteral("Command45"));
        verifyBar(screen, false);
        key(screen, "Command3", Qt::Key_Escape);
        QVERIFY(loaded("Form47"));

        press(screen, "Command45");
        QVERIFY(!isShown(screen, "Frame16"));
        QCOMPARE(textOf(screen, "Frame16"), QString());
        QCOMPARE(textOf(screen, "Label21"), QString());
        verifyBar(screen, true);
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void spanish43ShowsNoLineLeftByFault39() {
        CountingPump pump;
        auto *screen = diagnosedScreen(pump, ERRORS32::Spanish);
        clickListItem(screen, "List1", 5);
        press(screen, "Command45");
        clickListItem(screen, "List1", 2);
        QCOMPARE(textOf(screen, "Label21"),
                 QStringLiteral(
                     "Sincronización electrónica del encendido. Circuito abierto.\r\r\r\r\r\r"));
        QCOMPARE(screen->FaultTextSlots[2], QString());
    }

    void otherLinesOpenNothing_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("header") << 0;
        QTest::newRow("blank after the header") << 1;
        QTest::newRow("description of 43") << 3;
        QTest::newRow("blank between faults") << 4;
        QTest::newRow("description of 39") << 6;
        QTest::newRow("last blank") << 7;
    }
    void otherLinesOpenNothing() {
        QFETCH(int, row);
        CountingPump pump;
        auto *screen = diagnosedScreen(pump);
        clickListItem(screen, "List1", row);
        QVERIFY(!isShown(screen, "Frame16"));
        verifyBar(screen, true);
        QCOMPARE(textOf(screen, "Frame16"), QString());
    }

    void aLockedScreenOpensNoExplanation_data() {
        QTest::addColumn<QString>("function");
        QTest::newRow("Engine Info") << "Command20";
        QTest::newRow("Erase Faults") << "Command1";
    }
    void aLockedScreenOpensNoExplanation() {
        QFETCH(QString, function);
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        // Open the function's panel and leave it without doing anything.
        press(screen, function);
        press(screen, function == "Command20" ? "Command10" : "Command48");
        QCOMPARE(screen->DetailLock, qint16(1));
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), expectedDiagnosis(ERRORS32::English));
        clickListItem(screen, "List1", 2);
        QVERIFY(!isShown(screen, "Frame16"));
        verifyBar(screen, true);
    }

    void historicLocksTheFreezeFrameLines() {
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        press(screen, "Command24");
        QCOMPARE(screen->DetailLock, qint16(1));
        // " Fault Code: 94 ..." would open fault 94 if it were not locked.
        clickListItem(screen, "List1", 2);
        QVERIFY(!isShown(screen, "Frame16"));
        verifyBar(screen, true);
    }

    void faultPanelOverAPanelHoldingTheBarLeavesItDisabled() {
        CountingPump pump;
        auto *screen = diagnosedScreen(pump);
        // Another panel (an actuator panel, say) holds the bar.
        screen->DisableButtonBar();
        clickListItem(screen, "List1", 2);
        QVERIFY(isShown(screen, "Frame16"));
        clickListItem(screen, "List1", 5); // another fault while the panel is open
        QCOMPARE(textOf(screen, "Frame16"), QStringLiteral("Fault Code: 39"));
        press(screen, "Command45");
        QVERIFY(!isShown(screen, "Frame16"));
        verifyBar(screen, false);
        // Opened over nothing, its Exit gives the bar back.
        screen->EnableButtonBar();
        clickListItem(screen, "List1", 2);
        press(screen, "Command45");
        verifyBar(screen, true);
    }

    void carriageReturnsStartNewLinesOnScreen() {
        CountingPump pump;
        auto *screen = diagnosedScreen(pump);
        clickListItem(screen, "List1", 2);
        auto *label = find<QLabel>(screen, "Label21");
        QVERIFY(label);
        const QString text = label->text();
        const QImage withReturns = label->grab().toImage();
        label->setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        const QImage withLineFeeds = label->grab().toImage();
        label->setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char(' ')));
        const QImage withBlanks = label->grab().toImage();
        QCOMPARE(withReturns, withLineFeeds);
        QVERIFY(withReturns != withBlanks);
    }

    // ---- Historic -----------------------------------------------------------

    void historicListsTheFreezeFrame_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("lines");
        for (int language = 1; language <= 8; ++language)
            QTest::newRow(kLanguageNames[language - 1])
                << language << (language == 1 ? kFreezeFrameSpanish : kFreezeFrameEnglish);
    }
    void historicListsTheFreezeFrame() {
        QFETCH(int, language);
        QFETCH(QStringList, lines);
        CountingPump pump;
        auto *screen = diagnosedScreen(pump, language);
        press(screen, "Command24");
        QCOMPARE(pump.passes(), kProgressPasses + 3);
        QCOMPARE(listTexts(screen, "List1"), lines);
        QCOMPARE(textOf(screen, "Label51"), kBlank + QString(34, QLatin1Char('I')));
        QVERIFY(!isShown(screen, "Frame14"));
        QVERIFY(!ui::isHourglass());
        QCOMPARE(screen->ActiveFaultCount, qint16(0));
        verifyBar(screen, true);
    }

    void freezeFrameValuesAndUnitsLineUp() {
        for (int language : {1, 2}) {
            useLanguage(language);
            CountingPump pump;
            auto *screen = connectedScreen(pump, language);
            press(screen, "Command24");
            const QStringList lines = listTexts(screen, "List1");
            QCOMPARE(lines.size(), 16);
            for (int i = 4; i <= 14; ++i) {
                // Value from column 52, unit from column 62 (counted from 1).
                QVERIFY2(lines[i][50] == QLatin1Char(' ') && lines[i][51] != QLatin1Char(' '),
                         qPrintable(lines[i]));
                QVERIFY2(lines[i][60] == QLatin1Char(' ') && lines[i].size() >= 61,
                         qPrintable(lines[i]));
            }
            QCOMPARE(lines[4].mid(61), QStringLiteral("PSI"));
            QCOMPARE(lines[8].mid(61), language == 1 ? QStringLiteral("ºC") : QStringLiteral("ºF"));
            unloadEverything();
            startProgramFresh();
        }
    }

    void historicShownBeforeThePauseIsTheHeader() {
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        QStringList duringPause;
        pump.at(kProgressPasses + 2, [&] { duringPause = listTexts(screen, "List1"); });
        press(screen, "Command24");
        QCOMPARE(duringPause, (QStringList{" Freeze Frame Data:", " "}));
    }

    // ---- Erasing ------------------------------------------------------------

    void eraseOptionsEraseAndReport_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("message");
        for (int language = 1; language <= 8; ++language) {
            const char *name = kLanguageNames[language - 1];
            QTest::addRow("%s, active faults", name)
                << language << 0 << QString::fromUtf8(kFaultsErased[language - 1]);
            QTest::addRow("%s, historic faults", name)
                << language << 1 << QStringLiteral("All historic faults are erased");
            QTest::addRow("%s, R.P.M. info", name)
                << language << 2 << QStringLiteral("R.P.M. Info deleted");
        }
    }
    void eraseOptionsEraseAndReport() {
        QFETCH(int, language);
        QFETCH(int, option);
        QFETCH(QString, message);
        CountingPump pump;
        auto *screen = diagnosedScreen(pump, language);
        press(screen, "Command1");
        QVERIFY(isShown(screen, "Frame17"));
        const bool spanish = language == 1;
        QCOMPARE(textOf(screen, "Frame17"),
                 spanish ? QStringLiteral("Borrar Fallos, Historico y R.P.M.")
                         : QStringLiteral("Erase Faults, Historic and R.P.M."));
        QCOMPARE(textOf(screen, "Option2(0)"), spanish ? QStringLiteral("Borrar Fallos Activos")
                                                       : QStringLiteral("Erase Active Faults"));
        QCOMPARE(textOf(screen, "Option2(1)"), spanish
                                                   ? QStringLiteral("Borrar Histórico de Fallos")
                                                   : QStringLiteral("Erase Historic Faults"));
        QCOMPARE(textOf(screen, "Option2(2)"), spanish ? QStringLiteral("Borrar R.P.M. Info")
                                                       : QStringLiteral("Erase R.P.M. Info"));
        QVERIFY(find<QRadioButton>(screen, "Option2(0)")->isChecked());
        QCOMPARE(focusName(screen), QStringLiteral("Command48"));
        verifyBar(screen, false);

        chooseOption(screen, ui::indexedName("Option2", option));
        pump.reset();
        press(screen, "Command47");
        QCOMPARE(pump.passes(), kProgressPasses);
        QVERIFY(!isShown(screen, "Frame17"));
        QVERIFY(!isShown(screen, "Frame14"));
        QVERIFY(!ui::isHourglass());
        QCOMPARE(textOf(screen, "Label51"), kBlank + QString(28, QLatin1Char('I')));
        QVERIFY(listTexts(screen, "List1").isEmpty());
        QVERIFY(isShown(screen, "Frame7"));
        QCOMPARE(textOf(screen, "Label7"), message);
        QCOMPARE(focusName(screen), QStringLiteral("Command15"));
        QCOMPARE(screen->ActiveFaultCount, qint16(0));
        verifyBar(screen, false);

        press(screen, "Command15");
        QVERIFY(!isShown(screen, "Frame7"));
        verifyBar(screen, true);
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        press(screen, "Command30");
        QCOMPARE(textOf(screen, "Label7"), QString::fromUtf8(kNoFaults[language - 1]));
    }

    void eraseExitKeepsTheFaults() {
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        press(screen, "Command1");
        chooseOption(screen, "Option2(2)");
        press(screen, "Command48");
        QVERIFY(!isShown(screen, "Frame17"));
        verifyBar(screen, true);
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QCOMPARE(pump.passes(), qint64(0));
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), expectedDiagnosis(ERRORS32::English));
        // Opening again selects the first option.
        press(screen, "Command1");
        QVERIFY(find<QRadioButton>(screen, "Option2(0)")->isChecked());
    }

    // ---- Clicks in the middle of an exchange ----------------------------------

    void aSecondDiagnosisDuringTheFirstListsOnce() {
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        pump.at(100000, [&] { press(screen, "Command30"); });
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), expectedDiagnosis(ERRORS32::English));
        QVERIFY(!isShown(screen, "Frame14"));
        QVERIFY(!ui::isHourglass());
    }

    void historicDuringDiagnosisIsWhatTheListShows() {
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        pump.at(kProgressPasses + 1, [&] { press(screen, "Command24"); }); // in Diagnosis' pause
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), kFreezeFrameEnglish);
        QVERIFY(!isShown(screen, "Frame7"));
        QVERIFY(!isShown(screen, "Frame14"));
    }

    void connectDuringDiagnosisLeavesAFreshConnection() {
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        pump.at(5000, [&] { press(screen, "Command29"); });
        press(screen, "Command30");
        QVERIFY(listTexts(screen, "List1").isEmpty());
        QCOMPARE(listTexts(screen, "List2").size(), 5);
        QVERIFY(!isShown(screen, "Frame14"));
        QVERIFY(!ui::isHourglass());
    }

    void aPanelOpenedDuringDiagnosisKeepsTheFocus() {
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        pump.at(5000, [&] { press(screen, "Command20"); });
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), expectedDiagnosis(ERRORS32::English));
        QVERIFY(isShown(screen, "Frame13"));
        QCOMPARE(focusName(screen), QStringLiteral("Command10"));
        verifyBar(screen, false);
    }

    void aPanelOpenedDuringHistoricKeepsTheBarDisabled() {
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        pump.at(5000, [&] { press(screen, "Command1"); });
        press(screen, "Command24");
        QCOMPARE(listTexts(screen, "List1"), kFreezeFrameEnglish);
        QVERIFY(isShown(screen, "Frame17"));
        verifyBar(screen, false);
        QCOMPARE(focusName(screen), QStringLiteral("Command48"));
        press(screen, "Command48");
        verifyBar(screen, true);
    }

    void closingTheScreenDuringAnExchangeEndsIt_data() {
        QTest::addColumn<QString>("function");
        QTest::addColumn<qint64>("atPass");
        QTest::newRow("Diagnosis, in the progress") << "Command30" << qint64(20000);
        QTest::newRow("Diagnosis, in the pause") << "Command30" << kProgressPasses + 1;
        QTest::newRow("Historic, in the progress") << "Command24" << qint64(20000);
        QTest::newRow("Historic, in the pause") << "Command24" << kProgressPasses + 3;
        QTest::newRow("Erase, in the progress") << "Command47" << kProgressPasses;
    }
    void closingTheScreenDuringAnExchangeEndsIt() {
        QFETCH(QString, function);
        QFETCH(qint64, atPass);
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        QPointer<QWidget> guard(screen);
        if (function == "Command47")
            press(screen, "Command1");
        pump.at(atPass, [&] { screen->close(); });
        press(screen, function);
        QCOMPARE(pump.passes(), atPass);
        QVERIFY(!loaded("Form47"));
        QVERIFY(!ui::isHourglass());
        flushDeletes();
        QVERIFY(guard.isNull());
        auto *again = openScreen();
        QVERIFY(again);
        QCOMPARE(again->ActiveFaultCount, qint16(2));
        QCOMPARE(again->DetailLock, qint16(0));
    }

    void startingAFunctionStopsALiveRun_data() {
        QTest::addColumn<QString>("function");
        QTest::newRow("Connect") << "Command29";
        QTest::newRow("Engine Info") << "Command20";
        QTest::newRow("Diagnosis") << "Command30";
        QTest::newRow("Historic") << "Command24";
        QTest::newRow("Erase Faults") << "Command1";
        QTest::newRow("Actuators") << "Command31";
    }
    void startingAFunctionStopsALiveRun() {
        QFETCH(QString, function);
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        screen->LiveRunState = unitlink::EngineScreen::kRunning; // as Read Data leaves it
        press(screen, function);
        QCOMPARE(screen->LiveRunState, unitlink::EngineScreen::kStopRequested);
    }
};

TIDEWELL_TEST_MAIN(MercruiserFaultsTest)
#include "tst_mercruiser_faults.moc"
