#include "engines/ficht/ficht_service.h"

#include "app/errors32.h"
#include "engines/ficht/ficht_tables.h"
#include "link/screen_areas.h"
#include "ui/controls.h"
#include "ui/pointer.h"
#include "ui/twips.h"

#include <QScopeGuard>

using namespace ficht;

namespace {

constexpr int kServiceBarSteps = 50;
constexpr int kServiceBarWait = 25000;
// Total hours fit in six characters, and so does the screen's Hours value.
constexpr int kNewHoursLength = 6;

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentred = Qt::AlignCenter;
constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

} // namespace

FichtService::FichtService(unitlink::ScreenHost &host)
    : QObject(host.panelParent()), host_(host), runs_(host) {
    setObjectName(QStringLiteral("FichtService"));
    panel = ui::frame(QStringLiteral("Frame10"), QString::fromUtf8(kServiceCaption),
                      host.panelParent());
    ui::place(panel, unitlink::kWidePanelArea);

    firstMessage = ui::label(QStringLiteral("Label66"), QString(), panel);
    secondMessage = ui::label(QStringLiteral("Label68"), QString(), panel);
    for (ui::Label *message : {firstMessage, secondMessage}) {
        message->setWordWrap(true);
        message->setAlignment(kTopLeft);
    }
    ui::place(firstMessage, 240, 360, 5280, 1680);
    ui::place(secondMessage, 240, 2100, 5280, 1680);

    auto button = [this](const char *name, const QString &caption, int top) {
        auto *created = new ui::CommandButton(QString::fromLatin1(name), caption, panel);
        ui::place(created, 5760, top, 3000, 420);
        return created;
    };
    replaceEcuButton = button("Command22", QString::fromUtf8(kReplaceEcuCaption.english), 360);
    readDataButton = button("Command25", ERRORS32::CapReadData, 900);
    saveDataButton = button("Command26", ERRORS32::CapSaveData, 1440);
    changeHoursButton = button("Command23", ERRORS32::CapChangeTotalHours, 2040);
    readDataButton->setEnabled(false);
    saveDataButton->setEnabled(false);

    auto *actualCaption =
        ui::label(QStringLiteral("Label64"), QString::fromUtf8(kActualCaption), panel);
    ui::place(actualCaption, 5760, 2580, 1380, 255);
    actualBox = new ui::TextBox(QStringLiteral("Text5"), panel);
    ui::place(actualBox, 5760, 2850, 1380, 330);
    actualBox->setEnabled(false);
    actualCaption->setBuddy(actualBox);
    auto *newCaption = ui::label(QStringLiteral("Label65"), ERRORS32::CapNew, panel);
    ui::place(newCaption, 7380, 2580, 1380, 255);
    newBox = new ui::TextBox(QStringLiteral("Text6"), panel);
    ui::place(newBox, 7380, 2850, 1380, 330);
    newBox->setMaxLength(kNewHoursLength);
    newCaption->setBuddy(newBox);

    statusLine = ui::label(QStringLiteral("Label69"), QString(), panel);
    statusLine->setWrapAnywhere(true);
    ui::place(statusLine, 240, 3900, 7920, 480);

    exitButton = new ui::CommandButton(QStringLiteral("Command14"), ERRORS32::CapExit, panel);
    ui::place(exitButton, 8400, 4320, 1440, 420);
    panel->hide();

    connect(replaceEcuButton, &QPushButton::clicked, this, [this] { replaceEcu(); });
    connect(readDataButton, &QPushButton::clicked, this, [this] { readData(); });
    connect(saveDataButton, &QPushButton::clicked, this, [this] { saveData(); });
    connect(changeHoursButton, &QPushButton::clicked, this, [this] { changeTotalHours(); });
    connect(newBox, &ui::TextBox::enterPressed, this, [this] { enterNewHours(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { exitPanel(); });
}

void FichtService::open(const QString &currentHours) {
    firstMessage->clear();
    secondMessage->clear();
    actualBox->setText(currentHours);
    replaceEcuButton->setText(inLanguage(kReplaceEcuCaption));
    host_.openPanel(panel, exitButton);
}

bool FichtService::serviceBar() {
    const unitlink::PanelRuns::Wait wait = runs_.begin();
    ++runningBars_;
    const auto done = qScopeGuard([this] { --runningBars_; });
    ui::setHourglass();
    statusLine->setAlignment(kLeft);
    statusLine->setText(QStringLiteral(" "));
    for (int step = 0; step < kServiceBarSteps; ++step) {
        statusLine->setText(statusLine->text() + QLatin1Char('I'));
        if (!wait(kServiceBarWait))
            return false;
    }
    return true;
}

void FichtService::replaceEcu() {
    readDataButton->setEnabled(true);
    firstMessage->setText(inLanguage(kReplaceFirst));
    secondMessage->setText(inLanguage(kReplaceSecond));
}

void FichtService::readData() {
    firstMessage->setText(inLanguage(kReading));
    secondMessage->clear();
    if (!serviceBar())
        return;
    saveDataButton->setEnabled(true);
    ui::setArrow();
    firstMessage->setText(inLanguage(kReadFirst));
    secondMessage->setText(inLanguage(kReadSecond));
    statusLine->setAlignment(kCentred);
    statusLine->setText(QString::fromUtf8(kReadOk));
    ui::focusIfReachable(exitButton);
    readDataButton->setEnabled(false);
}

void FichtService::saveData() {
    firstMessage->setText(inLanguage(kWriting));
    secondMessage->clear();
    if (!serviceBar())
        return;
    firstMessage->setText(inLanguage(kSavedFirst));
    secondMessage->clear();
    ui::setArrow();
    statusLine->setAlignment(kCentred);
    statusLine->clear();
    ui::focusIfReachable(exitButton);
    saveDataButton->setEnabled(false);
}

void FichtService::changeTotalHours() {
    using namespace ERRORS32;
    firstMessage->setText(QStringLiteral("\r") + MsgHoursWarning1 + QLatin1Char(' ') +
                          MsgHoursWarning2);
    secondMessage->setText(MsgHoursWarning3 + QLatin1Char(' ') + MsgHoursWarning4);
    newBox->setEnabled(true);
    newBox->setFocus();
}

void FichtService::enterNewHours() {
    if (!serviceBar())
        return;
    ui::setArrow();
    // Taken as typed: the hours are shown, never computed with.
    const QString hours = newBox->text();
    actualBox->setText(hours);
    emit hoursChanged(hours);
    statusLine->setAlignment(kCentred);
    statusLine->setText(ERRORS32::CapTotalHours + QLatin1Char(' ') + hours);
    ui::focusIfReachable(exitButton);
}

void FichtService::exitPanel() {
    // A bar still running ends here, before the panel goes.
    if (runningBars_ > 0)
        ui::setArrow();
    runs_.end();
    actualBox->clear();
    newBox->clear();
    statusLine->clear();
    saveDataButton->setEnabled(false);
    readDataButton->setEnabled(true);
    host_.closePanel(panel);
}
