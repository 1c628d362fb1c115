// The main window's settings, workshop and about panels.
#include "app/errors32.h"
#include "support/as_drawn.h"
#include "support/test_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

using namespace testing;

namespace {

bool isChecked(QWidget *window, const QString &name) {
    auto *option = find<QRadioButton>(window, name);
    return option && option->isChecked();
}

const char *const kWorkshopControls[6] = {"Frame4", "Label1", "Label2",
                                          "Label3", "Label4", "Label5"};

QStringList workshopCaptions(QWidget *main) {
    QStringList captions;
    for (const char *name : kWorkshopControls)
        captions << textOf(main, name);
    return captions;
}

} // namespace

class PanelsTest : public QObject {
    Q_OBJECT

    QWidget *main = nullptr;

    void chooseLanguage(int language) {
        chooseMenu("confi1");
        press(main, QStringLiteral("Option2(%1)").arg(language));
    }

private slots:
    void init() { main = startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void settingsOpenOnEnglishCelsiusAndCom1() {
        chooseMenu("confi1");
        QVERIFY(isShown(main, "Frame1"));
        QVERIFY(isChecked(main, "Option2(2)"));
        QVERIFY(isChecked(main, "Option4(1)"));
        QVERIFY(isChecked(main, "Option1(1)"));
        QCOMPARE(textOf(main, "Frame1"), QStringLiteral("Settings"));
        QCOMPARE(textOf(main, "Frame3"), QStringLiteral("Languaje"));
        QCOMPARE(textOf(main, "Command1"), QStringLiteral("Exit"));
        QCOMPARE(focusName(main), QStringLiteral("Command1"));
        const QStringList languages = {"Spanish", "English",    "French", "Italian",
                                       "German",  "Portuguese", "Suomi",  "Swedish"};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(textOf(main, QStringLiteral("Option2(%1)").arg(i + 1)), languages[i]);
            QCOMPARE(textOf(main, QStringLiteral("Option1(%1)").arg(i + 1)),
                     QStringLiteral("COM%1").arg(i + 1));
        }
        QCOMPARE(textOf(main, "Option4(2)"), QStringLiteral("Farenheit"));
    }

    void settingsBeforeTheFirstShowKeepDesignCaptions() {
        QCOMPARE(textOf(main, "Frame1"), QStringLiteral("Setting"));
        QCOMPARE(textOf(main, "Frame3"), QStringLiteral("Language"));
        QCOMPARE(textOf(main, "Frame2"), QStringLiteral("Port"));
    }

