// Builds the glossary database from its SQL text: every statement of the
// text runs, in order and in one transaction, in a new SQLite file that is
// then left read-only. Usage: tidewell-glossary <glossary.sql> <glossary.db>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <cstdio>

namespace {

void complain(const QString &text) {
    std::fprintf(stderr, "tidewell-glossary: %s\n", qPrintable(text));
}

// Splits SQL text into statements at the semicolons that stand outside
// quotes and comments; comments are dropped.
QStringList statements(const QString &sql) {
    QStringList result;
    QString current;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        const QChar next = i + 1 < sql.size() ? sql.at(i + 1) : QChar();
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar(); // a doubled quote reopens at once
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            current += c;
        } else if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
            while (i < sql.size() && sql.at(i) != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? sql.size() : end + 1;
            current += QLatin1Char(' ');
        } else if (c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                result << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        result << current.trimmed();
    return result;
}

bool build(const QStringList &sql, const QString &path) {
    const QString connection = QStringLiteral("tidewell-glossary-build");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            complain(QStringLiteral("cannot create %1: %2").arg(path, db.lastError().text()));
            ok = false;
        } else {
            db.transaction();
            QSqlQuery query(db);
            for (qsizetype i = 0; ok && i < sql.size(); ++i) {
                if (!query.exec(sql.at(i))) {
                    complain(QStringLiteral("statement %1 failed: %2\n%3")
                                 .arg(i + 1)
                                 .arg(query.lastError().text(), sql.at(i).left(200)));
                    ok = false;
                }
            }
            query.finish();
            if (ok && !db.commit()) {
                complain(QStringLiteral("cannot write %1: %2").arg(path, db.lastError().text()));
                ok = false;
            }
            if (!ok)
                db.rollback();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: tidewell-glossary <glossary.sql> <glossary.db>\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        complain(QStringLiteral("cannot read %1").arg(source));
        return 1;
    }
    const QStringList sql = statements(QString::fromUtf8(file.readAll()));
    if (sql.isEmpty()) {
        complain(QStringLiteral("%1 holds no statement").arg(source));
        return 1;
    }

    // Built beside the target and renamed into place, so that a failed
    // build never leaves a half-filled glossary behind.
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    if (!build(sql, partial)) {
        QFile::remove(partial);
        return 1;
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        complain(QStringLiteral("cannot move %1 to %2").arg(partial, target));
        QFile::remove(partial);
        return 1;
    }
    QFile::setPermissions(target,
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return 0;
}
