#include "engines/delphi/delphi_live.h"

#include "engines/delphi/delphi_tables.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/pointer.h"
#include "ui/twips.h"

using namespace delphi;

namespace {
// Passes of the counted wait after each step of a run.
constexpr int kStepWait = 600;
constexpr int kSwitchColumn = 3;
constexpr int kStateColumn = 4;
// This screen's run bar lies under the grid, the grid at the panel's top.
constexpr QPoint kGridTopLeft{60, 270};
constexpr QRect kBarUnderGrid{60, 3240, 10080, 510};
} // namespace

DelphiLivePanel::DelphiLivePanel(unitlink::ScreenHost &host)
    : LiveGridPanel(host, QString::fromUtf8(kLiveCaption), QString::fromUtf8(kLiveStartCaption)) {
    grid->move(ui::pixels(kGridTopLeft.x()), ui::pixels(kGridTopLeft.y()));
    ui::place(stepLabel, kBarUnderGrid);
}

void DelphiLivePanel::open() {
    ui::setArrow();
    shapeGrid(kLiveGridRows, kLiveColWidths);
    grid->setColAlignment(kStateColumn, ui::Grid::Align::LeftBottom);
    for (int row = 0; row < int(kLiveReadings.size()); ++row) {
        grid->setCell(row, 0, inLanguage(kLiveReadings[row].name));
        grid->setCell(row, 2, QString::fromUtf8(kLiveReadings[row].unit));
    }
    for (int row = 0; row < int(kLiveSwitches.size()); ++row) {
        grid->setCell(row, kSwitchColumn, inLanguage(kLiveSwitches[row].name));
        grid->setCell(row, kStateColumn, inLanguage(kLiveSwitches[row].state));
    }
    host_.openPanel(this, exitButton);
}

void DelphiLivePanel::run() {
    stepLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    stepLabel->clear();
    const bool stopped = runCycles(stepLabel, kLiveSteps, kStepWait, [this](int step) {
        for (int row = 0; row < int(kLiveReadings.size()); ++row)
            if (kLiveReadings[row].shown != LiveReading::Shown::Nothing)
                grid->setCell(row, 1, liveValueText(kLiveReadings[row], step));
        stepLabel->setText(stepLabel->text() + QLatin1Char('I'));
    });
    if (!stopped)
        return;
    stepLabel->setAlignment(Qt::AlignCenter);
    stepLabel->setText(QString::fromUtf8(kLiveStopped));
    startButton->setEnabled(true);
    ui::focusIfReachable(exitButton);
}
