#include "app/settings_panel.h"

#include "app/errors32.h"
#include "ui/controls.h"
#include "ui/twips.h"

namespace {
// Module settings: they last for the run only.
qint16 temperatureSetting = 0;
qint32 portSetting = 0;

const char *const kLanguageNames[8] = {"Spanish", "English",    "French", "Italian",
                                       "German",  "Portuguese", "Suomi",  "Swedish"};
} // namespace

SettingsPanel::SettingsPanel(QWidget *parent) : QGroupBox(QStringLiteral("Setting"), parent) {
    setObjectName(QStringLiteral("Frame1"));
    ui::coverWhatLiesUnder(this);
    ui::place(this, 3120, 960, 5640, 4560);

    languageGroup_ = ui::frame(QStringLiteral("Frame3"), QStringLiteral("Language"), this);
    ui::place(languageGroup_, 240, 360, 2400, 3480);
    for (int i = 0; i < 8; ++i) {
        languageOptions_[i] = ui::option(ui::indexedName(QStringLiteral("Option2"), i + 1),
                                         QString::fromLatin1(kLanguageNames[i]), languageGroup_);
        ui::place(languageOptions_[i], 240, 300 + i * 390, 2040, 330);
        connect(languageOptions_[i], &QRadioButton::clicked, this,
                [this, i] { chooseLanguage(i + 1); });
    }

    auto *temperatureGroup = ui::frame(QStringLiteral("Frame9"), QString(), this);
    // The group has no caption: a screen reader names it by its options.
    temperatureGroup->setAccessibleName(QStringLiteral("Celsius, Farenheit"));
    ui::place(temperatureGroup, 2880, 360, 2520, 1080);
    const QString temperatureNames[2] = {QStringLiteral("Celsius"), QStringLiteral("Farenheit")};
    for (int i = 0; i < 2; ++i) {
        temperatureOptions_[i] = ui::option(ui::indexedName(QStringLiteral("Option4"), i + 1),
                                            temperatureNames[i], temperatureGroup);
        ui::place(temperatureOptions_[i], 240, 240 + i * 390, 2040, 330);
        connect(temperatureOptions_[i], &QRadioButton::clicked, this,
                [i] { temperatureSetting = qint16(i + 1); });
    }

    auto *portGroup = ui::frame(QStringLiteral("Frame2"), QStringLiteral("Port"), this);
    ui::place(portGroup, 2880, 1560, 2520, 2280);
    for (int i = 0; i < 8; ++i) {
        portOptions_[i] = ui::option(ui::indexedName(QStringLiteral("Option1"), i + 1),
                                     QStringLiteral("COM%1").arg(i + 1), portGroup);
        ui::place(portOptions_[i], 240 + (i / 4) * 1140, 300 + (i % 4) * 450, 1020, 330);
        connect(portOptions_[i], &QRadioButton::clicked, this, [i] { portSetting = i; });
    }

    exitButton_ = new ui::CommandButton(QStringLiteral("Command1"), QStringLiteral("Exit"), this);
    ui::place(exitButton_, 3960, 3960, 1440, 420);
    connect(exitButton_, &QPushButton::clicked, this, &SettingsPanel::exitPressed);

    hide();
}

void SettingsPanel::showPanel() {
    exitButton_->setText(ERRORS32::CapExit);
    show();
    const int language = qBound(1, int(ERRORS32::LanguageCode), 8);
    languageOptions_[language - 1]->setChecked(true);
    chooseLanguage(language);
    temperatureOptions_[temperatureSetting == 2 ? 1 : 0]->setChecked(true);
    portOptions_[qBound(0, int(portSetting), 7)]->setChecked(true);
    applyCaptions();
    exitButton_->setFocus();
}

void SettingsPanel::chooseLanguage(int language) {
    ERRORS32::LanguageCode = qint16(language);
    ERRORS32::LanguageLoader();
    applyCaptions();
}

void SettingsPanel::applyCaptions() {
    exitButton_->setText(ERRORS32::CapExit);
    setTitle(ERRORS32::CapSettings);
    languageGroup_->setTitle(ERRORS32::CapLanguage);
}

int SettingsPanel::temperatureUnit() {
    return temperatureSetting;
}
int SettingsPanel::port() {
    return portSetting;
}
