#pragma once

#include "history/history_store.h"

#include <QSqlDatabase>

namespace history {

// The history on this PC: one SQLite file per user (or, when no file can
// be written, a database in memory for this run). Write-ahead journal,
// synchronous commits, a busy timeout for a second program on the same
// file, and a schema version in PRAGMA user_version.
class SqliteStore : public HistoryStore {
public:
    enum class Opened { Fresh, Existing, MovedAside, Failed };

    SqliteStore();
    ~SqliteStore() override;
    SqliteStore(const SqliteStore &) = delete;
    SqliteStore &operator=(const SqliteStore &) = delete;

    // Opens (creating with owner-only permissions) the file at `path`. A
    // file that is not a readable history is moved aside under a dated
    // name (movedTo()) and a fresh one started. Empty path: in memory.
    Opened open(const QString &path);
    QString movedTo() const { return movedTo_; }
    bool inMemory() const { return inMemory_; }
    QSqlDatabase database() const;

    // Hands every record over to the outbox, oldest first (this PC now
    // shares a server).
    bool moveRecordsToOutbox();

    bool add(const Record &record) override;
    bool update(const QString &id, const QString &model, const QString &plates) override;
    bool remove(const QString &id) override;
    std::optional<Page> search(const Query &query) override;

    static constexpr int kSchemaVersion = 1;

private:
    bool openConnection(const QString &path);
    bool openBusyOrNot(const QString &path);
    bool prepareSchema();
    bool migrate();
    bool failed(const QString &what, const QString &error);

    QString connection_;
    QString movedTo_;
    bool inMemory_ = false;
    bool unreadable_ = false; // the last failure was the file's content
};

} // namespace history
