#include "engines/dfi/dfi_live.h"

#include "engines/dfi/dfi_live_tables.h"
#include "ui/controls.h"
#include "ui/grid.h"

namespace {
// Passes of the counted wait after each tick of the display.
constexpr int kTickWait = 600;
} // namespace

DfiLivePanel::DfiLivePanel(unitlink::ScreenHost &host)
    : LiveGridPanel(host, QString::fromUtf8(dfi::kLiveCaption),
                    QString::fromUtf8(dfi::kLiveStartCaption)) {}

void DfiLivePanel::open() {
    using namespace dfi;
    shapeGrid(kLiveGridRows, kLiveColWidths);
    writeNames(kLiveLeftBlock, kLeftBlockColumn);
    writeNames(kLiveRightBlock, kRightBlockColumn);
    stepLabel->clear();
    // The ButtonBar stays enabled and the focus stays where it is.
    host_.openPanel(this, nullptr, false);
}

void DfiLivePanel::writeValues(int tick, bool leftBlock) {
    using namespace dfi;
    auto write = [this, tick](const auto &block, int column) {
        for (int row = 0; row < int(block.size()); ++row)
            if (block[row].shown != LiveParameter::Shown::Nothing)
                grid->setCell(row, column + 1, liveValueText(block[row], tick));
    };
    if (leftBlock)
        write(kLiveLeftBlock, kLeftBlockColumn);
    else
        write(kLiveRightBlock, kRightBlockColumn);
}

void DfiLivePanel::run() {
    runCycles(stepLabel, dfi::kLiveTicks, kTickWait, [this](int tick) {
        writeValues(tick, true);
        stepLabel->setText(stepLabel->text() + QLatin1Char('I'));
        writeValues(tick, false);
        stepLabel->setText(stepLabel->text() + QLatin1Char('I'));
    });
}
