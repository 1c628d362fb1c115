// The history as the user meets it: each screen's Diagnosis recorded, the
// History window's search, its editing and deleting with the keyboard.
#include "history/history.h"
#include "link/engine_screen.h"
#include "support/test_support.h"
#include "ui/grid.h"

#include <QApplication>

using namespace testing;
using history::History;

namespace {

history::Record at(const char *when, const char *model, const char *plates) {
    const QDateTime time = QDateTime::fromString(when, "yyyy-MM-dd HH:mm");
    return {QUuid::createUuid().toString(), time, "Yamaha", model, plates, "23"};
}

// The keys go where the user's keys go: to the focus widget of the moment.
void type(const QString &text, Qt::Key last = Qt::Key_unknown) {
    for (QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    if (last != Qt::Key_unknown)
        QTest::keyClick(QApplication::focusWidget(), last);
}

} // namespace

class HistoryRecordsTest : public QObject {
    Q_OBJECT

    ui::Grid *table = nullptr;
    LoadedWindow *openHistory() {
        chooseMenu(QStringLiteral("histo1"));
        LoadedWindow *window = loaded(QStringLiteral("Form10"));
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window); // the keys below fail if it did not
        table = find<ui::Grid>(window, QStringLiteral("MSFlexGrid1"));
        return window;
    }
    QStringList column(int col) {
        QStringList cells;
        for (int row = 1; row < 200 && !table->cell(row, col).isEmpty(); ++row)
            cells << table->cell(row, col);
        return cells;
    }

private slots:
    void init() {
        useFreshHistory();
        startProgramFresh();
    }
    void cleanup() { unloadEverything(); }

