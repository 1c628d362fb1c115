#pragma once

#include "history/history_page.h"
#include "history/history_query.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>

namespace history {

// Runs SQL with every value bound, never pasted into the text.
class SqlSteps {
public:
    explicit SqlSteps(QSqlDatabase db) : db_(std::move(db)) {}

    // Prepares, binds `values` in order and executes; false on failure.
    bool run(const QString &sql, const QVariantList &values = {});
    // Runs `steps` in one transaction, committed only when they all hold.
    // A database another program holds a moment longer than SQLite waits
    // for is tried again.
    bool transaction(const std::function<bool()> &steps);
    static bool isBusy(const QString &error);
    static constexpr int kAttempts = 40;
    static constexpr int kPauseMs = 50;
    QSqlQuery &query() { return query_; }
    // The rows of the last query (id, time, make, model, plates, faults),
    // up to `limit`; `more` when another follows.
    Page page(int limit);
    // The search's SQL: `select` then the conditions `query` needs, newest
    // first, one row past its limit; `values` receives what to bind.
    static QString searchSql(const QString &select, const QString &order, const Query &query,
                             QVariantList &values);
    QString error() const { return error_; }

private:
    QSqlDatabase db_;
    QSqlQuery query_;
    QString error_;
};

} // namespace history
