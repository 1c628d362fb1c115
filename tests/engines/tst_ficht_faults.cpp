// The Evinrude Ficht screen: load, Connect with its identification values,
// Diagnosis with fault 12, Erase Faults and Connect restoring the fault.
#include "engines/ficht_test.h"

using namespace fichttest;

namespace {

const QString kBlank = QStringLiteral(" ");
const QStringList kIdentification = {"J150FSXECR", "4466419", "150 FFI PILOT", "3030000", "0",
                                     "150D706",    "35"};

QStringList faultLines(int language) {
    const QStringList head = {ERRORS32::MsgFaultsDetected + "1", kBlank,
                              ERRORS32::MsgFaultCode + "12 Actived    Detected at 27 hours"};
    if (language == ERRORS32::Spanish)
        return head + QStringList{"Fallo en el circuito de posición de la mariposa.",
                                  "Los códigos de fallo 13 o 14 también pueden estar activos.",
                                  "La ECU está detectando un valor fuera del rango operativo",
                                  "del sensor. Esto puede estar causado por un fallo mecánico",
                                  "que aumenta el recorrido del sensor.",
                                  "Revise el cableado, daños por corrosión o el propio sensor."};
    return head + QStringList{
                      "Throttle Position Circuit Malfunction.",
                      "Associated code 13 or 14 will also be set.",
                      "The ECU is detecting a value outside the operating range of",
                      "this sensor. This can be caused by mechanical damage to the",
                      "sensor or linkage that increases the sensor travel toward",
                      "idle or WOT position. Damage to the sensor leads, or sensor electrical",
                      "connectors that are loose, corroded or unplugged can also cause this Code."};
}

} // namespace

class FichtFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void loadShowsCaptionsWithoutValues_data() { addLanguageRows(); }
    void loadShowsCaptionsWithoutValues() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = openScreen(pump, language);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("OutBoard Fitch"));
        QCOMPARE(textOf(screen, "Frame3"), QStringLiteral("OutBoard Fitch"));
        QCOMPARE(textOf(screen, "Frame2"), ERRORS32::CapVehicleData);
        QCOMPARE(textOf(screen, "Command24"), ERRORS32::CapService);
        const QString engine = ERRORS32::CapEngine;
        QCOMPARE((QStringList{textOf(screen, "Label1(0)"), textOf(screen, "Label1(1)"),
                              textOf(screen, "Label1(3)"), textOf(screen, "Label1(4)"),
                              textOf(screen, "Label1(5)"), textOf(screen, "Label1(6)")}),
                 (QStringList{engine + " Model", engine + " Serial",
                              "Software Ver:", "ECU Serial:", "MAP Version:", ERRORS32::CapHours}));
        if (language == ERRORS32::Spanish)
            QCOMPARE(textOf(screen, "Frame2"), QStringLiteral("Datos vehículo"));
        QCOMPARE(identificationValues(screen), QStringList(7, QString()));
        for (const char *name : {"Command29", "Command19", "Command4", "Command2", "Command3"})
            QVERIFY2(isEnabled(screen, name), name);
        for (const char *name :
             {"Command20", "Command30", "Command31", "Command1", "Command11", "Command24"})
            QVERIFY2(!isEnabled(screen, name), name);
        QVERIFY(!isShown(screen, "List2"));
        QCOMPARE(screen->ActiveFaultCount, qint16(1));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        key(screen, "Command3", Qt::Key_Escape);
        QVERIFY(!loaded("Form44"));
    }

    void connectFillsTheValuesEveryTime() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English);
        for (int run = 0; run < 2; ++run) {
            QStringList bars;
            bool zeroWhileRunning = true;
            for (int step = 0; step < 50; ++step)
                pump.at(qint64(step) * 10001 + 1, [&] {
                    bars << textOf(screen, "Label51");
                    zeroWhileRunning = zeroWhileRunning && screen->ActiveFaultCount == 0 &&
                                       ui::isHourglass() && isShown(screen, "Frame14");
                });
            press(screen, "Command29");
            QCOMPARE(pump.passes(), kProgress);
            QVERIFY(zeroWhileRunning);
            QCOMPARE(bars.first(), kBlank + "I");
            QCOMPARE(bars.last(), kBlank + QString(50, 'I'));
            QCOMPARE(textOf(screen, "Label51"), kBlank + QString(50, 'I')); // no "III"
            QCOMPARE(identificationValues(screen), kIdentification);
            QCOMPARE(screen->ActiveFaultCount, qint16(1));
            QVERIFY(barIs(screen, true));
            QVERIFY(!isShown(screen, "Frame14") && !ui::isHourglass());
            pump.reset();
        }
    }

    void diagnosisListsFault12_data() { addLanguageRows(); }
    void diagnosisListsFault12() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29"});
        press(screen, "Command30");
        QCOMPARE(pump.passes(), kProgress);
        QCOMPARE(listTexts(screen, "List1"), faultLines(language));
        if (language == ERRORS32::English)
            QCOMPARE(listTexts(screen, "List1").first(), QStringLiteral("Faults detected: 1"));
        QVERIFY(!isShown(screen, "Frame14") && !isShown(screen, "Frame7") && !ui::isHourglass());
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), faultLines(language)); // not twice
    }

    void eraseLastsUntilTheNextConnect() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command30"});
        press(screen, "Command1");
        QCOMPARE(textOf(screen, "Label51"), kBlank + QString(53, 'I'));
        QCOMPARE(screen->ActiveFaultCount, qint16(0));
        QVERIFY(listTexts(screen, "List1").isEmpty());
        QVERIFY(isShown(screen, "Frame7") && !isShown(screen, "Frame14"));
        QCOMPARE(textOf(screen, "Label7"), QStringLiteral("All faults in memory are erased"));
        QCOMPARE(focusName(screen), QStringLiteral("Command15"));
        press(screen, "Command15");
        QVERIFY(!isShown(screen, "Frame7") && barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        press(screen, "Command30");
        QCOMPARE(textOf(screen, "Label7"), QStringLiteral("There are not faults detected"));
        QVERIFY(listTexts(screen, "List1").isEmpty());
        press(screen, "Command15");
        QVERIFY(isEnabled(screen, "Command1"));
        press(screen, "Command29");
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), faultLines(ERRORS32::English));
    }

    void aPanelOpenedDuringAnExchangeKeepsTheBar_data() {
        QTest::addColumn<QString>("exchange");
        QTest::newRow("Connect") << "Command29";
        QTest::newRow("Diagnosis") << "Command30";
    }
    void aPanelOpenedDuringAnExchangeKeepsTheBar() {
        QFETCH(QString, exchange);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29"});
        pump.at(1000, [&] { press(screen, "Command24"); });
        press(screen, exchange);
        QVERIFY(isShown(screen, "Frame10") && barIs(screen, false));
        press(screen, "Command14");
        QVERIFY(barIs(screen, true));
    }
};

TIDEWELL_TEST_MAIN(FichtFaultsTest)
#include "tst_ficht_faults.moc"
