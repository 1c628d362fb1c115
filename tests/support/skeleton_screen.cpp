#include "support/skeleton_screen.h"

#include "app/errors32.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/twips.h"

namespace testing {

SkeletonScreen::SkeletonScreen(const unitlink::ScreenSetup &setup) : EngineScreen(setup) {
    const QRect area = unitlink::kPanelArea;

    infoPanel = ui::frame(QStringLiteral("Frame13"), QStringLiteral("Info"), this);
    ui::place(infoPanel, area);
    auto *infoText = ui::label(QStringLiteral("Label13"), setup.unitName, infoPanel);
    ui::place(infoText, 240, 360, 4560, 300);
    infoExitButton =
        new ui::CommandButton(QStringLiteral("Command10"), ERRORS32::CapExit, infoPanel);
    ui::place(infoExitButton, 3480, 3600, 1440, 420);
    infoPanel->hide();

    livePanel = ui::frame(QStringLiteral("Frame9"), ERRORS32::CapLiveData, this);
    ui::place(livePanel, area);
    liveValue = ui::label(QStringLiteral("Label9"), QString(), livePanel);
    liveValue->setFont(ui::fixedFont());
    ui::place(liveValue, 240, 360, 4560, 300);
    liveStartButton =
        new ui::CommandButton(QStringLiteral("Command35"), ERRORS32::CapReadData, livePanel);
    ui::place(liveStartButton, 240, 3600, 1920, 420);
    liveExitButton =
        new ui::CommandButton(QStringLiteral("Command32"), ERRORS32::CapExit, livePanel);
    ui::place(liveExitButton, 3480, 3600, 1440, 420);
    livePanel->hide();

    connect(engineInfoButton, &QPushButton::clicked, this,
            [this] { openPanel(infoPanel, infoExitButton); });
    connect(infoExitButton, &QPushButton::clicked, this, [this] { closePanel(infoPanel); });
    connect(diagnosisButton, &QPushButton::clicked, this, [this] { diagnose(); });
    connect(liveDataButton, &QPushButton::clicked, this,
            [this] { openPanel(livePanel, liveStartButton, false); });
    connect(liveStartButton, &QPushButton::clicked, this, [this] { startLive(); });
    connect(liveExitButton, &QPushButton::clicked, this, [this] {
        if (!liveRun().exitCloses())
            return;
        liveValue->clear();
        closePanel(livePanel);
    });
    for (auto *button : {actuatorsButton, eraseFaultsButton, seventhButton})
        if (button)
            connect(button, &QPushButton::clicked, this, [this] { showNotAvailable(); });

    finishLoad();
}

void SkeletonScreen::diagnose() {
    const unitlink::RunTickets::Ticket ticket = beginExchange(unitlink::Run::Diagnosis);
    resultList->clear();
    ui::setHourglass();
    if (!exchangeProgress(ticket) || !exchangeWait(ticket, 2))
        return;
    endExchange();
    showMessage(ERRORS32::MsgNoFaults);
}

void SkeletonScreen::startLive() {
    int step = 0;
    liveRun().run([this, &step] { liveValue->setText(QString::number(step++)); },
                  [this] { return BusyWait(600); });
}

} // namespace testing
