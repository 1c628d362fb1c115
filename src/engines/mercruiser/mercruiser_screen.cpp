#include "engines/mercruiser/mercruiser_screen.h"

#include "app/errors32.h"
#include "engines/mercruiser/mercruiser_actuator_panel.h"
#include "engines/mercruiser/mercruiser_idle_air_panel.h"
#include "engines/mercruiser/mercruiser_live.h"
#include "engines/mercruiser/mercruiser_location_panel.h"
#include "engines/mercruiser/mercruiser_tachometer_panel.h"
#include "link/bar_orders.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QLocale>

using namespace mercruiser;

namespace {

constexpr int kShortPause = 2;

unitlink::ScreenSetup mercruiserSetup() {
    unitlink::ScreenSetup setup;
    setup.formName = QStringLiteral("Form47");
    setup.windowCaption = QString::fromUtf8(kUnitName);
    setup.unitName = QString::fromUtf8(kUnitName);
    setup.connectSteps = 25;
    setup.seventh = unitlink::ScreenSetup::Seventh::Historic;
    setup.barOrder = unitlink::kFullBarWithHistoric;
    setup.pictureFile = QStringLiteral("mercruiser.jpg");
    setup.pictureTwips = QRect{120, 240, 4890, 1455};
    return setup;
}

// The InfoResultPanel is sized for what it shows: a tall list on the right
// half of the screen, or the R.P.M. grid in the function-panel area.
constexpr QRect kListResultFrame{5040, 120, 5130, 6240};
constexpr QRect kListResultList{120, 300, 4890, 5280};
constexpr QRect kListResultReport{120, 5700, 1440, 420};
constexpr QRect kListResultExit{3570, 5700, 1440, 420};
constexpr QRect kGridResultGrid{240, 360, 3480, 3180};
constexpr QRect kGridResultReport{240, 3600, 1440, 420};
constexpr QRect kGridResultExit{3480, 3600, 1440, 420};

// The fault code of a fault line: the number read from the three characters
// that start at its first digit 1 to 9, blanks skipped. Empty when the line
// has no such digit or starts with it.
QString faultCodeIn(const QString &line) {
    qsizetype start = -1;
    for (qsizetype i = 0; i < line.size(); ++i)
        if (line[i] >= QLatin1Char('1') && line[i] <= QLatin1Char('9')) {
            start = i;
            break;
        }
    if (start <= 0)
        return QString();
    qint64 value = 0;
    for (QChar c : line.mid(start, 3)) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
    }
    return QString::number(value);
}

QString hoursText(double hours) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(hours, 'f', 2);
}

QStringList diagnosisLines(qint16 count) {
    QStringList lines;
    lines << ERRORS32::MsgFaultsDetected + QString::number(count) + QStringLiteral("  ") +
                 inLanguage(kDiagnosisHint);
    lines << QStringLiteral(" ");
    for (const DiagnosedFault &fault : kDiagnosedFaults) {
        lines << ERRORS32::MsgFaultCode + QString::fromUtf8(fault.code) + QStringLiteral("  ") +
                     inLanguage(fault.state);
        lines << inLanguage(fault.description);
        lines << QStringLiteral(" ");
    }
    return lines;
}

QStringList freezeFrameLines() {
    QStringList lines;
    lines << QString::fromUtf8(kFreezeFrameFault);
    lines << QString(kFreezeFrameRuleLength, QLatin1Char('-'));
    for (const FreezeFrameValue &row : kFreezeFrameValues)
        lines << QStringLiteral(" ") + inLanguage(row.name).leftJustified(kFreezeNameWidth) +
                     QString::fromUtf8(row.value).leftJustified(kFreezeValueWidth) +
                     inLanguage(row.unit);
    return lines;
}

QStringList logInfoLines() {
    QStringList lines;
    for (const LogEvent &event : kLogEvents)
        lines << QString::fromUtf8(event.name).leftJustified(kLogNameWidth) +
                     QString::number(event.seconds);
    return lines;
}

} // namespace

LoadedWindow *createMercruiserScreen() {
    return new MercruiserScreen;
}

