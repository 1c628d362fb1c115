#include "history/outbox.h"

#include "history/sql_steps.h"

namespace history {

namespace {
const char *const kOpNames[] = {"add", "update", "remove"};
}

bool Outbox::append(Op op, const Record &record) {
    SqlSteps sql(db_);
    const bool done = sql.transaction([&] {
        return sql.run(QStringLiteral("insert into outbox (op, id, recorded_at, make, model, "
                                      "plates, faults) values (?, ?, ?, ?, ?, ?, ?)"),
                       {QString::fromLatin1(kOpNames[int(op)]), record.id, storedTime(record.when),
                        record.make, record.model, record.plates, record.faults});
    });
    lastError_ = sql.error();
    return done;
}

QList<Outbox::Entry> Outbox::pending() const {
    QList<Entry> entries;
    SqlSteps sql(db_);
    if (!sql.run(QStringLiteral("select seq, op, id, recorded_at, make, model, plates, faults "
                                "from outbox order by seq")))
        return entries;
    QSqlQuery &rows = sql.query();
    while (rows.next()) {
        Entry entry;
        entry.seq = rows.value(0).toLongLong();
        const QString op = rows.value(1).toString();
        for (int i = 0; i < 3; ++i)
            if (op == QLatin1String(kOpNames[i]))
                entry.op = Op(i);
        entry.record = {rows.value(2).toString(), timeFromStored(rows.value(3).toString()),
                        rows.value(4).toString(), rows.value(5).toString(),
                        rows.value(6).toString(), rows.value(7).toString()};
        entries.append(entry);
    }
    return entries;
}

bool Outbox::drop(qint64 seq) {
    SqlSteps sql(db_);
    const bool done = sql.transaction(
        [&] { return sql.run(QStringLiteral("delete from outbox where seq = ?"), {seq}); });
    lastError_ = sql.error();
    return done;
}

} // namespace history
