#include "link/timed_test_panel.h"

#include "app/errors32.h"
#include "link/timed_bar.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QGroupBox>

namespace unitlink {

namespace {
const QString kTitle = QStringLiteral("Performing Test");
const QString kCancelCaption = QStringLiteral("Cancel");
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
} // namespace

TimedTestPanel::TimedTestPanel(QWidget *actuatorPanel, const QString &frameName, const QRect &area)
    : QObject(actuatorPanel) {
    panel = ui::frame(frameName, kTitle, actuatorPanel);
    ui::place(panel, area);
    runLabel = ui::label(QStringLiteral("Label10"), QString(), panel);
    runLabel->setAlignment(kLeft);
    ui::place(runLabel, 120, 330, 6480, 300);
    cancelButton = new ui::CommandButton(QStringLiteral("Command43"), kCancelCaption, panel);
    ui::place(cancelButton, 5280, 720, 1320, 375);
    panel->hide();
    connect(cancelButton, &QPushButton::clicked, this, &TimedTestPanel::cancelPressed);
}

void TimedTestPanel::run(const PanelRuns::Wait &wait) {
    runLabel->clear();
    panel->show();
    panel->raise();
    cancelButton->setFocus();
    if (!runTimedBar(runLabel, kLeft, wait))
        return;
    runLabel->setAlignment(Qt::AlignCenter);
    runLabel->setText(ERRORS32::MsgEndProcess);
    ui::setArrow();
    cancelButton->setText(ERRORS32::CapExit);
    ui::focusIfReachable(cancelButton);
}

void TimedTestPanel::reset() {
    runLabel->setAlignment(kLeft);
    runLabel->clear();
    panel->hide();
    panel->setTitle(kTitle);
}

} // namespace unitlink