MercruiserScreen::MercruiserScreen() : EngineScreen(mercruiserSetup()) {
    // Active faults the simulated unit still holds; 0 once they are erased,
    // read out by Historic or cleared by Log Info.
    ActiveFaultCount = 2;
    buildInfoPanels();
    buildFaultPanel();
    buildErasePanel();
    livePanel = new MercruiserLivePanel(*this);
    buildActuatorPanels();

    connect(engineInfoButton, &QPushButton::clicked, this, [this] { openEngineInfo(); });
    connect(diagnosisButton, &QPushButton::clicked, this, [this] { diagnose(); });
    connect(seventhButton, &QPushButton::clicked, this, [this] { readHistoric(); });
    connect(eraseFaultsButton, &QPushButton::clicked, this, [this] { openErase(); });
    connect(resultList, &ui::ListBox::itemChosen, this,
            [this](QListWidgetItem *item) { openFaultDetail(item); });
    connect(liveDataButton, &QPushButton::clicked, livePanel,
            [panel = livePanel] { panel->open(); });
    connect(actuatorsButton, &QPushButton::clicked, actuatorPanel,
            [this] { actuatorPanel->open(); });

    finishLoad();
}

void MercruiserScreen::buildInfoPanels() {
    const QRect area = unitlink::kPanelArea;
    infoPanel =
        ui::frame(QStringLiteral("Frame13"), ERRORS32::CapEngine + QStringLiteral(" Info"), this);
    ui::place(infoPanel, area);
    for (int i = 0; i < int(infoOptions.size()); ++i) {
        infoOptions[i] = ui::option(ui::indexedName(QStringLiteral("Option1"), i),
                                    QString::fromUtf8(kInfoOptions[i]), infoPanel);
        ui::place(infoOptions[i], 240 + i * 1560, 600, 1500, 315);
    }
    infoReadButton =
        new ui::CommandButton(QStringLiteral("Command21"), QStringLiteral("Read"), infoPanel);
    ui::place(infoReadButton, 240, 3600, 1440, 420);
    infoExitButton =
        new ui::CommandButton(QStringLiteral("Command10"), ERRORS32::CapExit, infoPanel);
    ui::place(infoExitButton, 3480, 3600, 1440, 420);
    infoPanel->hide();

    infoResultPanel =
        ui::frame(QStringLiteral("Frame15"), QString::fromUtf8(kInfoResultCaption), this);
    ui::place(infoResultPanel, area);
    infoResultList = ui::listBox(QStringLiteral("List3"), infoResultPanel);
    rpmGrid = new ui::Grid(infoResultPanel);
    rpmGrid->setObjectName(QStringLiteral("MSFlexGrid2"));
    rpmGrid->hide();
    infoReportButton =
        new ui::CommandButton(QStringLiteral("Command44"), ERRORS32::CapReports, infoResultPanel);
    infoReportButton->hide();
    // This Exit keeps its design caption in every language.
    infoResultExitButton =
        new ui::CommandButton(QStringLiteral("Command36"), QStringLiteral("Exit"), infoResultPanel);
    infoResultPanel->hide();

    connect(infoReadButton, &QPushButton::clicked, this, [this] { readEngineInfo(); });
    connect(infoExitButton, &QPushButton::clicked, this, [this] { closePanel(infoPanel); });
    connect(infoResultExitButton, &QPushButton::clicked, this, [this] { closeInfoResult(); });
    connect(infoReportButton, &QPushButton::clicked, this, [this] { showNotAvailable(); });
}

