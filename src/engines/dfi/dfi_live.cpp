#include "engines/dfi/dfi_live.h"

#include "engines/dfi/dfi_live_tables.h"
#include "link/engine_screen.h"
#include "ui/controls.h"
#include "ui/grid.h"

using unitlink::EngineScreen;

namespace {
// Passes of the counted wait after each tick of the display.
constexpr int kTickWait = 600;
} // namespace

DfiLivePanel::DfiLivePanel(EngineScreen *screen)
    : LiveGridPanel(screen, QString::fromUtf8(dfi::kLiveCaption),
                    QString::fromUtf8(dfi::kLiveStartCaption)) {
    connect(startButton, &QPushButton::clicked, this, [this] { run(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { stopOrClose(); });

    // Another function of the bar, or leaving the screen, ends a run: it is
    // suspended under the handler of that button, and no tick follows.
    const QList<QAbstractButton *> functions = {screen->connectButton,     screen->engineInfoButton,
                                                screen->diagnosisButton,   screen->actuatorsButton,
                                                screen->eraseFaultsButton, screen->seventhButton,
                                                screen->exitButton};
    for (QAbstractButton *button : functions)
        connect(button, &QAbstractButton::clicked, this, [this] { screen_->stopLiveRun(); });
}

void DfiLivePanel::open() {
    using namespace dfi;
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
    // The ButtonBar stays enabled and the focus stays where it is.
    show();
    raise();
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
    runCycles(dfi::kLiveTicks, kTickWait, [this](int tick) {
        writeValues(tick, true);
        stepLabel->setText(stepLabel->text() + QLatin1Char('I'));
        writeValues(tick, false);
        stepLabel->setText(stepLabel->text() + QLatin1Char('I'));
    });
}
