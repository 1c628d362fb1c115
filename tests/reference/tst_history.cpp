// The history window Form10: captions and table heading by language, the
// limits of the search boxes and their keys.
#include "app/errors32.h"
#include "support/test_support.h"
#include "ui/controls.h"
#include "ui/grid.h"

using namespace testing;

namespace {

const QString kWindow = QStringLiteral("Form10");

ui::Grid *tableOf(QWidget *window) {
    return find<ui::Grid>(window, QStringLiteral("MSFlexGrid1"));
}

ui::TextBox *box(QWidget *window, const char *name) {
    return find<ui::TextBox>(window, QLatin1String(name));
}

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT

    LoadedWindow *openHistory(int language = ERRORS32::English) {
        useLanguage(language);
        chooseMenu(QStringLiteral("histo1"));
        LoadedWindow *window = loaded(kWindow);
        if (window) {
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window))
                qWarning("the history window did not become active");
        }
        return window;
    }

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void loadSetsCaptionsByLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("labels"); // Label9, Label10, Label11, Command2
        QTest::addColumn<QStringList>("heading");
        const auto add = [](int language, const char *caption, QStringList labels,
                            QStringList heading) {
            QTest::newRow(kLanguageNames[language - 1])
                << language << QString::fromUtf8(caption) << labels << heading;
        };
        add(1, "Histórico", {"Desde:", "Hasta:", "Matric:", "Salir"},
            {"Fecha:", "Hora:", "Marca", "Modelo", "Matrícula:", "Fallos"});
        add(2, "History", {"From:", "To:", "Plates:", "Exit"},
            {"Date:", "Hour:", "Vehicle", "Model", "Plates:", "Faults"});
        add(3, "Parcours", {"Du:", "Au:", "Plaque:", "Quitter"},
            {"Date:", "Heure:", "Véhicule", "Modèle", "Plaque:", "Pannes"});
        add(4, "Storico", {"Da:", "Fino a:", "Matric:", "Esci"},
            {"Data:", "Ora:", "Veicolo", "Modello", "Matricola:", "Guasti"});
        add(5, "Histórico", {"Seit:", "Bis:", "Plates:", "Beenden"},
            {"Datum:", "Stundenplan:", "", "Modell", "Schild:", "Defekte"});
        add(6, "Histórico", {"Desde:", "Até:", "Matric:", "Sair"},
            {"Data:", "Horário:", "", "Modelo", "Placa:", "Avarias"});
        add(7, "Histórico", {"From:", "To:", "Plates:", "Poistu"},
            {"Date:", "Hour:", "", "Malli", "Plates:", "Viat"});
        add(8, "Histórico", {"From:", "To:", "Plates:", "Utgång"},
            {"Datum:", "Tid:", "", "Modell", "Plates:", "Faults"});
    }
    void loadSetsCaptionsByLanguage() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, heading);
        LoadedWindow *window = openHistory(language);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE((QStringList{textOf(window, "Label9"), textOf(window, "Label10"),
                              textOf(window, "Label11"), textOf(window, "Command2")}),
                 labels);
        ui::Grid *table = tableOf(window);
        QStringList cells;
        for (int col = 0; col < table->columnCount(); ++col)
            cells << table->cell(0, col);
        QCOMPARE(cells, heading);
        QCOMPARE(textOf(window, "Frame2"), QString());
    }

    void tableHasItsShapeAndAnEmptyBody() {
        LoadedWindow *window = openHistory();
        ui::Grid *table = tableOf(window);
        QCOMPARE(table->columnCount(), 6);
        QCOMPARE(table->rowCount(), 200);
        QCOMPARE(table->fixedRows(), 1);
        const int widths[6] = {1200, 900, 1700, 2000, 2000, 1000};
        using Align = ui::Grid::Align;
        const Align alignments[6] = {Align::LeftTop, Align::LeftTop, Align::Left,
                                     Align::LeftTop, Align::LeftTop, Align::Left};
        for (int col = 0; col < 6; ++col) {
            QCOMPARE(table->colWidth(col), widths[col]);
            QCOMPARE(table->colAlignment(col), alignments[col]);
        }
        for (int row = 1; row < 200; ++row)
            for (int col = 0; col < 6; ++col)
                QVERIFY(table->cell(row, col).isEmpty());
        // The heading row is shaded as headings are.
        QCOMPARE(table->item(0, 0)->background().color(), table->palette().button().color());
        QCOMPARE(table->item(0, 2)->background().color(), table->palette().button().color());
    }

    void loadPlacesTheWindowAndFocusesTheFirstDate() {
        LoadedWindow *window = openHistory();
        QCOMPARE(window->pos(), QPoint(495 / 15, 1200 / 15));
        QCOMPARE(window->height(), (7000 - 450) / 15);
        QCOMPARE(focusName(window), QStringLiteral("Text3"));
        for (const char *name : {"Text3", "Text4", "Text1"})
            QCOMPARE(textOf(window, name), QString());
    }

    void boxesRefuseCharactersPastTheirLimit_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("first date") << "Text3"
                                    << "0103057"
                                    << "010305";
        QTest::newRow("last date") << "Text4"
                                   << "311205x"
                                   << "311205";
        QTest::newRow("plates") << "Text1"
                                << "AB-1234-CDE"
                                << "AB-1234-CD";
        QTest::newRow("plates, any character") << "Text1"
                                               << "x'; --%\""
                                               << "x'; --%\"";
    }
    void boxesRefuseCharactersPastTheirLimit() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        LoadedWindow *window = openHistory();
        ui::TextBox *entry = box(window, qPrintable(name));
        entry->setFocus();
        QTest::keyClicks(entry, typed);
        QCOMPARE(entry->text(), kept);
        QCOMPARE(entry->maxLength(), name == "Text1" ? 10 : 6);
    }

    void upArrowMovesBackOneBox_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("last date to first date") << "Text4"
                                                 << "Text3";
        QTest::newRow("plates to last date") << "Text1"
                                             << "Text4";
        QTest::newRow("first date stays") << "Text3"
                                          << "Text3";
    }
    void upArrowMovesBackOneBox() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        LoadedWindow *window = openHistory();
        box(window, "Text3")->setText("010105");
        box(window, "Text4")->setText("3112");
        box(window, qPrintable(from))->setFocus();
        QCOMPARE(focusName(window), from);
        key(window, from, Qt::Key_Up);
        QCOMPARE(focusName(window), to);
        // The caret stands after the last character, nothing selected.
        ui::TextBox *target = box(window, qPrintable(to));
        QCOMPARE(target->cursorPosition(), target->text().size());
        QVERIFY(!target->hasSelectedText());
        QVERIFY(loaded(kWindow));
    }

    void onlyTheDateBoxesPutTheCaretAtTheEndOnFocus_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("caret");
        QTest::newRow("first date") << "Text3" << 6;
        QTest::newRow("last date") << "Text4" << 6;
        QTest::newRow("plates") << "Text1" << 0;
    }
    void onlyTheDateBoxesPutTheCaretAtTheEndOnFocus() {
        QFETCH(QString, name);
        QFETCH(int, caret);
        LoadedWindow *window = openHistory();
        ui::TextBox *entry = box(window, qPrintable(name));
        entry->setText(QStringLiteral("123456"));
        entry->setCursorPosition(0);
        box(window, name == "Text3" ? "Text4" : "Text3")->setFocus();
        entry->setFocus(Qt::MouseFocusReason);
        QCOMPARE(focusName(window), name);
        QCOMPARE(entry->cursorPosition(), caret);
        QVERIFY(!entry->hasSelectedText());
    }

    void enterAndDownDoNothing() {
        LoadedWindow *window = openHistory();
        for (const char *name : {"Text3", "Text4", "Text1"}) {
            box(window, name)->setFocus();
            key(window, name, Qt::Key_Return);
            key(window, name, Qt::Key_Down);
            QVERIFY(loaded(kWindow));
            QCOMPARE(focusName(window), QLatin1String(name));
            QCOMPARE(textOf(window, name), QString());
        }
    }

    void escapeInABoxClosesAndLoadsTheMainWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("mainClosed");
        for (const char *name : {"Text3", "Text4", "Text1"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, main window open").arg(name)))
                << QString::fromLatin1(name) << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, main window closed").arg(name)))
                << QString::fromLatin1(name) << true;
        }
    }
    void escapeInABoxClosesAndLoadsTheMainWindow() {
        QFETCH(QString, name);
        QFETCH(bool, mainClosed);
        LoadedWindow *window = openHistory(ERRORS32::Spanish);
        LoadedWindow *main = loaded("Form3");
        if (mainClosed) {
            main->unload();
            flushDeletes();
            main = nullptr;
        }
        key(window, name, Qt::Key_Escape);
        QVERIFY(!loaded(kWindow));
        QVERIFY(loaded("Form3"));
        QVERIFY(loaded("Form3")->isVisible());
        if (mainClosed) {
            QCOMPARE(ERRORS32::LanguageCode, qint16(ERRORS32::English));
            QCOMPARE(ERRORS32::CapExit, QStringLiteral("Exit"));
        } else {
            QCOMPARE(loaded("Form3"), main);
            QCOMPARE(ERRORS32::LanguageCode, qint16(ERRORS32::Spanish));
        }
    }

    void exitAndEscapeOnExitUnloadOnly_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Exit click") << false;
        QTest::newRow("Escape on Exit") << true;
    }
    void exitAndEscapeOnExitUnloadOnly() {
        QFETCH(bool, escape);
        LoadedWindow *window = openHistory();
        loaded("Form3")->unload();
        flushDeletes();
        if (escape)
            key(window, "Command2", Qt::Key_Escape);
        else
            press(window, "Command2");
        QVERIFY(!loaded(kWindow));
        QVERIFY(!loaded("Form3"));
    }

    void reopeningStartsAfresh() {
        LoadedWindow *window = openHistory();
        QTest::keyClicks(box(window, "Text1"), "ABC");
        chooseMenu(QStringLiteral("histo1")); // already loaded: unchanged
        QCOMPARE(loaded(kWindow), window);
        QCOMPARE(textOf(window, "Text1"), QStringLiteral("ABC"));
        press(window, "Command2");
        window = openHistory(ERRORS32::German);
        QCOMPARE(textOf(window, "Text1"), QString());
        QCOMPARE(window->windowTitle(), QStringLiteral("Histórico"));
        QCOMPARE(tableOf(window)->cell(0, 2), QString());
    }
};

TIDEWELL_TEST_MAIN(HistoryTest)
#include "tst_history.moc"
