#include "engines/mercruiser/mercruiser_live.h"

#include "app/errors32.h"
#include "engines/mercruiser/mercruiser_live_tables.h"
#include "ui/controls.h"
#include "ui/grid.h"

namespace {
// Passes of the counted wait after each step of the display.
constexpr int kStepWait = 600;
} // namespace

MercruiserLivePanel::MercruiserLivePanel(unitlink::ScreenHost &host)
    : LiveGridPanel(host, QStringLiteral("Live Data"), ERRORS32::CapReadData) {
    readButton = startButton;
}

void MercruiserLivePanel::open() {
    using namespace mercruiser;
    shapeGrid(kLiveGridRows, kLiveColWidths);
    writeNames(kLiveLeftBlock, kLeftBlockColumn);
    writeNames(kLiveRightBlock, kRightBlockColumn);
    stepLabel->clear();
    host_.openPanel(this, exitButton, false);
}

void MercruiserLivePanel::writeValues(int step, bool leftBlock) {
    using namespace mercruiser;
    auto write = [this, step](const auto &block, int column) {
        for (int row = 0; row < int(block.size()); ++row)
            grid->setCell(row, column + 1, liveValueText(block[row], step));
    };
    if (leftBlock)
        write(kLiveLeftBlock, kLeftBlockColumn);
    else
        write(kLiveRightBlock, kRightBlockColumn);
}

void MercruiserLivePanel::run() {
    runCycles(stepLabel, mercruiser::kLiveSteps, kStepWait, [this](int step) {
        writeValues(step, true);
        stepLabel->setText(stepLabel->text() + QLatin1Char('I'));
        writeValues(step, false);
    });
}
