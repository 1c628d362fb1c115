#include "engines/yamaha/yamaha_live.h"

#include "app/errors32.h"
#include "engines/yamaha/yamaha_tables.h"
#include "ui/controls.h"
#include "ui/twips.h"

using namespace yamaha;

namespace {

constexpr int kTop = 360;
constexpr int kPitch = 345;
constexpr int kHeight = 285;
constexpr int kNameLeft = 240;
constexpr int kNameWidth = 3600;
constexpr int kValueLeft = 3960;
constexpr int kValueWidth = 1440;

QString nameOf(const LiveName &name) {
    using Source = LiveName::Source;
    const QString suffix = QString::fromUtf8(name.text);
    switch (name.source) {
    case Source::Fixed:
        return suffix;
    case Source::IntakeTemp:
        return ERRORS32::CapIntakeTemp + suffix;
    case Source::EngineTemp:
        return ERRORS32::CapEngineTemp + suffix;
    case Source::ThrottleVolt:
        return ERRORS32::CapThrottleVolt + suffix;
    case Source::SteppingMotor:
        return ERRORS32::CapSteppingMotor + suffix;
    case Source::ThrottleSwitch:
        return ERRORS32::CapThrottleSwitch + suffix;
    }
    return suffix;
}

} // namespace

YamahaLivePanel::YamahaLivePanel(unitlink::ScreenHost &host) : LabelLivePanel(host) {
    for (int i = 0; i < int(kLiveNames.size()); ++i) {
        const int top = kTop + i * kPitch;
        names[i] =
            ui::label(ui::indexedName(QStringLiteral("Label20"), i), nameOf(kLiveNames[i]), this);
        ui::place(names[i], kNameLeft, top, kNameWidth, kHeight);
        auto *value = ui::label(ui::indexedName(QStringLiteral("Label21"), i), QString(), this);
        value->setNameLabel(names[i]);
        ui::place(value, kValueLeft, top, kValueWidth, kHeight);
        values << value;
    }
    addRunBarAndButtons({kNameLeft, 3600, 9600, 570});
}

void YamahaLivePanel::open() {
    host_.openPanel(this, exitButton);
}

void YamahaLivePanel::run() {
    runCycles(runBar, kLiveTicks, kTickWait, [this](int tick) {
        for (int i = 0; i < int(kLiveNames.size()); ++i)
            if (kLiveNames[i].value)
                values[i]->setText(QString::fromUtf8(kLiveNames[i].value));
        values[kIntakeCelsius]->setText(QString::number(readingAt(kIntakeCelsiusReading, tick)));
        values[kIntakeFahrenheit]->setText(
            QString::number(readingAt(kIntakeFahrenheitReading, tick)));
        runBar->setText(runBar->text() + QLatin1Char('I'));
    });
}
