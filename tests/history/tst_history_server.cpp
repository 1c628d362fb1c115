// The history shared on a PostgreSQL server: a throwaway server of the
// test's own (CTest fixture "postgres"), two programs writing to it, the
// server away and back, and typed text that looks like SQL.
#include "history/history.h"
#include "history/postgres_store.h"
#include "history_writer.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace testing;
using history::History;

namespace {

const QString kSocketDir = qEnvironmentVariable("TIDEWELL_TEST_PG");
const QString kUrl = QStringLiteral("postgresql:///tidewell?host=") + kSocketDir;

void serverDoes(const char *action) {
    QProcess script;
    script.start(QStringLiteral(TIDEWELL_PG_SCRIPT), {QLatin1String(action), kSocketDir});
    QVERIFY(script.waitForFinished(60000));
    QVERIFY2(script.exitCode() == 0, script.readAllStandardError().constData());
}

// What the server holds, newest first, read as another PC would.
QList<history::Record> onServer(const QString &plates = {}) {
    history::PostgresStore server(history::ServerAddress::fromUrl(kUrl));
    history::Query query;
    query.plates = plates;
    query.limit = 100000;
    return server.search(query).value_or(history::Page()).records;
}

} // namespace

class HistoryServerTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;
    int files = 0;
    QString newLocalFile() { return folder.filePath(QStringLiteral("pc%1.sqlite").arg(++files)); }

private slots:
    void initTestCase() {
        QVERIFY2(QFileInfo::exists(kSocketDir + "/.s.PGSQL.5432"),
                 qPrintable("no PostgreSQL server with its socket in \"" + kSocketDir +
                            "\": run this test through ctest (fixture postgres), or start one "
                            "with scripts/throwaway_postgres.sh start DIR and set "
                            "TIDEWELL_TEST_PG=DIR and PGUSER=postgres"));
    }
    void init() {
        history::PostgresStore server(history::ServerAddress::fromUrl(kUrl));
        for (const history::Record &record : onServer())
            QVERIFY(server.remove(record.id));
    }

    void twoProgramsMeetInOneTable() {
        const QStringList written = writeTwiceAtOnce(newLocalFile(), newLocalFile(), kUrl, 40);
        QCOMPARE(written.size(), 80);
        QCOMPARE(idsOf(onServer(), true), written);
    }

    void recordsWaitInTheOutboxWhileTheServerIsAway() {
        History &history = History::instance();
        history.configure({newLocalFile(), kUrl});
        const QString sent = history.record("Yamaha", "FRT-1100", "23");
        QCOMPARE(history.unsent(), 0);
        serverDoes("pause");
        const QStringList kept = {history.record("GM Delphi", "", "33"),
                                  history.record("Yamaha", "FRT-1100", "-")};
        history.update(kept[0], "", "AB 12");
        QCOMPARE(history.unsent(), 3);
        const history::Page local = history.search({});
        QVERIFY(local.localOnly);
        QCOMPARE(idsOf(local.records), (QStringList{kept[1], kept[0]}));
        QCOMPARE(local.records[1].plates, QStringLiteral("AB 12"));
        serverDoes("resume");
        QSignalSpy changed(&history, &History::changed);
        history.retry(); // as the timer does: the server is asked on another thread
        QVERIFY(changed.wait(30000));
        QCOMPARE(history.unsent(), 0);
        const QList<history::Record> shared = onServer();
        QCOMPARE(idsOf(shared), (QStringList{kept[1], kept[0], sent}));
        QCOMPARE(shared[1].plates, QStringLiteral("AB 12"));
        // Sent twice (the outbox lost track), stored once.
        history::PostgresStore server(history::ServerAddress::fromUrl(kUrl));
        QVERIFY(server.add(shared[0]));
        QCOMPARE(onServer().size(), 3);
        QVERIFY(!history.search({}).localOnly);
    }

    void recordsKeptBeforeSharingAreSharedToo() {
        const QString file = newLocalFile();
        History::instance().configure({file, {}});
        const QString id = History::instance().record("Yamaha", "FRT-1100", "23");
        History::instance().configure({file, kUrl});
        QCOMPARE(idsOf(History::instance().search({}).records), QStringList{id});
        QCOMPARE(idsOf(onServer()), QStringList{id});
    }

    void aRefusedLoginIsSaidOnceAndKeepsTheRecords() {
        RecordedMessageBoxes boxes;
        History::instance().configure(
            {newLocalFile(), QStringLiteral("postgresql:///no_such_db?host=") + kSocketDir});
        History::instance().record("Yamaha", "FRT-1100", "23");
        History::instance().record("Yamaha", "FRT-1100", "23");
        QCoreApplication::processEvents();
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts.first().contains("no_such_db"), qPrintable(boxes.texts.first()));
        QCOMPARE(History::instance().unsent(), 2);
    }

    void typedPlatesAreStoredAndFoundAsTyped_data() {
        QTest::addColumn<bool>("shared");
        QTest::addColumn<QString>("plates");
        for (bool shared : {false, true}) {
            const char *where = shared ? "server" : "file";
            for (const char *plates : {"'; DROP TABLE tidewell_records; --", "O'Brien \"x\" \\",
                                       "50%_off; SELECT *", "$1 ?  :id"})
                QTest::addRow("%s: %s", where, plates) << shared << QString(plates);
        }
    }
    void typedPlatesAreStoredAndFoundAsTyped() {
        QFETCH(bool, shared);
        QFETCH(QString, plates);
        History &history = History::instance();
        history.configure({newLocalFile(), shared ? kUrl : QString()});
        history.record("Yamaha", "FRT-1100", "23");
        const QString id = history.record("Yamaha", "FRT-1100", "23");
        QVERIFY(history.update(id, plates, plates));
        history::Query query;
        query.plates = plates.toUpper();
        const QList<history::Record> found = history.search(query).records;
        QCOMPARE(idsOf(found), QStringList{id});
        QCOMPARE((QStringList{found[0].model, found[0].plates}), (QStringList{plates, plates}));
        if (shared)
            QCOMPARE(idsOf(onServer(plates)), QStringList{id});
    }
};

TIDEWELL_HISTORY_TEST_MAIN(HistoryServerTest)
#include "tst_history_server.moc"
