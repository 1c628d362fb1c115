// The history file when things go wrong: unreadable, unwritable, shared by
// two programs, or its program killed in the middle of writing.
#include "history/history.h"
#include "history/sql_steps.h"
#include "history/sqlite_store.h"
#include "history_writer.h"

#include <QDir>
#include <QTemporaryDir>

using namespace testing;
using history::History;

class HistoryStoreTest : public QObject {
    Q_OBJECT

    // The messages shown; a record that failed shows as an empty one.
    QStringList recordTwiceAndListMessages() {
        RecordedMessageBoxes boxes;
        for (int i = 0; i < 2; ++i)
            if (History::instance().record("GM Delphi", "", "33").isEmpty())
                boxes.texts << QString();
        QCoreApplication::processEvents();
        return boxes.texts;
    }

private slots:
    void aFreshFileIsPrivateVersionedAndJournaled() {
        const QString file = useFreshHistory();
        QCOMPARE(recordTwiceAndListMessages(), QStringList());
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                            QFileDevice::ReadOther | QFileDevice::WriteOther;
        QCOMPARE(QFileInfo(file).permissions() & others, QFileDevice::Permissions());
        history::SqliteStore store;
        QCOMPARE(store.open(file), history::SqliteStore::Opened::Existing);
        history::SqlSteps sql(store.database());
        for (const auto &[pragma, value] :
             {std::pair{"user_version", "1"}, {"journal_mode", "wal"}, {"synchronous", "2"}}) {
            QVERIFY(sql.run(QStringLiteral("PRAGMA %1").arg(pragma)) && sql.query().next());
            QCOMPARE(sql.query().value(0).toString(), QLatin1String(value));
        }
    }

    void anUnreadableFileIsMovedAsideOnce() {
        const QString file = useFreshHistory();
        QFile garbage(file);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, 'x'));
        garbage.close();
        const QStringList messages = recordTwiceAndListMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("could not be read"), qPrintable(messages.first()));
        const QStringList aside = QFileInfo(file).dir().entryList({"history.sqlite.unreadable-*"});
        QCOMPARE(aside.size(), 1);
        QVERIFY(messages.first().contains(aside.first()));
        QCOMPARE(storedIds().size(), 2);
    }

    void anUnwritableFolderKeepsTheRecordsInMemory() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        // A folder cannot be made under a file, whoever runs the test.
        History::instance().configure({dir.filePath("blocker/history/history.sqlite"), {}});
        const QStringList messages = recordTwiceAndListMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("cannot be saved"), qPrintable(messages.first()));
        QCOMPARE(storedIds().size(), 2);
    }

    void twoProgramsWritingAtOnceLoseNothing() {
        const QString file = useFreshHistory();
        const QStringList written = writeTwiceAtOnce(file, file, {}, 150);
        QCOMPARE(written.size(), 300);
        QCOMPARE(storedIds(), written);
    }

    void aProgramKilledWhileWritingKeepsWhatItReported() {
        const QString file = useFreshHistory();
        QProcess *writer = startWriter(this, file, {}, 1000000);
        QStringList reported;
        while (reported.size() < 40 && writer->waitForReadyRead(60000))
            reported += printedIds(writer);
        writer->kill(); // SIGKILL, in the middle of the loop of writes
        QVERIFY(writer->waitForFinished(60000));
        reported += printedIds(writer);
        QVERIFY(reported.size() >= 40);
        RecordedMessageBoxes boxes;
        History::instance().configure({file, {}});
        const QStringList stored = storedIds();
        QCoreApplication::processEvents();
        QCOMPARE(boxes.texts, QStringList()); // opened as it was, not moved aside
        for (const QString &id : reported)
            QVERIFY2(stored.contains(id), qPrintable(id));
    }
};

TIDEWELL_HISTORY_TEST_MAIN(HistoryStoreTest)
#include "tst_history_store.moc"
