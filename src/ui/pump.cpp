#include "ui/pump.h"

#include <QCoreApplication>
#include <QTimer>

#include <thread>

namespace ui {

namespace {

constexpr std::chrono::milliseconds kEventInterval{1};
// Passes run ahead of their schedule by this much before the pump waits in
// the event queue; events arriving during that wait are handled at once.
constexpr std::chrono::milliseconds kRunAhead{4};

PacedPump &programPump() {
    static PacedPump pump;
    return pump;
}

EventPump *currentPump = nullptr;
int depth = 0;
std::vector<std::function<void()>> pendingActions;

SleepFunction &sleepOverride() {
    static SleepFunction sleep;
    return sleep;
}

} // namespace

void PacedPump::waitForEventsUntil(Clock::time_point deadline) {
    if (!wakeUp_) {
        wakeUp_ = std::make_unique<QTimer>();
        wakeUp_->setTimerType(Qt::PreciseTimer);
        wakeUp_->setSingleShot(true);
    }
    // Whole milliseconds in the event queue, rounded down so as not to
    // overshoot; a handler run meanwhile may start a nested wait, which
    // restarts the same timer, so it is started afresh every time round.
    for (auto left = deadline - Clock::now(); left >= kEventInterval;
         left = deadline - Clock::now()) {
        wakeUp_->start(std::chrono::floor<std::chrono::milliseconds>(left));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        lastEvents_ = Clock::now();
    }
    wakeUp_->stop();
    // Timers go by the millisecond; the rest is slept off.
    const auto left = deadline - Clock::now();
    if (left > Clock::duration::zero())
        std::this_thread::sleep_for(left);
}

void PacedPump::beginWait(qint64 passes) {
    waits_.push_back({Clock::now(), passes, 0});
}

void PacedPump::endWait() {
    // A wait that ends early (its window unloaded, its run called off) does
    // not sit out the rest of its time.
    if (!waits_.empty())
        waits_.pop_back();
}

void PacedPump::pass() {
    // Pass n of a wait is due n pass times after the wait began: a wait is
    // paced from its own start, and one that a nested wait held up catches
    // up instead of starting its schedule over. Only values are kept, since
    // a nested wait may grow waits_ while this pass processes events.
    Clock::time_point due;
    bool last = true;
    if (waits_.empty()) {
        // A pass outside any counted wait is paced as a wait of one pass.
        due = Clock::now() + kPassTime;
    } else {
        Schedule &wait = waits_.back();
        ++wait.done;
        due = wait.start + wait.done * kPassTime;
        last = wait.done == wait.planned;
    }
    const auto now = Clock::now();
    if (due - now >= kRunAhead) {
        // Ahead of time: sleep in the event queue itself, so that a click
        // arriving meanwhile is handled at once.
        waitForEventsUntil(due);
        return;
    }
    if (now - lastEvents_ >= kEventInterval) {
        lastEvents_ = now;
        QCoreApplication::processEvents();
    }
    // However far ahead its passes ran, a wait ends on time.
    if (last)
        waitForEventsUntil(due);
}

CountedWait::CountedWait(qint64 passes) : pump_(&eventPump()) {
    pump_->beginWait(passes);
}

CountedWait::~CountedWait() {
    pump_->endWait();
}

EventPump *installEventPump(EventPump *pump) {
    EventPump *previous = currentPump;
    currentPump = pump;
    return previous;
}

EventPump &eventPump() {
    return currentPump ? *currentPump : programPump();
}

NestedEventScope::NestedEventScope() {
    ++depth;
}

NestedEventScope::~NestedEventScope() {
    if (--depth > 0)
        return;
    auto actions = std::move(pendingActions);
    pendingActions.clear();
    for (auto &action : actions)
        action();
}

int nestedEventDepth() {
    return depth;
}

void whenNoNestedEvents(std::function<void()> action) {
    if (depth == 0)
        action();
    else
        pendingActions.push_back(std::move(action));
}

void Sleep(int ms) {
    if (sleepOverride())
        sleepOverride()(ms);
    else if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

SleepFunction installSleep(SleepFunction sleep) {
    SleepFunction previous = std::move(sleepOverride());
    sleepOverride() = std::move(sleep);
    return previous;
}

} // namespace ui
