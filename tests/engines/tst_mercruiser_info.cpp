// The Mercruiser PCM/ECM555 screen: load, Connect and Engine Info (System,
// R.P.M. and Log Info), driven through the main window's menu.
#include "app/errors32.h"
#include "engines/mercruiser/mercruiser_screen.h"
#include "support/test_support.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/pointer.h"

#include <QApplication>
#include <QLocale>
#include <QRadioButton>

using namespace testing;

namespace {

const QStringList kBarNames = {"Command29", "Command19", "Command31", "Command24",
                               "Command11", "Command3",  "Command30", "Command4",
                               "Command2",  "Command1",  "Command20"};
constexpr qint64 kProgressPasses = 25 * 10001;

const QStringList kIdentification = {"PCM/ECM555..... Connected", "03MY 507L BRAVO", "ECM# 864916",
                                     "CAL# 864377-005", "AAAF_0008_5.7_EFI"};

const QStringList kSystemInfo = {"03MY 507L BRAVO",
                                 "ECM# 864916",
                                 "CAL# 864377-005",
                                 "AAAF_0008_5.7_EFI",
                                 " ",
                                 "Destred Idle",
                                 "600 RPM",
                                 " ",
                                 "TPS .22=0.90v IDLE",
                                 " ",
                                 "4.07-4.83v WOT",
                                 " ",
                                 "FUEL=38-43 PSI",
                                 " ",
                                 "MAP= 2-15 PSI",
                                 " ",
                                 "SEA PUMP= 0.5-15 PSI",
                                 " ",
                                 "FUEL PUMP&PWR RLY"};

const QStringList kLogInfo = {
    "Battery Range High                0",    "Battery Range Low                 0",
    "Block Pressure is Low             5",    "Compressor Temp Overheat          0",
    "ETC Motor Open                    0",    "ETC Motor Short                   0",
    "Fuel Pressure Sensor Input High   0",    "Fuel Pressure Sensor Input Low    0",
    "Guardian Strategy                 0",    "Knock Sensor 1                    0",
    "Knock Sensor 2                    0",    "Low Oil Pressure Strategy         0",
    "Low Oil Remote Strategy           0",    "Low Oil Reserve Strategy          0",
    "MAP Sensor 1 Input High           0",    "MAP Sensor 1 Input Low            0",
    "MAP Sensor 1 Idle Rational        4008", "Oil Pump Output                   0",
    "Overspeed                         0",    "Port Cnlt Overhead                0",
    "Startboard Clnt Overhead          0",    "Warning Horn Output               479"};

const QStringList kRpmBands = {"Total Hours",      "       0 -   749 RPM", "   750 - 1499 RPM",
                               " 1500 - 2999 RPM", " 3000 - 3499 RPM",     " 3500 - 3999 RPM",
                               " 4000 - 4499 RPM", " 4500 - 4999 RPM",     " 5000 - 5499 RPM"};
const QStringList kRpmHours = {"97.00", "42.13", "29.55", "17.22", "2.32",
                               "1.10",  "0.28",  "0.00",  "0.00"};

void addLanguageColumn() {
    QTest::addColumn<int>("language");
}
void addLanguageRows() {
    for (int language = 1; language <= 8; ++language)
        QTest::newRow(kLanguageNames[language - 1]) << language;
}

} // namespace

