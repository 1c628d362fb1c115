// The GM Delphi screen: load, Connect with the engine summary, Diagnosis
// with its one fault, Erase Faults and the fault that Connect never brings
// back, and leaving the screen.
#include "app/errors32.h"
#include "engines/delphi/delphi_screen.h"
#include "support/test_support.h"

using namespace testing;

namespace {

const QStringList kBar = {"Command29", "Command19", "Command31", "Command11", "Command3",
                          "Command30", "Command4",  "Command2",  "Command1",  "Command20"};
constexpr qint64 kProgress = 25 * 10001;

DelphiScreen *openScreen(CountingPump &pump, int language,
                         std::initializer_list<const char *> presses = {}) {
    useLanguage(language);
    chooseMenu(QStringLiteral("gm2"));
    auto *screen = qobject_cast<DelphiScreen *>(loaded(QStringLiteral("Form45")));
    if (screen)
        for (const char *name : presses)
            press(screen, QString::fromLatin1(name));
    pump.reset();
    return screen;
}

QStringList enabledOfBar(QWidget *screen) {
    QStringList enabled;
    for (const QString &name : kBar)
        if (isEnabled(screen, name))
            enabled << name;
    return enabled;
}

QStringList labels(QWidget *screen, const char *name) {
    QStringList texts;
    for (int i = 0; i < 8; ++i)
        texts << textOf(screen, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
    return texts;
}

} // namespace

class DelphiScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void connectFillsTheEngineSummary_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        // clang-format off
        QTest::newRow("English") << 2
            << QStringList{"Engine Model", "Engine Serial", "Software Ver:", "MAP Version:",
                           "ECU Serial:", "ECU Serial:", "ECU Serial:", "Hours"}
            << QStringList{"Ect Temp", "Fuel Flow", "Volt Batt", "Knock Retard",
                           "Lanyard Stop", "Power Reducc", "Faults", "Hours"};
        QTest::newRow("Spanish") << 1
            << QStringList{"Motor Model", "Motor Serial", "Software Ver:", "MAP Version:",
                           "ECU Serial:", "ECU Serial:", "ECU Serial:", "Horas"}
            << QStringList{"Temp Ecm", "Flujo fuel", "Volt Batt", "Knock Retard",
                           "Lanyard Stop", "Power Reducc", "Fallos", "Horas"};
        QTest::newRow("German") << 5
            << QStringList{"Motor Model", "Motor Serial", "Software Ver:", "MAP Version:",
                           "ECU Serial:", "ECU Serial:", "ECU Serial:", "Studen"}
            << QStringList{"Ect Temp", "Fuel Flow", "Volt Batt", "Knock Retard",
                           "Lanyard Stopt", "Power Reducc", "Defekte", "Studen"};
        // clang-format on
    }
    void connectFillsTheEngineSummary() {
        QFETCH(int, language);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        CountingPump pump;
        auto *screen = openScreen(pump, language);
        QCOMPARE(screen->windowTitle(), QStringLiteral("GM Delphi"));
        QCOMPARE(textOf(screen, "Frame3"), QStringLiteral("GM Delco"));
        QVERIFY(isShown(screen, "Image1") && !isShown(screen, "Command24"));
        QCOMPARE(textOf(screen, "Frame2"), QString());
        QCOMPARE(enabledOfBar(screen),
                 (QStringList{"Command29", "Command19", "Command3", "Command4", "Command2"}));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        QCOMPARE(labels(screen, "Label1"), before);
        QCOMPARE(labels(screen, "Label2").join(""), QString());

        press(screen, "Command29");
        QCOMPARE(pump.passes(), kProgress);
        QCOMPARE(textOf(screen, "Label51"), " " + QString(25, 'I'));
        QVERIFY(!isShown(screen, "Frame14") && !isShown(screen, "Image1"));
        QVERIFY(!isShown(screen, "Command24"));
        QCOMPARE(textOf(screen, "Frame2"), QStringLiteral("Engine Info Mefi-1 Mode 0"));
        QCOMPARE(labels(screen, "Label1"), after);
        QCOMPARE(labels(screen, "Label2"),
                 (QStringList{"20.0º", "0.00", "11.9 V", "Off", "Off", "Off", "1", "217.05"}));
        QCOMPARE(enabledOfBar(screen), kBar);
        // Engine Info does nothing.
        pump.reset();
        press(screen, "Command20");
        QCOMPARE(pump.passes(), qint64(0));
        QCOMPARE(focusName(screen), QStringLiteral("Command20"));
    }

    void diagnosisListsFault33_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("lines");
        const QStringList english = {
            "Faults detected: 1",
            " ",
            "Fault Code: 33 Actived",
            "Manifold Absolute Pressure Sensor - Malfunction.",
            "The ECM is detecting a value outside the operating range of this sensor.",
            "Damage to the sensor electrical connectors, corroded or unplugged can also cause "
            "this Code."};
        QTest::newRow("English") << 2 << english;
        QTest::newRow("Spanish") << 1
                                 << QStringList{"Fallos detectados: 1",
                                                " ",
                                                "Código Fallo: 33 Actived",
                                                "Sensor de presión absoluta del colector.",
                                                "La ECU está detectando un valor fuera del rango "
                                                "operativo del sensor.",
                                                "Revise el cableado, daños por corrosión o el "
                                                "propio sensor."};
        QStringList german = english;
        german[0] = "Fehlercodes: 1";
        german[2] = "FehlerCode: 33 Actived";
        QTest::newRow("German") << 5 << german;
    }
    void diagnosisListsFault33() {
        QFETCH(int, language);
        QFETCH(QStringList, lines);
        CountingPump pump;
        auto *screen = openScreen(pump, language, {"Command29"});
        press(screen, "Command30");
        QCOMPARE(pump.passes(), kProgress);
        QCOMPARE(listTexts(screen, "List1"), lines);
        QVERIFY(!isShown(screen, "Frame14"));
        // Connect leaves the list as it is.
        press(screen, "Command29");
        QCOMPARE(listTexts(screen, "List1"), lines);
    }

    // Once gone, the fault stays gone: Connect does not bring it back.
    void theFaultStaysGone_data() {
        QTest::addColumn<QStringList>("presses");
        QTest::newRow("erased") << QStringList{"Command1", "Command15", "Command29"};
        QTest::newRow("live data") << QStringList{"Command11", "Command32"};
    }
    void theFaultStaysGone() {
        QFETCH(QStringList, presses);
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::English, {"Command29", "Command30"});
        for (const QString &name : presses)
            press(screen, name);
        QCOMPARE(screen->ActiveFaultCount, qint16(0));
        press(screen, "Command30");
        QCOMPARE(listTexts(screen, "List1"), QStringList());
        QVERIFY(isShown(screen, "Frame7"));
        QCOMPARE(textOf(screen, "Label7"), QStringLiteral("There are not faults detected"));
        QCOMPARE(textOf(screen, "Label2(6)"), QStringLiteral("1"));
    }

    void eraseShowsItsMessage() {
        CountingPump pump;
        auto *screen = openScreen(pump, ERRORS32::Spanish, {"Command29", "Command30"});
        press(screen, "Command1");
        QCOMPARE(textOf(screen, "Label51"), " " + QString(28, 'I'));
        QCOMPARE(listTexts(screen, "List1"), QStringList());
        QCOMPARE(textOf(screen, "Label7"), QStringLiteral("Se eliminaron los fallos almacenados"));
        QCOMPARE(focusName(screen), QStringLiteral("Command15"));
        press(screen, "Command15");
        QVERIFY(!isShown(screen, "Frame7") && isEnabled(screen, "Command1"));
        QCOMPARE(focusName(screen), QStringLiteral("Command3"));
        key(screen, "Command3", Qt::Key_Escape);
        flushDeletes();
        QVERIFY(!loaded("Form45"));
    }
};

TIDEWELL_TEST_MAIN(DelphiScreenTest)
#include "tst_delphi_screen.moc"
