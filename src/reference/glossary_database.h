#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The glossary database: a read-only SQLite file, glossary.db in the data
// folder, whose table "glosary" holds each acronym ("siglas") with its
// meaning in Spanish ("sp"), English ("en"), French ("fr") and Italian ("it").
namespace glossary {

// The query the glossary window lists, sorted by acronym.
inline constexpr const char *kQuery = "SELECT * from glosary order by siglas";

struct Record {
    QString acronym;
    QString spanish;
    QString english;
    QString french;
    QString italian;
};

enum class Problem {
    None,
    Missing,       // no file at the path
    Unreadable,    // a folder, no access, or the file will not open
    NotADatabase,  // some other kind of file, or a damaged database
    NoTable,       // a database without the table "glosary"
    MissingFields, // the table lacks one of the five fields
};

struct Reading {
    Problem problem = Problem::None;
    QStringList missingFields; // for MissingFields, in the table's field order
    QList<Record> records;     // every record of the query, nulls as empty text
};

// The glossary database of the program (glossary.db in the data folder).
QString databasePath();

// Reads every record of the query from the database at `path`, opened read
// only for the time of the call. A problem leaves `records` empty.
Reading read(const QString &path);

} // namespace glossary
