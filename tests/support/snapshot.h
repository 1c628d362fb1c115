#pragma once

// A plain-text picture of what the user sees of a window: every shown
// control in reading order, with its text exactly as given, its list or grid
// contents, whether it can be used, where the focus is, its alignment and its
// place in twips. Written state by state into the golden files, where a
// changed value, caption or rule shows as a small diff.

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace testing {

class Snapshot {
public:
    static Snapshot of(QWidget *window);

    // Every control's block, in reading order.
    QString text() const;
    // The blocks that differ from `before` (or are new), in reading order,
    // then one line for each control no longer seen.
    QString changesFrom(const Snapshot &before) const;
    // The same picture with what only counts (numbers, bars of "I") blurred:
    // two states that differ only there are the same state on the way.
    QString shape() const;
    // The picture with only the bars of "I" blurred: its readings exact.
    QString readings() const;
    bool operator==(const Snapshot &other) const { return blocks_ == other.blocks_; }

private:
    struct Block {
        QString key;
        QString text;
        bool operator==(const Block &other) const = default;
    };
    void add(QWidget *control, QWidget *window, const QString &parentKey, int depth);
    QList<Block> blocks_;
};

// A text with its spaces at either end, carriage returns, line feeds and tabs
// made visible, in double quotes.
QString quoted(const QString &text);

} // namespace testing
