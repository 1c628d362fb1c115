#include "engines/mercruiser/mercruiser_tachometer_panel.h"

#include "app/errors32.h"
#include "engines/mercruiser/mercruiser_actuator_tables.h"
#include "link/screen_areas.h"
#include "link/screen_host.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QSlider>

#include <functional>

using namespace mercruiser;

namespace {

// The slider reports the end of every move the user makes: the mouse
// button released on it, a key released, a turn of the wheel.
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

} // namespace

MercruiserTachometerPanel::MercruiserTachometerPanel(unitlink::ScreenHost &host)
    : QObject(host.panelParent()), host_(host) {
    setObjectName(QStringLiteral("MercruiserTachometerPanel"));
    const QRect area = unitlink::kPanelArea;
    panel_ = ui::frame(QStringLiteral("Frame23"), QString::fromUtf8(kTachometerCaption),
                       host_.panelParent());
    ui::place(panel_, area);
    auto *slider = new TachometerSlider(Qt::Horizontal, panel_);
    slider->setObjectName(QStringLiteral("Slider1"));
    slider->setRange(kTachometerMin, kTachometerMax);
    slider->setValue(kTachometerMin);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(500);
    slider->moved = [this] { showValue(); };
    ui::place(slider, 240, 600, 4650, 450);
    slider_ = slider;

    minusButton_ = new ui::CommandButton(QStringLiteral("Command50"), QStringLiteral("-"), panel_);
    ui::place(minusButton_, 240, 1260, 600, 420);
    plusButton_ = new ui::CommandButton(QStringLiteral("Command49"), QStringLiteral("+"), panel_);
    ui::place(plusButton_, 4290, 1260, 600, 420);
    rpmLabel_ = ui::label(QStringLiteral("Label32"), QString::number(kTachometerMin), panel_);
    rpmLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui::place(rpmLabel_, 1440, 1320, 1200, 285);
    auto *rpm = ui::label(QStringLiteral("Label33"), QString::fromUtf8(kRpmCaption), panel_);
    ui::place(rpm, 2760, 1320, 900, 285);
    exitButton_ = new ui::CommandButton(QStringLiteral("Command51"), ERRORS32::CapExit, panel_);
    ui::place(exitButton_, 3690, 3660, 1320, 420);
    panel_->hide();

    connect(plusButton_, &QPushButton::clicked, this, [this] { plus(); });
    connect(minusButton_, &QPushButton::clicked, this, [this] { minus(); });
    connect(exitButton_, &QPushButton::clicked, this, [this] { exit(); });
}

void MercruiserTachometerPanel::open() {
    plusButton_->setEnabled(true);
    minusButton_->setEnabled(true);
    host_.liveRun().reset();
    panel_->show();
    panel_->raise();
    emit takingOver();
    ui::setArrow();
    ui::focusIfReachable(exitButton_);
}

void MercruiserTachometerPanel::plus() {
    int value = slider_->value();
    if (value >= kTachometerMax)
        return;
    value = qMin(value + kTachometerStep, kTachometerMax);
    slider_->setValue(value);
    rpmLabel_->setText(QString::number(value));
}

void MercruiserTachometerPanel::minus() {
    int value = slider_->value();
    if (value <= kTachometerMin)
        return;
    value = qMax(value - kTachometerStep, kTachometerMin);
    slider_->setValue(value);
    rpmLabel_->setText(QString::number(value));
}

void MercruiserTachometerPanel::showValue() {
    rpmLabel_->setText(QString::number(slider_->value()));
}

void MercruiserTachometerPanel::exit() {
    host_.EnableButtonBar();
    emit closing();
    host_.focusExit();
    plusButton_->setEnabled(true);
    minusButton_->setEnabled(true);
    panel_->hide();
    host_.liveRun().reset();
}
