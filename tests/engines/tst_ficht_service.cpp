// The Evinrude Ficht screen's Service panel (replacing the control unit,
// changing the total hours) and its Engine Operating Info panel.
#include "engines/ficht_test.h"

#include <QLabel>

using namespace fichttest;

namespace {

// Passes of the 50-step bar of the status line.
constexpr qint64 kServiceBar = 50 * 25001;
const QString kBar = QStringLiteral(" ") + QString(50, 'I');

} // namespace

class FichtServiceTest : public QObject {
    Q_OBJECT

    QStringList messages(QWidget *screen) {
        return {textOf(screen, "Label66"), textOf(screen, "Label68")};
    }

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void replacingTheEcuSpeaksTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts"); // caption, then the three pairs of messages
        QTest::addColumn<QString>("saved");
        const QStringList english = {
            "Replace ECU",
            "\r This procedure is to READ the damaged ECU information.",
            "\r Damaged ECU must be still installed before READING the information.",
            "\rReading Data",
            "\r Install the new ECU with ignition shut off.",
            "\rAfter installation select SAVE Data.",
            "\rWriting Data"};
        QTest::newRow("English") << 2 << english << "\rData saved, process complete!";
        QTest::newRow("French") << 3 << english << "\rData saved, process complete!";
        QTest::newRow("Spanish")
            << 1
            << QStringList{"Cambiar ECU",
                           "\r Este proceso lee los datos de la ECU para una reprogramación.",
                           "\r Antes de comenzar compruebe que la ECU usada está instalada.",
                           "\rLeyendo Datos",
                           "\rQuite el contacto e instale la nueva ECU.",
                           "\rDespués ponga el contacto y elija Grabar Datos.",
                           "\rGrabando Datos"}
            << "\rProceso Finalizado";
        // German has no texts of its own for saving.
        QTest::newRow("German")
            << 5
            << QStringList{"ECU Austauschen",
                           "\r Bei diesem Vorgang werden die defekten Daten der ECU gelesen.",
                           "\r Die defekte ECU muss installiert bleiben bis die Daten gelesen "
                           "wurden.",
                           "\rDaten Lesen",
                           "\r Neue ECU installieren bei abgeschalteter Zündung.",
                           "\rNach der installation 'Daten Speichern'.",
                           "\rWriting Data"}
            << "\rData saved, process complete!";
    }
    void replacingTheEcuSpeaksTheLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        QFETCH(QString, saved);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command24"});
        QVERIFY(isShown(screen, "Frame10") && barIs(screen, false));
        QCOMPARE(textOf(screen, "Frame10"), QStringLiteral("Service"));
        QCOMPARE(focusName(screen), QStringLiteral("Command14"));
        QCOMPARE(textOf(screen, "Text5"), QStringLiteral("35"));
        QCOMPARE(messages(screen), QStringList(2, QString()));
        QCOMPARE(textOf(screen, "Command22"), texts[0]);
        press(screen, "Command22");
        QCOMPARE(messages(screen), texts.mid(1, 2));

        QStringList during;
        pump.at(1, [&] { during = messages(screen) << textOf(screen, "Label69"); });
        press(screen, "Command25");
        QCOMPARE(pump.passes(), kServiceBar);
        QCOMPARE(during, (QStringList{texts[3], QString(), " I"}));
        QCOMPARE(messages(screen), texts.mid(4, 2));
        QCOMPARE(textOf(screen, "Label69"), QStringLiteral("Read Ok"));
        QCOMPARE(focusName(screen), QStringLiteral("Command14"));
        QVERIFY(!ui::isHourglass());

        pump.reset();
        pump.at(1, [&] { during = messages(screen); });
        pump.at(kServiceBar, [&] { during << textOf(screen, "Label69"); });
        press(screen, "Command26");
        QCOMPARE(during, (QStringList{texts[6], QString(), kBar}));
        QCOMPARE(messages(screen), (QStringList{saved, QString()}));
        QCOMPARE(textOf(screen, "Label69"), QString());
        QCOMPARE(focusName(screen), QStringLiteral("Command14"));
        QVERIFY(!ui::isHourglass());
    }

    void readAndSaveAreEnabledInTurnAcrossTwoOpenings() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command24"});
        auto enabling = [&] {
            return QList<bool>{isEnabled(screen, "Command25"), isEnabled(screen, "Command26")};
        };
        QCOMPARE(enabling(), (QList<bool>{false, false}));
        press(screen, "Command22");
        QCOMPARE(enabling(), (QList<bool>{true, false}));
        press(screen, "Command25");
        QCOMPARE(enabling(), (QList<bool>{false, true}));
        press(screen, "Command26");
        QCOMPARE(enabling(), (QList<bool>{false, false}));
        press(screen, "Command14");
        QVERIFY(!isShown(screen, "Frame10") && barIs(screen, true));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        press(screen, "Command24");
        QCOMPARE(enabling(), (QList<bool>{true, false})); // no Replace ECU needed now
        press(screen, "Command25");
        press(screen, "Command14");
        press(screen, "Command24");
        QCOMPARE(enabling(), (QList<bool>{true, false}));
    }

    void newHoursAreCopiedAsTyped_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("status");
        QTest::newRow("English 120") << 2 << "120"
                                     << "Total Hours: 120";
        QTest::newRow("English empty") << 2 << ""
                                       << "Total Hours: ";
        QTest::newRow("Spanish 120") << 1 << "120"
                                     << "Total Horas: 120";
    }
    void newHoursAreCopiedAsTyped() {
        QFETCH(int, language);
        QFETCH(QString, typed);
        QFETCH(QString, status);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29", "Command24", "Command23"});
        using namespace ERRORS32;
        QCOMPARE(messages(screen), (QStringList{"\r" + MsgHoursWarning1 + " " + MsgHoursWarning2,
                                                MsgHoursWarning3 + " " + MsgHoursWarning4}));
        if (language == English)
            QCOMPARE(messages(screen),
                     (QStringList{"\r You must use this option for save a truth total hours in a "
                                  "new ECM.",
                                  " You must not change a total hours for a better sale. Use "
                                  "this option at your own risk."}));
        QCOMPARE(focusName(screen), QStringLiteral("Text6"));
        QTest::keyClicks(screen->focusWidget(), typed);
        key(screen, "Text6", Qt::Key_Return);
        QCOMPARE(pump.passes(), kServiceBar);
        QCOMPARE(textOf(screen, "Text5"), typed);
        QCOMPARE(textOf(screen, "Label2(6)"), typed);
        QCOMPARE(textOf(screen, "Label69"), status);
        QCOMPARE(focusName(screen), QStringLiteral("Command14"));
        press(screen, "Command14");
        QCOMPARE((QStringList{textOf(screen, "Text5"), textOf(screen, "Text6"),
                              textOf(screen, "Label69")}),
                 QStringList(3, QString()));
        QVERIFY(!messages(screen).first().isEmpty()); // kept until the next opening
        press(screen, "Command24");
        QCOMPARE(textOf(screen, "Text5"), typed);
        QCOMPARE(messages(screen), QStringList(2, QString()));
        press(screen, "Command14");
        press(screen, "Command29");
        QCOMPARE(textOf(screen, "Label2(6)"), QStringLiteral("35"));
    }

    void theNewBoxTakesNoMoreThanTheHoursValueShows() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command24", "Command23"});
        QTest::keyClicks(screen->focusWidget(), QStringLiteral("x9,5 hours and more"));
        key(screen, "Text6", Qt::Key_Return);
        QCOMPARE(textOf(screen, "Label2(6)"), QStringLiteral("x9,5 h"));
    }

    void leavingDuringTheBarEndsIt_data() {
        QTest::addColumn<QString>("start");
        QTest::newRow("Read Data") << "Command25";
        QTest::newRow("Enter in the New box") << "Text6";
    }
    void leavingDuringTheBarEndsIt() {
        QFETCH(QString, start);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command24", "Command22"});
        pump.at(kServiceBar / 2, [&] { press(screen, "Command14"); });
        if (start == "Text6")
            key(screen, "Text6", Qt::Key_Return);
        else
            press(screen, start);
        QVERIFY(pump.passes() < kServiceBar);
        QVERIFY(!isShown(screen, "Frame10") && barIs(screen, true));
        QVERIFY(!isEnabled(screen, "Command26"));
        QCOMPARE(textOf(screen, "Label69"), QString());
        QCOMPARE(textOf(screen, "Label2(6)"), QStringLiteral("35"));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QVERIFY(!ui::isHourglass());
    }

    void engineOperatingInfoShowsTheRecordAtEveryOpening() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::Spanish, {"Command29", "Command30"});
        auto shown = [&] {
            return QStringList{textOf(screen, "Label70(8)"), textOf(screen, "Label71(0)"),
                               textOf(screen, "Label71(9)"), textOf(screen, "Label73(5)"),
                               textOf(screen, "Label74(0)"), textOf(screen, "Label75(8)")};
        };
        for (int opening = 0; opening < 2; ++opening) {
            press(screen, "Command20");
            QVERIFY(isShown(screen, "Frame9") && barIs(screen, false));
            QVERIFY(listTexts(screen, "List1").isEmpty());
            QCOMPARE(focusName(screen), QStringLiteral("Command21"));
            // The repeated band, the total, the last injector, the ninth snapshot value.
            QCOMPARE(shown(), (QStringList{"7000 - 8000 r/min", "111", "362", "1611125231400999",
                                           "Volt. Mariposa", "No"}));
            press(screen, "Command21");
            QVERIFY(!isShown(screen, "Frame9") && barIs(screen, true));
            QCOMPARE(shown(), (QStringList{"7000 - 8000 r/min", "", "", "1611125231400999",
                                           "Volt. Mariposa", "No"}));
            QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        }
    }
};

TIDEWELL_TEST_MAIN(FichtServiceTest)
#include "tst_ficht_service.moc"
