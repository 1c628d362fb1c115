#include "ui/grid.h"

#include "ui/twips.h"

#include <QHeaderView>
#include <QStyle>

namespace ui {

namespace {
Qt::Alignment toQt(Grid::Align align) {
    switch (align) {
    case Grid::Align::Center:
        return Qt::AlignCenter;
    case Grid::Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Grid::Align::LeftTop:
        return Qt::AlignLeft | Qt::AlignTop;
    case Grid::Align::LeftBottom:
        return Qt::AlignLeft | Qt::AlignBottom;
    case Grid::Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}
} // namespace

Grid::Grid(QWidget *parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Rows as tall as the form gives them; the style would make them taller.
    verticalHeader()->setMinimumSectionSize(pixels(240));
    verticalHeader()->setDefaultSectionSize(pixels(240));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
}

void Grid::setRows(int rows) {
    setRowCount(qMax(0, rows));
    shadeFixedRows();
}

void Grid::setCols(int cols) {
    setColumnCount(qMax(0, cols));
    while (alignments_.size() < columnCount())
        alignments_.append(Align::Left);
    while (widths_.size() < columnCount())
        widths_.append(columnWidth(static_cast<int>(widths_.size())) * kTwipsPerPixel);
    shadeFixedRows();
}

void Grid::setColWidth(int col, int twips) {
    if (col < 0 || col >= columnCount())
        return;
    widths_[col] = twips;
    setColumnWidth(col, pixels(twips));
    fitColumnToHeadings(col);
}

void Grid::fitColumnToHeadings(int col) {
    // The cell's text margin, as the item delegate leaves it on each side.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    int needed = pixels(widths_.value(col, 0));
    for (int r = 0; r < qMin(fixedRows_, rowCount()); ++r)
        if (const QTableWidgetItem *it = item(r, col); it && !it->text().isEmpty())
            needed = qMax(needed, fontMetrics().horizontalAdvance(it->text()) + 2 * margin);
    setColumnWidth(col, needed);
}

int Grid::colWidth(int col) const {
    return widths_.value(col, 0);
}

void Grid::setColAlignment(int col, Align align) {
    if (col < 0 || col >= columnCount())
        return;
    alignments_[col] = align;
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem *it = item(r, col))
            it->setTextAlignment(toQt(align));
}

Grid::Align Grid::colAlignment(int col) const {
    return alignments_.value(col, Align::Left);
}

void Grid::setFixedRows(int rows) {
    for (int r = 0; r < qMin(fixedRows_, rowCount()); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem *it = item(r, c)) {
                it->setBackground(QBrush());
                it->setForeground(QBrush());
            }
    fixedRows_ = qMax(0, rows);
    shadeFixedRows();
    for (int c = 0; c < columnCount(); ++c)
        fitColumnToHeadings(c);
}

void Grid::shadeFixedRows() {
    for (int r = 0; r < qMin(fixedRows_, rowCount()); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem *it = cellItem(r, c);
            it->setBackground(palette().button());
            it->setForeground(palette().buttonText());
        }
}

void Grid::setCurrent(int row, int col) {
    row_ = row;
    col_ = col;
}

void Grid::setText(const QString &text) {
    setCell(row_, col_, text);
}

QString Grid::text() const {
    return cell(row_, col_);
}

void Grid::setCell(int row, int col, const QString &text) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        return;
    cellItem(row, col)->setText(text);
    if (row < fixedRows_)
        fitColumnToHeadings(col);
}

QTableWidgetItem *Grid::cellItem(int row, int col) {
    QTableWidgetItem *it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        it->setTextAlignment(toQt(alignments_.value(col, Align::Left)));
        setItem(row, col, it);
    }
    return it;
}

QString Grid::cell(int row, int col) const {
    const QTableWidgetItem *it = item(row, col);
    return it ? it->text() : QString();
}

void Grid::clearCells() {
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem *it = item(r, c))
                it->setText(QString());
}

} // namespace ui
