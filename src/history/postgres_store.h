#pragma once

#include "history/history_store.h"
#include "history/server_address.h"

namespace history {

// The history shared by the PCs of a workshop, on a PostgreSQL server. The
// schema is created or brought up to date at the first connection; a
// record's id is its key, so a record sent twice is stored once.
class PostgresStore : public HistoryStore {
public:
    enum class State { Connected, Away, Refused };

    explicit PostgresStore(ServerAddress address);
    ~PostgresStore() override;
    PostgresStore(const PostgresStore &) = delete;
    PostgresStore &operator=(const PostgresStore &) = delete;

    // Connects when not connected. Away: the server did not answer (try
    // again later); Refused: it answered no (login, database or schema),
    // and lastError() says why.
    State connectToServer();
    void disconnect();
    ServerAddress address() const { return address_; }
    // Whether a connection to `address` opens; any thread may ask.
    static bool answers(const ServerAddress &address);

    bool add(const Record &record) override;
    bool update(const QString &id, const QString &model, const QString &plates) override;
    bool remove(const QString &id) override;
    std::optional<Page> search(const Query &query) override;

    static constexpr int kSchemaVersion = 1;

private:
    static void addConnection(const ServerAddress &address, const QString &name);
    bool prepareSchema();
    // A failed statement: the connection is dropped, to be made again.
    bool failed(const QString &what, const QString &error);

    ServerAddress address_;
    QString connection_;
    bool connected_ = false;
};

} // namespace history
