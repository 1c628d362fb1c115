#include "engines/mercruiser/mercruiser_actuator_panel.h"

#include "app/errors32.h"
#include "link/cylinder_panel.h"
#include "link/screen_areas.h"
#include "link/timed_test_panel.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/twips.h"

using namespace mercruiser;

namespace {

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

MercruiserActuatorPanel::MercruiserActuatorPanel(unitlink::ScreenHost &host)
    : QObject(host.panelParent()), host_(host), runs_(host) {
    setObjectName(QStringLiteral("MercruiserActuatorPanel"));
    buildActuatorPanel();
    buildCylinderPanel();
}

void MercruiserActuatorPanel::buildActuatorPanel() {
    // The test texts are long: the panel takes the screen's width, over the
    // ButtonBar it keeps disabled.
    const QRect area = unitlink::kWidePanelArea;
    actuatorPanel_ =
        ui::frame(QStringLiteral("Frame5"), ERRORS32::CapActuators, host_.panelParent());
    ui::place(actuatorPanel_, area);

    for (int i = 0; i < int(kTestButtons.size()); ++i) {
        const TestButton &test = kTestButtons[i];
        auto *button = new ui::CommandButton(text(test.name), *test.caption, actuatorPanel_);
        ui::place(button, 120, 300 + i * 540, 3000, 465);
        connect(button, &QPushButton::clicked, this, [this, i] { chooseTest(i); });
        testButtons_ << button;
    }
    titleLabel_ = ui::label(QStringLiteral("Label6"), text(kChooseTest), actuatorPanel_);
    ui::place(titleLabel_, 3360, 300, 6600, 300);
    QFont bold = titleLabel_->font();
    bold.setBold(true);
    titleLabel_->setFont(bold);
    instructionLabel_ = ui::label(QStringLiteral("Label5"), QString(), actuatorPanel_);
    instructionLabel_->setWordWrap(true);
    instructionLabel_->setAlignment(kTopLeft);
    ui::place(instructionLabel_, 3360, 720, 6600, 1800);
    warningLabel_ = ui::label(QStringLiteral("Label26"), QString(), actuatorPanel_);
    warningLabel_->setWordWrap(true);
    warningLabel_->setAlignment(kTopLeft);
    ui::place(warningLabel_, 3360, 2640, 6600, 1440);
    startButton_ =
        new ui::CommandButton(QStringLiteral("Command39"), text(kOkCaption), actuatorPanel_);
    ui::place(startButton_, 3360, 4320, 1440, 420);
    startButton_->setEnabled(false);
    exitButton_ =
        new ui::CommandButton(QStringLiteral("Command18"), ERRORS32::CapExit, actuatorPanel_);
    ui::place(exitButton_, 8520, 4320, 1440, 420);

    // The PerformingTestPanel stands over the middle of the ActuatorPanel.
    performing_ = new unitlink::TimedTestPanel(actuatorPanel_, QStringLiteral("Frame21"),
                                               {3240, 1500, 6720, 1200});
    actuatorPanel_->hide();

    connect(startButton_, &QPushButton::clicked, this, [this] { start(); });
    connect(exitButton_, &QPushButton::clicked, this, [this] { exitActuatorPanel(); });
    connect(performing_, &unitlink::TimedTestPanel::cancelPressed, this, [this] { cancel(); });
}

void MercruiserActuatorPanel::buildCylinderPanel() {
    cylinders_ = new unitlink::CylinderPanel(
        host_, {"Frame20", kCylinderRows, 420, kRowOff, kExitCaption, kPressStart});
    connect(cylinders_, &unitlink::CylinderPanel::startPressed, this,
            [this] { runCylinderTest(); });
    connect(cylinders_, &unitlink::CylinderPanel::exitPressed, this,
            [this] { exitCylinderPanel(); });
}

// ---------------------------------------------------------------------------
// ActuatorPanel

void MercruiserActuatorPanel::open() {
    // A test left running on these panels ends (the skeleton has already
    // stopped a running live display: Actuators is a ButtonBar function).
    runs_.end();
    cylinders_->panel->hide();
    performing_->panel->hide();
    titleLabel_->setText(text(kChooseTest));
    instructionLabel_->clear();
    warningLabel_->clear();
    testCode_ = kNoTest;
    // Whatever the last test left behind, the panel opens ready to choose:
    // the seven tests and Exit usable, Start waiting for a choice.
    enableTestButtons(true);
    exitButton_->setEnabled(true);
    startButton_->setEnabled(false);
    startButton_->setText(text(kOkCaption));
    host_.openPanel(actuatorPanel_, exitButton_, true);
}

void MercruiserActuatorPanel::giveWay() {
    actuatorPanel_->hide();
}

void MercruiserActuatorPanel::close() {
    actuatorPanel_->hide();
    cylinders_->resultLabel->clear();
}

void MercruiserActuatorPanel::clearWarning() {
    warningLabel_->clear();
}

void MercruiserActuatorPanel::chooseTest(int index) {
    const TestButton &test = kTestButtons[index];
    switch (test.kind) {
    case TestKind::EngineLocation:
        emit locationChosen();
        return;
    case TestKind::Tachometer:
        emit tachometerChosen();
        return;
    case TestKind::Timed:
    case TestKind::IdleAir:
    case TestKind::Cylinders:
        break;
    }
    const TestNotices *notices = noticesFor(test.code);
    testCode_ = test.code;
    titleLabel_->setText(testButtons_[index]->text());
    warningLabel_->setText(noticeText(notices->warning));
    startButton_->setEnabled(true);
    if (test.kind == TestKind::Timed)
        startButton_->setText(text(kStartCaption));
    instructionLabel_->setText(noticeText(notices->instruction));
}

void MercruiserActuatorPanel::start() {
    enableTestButtons(false);
    switch (testCode_) {
    case kIdleAirTest:
        emit idleAirStarted();
        break;
    case kFuelPumpTest:
    case kBuzzerTest:
        runTimedTest();
        break;
    case kInjectorTest:
    case kCoilTest:
        openCylinderPanel();
        break;
    case kNoTest:
        break;
    }
}

void MercruiserActuatorPanel::exitActuatorPanel() {
    host_.EnableButtonBar();
    close();
    host_.focusExit();
}

void MercruiserActuatorPanel::enableTestButtons(bool enabled) {
    for (auto *button : testButtons_)
        button->setEnabled(enabled);
}

void MercruiserActuatorPanel::backToChooseTest() {
    titleLabel_->setText(text(kChooseTest));
    warningLabel_->clear();
    instructionLabel_->clear();
    testCode_ = kNoTest;
    enableTestButtons(true);
    exitButton_->setEnabled(true);
    ui::focusIfReachable(exitButton_);
}

ui::CommandButton *MercruiserActuatorPanel::buttonOf(TestCode code) const {
    for (int i = 0; i < int(kTestButtons.size()); ++i)
        if (kTestButtons[i].code == code)
            return testButtons_[i];
    return nullptr;
}

// ---------------------------------------------------------------------------
// PerformingTestPanel: the fuel-pump and buzzer tests

void MercruiserActuatorPanel::runTimedTest() {
    instructionLabel_->clear();
    startButton_->setEnabled(false);
    exitButton_->setEnabled(false);
    performing_->run(runs_.begin());
}

void MercruiserActuatorPanel::cancel() {
    runs_.end(); // a test still running ends at its next wait
    performing_->reset();
    startButton_->setEnabled(false);
    startButton_->setText(text(kOkCaption));
    backToChooseTest();
}

// ---------------------------------------------------------------------------
// CylinderPanel: the injector and coil tests

void MercruiserActuatorPanel::openCylinderPanel() {
    const QString word = inLanguage(testCode_ == kCoilTest ? kCoilWord : kInjectorWord);
    actuatorPanel_->hide();
    cylinders_->open(buttonOf(testCode_)->text(), word, text(kRowOff), text(kRowOn));
    startButton_->setEnabled(false);
    exitButton_->setEnabled(false);
}

void MercruiserActuatorPanel::runCylinderTest() {
    const unitlink::PanelRuns::Wait wait = runs_.begin();
    cylinders_->run(wait);
}

void MercruiserActuatorPanel::exitCylinderPanel() {
    runs_.end(); // a test still running ends at its next wait
    actuatorPanel_->show();
    actuatorPanel_->raise();
    // The panel opens next time with no row chosen.
    cylinders_->close();
    backToChooseTest();
}
