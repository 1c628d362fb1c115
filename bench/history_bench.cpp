#include "history_bench.h"

#include "app/window.h"
#include "app/window_registry.h"
#include "history/history.h"
#include "history/sql_steps.h"
#include "ui/controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRecords = 100000;

// 100,000 records ten minutes apart from 1 January 2024, plates AB0 to AB9972.
const char *const kFillSqlite =
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
    "INSERT INTO records (id, recorded_at, make, model, plates, plates_key, faults) "
    "SELECT 'bench-' || i, strftime('%Y-%m-%dT%H:%M:%S.000', '2024-01-01', '+' || (i * 600) || "
    "' seconds'), 'Yamaha', 'FRT-1100', 'AB ' || (i % 9973), 'ab' || (i % 9973), '23' FROM n";
const char *const kFillPostgres =
    "INSERT INTO tidewell_records (id, recorded_at, make, model, plates, plates_key, faults) "
    "SELECT 'bench-' || i, to_char(timestamp '2024-01-01' + i * interval '10 minutes', "
    "'YYYY-MM-DD\"T\"HH24:MI:SS.MS'), 'Yamaha', 'FRT-1100', 'AB ' || (i % 9973), "
    "'ab' || (i % 9973), '23' FROM generate_series(1, 100000) AS i";

double milliseconds(const QElapsedTimer &timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Typing into a box of the History window: the table follows at once.
double refilter(QWidget *window, const char *box, const QString &text) {
    auto *entry = window->findChild<ui::TextBox *>(QLatin1String(box));
    QElapsedTimer timer;
    timer.start();
    entry->setText(text);
    return milliseconds(timer);
}

void printFigures(const char *store, const std::function<bool()> &fill) {
    history::History &history = history::History::instance();
    std::vector<double> writes;
    for (int i = 0; i < 100; ++i) {
        QElapsedTimer timer;
        timer.start();
        history.record(QStringLiteral("Yamaha"), QStringLiteral("FRT-1100"), QStringLiteral("23"));
        writes.push_back(milliseconds(timer));
    }
    std::printf("history %-10s one record written     median %6.2f ms, worst %6.2f ms (of 100)\n",
                store, median(writes), *std::max_element(writes.begin(), writes.end()));
    if (!fill()) {
        std::printf("history %-10s could not fill %d records\n", store, kRecords);
        return;
    }
    std::vector<double> opens, plates, dates;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        QWidget *window = WindowRegistry::instance().open(QStringLiteral("Form10"));
        opens.push_back(milliseconds(timer));
        plates.push_back(refilter(window, "Text1", QStringLiteral("b %1").arg(12 + round)));
        refilter(window, "Text1", QString());
        dates.push_back(refilter(window, "Text3", QStringLiteral("0%10324").arg(round + 1)) +
                        refilter(window, "Text4", QStringLiteral("300624")));
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("history %-10s History window, first 199 of %d records  %6.2f ms (median of 5)\n",
                store, kRecords, median(opens));
    std::printf("history %-10s refilter by plates fragment                %6.2f ms (median of 5)\n",
                store, median(plates));
    std::printf("history %-10s refilter by date range (both boxes)       %6.2f ms (median of 5)\n",
                store, median(dates));
}

bool runScript(const QString &action, const QString &dir) {
    QProcess script;
    script.start(QStringLiteral(TIDEWELL_PG_SCRIPT), {action, dir});
    return script.waitForFinished(120000) && script.exitCode() == 0;
}

} // namespace

void printHistoryFigures() {
    history::History &history = history::History::instance();
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("history.sqlite"));
    history.configure({file, QString()});
    printFigures("SQLite", [&] {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench-fill");
        db.setDatabaseName(file);
        const bool filled =
            db.open() && history::SqlSteps(db).run(QString::fromLatin1(kFillSqlite));
        db.close();
        return filled;
    });
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));

    QString socketDir = qEnvironmentVariable("TIDEWELL_BENCH_PG");
    const bool ownServer = socketDir.isEmpty();
    if (ownServer) {
        socketDir =
            QStringLiteral("/tmp/tidewell-bench-pg-%1").arg(QCoreApplication::applicationPid());
        if (!runScript(QStringLiteral("start"), socketDir)) {
            std::printf("history PostgreSQL skipped: no server (scripts/throwaway_postgres.sh "
                        "could not start one)\n");
            return;
        }
        qputenv("PGUSER", "postgres");
    }
    const QString url = QStringLiteral("postgresql:///tidewell?host=") + socketDir;
    history.configure({folder.filePath(QStringLiteral("outbox.sqlite")), url});
    if (history.sendOutbox()) {
        printFigures("PostgreSQL", [&] {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), "bench-fill");
            db.setHostName(socketDir);
            db.setDatabaseName(QStringLiteral("tidewell"));
            const bool filled =
                db.open() && history::SqlSteps(db).run(QString::fromLatin1(kFillPostgres)) &&
                history::SqlSteps(db).run(QStringLiteral("ANALYZE tidewell_records"));
            db.close();
            return filled;
        });
        QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
    } else {
        std::printf("history PostgreSQL skipped: no server answers at %s\n", qPrintable(url));
    }
    history.configure({});
    if (ownServer)
        runScript(QStringLiteral("stop"), socketDir);
}
