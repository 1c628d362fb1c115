#include "engines/mercruiser/mercruiser_actuators.h"

#include "app/errors32.h"
#include "link/cylinder_panel.h"
#include "link/screen_areas.h"
#include "link/timed_bar.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QPainter>
#include <QPolygonF>
#include <QShortcut>
#include <QSlider>

#include <functional>

using namespace mercruiser;

namespace {

// The engine location asks the unit before it shows the panel.
constexpr int kLocationWait = 2;

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentred = Qt::AlignCenter;
constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

// The tachometer slider reports the end of every move the user makes: the
// mouse button released on it, a key released, a turn of the wheel.
class TachometerSlider : public QSlider {
public:
    using QSlider::QSlider;
    std::function<void()> moved;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override {
        QSlider::mouseReleaseEvent(event);
        if (moved)
            moved();
    }
    void keyReleaseEvent(QKeyEvent *event) override {
        QSlider::keyReleaseEvent(event);
        if (moved)
            moved();
    }
    void wheelEvent(QWheelEvent *event) override {
        QSlider::wheelEvent(event);
        if (moved)
            moved();
    }
};

// The location combo reports the focus entering it.
class LocationCombo : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> focusEntered;

protected:
    void focusInEvent(QFocusEvent *event) override {
        QComboBox::focusInEvent(event);
        if (focusEntered)
            focusEntered();
    }
};

QPixmap arrowPicture(bool up) {
    // Drawn at the screens' ratio in the 54 x 54 logical pixels it is shown in.
    return ui::drawnPixmap(QSize(54, 54), ui::highestPixelRatio(), [up](QPainter &painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 64, 0), 2));
        painter.setBrush(QColor(0, 160, 0));
        QPolygonF triangle;
        if (up)
            triangle << QPointF(27, 4) << QPointF(50, 48) << QPointF(4, 48);
        else
            triangle << QPointF(27, 50) << QPointF(50, 6) << QPointF(4, 6);
        painter.drawPolygon(triangle);
    });
}

} // namespace

MercruiserActuators::MercruiserActuators(unitlink::ScreenHost &host)
    : QObject(host.panelParent()), host_(host), runs_(host) {
    setObjectName(QStringLiteral("MercruiserActuators"));
    currentLocationText_ = inLanguage(kCurrentLocation);
    availableLocationsText_ = inLanguage(kAvailableLocations);
    setNewLocationText_ = inLanguage(kSetNewLocation);
    ignitionWarningText_ = inLanguage(kIgnitionWarning);
    buildActuatorPanel();
    buildCylinderPanel();
    buildIdleAirPanel();
    buildTachometerPanel();
    buildLocationPanel();
}

// ---------------------------------------------------------------------------
// Building the panels