    void languageChangesCaptionsAtOnce_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("exit");
        QTest::newRow("Spanish") << 1 << "Configuración"
                                 << "Idioma"
                                 << "Salir";
        QTest::newRow("English") << 2 << "Settings"
                                 << "Languaje"
                                 << "Exit";
        QTest::newRow("French") << 3 << "Réglages"
                                << "Langue"
                                << "Quitter";
        QTest::newRow("Italian") << 4 << "Configurazioni"
                                 << "Lingua"
                                 << "Esci";
        QTest::newRow("German") << 5 << "Einstellung"
                                << "Sprache"
                                << "Beenden";
        QTest::newRow("Portuguese") << 6 << "Configuración"
                                    << "Idioma"
                                    << "Sair";
        QTest::newRow("Finnish") << 7 << "Asetukset"
                                 << "Kieli"
                                 << "Poistu";
        QTest::newRow("Swedish") << 8 << "Settings"
                                 << "Språk"
                                 << "Utgång";
    }
    void languageChangesCaptionsAtOnce() {
        QFETCH(int, language);
        QFETCH(QString, panel);
        QFETCH(QString, group);
        QFETCH(QString, exit);
        chooseLanguage(language);
        QCOMPARE(ERRORS32::LanguageCode, qint16(language));
        QCOMPARE(textOf(main, "Frame1"), panel);
        QCOMPARE(textOf(main, "Frame3"), group);
        QCOMPARE(textOf(main, "Command1"), exit);
        QVERIFY(isShown(main, "Frame1"));
        // A screen reader hears each group by its own caption, not the panel's.
        QCOMPARE(announcedAs(main, "Frame1"), panel);
        QCOMPARE(announcedAs(main, "Frame3"), group);
        QCOMPARE(announcedAs(main, "Frame2"), QStringLiteral("Port"));
        // Showing the panel again keeps the chosen language selected.
        chooseMenu("confi1");
        QVERIFY(isChecked(main, QStringLiteral("Option2(%1)").arg(language)));
        QCOMPARE(textOf(main, "Frame1"), panel);
    }

    void settingsExitHidesTheWorkshopPanelToo() {
        chooseMenu("taller");
        chooseMenu("confi1");
        QTest::keyClicks(find<QLineEdit>(main, "Text1"), "Marina");
        press(main, "Command1");
        QVERIFY(!isShown(main, "Frame1"));
        QVERIFY(!isShown(main, "Frame4"));
        // Hidden this way, the boxes keep their text.
        chooseMenu("taller");
        QCOMPARE(textOf(main, "Text1"), QStringLiteral("Marina"));
    }

    // Typing after a panel has hidden lands nowhere hidden: the workshop
    // panel reopens with five empty boxes, as its closing left them.
    void typingAfterAPanelHidesLandsInNoHiddenBox_data() {
        QTest::addColumn<QString>("panels"); // menu items shown first
        QTest::addColumn<int>("closingKey"); // typed where the focus is; 0: Settings' Exit
        QTest::addColumn<QString>("reopenedText1");
        QTest::newRow("Escape in the name box") << "taller" << int(Qt::Key_Escape) << "";
        QTest::newRow("Enter in the telephone box") << "taller" << int(Qt::Key_Return) << "";
        QTest::newRow("Settings' Exit over the workshop") << "taller confi1" << 0 << "Marina";
    }
    void typingAfterAPanelHidesLandsInNoHiddenBox() {
        QFETCH(QString, panels);
        QFETCH(int, closingKey);
        QFETCH(QString, reopenedText1);
        chooseMenu("taller");
        typeIntoFocus(main, "Marina");
        if (closingKey == Qt::Key_Return)
            for (int box = 1; box <= 4; ++box)
                keyIntoFocus(main, Qt::Key_Return);
        for (const QString &item : panels.split(' ').mid(1))
            chooseMenu(item);
        if (closingKey == 0)
            press(main, "Command1");
        else
            keyIntoFocus(main, Qt::Key(closingKey));
        QVERIFY(!isShown(main, "Frame4"));
        QCOMPARE(focusOnHiddenControl(main), QString());
        typeIntoFocus(main, "xyz");
        chooseMenu("taller");
        QCOMPARE(textOf(main, "Text1"), reopenedText1);
        for (const char *box : {"Text2", "Text3", "Text4", "Text5"})
            QCOMPARE(textOf(main, box), QString());
    }

    void mainWindowKeepsItsClientSize() {
        QVERIFY(main->minimumSize() == main->maximumSize());
        QCOMPARE(main->findChild<QWidget *>("client")->size(), QSize(11880 / 15, 7890 / 15));
    }

    void panelsStackAboutOverSettingsOverWorkshop() {
        chooseMenu("ac");
        chooseMenu("confi1");
        chooseMenu("taller");
        const QObjectList order = find<QWidget>(main, "client")->children();
        const auto position = [&](const char *name) {
            return order.indexOf(find<QWidget>(main, name));
        };
        QVERIFY(position("Image1") < position("Frame4"));
        QVERIFY(position("Frame4") < position("Frame1"));
        QVERIFY(position("Frame1") < position("Frame7"));
        for (const char *panel : {"Frame1", "Frame4", "Frame7"})
            QVERIFY2(isShown(main, panel), panel);
    }

    void workshopCaptionsByLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("captions");
        const QStringList design = {
            "Datos Taller", "Taller:", "Propietario:", "Dirección:", "N.I.F.:", "Teléfono:"};
        const QStringList english = {
            "Workshop", "Workshop:", "Owner:", "Address:", "N.I.F.:", "Telephone:"};
        QTest::newRow("Spanish") << 1 << design;
        QTest::newRow("English") << 2 << english;
        QTest::newRow("French") << 3 << english;
        QTest::newRow("Italian") << 4 << QStringList{"Officina",   "Officina:", "Proprietario:",
                                                     "Indirizzo:", "P.IVA:",    "Telefono:"};
        for (int language = 5; language <= 8; ++language)
            QTest::newRow(kLanguageNames[language - 1]) << language << design;
    }
    void workshopCaptionsByLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, captions);
        chooseLanguage(language);
        chooseMenu("taller");
        QCOMPARE(workshopCaptions(main), captions);
        QCOMPARE(focusName(main), QStringLiteral("Text1"));
    }

    void workshopKeepsCaptionsItWasNotGivenAnew() {
        chooseLanguage(4);
        chooseMenu("taller");
        chooseLanguage(2);
        chooseMenu("taller");
        QCOMPARE(
            workshopCaptions(main),
            (QStringList{"Workshop", "Workshop:", "Owner:", "Address:", "P.IVA:", "Telephone:"}));
        chooseLanguage(5);
        chooseMenu("taller");
        QCOMPARE(textOf(main, "Frame4"), QStringLiteral("Workshop"));
    }

    void enterWalksTheBoxesAndTheLastOneCloses() {
        chooseMenu("taller");
        const QStringList order = {"Text1", "Text2", "Text3", "Text4", "Text5"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(focusName(main), order[i]);
            QTest::keyClicks(find<QLineEdit>(main, order[i]), QStringLiteral("v%1").arg(i));
            key(main, order[i], Qt::Key_Return);
        }
        QCOMPARE(focusName(main), QStringLiteral("Text5"));
        QVERIFY(isShown(main, "Frame4"));
        QTest::keyClicks(find<QLineEdit>(main, "Text5"), "555 0101");
        key(main, "Text5", Qt::Key_Return);
        QVERIFY(!isShown(main, "Frame4"));
        chooseMenu("taller");
        for (const QString &box : order)
            QCOMPARE(textOf(main, box), QString());
    }

    void escapeInAnyBoxEmptiesAndHides_data() {
        QTest::addColumn<QString>("box");
        for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text5"})
            QTest::newRow(box) << QString::fromLatin1(box);
    }
    void escapeInAnyBoxEmptiesAndHides() {
        QFETCH(QString, box);
        chooseMenu("taller");
        QTest::keyClicks(find<QLineEdit>(main, "Text1"), "Marina");
        QTest::keyClicks(find<QLineEdit>(main, box), "x");
        key(main, box, Qt::Key_Escape);
        QVERIFY(!isShown(main, "Frame4"));
        QCOMPARE(textOf(main, "Text1"), QString());
        QCOMPARE(textOf(main, box), QString());
    }

    void boxesTakeThirtyCharactersAndPutTheCaretAtTheEnd() {
        chooseMenu("taller");
        auto *box = find<QLineEdit>(main, "Text2");
        QTest::keyClicks(box, QString(31, QLatin1Char('a')));
        QCOMPARE(box->text().size(), 30);
        key(main, "Text1", Qt::Key_Return); // focus moves from Text1 to Text2
        QCOMPARE(box->cursorPosition(), 30);
        QVERIFY(!box->hasSelectedText());
    }

    void aboutCaptionsByLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("close");
        QTest::addColumn<bool>("secondNotice");
        QTest::newRow("Spanish") << 1 << "Acerca de..."
                                 << "Salir" << true;
        QTest::newRow("English") << 2 << "About..."
                                 << "Exit" << true;
        QTest::newRow("French") << 3 << "A propos de..."
                                << "Quitter" << false;
        QTest::newRow("Italian") << 4 << "About...."
                                 << "Esci" << true;
        QTest::newRow("Swedish") << 8 << "About...."
                                 << "Utgång" << true;
    }
    void aboutCaptionsByLanguage() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QString, close);
        QFETCH(bool, secondNotice);
        chooseLanguage(language);
        chooseMenu("ac");
        QVERIFY(isShown(main, "Frame7"));
        QCOMPARE(textOf(main, "Frame7"), caption);
        QCOMPARE(textOf(main, "Command4"), close);
        QCOMPARE(isShown(main, "Label7"), secondNotice);
        QCOMPARE(focusName(main), QStringLiteral("Command4"));
        press(main, "Command4");
        QVERIFY(!isShown(main, "Frame7"));
    }
};

TIDEWELL_TEST_MAIN(PanelsTest)
#include "tst_panels.moc"
