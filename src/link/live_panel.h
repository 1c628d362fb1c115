#pragma once

#include "link/screen_host.h"

#include <QGroupBox>

#include <functional>

class QLabel;
namespace ui {
class CommandButton;
} // namespace ui

namespace unitlink {

// A live-data panel: readings a run rewrites step by step, a start button
// and Exit. Exit during a run only asks it to stop, and the run ends after
// its step leaving its last values; pressed again, or with nothing running,
// Exit closes the panel and empties its readings.
class LivePanel : public QGroupBox {
    Q_OBJECT
public:
    ui::CommandButton *startButton = nullptr;
    ui::CommandButton *exitButton = nullptr;

protected:
    LivePanel(ScreenHost &host, const QString &name, const QString &caption);

    // Start runs run(), Exit stops or closes; once both buttons exist.
    void connectButtons();
    virtual void run() = 0;
    // What closing the panel empties.
    virtual void clearReadings() = 0;
    // The screen's repeated display over cycles of `steps`; true when it
    // was stopped and its panel is still open.
    bool runCycles(QLabel *bar, int steps, int waitLimit,
                   const std::function<void(int step)> &showStep);

    ScreenHost &host_;

private:
    void exitPressed();
};

} // namespace unitlink