void MercruiserActuators::buildActuatorPanel() {
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
    performingPanel_ = ui::frame(QStringLiteral("Frame21"), text(kPerformingTest), actuatorPanel_);
    ui::place(performingPanel_, 3240, 1500, 6720, 1200);
    progressLabel_ = ui::label(QStringLiteral("Label10"), QString(), performingPanel_);
    progressLabel_->setAlignment(kLeft);
    ui::place(progressLabel_, 120, 330, 6480, 300);
    cancelButton_ =
        new ui::CommandButton(QStringLiteral("Command43"), text(kCancelCaption), performingPanel_);
    ui::place(cancelButton_, 5280, 720, 1320, 375);
    performingPanel_->hide();
    actuatorPanel_->hide();

    connect(startButton_, &QPushButton::clicked, this, [this] { start(); });
    connect(exitButton_, &QPushButton::clicked, this, [this] { exitActuatorPanel(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
}

void MercruiserActuators::buildCylinderPanel() {
    cylinders_ = new unitlink::CylinderPanel(
        host_, {"Frame20", kCylinderRows, 420, kRowOff, kExitCaption, kPressStart});
    connect(cylinders_, &unitlink::CylinderPanel::startPressed, this,
            [this] { runCylinderTest(); });
    connect(cylinders_, &unitlink::CylinderPanel::exitPressed, this,
            [this] { exitCylinderPanel(); });
}

void MercruiserActuators::buildIdleAirPanel() {
    const QRect area = unitlink::kPanelArea;
    idleAirPanel_ =
        ui::frame(QStringLiteral("Frame22"), text(kIdleAirCaption), host_.panelParent());
    ui::place(idleAirPanel_, area);
    auto *position = ui::label(QStringLiteral("Label31"), text(kIdleAirPosition), idleAirPanel_);
    position->setAlignment(kCentred);
    ui::place(position, 1680, 360, 1770, 285);

    auto arrow = [this](const char *name, bool up, int top) {
        auto *picture = new ui::Picture(idleAirPanel_);
        picture->setObjectName(text(name));
        picture->setAccessibleName(up ? QStringLiteral("Up") : QStringLiteral("Down"));
        picture->setPicture(arrowPicture(up));
        ui::place(picture, 2160, top, 810, 810);
        return picture;
    };
    upArrow_ = arrow("Image2", true, 720);
    downArrow_ = arrow("Image3", false, 2100);

    positiveLabel_ = ui::label(QStringLiteral("Label27"), text(kIdleAirZero), idleAirPanel_);
    ui::place(positiveLabel_, 3210, 990, 1200, 285);
    negativeLabel_ = ui::label(QStringLiteral("Label28"), text(kIdleAirZero), idleAirPanel_);
    ui::place(negativeLabel_, 3210, 2370, 1200, 285);
    idleAirRpmLabel_ = ui::label(QStringLiteral("Label29"), QString(), idleAirPanel_);
    idleAirRpmLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui::place(idleAirRpmLabel_, 480, 1680, 1200, 285);
    idleAirExitButton_ =
        new ui::CommandButton(QStringLiteral("Command52"), text(kExitCaption), idleAirPanel_);
    ui::place(idleAirExitButton_, 3690, 3660, 1320, 420);
    idleAirPanel_->hide();

    connect(upArrow_, &ui::Picture::clicked, this, [this] { idleAirUp(); });
    connect(downArrow_, &ui::Picture::clicked, this, [this] { idleAirDown(); });
    ui::pressableByKeyboard(upArrow_, [this] { idleAirUp(); });
    ui::pressableByKeyboard(downArrow_, [this] { idleAirDown(); });
    // The arrow keys work the arrows from anywhere in the panel.
    auto *up = new QShortcut(QKeySequence(Qt::Key_Up), idleAirPanel_);
    up->setContext(Qt::WidgetWithChildrenShortcut);
    connect(up, &QShortcut::activated, this, [this] { idleAirUp(); });
    auto *down = new QShortcut(QKeySequence(Qt::Key_Down), idleAirPanel_);
    down->setContext(Qt::WidgetWithChildrenShortcut);
    connect(down, &QShortcut::activated, this, [this] { idleAirDown(); });
    connect(idleAirExitButton_, &QPushButton::clicked, this, [this] { exitIdleAirPanel(); });
}

void MercruiserActuators::buildTachometerPanel() {
    const QRect area = unitlink::kPanelArea;
    tachometerPanel_ =
        ui::frame(QStringLiteral("Frame23"), text(kTachometerCaption), host_.panelParent());
    ui::place(tachometerPanel_, area);
    auto *slider = new TachometerSlider(Qt::Horizontal, tachometerPanel_);
    slider->setObjectName(QStringLiteral("Slider1"));
    slider->setRange(kTachometerMin, kTachometerMax);
    slider->setValue(kTachometerMin);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(500);
    slider->moved = [this] { showTachometerValue(); };
    ui::place(slider, 240, 600, 4650, 450);
    slider_ = slider;

    minusButton_ =
        new ui::CommandButton(QStringLiteral("Command50"), QStringLiteral("-"), tachometerPanel_);
    ui::place(minusButton_, 240, 1260, 600, 420);
    plusButton_ =
        new ui::CommandButton(QStringLiteral("Command49"), QStringLiteral("+"), tachometerPanel_);
    ui::place(plusButton_, 4290, 1260, 600, 420);
    tachometerRpmLabel_ =
        ui::label(QStringLiteral("Label32"), QString::number(kTachometerMin), tachometerPanel_);
    tachometerRpmLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui::place(tachometerRpmLabel_, 1440, 1320, 1200, 285);
    auto *rpm = ui::label(QStringLiteral("Label33"), text(kRpmCaption), tachometerPanel_);
    ui::place(rpm, 2760, 1320, 900, 285);
    tachometerExitButton_ =
        new ui::CommandButton(QStringLiteral("Command51"), ERRORS32::CapExit, tachometerPanel_);
    ui::place(tachometerExitButton_, 3690, 3660, 1320, 420);
    tachometerPanel_->hide();

    connect(plusButton_, &QPushButton::clicked, this, [this] { tachometerPlus(); });
    connect(minusButton_, &QPushButton::clicked, this, [this] { tachometerMinus(); });
    connect(tachometerExitButton_, &QPushButton::clicked, this, [this] { exitTachometerPanel(); });
}

void MercruiserActuators::buildLocationPanel() {
    const QRect area = unitlink::kPanelArea;
    locationPanel_ =
        ui::frame(QStringLiteral("Frame24"), text(kLocationCaption), host_.panelParent());
    ui::place(locationPanel_, area);
    locationCaptionLabel_ = ui::label(QStringLiteral("Label34"), QString(), locationPanel_);
    ui::place(locationCaptionLabel_, 240, 360, 4650, 285);
    auto *combo = new LocationCombo(locationPanel_);
    combo->setObjectName(QStringLiteral("Combo1"));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->focusEntered = [this] { locationCaptionLabel_->setText(availableLocationsText_); };
    ui::place(combo, 240, 690, 3000, 330);
    locationCaptionLabel_->setBuddy(combo); // a screen reader names the box by it
    locationCombo_ = combo;
    locationStatusLabel_ = ui::label(QStringLiteral("Label35"), QString(), locationPanel_);
    locationStatusLabel_->setAlignment(kLeft);
    ui::place(locationStatusLabel_, 240, 1260, 4650, 285);
    locationWarningLabel_ = ui::label(QStringLiteral("Label36"), QString(), locationPanel_);
    locationWarningLabel_->setWordWrap(true);
    locationWarningLabel_->setAlignment(kTopLeft);
    ui::place(locationWarningLabel_, 240, 1740, 4650, 900);
    locationWarningLabel_->hide();
    setButton_ =
        new ui::CommandButton(QStringLiteral("Command54"), text(kSetCaption), locationPanel_);
    ui::place(setButton_, 2280, 3660, 1320, 420);
    locationExitButton_ =
        new ui::CommandButton(QStringLiteral("Command53"), ERRORS32::CapExit, locationPanel_);
    ui::place(locationExitButton_, 3690, 3660, 1320, 420);
    locationPanel_->hide();

    connect(combo, &QComboBox::activated, this, [this] {
        locationCaptionLabel_->setText(setNewLocationText_);
        locationExitButton_->setFocus();
    });
    connect(setButton_, &QPushButton::clicked, this, [this] { setLocation(); });
    connect(locationExitButton_, &QPushButton::clicked, this, [this] { exitLocationPanel(); });
}

// ---------------------------------------------------------------------------
// ActuatorPanel

void MercruiserActuators::open() {
    // Another function is starting: a running live display ends, and so
    // does a test left running on these panels.
    host_.liveRun().requestStop();
    runs_.end();
    cylinders_->panel->hide();
    performingPanel_->hide();
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

void MercruiserActuators::chooseTest(int index) {
    const TestButton &test = kTestButtons[index];
    switch (test.kind) {
    case TestKind::EngineLocation:
        openLocationPanel();
        return;
    case TestKind::Tachometer:
        openTachometerPanel();
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

void MercruiserActuators::start() {
    enableTestButtons(false);
    switch (testCode_) {
    case kIdleAirTest:
        openIdleAirPanel();
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

void MercruiserActuators::runTimedTest() {
    const unitlink::PanelRuns::Wait wait = runs_.begin();
    progressLabel_->clear();
    instructionLabel_->clear();
    performingPanel_->show();
    performingPanel_->raise();
    cancelButton_->setFocus();
    startButton_->setEnabled(false);
    exitButton_->setEnabled(false);

    if (!unitlink::runTimedBar(progressLabel_, kLeft, wait))
        return;
    progressLabel_->setAlignment(kCentred);
    progressLabel_->setText(ERRORS32::MsgEndProcess);
    ui::setArrow();
    cancelButton_->setText(ERRORS32::CapExit);
    ui::focusIfReachable(cancelButton_);
}

void MercruiserActuators::cancel() {
    runs_.end(); // a test still running ends at its next wait
    progressLabel_->setAlignment(kLeft);
    progressLabel_->clear();
    performingPanel_->hide();
    startButton_->setEnabled(false);
    performingPanel_->setTitle(text(kPerformingTest));
    startButton_->setText(text(kOkCaption));
    backToChooseTest();
}

void MercruiserActuators::backToChooseTest() {
    titleLabel_->setText(text(kChooseTest));
    warningLabel_->clear();
    instructionLabel_->clear();
    testCode_ = kNoTest;
    enableTestButtons(true);
    exitButton_->setEnabled(true);
    ui::focusIfReachable(exitButton_);
}

void MercruiserActuators::exitActuatorPanel() {
    host_.EnableButtonBar();
    actuatorPanel_->hide();
    cylinders_->resultLabel->clear();
    host_.focusExit();
}

void MercruiserActuators::enableTestButtons(bool enabled) {
    for (auto *button : testButtons_)
        button->setEnabled(enabled);
}

ui::CommandButton *MercruiserActuators::buttonOf(TestCode code) const {
    for (int i = 0; i < int(kTestButtons.size()); ++i)
        if (kTestButtons[i].code == code)
            return testButtons_[i];
    return nullptr;
}

// ---------------------------------------------------------------------------
// CylinderPanel

void MercruiserActuators::openCylinderPanel() {
    const QString word = inLanguage(testCode_ == kCoilTest ? kCoilWord : kInjectorWord);
    actuatorPanel_->hide();
    cylinders_->open(buttonOf(testCode_)->text(), word, text(kRowOff), text(kRowOn));
    startButton_->setEnabled(false);
    exitButton_->setEnabled(false);
}

void MercruiserActuators::runCylinderTest() {
    const unitlink::PanelRuns::Wait wait = runs_.begin();
    cylinders_->run(wait);
}

void MercruiserActuators::exitCylinderPanel() {
    runs_.end(); // a test still running ends at its next wait
    actuatorPanel_->show();
    actuatorPanel_->raise();
    // The panel opens next time with no row chosen.
    cylinders_->close();
    backToChooseTest();
}

// ---------------------------------------------------------------------------
// IdleAirPanel

void MercruiserActuators::openIdleAirPanel() {
    positiveLabel_->setText(text(kIdleAirZero));
    negativeLabel_->setText(text(kIdleAirZero));
    idleAirStep_ = 0;
    host_.liveRun().reset();
    idleAirPanel_->show();
    idleAirPanel_->raise();
    actuatorPanel_->hide();
    idleAirRpmLabel_->setText(QString::number(kIdleAirRpm));
    ui::setArrow();
    // Start, which had the focus, is hidden with the ActuatorPanel.
    ui::focusIfReachable(idleAirExitButton_);
}

void MercruiserActuators::showIdleAirStep(QLabel *side) {
    side->setText(QString::number(idleAirStep_ * kIdleAirPercent) + text(kPercentSuffix));
}

void MercruiserActuators::idleAirUp() {
    if (idleAirStep_ + 1 > kIdleAirLimit)
        return;
    const int old = idleAirStep_++;
    showIdleAirStep(old >= 0 ? positiveLabel_ : negativeLabel_);
    idleAirRpmLabel_->setText(QString::number(idleAirRpmLabel_->text().toInt() + kIdleAirRpmStep));
    ui::focusIfReachable(idleAirExitButton_);
}

void MercruiserActuators::idleAirDown() {
    if (idleAirStep_ >= 1 && idleAirStep_ <= kIdleAirLimit) {
        --idleAirStep_;
        showIdleAirStep(positiveLabel_);
    } else if (idleAirStep_ - 1 < -kIdleAirLimit) {
        return;
    } else {
        --idleAirStep_;
        showIdleAirStep(negativeLabel_);
    }
    idleAirRpmLabel_->setText(QString::number(idleAirRpmLabel_->text().toInt() - kIdleAirRpmStep));
    ui::focusIfReachable(idleAirExitButton_);
}

void MercruiserActuators::exitIdleAirPanel() {
    host_.EnableButtonBar();
    actuatorPanel_->hide();
    idleAirPanel_->hide();
    cylinders_->resultLabel->clear();
    host_.focusExit();
    host_.liveRun().reset();
}

// ---------------------------------------------------------------------------
// TachometerPanel

void MercruiserActuators::openTachometerPanel() {
    plusButton_->setEnabled(true);
    minusButton_->setEnabled(true);
    host_.liveRun().reset();
    tachometerPanel_->show();
    tachometerPanel_->raise();
    actuatorPanel_->hide();
    ui::setArrow();
    ui::focusIfReachable(tachometerExitButton_);
}

void MercruiserActuators::tachometerPlus() {
    int value = slider_->value();
    if (value >= kTachometerMax)
        return;
    value = qMin(value + kTachometerStep, kTachometerMax);
    slider_->setValue(value);
    tachometerRpmLabel_->setText(QString::number(value));
}

void MercruiserActuators::tachometerMinus() {
    int value = slider_->value();
    if (value <= kTachometerMin)
        return;
    value = qMax(value - kTachometerStep, kTachometerMin);
    slider_->setValue(value);
    tachometerRpmLabel_->setText(QString::number(value));
}

void MercruiserActuators::showTachometerValue() {
    tachometerRpmLabel_->setText(QString::number(slider_->value()));
}

void MercruiserActuators::exitTachometerPanel() {
    host_.EnableButtonBar();
    actuatorPanel_->hide();
    cylinders_->resultLabel->clear();
    warningLabel_->clear();
    host_.focusExit();
    plusButton_->setEnabled(true);
    minusButton_->setEnabled(true);
    tachometerPanel_->hide();
    host_.liveRun().reset();
}

// ---------------------------------------------------------------------------
// EngineLocationPanel

void MercruiserActuators::openLocationPanel() {
    ui::setArrow();
    locationStatusLabel_->setAlignment(kLeft);
    locationStatusLabel_->clear();
    locationCombo_->clear();
    // An opening started during this one's wait fills the panel instead.
    const unitlink::RunTickets::Ticket opening = locationOpenings_.begin(0);
    if (!host_.BusyWait(kLocationWait) || !locationOpenings_.isCurrent(opening))
        return;
    locationCombo_->setEditText(inLanguage(kLocations[0]));
    for (const LanguageText &location : kLocations)
        locationCombo_->addItem(inLanguage(location));
    host_.clearResults();
    locationCaptionLabel_->setText(currentLocationText_);
    actuatorPanel_->hide();
    host_.openPanel(locationPanel_, locationExitButton_, false);
}

void MercruiserActuators::setLocation() {
    locationStatusLabel_->setAlignment(kCentred);
    locationStatusLabel_->setText(ERRORS32::MsgEndProcess);
    ui::setArrow();
    locationWarningLabel_->setText(ignitionWarningText_);
    locationWarningLabel_->show();
    ui::focusIfReachable(locationExitButton_);
}

void MercruiserActuators::exitLocationPanel() {
    host_.EnableButtonBar();
    actuatorPanel_->hide();
    locationPanel_->hide();
    locationWarningLabel_->hide();
    cylinders_->resultLabel->clear();
    host_.focusExit();
}
