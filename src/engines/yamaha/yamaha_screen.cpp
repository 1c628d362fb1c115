#include "engines/yamaha/yamaha_screen.h"

#include "app/errors32.h"
#include "engines/yamaha/yamaha_actuators.h"
#include "engines/yamaha/yamaha_live.h"
#include "engines/yamaha/yamaha_tables.h"
#include "link/bar_orders.h"
#include "ui/controls.h"
#include "ui/twips.h"

using namespace yamaha;

namespace {

constexpr int kShortPause = 2;
// Connect's checkpoints as the link numbers its steps.
constexpr int kFirstCheckedConnectStep = 3;

unitlink::ScreenSetup yamahaSetup() {
    unitlink::ScreenSetup setup;
    setup.formName = QStringLiteral("Form5");
    setup.windowCaption = QString::fromUtf8(kWindowCaption);
    setup.unitName = QString::fromUtf8(kUnitName);
    setup.connectSteps = kProgressSteps;
    setup.seventh = unitlink::ScreenSetup::Seventh::None;
    setup.barOrder = unitlink::kYamahaBar;
    // The MessagePanel only hides here; no message follows a disabled ButtonBar.
    setup.messageExitEnablesBar = false;
    // Faults the simulated unit holds: 0 at load, while Connect runs and
    // after an erase, 1 after every Connect.
    setup.faultsAfterConnect = 1;
    return setup;
}

// The engine-hours panel, in twips.
constexpr int kHoursLeft = 240;
constexpr int kHoursTop = 840;
constexpr int kHoursPitch = 390;
constexpr int kHoursHeight = 285;
constexpr int kBandWidth = 2280;
constexpr int kHoursValueWidth = 2400;

} // namespace

LoadedWindow *createYamahaScreen() {
    return new YamahaScreen;
}

YamahaScreen::YamahaScreen() : EngineScreen(yamahaSetup()) {
    ActiveFaultCount = 0;
    buildHoursPanel();
    buildUnshownPanels();
    livePanel = new YamahaLivePanel(*this);
    actuators = new YamahaActuators(*this);
    identificationPanel->setTitle(inLanguage(kIdentificationCaption));

    connect(engineInfoButton, &QPushButton::clicked, this, [this] { showEngineInfo(); });
    connect(diagnosisButton, &QPushButton::clicked, this, [this] { diagnose(); });
    connect(eraseFaultsButton, &QPushButton::clicked, this, [this] { eraseFaults(); });
    connect(liveDataButton, &QPushButton::clicked, livePanel, [this] {
        closeHoursPanel();
        livePanel->open();
    });
    connect(actuatorsButton, &QPushButton::clicked, actuators, [this] {
        closeHoursPanel();
        actuators->open();
    });

    // Connect is usable from the start; the window shows with the focus on Exit.
    finishLoad();
}

void YamahaScreen::buildHoursPanel() {
    hoursPanel = ui::frame(QStringLiteral("Frame9"), QString::fromUtf8(kHoursPanelCaption), this);
    ui::place(hoursPanel, unitlink::kPanelArea);
    ecmLabel = ui::label(QStringLiteral("Label38"), QString(), hoursPanel);
    ui::place(ecmLabel, kHoursLeft, 360, kEcmWideWidth, kHoursHeight);
    modelLabel = ui::label(QStringLiteral("Label41"), QString(), hoursPanel);
    ui::place(modelLabel, kHoursLeft + kEcmNarrowWidth + 120, 360, 2280, kHoursHeight);
    modelLabel->hide();
    for (int i = 0; i < 5; ++i) {
        const int top = kHoursTop + i * kHoursPitch;
        const QString caption = i < int(kSpeedBands.size())
                                    ? QString::fromUtf8(kSpeedBands[i].caption)
                                    : ERRORS32::CapTotalHours;
        hoursCaptions[i] =
            ui::label(i < 4 ? QStringLiteral("Label%1").arg(30 + i) : QStringLiteral("Label39"),
                      caption, hoursPanel);
        ui::place(hoursCaptions[i], kHoursLeft, top, kBandWidth, kHoursHeight);
        auto *value =
            ui::label(i < 4 ? QStringLiteral("Label%1").arg(34 + i) : QStringLiteral("Label40"),
                      QString(), hoursPanel);
        value->setNameLabel(hoursCaptions[i]);
        ui::place(value, kHoursLeft + kBandWidth + 120, top, kHoursValueWidth, kHoursHeight);
        hoursValues[i] = value;
    }
    hoursExitButton =
        new ui::CommandButton(QStringLiteral("Command21"), ERRORS32::CapExit, hoursPanel);
    ui::place(hoursExitButton, 3480, 3600, 1440, 420);
    hoursPanel->hide();

    connect(hoursExitButton, &QPushButton::clicked, this, [this] {
        closeHoursPanel();
        focusExit();
    });
}

