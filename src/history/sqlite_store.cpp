#include "history/sqlite_store.h"

#include "history/sql_steps.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QThread>
#include <QUuid>

namespace history {

namespace {

const QString kSelect =
    QStringLiteral("select id, recorded_at, make, model, plates, faults from records");
const QString kOrder = QStringLiteral("recorded_at desc, rowid desc");

// Each step brings the schema from the version before it to its own.
const char *const kMigrations[SqliteStore::kSchemaVersion] = {
    "create table records (id text primary key not null, recorded_at text not null,"
    " make text not null, model text not null, plates text not null,"
    " plates_key text not null, faults text not null);"
    "create index records_by_time on records (recorded_at);"
    "create table outbox (seq integer primary key autoincrement, op text not null,"
    " id text not null, recorded_at text, make text, model text, plates text, faults text)",
};

// A file to create with owner-only permissions before SQLite opens it.
bool createPrivateFile(const QString &path) {
    if (QFileInfo::exists(path))
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    // Another program may have made it meanwhile.
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
           QFileInfo::exists(path);
}

// SQLite's own words for a file that is not a database, or a damaged one
// (a busy or locked file is neither).
bool saysUnreadable(const QString &error) {
    return error.contains(QLatin1String("not a database")) ||
           error.contains(QLatin1String("malformed"));
}

} // namespace

SqliteStore::SqliteStore()
    : connection_(QStringLiteral("history-sqlite-") + QUuid::createUuid().toString()) {}

SqliteStore::~SqliteStore() {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

QSqlDatabase SqliteStore::database() const {
    return QSqlDatabase::database(connection_, false);
}

bool SqliteStore::openConnection(const QString &path) {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    inMemory_ = path.isEmpty();
    db.setDatabaseName(inMemory_ ? QStringLiteral(":memory:") : path);
    // A second program on the same file waits for it rather than failing.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return failed(QStringLiteral("open"), db.lastError().text());
    return true;
}

SqliteStore::Opened SqliteStore::open(const QString &path) {
    movedTo_.clear();
    if (path.isEmpty())
        return openConnection(path) && prepareSchema() ? Opened::Fresh : Opened::Failed;
    const bool existed = QFileInfo::exists(path);
    if (!createPrivateFile(path)) {
        failed(QStringLiteral("create"), path);
        return Opened::Failed;
    }
    if (openBusyOrNot(path))
        return existed ? Opened::Existing : Opened::Fresh;
    // A file that opens and reads but cannot take the schema is not moved.
    if (!unreadable_)
        return Opened::Failed;
    // Unreadable: keep it for whoever wants to look, under a dated name.
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
    const QString aside = path + QStringLiteral(".unreadable-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(path, aside))
        return Opened::Failed;
    for (const char *suffix : {"-wal", "-shm"})
        QFile::rename(path + QLatin1String(suffix), aside + QLatin1String(suffix));
    movedTo_ = aside;
    if (createPrivateFile(path) && openConnection(path) && prepareSchema())
        return Opened::MovedAside;
    return Opened::Failed;
}

bool SqliteStore::openBusyOrNot(const QString &path) {
    // A second program opening the same file at the same moment may hold a
    // lock that SQLite does not wait for (changing the journal): try again.
    for (int attempt = 1;; ++attempt) {
        if (openConnection(path) && prepareSchema())
            return true;
        if (attempt == SqlSteps::kAttempts || !SqlSteps::isBusy(lastError_))
            return false;
        QThread::msleep(SqlSteps::kPauseMs);
    }
}

bool SqliteStore::prepareSchema() {
    SqlSteps sql(database());
    // Reading the version also tells whether the file is a database at all.
    unreadable_ = false;
    if (!sql.run(QStringLiteral("pragma user_version")) || !sql.query().next()) {
        unreadable_ = saysUnreadable(sql.error());
        return failed(QStringLiteral("read"), sql.error());
    }
    const int version = sql.query().value(0).toInt();
    sql.query() = QSqlQuery();
    if (!sql.run(QStringLiteral("pragma quick_check")) || !sql.query().next()) {
        unreadable_ = saysUnreadable(sql.error());
        return failed(QStringLiteral("check"), sql.error());
    }
    // The check ran and found damage.
    unreadable_ = sql.query().value(0).toString() != QLatin1String("ok");
    if (unreadable_)
        return failed(QStringLiteral("check"), sql.query().value(0).toString());
    sql.query() = QSqlQuery();
    // Every commit reaches the disk before it is reported.
    if (!inMemory_ && (!sql.run(QStringLiteral("pragma journal_mode=wal")) ||
                       !sql.run(QStringLiteral("pragma synchronous=full"))))
        return failed(QStringLiteral("journal"), sql.error());
    sql.query() = QSqlQuery();
    return version >= kSchemaVersion || migrate();
}

bool SqliteStore::migrate() {
    // Another program may be migrating the same file: the write lock first,
    // then the version again.
    SqlSteps sql(database());
    if (!sql.run(QStringLiteral("begin immediate")))
        return failed(QStringLiteral("schema"), sql.error());
    bool done = sql.run(QStringLiteral("pragma user_version")) && sql.query().next();
    for (int step = done ? sql.query().value(0).toInt() : 0; done && step < kSchemaVersion;
         ++step) {
        for (const QString &statement :
             QString::fromLatin1(kMigrations[step]).split(QLatin1Char(';')))
            done = done && sql.run(statement);
        done = done && sql.run(QStringLiteral("pragma user_version=%1").arg(step + 1));
    }
    const QString error = sql.error();
    if (done && sql.run(QStringLiteral("commit")))
        return true;
    sql.run(QStringLiteral("rollback"));
    return failed(QStringLiteral("schema"), error.isEmpty() ? sql.error() : error);
}

bool SqliteStore::failed(const QString &what, const QString &error) {
    lastError_ = what + QStringLiteral(": ") + error;
    return false;
}

bool SqliteStore::moveRecordsToOutbox() {
    SqlSteps sql(database());
    const bool done = sql.transaction([&] {
        return sql.run(QStringLiteral(
                   "insert into outbox (op, id, recorded_at, make, model, plates, faults) "
                   "select 'add', id, recorded_at, make, model, plates, faults from records "
                   "order by recorded_at, rowid")) &&
               sql.run(QStringLiteral("delete from records"));
    });
    return done || failed(QStringLiteral("outbox"), sql.error());
}

bool SqliteStore::add(const Record &record) {
    SqlSteps sql(database());
    const bool done = sql.transaction([&] {
        return sql.run(QStringLiteral("insert into records (id, recorded_at, make, model, plates, "
                                      "plates_key, faults) values (?, ?, ?, ?, ?, ?, ?) "
                                      "on conflict (id) do nothing"),
                       {record.id, storedTime(record.when), record.make, record.model,
                        record.plates, platesKey(record.plates), record.faults});
    });
    return done || failed(QStringLiteral("add"), sql.error());
}

bool SqliteStore::update(const QString &id, const QString &model, const QString &plates) {
    SqlSteps sql(database());
    const bool done = sql.transaction([&] {
        return sql.run(
            QStringLiteral("update records set model = ?, plates = ?, plates_key = ? where id = ?"),
            {model, plates, platesKey(plates), id});
    });
    return done || failed(QStringLiteral("update"), sql.error());
}

bool SqliteStore::remove(const QString &id) {
    SqlSteps sql(database());
    const bool done = sql.transaction(
        [&] { return sql.run(QStringLiteral("delete from records where id = ?"), {id}); });
    return done || failed(QStringLiteral("remove"), sql.error());
}

std::optional<Page> SqliteStore::search(const Query &query) {
    SqlSteps sql(database());
    QVariantList values;
    if (!sql.run(SqlSteps::searchSql(kSelect, kOrder, query, values), values)) {
        failed(QStringLiteral("search"), sql.error());
        return std::nullopt;
    }
    return sql.page(query.limit);
}

} // namespace history
