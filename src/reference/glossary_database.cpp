#include "reference/glossary_database.h"

#include "ui/datafiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace glossary {

namespace {

const char *const kFields[] = {"siglas", "sp", "en", "fr", "it"};

// Every SQLite database file starts with these 16 bytes.
constexpr char kSqliteHeader[] = "SQLite format 3";

// SQLite's result codes for a file that is no database, or a damaged one.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

int nextConnectionNumber() {
    static int number = 0;
    return ++number;
}

// Looks at the file before SQLite does: it is there, is a readable file,
// and starts as a database does.
Problem checkFile(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        return Problem::Missing;
    if (!info.isFile())
        return Problem::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Problem::Unreadable;
    const QByteArray header = file.read(sizeof kSqliteHeader);
    if (header != QByteArray(kSqliteHeader, sizeof kSqliteHeader))
        return Problem::NotADatabase;
    return Problem::None;
}

// The table's name as the database spells it, or empty when it has none.
QString tableName(const QSqlDatabase &db, const QString &name) {
    const QStringList tables = db.tables(QSql::AllTables);
    for (const QString &table : tables)
        if (table.compare(name, Qt::CaseInsensitive) == 0)
            return table;
    return QString();
}

// Position of each field in the record, found as SQL finds names: without
// regard to case. Fields not there are listed in `missing`.
QList<int> fieldPositions(const QSqlRecord &record, QStringList &missing) {
    QList<int> positions;
    for (const char *field : kFields) {
        const QString name = QString::fromLatin1(field);
        int position = -1;
        for (int i = 0; i < record.count() && position < 0; ++i)
            if (record.fieldName(i).compare(name, Qt::CaseInsensitive) == 0)
                position = i;
        if (position < 0)
            missing << name;
        positions << position;
    }
    return positions;
}

// Names what made the query fail: the file, the table or its fields.
void explainFailure(const QSqlDatabase &db, const QSqlError &error, Reading &reading) {
    const int code = error.nativeErrorCode().toInt();
    if (code == kSqliteNotADatabase || code == kSqliteCorrupt) {
        reading.problem = Problem::NotADatabase;
        return;
    }
    const QString table = tableName(db, QStringLiteral("glosary"));
    if (table.isEmpty()) {
        reading.problem = Problem::NoTable;
        return;
    }
    fieldPositions(db.record(table), reading.missingFields);
    reading.problem =
        reading.missingFields.isEmpty() ? Problem::Unreadable : Problem::MissingFields;
}

// Null fields read as empty text; anything else as the text it holds.
QString text(const QSqlQuery &query, int position) {
    return query.isNull(position) ? QString() : query.value(position).toString();
}

void readRecords(const QSqlDatabase &db, Reading &reading) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QString::fromLatin1(kQuery))) {
        explainFailure(db, query.lastError(), reading);
        return;
    }
    const QList<int> at = fieldPositions(query.record(), reading.missingFields);
    if (!reading.missingFields.isEmpty()) {
        reading.problem = Problem::MissingFields;
        return;
    }
    while (query.next())
        reading.records.append({text(query, at[0]), text(query, at[1]), text(query, at[2]),
                                text(query, at[3]), text(query, at[4])});
    if (query.lastError().isValid()) {
        explainFailure(db, query.lastError(), reading);
        reading.records.clear();
    }
}

} // namespace

QString databasePath() {
    return ui::dataFolder() + QStringLiteral("/glossary.db");
}

Reading read(const QString &path) {
    Reading reading;
    reading.problem = checkFile(path);
    if (reading.problem != Problem::None)
        return reading;

    const QString connection = QStringLiteral("tidewell-glossary-%1").arg(nextConnectionNumber());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(path);
        if (db.open()) {
            readRecords(db, reading);
            db.close();
        } else {
            reading.problem = Problem::Unreadable;
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return reading;
}

} // namespace glossary