void MercruiserScreen::buildFaultPanel() {
    faultPanel = ui::frame(QStringLiteral("Frame16"), QString(), this);
    ui::place(faultPanel, unitlink::kPanelArea);
    explanationHeading = ui::label(QStringLiteral("Label20"), QString(), faultPanel);
    ui::place(explanationHeading, 240, 300, 4650, 255);
    explanationLabel = ui::label(QStringLiteral("Label21"), QString(), faultPanel);
    explanationLabel->setWordWrap(true);
    explanationLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::place(explanationLabel, 240, 600, 4650, 1440);
    rootCauseHeading = ui::label(QStringLiteral("Label22"), QString(), faultPanel);
    ui::place(rootCauseHeading, 240, 2100, 4650, 255);
    rootCauseLabel = ui::label(QStringLiteral("Label23"), QString(), faultPanel);
    rootCauseLabel->setWordWrap(true);
    rootCauseLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::place(rootCauseLabel, 240, 2400, 4650, 1080);
    noteHeading = ui::label(QStringLiteral("Label24"), QString::fromUtf8(kNoteHeading), faultPanel);
    ui::place(noteHeading, 240, 3600, 720, 255);
    noteHeading->hide();
    noteLabel = ui::label(QStringLiteral("Label25"), QString(), faultPanel);
    ui::place(noteLabel, 960, 3600, 2400, 420);
    noteLabel->hide();
    faultExitButton =
        new ui::CommandButton(QStringLiteral("Command45"), ERRORS32::CapExit, faultPanel);
    ui::place(faultExitButton, 3480, 3600, 1440, 420);
    faultPanel->hide();

    connect(faultExitButton, &QPushButton::clicked, this, [this] { closeFaultDetail(); });
}

void MercruiserScreen::buildErasePanel() {
    erasePanel = ui::frame(QStringLiteral("Frame17"), QString(), this);
    ui::place(erasePanel, unitlink::kPanelArea);
    for (int i = 0; i < int(eraseOptions.size()); ++i) {
        eraseOptions[i] =
            ui::option(ui::indexedName(QStringLiteral("Option2"), i),
                       QString::fromUtf8(kEraseOptions[i].caption.english), erasePanel);
        ui::place(eraseOptions[i], 240, 600 + i * 480, 4650, 315);
    }
    eraseOkButton =
        new ui::CommandButton(QStringLiteral("Command47"), QStringLiteral("Ok"), erasePanel);
    ui::place(eraseOkButton, 240, 3600, 1440, 420);
    eraseExitButton =
        new ui::CommandButton(QStringLiteral("Command48"), ERRORS32::CapExit, erasePanel);
    ui::place(eraseExitButton, 3480, 3600, 1440, 420);
    erasePanel->hide();

    connect(eraseOkButton, &QPushButton::clicked, this, [this] { eraseSelected(); });
    connect(eraseExitButton, &QPushButton::clicked, this, [this] { closePanel(erasePanel); });
}

void MercruiserScreen::buildActuatorPanels() {
    // Built in this order, the frames keep their Tab and stacking order.
    actuatorPanel = new MercruiserActuatorPanel(*this);
    idleAirPanel = new MercruiserIdleAirPanel(*this);
    tachometerPanel = new MercruiserTachometerPanel(*this);
    locationPanel = new MercruiserLocationPanel(*this);

    // A test panel opened from the ActuatorPanel takes its place; the test
    // panel's Exit ends the actuator tests.
    connect(actuatorPanel, &MercruiserActuatorPanel::idleAirStarted, idleAirPanel,
            &MercruiserIdleAirPanel::open);
    connect(actuatorPanel, &MercruiserActuatorPanel::tachometerChosen, tachometerPanel,
            &MercruiserTachometerPanel::open);
    connect(actuatorPanel, &MercruiserActuatorPanel::locationChosen, locationPanel,
            &MercruiserLocationPanel::open);
    connect(idleAirPanel, &MercruiserIdleAirPanel::takingOver, actuatorPanel,
            &MercruiserActuatorPanel::giveWay);
    connect(tachometerPanel, &MercruiserTachometerPanel::takingOver, actuatorPanel,
            &MercruiserActuatorPanel::giveWay);
    connect(locationPanel, &MercruiserLocationPanel::takingOver, actuatorPanel,
            &MercruiserActuatorPanel::giveWay);
    connect(idleAirPanel, &MercruiserIdleAirPanel::closing, actuatorPanel,
            &MercruiserActuatorPanel::close);
    connect(locationPanel, &MercruiserLocationPanel::closing, actuatorPanel,
            &MercruiserActuatorPanel::close);
    // The tachometer's Exit also empties the warning of a test chosen before it.
    connect(tachometerPanel, &MercruiserTachometerPanel::closing, actuatorPanel,
            [panel = actuatorPanel] {
                panel->close();
                panel->clearWarning();
            });
}

