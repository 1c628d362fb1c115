#pragma once

#include "history/history_page.h"
#include "history/history_query.h"

#include <optional>

namespace history {

// Where records are kept: one file on this PC, or a shared server. Every
// call is one transaction; false (or no page) when the store failed, with
// lastError() saying why.
class HistoryStore {
public:
    virtual ~HistoryStore() = default;

    // Stores the record; one already stored under its id is kept as it is.
    virtual bool add(const Record &record) = 0;
    // The fields entered afterwards. An unknown id changes nothing.
    virtual bool update(const QString &id, const QString &model, const QString &plates) = 0;
    virtual bool remove(const QString &id) = 0;
    virtual std::optional<Page> search(const Query &query) = 0;
    QString lastError() const { return lastError_; }

protected:
    QString lastError_;
};

} // namespace history
