#include "engines/yamaha/yamaha_actuators.h"

#include "app/errors32.h"
#include "engines/yamaha/yamaha_screen.h"
#include "engines/yamaha/yamaha_tables.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QScopeGuard>

using namespace yamaha;
using unitlink::EngineScreen;

namespace {

constexpr int kLeft = 240;
constexpr int kNumberPitch = 720;
constexpr int kNumberWidth = 600;
constexpr int kButtonHeight = 420;

} // namespace

YamahaActuators::YamahaActuators(YamahaScreen *screen) : QObject(screen), screen_(screen) {
    setObjectName(QStringLiteral("YamahaActuators"));
    const QRect area = EngineScreen::kWidePanelArea;
    panel = ui::frame(QStringLiteral("Frame5"), ERRORS32::CapActuators, screen);
    ui::place(panel, area.x(), area.y(), area.width(), area.height());

    warningLabel = ui::label(QStringLiteral("Label26"), ERRORS32::MsgEngineOffWarning, panel);
    ui::place(warningLabel, kLeft, 360, 9600, 285);

    // A number alone says little to a screen reader: each button also tells its group.
    auto numberRow = [this](const auto &names, int top, const QString &group) {
        QList<ui::CommandButton *> buttons;
        for (int i = 0; i < int(names.size()); ++i) {
            auto *button =
                new ui::CommandButton(QString::fromLatin1(names[i]), QString::number(i + 1), panel);
            ui::place(button, kLeft + i * kNumberPitch, top, kNumberWidth, kButtonHeight);
            button->setAccessibleDescription(group);
            buttons << button;
        }
        return buttons;
    };
    injectorHeader = ui::label(QStringLiteral("Label11"), ERRORS32::CapFuelInjectors, panel);
    ui::place(injectorHeader, kLeft, 840, 4800, 285);
    injectorButtons = numberRow(kInjectorButtonNames, 1140, ERRORS32::CapFuelInjectors);
    coilHeader = ui::label(QStringLiteral("Label16"), ERRORS32::CapIgnitionCoil, panel);
    ui::place(coilHeader, kLeft, 1740, 4800, 285);
    coilButtons = numberRow(kCoilButtonNames, 2040, ERRORS32::CapIgnitionCoil);

    steppingMotorButton =
        new ui::CommandButton(QStringLiteral("Command14"), ERRORS32::CapSteppingMotor, panel);
    ui::place(steppingMotorButton, kLeft, 2700, 2880, kButtonHeight);
    fuelPumpButton =
        new ui::CommandButton(QStringLiteral("Command17"), ERRORS32::CapFuelPump, panel);
    ui::place(fuelPumpButton, kLeft + 3120, 2700, 2880, kButtonHeight);

    resultLine = ui::label(QStringLiteral("Label14"), QString(), panel);
    resultLine->setWrapAnywhere(true);
    ui::place(resultLine, kLeft, 3300, 9600, 840);

    exitButton = new ui::CommandButton(QStringLiteral("Command18"), ERRORS32::CapExit, panel);
    ui::place(exitButton, 8400, 4320, 1440, kButtonHeight);
    panel->hide();

    for (ui::CommandButton *button : std::as_const(injectorButtons))
        connect(button, &QPushButton::clicked, this,
                [this, button] { runTest(button, injectorHeader, false); });
    for (ui::CommandButton *button : std::as_const(coilButtons))
        connect(button, &QPushButton::clicked, this,
                [this, button] { runTest(button, coilHeader, false); });
    connect(steppingMotorButton, &QPushButton::clicked, this,
            [this] { runTest(steppingMotorButton, nullptr, true); });
    connect(fuelPumpButton, &QPushButton::clicked, this,
            [this] { runTest(fuelPumpButton, nullptr, true); });
    connect(exitButton, &QPushButton::clicked, this, [this] { exitPanel(); });
}

void YamahaActuators::open() {
    screen_->closeHoursPanel();
    screen_->openPanel(panel, exitButton);
}

void YamahaActuators::runTest(ui::CommandButton *button, QLabel *header, bool focusExit) {
    const int generation = generation_;
    ++runningTests_;
    const auto done = qScopeGuard([this] { --runningTests_; });
    ui::setHourglass();
    resultLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resultLine->setText(QStringLiteral(" "));
    for (int step = 0; step < kTestSteps; ++step) {
        resultLine->setText(resultLine->text() + QLatin1Char('I'));
        if (!screen_->BusyWait(kTestWait, [this, generation] { return generation == generation_; }))
            return;
    }
    // A test that another started runs on: the pointer stays busy for it.
    if (runningTests_ == 1)
        ui::setArrow();
    resultLine->setAlignment(Qt::AlignCenter);
    const QString tested =
        header ? header->text() + QLatin1Char(' ') + button->text() : button->text();
    resultLine->setText(tested + QStringLiteral(": ") + ERRORS32::MsgActivated);
    if (focusExit)
        ui::focusIfReachable(exitButton);
}

void YamahaActuators::exitPanel() {
    // Tests still running end here, before the panel goes.
    ++generation_;
    if (runningTests_ > 0)
        ui::setArrow();
    screen_->closePanel(panel);
    resultLine->clear();
}
