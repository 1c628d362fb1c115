#pragma once

// A test program that is also its own second program: started with
// --write FILE URL COUNT it records COUNT diagnoses into the history FILE
// (and the server URL, if any) and prints each record's id once recorded.

#include "history/history.h"
#include "support/test_support.h"

#include <QApplication>
#include <QProcess>

#include <cstdio>

namespace testing {

inline int writeRecords(char *argv[]) {
    auto &history = history::History::instance();
    history.configure({QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])});
    for (int i = 0, count = std::atoi(argv[4]); i < count; ++i) {
        const QString id = history.record(QStringLiteral("Yamaha"), QStringLiteral("FRT-1100"),
                                          QString::number(i));
        if (id.isEmpty())
            return 1;
        std::printf("%s\n", qPrintable(id));
        std::fflush(stdout);
    }
    return 0;
}

inline QProcess *startWriter(QObject *owner, const QString &file, const QString &url, int count) {
    auto *process = new QProcess(owner);
    process->start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--write"), file, url, QString::number(count)});
    return process;
}

// Every id a writer printed.
inline QStringList printedIds(QProcess *process) {
    return QString::fromLatin1(process->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

inline QStringList idsOf(const QList<history::Record> &records, bool sorted = false) {
    QStringList ids;
    for (const history::Record &record : records)
        ids << record.id;
    if (sorted)
        ids.sort();
    return ids;
}

// The ids of every record the history holds, sorted.
inline QStringList storedIds() {
    history::Query everything;
    everything.limit = 1000000;
    return idsOf(history::History::instance().search(everything).records, true);
}

// Two writers at once, each its own program: the ids both printed, sorted.
inline QStringList writeTwiceAtOnce(const QString &file1, const QString &file2, const QString &url,
                                    int count) {
    QProcess first, second;
    QStringList ids;
    for (QProcess *writer : {&first, &second})
        writer->start(QCoreApplication::applicationFilePath(),
                      {"--write", writer == &first ? file1 : file2, url, QString::number(count)});
    for (QProcess *writer : {&first, &second})
        if (writer->waitForFinished(120000) && writer->exitCode() == 0)
            ids += printedIds(writer);
    ids.sort();
    return ids;
}

} // namespace testing

#define TIDEWELL_HISTORY_TEST_MAIN(TestClass)                                                      \
    int main(int argc, char *argv[]) {                                                             \
        if (argc == 5 && QByteArray(argv[1]) == "--write") {                                       \
            QCoreApplication app(argc, argv);                                                      \
            return testing::writeRecords(argv);                                                    \
        }                                                                                          \
        QApplication app(argc, argv);                                                              \
        testing::initTestProcess();                                                                \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
