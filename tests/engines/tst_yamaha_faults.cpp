// The Yamaha screen: load, Connect with its identification lines and its
// error trap, Engine Info, Diagnosis with fault 23, Erase Faults and Connect
// restoring the fault.
#include "engines/yamaha_test.h"
#include "ui/twips.h"

#include <stdexcept>

using namespace yamahatest;

namespace {

const QStringList kIdentification = {"Yamaha Outboard ECM: Conected", "ECM Nº: 6S8-8591A-00",
                                     "Model: FRT-1100", "Total Hours: 19h 34m"};

} // namespace

class YamahaFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void loadShowsOnlyConnectAndTheStrip_data() { addLanguageRows(); }
    void loadShowsOnlyConnectAndTheStrip() {
        QFETCH(int, language);
        CountingPump pump;
        auto *screen = openScreen(pump, language);
        QVERIFY(screen);
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QCOMPARE(screen->windowTitle(), QStringLiteral("Yamaha"));
        QCOMPARE(textOf(screen, "Frame3"), QStringLiteral("Yamaha Outboard"));
        QCOMPARE(textOf(screen, "Frame2"), language == ERRORS32::Spanish
                                               ? QStringLiteral("Datos Motor")
                                               : QStringLiteral("Engine Info"));
        QVERIFY(!screen->findChild<QWidget *>("Image1") &&
                !screen->findChild<QWidget *>("Command24"));
        for (const char *name : {"Command20", "Command30", "Command31", "Command1", "Command11"})
            QVERIFY2(!isEnabled(screen, name), name);
        // Help, Report and Save answer nothing.
        for (const char *name : {"Command19", "Command4", "Command2"})
            press(screen, name);
        QCOMPARE(pump.passes(), qint64(0));
        QVERIFY(!isShown(screen, "Frame7") && !isShown(screen, "Frame8") &&
                !isShown(screen, "Frame4"));
        QCOMPARE(screen->ActiveFaultCount, qint16(0));
        QVERIFY(listTexts(screen, "List2").isEmpty());
        QVERIFY(screen->findChild<QWidget *>("Command16") && screen->findChild<QWidget *>("Text4"));
        key(screen, "Command3", Qt::Key_Escape);
        QVERIFY(!loaded("Form5"));
    }

    void connectListsTheLinesOnceEveryTime() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English);
        for (int run = 0; run < 2; ++run) {
            QString lastBar;
            bool zeroWhileRunning = true;
            pump.at(kProgress, [&] {
                lastBar = textOf(screen, "Label51");
                zeroWhileRunning = screen->ActiveFaultCount == 0 && ui::isHourglass() &&
                                   listTexts(screen, "List2").isEmpty();
            });
            press(screen, "Command29");
            QCOMPARE(pump.passes(), kProgress);
            QVERIFY(zeroWhileRunning);
            QCOMPARE(lastBar, kBlank + QString(50, 'I'));
            QCOMPARE(textOf(screen, "Label51"), kBlank + QString(50, 'I')); // no "III"
            QCOMPARE(listTexts(screen, "List2"), kIdentification);
            QCOMPARE(textOf(screen, "Frame2"), QStringLiteral("Engine Info"));
            QCOMPARE(screen->ActiveFaultCount, qint16(1));
            QVERIFY(barIs(screen, true));
            QVERIFY(!isShown(screen, "Frame14") && !ui::isHourglass());
            pump.reset();
        }
    }

    void aFailingStepOfConnectShowsNoCommunication_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("faults");
        QTest::addColumn<int>("lines");
        QTest::newRow("3") << 3 << 0 << 0;
        QTest::newRow("4") << 4 << 1 << 0;
        QTest::newRow("5") << 5 << 1 << 4;
        QTest::newRow("6") << 6 << 1 << 4;
    }
    void aFailingStepOfConnectShowsNoCommunication() {
        QFETCH(int, step);
        QFETCH(int, faults);
        QFETCH(int, lines);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English);
        screen->connectStepCheck = [step](int at) {
            if (at == step)
                throw std::runtime_error("link lost");
        };
        press(screen, "Command29");
        QCOMPARE(textOf(screen, "Label7"),
                 QStringLiteral("     ** There is not communication with module, try again. **"));
        QVERIFY(isShown(screen, "Frame7") && !isShown(screen, "Frame14") && !ui::isHourglass());
        QCOMPARE(focusName(screen), QStringLiteral("Command15"));
        QCOMPARE(screen->ActiveFaultCount, qint16(faults));
        QCOMPARE(listTexts(screen, "List2").size(), lines);
        QCOMPARE(isEnabled(screen, "Command30"), step == 6);
        press(screen, "Command15");
        QVERIFY(!isShown(screen, "Frame7"));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        screen->connectStepCheck = nullptr;
        press(screen, "Command29");
        QVERIFY(barIs(screen, true) && !isShown(screen, "Frame7"));
    }

    void engineInfoShowsTheHoursBesideTheBar_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("total");
        QTest::newRow("English") << int(ERRORS32::English) << "Hours"
                                 << "Total Hours:";
        QTest::newRow("Spanish") << int(ERRORS32::Spanish) << "Horas"
                                 << "Total Horas:";
        QTest::newRow("German") << int(ERRORS32::German) << "Studen"
                                << "Total Studen:";
    }
    void engineInfoShowsTheHoursBesideTheBar() {
        QFETCH(int, language);
        QFETCH(QString, hours);
        QFETCH(QString, total);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29"});
        for (int round = 0; round < 2; ++round) { // again while open: the same labels
            press(screen, "Command20");
            QCOMPARE(pump.passes(), kProgress * (round + 1));
            QCOMPARE((QStringList{textOf(screen, "Label30"), textOf(screen, "Label31"),
                                  textOf(screen, "Label32"), textOf(screen, "Label33"),
                                  textOf(screen, "Label39")}),
                     (QStringList{"     0 - 2000 r/min", "2000 - 4000 r/min", "4000 - 6000 r/min",
                                  "6000 - 8000 r/min", total}));
            QCOMPARE((QStringList{textOf(screen, "Label34"), textOf(screen, "Label35"),
                                  textOf(screen, "Label36"), textOf(screen, "Label37"),
                                  textOf(screen, "Label40")}),
                     (QStringList{"2,34 " + hours, "0,58 " + hours, "2,75 " + hours,
                                  "11,94 " + hours, "19,34 " + hours}));
            QCOMPARE(textOf(screen, "Label38"), QStringLiteral("ECM Nº: 60T8591A20"));
            QCOMPARE(find(screen, "Label38")->width(), ui::pixels(2295));
            QCOMPARE(textOf(screen, "Label41"), QStringLiteral("GP 1300 R"));
            QVERIFY(isShown(screen, "Frame9") && isShown(screen, "Label41"));
            QCOMPARE(textOf(screen, "Frame9"), QStringLiteral("Engine Operating Info"));
            QCOMPARE(focusName(screen), QStringLiteral("Command21"));
            QVERIFY(barIs(screen, true) && !isShown(screen, "Frame14") && !ui::isHourglass());
        }
        press(screen, "Command21");
        QVERIFY(!isShown(screen, "Frame9") && !find(screen, "Label41")->isVisible());
        QCOMPARE(textOf(screen, "Label38"), QStringLiteral("ECM Nº: 60T8591A20"));
        QCOMPARE(find(screen, "Label38")->width(), ui::pixels(3735));
        QCOMPARE(textOf(screen, "Label41"), QString());
        for (const char *name : {"Label34", "Label35", "Label36", "Label37", "Label40"})
            QCOMPARE(textOf(screen, name), QString());
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void diagnosisListsFault23_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("English") << int(ERRORS32::English)
                                 << QStringList{"Faults detected: 1",
                                                " ",
                                                "Fault Code: 23   Detected at: 4,50 hours",
                                                "Intake temperature sensor",
                                                "Check engine monitor",
                                                "Check wired, socket and sensor resistance."};
        QTest::newRow("Spanish")
            << int(ERRORS32::Spanish)
            << QStringList{"Fallos detectados: 1",
                           " ",
                           "Código Fallo: 23   Detectado con: 4,50 horas",
                           "Sensor de temperatura del aire de admisión.",
                           "Compruebe datos del sensor en parámetros de motor.",
                           "Compruebe cableado, conectores y la resistencia del sensor."};
        QTest::newRow("Italian") << int(ERRORS32::Italian)
                                 << QStringList{"Guasti: 1",
                                                " ",
                                                "Guasto: 23   Detected at: 4,50 hours",
                                                "Intake temperature sensor",
                                                "Check engine monitor",
                                                "Check wired, socket and sensor resistance."};
    }
    void diagnosisListsFault23() {
        QFETCH(int, language);
        QFETCH(QStringList, lines);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29"});
        press(screen, "Command30");
        QCOMPARE(pump.passes(), kProgress + 3);
        QCOMPARE(listTexts(screen, "List1"), lines);
        QVERIFY(!isShown(screen, "Frame14") && !isShown(screen, "Frame7") && !ui::isHourglass());
        QCOMPARE(focusName(screen), QStringLiteral("Command30")); // the focus stays
    }

    void eraseLastsUntilTheNextConnect() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command30"});
        press(screen, "Command1");
        QCOMPARE(pump.passes(), kProgress);
        QCOMPARE(screen->ActiveFaultCount, qint16(0));
        QVERIFY(listTexts(screen, "List1").isEmpty());
        QVERIFY(isShown(screen, "Frame7") && !isShown(screen, "Frame14"));
        QCOMPARE(textOf(screen, "Label7"), QStringLiteral("All faults in memory are erased"));
        QCOMPARE(focusName(screen), QStringLiteral("Command15"));
        press(screen, "Command15");
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        press(screen, "Command30");
        QCOMPARE(textOf(screen, "Label7"), QStringLiteral("There are not faults detected"));
        QVERIFY(listTexts(screen, "List1").isEmpty());
        press(screen, "Command15");
        press(screen, "Command29");
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1").first(), QStringLiteral("Faults detected: 1"));
        QCOMPARE(listTexts(screen, "List1").size(), 6);
    }
};

TIDEWELL_TEST_MAIN(YamahaFaultsTest)
#include "tst_yamaha_faults.moc"
