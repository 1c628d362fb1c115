#include "support/snapshot.h"

#include "support/as_drawn.h"

#include "ui/grid.h"
#include "ui/picture.h"
#include "ui/twips.h"
#include "ui/window_watch.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <algorithm>

namespace testing {

QString quoted(const QString &text) {
    QString shown = text;
    shown.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

namespace {

QString alignmentOf(Qt::Alignment alignment) {
    QString horizontal = QStringLiteral("left");
    if (alignment & Qt::AlignRight)
        horizontal = QStringLiteral("right");
    else if (alignment & Qt::AlignHCenter)
        horizontal = QStringLiteral("center");
    else if (alignment & Qt::AlignJustify)
        horizontal = QStringLiteral("justify");
    QString vertical = QStringLiteral("vcenter");
    if (alignment & Qt::AlignTop)
        vertical = QStringLiteral("top");
    else if (alignment & Qt::AlignBottom)
        vertical = QStringLiteral("bottom");
    return horizontal + QLatin1Char(' ') + vertical;
}

QString gridAlignment(ui::Grid::Align align) {
    switch (align) {
    case ui::Grid::Align::Left:
        return QStringLiteral("left");
    case ui::Grid::Align::LeftTop:
        return QStringLiteral("left-top");
    case ui::Grid::Align::Center:
        return QStringLiteral("center");
    case ui::Grid::Align::Right:
        return QStringLiteral("right");
    case ui::Grid::Align::LeftBottom:
        return QStringLiteral("left-bottom");
    }
    return QString();
}

QString place(const QWidget *control) {
    // A window's place is where its frame is, as it was given.
    const QRect r = control->isWindow() ? QRect(control->pos(), control->frameGeometry().size())
                                        : control->geometry();
    const int t = ui::kTwipsPerPixel;
    return QStringLiteral("@%1,%2 %3x%4")
        .arg(r.x() * t)
        .arg(r.y() * t)
        .arg(r.width() * t)
        .arg(r.height() * t);
}

// The kind of control and what it shows, on one line; lists and grids add
// their rows on lines of their own.
QString describe(QWidget *control, QString &rows, const QString &indent) {
    QStringList parts;
    QString text;
    bool hasText = false;
    if (auto *picture = qobject_cast<ui::Picture *>(control)) {
        parts << QStringLiteral("picture")
              << (picture->isEmpty() ? QStringLiteral("empty") : QStringLiteral("drawn"));
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        parts << QStringLiteral("label") << quoted(label->text());
        // A label's usual place for its text goes without saying.
        if (!label->text().isEmpty() && label->alignment() != (Qt::AlignLeft | Qt::AlignVCenter))
            parts << alignmentOf(label->alignment());
        text = label->text();
        hasText = true;
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        parts << (qobject_cast<QRadioButton *>(control)  ? QStringLiteral("option")
                  : qobject_cast<QPushButton *>(control) ? QStringLiteral("button")
                                                         : QStringLiteral("check"))
              << quoted(button->text());
        if (button->isCheckable())
            parts << (button->isChecked() ? QStringLiteral("on") : QStringLiteral("off"));
        text = button->text();
        hasText = true;
    } else if (auto *box = qobject_cast<QGroupBox *>(control)) {
        parts << QStringLiteral("frame") << quoted(box->title());
        text = box->title();
        hasText = true;
    } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        parts << QStringLiteral("box") << quoted(edit->text())
              << QStringLiteral("max %1").arg(edit->maxLength());
        if (edit->alignment() & Qt::AlignRight)
            parts << QStringLiteral("right");
    } else if (auto *grid = qobject_cast<ui::Grid *>(control)) {
        QStringList columns;
        for (int col = 0; col < grid->columnCount(); ++col)
            columns << QStringLiteral("%1 %2")
                           .arg(grid->colWidth(col))
                           .arg(gridAlignment(grid->colAlignment(col)));
        parts << QStringLiteral("grid %1x%2 fixed %3 current %4,%5 [%6]")
                     .arg(grid->rowCount())
                     .arg(grid->columnCount())
                     .arg(grid->fixedRows())
                     .arg(grid->row())
                     .arg(grid->col())
                     .arg(columns.join(QStringLiteral(", ")));
        for (int row = 0; row < grid->rowCount(); ++row) {
            QStringList cells;
            bool any = false;
            for (int col = 0; col < grid->columnCount(); ++col) {
                const QString cell = grid->cell(row, col);
                any = any || !cell.isEmpty();
                cells << quoted(cell);
            }
            if (any)
                rows += QStringLiteral("%1  %2: %3\n")
                            .arg(indent)
                            .arg(row)
                            .arg(cells.join(QStringLiteral(" | ")));
        }
    } else if (auto *list = qobject_cast<QListWidget *>(control)) {
        parts << QStringLiteral("list %1 rows, current %2")
                     .arg(list->count())
                     .arg(list->currentRow());
        for (int row = 0; row < list->count(); ++row)
            rows += indent +
                    (row == list->currentRow() ? QStringLiteral("  > ") : QStringLiteral("  | ")) +
                    quoted(list->item(row)->text()) + QLatin1Char('\n');
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        parts << QStringLiteral("combo") << quoted(combo->currentText());
        for (int row = 0; row < combo->count(); ++row)
            rows +=
                indent + QStringLiteral("  | ") + quoted(combo->itemText(row)) + QLatin1Char('\n');
    } else if (auto *slider = qobject_cast<QAbstractSlider *>(control)) {
        parts << QStringLiteral("slider %1 of %2..%3")
                     .arg(slider->value())
                     .arg(slider->minimum())
                     .arg(slider->maximum());
    } else {
        parts << QString::fromLatin1(control->metaObject()->className());
    }
    // What a screen reader announces, where it is not the text drawn.
    if (QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control)) {
        const QString name = face->text(QAccessible::Name);
        if (!(hasText && name == text) && !name.isEmpty())
            parts << QStringLiteral("announced") << quoted(name);
    }
    return parts.join(QLatin1Char(' '));
}

QList<QWidget *> shownChildrenInReadingOrder(QWidget *parent) {
    QList<QWidget *> children;
    for (QObject *object : parent->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow() && child->isVisible())
            children << child;
    }
    // Line by line, left to right: a label beside its box is on the box's
    // line when their middles are close.
    const auto line = [](const QWidget *w) { return (w->y() + w->height() / 2) / 8; };
    std::stable_sort(children.begin(), children.end(), [&line](QWidget *a, QWidget *b) {
        return line(a) != line(b) ? line(a) < line(b) : a->x() < b->x();
    });
    return children;
}

} // namespace

