#pragma once

#include <QString>

namespace history {

// Where the shared history lives, from a URL such as
// postgresql://host:5432/tidewell or postgresql:///tidewell?host=/run/dir
// (a folder as host: the server's Unix socket there). The user comes from
// the URL or libpq (PGUSER); a password is never taken from the URL: libpq
// finds it in ~/.pgpass or PGPASSWORD.
struct ServerAddress {
    QString host;
    int port = -1;
    QString database;
    QString user;

    static ServerAddress fromUrl(const QString &url, QString *error = nullptr);
    bool isValid() const { return !database.isEmpty(); }
    // For messages: the URL without user or password.
    QString shown() const;
};

} // namespace history