class MercruiserInfoTest : public QObject {
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
    ui::Grid *grid(QWidget *screen) { return find<ui::Grid>(screen, "MSFlexGrid2"); }
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
    void readInfo(QWidget *screen, int option) {
        press(screen, "Command20");
        chooseOption(screen, ui::indexedName("Option1", option));
        press(screen, "Command21");
    }

private slots:
    void init() { startProgramFresh(); }
    void cleanup() {
        unloadEverything();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void loadTakesItsCaptionsFromTheCatalogue_data() {
        addLanguageColumn();
        QTest::addColumn<QString>("connect");
        QTest::addColumn<QString>("engineInfo");
        QTest::addColumn<QString>("exit");
        QTest::addColumn<QString>("reports");
        QTest::addColumn<QString>("liveData");
        QTest::newRow("Spanish") << 1 << "Conexión con UCE"
                                 << "Motor Info"
                                 << "Salir"
                                 << "Informe"
                                 << "Parámetros";
        QTest::newRow("English") << 2 << "Connect with ECM"
                                 << "Engine Info"
                                 << "Exit"
                                 << "Reports"
                                 << "Live Data";
        QTest::newRow("French") << 3 << "Connexion avec ECM"
                                << "Motore Info"
                                << "Quitter"
                                << "Rapports"
                                << "Parametres";
        QTest::newRow("Italian") << 4 << "Connessione con la ECM"
                                 << "Motore Info"
                                 << "Esci"
                                 << "Stampa"
                                 << "Parametri";
        QTest::newRow("German") << 5 << "Daten Lesen"
                                << "Motor Info"
                                << "Beenden"
                                << "Vortrag"
                                << "Überwachung";
        QTest::newRow("Portuguese") << 6 << "Conexao com ECM"
                                    << "Motor Info"
                                    << "Sair"
                                    << "Imprimir"
                                    << "Parámetros";
        QTest::newRow("Finnish") << 7 << "Lue Tiedot"
                                 << "Moottori Info"
                                 << "Poistu"
                                 << "Tulosta"
                                 << "Valvonta";
        QTest::newRow("Swedish") << 8 << "Ledning med ECM"
                                 << "Motor Info"
                                 << "Utgång"
                                 << "Tryck"
                                 << "Live Data";
    }
    void loadTakesItsCaptionsFromTheCatalogue() {
        QFETCH(int, language);
        QFETCH(QString, connect);
        QFETCH(QString, engineInfo);
        QFETCH(QString, exit);
        QFETCH(QString, reports);
        QFETCH(QString, liveData);
        auto *screen = openScreen(language);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Mercruiser PCM/ECM555"));
        QCOMPARE(textOf(screen, "Frame3"), QStringLiteral("Mercruiser PCM/ECM555"));
        QCOMPARE(textOf(screen, "Command29"), connect);
        QCOMPARE(textOf(screen, "Command20"), engineInfo);
        QCOMPARE(textOf(screen, "Command11"), liveData);
        QCOMPARE(textOf(screen, "Command24"), QStringLiteral("Historic"));
        for (const char *name : {"Command3", "Command10", "Command15", "Command45", "Command48"})
            QCOMPARE(textOf(screen, name), exit);
        QCOMPARE(textOf(screen, "Command36"), QStringLiteral("Exit"));
        QCOMPARE(textOf(screen, "Command4"), reports);
        QCOMPARE(textOf(screen, "Command44"), reports);
        QCOMPARE(textOf(screen, "Frame2"), QString());
        QVERIFY(isShown(screen, "Image1"));
        QVERIFY(isEnabled(screen, "Command29"));
        for (const char *name :
             {"Command20", "Command30", "Command31", "Command1", "Command11", "Command24"})
            QVERIFY2(!isEnabled(screen, name), name);
        for (const char *name : {"Command19", "Command4", "Command2", "Command3"})
            QVERIFY2(isEnabled(screen, name), name);
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QCOMPARE(screen->ActiveFaultCount, qint16(2));
        QCOMPARE(screen->DetailLock, qint16(0));
    }

    void connectListsTheIdentificationOnce_data() {
        addLanguageColumn();
        addLanguageRows();
    }
    void connectListsTheIdentificationOnce() {
        QFETCH(int, language);
        auto *screen = openScreen(language);
        CountingPump pump;
        press(screen, "Command29");
        QCOMPARE(pump.passes(), kProgressPasses);
        QCOMPARE(listTexts(screen, "List2"), kIdentification);
        QCOMPARE(textOf(screen, "Frame2"), QStringLiteral("Mercruiser PCM/ECM555"));
        QVERIFY(!isShown(screen, "Image1"));
        QVERIFY(!isShown(screen, "Frame14"));
        QCOMPARE(textOf(screen, "Label51"), QStringLiteral(" ") + QString(28, QLatin1Char('I')));
        verifyBar(screen, true);
        press(screen, "Command29");
        QCOMPARE(listTexts(screen, "List2"), kIdentification);
    }

    void engineInfoOpensWithSystemInfoSelected() {
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        press(screen, "Command20");
        QVERIFY(isShown(screen, "Frame13"));
        QCOMPARE(textOf(screen, "Option1(0)"), QStringLiteral("System Info"));
        QCOMPARE(textOf(screen, "Option1(1)"), QStringLiteral("R.P.M. Info"));
        QCOMPARE(textOf(screen, "Option1(2)"), QStringLiteral("Log Info"));
        QVERIFY(find<QRadioButton>(screen, "Option1(0)")->isChecked());
        QCOMPARE(focusName(screen), QStringLiteral("Command10"));
        verifyBar(screen, false);
        QCOMPARE(screen->DetailLock, qint16(1));
        key(screen, "Command3", Qt::Key_Escape);
        QVERIFY(loaded("Form47"));
        press(screen, "Command10");
        QVERIFY(!isShown(screen, "Frame13"));
        verifyBar(screen, true);
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        // Opening again selects System Info again.
        press(screen, "Command20");
        chooseOption(screen, "Option1(2)");
        press(screen, "Command10");
        press(screen, "Command20");
        QVERIFY(find<QRadioButton>(screen, "Option1(0)")->isChecked());
    }

    void systemInfoListsItsLinesWithoutAnExchange() {
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        readInfo(screen, 0);
        QCOMPARE(pump.passes(), qint64(0));
        QVERIFY(!isShown(screen, "Frame13"));
        QVERIFY(isShown(screen, "Frame15"));
        QCOMPARE(textOf(screen, "Frame15"), QStringLiteral("Info"));
        QCOMPARE(listTexts(screen, "List3"), kSystemInfo);
        QVERIFY(isShown(screen, "List3"));
        QVERIFY(!isShown(screen, "MSFlexGrid2"));
        QVERIFY(!isShown(screen, "Command44"));
        QCOMPARE(focusName(screen), QStringLiteral("Command36"));
        verifyBar(screen, false);
        press(screen, "Command36");
        QVERIFY(!isShown(screen, "Frame15"));
        QVERIFY(listTexts(screen, "List3").isEmpty());
        verifyBar(screen, true);
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
    }

    void rpmInfoFillsTheGridAfterTheProgress_data() {
        addLanguageColumn();
        QTest::addColumn<QString>("hours");
        const char *hours[8] = {"Horas",  "Hours", "Heures", "Ore",
                                "Studen", "Horas", "Tunnit", "Hours"};
        for (int language = 1; language <= 8; ++language)
            QTest::newRow(kLanguageNames[language - 1]) << language << hours[language - 1];
    }
    void rpmInfoFillsTheGridAfterTheProgress() {
        QFETCH(int, language);
        QFETCH(QString, hours);
        CountingPump pump;
        auto *screen = connectedScreen(pump, language);
        press(screen, "Command30");
        QVERIFY(!listTexts(screen, "List1").isEmpty());
        pump.reset();
        bool shownDuringProgress = true;
        pump.at(kProgressPasses, [&] {
            shownDuringProgress = isShown(screen, "Frame14") && ui::isHourglass() &&
                                  !isShown(screen, "Frame13") && !isShown(screen, "Frame15");
        });
        readInfo(screen, 1);
        QVERIFY(shownDuringProgress);
        QCOMPARE(pump.passes(), kProgressPasses + 3);
        QVERIFY(!ui::isHourglass());
        QVERIFY(!isShown(screen, "Frame14"));
        QVERIFY(listTexts(screen, "List1").isEmpty());
        ui::Grid *rpm = grid(screen);
        QVERIFY(rpm && rpm->isVisible());
        QVERIFY(!isShown(screen, "List3"));
        QCOMPARE(rpm->columnCount(), 2);
        QCOMPARE(rpm->rowCount(), 11);
        QCOMPARE(rpm->colWidth(0), 2500);
        QCOMPARE(rpm->colWidth(1), 850);
        QCOMPARE(rpm->cell(0, 0), QStringLiteral("Run Time"));
        QCOMPARE(rpm->cell(0, 1), hours);
        for (int row = 1; row <= 9; ++row) {
            QCOMPARE(rpm->cell(row, 0), kRpmBands[row - 1]);
            QCOMPARE(rpm->cell(row, 1), kRpmHours[row - 1]);
        }
        QCOMPARE(rpm->cell(10, 0), QString());
        QCOMPARE(rpm->cell(10, 1), QString());
        QVERIFY(isShown(screen, "Command44"));
        QCOMPARE(textOf(screen, "Frame15"), QStringLiteral("Info"));
        QCOMPARE(focusName(screen), QStringLiteral("Command36"));
        verifyBar(screen, false);
        // Exit leaves the grid as it is.
        press(screen, "Command36");
        QVERIFY(!isShown(screen, "Command44"));
        verifyBar(screen, true);
        QCOMPARE(rpm->cell(1, 1), QStringLiteral("97.00"));
    }

    void rpmHoursUseTheSystemDecimalSeparator() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        readInfo(screen, 1);
        ui::Grid *rpm = grid(screen);
        QVERIFY(rpm);
        QCOMPARE(rpm->cell(1, 1), QStringLiteral("97,00"));
        QCOMPARE(rpm->cell(7, 1), QStringLiteral("0,28"));
    }

