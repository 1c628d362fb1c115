#pragma once

#include "link/live_panel.h"

#include <QList>
#include <QRect>

class QLabel;
namespace ui {
class Label;
} // namespace ui

namespace unitlink {

// The live-data panel of the screens whose readings stand in labels: over
// the screen's width, captioned Live Data, with a run bar, the start button
// and Exit. Closing it empties the values and the bar. The screen lays out
// its readings and says what a run shows.
class LabelLivePanel : public LivePanel {
    Q_OBJECT
public:
    explicit LabelLivePanel(ScreenHost &host);

    QList<QLabel *> values; // emptied when the panel closes
    ui::Label *runBar = nullptr;

protected:
    // After the readings: the run bar at `bar` (twips), wrapping at any
    // character, then the start button and Exit; the panel stays hidden.
    void addRunBarAndButtons(const QRect &bar);
    void clearReadings() override;
};

} // namespace unitlink
