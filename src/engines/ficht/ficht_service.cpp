#include "engines/ficht/ficht_service.h"

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

constexpr int kServiceBarSteps = 50;
constexpr int kServiceBarWait = 25000;
// Total hours fit in six characters, and so does the screen's Hours value.
constexpr int kNewHoursLength = 6;

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentred = Qt::AlignCenter;
constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

} // namespace

FichtService::FichtService(FichtScreen *screen) : QObject(screen), screen_(screen) {
    setObjectName(QStringLiteral("FichtService"));
    panel = ui::frame(QStringLiteral("Frame10"), QString::fromUtf8(kServiceCaption), screen);
    ui::place(panel, EngineScreen::kWidePanelArea);

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

void FichtService::open() {
    firstMessage->clear();
    secondMessage->clear();
    actualBox->setText(screen_->hoursValue()->text());
    replaceEcuButton->setText(inLanguage(kReplaceEcuCaption));
    screen_->openPanel(panel, exitButton);
}

bool FichtService::serviceBar() {
    const int run = ++run_;
    ++runningBars_;
    const auto done = qScopeGuard([this] { --runningBars_; });
    ui::setHourglass();
    statusLine->setAlignment(kLeft);
    statusLine->setText(QStringLiteral(" "));
    for (int step = 0; step < kServiceBarSteps; ++step) {
        statusLine->setText(statusLine->text() + QLatin1Char('I'));
        if (!screen_->BusyWait(kServiceBarWait, [this, run] { return run == run_; }))
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
    screen_->hoursValue()->setText(hours);
    statusLine->setAlignment(kCentred);
    statusLine->setText(ERRORS32::CapTotalHours + QLatin1Char(' ') + hours);
    ui::focusIfReachable(exitButton);
}

void FichtService::exitPanel() {
    // A bar still running ends here, before the panel goes.
    if (runningBars_ > 0)
        ui::setArrow();
    ++run_;
    actualBox->clear();
    newBox->clear();
    statusLine->clear();
    saveDataButton->setEnabled(false);
    readDataButton->setEnabled(true);
    screen_->closePanel(panel);
}

// ---- Engine Operating Info -------------------------------------------------

FichtOperatingInfo::FichtOperatingInfo(FichtScreen *screen) : QObject(screen), screen_(screen) {
    setObjectName(QStringLiteral("FichtOperatingInfo"));
    panel = ui::frame(QStringLiteral("Frame9"), QString::fromUtf8(kOperatingInfoCaption), screen);
    ui::place(panel, EngineScreen::kWidePanelArea);

    constexpr int kTop = 360;
    constexpr int kPitch = 330;
    constexpr int kHeight = 285;
    auto column = [this](const QString &captionName, const QString &valueName, int left,
                         int captionWidth, int valueWidth, int firstRow, const auto &rows,
                         auto &values) {
        for (int i = 0; i < int(rows.size()); ++i) {
            const int top = kTop + (firstRow + i) * kPitch;
            const QString caption =
                rows[i].caption ? QString::fromUtf8(rows[i].caption) : ERRORS32::CapThrottleVolt;
            auto *captionLabel = ui::label(ui::indexedName(captionName, i), caption, panel);
            ui::place(captionLabel, left, top, captionWidth, kHeight);
            auto *value = ui::label(ui::indexedName(valueName, i), QString(), panel);
            value->setNameLabel(captionLabel);
            ui::place(value, left + captionWidth, top, valueWidth, kHeight);
            values[i] = value;
        }
    };
    column(QStringLiteral("Label70"), QStringLiteral("Label71"), 240, 1680, 720, 0, kSpeedBands,
           bandValues);
    auto *heading =
        ui::label(QStringLiteral("Label76"), QString::fromUtf8(kInjectorHeading), panel);
    ui::place(heading, 2880, kTop, 2400, kHeight);
    column(QStringLiteral("Label72"), QStringLiteral("Label73"), 2880, 480, 1920, 1,
           kInjectorSerials, injectorValues);
    column(QStringLiteral("Label74"), QStringLiteral("Label75"), 5520, 2400, 1200, 0, kSnapshot,
           snapshotValues);

    exitButton = new ui::CommandButton(QStringLiteral("Command21"), ERRORS32::CapExit, panel);
    ui::place(exitButton, 8400, 4320, 1440, 420);
    panel->hide();

    connect(exitButton, &QPushButton::clicked, this, [this] { exitPanel(); });
}

void FichtOperatingInfo::open() {
    screen_->DisableButtonBar();
    screen_->resultList->clear();
    for (int i = 0; i < int(kSpeedBands.size()); ++i)
        bandValues[i]->setText(QString::fromUtf8(kSpeedBands[i].value));
    for (int i = 0; i < int(kInjectorSerials.size()); ++i)
        injectorValues[i]->setText(QString::fromUtf8(kInjectorSerials[i].value));
    // Every row of the snapshot gets its value, the ninth included.
    for (int i = 0; i < int(kSnapshot.size()); ++i)
        snapshotValues[i]->setText(QString::fromUtf8(kSnapshot[i].value));
    screen_->openPanel(panel, exitButton);
}

void FichtOperatingInfo::exitPanel() {
    for (QLabel *value : bandValues)
        value->clear();
    screen_->closePanel(panel);
}
