#pragma once

#include <QDateTime>
#include <QString>

namespace history {

// One completed Diagnosis. The id is made where the record was made, so a
// record sent twice to a shared server is stored once.
struct Record {
    QString id;
    QDateTime when; // local time
    QString make;
    QString model;
    QString plates;
    QString faults;
};

// Plates as the search compares them: no spaces, lower case.
QString platesKey(const QString &plates);
// The time as stored: local, sortable text.
QString storedTime(const QDateTime &when);
QDateTime timeFromStored(const QString &text);

} // namespace history
