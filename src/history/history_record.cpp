#include "history/history_record.h"

namespace history {

QString platesKey(const QString &plates) {
    QString key;
    for (QChar c : plates)
        if (!c.isSpace())
            key += c;
    return key.toLower();
}

QString storedTime(const QDateTime &when) {
    // 2026-03-01T10:00:05.007: local time, no zone, sorted as text.
    return when.toLocalTime().toString(Qt::ISODateWithMs);
}

QDateTime timeFromStored(const QString &text) {
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

} // namespace history