void YamahaScreen::buildUnshownPanels() {
    helpPanel = ui::frame(QStringLiteral("Frame8"), ERRORS32::CapHelp, this);
    ui::place(helpPanel, unitlink::kPanelArea);
    auto *helpLabel =
        ui::label(QStringLiteral("Label29"), ERRORS32::MsgSupplyVoltageHelp, helpPanel);
    helpLabel->setWordWrap(true);
    ui::place(helpLabel, 240, 360, 4650, 3000);
    auto *helpExit =
        new ui::CommandButton(QStringLiteral("Command16"), ERRORS32::CapExit, helpPanel);
    ui::place(helpExit, 3480, 3600, 1440, 420);
    helpPanel->hide();

    vehiclePanel = ui::frame(QStringLiteral("Frame4"), ERRORS32::CapVehicleData, this);
    ui::place(vehiclePanel, unitlink::kPanelArea);
    const QString captions[2] = {ERRORS32::CapOwner, ERRORS32::CapPlates};
    for (int i = 0; i < 4; ++i) {
        const int top = 360 + i * 840;
        auto *box = new ui::TextBox(QStringLiteral("Text%1").arg(i + 1), vehiclePanel);
        ui::place(box, 240, top + 315, 4650, 360);
        if (i < 2) {
            auto *caption =
                ui::label(QStringLiteral("Label%1").arg(2 + i), captions[i], vehiclePanel);
            ui::place(caption, 240, top, 4650, 285);
            caption->setBuddy(box);
        }
    }
    vehiclePanel->hide();
}

void YamahaScreen::closeHoursPanel() {
    hoursPanel->hide();
    ui::place(ecmLabel, kHoursLeft, 360, kEcmWideWidth, kHoursHeight);
    modelLabel->clear();
    modelLabel->hide();
    for (QLabel *value : hoursValues)
        value->clear();
}

bool YamahaScreen::connectStepAnswers(unitlink::ConnectStep step) {
    // A failure of the link after the progress ends on the no-communication message.
    try {
        if (connectStepCheck)
            connectStepCheck(int(step) + kFirstCheckedConnectStep);
        return true;
    } catch (...) {
        return false;
    }
}

QStringList YamahaScreen::identificationLines() const {
    QStringList lines;
    for (const char *line : kIdentificationLines)
        lines << QString::fromUtf8(line);
    return lines;
}

QString YamahaScreen::identificationCaption() const {
    return inLanguage(kIdentificationCaption);
}

void YamahaScreen::showEngineInfo() {
    const auto ticket = beginExchange(unitlink::Run::EngineInfo);
    if (!exchangeProgress(ticket))
        return;
    // A panel opened meanwhile keeps its place; the hours wait for the next press.
    if (barHeldByPanel()) {
        endExchange();
        return;
    }
    for (int i = 0; i < int(kSpeedBands.size()); ++i)
        hoursValues[i]->setText(QString::fromUtf8(kSpeedBands[i].hours) + QLatin1Char(' ') +
                                ERRORS32::CapHours);
    hoursValues[4]->setText(QString::fromUtf8(kTotalHours) + QLatin1Char(' ') + ERRORS32::CapHours);
    ecmLabel->setText(QString::fromUtf8(kEcmNumber));
    ui::place(ecmLabel, kHoursLeft, 360, kEcmNarrowWidth, kHoursHeight);
    modelLabel->setText(QString::fromUtf8(kModel));
    modelLabel->show();
    // The ButtonBar stays usable beside this panel.
    openPanel(hoursPanel, hoursExitButton, false);
    endExchange();
}

void YamahaScreen::diagnose() {
    // The identification's model line, without its label.
    const QString model =
        QString::fromUtf8(kIdentificationLines[2]).section(QStringLiteral(": "), 1);
    if (!readFromUnit(unitlink::Run::Diagnosis, kShortPause))
        return;
    if (ActiveFaultCount >= 1) {
        listFaults(ActiveFaultCount, inLanguage(kFaultCodeLine), linesInLanguage(kFaultLines));
        endExchange();
        recordDiagnosis(
            model, {QString::fromUtf8(kFaultCodeLine.english).section(QLatin1Char(' '), 0, 0)});
        return;
    }
    endExchangeWithMessage(ERRORS32::MsgNoFaults);
    recordDiagnosis(model, {});
}

void YamahaScreen::eraseFaults() {
    ActiveFaultCount = 0;
    const auto ticket = beginExchange(unitlink::Run::EraseFaults);
    if (!exchangeProgress(ticket))
        return;
    endExchangeWithMessage(ERRORS32::MsgFaultsErased);
}