    void logInfoListsTheEventsAndClearsTheActiveFaults_data() {
        addLanguageColumn();
        QTest::addColumn<QString>("caption");
        for (int language = 1; language <= 8; ++language)
            QTest::newRow(kLanguageNames[language - 1])
                << language
                << (language == 1 ? QStringLiteral("Histórico Datos (Segundos)")
                                  : QStringLiteral("Fault Log Data (Seconds)"));
    }
    void logInfoListsTheEventsAndClearsTheActiveFaults() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        CountingPump pump;
        auto *screen = connectedScreen(pump, language);
        readInfo(screen, 2);
        QCOMPARE(pump.passes(), kProgressPasses + 3);
        QCOMPARE(listTexts(screen, "List3"), kLogInfo);
        QCOMPARE(listTexts(screen, "List3")[18],
                 QStringLiteral("Overspeed") + QString(25, QLatin1Char(' ')) + QStringLiteral("0"));
        QCOMPARE(textOf(screen, "Frame15"), caption);
        QVERIFY(isShown(screen, "List3"));
        QVERIFY(!isShown(screen, "MSFlexGrid2"));
        QVERIFY(isShown(screen, "Command44"));
        QVERIFY(!isShown(screen, "Frame14"));
        QVERIFY(!ui::isHourglass());
        QCOMPARE(focusName(screen), QStringLiteral("Command36"));
        verifyBar(screen, false);
        QCOMPARE(screen->ActiveFaultCount, qint16(0));

