#include "link/live_grid_panel.h"

#include "app/errors32.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/twips.h"

namespace unitlink {

namespace {
// In twips, inside the screen's client area and inside the panel.
constexpr QRect kPanel{60, 2640, 10200, 4320};
constexpr QRect kStepLabel{60, 270, 10080, 510};
constexpr int kGridLeft = 60;
constexpr int kGridTop = 810;
constexpr QRect kStartButton{60, 3840, 1800, 420};
constexpr QRect kExitButton{8340, 3840, 1800, 420};

} // namespace

LiveGridPanel::LiveGridPanel(ScreenHost &host, const QString &caption, const QString &startCaption)
    : LivePanel(host, QStringLiteral("Frame9"), caption) {
    ui::place(this, kPanel);

    stepLabel = new ui::Label(QStringLiteral("Label9"), QString(), this);
    stepLabel->setWrapAnywhere(true);
    stepLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::place(stepLabel, kStepLabel);

    grid = new ui::Grid(this);
    grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->move(ui::pixels(kGridLeft), ui::pixels(kGridTop));

    startButton = new ui::CommandButton(QStringLiteral("Command35"), startCaption, this);
    ui::place(startButton, kStartButton);
    exitButton = new ui::CommandButton(QStringLiteral("Command32"), ERRORS32::CapExit, this);
    ui::place(exitButton, kExitButton);
    hide();
    connectButtons();
}

void LiveGridPanel::shapeGrid(int rows, std::span<const int> columnWidths) {
    grid->setCols(int(columnWidths.size()));
    grid->setRows(rows);
    int width = 0;
    for (int col = 0; col < int(columnWidths.size()); ++col) {
        grid->setColWidth(col, columnWidths[col]);
        width += grid->columnWidth(col);
    }
    int height = 0;
    for (int row = 0; row < rows; ++row) {
        grid->setRowHidden(row, row >= kParameterRows);
        if (row < kParameterRows)
            height += grid->rowHeight(row);
    }
    const int frame = 2 * grid->frameWidth();
    grid->resize(width + frame, height + frame);
}

void LiveGridPanel::showWithEmptyBar(QWidget *focus) {
    stepLabel->clear();
    host_.openPanel(this, focus, false);
}

void LiveGridPanel::clearReadings() {
    grid->clearCells();
}

} // namespace unitlink
