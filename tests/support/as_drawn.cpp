#include "support/as_drawn.h"

#include "ui/controls.h"
#include "ui/window_watch.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTableWidget>
#include <QTest>

namespace testing {

namespace {

QString nameOf(const QWidget *control) {
    return control->window()->objectName() + QLatin1Char('/') + control->objectName();
}

QString shortened(const QString &text) {
    return text.size() > 40 ? text.left(37) + QStringLiteral("...") : text;
}

QString problem(const QWidget *control, const QString &text, const QSize &needs, const QSize &has) {
    return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
        .arg(nameOf(control), shortened(text))
        .arg(needs.width())
        .arg(needs.height())
        .arg(has.width())
        .arg(has.height());
}

void checkLabel(const QLabel *label, QStringList &problems) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
        return;
    const int m = label->margin();
    const QRect area = label->contentsRect().adjusted(m, m, -m, -m);
    QString text = label->text();
    int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    if (auto *own = qobject_cast<const ui::Label *>(label)) {
        text = own->shownText();
        flags = own->drawFlags();
    }
    // Blank lines at the end hold nothing to read.
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    if (text.isEmpty())
        return;
    const QRect needs = label->fontMetrics().boundingRect(area, flags, text);
    if (!area.contains(needs))
        problems << problem(label, label->text(), needs.size(), area.size());
}

void checkButton(const QAbstractButton *button, QStringList &problems) {
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<const QPushButton *>(button))
        contents = QStyle::SE_CheckBoxContents;
    const QRect area = button->style()->subElementRect(contents, &option, button);
    const QFontMetrics metrics = button->fontMetrics();
    const QSize needs(metrics.horizontalAdvance(button->text()), metrics.height());
    if (needs.width() > area.width() || needs.height() > area.height())
        problems << problem(button, button->text(), needs, area.size());
}

void checkFrameTitle(const QGroupBox *box, QStringList &problems) {
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    if (!box->rect().contains(title))
        problems << problem(box, box->title(), title.size(), box->size());
}

void checkCombo(const QComboBox *combo, QStringList &problems) {
    if (combo->currentText().isEmpty())
        return;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    const int needs = combo->fontMetrics().horizontalAdvance(combo->currentText()) + 4;
    if (needs > field.width())
        problems << problem(combo, combo->currentText(), QSize(needs, 0), field.size());
}

void checkGrid(const QTableWidget *grid, QStringList &problems) {
    int shownWidth = 0;
    for (int col = 0; col < grid->columnCount(); ++col)
        if (!grid->isColumnHidden(col))
            shownWidth += grid->columnWidth(col);
    if (shownWidth > grid->viewport()->width())
        problems << QStringLiteral("%1 needs sideways scrolling: columns %2 wide, view %3")
                        .arg(nameOf(grid))
                        .arg(shownWidth)
                        .arg(grid->viewport()->width());
    // Without a vertical scroll bar, a row below the view cannot be brought in.
    const bool scrolls = grid->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (grid->isRowHidden(row))
            continue;
        for (int col = 0; col < grid->columnCount(); ++col) {
            const QTableWidgetItem *item = grid->item(row, col);
            if (!item || item->text().isEmpty() || grid->isColumnHidden(col))
                continue;
            if (!scrolls &&
                grid->rowViewportPosition(row) + grid->rowHeight(row) > grid->viewport()->height())
                problems << QStringLiteral("%1 \"%2\" lies below the view (row %3)")
                                .arg(nameOf(grid), item->text())
                                .arg(row);
            const QFontMetrics metrics(item->font());
            const QSize needs(metrics.horizontalAdvance(item->text()) + 2 * margin,
                              metrics.height());
            const QSize has(grid->columnWidth(col), grid->rowHeight(row));
            if (needs.width() > has.width() || needs.height() > has.height())
                problems << problem(grid, item->text(), needs, has) +
                                QStringLiteral(" (row %1, column %2)").arg(row).arg(col);
        }
    }
}

} // namespace

// The part of a control that no shown control stacked above it covers, in
// the control's own coordinates.
QRegion uncoveredPart(QWidget *control, QWidget *window) {
    QRegion part(control->rect());
    for (QWidget *w = control; w != window && w->parentWidget(); w = w->parentWidget()) {
        const QObjectList &siblings = w->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            auto *above = qobject_cast<QWidget *>(siblings[i]);
            if (!above || above->isWindow() || !above->isVisible())
                continue;
            const QPoint origin = control->mapFrom(w->parentWidget(), above->pos());
            part -= QRect(origin, above->size());
        }
    }
    return part;
}

