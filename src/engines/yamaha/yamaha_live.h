#pragma once

#include <QObject>

#include <array>

class QGroupBox;
class QLabel;
class YamahaScreen;
namespace ui {
class CommandButton;
class Label;
} // namespace ui

// The Live Data panel of the Yamaha screen: nine name/value pairs that a
// run rewrites tick by tick, the intake temperatures changing with the tick,
// until the panel's Exit stops it; a second Exit closes the panel.
class YamahaLivePanel : public QObject {
    Q_OBJECT
public:
    explicit YamahaLivePanel(YamahaScreen *screen);

    // Live Data: the panel shown, the ButtonBar disabled.
    void open();

    QGroupBox *panel;
    std::array<QLabel *, 9> names{};
    std::array<QLabel *, 9> values{}; // R.P.M.'s, the last, stays empty
    ui::Label *tickBar;
    ui::CommandButton *startButton;
    ui::CommandButton *exitButton;

private:
    void run();
    void exitPanel();

    YamahaScreen *screen_;
};