Snapshot Snapshot::of(QWidget *window) {
    Snapshot snapshot;
    snapshot.blocks_ << Block{
        QStringLiteral("window"),
        QStringLiteral("window %1 %2 %3\n")
            .arg(window->objectName(), quoted(window->windowTitle()), place(window))};
    for (QWidget *child : shownChildrenInReadingOrder(window))
        snapshot.add(child, window, QString(), 0);
    return snapshot;
}

void Snapshot::add(QWidget *control, QWidget *window, const QString &parentKey, int depth) {
    const QString name = control->objectName();
    const bool named = !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
    if (ui::isPartOfAnotherControl(control, window))
        return;
    QString key = parentKey;
    if (named) {
        key = parentKey.isEmpty() ? name : parentKey + QLatin1Char('/') + name;
        const QString indent(2 * depth, QLatin1Char(' '));
        if (uncoveredPart(control, window).isEmpty()) {
            blocks_ << Block{key, indent + name + QStringLiteral(" covered\n")};
            return;
        }
        QString rows;
        QString line = indent + name + QLatin1Char(' ') + describe(control, rows, indent) +
                       QLatin1Char(' ') + place(control);
        if (!control->isEnabled())
            line += QStringLiteral(" disabled");
        if (window->focusWidget() == control)
            line += QStringLiteral(" FOCUS");
        blocks_ << Block{key, line + QLatin1Char('\n') + rows};
        ++depth;
    }
    for (QWidget *child : shownChildrenInReadingOrder(control))
        add(child, window, key, depth);
}

QString Snapshot::text() const {
    QString all;
    for (const Block &block : blocks_)
        all += block.text;
    return all;
}

QString Snapshot::changesFrom(const Snapshot &before) const {
    QHash<QString, QString> earlier;
    for (const Block &block : before.blocks_)
        earlier.insert(block.key, block.text);
    QString changes;
    for (const Block &block : blocks_) {
        const auto found = earlier.constFind(block.key);
        if (found == earlier.constEnd() || *found != block.text)
            changes += block.text;
        earlier.remove(block.key);
    }
    QStringList gone = earlier.keys();
    gone.sort();
    for (const QString &key : std::as_const(gone))
        changes += QStringLiteral("gone %1\n").arg(key);
    return changes;
}

QString Snapshot::readings() const {
    static const QRegularExpression bar(QStringLiteral("\" ?I+\""));
    return text().replace(bar, QStringLiteral("\"#\""));
}

QString Snapshot::shape() const {
    static const QRegularExpression counted(QStringLiteral("[0-9]+|I+"));
    return text().replace(counted, QStringLiteral("#"));
}

} // namespace testing