// A control with something to read that a sibling control lies over.
void checkCovered(const QWidget *control, QStringList &problems) {
    const QWidget *parent = control->parentWidget();
    if (!parent || qobject_cast<const QGroupBox *>(control))
        return;
    const auto *label = qobject_cast<const QLabel *>(control);
    const auto *button = qobject_cast<const QAbstractButton *>(control);
    if ((label && label->text().trimmed().isEmpty()) || (button && button->text().isEmpty()))
        return;
    const QObjectList &siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget *>(control)) + 1; i < siblings.size();
         ++i) {
        auto *above = qobject_cast<QWidget *>(siblings[i]);
        if (!above || !above->isVisible() || above->isWindow() || qobject_cast<QGroupBox *>(above))
            continue;
        const auto *aboveLabel = qobject_cast<const QLabel *>(above);
        if (aboveLabel && aboveLabel->text().isEmpty() && aboveLabel->pixmap().isNull())
            continue; // an empty label draws nothing
        if (above->geometry().intersects(control->geometry()))
            problems << QStringLiteral("%1 is covered by %2").arg(nameOf(control), nameOf(above));
    }
}

QStringList textsThatDoNotFit(QWidget *window) {
    QStringList problems;
    const auto controls = window->findChildren<QWidget *>();
    for (const QWidget *control : controls) {
        if (!control->isVisible() || control->isWindow())
            continue;
        checkCovered(control, problems);
        if (auto *label = qobject_cast<const QLabel *>(control))
            checkLabel(label, problems);
        else if (auto *button = qobject_cast<const QAbstractButton *>(control))
            checkButton(button, problems);
        else if (auto *box = qobject_cast<const QGroupBox *>(control))
            checkFrameTitle(box, problems);
        else if (auto *combo = qobject_cast<const QComboBox *>(control))
            checkCombo(combo, problems);
        else if (auto *grid = qobject_cast<const QTableWidget *>(control))
            checkGrid(grid, problems);
    }
    return problems;
}

QStringList seeThroughPanels(QWidget *window) {
    QStringList problems;
    const QImage whole = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto frames = window->findChildren<QGroupBox *>();
    for (QGroupBox *frame : frames) {
        if (!frame->isVisible())
            continue;
        // The frame drawn on its own, its background included, against the
        // window as drawn, where the frame's own background and its labels
        // show: controls that draw themselves (buttons, sliders, lists) are
        // left out, since they may draw a state of their own differently.
        const QImage alone = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QRegion compared = uncoveredPart(frame, window);
        for (QWidget *child : frame->findChildren<QWidget *>())
            if (child->isVisible() && !qobject_cast<QLabel *>(child) &&
                !qobject_cast<QGroupBox *>(child))
                compared -= QRect(child->mapTo(frame, QPoint(0, 0)), child->size());
        const QPoint origin = frame->mapTo(window, QPoint(0, 0));
        const qreal ratio = whole.devicePixelRatio();
        int showing = 0;
        for (const QRect &rect : compared)
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    const QPoint at = (origin + QPoint(x, y)) * ratio;
                    if (whole.pixel(at) != alone.pixel(QPoint(x, y) * ratio))
                        ++showing;
                }
        if (showing > 0)
            problems << QStringLiteral("%1 \"%2\": %3 pixels show what lies under it")
                            .arg(nameOf(frame), frame->title())
                            .arg(showing);
    }
    return problems;
}

namespace {


} // namespace

QStringList unnamedControls(QWidget *window) {
    static const QRegularExpression objectName(QStringLiteral(
        "^(Command|Text|Option|Image|List|Combo|Slider|Frame|Label|MSFlexGrid|Shape|Form)"
        "[0-9]+(\\([0-9]+\\))?$"));
    QStringList problems;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisible() || ui::isPartOfAnotherControl(control, window))
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
        if (!face)
            continue;
        QAccessibleActionInterface *actions = face->actionInterface();
        const bool actionable =
            actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
        const QString name = face->text(QAccessible::Name);
        const bool looksLikeObject = objectName.match(name.trimmed()).hasMatch();
        if (looksLikeObject ||
            ((face->state().focusable || actionable) && name.trimmed().isEmpty()))
            problems << QStringLiteral("%1 is announced as \"%2\"").arg(nameOf(control), name);
    }
    return problems;
}

