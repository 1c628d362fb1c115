#pragma once

#include "app/window.h"
#include "history/history_page.h"
#include "history/history_query.h"

#include <QDate>

#include <optional>

class QLabel;
class QTableWidgetItem;
namespace ui {
class CommandButton;
class Grid;
class TextBox;
} // namespace ui

// Form10: the fault history, newest first, with search boxes for a date
// range and plates over a table of past diagnoses. The table follows what
// is typed in the boxes; its Model and Plates cells can be typed into, and
// Delete removes a record after a question.
class HistoryWindow : public LoadedWindow {
    Q_OBJECT
public:
    static constexpr const char *kName = "Form10";
    static constexpr int kRows = 200;
    static constexpr int kCols = 6;
    static constexpr int kDateLength = 6;
    static constexpr int kPlatesLength = 10;
    static constexpr int kModelCol = 3;
    static constexpr int kPlatesCol = 4;

    HistoryWindow();

    // A date box's text as a date: DDMMYY. Empty: nullopt and valid;
    // anything else that is not a date: nullopt and not valid.
    static std::optional<QDate> dateOf(const QString &text, bool *valid);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void leaveByEscape();
    // Searches again and fills the table (later, while a cell is edited).
    void refresh();
    void refreshSoon();
    void fill(const history::Page &page);
    void fitColumns();
    void saveCell(QTableWidgetItem *item);
    void deleteCurrentRecord();
    QString rowText(int row) const;

    ui::TextBox *firstDateBox_;
    ui::TextBox *lastDateBox_;
    ui::TextBox *platesBox_;
    ui::Grid *table_;
    QLabel *statusLabel_;
    ui::CommandButton *exitButton_;
    QList<history::Record> shown_;
    QList<int> headingWidths_; // pixels
    bool filling_ = false;
    bool refreshPending_ = false;
};
