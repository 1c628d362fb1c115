#pragma once

#include <QTableWidget>

namespace ui {

// The grid control: rows and columns of plain text cells with a current
// cell, column widths in twips and per-column alignment. Cells are read only.
// The first rows may be fixed: they are shaded as headings, and a column is
// drawn wide enough to show its headings in full (colWidth() still reads
// the width it was given).
class Grid : public QTableWidget {
    Q_OBJECT
public:
    enum class Align { Left, LeftTop, Center, Right, LeftBottom };

    explicit Grid(QWidget *parent = nullptr);

    void setRows(int rows);
    void setCols(int cols);
    void setColWidth(int col, int twips);
    int colWidth(int col) const; // twips
    void setColAlignment(int col, Align align);
    Align colAlignment(int col) const;
    void setFixedRows(int rows);
    int fixedRows() const { return fixedRows_; }

    void setCurrent(int row, int col);
    int row() const { return row_; }
    int col() const { return col_; }
    void setText(const QString &text); // the current cell
    QString text() const;

    void setCell(int row, int col, const QString &text);
    QString cell(int row, int col) const;
    // Empties every cell and keeps the shape.
    void clearCells();

private:
    QTableWidgetItem *cellItem(int row, int col);
    void shadeFixedRows();
    void fitColumnToHeadings(int col);

    int row_ = 0;
    int col_ = 0;
    QList<Align> alignments_;
    QList<int> widths_; // twips, as given
    int fixedRows_ = 0;
};

} // namespace ui
