#pragma once

#include "link/live_run.h"

#include <functional>

class QLabel;
class QWidget;

namespace unitlink {

// What a function panel may ask of the engine screen it lies on. Panels
// see only this; a request of one screen alone (closing Yamaha's hours
// panel, changing Ficht's hours) is a signal of the panel that its screen
// answers.
class ScreenHost {
public:
    // The window the panel's frames are built on.
    virtual QWidget *panelParent() = 0;
    // Shows a function panel over the screen, optionally disabling the
    // ButtonBar, and focuses the given control.
    virtual void openPanel(QWidget *panel, QWidget *focus, bool disableBar = true) = 0;
    // Hides a function panel, re-enables the ButtonBar and focuses Exit.
    virtual void closePanel(QWidget *panel) = 0;
    // Focuses the lower-strip Exit, or while an open panel holds it, the
    // control that panel was opened with.
    virtual void focusExit() = 0;
    virtual void EnableButtonBar() = 0;
    virtual void DisableButtonBar() = 0;
    // Empties the ResultList.
    virtual void clearResults() = 0;
    // The counted wait: limit + 1 passes through the event queue. Returns
    // false, early, once the screen has been unloaded, or after the first
    // pass at which goOn() no longer holds.
    virtual bool BusyWait(int limit) = 0;
    virtual bool BusyWait(int limit, const std::function<bool()> &goOn) = 0;
    // The stop flag of the screen's repeated displays.
    virtual LiveRun &liveRun() = 0;
    // A repeated display over cycles of `steps`, BusyWait(waitLimit) after
    // each; `bar` is emptied at each new cycle.
    virtual LiveRun::End runLiveCycles(QLabel *bar, int steps, int waitLimit,
                                       const std::function<void(int step)> &showStep) = 0;

protected:
    ~ScreenHost() = default;
};

} // namespace unitlink
