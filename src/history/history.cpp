#include "history/history.h"

#include "history/outbox.h"
#include "history/postgres_store.h"
#include "history/sqlite_store.h"

#include <QCoreApplication>
#include <QUuid>

#include <algorithm>
#include <thread>

namespace history {

History &History::instance() {
    static History *history = new History;
    return *history;
}

History::History() {
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &History::retry);
    // The program does not end in the middle of a question to the server.
    if (QCoreApplication::instance())
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
            if (asker_.joinable())
                asker_.join();
        });
}

void History::retry() {
    if (unsent() == 0)
        return;
    // A server that did not answer is asked again away from the window.
    if (away_.isValid())
        askServerInBackground();
    else if (sendOutbox())
        emit changed();
}

void History::askServerInBackground() {
    if (asking_ || !server_)
        return;
    asking_ = true;
    if (asker_.joinable())
        asker_.join(); // done: it has reported
    asker_ = std::thread([this, address = server_->address(), generation = generation_] {
        const bool answers = PostgresStore::answers(address);
        QMetaObject::invokeMethod(
            this,
            [this, answers, generation] {
                asking_ = false;
                if (!answers || generation != generation_)
                    return;
                away_.invalidate();
                if (sendOutbox())
                    emit changed();
            },
            Qt::QueuedConnection);
    });
}

History::~History() = default;

void History::configure(const Config &config) {
    retry_.stop();
    outbox_.reset();
    server_.reset();
    local_.reset();
    said_.clear();
    away_.invalidate();
    ++generation_;
    config_ = config;
}

void History::ensureOpen() {
    if (local_)
        return;
    local_ = std::make_unique<SqliteStore>();
    switch (local_->open(config_.localFile)) {
    case SqliteStore::Opened::Failed:
        keepInMemory();
        break;
    case SqliteStore::Opened::MovedAside:
        say(Problem::MovedAside, local_->movedTo());
        break;
    default:
        break;
    }
    outbox_ = std::make_unique<Outbox>(local_->database());
    if (!config_.serverUrl.isEmpty()) {
        // Records kept on this PC before it shared a server go there too.
        local_->moveRecordsToOutbox();
        QString error;
        const ServerAddress address = ServerAddress::fromUrl(config_.serverUrl, &error);
        if (address.isValid())
            server_ = std::make_unique<PostgresStore>(address);
        else
            say(Problem::ServerRefused, error);
        retry_.start();
    }
}

void History::keepInMemory() {
    const bool wasInMemory = local_ && local_->inMemory();
    outbox_.reset(); // it holds the old file's connection
    local_ = std::make_unique<SqliteStore>();
    local_->open(QString());
    outbox_ = std::make_unique<Outbox>(local_->database());
    if (!wasInMemory)
        say(Problem::KeptInMemory, config_.localFile);
}

void History::say(Problem kind, const QString &detail) {
    if (said_.contains(int(kind)))
        return;
    said_.insert(int(kind));
    emit problem(kind, detail);
}

bool History::serverReachable(bool evenIfJustAway) {
    if (!server_)
        return false;
    if (!evenIfJustAway && away_.isValid() && away_.elapsed() < kQuietAfterAwayMs)
        return false;
    away_.invalidate();
    switch (server_->connectToServer()) {
    case PostgresStore::State::Connected:
        return true;
    case PostgresStore::State::Refused:
        say(Problem::ServerRefused, server_->lastError());
        return false;
    case PostgresStore::State::Away:
        away_.start();
        break;
    }
    return false;
}

bool History::apply(const Record &record, int op) {
    ensureOpen();
    const bool shared = !config_.serverUrl.isEmpty();
    bool done = false;
    if (shared) {
        done = outbox_->append(Outbox::Op(op), record);
        if (!done) {
            keepInMemory();
            done = outbox_->append(Outbox::Op(op), record);
        }
        sendOutbox();
    } else {
        const auto write = [&] {
            switch (Outbox::Op(op)) {
            case Outbox::Op::Add:
                return local_->add(record);
            case Outbox::Op::Update:
                return local_->update(record.id, record.model, record.plates);
            case Outbox::Op::Remove:
                return local_->remove(record.id);
            }
            return false;
        };
        done = write();
        if (!done && !local_->inMemory()) {
            keepInMemory();
            done = write();
        }
    }
    emit changed();
    return done;
}

QString History::record(const QString &make, const QString &model, const QString &faults) {
    Record record{QUuid::createUuid().toString(QUuid::WithoutBraces),
                  QDateTime::currentDateTime(),
                  make,
                  model,
                  QString(),
                  faults};
    return store(record) ? record.id : QString();
}

bool History::store(const Record &record) {
    return apply(record, int(Outbox::Op::Add));
}

bool History::update(const QString &id, const QString &model, const QString &plates) {
    Record record;
    record.id = id;
    record.model = model;
    record.plates = plates;
    return apply(record, int(Outbox::Op::Update));
}

bool History::remove(const QString &id) {
    Record record;
    record.id = id;
    return apply(record, int(Outbox::Op::Remove));
}

bool History::sendOutbox(bool evenIfJustAway) {
    ensureOpen();
    if (!server_ || !serverReachable(evenIfJustAway))
        return false;
    for (const Outbox::Entry &entry : outbox_->pending()) {
        bool sent = false;
        switch (entry.op) {
        case Outbox::Op::Add:
            sent = server_->add(entry.record);
            break;
        case Outbox::Op::Update:
            sent = server_->update(entry.record.id, entry.record.model, entry.record.plates);
            break;
        case Outbox::Op::Remove:
            sent = server_->remove(entry.record.id);
            break;
        }
        // Sent but not yet dropped: sent again next time, stored once.
        if (!sent || !outbox_->drop(entry.seq)) {
            away_.start();
            return false;
        }
    }
    return true;
}

int History::unsent() {
    ensureOpen();
    return int(outbox_->pending().size());
}

Page History::search(const Query &query) {
    ensureOpen();
    if (config_.serverUrl.isEmpty()) {
        if (std::optional<Page> page = local_->search(query))
            return *page;
        return {};
    }
    const bool reachable = sendOutbox(false);
    std::optional<Page> fromServer =
        reachable && server_ ? server_->search(query) : std::optional<Page>();
    Page page;
    page.localOnly = !fromServer;
    if (fromServer)
        page = *fromServer;
    // What the server does not have yet, as this PC will send it.
    QList<Record> unsentRecords;
    for (const Outbox::Entry &entry : outbox_->pending()) {
        const auto apply = [&](QList<Record> &records) {
            for (auto it = records.begin(); it != records.end(); ++it) {
                if (it->id != entry.record.id)
                    continue;
                if (entry.op == Outbox::Op::Remove) {
                    records.erase(it);
                } else {
                    it->model = entry.record.model;
                    it->plates = entry.record.plates;
                }
                return;
            }
        };
        if (entry.op == Outbox::Op::Add) {
            unsentRecords.append(entry.record);
        } else {
            apply(unsentRecords);
            apply(page.records);
        }
    }
    page.records.removeIf([&](const Record &record) { return !query.matches(record); });
    for (const Record &record : unsentRecords)
        if (query.matches(record))
            page.records.append(record);
    std::stable_sort(page.records.begin(), page.records.end(),
                     [](const Record &a, const Record &b) { return a.when > b.when; });
    if (page.records.size() > query.limit) {
        page.records.resize(query.limit);
        page.more = true;
    }
    return page;
}

} // namespace history
