#include "engines/ficht/ficht_actuators.h"

#include "app/errors32.h"
#include "engines/ficht/ficht_screen.h"
#include "engines/ficht/ficht_tables.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QScopeGuard>

using namespace ficht;
using unitlink::EngineScreen;

namespace {

constexpr int kTestWait = 19000;

constexpr int kLeft = 240;
constexpr int kNumberPitch = 720;
constexpr int kNumberWidth = 600;
constexpr int kButtonHeight = 420;

} // namespace

FichtActuators::FichtActuators(FichtScreen *screen) : QObject(screen), screen_(screen) {
    setObjectName(QStringLiteral("FichtActuators"));
    const QRect area = EngineScreen::kWidePanelArea;
    panel = ui::frame(QStringLiteral("Frame5"), ERRORS32::CapActuators, screen);
    ui::place(panel, area.x(), area.y(), area.width(), area.height());

    warningLabel = ui::label(QStringLiteral("Label26"), ERRORS32::MsgEngineOffWarning, panel);
    ui::place(warningLabel, kLeft, 360, 9600, 285);

    fuelPumpHeader = ui::label(QStringLiteral("Label55"), ERRORS32::CapFuelPump, panel);
    ui::place(fuelPumpHeader, kLeft, 840, 4800, 285);
    fuelPumpButton =
        new ui::CommandButton(QStringLiteral("Command17"), ERRORS32::CapFuelPump, panel);
    ui::place(fuelPumpButton, kLeft, 1140, 2880, kButtonHeight);

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
    coilHeader = ui::label(QStringLiteral("Label16"), ERRORS32::CapIgnitionCoil, panel);
    ui::place(coilHeader, kLeft, 1800, 4800, 285);
    coilButtons = numberRow(kCoilButtonNames, 2100, ERRORS32::CapIgnitionCoil);
    injectorHeader = ui::label(QStringLiteral("Label11"), ERRORS32::CapFuelInjectors, panel);
    ui::place(injectorHeader, kLeft, 2760, 4800, 285);
    injectorButtons = numberRow(kInjectorButtonNames, 3060, ERRORS32::CapFuelInjectors);

    resultLine = ui::label(QStringLiteral("Label14"), QString(), panel);
    resultLine->setWrapAnywhere(true);
    ui::place(resultLine, kLeft, 3660, 9600, 540);

    exitButton = new ui::CommandButton(QStringLiteral("Command18"), ERRORS32::CapExit, panel);
    ui::place(exitButton, 8400, 4320, 1440, kButtonHeight);
    panel->hide();

    connect(fuelPumpButton, &QPushButton::clicked, this,
            [this] { runTest(fuelPumpButton, nullptr, false); });
    for (ui::CommandButton *button : std::as_const(coilButtons))
        connect(button, &QPushButton::clicked, this,
                [this, button] { runTest(button, coilHeader, false); });
    for (ui::CommandButton *button : std::as_const(injectorButtons))
        connect(button, &QPushButton::clicked, this,
                [this, button] { runTest(button, injectorHeader, true); });
    connect(exitButton, &QPushButton::clicked, this, [this] { exitPanel(); });
}

void FichtActuators::open() {
    screen_->openPanel(panel, exitButton);
}

void FichtActuators::runTest(ui::CommandButton *button, QLabel *header, bool keepFocus) {
    // A test pressed during another takes the result line over; the older one ends.
    const int run = ++run_;
    ++runningTests_;
    const auto done = qScopeGuard([this] { --runningTests_; });
    ui::setHourglass();
    resultLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resultLine->setText(QStringLiteral(" "));
    for (int step = 0; step < kTestSteps; ++step) {
        resultLine->setText(resultLine->text() + QLatin1Char('I'));
        if (!screen_->BusyWait(kTestWait, [this, run] { return run == run_; }))
            return;
    }
    ui::setArrow();
    resultLine->setAlignment(Qt::AlignCenter);
    const QString tested =
        header ? header->text() + QLatin1Char(' ') + button->text() : button->text();
    resultLine->setText(tested + QStringLiteral(": ") + ERRORS32::MsgActivated);
    if (!keepFocus)
        ui::focusIfReachable(exitButton);
}

void FichtActuators::exitPanel() {
    // A test still running ends here, before the panel goes.
    ++run_;
    if (runningTests_ > 0)
        ui::setArrow();
    screen_->closePanel(panel);
    resultLine->clear();
}
