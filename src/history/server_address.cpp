#include "history/server_address.h"

#include <QUrl>
#include <QUrlQuery>

namespace history {

ServerAddress ServerAddress::fromUrl(const QString &url, QString *error) {
    ServerAddress address;
    const QUrl parsed(url.trimmed(), QUrl::StrictMode);
    const QString scheme = parsed.scheme();
    if (!parsed.isValid() ||
        (scheme != QLatin1String("postgresql") && scheme != QLatin1String("postgres"))) {
        if (error)
            *error = QStringLiteral("not a postgresql:// address: %1").arg(url);
        return address;
    }
    address.host = parsed.host();
    const QUrlQuery query(parsed);
    if (query.hasQueryItem(QStringLiteral("host")))
        address.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    address.port = parsed.port(-1);
    address.user = parsed.userName();
    address.database = parsed.path().mid(1);
    if (address.database.isEmpty() && error)
        *error = QStringLiteral("no database named in %1").arg(url);
    return address;
}

QString ServerAddress::shown() const {
    QString text = QStringLiteral("postgresql://");
    if (!host.startsWith(QLatin1Char('/')))
        text += host;
    if (port > 0)
        text += QLatin1Char(':') + QString::number(port);
    text += QLatin1Char('/') + database;
    if (host.startsWith(QLatin1Char('/')))
        text += QStringLiteral("?host=") + host;
    return text;
}

} // namespace history
