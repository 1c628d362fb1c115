#include "engines/ficht/ficht_operating_info.h"

#include "app/errors32.h"
#include "engines/ficht/ficht_tables.h"
#include "link/screen_areas.h"
#include "ui/controls.h"
#include "ui/twips.h"

using namespace ficht;

FichtOperatingInfo::FichtOperatingInfo(unitlink::ScreenHost &host)
    : QObject(host.panelParent()), host_(host) {
    setObjectName(QStringLiteral("FichtOperatingInfo"));
    panel = ui::frame(QStringLiteral("Frame9"), QString::fromUtf8(kOperatingInfoCaption),
                      host.panelParent());
    ui::place(panel, unitlink::kWidePanelArea);

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
    host_.DisableButtonBar();
    host_.clearResults();
    for (int i = 0; i < int(kSpeedBands.size()); ++i)
        bandValues[i]->setText(QString::fromUtf8(kSpeedBands[i].value));
    for (int i = 0; i < int(kInjectorSerials.size()); ++i)
        injectorValues[i]->setText(QString::fromUtf8(kInjectorSerials[i].value));
    // Every row of the snapshot gets its value, the ninth included.
    for (int i = 0; i < int(kSnapshot.size()); ++i)
        snapshotValues[i]->setText(QString::fromUtf8(kSnapshot[i].value));
    host_.openPanel(panel, exitButton);
}

void FichtOperatingInfo::exitPanel() {
    for (QLabel *value : bandValues)
        value->clear();
    host_.closePanel(panel);
}
