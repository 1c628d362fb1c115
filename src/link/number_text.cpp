#include "link/number_text.h"

#include <QLocale>

#include <cmath>

namespace unitlink {

namespace {
QLocale regionalLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}
} // namespace

QString fixedDecimalsText(double value, int decimals) {
    return regionalLocale().toString(value, 'f', decimals);
}

QString shortestNumberText(double value) {
    if (value == std::floor(value))
        return QString::number(qint64(value));
    return regionalLocale().toString(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace unitlink
