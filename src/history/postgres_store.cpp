#include "history/postgres_store.h"

#include "history/sql_steps.h"

#include <QSqlError>
#include <QUuid>

namespace history {

namespace {

const QString kSelect =
    QStringLiteral("select id, recorded_at, make, model, plates, faults from tidewell_records");
const QString kOrder = QStringLiteral("recorded_at desc, seq desc");

// Each step brings the schema from the version before it to its own.
const char *const kMigrations[PostgresStore::kSchemaVersion] = {
    "create table tidewell_records (id text primary key, seq bigserial not null,"
    " recorded_at text not null, make text not null, model text not null,"
    " plates text not null, plates_key text not null, faults text not null);"
    "create index tidewell_records_by_time on tidewell_records (recorded_at, seq)",
};

// A server that answered with a refusal, rather than one that is away or
// only starting or stopping.
bool isRefusal(const QString &error) {
    return error.contains(QLatin1String("fatal"), Qt::CaseInsensitive) &&
           !error.contains(QLatin1String("starting up")) &&
           !error.contains(QLatin1String("shutting down")) &&
           !error.contains(QLatin1String("terminating connection"));
}

} // namespace

PostgresStore::PostgresStore(ServerAddress address)
    : address_(std::move(address)),
      connection_(QStringLiteral("history-postgres-") + QUuid::createUuid().toString()) {}

PostgresStore::~PostgresStore() {
    disconnect();
    if (QSqlDatabase::contains(connection_))
        QSqlDatabase::removeDatabase(connection_);
}

void PostgresStore::addConnection(const ServerAddress &address, const QString &name) {
    // The driver's name is kept out of the texts the program shows.
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("qpsql").toUpper(), name);
    if (!address.host.isEmpty())
        db.setHostName(address.host);
    if (address.port > 0)
        db.setPort(address.port);
    db.setDatabaseName(address.database);
    if (!address.user.isEmpty())
        db.setUserName(address.user);
    // A server that does not answer holds the caller only briefly.
    db.setConnectOptions(QStringLiteral("connect_timeout=2"));
}

bool PostgresStore::answers(const ServerAddress &address) {
    const QString name = QStringLiteral("history-probe-") + QUuid::createUuid().toString();
    addConnection(address, name);
    bool opened = false;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        opened = db.isValid() && db.open();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return opened;
}

void PostgresStore::disconnect() {
    connected_ = false;
    if (QSqlDatabase::contains(connection_))
        QSqlDatabase::database(connection_, false).close();
}

PostgresStore::State PostgresStore::connectToServer() {
    if (connected_)
        return State::Connected;
    if (!QSqlDatabase::contains(connection_))
        addConnection(address_, connection_);
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isValid()) {
        lastError_ = QStringLiteral("the PostgreSQL driver (Debian package libqt6sql6-psql) is "
                                    "not installed");
        return State::Refused;
    }
    if (!db.open()) {
        lastError_ = db.lastError().text();
        return isRefusal(lastError_) ? State::Refused : State::Away;
    }
    if (!prepareSchema()) {
        const QString error = lastError_;
        db.close();
        lastError_ = error;
        return State::Refused;
    }
    connected_ = true;
    return State::Connected;
}

bool PostgresStore::prepareSchema() {
    SqlSteps sql(QSqlDatabase::database(connection_, false));
    const bool done = sql.transaction([&] {
        // Two PCs connecting for the first time at once: one migrates.
        if (!sql.run(QStringLiteral("select pg_advisory_xact_lock(7365)")) ||
            !sql.run(QStringLiteral(
                "create table if not exists tidewell_schema (version integer not null)")) ||
            !sql.run(QStringLiteral("select version from tidewell_schema")))
            return false;
        const bool known = sql.query().next();
        const int version = known ? sql.query().value(0).toInt() : 0;
        for (int step = version; step < kSchemaVersion; ++step)
            for (const QString &statement :
                 QString::fromLatin1(kMigrations[step]).split(QLatin1Char(';')))
                if (!sql.run(statement))
                    return false;
        if (version >= kSchemaVersion)
            return true;
        return known ? sql.run(QStringLiteral("update tidewell_schema set version = ?"),
                               {kSchemaVersion})
                     : sql.run(QStringLiteral("insert into tidewell_schema values (?)"),
                               {kSchemaVersion});
    });
    if (!done)
        lastError_ = QStringLiteral("schema: ") + sql.error();
    return done;
}

bool PostgresStore::failed(const QString &what, const QString &error) {
    lastError_ = what + QStringLiteral(": ") + error;
    disconnect();
    return false;
}

bool PostgresStore::add(const Record &record) {
    if (connectToServer() != State::Connected)
        return false;
    SqlSteps sql(QSqlDatabase::database(connection_, false));
    return sql.run(QStringLiteral("insert into tidewell_records (id, recorded_at, make, model, "
                                  "plates, plates_key, faults) values (?, ?, ?, ?, ?, ?, ?) "
                                  "on conflict (id) do nothing"),
                   {record.id, storedTime(record.when), record.make, record.model, record.plates,
                    platesKey(record.plates), record.faults}) ||
           failed(QStringLiteral("add"), sql.error());
}

bool PostgresStore::update(const QString &id, const QString &model, const QString &plates) {
    if (connectToServer() != State::Connected)
        return false;
    SqlSteps sql(QSqlDatabase::database(connection_, false));
    return sql.run(QStringLiteral("update tidewell_records set model = ?, plates = ?, "
                                  "plates_key = ? where id = ?"),
                   {model, plates, platesKey(plates), id}) ||
           failed(QStringLiteral("update"), sql.error());
}

bool PostgresStore::remove(const QString &id) {
    if (connectToServer() != State::Connected)
        return false;
    SqlSteps sql(QSqlDatabase::database(connection_, false));
    return sql.run(QStringLiteral("delete from tidewell_records where id = ?"), {id}) ||
           failed(QStringLiteral("remove"), sql.error());
}

std::optional<Page> PostgresStore::search(const Query &query) {
    if (connectToServer() != State::Connected)
        return std::nullopt;
    SqlSteps sql(QSqlDatabase::database(connection_, false));
    QVariantList values;
    if (!sql.run(SqlSteps::searchSql(kSelect, kOrder, query, values), values)) {
        failed(QStringLiteral("search"), sql.error());
        return std::nullopt;
    }
    return sql.page(query.limit);
}

} // namespace history
