#pragma once

#include "history/history_record.h"

#include <QList>
#include <QSqlDatabase>

namespace history {

// What this PC still owes the shared server, kept in the local file in the
// order it happened: new records, edits and deletions.
class Outbox {
public:
    enum class Op { Add, Update, Remove };
    struct Entry {
        qint64 seq = 0;
        Op op = Op::Add;
        Record record; // Update: id, model, plates; Remove: id
    };

    explicit Outbox(QSqlDatabase db) : db_(std::move(db)) {}

    bool append(Op op, const Record &record);
    // Every entry, oldest first; empty when the file cannot be read.
    QList<Entry> pending() const;
    bool drop(qint64 seq);
    QString lastError() const { return lastError_; }

private:
    QSqlDatabase db_;
    QString lastError_;
};

} // namespace history
