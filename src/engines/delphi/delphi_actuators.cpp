#include "engines/delphi/delphi_actuators.h"

#include "app/errors32.h"
#include "engines/delphi/delphi_tables.h"
#include "link/screen_areas.h"
#include "link/timed_bar.h"
#include "ui/controls.h"
#include "ui/twips.h"

using namespace delphi;

namespace {

constexpr int kLeft = 240;
constexpr int kTestTop = 840;
constexpr int kTestPitch = 480;
constexpr int kColumnPitch = 3840;
constexpr int kTestWidth = 3600;
constexpr int kButtonHeight = 420;
// The switch tells its state by the first word of its caption.
constexpr int kActivatePrefix = 8;

} // namespace

DelphiActuators::DelphiActuators(unitlink::ScreenHost &host)
    : QObject(host.panelParent()), host_(host), runs_(host) {
    const QRect area = unitlink::kWidePanelArea;
    panel = ui::frame(QStringLiteral("Frame5"), ERRORS32::CapActuators, host.panelParent());
    ui::place(panel, area);

    warningLabel = ui::label(QStringLiteral("Label26"), ERRORS32::MsgEngineOffWarning, panel);
    ui::place(warningLabel, kLeft, 360, 9600, 285);

    // Two to a row, in reading order.
    for (int i = 0; i < int(kOutputTests.size()); ++i) {
        auto *button = new ui::CommandButton(QString::fromLatin1(kOutputTests[i].objectName),
                                             QString::fromUtf8(kOutputTests[i].caption), panel);
        ui::place(button, kLeft + (i % 2) * kColumnPitch, kTestTop + (i / 2) * kTestPitch,
                  kTestWidth, kButtonHeight);
        testButtons << button;
    }
    baseTimingButton = new ui::CommandButton(QStringLiteral("Command34"),
                                             QString::fromUtf8(kActivateBaseTiming), panel);
    ui::place(baseTimingButton, kLeft, kTestTop + 4 * kTestPitch, kTestWidth, kButtonHeight);

    resultLine = ui::label(QStringLiteral("Label14"), QString(), panel);
    resultLine->setWrapAnywhere(true);
    ui::place(resultLine, kLeft, 3360, 9600, 540);

    exitButton = new ui::CommandButton(QStringLiteral("Command18"), ERRORS32::CapExit, panel);
    ui::place(exitButton, 8400, 4320, 1440, kButtonHeight);
    panel->hide();

    for (ui::CommandButton *button : std::as_const(testButtons))
        connect(button, &QPushButton::clicked, this, [this] { runTest(); });
    connect(baseTimingButton, &QPushButton::clicked, this, [this] { toggleBaseTiming(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { exitPanel(); });
}

void DelphiActuators::open() {
    host_.openPanel(panel, exitButton);
}

void DelphiActuators::runTest() {
    // A test pressed during another takes the result line over; the older one ends.
    const unitlink::PanelRuns::Wait wait = runs_.begin();
    resultLine->clear();
    ui::focusIfReachable(exitButton);
    if (!unitlink::runTimedBar(resultLine, Qt::AlignLeft | Qt::AlignTop, wait))
        return;
    resultLine->setAlignment(Qt::AlignCenter);
    resultLine->setText(ERRORS32::MsgEndProcess);
    exitButton->setText(ERRORS32::CapExit);
    ui::focusIfReachable(exitButton);
}

void DelphiActuators::toggleBaseTiming() {
    const bool activate =
        baseTimingButton->text().left(kActivatePrefix) == QStringLiteral("Activate");
    baseTimingButton->setText(
        QString::fromUtf8(activate ? kDisableBaseTiming : kActivateBaseTiming));
}

void DelphiActuators::exitPanel() {
    // A test still running ends here, before the panel goes.
    runs_.end();
    host_.EnableButtonBar();
    panel->hide();
    resultLine->clear();
    host_.focusExit();
}
