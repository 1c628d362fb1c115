#pragma once

#include "history/history_record.h"

#include <QList>

namespace history {

// The newest records that match, and whether more match than were asked for.
struct Page {
    QList<Record> records;
    bool more = false;
    // A shared server was asked for but did not answer: only this PC's
    // records not yet sent are listed.
    bool localOnly = false;
};

} // namespace history
