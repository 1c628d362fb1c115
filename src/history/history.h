#pragma once

#include "history/history_page.h"
#include "history/history_query.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <memory>
#include <thread>

namespace history {

class Outbox;
class PostgresStore;
class SqliteStore;

// The history every screen records into and the History window reads: the
// file on this PC, and when a server is set, the shared server with the
// file as its outbox. Opened at first use. A fault of the store is said
// once (problem()) and never stops the caller.
class History : public QObject {
    Q_OBJECT
public:
    enum class Problem {
        MovedAside,    // detail: the name the unreadable file was given
        KeptInMemory,  // detail: the file that cannot be written
        ServerRefused, // detail: the server's answer
    };
    Q_ENUM(Problem)
    struct Config {
        QString localFile; // empty: kept in memory
        QString serverUrl; // empty: this PC only
    };

    static History &instance();
    ~History() override;

    // Closes what is open; the next use opens `config`.
    void configure(const Config &config);
    Config config() const { return config_; }

    // Records a completed Diagnosis now; returns its id.
    QString record(const QString &make, const QString &model, const QString &faults);
    // Stores a record made elsewhere (its id and time kept).
    bool store(const Record &record);
    bool update(const QString &id, const QString &model, const QString &plates);
    bool remove(const QString &id);
    Page search(const Query &query);
    // Sends what the outbox holds, oldest first; true when it is empty.
    // Unless `evenIfJustAway`, a server that did not answer a moment ago is
    // not asked again yet (a search follows typing: it must not wait).
    bool sendOutbox(bool evenIfJustAway = true);
    int unsent();
    // What the timer does: sends the outbox; a server that did not answer
    // last time is first asked on another thread, the window never waits.
    void retry();

    static constexpr int kRetryMs = 30000;
    static constexpr int kQuietAfterAwayMs = 5000;

signals:
    void problem(history::History::Problem problem, const QString &detail);
    void changed();

private:
    History();
    void ensureOpen();
    void keepInMemory();
    void say(Problem kind, const QString &detail);
    bool serverReachable(bool evenIfJustAway);
    // Asks the server on another thread whether it answers; if it does, the
    // outbox is sent (back on this thread).
    void askServerInBackground();
    bool apply(const Record &record, int op);

    Config config_;
    std::unique_ptr<SqliteStore> local_;
    std::unique_ptr<Outbox> outbox_;
    std::unique_ptr<PostgresStore> server_;
    QSet<int> said_;
    QTimer retry_;
    QElapsedTimer away_; // since the server last did not answer
    bool asking_ = false;
    std::thread asker_;
    int generation_ = 0; // of the configuration
};

} // namespace history
