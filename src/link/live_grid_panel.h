#pragma once

#include "app/language_text.h"
#include "link/live_panel.h"
#include "ui/grid.h"

#include <optional>
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

    // The two blocks of parameters: name, value and unit from these columns.
    static constexpr int kLeftBlock = 0;
    static constexpr int kRightBlock = 3;

    // Live Data: the grid shaped, the names and units of both blocks written
    // in the language, the run bar empty; the panel shown beside the
    // ButtonBar, which stays enabled, with the focus on `focus` (none: it
    // stays where it was).
    template <typename Left, typename Right>
    void openWithBlocks(int rows, std::span<const int> columnWidths, const Left &left,
                        const Right &right, QWidget *focus) {
        shapeGrid(rows, columnWidths);
        writeNames(left, kLeftBlock);
        writeNames(right, kRightBlock);
        showWithEmptyBar(focus);
    }

    // Writes a block's values beside its names; `textOf(parameter)` gives
    // a value, or nothing to leave the cell as it is.
    template <typename Block, typename TextOf>
    void writeValues(const Block &block, int column, const TextOf &textOf) {
        for (int row = 0; row < int(block.size()); ++row)
            if (const std::optional<QString> text = textOf(block[row]))
                grid->setCell(row, column + 1, *text);
    }

    ui::Label *stepLabel;
    ui::Grid *grid;

protected:
    void clearReadings() override;

private:
    void showWithEmptyBar(QWidget *focus);
    template <typename Block> void writeNames(const Block &block, int column) {
        for (int row = 0; row < int(block.size()); ++row) {
            grid->setCell(row, column, inLanguage(block[row].name));
            grid->setCell(row, column + 2, inLanguage(block[row].unit));
        }
    }
};

} // namespace unitlink
