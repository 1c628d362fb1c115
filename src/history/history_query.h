#pragma once

#include "history/history_record.h"

#include <QDate>
#include <QList>

namespace history {

// What the History window asks for: records from `from` to `to` (either
// null: open), both days included, whose plates contain `plates` ignoring
// case and spaces; the newest `limit`.
struct Query {
    QDate from;
    QDate to;
    QString plates;
    int limit = 199;

    bool matches(const Record &record) const;
    // The bounds as stored times: from the first day's start, before the
    // start of the day after the last one.
    QString lowerBound() const;
    QString upperBound() const;
    // The plates fragment as a LIKE pattern, with '\' as escape.
    QString platesPattern() const;
};

// The newest records that match, and whether more match than were asked for.
struct Page {
    QList<Record> records;
    bool more = false;
    // A shared server was asked for but did not answer: only this PC's
    // records not yet sent are listed.
    bool localOnly = false;
};

} // namespace history
