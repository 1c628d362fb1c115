#include "link/live_run.h"

namespace unitlink {

LiveRun::End LiveRun::run(const std::function<void()> &step, const std::function<bool()> &wait) {
    const int closings = closings_;
    state_ = kRunning;
    for (;;) {
        step();
        if (!wait())
            return End::ScreenGone;
        if (state_ != kRunning)
            return closings == closings_ ? End::Stopped : End::PanelClosed;
    }
}

LiveRun::End LiveRun::runCycles(int steps, const std::function<void()> &newCycle,
                                const std::function<void(int step)> &showStep,
                                const std::function<bool()> &wait) {
    int step = 0;
    return run(
        [&] {
            if (++step > steps) {
                step = 1;
                newCycle();
            }
            showStep(step);
        },
        wait);
}

bool LiveRun::requestStop() {
    if (state_ != kRunning)
        return false;
    state_ = kStopRequested;
    return true;
}

bool LiveRun::exitCloses() {
    if (requestStop())
        return false;
    ++closings_;
    return true;
}

} // namespace unitlink
