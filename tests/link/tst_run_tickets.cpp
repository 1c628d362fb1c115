// Which run of each function is current: a run gives way only to a newer
// run of its own function.
#include "link/run_tickets.h"

#include <QTest>

using unitlink::RunTickets;

class RunTicketsTest : public QObject {
    Q_OBJECT

private slots:
    void aRunGivesWayOnlyToANewerRunOfItsOwnFunction() {
        RunTickets runs;
        const RunTickets::Ticket diagnosis = runs.begin(1);
        const RunTickets::Ticket connect = runs.begin(0);
        QVERIFY(runs.isCurrent(diagnosis));
        QVERIFY(runs.isCurrent(connect));
        const RunTickets::Ticket secondConnect = runs.begin(0);
        QVERIFY(!runs.isCurrent(connect));
        QVERIFY(runs.isCurrent(secondConnect));
        QVERIFY(runs.isCurrent(diagnosis));
        QVERIFY(!runs.isCurrent(RunTickets::Ticket{}));
    }
};

QTEST_GUILESS_MAIN(RunTicketsTest)
#include "tst_run_tickets.moc"