        // The unit no longer reports active faults.
        press(screen, "Command36");
        press(screen, "Command30");
        QVERIFY(isShown(screen, "Frame7"));
        QCOMPARE(textOf(screen, "Label7"), ERRORS32::MsgNoFaults);
        QVERIFY(listTexts(screen, "List1").isEmpty());
    }

    void laterReadingsKeepTheLogCaption() {
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        readInfo(screen, 2);
        press(screen, "Command36");
        readInfo(screen, 0);
        QCOMPARE(textOf(screen, "Frame15"), QStringLiteral("Fault Log Data (Seconds)"));
        QCOMPARE(listTexts(screen, "List3"), kSystemInfo);
        press(screen, "Command36");
        readInfo(screen, 1);
        QCOMPARE(textOf(screen, "Frame15"), QStringLiteral("Fault Log Data (Seconds)"));
    }

    void reportIsNotAvailable() {
        CountingPump pump;
        RecordedMessageBoxes boxes;
        auto *screen = connectedScreen(pump);
        readInfo(screen, 1);
        press(screen, "Command44");
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Non available. Demostration Software")});
        QVERIFY(isShown(screen, "Frame15"));
        QCOMPARE(grid(screen)->cell(1, 1), QStringLiteral("97.00"));
        verifyBar(screen, false);
    }

    void closingTheScreenDuringAReadingEndsIt_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<qint64>("atPass");
        QTest::newRow("R.P.M. Info, in the progress") << 1 << qint64(30000);
        QTest::newRow("R.P.M. Info, in the pause") << 1 << kProgressPasses + 2;
        QTest::newRow("Log Info, in the progress") << 2 << qint64(30000);
        QTest::newRow("Log Info, in the pause") << 2 << kProgressPasses + 2;
    }
    void closingTheScreenDuringAReadingEndsIt() {
        QFETCH(int, option);
        QFETCH(qint64, atPass);
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        QPointer<QWidget> guard(screen);
        pump.at(atPass, [&] { screen->close(); });
        readInfo(screen, option);
        QCOMPARE(pump.passes(), atPass);
        QVERIFY(!loaded("Form47"));
        QVERIFY(!ui::isHourglass());
        flushDeletes();
        QVERIFY(guard.isNull());
        QVERIFY(openScreen());
    }

    void aSecondReadingStartedDuringTheFirstTakesOver() {
        // The message panel's Exit re-enables the bar, so Engine Info can be
        // opened again while R.P.M. Info is still waiting.
        CountingPump pump;
        auto *screen = connectedScreen(pump);
        press(screen, "Command30"); // lists the faults
        readInfo(screen, 2);        // Log Info clears the active faults
        press(screen, "Command36");
        press(screen, "Command30"); // no faults: the message panel
        QVERIFY(isShown(screen, "Frame7"));
        pump.reset();
        pump.at(1000, [&] {
            press(screen, "Command15");
            readInfo(screen, 0); // System Info, while R.P.M. Info waits
            press(screen, "Command36");
            readInfo(screen, 2); // Log Info in the middle of R.P.M. Info
        });
        readInfo(screen, 1);
        // Log Info was asked for last and is what the panel shows.
        QCOMPARE(listTexts(screen, "List3"), kLogInfo);
        QVERIFY(isShown(screen, "List3"));
        QVERIFY(!isShown(screen, "MSFlexGrid2"));
        QVERIFY(!isShown(screen, "Frame14"));
        QVERIFY(!ui::isHourglass());
        QCOMPARE(focusName(screen), QStringLiteral("Command36"));
        verifyBar(screen, false);
    }
};

TIDEWELL_TEST_MAIN(MercruiserInfoTest)
#include "tst_mercruiser_info.moc"
