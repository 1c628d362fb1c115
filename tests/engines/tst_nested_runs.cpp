// Presses in the middle of another function's counted wait, on every engine
// screen: both results show, a second press of the same function lists its
// lines once, a panel opened meanwhile keeps the ButtonBar and the focus.
#include "engines/delphi_test.h"
#include "engines/dfi_test.h"
#include "engines/ficht_test.h"
#include "engines/mercruiser_test.h"
#include "engines/yamaha_test.h"

using namespace testing;

namespace {

// The menu item that opens each screen.
const std::map<QString, QString> kMenuItems = {{"Form47", "ep2"},
                                               {"Form46", "dfi"},
                                               {"Form44", "fitob"},
                                               {"Form5", "yamob"},
                                               {"Form45", "gm2"}};
// A press during another's counted wait comes at this pass.
constexpr qint64 kAt = 1000;

// What is pressed: `before`, each run to its end, then `first`, and in its
// counted wait `second`.
struct Presses {
    const char *name;
    const char *form;
    QStringList before;
    const char *first;
    const char *second;
};
// What shows when everything has ended: `asAlone` holds what `first` alone
// leaves in it (never nothing), `empty` is empty, the message if any; then
// `then` is pressed, and the focus is on `focus`. `disabled`: the ButtonBar.
struct Expected {
    const char *asAlone = "";
    const char *empty = "";
    const QString *message = nullptr;
    QStringList shown = {};
    QStringList hidden = {};
    const QStringList *disabled = nullptr;
    const char *then = "";
    const char *focus = "";
};
struct Case {
    Presses presses;
    Expected expected;
};

// clang-format off
const Case kCases[] = {
    {{"Yamaha: Engine Info during Diagnosis", "Form5", {"Command29"}, "Command30", "Command20"},
     {.asAlone = "List1", .shown = {"Frame9"}}},
    {{"Ficht: Connect during Diagnosis", "Form44", {"Command29"}, "Command30", "Command29"},
     {.asAlone = "List1"}},
    {{"GM Delphi: Connect during Diagnosis", "Form45", {"Command29"}, "Command30", "Command29"},
     {.asAlone = "List1"}},
    {{"GM Delphi: Connect during Erase Faults", "Form45", {"Command29"}, "Command1", "Command29"},
     {.empty = "List1", .message = &ERRORS32::MsgFaultsErased}},
    {{"Yamaha: Diagnosis during Diagnosis", "Form5", {"Command29"}, "Command30", "Command30"},
     {.asAlone = "List1"}},
    {{"Mercury DFI: Diagnosis during Diagnosis", "Form46", {"Command29"}, "Command30", "Command30"},
     {.asAlone = "List1"}},
    {{"Ficht: Diagnosis during Diagnosis", "Form44", {"Command29"}, "Command30", "Command30"},
     {.asAlone = "List1"}},
    {{"Yamaha: Connect during Connect", "Form5", {}, "Command29", "Command29"},
     {.asAlone = "List2"}},
    {{"Mercruiser: Actuators during a second Connect", "Form47", {"Command29"},
      "Command29", "Command31"},
     {.shown = {"Frame5"}, .disabled = &mercruisertest::kBarNames, .focus = "Command18"}},
    {{"Mercury DFI: Actuators during a second Connect", "Form46", {"Command29"},
      "Command29", "Command31"},
     {.shown = {"Frame5"}, .disabled = &dfitest::kBarNames, .focus = "Command18"}},
    {{"Ficht: Service during Erase Faults, then the message's Exit", "Form44", {"Command29"},
      "Command1", "Command24"},
     {.message = &ERRORS32::MsgFaultsErased, .shown = {"Frame10"},
      .disabled = &fichttest::kBarNames, .then = "Command15", .focus = "Command14"}},
    {{"GM Delphi: Actuators during a Diagnosis with no faults, then the message's Exit", "Form45",
      {"Command29", "Command1", "Command15"}, "Command30", "Command31"},
     {.message = &ERRORS32::MsgNoFaults, .shown = {"Frame5"},
      .disabled = &delphitest::kBarNames, .then = "Command15", .focus = "Command18"}},
    {{"Mercury DFI: Engine Info with Live Data open", "Form46", {"Command29", "Command11"},
      "Command20", ""},
     {.shown = {"Frame13"}, .hidden = {"Frame9"}}},
    {{"Mercury DFI: Diagnosis with Live Data open", "Form46", {"Command29", "Command11"},
      "Command30", ""},
     {.asAlone = "List1", .hidden = {"Frame9"}}},
};
// clang-format on

// The screen in English with `before` pressed; the pump counts afresh.
QWidget *openWith(CountingPump &pump, const Presses &p) {
    auto *screen =
        openScreenFromMenu<LoadedWindow>(pump, kMenuItems.at(QString::fromLatin1(p.form)),
                                         QString::fromLatin1(p.form), ERRORS32::English, {});
    for (const QString &name : p.before)
        press(screen, name);
    pump.reset();
    return screen;
}

} // namespace

class NestedRunsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startProgramFresh(); }
    void cleanup() { unloadEverything(); }

    void aPressDuringAnotherFunctionsWait_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kCases)); ++row)
            QTest::newRow(kCases[row].presses.name) << row;
    }
    void aPressDuringAnotherFunctionsWait() {
        QFETCH(int, row);
        const Presses &p = kCases[row].presses;
        const Expected &e = kCases[row].expected;
        CountingPump pump;
        QStringList alone;
        if (*e.asAlone) {
            QWidget *screen = openWith(pump, p);
            press(screen, p.first);
            alone = listTexts(screen, e.asAlone);
            QVERIFY(!alone.isEmpty());
            startProgramFresh();
        }
        QWidget *screen = openWith(pump, p);
        if (*p.second) {
            pump.at(kAt, [&] { press(screen, p.second); });
            press(screen, p.first);
            QVERIFY(pump.passes() > kAt);
        } else {
            press(screen, p.first);
        }
        if (*e.asAlone)
            QCOMPARE(listTexts(screen, e.asAlone), alone);
        if (*e.empty)
            QCOMPARE(listTexts(screen, e.empty), QStringList());
        QCOMPARE(isShown(screen, "Frame7") ? textOf(screen, "Label7") : QString(),
                 e.message ? *e.message : QString());
        for (const QString &name : e.shown)
            QVERIFY2(isShown(screen, name), qPrintable(name));
        for (const QString &name : e.hidden)
            QVERIFY2(!isShown(screen, name), qPrintable(name));
        if (e.disabled)
            QVERIFY(allEnabledAre(screen, *e.disabled, false));
        QVERIFY(!isShown(screen, "Frame14") && !ui::isHourglass());
        if (*e.then)
            press(screen, e.then);
        if (*e.focus)
            QCOMPARE(focusName(screen), QString::fromLatin1(e.focus));
    }
};

TIDEWELL_TEST_MAIN(NestedRunsTest)
#include "tst_nested_runs.moc"
