#include "engines/mercruiser/mercruiser_idle_air_panel.h"

#include "engines/mercruiser/mercruiser_actuator_tables.h"
#include "link/screen_areas.h"
#include "link/screen_host.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QPainter>
#include <QPolygonF>
#include <QShortcut>

using namespace mercruiser;

namespace {

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

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

MercruiserIdleAirPanel::MercruiserIdleAirPanel(unitlink::ScreenHost &host)
    : QObject(host.panelParent()), host_(host) {
    setObjectName(QStringLiteral("MercruiserIdleAirPanel"));
    const QRect area = unitlink::kPanelArea;
    panel_ = ui::frame(QStringLiteral("Frame22"), text(kIdleAirCaption), host_.panelParent());
    ui::place(panel_, area);
    auto *position = ui::label(QStringLiteral("Label31"), text(kIdleAirPosition), panel_);
    position->setAlignment(Qt::AlignCenter);
    ui::place(position, 1680, 360, 1770, 285);

    auto arrow = [this](const char *name, bool isUp, int top) {
        auto *picture = new ui::Picture(panel_);
        picture->setObjectName(text(name));
        picture->setAccessibleName(isUp ? QStringLiteral("Up") : QStringLiteral("Down"));
        picture->setPicture(arrowPicture(isUp));
        ui::place(picture, 2160, top, 810, 810);
        return picture;
    };
    upArrow_ = arrow("Image2", true, 720);
    downArrow_ = arrow("Image3", false, 2100);

    positiveLabel_ = ui::label(QStringLiteral("Label27"), text(kIdleAirZero), panel_);
    ui::place(positiveLabel_, 3210, 990, 1200, 285);
    negativeLabel_ = ui::label(QStringLiteral("Label28"), text(kIdleAirZero), panel_);
    ui::place(negativeLabel_, 3210, 2370, 1200, 285);
    rpmLabel_ = ui::label(QStringLiteral("Label29"), QString(), panel_);
    rpmLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui::place(rpmLabel_, 480, 1680, 1200, 285);
    exitButton_ = new ui::CommandButton(QStringLiteral("Command52"), text(kExitCaption), panel_);
    ui::place(exitButton_, 3690, 3660, 1320, 420);
    panel_->hide();

    connect(upArrow_, &ui::Picture::clicked, this, [this] { up(); });
    connect(downArrow_, &ui::Picture::clicked, this, [this] { down(); });
    ui::pressableByKeyboard(upArrow_, [this] { up(); });
    ui::pressableByKeyboard(downArrow_, [this] { down(); });
    // The arrow keys work the arrows from anywhere in the panel.
    auto *upKey = new QShortcut(QKeySequence(Qt::Key_Up), panel_);
    upKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(upKey, &QShortcut::activated, this, [this] { up(); });
    auto *downKey = new QShortcut(QKeySequence(Qt::Key_Down), panel_);
    downKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(downKey, &QShortcut::activated, this, [this] { down(); });
    connect(exitButton_, &QPushButton::clicked, this, [this] { exit(); });
}

void MercruiserIdleAirPanel::open() {
    positiveLabel_->setText(text(kIdleAirZero));
    negativeLabel_->setText(text(kIdleAirZero));
    step_ = 0;
    host_.liveRun().reset();
    panel_->show();
    panel_->raise();
    emit takingOver();
    rpmLabel_->setText(QString::number(kIdleAirRpm));
    ui::setArrow();
    // Start, which had the focus, is hidden with the ActuatorPanel.
    ui::focusIfReachable(exitButton_);
}

void MercruiserIdleAirPanel::showStep(QLabel *side) {
    side->setText(QString::number(step_ * kIdleAirPercent) + text(kPercentSuffix));
}

void MercruiserIdleAirPanel::up() {
    if (step_ + 1 > kIdleAirLimit)
        return;
    const int old = step_++;
    showStep(old >= 0 ? positiveLabel_ : negativeLabel_);
    rpmLabel_->setText(QString::number(rpmLabel_->text().toInt() + kIdleAirRpmStep));
    ui::focusIfReachable(exitButton_);
}

void MercruiserIdleAirPanel::down() {
    if (step_ >= 1 && step_ <= kIdleAirLimit) {
        --step_;
        showStep(positiveLabel_);
    } else if (step_ - 1 < -kIdleAirLimit) {
        return;
    } else {
        --step_;
        showStep(negativeLabel_);
    }
    rpmLabel_->setText(QString::number(rpmLabel_->text().toInt() - kIdleAirRpmStep));
    ui::focusIfReachable(exitButton_);
}

void MercruiserIdleAirPanel::exit() {
    host_.EnableButtonBar();
    emit closing();
    panel_->hide();
    host_.focusExit();
    host_.liveRun().reset();
}
