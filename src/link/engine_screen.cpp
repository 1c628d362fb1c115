#include "link/engine_screen.h"

#include "app/errors32.h"
#include "app/main_window.h"
#include "history/history.h"
#include "ui/controls.h"
#include "ui/datafiles.h"
#include "ui/messagebox.h"
#include "ui/picture.h"
#include "ui/pointer.h"
#include "ui/pump.h"
#include "ui/twips.h"

namespace unitlink {

namespace {
constexpr int kProgressStepWait = 10000;
const QString kNotAvailable = QStringLiteral("Non available. Demostration Software");
} // namespace

EngineScreen::EngineScreen(const ScreenSetup &setup) : setup_(setup) {
    setObjectName(setup_.formName);
    setWindowTitle(setup_.windowCaption);
    ui::setClientSize(this, kClientWidth, kClientHeight);
    buildButtonBar();
    buildIdentificationPanel();
    buildProgressAndMessagePanels();
    setLoadCaptions();
}

void EngineScreen::buildButtonBar() {
    buttonBarFrame = ui::frame(setup_.barFrameName, setup_.unitName, this);
    ui::place(buttonBarFrame, 120, 120, 4800, 6720);

    auto functionButton = [this](const char *name, const char *caption, int slot) {
        auto *button = new ui::CommandButton(QString::fromLatin1(name),
                                             QString::fromLatin1(caption), buttonBarFrame);
        ui::place(button, 90 + (slot % 2) * 2340, 300 + (slot / 2) * 555, 2280, 495);
        button->setEnabled(false);
        return button;
    };
    connectButton = functionButton("Command29", "Connect", 0);
    engineInfoButton = functionButton("Command20", "Engine Info", 1);
    diagnosisButton = functionButton("Command30", "Diagnostic", 2);
    actuatorsButton = functionButton("Command31", "Actuators", 3);
    eraseFaultsButton = functionButton("Command1", "Erase Faults", 4);
    liveDataButton = functionButton("Command11", "Live Data", 5);
    seventhButton = nullptr;
    if (setup_.seventh == ScreenSetup::Seventh::Historic)
        seventhButton = functionButton("Command24", "Historic", 6);
    else if (setup_.seventh == ScreenSetup::Seventh::Service)
        seventhButton = functionButton("Command24", "Service", 6);

    resultList = ui::listBox(QStringLiteral("List1"), buttonBarFrame);
    ui::place(resultList, 120, 2580, 4560, 4020);
    // The list may not grow past the ButtonBar: a line longer than it goes
    // on on the next, rather than past the right edge.
    resultList->setWordWrap(true);

    auto stripButton = [this](const char *name, const char *caption, int left) {
        auto *button =
            new ui::CommandButton(QString::fromLatin1(name), QString::fromUtf8(caption), this);
        ui::place(button, left, 7080, 1500, 495);
        return button;
    };
    helpButton = stripButton("Command19", "Help", 120);
    reportButton = stripButton("Command4", "Report", 1740);
    saveButton = stripButton("Command2", "Save", 3360);
    exitButton = stripButton("Command3", "Salir", 8700);

    connect(connectButton, &QPushButton::clicked, this, [this] { connectToUnit(); });
    // Another function, or leaving the screen, ends a running display: it is
    // suspended under that button's handler, and no step follows.
    for (auto *function : {connectButton, engineInfoButton, diagnosisButton, actuatorsButton,
                           eraseFaultsButton, seventhButton, exitButton})
        if (function)
            connect(function, &QAbstractButton::clicked, this, [this] { stopLiveRun(); });
    connect(exitButton, &QPushButton::clicked, this, &LoadedWindow::unload);
    connect(exitButton, &ui::CommandButton::escapePressed, this, [this] {
        if (exitButton->isEnabled())
            unload();
    });
}

void EngineScreen::buildIdentificationPanel() {
    identificationPanel = ui::frame(QStringLiteral("Frame2"), QString(), this);
    ui::place(identificationPanel, 5040, 120, 5130, 1815);
    const QRect &area = setup_.pictureTwips;
    identificationList = ui::listBox(QStringLiteral("List2"), identificationPanel);
    ui::place(identificationList, area);
    picture = nullptr;
    if (!setup_.pictureFile.isEmpty()) {
        picture = new ui::Picture(identificationPanel);
        picture->setObjectName(QStringLiteral("Image1"));
        // What the picture shows: the engine unit.
        picture->setAccessibleName(setup_.unitName);
        picture->load(ui::picturePath(setup_.pictureFile));
        picture->hide();
        // Before Connect the picture stands where the identification will be.
        identificationList->hide();
    }
}

void EngineScreen::buildProgressAndMessagePanels() {
    progressPanel = ui::frame(QStringLiteral("Frame14"), QString(), this);
    ui::place(progressPanel, 1560, 2880, 7200, 960);
    progressLabel = ui::label(QStringLiteral("Label51"), QString(), progressPanel);
    progressLabel->setFont(ui::fixedFont());
    ui::place(progressLabel, 120, 360, 6960, 375);
    progressPanel->hide();

    messagePanel = ui::frame(QStringLiteral("Frame7"), QString(), this);
    ui::place(messagePanel, 1560, 2640, 7200, 1440);
    messageLabel = ui::label(QStringLiteral("Label7"), QString(), messagePanel);
    messageLabel->setWordWrap(true);
    ui::place(messageLabel, 120, 300, 6960, 600);
    messageExitButton =
        new ui::CommandButton(QStringLiteral("Command15"), QStringLiteral("Exit"), messagePanel);
    ui::place(messageExitButton, 5640, 930, 1320, 375);
    messagePanel->hide();
    connect(messageExitButton, &QPushButton::clicked, this, [this] {
        messagePanel->hide();
        if (setup_.messageExitEnablesBar)
            EnableButtonBar();
        focusExit();
    });
}

void EngineScreen::setLoadCaptions() {
    using namespace ERRORS32;
    exitButton->setText(CapExit);
    messageExitButton->setText(CapExit);
    connectButton->setText(CapConnectWithEcm);
    engineInfoButton->setText(CapEngine + QStringLiteral(" Info"));
    diagnosisButton->setText(CapDiagnostic);
    eraseFaultsButton->setText(CapEraseFaults);
    liveDataButton->setText(CapLiveData);
    actuatorsButton->setText(CapActuators);
    reportButton->setText(CapReports);
    saveButton->setText(CapSave);
    helpButton->setText(CapHelp);
    if (seventhButton && setup_.seventh == ScreenSetup::Seventh::Service)
        seventhButton->setText(CapService);
    identificationPanel->setTitle(QString());
}

void EngineScreen::finishLoad() {
    if (picture) {
        const QRect &area = setup_.pictureTwips;
        ui::place(picture, area);
        picture->show();
        picture->raise();
    }
    show();
    connectButton->setEnabled(true);
    exitButton->setFocus();
}

ui::CommandButton *EngineScreen::barButton(BarButton role) const {
    switch (role) {
    case BarButton::Connect:
        return connectButton;
    case BarButton::EngineInfo:
        return engineInfoButton;
    case BarButton::Diagnosis:
        return diagnosisButton;
    case BarButton::Actuators:
        return actuatorsButton;
    case BarButton::EraseFaults:
        return eraseFaultsButton;
    case BarButton::LiveData:
        return liveDataButton;
    case BarButton::Seventh:
        return seventhButton;
    case BarButton::Help:
        return helpButton;
    case BarButton::Report:
        return reportButton;
    case BarButton::Save:
        return saveButton;
    case BarButton::Exit:
        return exitButton;
    }
    return nullptr;
}

bool EngineScreen::BusyWait(int limit) {
    return BusyWait(limit, [] { return true; });
}

bool EngineScreen::BusyWait(int limit, const std::function<bool()> &goOn) {
    ui::NestedEventScope scope;
    // Paced from its own start; ends early, without sitting out the rest,
    // when the screen is unloaded or the run called off.
    ui::CountedWait wait(qint64(limit) + 1);
    for (int counter = 0; counter <= limit; ++counter) {
        if (isUnloaded())
            break;
        ui::eventPump().pass();
        if (!isUnloaded() && !goOn())
            return false;
    }
    if (!isUnloaded())
        return true;
    // Nothing is left to restore the pointer of an exchange that was cut short.
    ui::setArrow();
    return false;
}

bool EngineScreen::ShowProgress() {
    ui::setHourglass();
    progressLabel->setText(QStringLiteral(" "));
    progressPanel->setTitle(ERRORS32::MsgInitializingCommunication);
    progressPanel->show();
    progressPanel->raise();
    // A screen reader hears the exchange and how far it has gone, rather
    // than the bar's letters.
    progressLabel->setAccessibleName(ERRORS32::MsgInitializingCommunication);
    progressLabel->setAccessibleDescription(QString());
    for (int step = 0; step < setup_.connectSteps; ++step) {
        progressLabel->setText(progressLabel->text() + QLatin1Char('I'));
        progressLabel->setAccessibleDescription(
            QStringLiteral("%1 %").arg((step + 1) * 100 / setup_.connectSteps));
        if (!BusyWait(kProgressStepWait))
            return false;
    }
    return true;
}

void EngineScreen::EnableButtonBar() {
    for (BarButton role : setup_.barOrder)
        if (auto *button = barButton(role))
            button->setEnabled(true);
}

void EngineScreen::DisableButtonBar() {
    for (BarButton role : setup_.barOrder)
        if (auto *button = barButton(role))
            button->setEnabled(false);
}

void EngineScreen::ShowNoCommunication() {
    ui::setArrow();
    progressPanel->hide();
    showMessage(ERRORS32::MsgNoCommunication);
}

void EngineScreen::appendProgress(const QString &bars) {
    progressLabel->setText(progressLabel->text() + bars);
}

void EngineScreen::clearResults() {
    resultList->clear();
}

void EngineScreen::showMessage(const QString &text) {
    messageLabel->setText(text);
    messagePanel->show();
    messagePanel->raise();
    messageExitButton->setFocus();
}

void EngineScreen::showNotAvailable() {
    ui::messageBox(this, kNotAvailable);
}

void EngineScreen::openPanel(QWidget *panel, QWidget *focus, bool disableBar) {
    // A panel shown over part of another would leave the rest of it in
    // sight and its controls within reach: the message has been read, and
    // an earlier panel the new one only partly covers closes.
    messagePanel->hide();
    for (const OpenedPanel &opened : openedPanels_)
        if (opened.panel && opened.panel != panel && opened.panel->isVisible() &&
            opened.panel->geometry().intersects(panel->geometry()) &&
            !panel->geometry().contains(opened.panel->geometry()))
            opened.panel->hide();
    panel->show();
    panel->raise();
    if (disableBar)
        DisableButtonBar();
    std::erase_if(openedPanels_, [panel](const OpenedPanel &opened) {
        return !opened.panel || opened.panel == panel;
    });
    openedPanels_.push_back({panel, focus, disableBar});
    ui::focusIfReachable(focus);
}

void EngineScreen::uncoverResultList() {
    // A panel left open beside the ButtonBar (a live display) gives way to a
    // function that writes its result where the panel lies.
    const QRect list(resultList->mapTo(this, QPoint()), resultList->size());
    for (const OpenedPanel &opened : openedPanels_)
        if (opened.panel && !opened.holdsBar && opened.panel->isVisible() &&
            opened.panel->geometry().intersects(list))
            opened.panel->hide();
}

void EngineScreen::closePanel(QWidget *panel) {
    panel->hide();
    EnableButtonBar();
    focusExit();
}

bool EngineScreen::barHeldByPanel() const {
    return !exitButton->isEnabled();
}

void EngineScreen::focusExit() {
    if (exitButton->isVisible() && exitButton->isEnabled()) {
        exitButton->setFocus();
        return;
    }
    // The lower-strip Exit is held by an open panel: the focus goes to the
    // control that panel was opened with, its own Exit.
    for (auto opened = openedPanels_.rbegin(); opened != openedPanels_.rend(); ++opened)
        if (opened->panel && opened->panel->isVisible()) {
            ui::focusIfReachable(opened->focus);
            return;
        }
}

RunTickets::Ticket EngineScreen::beginExchange(Run function) {
    stopLiveRun();
    uncoverResultList();
    return runs_.begin(static_cast<int>(function));
}

bool EngineScreen::exchangeProgress(const RunTickets::Ticket &ticket) {
    return ShowProgress() && runs_.isCurrent(ticket);
}

bool EngineScreen::exchangeWait(const RunTickets::Ticket &ticket, int limit) {
    return BusyWait(limit) && runs_.isCurrent(ticket);
}

void EngineScreen::clearForConnect() {
    resultList->clear();
    identificationList->clear();
}

void EngineScreen::showIdentification() {
    appendProgress(QStringLiteral("III"));
    showIdentificationLines();
}

void EngineScreen::showIdentificationLines() {
    ui::setArrow();
    identificationList->show();
    identificationList->clear();
    identificationList->addItems(identificationLines());
    progressPanel->hide();
    identificationPanel->setTitle(identificationCaption());
    if (picture)
        picture->hide();
}

void EngineScreen::connectToUnit() {
    const RunTickets::Ticket run = beginExchange(Run::Connect);
    clearForConnect();
    if (setup_.faultsAfterConnect)
        ActiveFaultCount = 0;
    ui::setHourglass();
    // A Connect pressed during this one has already done the whole sequence.
    if (!exchangeProgress(run))
        return;
    auto linkLost = [this](ConnectStep step) {
        if (connectStepAnswers(step))
            return false;
        ShowNoCommunication();
        return true;
    };
    if (linkLost(ConnectStep::ProgressDone))
        return;
    if (setup_.faultsAfterConnect)
        ActiveFaultCount = *setup_.faultsAfterConnect;
    if (linkLost(ConnectStep::FaultsRead))
        return;
    showIdentification();
    if (linkLost(ConnectStep::IdentificationShown))
        return;
    // A panel opened meanwhile keeps the ButtonBar until it closes.
    if (!barHeldByPanel())
        for (auto *button : {seventhButton, engineInfoButton, diagnosisButton, actuatorsButton,
                             eraseFaultsButton, liveDataButton})
            if (button)
                button->setEnabled(true);
    if (linkLost(ConnectStep::FunctionsEnabled))
        return;
    endExchange();
}

bool EngineScreen::readFromUnit(Run function, int pause) {
    const RunTickets::Ticket ticket = beginExchange(function);
    resultList->clear();
    ui::setHourglass();
    return exchangeProgress(ticket) && (pause == 0 || exchangeWait(ticket, pause));
}

bool EngineScreen::diagnoseInList(const qint16 &faults, const QString &codeLine,
                                  const std::function<QStringList()> &lines) {
    if (!readFromUnit(Run::Diagnosis, 0))
        return false;
    if (faults == 0) {
        endExchangeWithMessage(ERRORS32::MsgNoFaults);
        return true;
    }
    if (!barHeldByPanel())
        eraseFaultsButton->setEnabled(true);
    listFaults(faults, codeLine, lines());
    endExchange();
    return true;
}

void EngineScreen::recordDiagnosis(const QString &model, const QStringList &faults) {
    history::History::instance().record(MainWindow::menuCaptionOf(setup_.formName), model,
                                        faults.isEmpty() ? QStringLiteral("-")
                                                         : faults.join(QStringLiteral(", ")));
}

void EngineScreen::eraseAndReport(qint16 &faults, const QString &erased) {
    const RunTickets::Ticket ticket = beginExchange(Run::EraseFaults);
    faults = 0;
    if (!exchangeProgress(ticket))
        return;
    appendProgress(QStringLiteral("III"));
    endExchangeWithMessage(erased);
}

LiveRun::End EngineScreen::runLiveCycles(QLabel *bar, int steps, int waitLimit,
                                         const std::function<void(int step)> &showStep) {
    // After the last step of a cycle the bar starts again.
    return liveRun_.runCycles(
        steps, [bar] { bar->clear(); }, showStep,
        [this, waitLimit] { return BusyWait(waitLimit); });
}

void EngineScreen::endExchange() {
    ui::setArrow();
    progressPanel->hide();
}

void EngineScreen::endExchangeWithMessage(const QString &text) {
    endExchange();
    resultList->clear();
    showMessage(text);
}

void EngineScreen::listFaults(int count, const QString &codeLine, const QStringList &lines) {
    resultList->addItem(ERRORS32::MsgFaultsDetected + QString::number(count));
    resultList->addItem(QStringLiteral(" "));
    resultList->addItem(ERRORS32::MsgFaultCode + codeLine);
    resultList->addItems(lines);
}

} // namespace unitlink
