// Which run of each function is current: a run gives way only to a newer
// run of its own function, or when its panel or screen is gone.
#include "link/run_tickets.h"

#include <QTest>

using unitlink::RunTickets;

namespace {

// Functions as a screen numbers them; any distinct numbers do.
constexpr int kConnect = 0;
constexpr int kEngineInfo = 1;
constexpr int kDiagnosis = 4;

enum class Then { Nothing, CancelFirst, CancelAll };

} // namespace

class RunTicketsTest : public QObject {
    Q_OBJECT

private slots:
    // A first run waits; a second is begun inside its wait; then its panel
    // may close (cancel) or the screen go (cancelAll).
    void whichRunsHoldAfterANestedOne_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<Then>("then");
        QTest::addColumn<bool>("firstHolds");
        QTest::addColumn<bool>("secondHolds");
        // clang-format off
        QTest::newRow("same function again")
            << kDiagnosis << kDiagnosis << Then::Nothing << false << true;
        QTest::newRow("a different function")
            << kDiagnosis << kEngineInfo << Then::Nothing << true << true;
        QTest::newRow("Connect during a reading")
            << kDiagnosis << kConnect << Then::Nothing << true << true;
        QTest::newRow("its panel closed")
            << kEngineInfo << kDiagnosis << Then::CancelFirst << false << true;
        QTest::newRow("its panel closed after a newer run")
            << kEngineInfo << kEngineInfo << Then::CancelFirst << false << false;
        QTest::newRow("screen unloaded or panel Exit")
            << kDiagnosis << kConnect << Then::CancelAll << false << false;
        // clang-format on
    }
    void whichRunsHoldAfterANestedOne() {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(Then, then);
        QFETCH(bool, firstHolds);
        QFETCH(bool, secondHolds);
        RunTickets runs;
        const RunTickets::Ticket outer = runs.begin(first);
        const RunTickets::Ticket inner = runs.begin(second);
        if (then == Then::CancelFirst)
            runs.cancel(first);
        else if (then == Then::CancelAll)
            runs.cancelAll();
        QCOMPARE(runs.isCurrent(outer), firstHolds);
        QCOMPARE(runs.isCurrent(inner), secondHolds);
        // The next press starts afresh.
        QVERIFY(runs.isCurrent(runs.begin(first)));
        QVERIFY(!runs.isCurrent(RunTickets::Ticket{}));
    }
};

QTEST_GUILESS_MAIN(RunTicketsTest)
#include "tst_run_tickets.moc"
