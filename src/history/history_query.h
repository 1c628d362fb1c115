#pragma once

#include "history/history_record.h"

#include <QDate>

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

} // namespace history