    void everyScreenRecordsItsDiagnosis_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("record"); // make, model, plates, faults
        const auto add = [](const char *menu, const char *form, QStringList record) {
            QTest::newRow(form) << QString(menu) << QString(form) << record;
        };
        add("gm2", "Form45", {"GM Delphi", "", "", "33"});
        add("ep2", "Form47", {"Mercruiser PCM/ECM555", "03MY 507L BRAVO", "", "43, 39"});
        add("fitob", "Form44", {"Evinrude Fitch", "J150FSXECR", "", "12"});
        add("yamob", "Form5", {"Yamaha", "FRT-1100", "", "23"});
        add("dfi", "Form46", {"Mercury Dfi 135/150 1998-2000", "98 DI 2.5L 135", "", "1315, 1321"});
    }
    void everyScreenRecordsItsDiagnosis() {
        QFETCH(QString, menu);
        QFETCH(QString, form);
        QFETCH(QStringList, record);
        CountingPump pump;
        auto *screen = openScreenFromMenu<unitlink::EngineScreen>(pump, menu, form, 2,
                                                                  {"Command29", "Command30"});
        QVERIFY(screen);
        QCOMPARE(History::instance().search({}).records.size(), 1);
        const history::Record stored = History::instance().search({}).records.first();
        QCOMPARE((QStringList{stored.make, stored.model, stored.plates, stored.faults}), record);
        QVERIFY(qAbs(stored.when.secsTo(QDateTime::currentDateTime())) < 60);
        // After Erase Faults (Mercruiser: its panel) the next reading finds none.
        if (form != "Form47") {
            for (const char *name : {"Command1", "Command15", "Command30", "Command15"})
                press(screen, name);
            QCOMPARE(History::instance().search({}).records.first().faults, QStringLiteral("-"));
        }
        // A reading abandoned in its wait (the screen closed) records nothing.
        const qsizetype before = History::instance().search({}).records.size();
        pump.after(1000, [screen] { screen->unload(); });
        press(screen, "Command30");
        flushDeletes();
        QCOMPARE(History::instance().search({}).records.size(), before);
    }

    void searchFollowsTheBoxes_data() {
        for (const char *column : {"from", "to", "plates", "hint"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<QStringList>("models");
        const auto add = [](const char *name, const char *from, const char *to, const char *plates,
                            QStringList models, const char *hint = "") {
            QTest::newRow(name) << QString(from) << QString(to) << QString(plates) << QString(hint)
                                << models;
        };
        const QStringList all = {"m4", "m3", "m2", "m1"};
        add("everything", "", "", "", all);
        add("both bounds kept", "010326", "150326", "", {"m2", "m1"});
        add("open end", "020426", "", "", {"m4", "m3"});
        add("open start", "", "010326", "", {"m1"});
        add("plates, case and spaces", "", "", "aB 12", {"m3", "m1"});
        add("half a date", "0103", "", "", all, "From: not a date");
        add("no such day", "", "310226", "", all, "To: not a date");
        add("first after last", "010526", "010326", "", {}, "first date is after");
        add("pattern signs are text", "", "", "%_", {"m4"});
    }
    void searchFollowsTheBoxes() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, plates);
        QFETCH(QStringList, models);
        QFETCH(QString, hint);
        for (const auto &record :
             {at("2026-03-01 10:00", "m1", "AB 123 cd"), at("2026-03-15 23:59", "m2", "XY-999"),
              at("2026-04-02 18:30", "m3", "ab123"), at("2026-05-20 08:00", "m4", "5%_x")})
            History::instance().store(record);
        LoadedWindow *window = openHistory();
        QCOMPARE(gridRow(window, "MSFlexGrid1", 4),
                 (QStringList{"01/03/2026", "10:00", "Yamaha", "m1", "AB 123 cd", "23"}));
        for (const auto &[name, text] :
             {std::pair{"Text3", from}, {"Text4", to}, {"Text1", plates}}) {
            find<QWidget>(window, name)->setFocus();
            type(text);
        }
        QCOMPARE(column(3), models);
        const QString status = textOf(window, "Label12");
        QVERIFY2(hint.isEmpty() ? status.isEmpty() : status.contains(hint), qPrintable(status));
        QCOMPARE(focusName(window), QStringLiteral("Text1"));
    }

    void moreMatchesThanRowsAreAnnounced() {
        const QDateTime start(QDate(2026, 1, 1), QTime(8, 0));
        for (int i = 0; i < 205; ++i) {
            history::Record record = at("", qPrintable(QString::number(i)), "");
            record.when = start.addSecs(600 * i);
            History::instance().store(record);
        }
        LoadedWindow *window = openHistory();
        QCOMPARE(column(3).size(), 199);
        QCOMPARE(column(3).first(), QStringLiteral("204"));
        QVERIFY(textOf(window, "Label12").contains("only the newest 199"));
        find<QWidget>(window, "Text4")->setFocus();
        type("010126"); // 96 of them fall on the first day
        QCOMPARE(column(3).size(), 96);
        QVERIFY(textOf(window, "Label12").isEmpty());
    }

    void cellsAreEditedAndRecordsDeletedWithTheKeyboard() {
        History::instance().store(at("2026-03-01 10:00", "old", ""));
        History::instance().store(at("2026-03-02 10:00", "kept", ""));
        RecordedMessageBoxes boxes;
        LoadedWindow *window = openHistory();
        find<QWidget>(window, "Text1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(window), QStringLiteral("MSFlexGrid1"));
        table->setCurrentCell(2, 4);
        type("ab 42", Qt::Key_Return); // typing starts the editor
        table->setCurrentCell(2, 3);
        QTest::keyClick(table, Qt::Key_F2);
        type("X", Qt::Key_Escape); // cancelled
        QTest::keyClick(table, Qt::Key_F2);
        type("Y", Qt::Key_Return);
        QCoreApplication::processEvents();
        const history::Record edited = History::instance().search({}).records.last();
        QCOMPARE((QStringList{edited.model, edited.plates}), (QStringList{"Y", "ab 42"}));
        table->setCurrentCell(1, 0);
        QTest::keyClick(table, Qt::Key_F2); // the date is not editable
        QCOMPARE(focusName(window), QStringLiteral("MSFlexGrid1"));
        boxes.answer = false;
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().contains("kept"));
        table->setCurrentCell(2, 1);
        boxes.answer = true;
        QTest::keyClick(table, Qt::Key_Delete);
        QCoreApplication::processEvents();
        QCOMPARE(column(3), QStringList{"kept"});
        QCOMPARE(History::instance().search({}).records.size(), 1);
    }
};

TIDEWELL_TEST_MAIN(HistoryRecordsTest)
#include "tst_history_records.moc"
