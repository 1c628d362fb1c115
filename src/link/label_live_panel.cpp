#include "link/label_live_panel.h"

#include "app/errors32.h"
#include "link/screen_areas.h"
#include "ui/controls.h"
#include "ui/twips.h"

namespace unitlink {

LabelLivePanel::LabelLivePanel(ScreenHost &host)
    : LivePanel(host, QStringLiteral("Frame6"), ERRORS32::CapLiveData) {
    ui::place(this, unitlink::kWidePanelArea);
}

void LabelLivePanel::addRunBarAndButtons(const QRect &bar) {
    runBar = ui::label(QStringLiteral("Label8"), QString(), this);
    runBar->setWrapAnywhere(true);
    ui::place(runBar, bar);

    startButton =
        new ui::CommandButton(QStringLiteral("Command13"), ERRORS32::CapConnectWithEcm, this);
    ui::place(startButton, 5520, 4320, 2640, 420);
    exitButton = new ui::CommandButton(QStringLiteral("Command12"), ERRORS32::CapExit, this);
    ui::place(exitButton, 8400, 4320, 1440, 420);
    hide();
    connectButtons();
}

void LabelLivePanel::clearReadings() {
    for (QLabel *value : std::as_const(values))
        value->clear();
    runBar->clear();
}

} // namespace unitlink
