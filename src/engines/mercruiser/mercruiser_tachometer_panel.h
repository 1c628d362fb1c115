#pragma once

#include <QObject>

class QGroupBox;
class QLabel;
class QSlider;
namespace ui {
class CommandButton;
} // namespace ui
namespace unitlink {
class ScreenHost;
} // namespace unitlink

// The TachometerPanel of the Mercruiser screen, the pseudo tachometer
// output: the ActuatorPanel's Tachometer button opens it in that panel's
// place. The slider, + and - set the speed sent; Exit ends the actuator tests.
class MercruiserTachometerPanel : public QObject {
    Q_OBJECT
public:
    explicit MercruiserTachometerPanel(unitlink::ScreenHost &host);

    // The panel shown with the focus on its Exit, at the speed it was left at.
    void open();

signals:
    // Shown: the ActuatorPanel it opened from hides now.
    void takingOver();
    // Exit, once the ButtonBar is back: the actuator tests end now.
    void closing();

private:
    void plus();
    void minus();
    void showValue();
    void exit();

    unitlink::ScreenHost &host_;

    QGroupBox *panel_;
    QSlider *slider_;
    ui::CommandButton *plusButton_;
    ui::CommandButton *minusButton_;
    QLabel *rpmLabel_;
    ui::CommandButton *exitButton_;
};
