#include "engines/dfi/dfi_screen.h"

#include "app/errors32.h"
#include "engines/dfi/dfi_actuators.h"
#include "engines/dfi/dfi_live.h"
#include "engines/dfi/dfi_tables.h"
#include "link/bar_orders.h"
#include "link/number_text.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/messagebox.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QScrollBar>
#include <QStyle>

using namespace dfi;

namespace {

constexpr int kShortPause = 2;

unitlink::ScreenSetup dfiSetup() {
    unitlink::ScreenSetup setup;
    setup.formName = QStringLiteral("Form46");
    setup.windowCaption = QString::fromUtf8(kUnitName);
    setup.unitName = QString::fromUtf8(kUnitName);
    setup.connectSteps = 25;
    setup.seventh = unitlink::ScreenSetup::Seventh::Historic;
    setup.barOrder = unitlink::kFullBarWithHistoric;
    setup.pictureFile = QStringLiteral("dfi.jpg");
    setup.pictureTwips = QRect{120, 240, 4935, 1455};
    // The MessagePanel never holds the ButtonBar on this screen.
    setup.messageExitEnablesBar = false;
    return setup;
}

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

// The InfoResultPanel is laid out for the reading it shows. System Info's
// list is too tall for the function-panel area: it takes the right half of
// the screen, over the identification panel as well, so that all its lines
// show. R.P.M. Info's grid fits below the identification panel.
constexpr int kInfoResultLeft = 5040;
constexpr int kInfoResultWidth = 5130;
constexpr QRect kSystemInfoFrame{kInfoResultLeft, 120, kInfoResultWidth, 6120};
constexpr QRect kSystemInfoList{120, 300, 4890, 5220};
constexpr int kSystemInfoExitTop = 5640;
constexpr QRect kRpmInfoFrame{kInfoResultLeft, 2040, kInfoResultWidth, 3800};
constexpr int kRpmInfoTop = 3300; // Exit and Erase
constexpr int kRpmInfoExitLeft = 120;
constexpr int kInfoExitRestLeft = 1200; // where Exit goes back to
constexpr QSize kInfoButton{1440, 375};

// Historic's counters do not all fit the wide panel area: the panel covers
// the whole ButtonBar, which it keeps disabled, and the identification panel.
constexpr QRect kHistoricArea{120, 120, 10080, 6840};

// A grid sized to show every column and its first visibleRows rows; it
// scrolls when it has more.
void fitGrid(ui::Grid *grid, int visibleRows) {
    const bool scrolls = visibleRows < grid->rowCount();
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    int width = 2 * grid->frameWidth();
    for (int col = 0; col < grid->columnCount(); ++col)
        width += grid->columnWidth(col);
    if (scrolls)
        width += grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    int height = 2 * grid->frameWidth();
    for (int row = 0; row < visibleRows; ++row)
        height += grid->rowHeight(row);
    grid->resize(width, height);
}

} // namespace

LoadedWindow *createDfiScreen() {
    return new DfiScreen;
}

