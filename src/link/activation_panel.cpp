#include "link/activation_panel.h"

#include "app/errors32.h"
#include "link/screen_areas.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QScopeGuard>

namespace unitlink {

namespace {
constexpr int kNumberPitch = 720;
constexpr int kNumberWidth = 600;
} // namespace

ActivationPanel::ActivationPanel(ScreenHost &host, const Run &run)
    : QObject(host.panelParent()), host_(host), run_(run) {
    panel = ui::frame(QStringLiteral("Frame5"), ERRORS32::CapActuators, host.panelParent());
    ui::place(panel, unitlink::kWidePanelArea);
    warningLabel = ui::label(QStringLiteral("Label26"), ERRORS32::MsgEngineOffWarning, panel);
    ui::place(warningLabel, kLeft, 360, 9600, 285);
    resultLine = ui::label(QStringLiteral("Label14"), QString(), panel);
    resultLine->setWrapAnywhere(true);
    exitButton = new ui::CommandButton(QStringLiteral("Command18"), ERRORS32::CapExit, panel);
    ui::place(exitButton, 8400, 4320, 1440, kButtonHeight);
    panel->hide();
    connect(exitButton, &QPushButton::clicked, this, [this] { exitPanel(); });
}

void ActivationPanel::open() {
    host_.openPanel(panel, exitButton);
}

QLabel *ActivationPanel::addHeader(const char *name, const QString &caption, int top) {
    QLabel *header = ui::label(QString::fromLatin1(name), caption, panel);
    ui::place(header, kLeft, top, 4800, 285);
    return header;
}

ui::CommandButton *ActivationPanel::addButton(const char *name, const QString &caption, int left,
                                              int top) {
    auto *button = new ui::CommandButton(QString::fromLatin1(name), caption, panel);
    ui::place(button, left, top, 2880, kButtonHeight);
    return button;
}

QList<ui::CommandButton *> ActivationPanel::addNumberRow(const char *const *names, int count,
                                                         int top, const QString &group) {
    QList<ui::CommandButton *> buttons;
    for (int i = 0; i < count; ++i) {
        auto *button =
            new ui::CommandButton(QString::fromLatin1(names[i]), QString::number(i + 1), panel);
        ui::place(button, kLeft + i * kNumberPitch, top, kNumberWidth, kButtonHeight);
        button->setAccessibleDescription(group);
        buttons << button;
    }
    return buttons;
}

void ActivationPanel::placeResultLine(int top, int height) {
    ui::place(resultLine, kLeft, top, 9600, height);
}

void ActivationPanel::connectTest(ui::CommandButton *button, QLabel *header, bool focusExit) {
    connect(button, &QPushButton::clicked, this,
            [this, button, header, focusExit] { runTest(button, header, focusExit); });
}

void ActivationPanel::runTest(ui::CommandButton *button, QLabel *header, bool focusExit) {
    // A test taking over is a newer run of the one function; one running
    // inside another is a function of its own.
    const RunTickets::Ticket ticket =
        tests_.begin(run_.secondTest == SecondTest::TakesOver ? 0 : ++insideTests_);
    ++runningTests_;
    const auto done = qScopeGuard([this] { --runningTests_; });
    ui::setHourglass();
    resultLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resultLine->setText(QStringLiteral(" "));
    for (int step = 0; step < run_.steps; ++step) {
        resultLine->setText(resultLine->text() + QLatin1Char('I'));
        if (!host_.BusyWait(run_.wait, [this, ticket] { return tests_.isCurrent(ticket); }))
            return;
    }
    // A test that another started inside runs on: the pointer stays busy for it.
    if (run_.secondTest == SecondTest::TakesOver || runningTests_ == 1)
        ui::setArrow();
    resultLine->setAlignment(Qt::AlignCenter);
    const QString tested =
        header ? header->text() + QLatin1Char(' ') + button->text() : button->text();
    resultLine->setText(tested + QStringLiteral(": ") + ERRORS32::MsgActivated);
    if (focusExit)
        ui::focusIfReachable(exitButton);
}

void ActivationPanel::exitPanel() {
    // Tests still running end here, before the panel goes.
    tests_.cancelAll();
    if (runningTests_ > 0)
        ui::setArrow();
    host_.closePanel(panel);
    resultLine->clear();
}

} // namespace unitlink
