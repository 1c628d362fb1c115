#pragma once

#include "app/window.h"

namespace ui {
class CommandButton;
class Grid;
class TextBox;
} // namespace ui

// Form10: the fault history, with search boxes for a date range and plates
// over a table of past diagnoses. This edition keeps no history: the table
// shows its heading row and stays empty.
class HistoryWindow : public LoadedWindow {
    Q_OBJECT
public:
    static constexpr const char *kName = "Form10";
    static constexpr int kRows = 200;
    static constexpr int kCols = 6;
    static constexpr int kDateLength = 6;
    static constexpr int kPlatesLength = 10;

    HistoryWindow();

private:
    void leaveByEscape();

    ui::TextBox *firstDateBox_;
    ui::TextBox *lastDateBox_;
    ui::TextBox *platesBox_;
    ui::Grid *table_;
    ui::CommandButton *exitButton_;
};
