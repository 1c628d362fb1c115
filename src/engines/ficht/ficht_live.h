#pragma once

#include <QObject>

#include <QList>

class FichtScreen;
class QGroupBox;
class QLabel;
namespace ui {
class CommandButton;
class Label;
} // namespace ui

// The Live Data panel of the Evinrude Ficht screen: four blocks of sensor
// readings that a run rewrites step by step, three of them changing with
// the step, until the panel's Exit stops it; a second Exit closes the panel.
class FichtLivePanel : public QObject {
    Q_OBJECT
public:
    explicit FichtLivePanel(FichtScreen *screen);

    // Live Data: captions and headers, empty values, the ButtonBar disabled.
    void open();

    QGroupBox *panel;
    QList<QLabel *> values; // the 24 value cells, block by block
    QLabel *ecuVolts;
    QLabel *alternatorVolts;
    QLabel *baroPressure;
    ui::Label *runBar;
    ui::CommandButton *startButton;
    ui::CommandButton *exitButton;

private:
    void run();
    void exitPanel();

    FichtScreen *screen_;
    // What each value cell shows when a run starts.
    QList<const char *> startTexts_;
    // Counts the closings: a run that ends after its panel closed leaves it as it is.
    int closings_ = 0;
};
