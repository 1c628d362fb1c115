#include "link/label_live_panel.h"

#include "app/errors32.h"
#include "link/engine_screen.h"
#include "ui/controls.h"
#include "ui/twips.h"

namespace unitlink {

LabelLivePanel::LabelLivePanel(EngineScreen *screen) : QObject(screen), screen_(screen) {
    panel = ui::frame(QStringLiteral("Frame6"), ERRORS32::CapLiveData, screen);
    ui::place(panel, EngineScreen::kWidePanelArea);
}

void LabelLivePanel::addRunBarAndButtons(const QRect &bar) {
    runBar = ui::label(QStringLiteral("Label8"), QString(), panel);
    runBar->setWrapAnywhere(true);
    ui::place(runBar, bar);

    startButton =
        new ui::CommandButton(QStringLiteral("Command13"), ERRORS32::CapConnectWithEcm, panel);
    ui::place(startButton, 5520, 4320, 2640, 420);
    exitButton = new ui::CommandButton(QStringLiteral("Command12"), ERRORS32::CapExit, panel);
    ui::place(exitButton, 8400, 4320, 1440, 420);
    panel->hide();

    connect(startButton, &QPushButton::clicked, this, [this] { run(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { exitPanel(); });
}

void LabelLivePanel::exitPanel() {
    if (screen_->requestLiveStop())
        return;
    ++closings_;
    screen_->closePanel(panel);
    for (QLabel *value : std::as_const(values))
        value->clear();
    runBar->clear();
}

} // namespace unitlink
