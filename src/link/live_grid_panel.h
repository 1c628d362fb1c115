#pragma once

#include "app/language_text.h"
#include "ui/grid.h"

#include <QGroupBox>

#include <span>

class QLabel;
namespace ui {
class CommandButton;
class Label;
} // namespace ui

namespace unitlink {

class EngineScreen;

// The live-data panel of the screens whose parameters fill a grid of six
// columns, two blocks of name, value and unit side by side. The grid is too
// wide for half the screen, so the panel spans the screen's width under the
// ButtonBar's function buttons: every column is in view at once, the
// buttons and the lower strip stay usable. The run bar lies above the grid
// and wraps onto a second line; the start button and Exit lie below it.
class LiveGridPanel : public QGroupBox {
    Q_OBJECT
public:
    // Rows that can hold a parameter; the rows under them always stay empty
    // and are kept out of view.
    static constexpr int kParameterRows = 12;

    LiveGridPanel(EngineScreen *screen, const QString &caption, const QString &startCaption);

    // Gives the grid its rows, columns and column widths (twips), and sizes
    // it so that every column and every parameter row shows in full.
    void shapeGrid(int rows, std::span<const int> columnWidths);

    // Exit: during a run it only asks the run to stop; otherwise it closes
    // the panel and empties the grid.
    void stopOrClose();
    // Another function of the ButtonBar, or leaving the screen, ends a run:
    // the run is suspended under that button's handler, and no step follows.
    void endRunOnOtherFunctions();

    // Writes a block of parameters, each with a bilingual name and unit:
    // names in `column`, units two columns to the right.
    template <typename Block> void writeNames(const Block &block, int column) {
        for (int row = 0; row < int(block.size()); ++row) {
            grid->setCell(row, column, inLanguage(block[row].name));
            grid->setCell(row, column + 2, inLanguage(block[row].unit));
        }
    }

    ui::Label *stepLabel;
    ui::Grid *grid;
    ui::CommandButton *startButton;
    ui::CommandButton *exitButton;

protected:
    EngineScreen *screen_;
};

} // namespace unitlink
