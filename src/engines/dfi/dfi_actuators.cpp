#include "engines/dfi/dfi_actuators.h"

#include "app/errors32.h"
#include "engines/dfi/dfi_actuator_tables.h"
#include "link/cylinder_panel.h"
#include "link/screen_areas.h"
#include "link/timed_bar.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QGroupBox>

using namespace dfi;

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentred = Qt::AlignCenter;
constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

DfiActuators::DfiActuators(unitlink::ScreenHost &host)
    : QObject(host.panelParent()), host_(host), runs_(host) {
    setObjectName(QStringLiteral("DfiActuators"));
    buildActuatorPanel();
    buildCylinderPanel();
}

// ---------------------------------------------------------------------------
// Building the panels

void DfiActuators::buildActuatorPanel() {
    // The safety texts are long: the panel takes the screen's width, over the
    // ButtonBar it keeps disabled.
    actuatorPanel =
        ui::frame(QStringLiteral("Frame5"), ERRORS32::CapActuators, host_.panelParent());
    ui::place(actuatorPanel, unitlink::kWidePanelArea);
    for (int i = 0; i < int(kSelectionButtons.size()); ++i) {
        auto *button = new ui::CommandButton(text(kSelectionButtons[i].name),
                                             text(kSelectionButtons[i].caption), actuatorPanel);
        ui::place(button, 120, 300 + i * 540, 3000, 465);
        connect(button, &QPushButton::clicked, this, [this, i] { select(i); });
        selectionButtons << button;
    }
    testNameLabel = ui::label(QStringLiteral("Label6"), text(kChooseTest), actuatorPanel);
    ui::place(testNameLabel, 3360, 300, 6600, 300);
    QFont bold = testNameLabel->font();
    bold.setBold(true);
    testNameLabel->setFont(bold);
    firstTextLabel = ui::label(QStringLiteral("Label5"), QString(), actuatorPanel);
    firstTextLabel->setWordWrap(true);
    firstTextLabel->setAlignment(kTopLeft);
    ui::place(firstTextLabel, 3360, 720, 6600, 1800);
    secondTextLabel =
        ui::label(QStringLiteral("Label26"), ERRORS32::MsgEngineOffWarning, actuatorPanel);
    secondTextLabel->setWordWrap(true);
    secondTextLabel->setAlignment(kTopLeft);
    ui::place(secondTextLabel, 3360, 2640, 6600, 1440);
    okButton = new ui::CommandButton(QStringLiteral("Command39"), text(kOkCaption), actuatorPanel);
    ui::place(okButton, 3360, 4320, 1440, 420);
    okButton->setEnabled(false);
    exitButton =
        new ui::CommandButton(QStringLiteral("Command18"), ERRORS32::CapExit, actuatorPanel);
    ui::place(exitButton, 8520, 4320, 1440, 420);

    // The TestRunPanel stands over the middle of the actuator panel, over
    // the first text (emptied while a test runs) and clear of the second.
    testRunPanel = ui::frame(QStringLiteral("Frame16"), text(kPerformingTest), actuatorPanel);
    ui::place(testRunPanel, 3240, 1380, 6720, 1200);
    runLabel = ui::label(QStringLiteral("Label10"), QString(), testRunPanel);
    runLabel->setAlignment(kLeft);
    ui::place(runLabel, 120, 330, 6480, 300);
    cancelButton =
        new ui::CommandButton(QStringLiteral("Command43"), text(kCancelCaption), testRunPanel);
    ui::place(cancelButton, 5280, 720, 1320, 375);
    testRunPanel->hide();
    actuatorPanel->hide();

    connect(okButton, &QPushButton::clicked, this, [this] { confirm(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { exitActuatorPanel(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
}

void DfiActuators::buildCylinderPanel() {
    cylinders = new unitlink::CylinderPanel(
        host_, {"Frame15", kCylinderRows, 480, kRowOn, kCylinderExitCaption, kPressStart});
    connect(cylinders, &unitlink::CylinderPanel::startPressed, this, [this] { runCylinderTest(); });
    connect(cylinders, &unitlink::CylinderPanel::exitPressed, this,
            [this] { exitCylinderPanel(); });
}

// ---------------------------------------------------------------------------
// Actuator panel

void DfiActuators::open() {
    runs_.end(); // whatever was left running on these panels ends
    cylinders->panel->hide();
    testRunPanel->hide();
    testNameLabel->setText(text(kChooseTest));
    firstTextLabel->clear();
    secondTextLabel->clear();
    SelectedTest = kNoTest;
    enableSelectionButtons(true);
    exitButton->setEnabled(true);
    okButton->setEnabled(false);
    host_.openPanel(actuatorPanel, exitButton, true);
}

void DfiActuators::select(int index) {
    const SelectionButton &selection = kSelectionButtons[index];
    switch (selection.kind) {
    case TestKind::Nothing:
        return;
    case TestKind::PerCylinder: {
        const CylinderTest *test = cylinderTest(selection.test);
        SelectedTest = selection.test;
        testNameLabel->setText(selectionButtons[index]->text());
        okButton->setEnabled(true);
        firstTextLabel->setText(joined(test->firstText));
        secondTextLabel->setText(joined(test->secondText));
        return;
    }
    case TestKind::Timed:
        SelectedTest = selection.test;
        testNameLabel->setText(selectionButtons[index]->text());
        okButton->setEnabled(true);
        okButton->setText(text(kStartCaption));
        firstTextLabel->setText(text(kPromptLines) + inLanguage(kPressStart));
        return;
    }
}

void DfiActuators::confirm() {
    enableSelectionButtons(false);
    if (cylinderTest(SelectedTest))
        openCylinderPanel();
    else if (SelectedTest != kNoTest)
        runTimedTest();
}

void DfiActuators::runTimedTest() {
    const unitlink::PanelRuns::Wait wait = runs_.begin();
    runLabel->clear();
    firstTextLabel->clear();
    testRunPanel->show();
    testRunPanel->raise();
    cancelButton->setFocus();
    okButton->setEnabled(false);
    exitButton->setEnabled(false);

    if (!unitlink::runTimedBar(runLabel, kLeft, wait))
        return;
    runLabel->setAlignment(kCentred);
    runLabel->setText(ERRORS32::MsgEndProcess);
    ui::setArrow();
    cancelButton->setText(ERRORS32::CapExit);
    ui::focusIfReachable(cancelButton);
}

void DfiActuators::cancel() {
    runs_.end(); // a run still going ends at its next wait
    runLabel->setAlignment(kLeft);
    runLabel->clear();
    testRunPanel->hide();
    testRunPanel->setTitle(text(kPerformingTest));
    okButton->setEnabled(false);
    okButton->setText(text(kOkCaption));
    // Cancel keeps the caption the end of a run gave it.
    backToChooseTest();
}

void DfiActuators::backToChooseTest() {
    testNameLabel->setText(text(kChooseTest));
    firstTextLabel->clear();
    secondTextLabel->clear();
    SelectedTest = kNoTest;
    enableSelectionButtons(true);
    exitButton->setEnabled(true);
    ui::focusIfReachable(exitButton);
}

void DfiActuators::exitActuatorPanel() {
    host_.EnableButtonBar();
    actuatorPanel->hide();
    cylinders->resultLabel->clear();
    host_.focusExit();
}

void DfiActuators::enableSelectionButtons(bool enabled) {
    for (auto *button : selectionButtons)
        button->setEnabled(enabled);
}

ui::CommandButton *DfiActuators::selectionButtonOf(qint16 test) const {
    for (int i = 0; i < int(kSelectionButtons.size()); ++i)
        if (kSelectionButtons[i].test == test)
            return selectionButtons[i];
    return nullptr;
}

// ---------------------------------------------------------------------------
// CylinderPanel

void DfiActuators::openCylinderPanel() {
    const CylinderTest *test = cylinderTest(SelectedTest);
    // The induced-misfire test marks the cylinder it cuts out, the others
    // the one they drive.
    const bool marksCutOut = SelectedTest == kMisfireTest;
    actuatorPanel->hide();
    cylinders->open(selectionButtonOf(SelectedTest)->text(), inLanguage(test->rowWord),
                    text(marksCutOut ? kRowOn : kRowOff), text(marksCutOut ? kRowOff : kRowOn));
    okButton->setEnabled(false);
    exitButton->setEnabled(false);
}

void DfiActuators::runCylinderTest() {
    const unitlink::PanelRuns::Wait wait = runs_.begin();
    cylinders->run(wait);
}

void DfiActuators::exitCylinderPanel() {
    runs_.end(); // a run still going ends at its next wait
    okButton->setEnabled(false);
    for (auto *toggle : std::as_const(cylinders->toggles))
        toggle->setText(text(kRowOn));
    actuatorPanel->show();
    actuatorPanel->raise();
    cylinders->close();
    backToChooseTest();
}
