#include "history/sql_steps.h"

#include <QSqlError>
#include <QThread>

namespace history {

bool SqlSteps::run(const QString &sql, const QVariantList &values) {
    query_ = QSqlQuery(db_);
    query_.setForwardOnly(true);
    // Nothing to bind: run as it is (PostgreSQL prepares no schema statements).
    if (values.isEmpty()) {
        if (query_.exec(sql))
            return true;
        error_ = query_.lastError().text();
        return false;
    }
    if (!query_.prepare(sql)) {
        error_ = query_.lastError().text();
        return false;
    }
    for (int i = 0; i < values.size(); ++i) {
        // An empty text is stored as empty text, not as NULL.
        const bool emptyText =
            values[i].typeId() == QMetaType::QString && values[i].toString().isNull();
        query_.bindValue(i, emptyText ? QVariant(QStringLiteral("")) : values[i]);
    }
    if (!query_.exec()) {
        error_ = query_.lastError().text();
        return false;
    }
    return true;
}

bool SqlSteps::transaction(const std::function<bool()> &steps) {
    for (int attempt = 1;; ++attempt) {
        error_.clear();
        if (!db_.transaction()) {
            error_ = db_.lastError().text();
        } else if (steps() && db_.commit()) {
            return true;
        } else {
            if (error_.isEmpty())
                error_ = db_.lastError().text();
            query_ = QSqlQuery();
            db_.rollback();
        }
        if (attempt == kAttempts || !isBusy(error_))
            return false;
        QThread::msleep(kPauseMs);
    }
}

bool SqlSteps::isBusy(const QString &error) {
    return error.contains(QLatin1String("locked")) || error.contains(QLatin1String("busy"));
}

Page SqlSteps::page(int limit) {
    Page page;
    while (query_.next()) {
        if (page.records.size() >= limit) {
            page.more = true;
            break;
        }
        page.records.append({query_.value(0).toString(), timeFromStored(query_.value(1).toString()),
                             query_.value(2).toString(), query_.value(3).toString(),
                             query_.value(4).toString(), query_.value(5).toString()});
    }
    query_ = QSqlQuery();
    return page;
}

QString SqlSteps::searchSql(const QString &select, const QString &order, const Query &query,
                            QVariantList &values) {
    QStringList conditions;
    if (query.from.isValid()) {
        conditions << QStringLiteral("recorded_at >= ?");
        values << query.lowerBound();
    }
    if (query.to.isValid()) {
        conditions << QStringLiteral("recorded_at < ?");
        values << query.upperBound();
    }
    if (!platesKey(query.plates).isEmpty()) {
        conditions << QStringLiteral("plates_key like ? escape '\\'");
        values << query.platesPattern();
    }
    QString sql = select;
    if (!conditions.isEmpty())
        sql += QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
    values << query.limit + 1;
    return sql + QStringLiteral(" order by ") + order + QStringLiteral(" limit ?");
}

} // namespace history
