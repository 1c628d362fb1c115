#include "ui/datafiles.h"

#include <QCoreApplication>
#include <QDir>

#ifndef TIDEWELL_DATA_RELATIVE
#define TIDEWELL_DATA_RELATIVE "../share/tidewell"
#endif

namespace ui {

namespace {
QString &overriddenFolder() {
    static QString folder;
    return folder;
}
} // namespace

QString dataFolder() {
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(TIDEWELL_DATA_RELATIVE));
}

QString picturePath(const QString &fileName) {
    return dataFolder() + QStringLiteral("/pictures/") + fileName;
}

void overrideDataFolder(const QString &folder) {
    overriddenFolder() = folder;
}

} // namespace ui
