#pragma once

#include <QList>
#include <QObject>
#include <QRect>

class QGroupBox;
class QLabel;
namespace ui {
class CommandButton;
class Label;
} // namespace ui

namespace unitlink {

class EngineScreen;

// The live-data panel of the screens whose readings stand in labels: over
// the screen's width, captioned Live Data, with a run bar, the start button
// and Exit. Exit during a run only stops it; otherwise it closes the panel
// and empties the values and the bar. The screen lays out its readings and
// says what a run shows.
class LabelLivePanel : public QObject {
    Q_OBJECT
public:
    explicit LabelLivePanel(EngineScreen *screen);

    QGroupBox *panel;
    QList<QLabel *> values; // emptied when the panel closes
    ui::Label *runBar = nullptr;
    ui::CommandButton *startButton = nullptr;
    ui::CommandButton *exitButton = nullptr;

protected:
    // After the readings: the run bar at `bar` (twips), wrapping at any
    // character, then the start button and Exit; the panel stays hidden.
    void addRunBarAndButtons(const QRect &bar);
    virtual void run() = 0;

    EngineScreen *screen_;
    // Counts the closings: a run that ends after its panel closed leaves it as it is.
    int closings_ = 0;

private:
    void exitPanel();
};

} // namespace unitlink
