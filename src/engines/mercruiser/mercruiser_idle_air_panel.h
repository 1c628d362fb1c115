#pragma once

#include <QObject>

class QGroupBox;
class QLabel;
namespace ui {
class CommandButton;
class Picture;
} // namespace ui
namespace unitlink {
class ScreenHost;
} // namespace unitlink

// The IdleAirPanel of the Mercruiser screen: Start on the ActuatorPanel
// opens it in that panel's place. The arrows (pictures or the arrow keys)
// move the valve ten steps either side of the middle, with the idle speed
// following; Exit ends the actuator tests.
class MercruiserIdleAirPanel : public QObject {
    Q_OBJECT
public:
    explicit MercruiserIdleAirPanel(unitlink::ScreenHost &host);

    // The valve in the middle, the panel shown with the focus on its Exit.
    void open();

signals:
    // Shown: the ActuatorPanel it opened from hides now.
    void takingOver();
    // Exit, once the ButtonBar is back: the actuator tests end now.
    void closing();

private:
    void up();
    void down();
    void showStep(QLabel *side);
    void exit();

    unitlink::ScreenHost &host_;
    int step_ = 0;

    QGroupBox *panel_;
    ui::Picture *upArrow_;
    ui::Picture *downArrow_;
    QLabel *positiveLabel_;
    QLabel *negativeLabel_;
    QLabel *rpmLabel_;
    ui::CommandButton *exitButton_;
};
