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
    // The ButtonBar stays enabled and the focus stays where it is.
    openWithBlocks(kLiveGridRows, kLiveColWidths, kLiveLeftBlock, kLiveRightBlock, nullptr);
}

void DfiLivePanel::run() {
    using namespace dfi;
    runCycles(stepLabel, kLiveTicks, kTickWait, [this](int tick) {
        const auto valueAt = [tick](const LiveParameter &parameter) -> std::optional<QString> {
            if (parameter.shown == LiveParameter::Shown::Nothing)
                return std::nullopt;
            return liveValueText(parameter, tick);
        };
        writeValues(kLiveLeftBlock, kLeftBlock, valueAt);
        stepLabel->setText(stepLabel->text() + QLatin1Char('I'));
        writeValues(kLiveRightBlock, kRightBlock, valueAt);
        stepLabel->setText(stepLabel->text() + QLatin1Char('I'));
    });
}
