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
    openWithBlocks(kLiveGridRows, kLiveColWidths, kLiveLeftBlock, kLiveRightBlock, exitButton);
}

void MercruiserLivePanel::run() {
    using namespace mercruiser;
    runCycles(stepLabel, kLiveSteps, kStepWait, [this](int step) {
        const auto valueAt = [step](const LiveParameter &parameter) -> std::optional<QString> {
            return liveValueText(parameter, step);
        };
        writeValues(kLiveLeftBlock, kLeftBlock, valueAt);
        stepLabel->setText(stepLabel->text() + QLatin1Char('I'));
        writeValues(kLiveRightBlock, kRightBlock, valueAt);
    });
}
