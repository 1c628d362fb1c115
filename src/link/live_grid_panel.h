#pragma once

#include "app/language_text.h"
#include "link/live_panel.h"
#include "ui/grid.h"

#include <span>

class QLabel;
namespace ui {
class CommandButton;
class Label;
} // namespace ui

namespace unitlink {

// The live-data panel of the screens whose parameters fill a grid of six
// columns, two blocks of name, value and unit side by side. The grid is too
// wide for half the screen, so the panel spans the screen's width under the
// ButtonBar's function buttons: every column is in view at once, the
// buttons and the lower strip stay usable. The run bar lies above the grid
// and wraps onto a second line; the start button and Exit lie below it.
class LiveGridPanel : public LivePanel {
    Q_OBJECT
public:
    // Rows that can hold a parameter; the rows under them always stay empty
    // and are kept out of view.
    static constexpr int kParameterRows = 12;

    LiveGridPanel(ScreenHost &host, const QString &caption, const QString &startCaption);

    // Gives the grid its rows, columns and column widths (twips), and sizes
    // it so that every column and every parameter row shows in full.
    void shapeGrid(int rows, std::span<const int> columnWidths);

    // Writes a block of parameters, each with a name and unit in the language:
    // names in `column`, units two columns to the right.
    template <typename Block> void writeNames(const Block &block, int column) {
        for (int row = 0; row < int(block.size()); ++row) {
            grid->setCell(row, column, inLanguage(block[row].name));
            grid->setCell(row, column + 2, inLanguage(block[row].unit));
        }
    }

    ui::Label *stepLabel;
    ui::Grid *grid;

protected:
    void clearReadings() override;
};

} // namespace unitlink