QStringList MercruiserScreen::identificationLines() const {
    QStringList lines;
    for (const char *line : kIdentificationLines)
        lines << QString::fromUtf8(line);
    return lines;
}

// ---- Engine Info ----------------------------------------------------------

void MercruiserScreen::openEngineInfo() {
    DetailLock = 1;
    infoOptions[0]->setChecked(true);
    openPanel(infoPanel, infoExitButton);
}

void MercruiserScreen::readEngineInfo() {
    infoPanel->hide();
    if (infoOptions[1]->isChecked())
        readRpmInfo();
    else if (infoOptions[2]->isChecked())
        readLogInfo();
    else
        showSystemInfo();
}

void MercruiserScreen::showSystemInfo() {
    infoResultList->clear();
    for (const char *line : kSystemInfoLines)
        infoResultList->addItem(QString::fromUtf8(line));
    showInfoResult(Reading::List, false);
    DisableButtonBar();
}

void MercruiserScreen::readRpmInfo() {
    if (!readFromUnit(unitlink::Run::RpmInfo, kShortPause))
        return;
    ui::setArrow();
    rpmGrid->setCols(kRpmGridCols);
    rpmGrid->setRows(kRpmGridRows);
    rpmGrid->setFixedRows(1);
    for (int col = 0; col < kRpmGridCols; ++col)
        rpmGrid->setColWidth(col, kRpmColWidths[col]);
    rpmGrid->setCell(0, 0, QString::fromUtf8(kRpmHeading));
    rpmGrid->setCell(0, 1, ERRORS32::CapHours);
    for (int i = 0; i < int(kRpmBands.size()); ++i) {
        rpmGrid->setCell(i + 1, 0, QString::fromUtf8(kRpmBands[i].label));
        rpmGrid->setCell(i + 1, 1, hoursText(kRpmBands[i].hours));
    }
    progressPanel->hide();
    showInfoResult(Reading::Grid, true);
    DisableButtonBar();
}

void MercruiserScreen::readLogInfo() {
    ActiveFaultCount = 0;
    if (!readFromUnit(unitlink::Run::LogInfo, kShortPause))
        return;
    ui::setArrow();
    // Normally empty already (the panel's Exit clears it), but a System Info
    // shown while this reading waited may have filled it.
    infoResultList->clear();
    infoResultList->addItems(logInfoLines());
    infoResultPanel->setTitle(inLanguage(kLogInfoCaption));
    progressPanel->hide();
    showInfoResult(Reading::List, true);
    DisableButtonBar();
}

void MercruiserScreen::showInfoResult(Reading reading, bool report) {
    if (reading == Reading::Grid) {
        ui::place(infoResultPanel, unitlink::kPanelArea);
        ui::place(rpmGrid, kGridResultGrid);
        ui::place(infoReportButton, kGridResultReport);
        ui::place(infoResultExitButton, kGridResultExit);
    } else {
        ui::place(infoResultPanel, kListResultFrame);
        ui::place(infoResultList, kListResultList);
        ui::place(infoReportButton, kListResultReport);
        ui::place(infoResultExitButton, kListResultExit);
    }
    rpmGrid->setVisible(reading == Reading::Grid);
    infoResultList->setVisible(reading == Reading::List);
    infoReportButton->setVisible(report);
    infoResultPanel->show();
    infoResultPanel->raise();
    ui::focusIfReachable(infoResultExitButton);
}

void MercruiserScreen::closeInfoResult() {
    infoResultPanel->hide();
    infoReportButton->hide();
    infoResultList->clear();
    EnableButtonBar();
    focusExit();
}

// ---- Faults ---------------------------------------------------------------

void MercruiserScreen::diagnose() {
    if (!readFromUnit(unitlink::Run::Diagnosis, kShortPause))
        return;
    appendProgress(QStringLiteral("III"));
    ui::setArrow();
    if (ActiveFaultCount != 0) {
        resultList->addItems(diagnosisLines(ActiveFaultCount));
        progressPanel->hide();
        focusExit();
        QStringList codes;
        for (const DiagnosedFault &fault : kDiagnosedFaults)
            codes << QString::fromUtf8(fault.code);
        recordDiagnosis(QString::fromUtf8(kIdentificationLines[1]), codes);
        return;
    }
    progressPanel->hide();
    resultList->clear();
    showMessage(ERRORS32::MsgNoFaults);
    recordDiagnosis(QString::fromUtf8(kIdentificationLines[1]), {});
}

