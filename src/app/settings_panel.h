#pragma once

#include <QGroupBox>

class QRadioButton;
namespace ui {
class CommandButton;
}

// The main window's settings: interface language, temperature unit and
// communication port. A language takes effect at once.
class SettingsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit SettingsPanel(QWidget *parent);

    void showPanel();
    void chooseLanguage(int language);

    // Temperature unit (0 or 1 Celsius, 2 Fahrenheit) and port (0..7 = COM1..COM8)
    // chosen during this run; every run starts from zero.
    static int temperatureUnit();
    static int port();

signals:
    void exitPressed();

private:
    void applyCaptions();

    QGroupBox *languageGroup_;
    QRadioButton *languageOptions_[8];
    QRadioButton *temperatureOptions_[2];
    QRadioButton *portOptions_[8];
    ui::CommandButton *exitButton_;
};
