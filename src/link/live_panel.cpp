#include "link/live_panel.h"

#include "ui/controls.h"

namespace unitlink {

LivePanel::LivePanel(ScreenHost &host, const QString &name, const QString &caption)
    : QGroupBox(caption, host.panelParent()), host_(host) {
    setObjectName(name);
    ui::coverWhatLiesUnder(this);
}

void LivePanel::connectButtons() {
    connect(startButton, &QPushButton::clicked, this, [this] { run(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { exitPressed(); });
}

bool LivePanel::runCycles(QLabel *bar, int steps, int waitLimit,
                          const std::function<void(int step)> &showStep) {
    return host_.runLiveCycles(bar, steps, waitLimit, showStep) == LiveRun::End::Stopped;
}

void LivePanel::exitPressed() {
    if (!host_.liveRun().exitCloses())
        return;
    host_.closePanel(this);
    clearReadings();
}

} // namespace unitlink
