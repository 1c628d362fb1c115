#include "history/history_query.h"

namespace history {

bool Query::matches(const Record &record) const {
    const QString at = storedTime(record.when);
    if (from.isValid() && at < lowerBound())
        return false;
    if (to.isValid() && at >= upperBound())
        return false;
    return platesKey(record.plates).contains(platesKey(plates));
}

QString Query::lowerBound() const {
    return storedTime(from.startOfDay());
}

QString Query::upperBound() const {
    return storedTime(to.addDays(1).startOfDay());
}

QString Query::platesPattern() const {
    QString pattern = QStringLiteral("%");
    for (QChar c : platesKey(plates)) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern + QLatin1Char('%');
}

} // namespace history
