#include "history/history_record.h"

namespace history {

namespace {
const QString kTimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz");
}

QString platesKey(const QString &plates) {
    QString key;
    for (QChar c : plates)
        if (!c.isSpace())
            key += c;
    return key.toLower();
}

QString storedTime(const QDateTime &when) {
    return when.toLocalTime().toString(kTimeFormat);
}

QDateTime timeFromStored(const QString &text) {
    return QDateTime::fromString(text, kTimeFormat);
}

} // namespace history
