#pragma once

#include <QtGlobal>

#include <functional>

namespace unitlink {

// The stop flag of a repeated display (LiveRunState) and the rule of its
// panel's Exit: during a run Exit only asks the run to stop, and the run
// ends after its current step, leaving its last values; pressed when
// nothing runs, Exit closes the panel. Free of widgets: the caller gives
// each step and the wait after it.
class LiveRun {
public:
    static constexpr qint16 kIdle = 0;
    static constexpr qint16 kRunning = 2;
    static constexpr qint16 kStopRequested = 5;

    // How a run ended: asked to stop (or another function took the flag
    // over) with its panel still open, after its panel closed, or because
    // the screen is gone.
    enum class End { Stopped, PanelClosed, ScreenGone };

    qint16 state() const { return state_; }
    bool isRunning() const { return state_ == kRunning; }

    // Sets the flag to running and repeats step() then wait() until the
    // flag is no longer running. wait() returns false once the screen is gone.
    End run(const std::function<void()> &step, const std::function<bool()> &wait);
    // run() over cycles: showStep gets 1 to `steps`, then 1 again, with
    // newCycle() before every cycle after the first.
    End runCycles(int steps, const std::function<void()> &newCycle,
                  const std::function<void(int step)> &showStep, const std::function<bool()> &wait);
    // Another function is starting, or Exit was pressed: a running display
    // ends after its step. Returns whether one was running.
    bool requestStop();
    // A live panel's Exit: true when it closes the panel; during a run it
    // only asks the run to stop.
    bool exitCloses();
    // A panel whose own controls drive the values starts from idle.
    void reset() { state_ = kIdle; }

private:
    qint16 state_ = kIdle;
    // Counts the closings: a run that ends after its panel closed leaves it as it is.
    int closings_ = 0;
};

} // namespace unitlink
