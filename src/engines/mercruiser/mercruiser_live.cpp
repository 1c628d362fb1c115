#include "engines/mercruiser/mercruiser_live.h"

#include "app/errors32.h"
#include "engines/mercruiser/mercruiser_live_tables.h"
#include "link/engine_screen.h"
#include "ui/controls.h"
#include "ui/grid.h"

using unitlink::EngineScreen;

namespace {
// Passes of the counted wait after each step of the display.
constexpr int kStepWait = 600;
} // namespace

MercruiserLivePanel::MercruiserLivePanel(EngineScreen *screen)
    : LiveGridPanel(screen, QStringLiteral("Live Data"), ERRORS32::CapReadData) {
    readButton = startButton;
    connect(readButton, &QPushButton::clicked, this, [this] { readData(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { stopOrClose(); });

    // Another function of the bar, or leaving the screen, ends a run. The
    // run is suspended under the handler of that button, so no step of the
    // display follows the press.
    const QList<QAbstractButton *> functions = {screen->connectButton,     screen->engineInfoButton,
                                                screen->diagnosisButton,   screen->actuatorsButton,
                                                screen->eraseFaultsButton, screen->seventhButton,
                                                screen->exitButton};
    for (QAbstractButton *button : functions)
        if (button)
            connect(button, &QAbstractButton::clicked, this, [this] { screen_->stopLiveRun(); });
}

void MercruiserLivePanel::open() {
    using namespace mercruiser;
    shapeGrid(kLiveGridRows, kLiveColWidths);
    auto writeNames = [this](const auto &block, int column) {
        for (int row = 0; row < int(block.size()); ++row) {
            grid->setCell(row, column, unitlink::bilingual(block[row].name));
            grid->setCell(row, column + 2, unitlink::bilingual(block[row].unit));
        }
    };
    writeNames(kLiveLeftBlock, kLeftBlockColumn);
    writeNames(kLiveRightBlock, kRightBlockColumn);
    stepLabel->clear();
    screen_->openPanel(this, exitButton, false);
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

void MercruiserLivePanel::readData() {
    runCycles(mercruiser::kLiveSteps, kStepWait, [this](int step) {
        writeValues(step, true);
        stepLabel->setText(stepLabel->text() + QLatin1Char('I'));
        writeValues(step, false);
    });
}