void MercruiserScreen::openFaultDetail(QListWidgetItem *item) {
    if (DetailLock == 1 || !item)
        return;
    explanationLabel->clear();
    rootCauseLabel->clear();
    if (resultList->row(item) == 0)
        return;
    const QString code = faultCodeIn(item->text());
    if (code.isEmpty())
        return;
    for (const FaultExplanation &fault : kFaultExplanations) {
        if (QString::number(fault.code) != code)
            continue;
        // A language without a second explanation line shows none, rather
        // than the line an earlier fault left in its slot.
        FaultTextSlots[1] = inLanguage(fault.explanation1);
        FaultTextSlots[2] = inLanguage(fault.explanation2);
        FaultTextSlots[7] = inLanguage(fault.rootCause1);
        FaultTextSlots[8] = inLanguage(fault.rootCause2);
    }
    stopLiveRun();
    explanationHeading->setText(inLanguage(kExplanationHeading));
    rootCauseHeading->setText(inLanguage(kRootCauseHeading));
    faultPanel->setTitle(ERRORS32::MsgFaultCode + code);
    // A panel that already holds the ButtonBar keeps it when this one closes.
    if (!faultPanel->isVisible())
        faultPanelTookBar_ = !barHeldByPanel();
    faultPanel->show();
    faultPanel->raise();
    ui::focusIfReachable(faultExitButton);
    QString explanation;
    for (int slot = 1; slot <= 6; ++slot)
        explanation += FaultTextSlots[slot] + QLatin1Char('\r');
    explanationLabel->setText(explanation);
    QString rootCause;
    for (int slot = 7; slot <= 12; ++slot)
        rootCause += FaultTextSlots[slot] + QLatin1Char('\r');
    rootCauseLabel->setText(rootCause);
    DisableButtonBar();
    noteHeading->hide();
    noteLabel->hide();
}

void MercruiserScreen::closeFaultDetail() {
    if (faultPanelTookBar_)
        EnableButtonBar();
    faultPanel->hide();
    explanationLabel->clear();
    faultPanel->setTitle(QString());
    focusExit();
}

void MercruiserScreen::readHistoric() {
    DetailLock = 1;
    const auto ticket = beginExchange(unitlink::Run::Historic);
    resultList->clear();
    resultList->setFont(ui::fixedFont());
    ui::setHourglass();
    if (!exchangeProgress(ticket))
        return;
    resultList->addItem(inLanguage(kFreezeFrameHeader));
    resultList->addItem(QStringLiteral(" "));
    if (!exchangeWait(ticket, kShortPause))
        return;
    appendProgress(QStringLiteral("I"));
    resultList->addItems(freezeFrameLines());
    ActiveFaultCount = 0;
    appendProgress(QStringLiteral("IIIII"));
    resultList->addItem(QStringLiteral(" "));
    ui::setArrow();
    // A panel opened during the reading keeps the ButtonBar disabled.
    if (!barHeldByPanel())
        EnableButtonBar();
    appendProgress(QStringLiteral("III"));
    progressPanel->hide();
}

void MercruiserScreen::openErase() {
    DetailLock = 1;
    erasePanel->setTitle(inLanguage(kEraseCaption));
    for (int i = 0; i < int(eraseOptions.size()); ++i)
        eraseOptions[i]->setText(inLanguage(kEraseOptions[i].caption));
    eraseOptions[0]->setChecked(true);
    openPanel(erasePanel, eraseExitButton);
}

void MercruiserScreen::eraseSelected() {
    int option = 0;
    for (int i = 0; i < int(eraseOptions.size()); ++i)
        if (eraseOptions[i]->isChecked())
            option = i;
    erasePanel->hide();
    const EraseOption &erased = kEraseOptions[option];
    eraseAndReport(ActiveFaultCount, erased.catalogueMessage ? *erased.catalogueMessage
                                                             : QString::fromUtf8(erased.message));
}