DfiScreen::DfiScreen() : EngineScreen(dfiSetup()) {
    // Active faults the simulated unit holds; 0 once they are erased or the
    // R.P.M. Info has been read.
    ActiveFaultCount = 2;
    buildInfoPanels();
    buildHistoricPanel();
    buildHelpPanel();
    buildVehiclePanel();
    livePanel = new DfiLivePanel(*this);
    actuators = new DfiActuators(*this);

    connect(diagnosisButton, &QPushButton::clicked, this, [this] { diagnose(); });
    connect(eraseFaultsButton, &QPushButton::clicked, this, [this] { eraseFaults(); });
    connect(engineInfoButton, &QPushButton::clicked, this, [this] { openEngineInfo(); });
    connect(seventhButton, &QPushButton::clicked, this, [this] { readHistoric(); });
    connect(helpButton, &QPushButton::clicked, this,
            [this] { openPanel(helpPanel, helpExitButton, false); });
    connect(liveDataButton, &QPushButton::clicked, livePanel,
            [panel = livePanel] { panel->open(); });
    connect(actuatorsButton, &QPushButton::clicked, actuators,
            [panel = actuators] { panel->open(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { openVehicleData(); });
    connect(reportButton, &QPushButton::clicked, this, [this] { openVehicleData(); });

    finishLoad();
}

void DfiScreen::buildInfoPanels() {
    const QRect area = unitlink::kPanelArea;
    infoChoicePanel = ui::frame(QStringLiteral("Frame13"), text(kInfoCaption), this);
    ui::place(infoChoicePanel, area);
    for (int i = 0; i < int(infoOptions.size()); ++i) {
        infoOptions[i] = ui::option(ui::indexedName(QStringLiteral("Option1"), i),
                                    text(kInfoOptions[i]), infoChoicePanel);
        ui::place(infoOptions[i], 240 + i * 2400, 600, 2280, 315);
    }
    infoReadButton =
        new ui::CommandButton(QStringLiteral("Command38"), text(kReadCaption), infoChoicePanel);
    ui::place(infoReadButton, 240, 3600, 1440, 420);
    infoChoiceExitButton =
        new ui::CommandButton(QStringLiteral("Command10"), text(kInfoExitCaption), infoChoicePanel);
    ui::place(infoChoiceExitButton, 3480, 3600, 1440, 420);
    infoChoicePanel->hide();

    infoResultPanel = ui::frame(QStringLiteral("Frame11"), text(kInfoCaption), this);
    ui::place(infoResultPanel, kSystemInfoFrame);
    infoList = ui::listBox(QStringLiteral("List3"), infoResultPanel);
    infoList->setFont(ui::fixedFont());
    ui::place(infoList, kSystemInfoList);
    rpmGrid = new ui::Grid(infoResultPanel);
    rpmGrid->setObjectName(QStringLiteral("MSFlexGrid3"));
    rpmGrid->move(ui::pixels(240), ui::pixels(360));
    rpmGrid->hide();
    infoEraseButton = new ui::CommandButton(QStringLiteral("Command44"), text(kInfoEraseCaption),
                                            infoResultPanel);
    ui::place(infoEraseButton, 3570, kRpmInfoTop, kInfoButton.width(), kInfoButton.height());
    infoEraseButton->hide();
    infoResultExitButton =
        new ui::CommandButton(QStringLiteral("Command36"), text(kInfoExitCaption), infoResultPanel);
    ui::place(infoResultExitButton, kInfoExitRestLeft, kSystemInfoExitTop, kInfoButton.width(),
              kInfoButton.height());
    infoNoteLabel = ui::label(QStringLiteral("Label11"), QString(), infoResultPanel);
    ui::place(infoNoteLabel, 1680, kRpmInfoTop, 1800, 375);
    infoNoteLabel->hide();
    infoResultPanel->hide();

    connect(infoReadButton, &QPushButton::clicked, this, [this] { readEngineInfo(); });
    connect(infoChoiceExitButton, &QPushButton::clicked, this,
            [this] { closePanel(infoChoicePanel); });
    connect(infoEraseButton, &QPushButton::clicked, this,
            [this] { ui::messageBox(this, text(kDemonstrationOnly)); });
    connect(infoResultExitButton, &QPushButton::clicked, this, [this] { closeInfoResult(); });
}

void DfiScreen::buildHistoricPanel() {
    const QRect area = kHistoricArea;
    historicPanel = ui::frame(QStringLiteral("Frame12"), text(kHistoricCaption), this);
    ui::place(historicPanel, area);
    historicGrid = new ui::Grid(historicPanel);
    historicGrid->setObjectName(QStringLiteral("MSFlexGrid2"));
    historicGrid->move(ui::pixels(240), ui::pixels(360));
    historicExitButton =
        new ui::CommandButton(QStringLiteral("Command37"), text(kInfoExitCaption), historicPanel);
    ui::place(historicExitButton, area.width() - 1680, area.height() - 600, 1440, 420);
    historicPanel->hide();

    connect(historicExitButton, &QPushButton::clicked, this, [this] { closeHistoric(); });
}

void DfiScreen::buildHelpPanel() {
    helpPanel = ui::frame(QStringLiteral("Frame8"), ERRORS32::CapHelp, this);
    ui::place(helpPanel, unitlink::kPanelArea);
    helpLabel = ui::label(QStringLiteral("Label29"), ERRORS32::MsgSupplyVoltageHelp, helpPanel);
    helpLabel->setWordWrap(true);
    helpLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::place(helpLabel, 240, 360, 4650, 3000);
    helpExitButton =
        new ui::CommandButton(QStringLiteral("Command16"), ERRORS32::CapExit, helpPanel);
    ui::place(helpExitButton, 3480, 3600, 1440, 420);
    helpPanel->hide();

    connect(helpExitButton, &QPushButton::clicked, this, [this] {
        helpPanel->hide();
        focusExit();
    });
}

void DfiScreen::buildVehiclePanel() {
    vehiclePanel = ui::frame(QStringLiteral("Frame4"), ERRORS32::CapVehicleData, this);
    ui::place(vehiclePanel, unitlink::kPanelArea);
    const QString labelNames[4] = {QStringLiteral("Label2"), QStringLiteral("Label3"),
                                   QStringLiteral("Label4"), QStringLiteral("Label12")};
    const QString captions[4] = {text(kVehicleModelLabel), ERRORS32::CapPlates, ERRORS32::CapOwner,
                                 text(kNoteLabel)};
    for (int i = 0; i < 4; ++i) {
        const int top = 360 + i * 840;
        vehicleLabels[i] = ui::label(labelNames[i], captions[i], vehiclePanel);
        ui::place(vehicleLabels[i], 240, top, 4650, 285);
        vehicleBoxes[i] = new ui::TextBox(QStringLiteral("Text%1").arg(i + 1), vehiclePanel);
        ui::place(vehicleBoxes[i], 240, top + 315, 4650, 360);
        // A screen reader names the box by its label.
        vehicleLabels[i]->setBuddy(vehicleBoxes[i]);
        connect(vehicleBoxes[i], &ui::TextBox::enterPressed, this, [this, i] { vehicleEnter(i); });
        connect(vehicleBoxes[i], &ui::TextBox::escapePressed, this,
                [this, i] { vehicleEscape(i); });
    }
    vehiclePanel->hide();
}

QStringList DfiScreen::identificationLines() const {
    QStringList lines;
    for (const char *line : kIdentificationLines)
        lines << text(line);
    return lines;
}

QString DfiScreen::identificationCaption() const {
    return text(kConnectedUnitName);
}

// ---- Faults ---------------------------------------------------------------

void DfiScreen::diagnose() {
    if (!readFromUnit(unitlink::Run::Diagnosis, kShortPause))
        return;
    appendProgress(QStringLiteral("III"));
    ui::setArrow();
    if (ActiveFaultCount == 0) {
        progressPanel->hide();
        resultList->clear();
        showMessage(ERRORS32::MsgNoFaults);
        recordDiagnosis(text(kIdentificationLines[1]), {});
        return;
    }
    resultList->addItem(ERRORS32::MsgFaultsDetected + QString::number(ActiveFaultCount));
    resultList->addItem(QStringLiteral(" "));
    progressPanel->hide();
    for (int i = 0; i < int(kDiagnosedFaults.size()); ++i) {
        const DiagnosedFault &fault = kDiagnosedFaults[i];
        if (i > 0)
            resultList->addItem(QStringLiteral(" "));
        resultList->addItem(ERRORS32::MsgFaultCode + text(fault.code) + QStringLiteral("  ") +
                            inLanguage(fault.state));
        resultList->addItem(inLanguage(fault.description));
    }
    resultList->addItem(QStringLiteral(" "));
    focusExit();
    QStringList codes;
    for (const DiagnosedFault &fault : kDiagnosedFaults)
        codes << text(fault.code);
    recordDiagnosis(text(kIdentificationLines[1]), codes);
}

void DfiScreen::eraseFaults() {
    eraseAndReport(ActiveFaultCount);
}

// ---- Engine Info ----------------------------------------------------------

void DfiScreen::openEngineInfo() {
    infoOptions[0]->setChecked(true);
    openPanel(infoChoicePanel, infoChoiceExitButton);
}

void DfiScreen::readEngineInfo() {
    infoChoicePanel->hide();
    if (infoOptions[1]->isChecked())
        readRpmInfo();
    else
        showSystemInfo();
}

void DfiScreen::showSystemInfo() {
    infoList->clear();
    for (const char *line : kSystemInfoLines)
        infoList->addItem(text(line));
    infoResultExitButton->move(infoResultExitButton->x(), ui::pixels(kSystemInfoExitTop));
    ui::place(infoResultPanel, kSystemInfoFrame);
    rpmGrid->hide();
    infoList->show();
    openPanel(infoResultPanel, infoResultExitButton);
}

void DfiScreen::readRpmInfo() {
    ActiveFaultCount = 0;
    if (!readFromUnit(unitlink::Run::RpmInfo, kShortPause))
        return;
    appendProgress(QStringLiteral("III"));
    for (auto *button : {seventhButton, engineInfoButton, diagnosisButton, actuatorsButton,
                         eraseFaultsButton, liveDataButton})
        button->setEnabled(true);
    ui::setArrow();

    rpmGrid->setCols(kRpmGridCols);
    rpmGrid->setRows(kRpmGridRows);
    rpmGrid->setFixedRows(1);
    rpmGrid->setCell(0, 0, text(kRpmHeading));
    rpmGrid->setCell(0, 1, ERRORS32::CapHours);
    for (int col = 0; col < kRpmGridCols; ++col)
        rpmGrid->setColWidth(col, kRpmColWidths[col]);
    rpmGrid->setColAlignment(0, ui::Grid::Align::Left);
    for (int i = 0; i < int(kRpmBands.size()); ++i) {
        rpmGrid->setCell(i + 1, 0, text(kRpmBands[i].label));
        rpmGrid->setCell(i + 1, 1, unitlink::fixedDecimalsText(kRpmBands[i].hours, 2));
    }
    fitGrid(rpmGrid, kRpmGridRows);

    infoList->hide();
    rpmGrid->show();
    infoResultExitButton->move(ui::pixels(kRpmInfoExitLeft), ui::pixels(kRpmInfoTop));
    ui::place(infoResultPanel, kRpmInfoFrame);
    infoEraseButton->move(infoEraseButton->x(), ui::pixels(kRpmInfoTop));
    infoEraseButton->show();
    // A panel left open in the function-panel area would stick out below it.
    openPanel(infoResultPanel, infoResultExitButton);
    progressPanel->hide();
}

void DfiScreen::closeInfoResult() {
    infoResultPanel->hide();
    infoNoteLabel->clear();
    infoNoteLabel->hide();
    infoEraseButton->hide();
    infoResultExitButton->move(ui::pixels(kInfoExitRestLeft), infoResultExitButton->y());
    infoList->clear();
    EnableButtonBar();
    focusExit();
}

// ---- Historic -------------------------------------------------------------

void DfiScreen::readHistoric() {
    if (!readFromUnit(unitlink::Run::Historic, kShortPause))
        return;
    historicGrid->setCols(kHistoricGridCols);
    historicGrid->setRows(kHistoricGridRows);
    historicGrid->setFixedRows(1);
    for (int col = 0; col < kHistoricGridCols; ++col) {
        historicGrid->setCell(0, col, text(kHistoricHeading[col]));
        historicGrid->setColWidth(col, kHistoricColWidths[col]);
    }
    // The heading and every counter; the empty rows under them scroll.
    fitGrid(historicGrid, 1 + int(kHistoricCounters.size()));
    appendProgress(QStringLiteral("III"));
    for (int i = 0; i < int(kHistoricCounters.size()); ++i) {
        historicGrid->setCell(i + 1, 0, inLanguage(kHistoricCounters[i].name));
        historicGrid->setCell(i + 1, 1, text(kHistoricCounters[i].count));
    }
    historicPanel->show();
    historicPanel->raise();
    progressPanel->hide();
    ui::focusIfReachable(historicExitButton);
    DisableButtonBar();
    ui::setArrow();
}

void DfiScreen::closeHistoric() {
    historicPanel->hide();
    for (int row = 1; row < historicGrid->rowCount(); ++row)
        for (int col = 0; col < historicGrid->columnCount(); ++col)
            historicGrid->setCell(row, col, QString());
    EnableButtonBar();
    focusExit();
}

// ---- Vehicle data (Save, Report) ------------------------------------------

void DfiScreen::openVehicleData() {
    openPanel(vehiclePanel, vehicleBoxes[0], false);
}

void DfiScreen::vehicleEnter(int box) {
    if (box + 1 < int(vehicleBoxes.size()))
        ui::focusIfReachable(vehicleBoxes[box + 1]);
    else
        closeVehicleData(true);
}

void DfiScreen::vehicleEscape(int box) {
    if (box == 0) {
        vehiclePanel->hide();
        vehicleBoxes[0]->clear();
        focusExit();
        return;
    }
    closeVehicleData(true);
}

void DfiScreen::closeVehicleData(bool emptyAll) {
    vehiclePanel->hide();
    if (emptyAll)
        for (auto *box : vehicleBoxes)
            box->clear();
    focusExit();
}