QStringList tabOrderProblems(QWidget *window) {
    // The topmost shown panel that covers another shown control.
    QWidget *panel = nullptr;
    for (QObject *child : window->children()) {
        auto *frame = qobject_cast<QGroupBox *>(child);
        if (!frame || !frame->isVisible())
            continue;
        for (QObject *under : window->children()) {
            if (under == frame)
                break;
            auto *below = qobject_cast<QWidget *>(under);
            if (below && below->isVisible() && below->geometry().intersects(frame->geometry())) {
                panel = frame;
                break;
            }
        }
    }
    if (!panel)
        return {};
    // Where Tab takes the focus from where it is, pressed until it comes
    // round; the focus is put back afterwards.
    QWidget *start = window->focusWidget();
    if (!start || start == window)
        return {};
    QList<QWidget *> chain{start};
    for (QWidget *at = start; chain.size() < 64;) {
        QTest::keyClick(at, Qt::Key_Tab);
        at = window->focusWidget();
        if (!at || chain.contains(at))
            break;
        chain << at;
    }
    start->setFocus(Qt::OtherFocusReason);
    const auto covered = [&](QWidget *control) {
        return !panel->isAncestorOf(control) &&
               QRect(control->mapTo(window, QPoint()), control->size())
                   .intersects(panel->geometry());
    };
    QStringList problems;
    if (covered(start))
        problems << QStringLiteral("%1: the focus rests on %2, under it")
                        .arg(nameOf(panel), nameOf(start));
    for (QWidget *control : std::as_const(chain))
        if (covered(control))
            problems << QStringLiteral("%1: Tab reaches %2, which it covers")
                            .arg(nameOf(panel), nameOf(control));
    // The panel's own controls, from the first in reading order round.
    QList<QWidget *> inside;
    for (QWidget *control : std::as_const(chain))
        if (panel->isAncestorOf(control))
            inside << control;
    const auto readingPlace = [window](QWidget *control) {
        const QPoint at = control->mapTo(window, QPoint());
        return std::pair(at.y(), at.x());
    };
    const auto first = std::min_element(inside.begin(), inside.end(), [&](QWidget *a, QWidget *b) {
        return readingPlace(a) < readingPlace(b);
    });
    std::rotate(inside.begin(), first, inside.end());
    for (qsizetype i = 1; i < inside.size(); ++i)
        if (readingPlace(inside[i]) < readingPlace(inside[i - 1]))
            problems << QStringLiteral("%1: Tab reaches %2 out of reading order")
                            .arg(nameOf(panel), nameOf(inside[i]));
    return problems;
}

QString whatIsShown(QWidget *window) {
    QStringList parts;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        // Qt's own parts (a list's scroll bars) come and go with the layout.
        if (!control->isVisible() || control->objectName().isEmpty() ||
            control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(control))
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            text = button->text() + (button->isChecked() ? QStringLiteral("*") : QString());
        else if (auto *box = qobject_cast<QGroupBox *>(control))
            text = box->title();
        else if (auto *list = qobject_cast<QListWidget *>(control))
            text = QString::number(list->count());
        parts << control->objectName() + (control->isEnabled() ? QStringLiteral("+") : "-") + text;
    }
    parts.sort();
    return parts.join(QLatin1Char('\n'));
}

QString focusOnHiddenControl(QWidget *window) {
    QWidget *focus = window->focusWidget();
    if (!focus || focus == window || (focus->isVisible() && focus->isEnabled()))
        return QString();
    return QStringLiteral("the focus rests on %1, which is %2")
        .arg(nameOf(focus),
             focus->isVisible() ? QStringLiteral("disabled") : QStringLiteral("hidden"));
}

namespace {
QWidget *activeFocus(QWidget *window) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qWarning("%s did not become active", qPrintable(window->objectName()));
    return QApplication::focusWidget();
}
} // namespace

void typeIntoFocus(QWidget *window, const QString &text) {
    if (QWidget *focus = activeFocus(window))
        QTest::keyClicks(focus, text);
}

void keyIntoFocus(QWidget *window, Qt::Key key) {
    if (QWidget *focus = activeFocus(window))
        QTest::keyClick(focus, key);
}

} // namespace testing
