#include "ui/pump.h"

#include <QCoreApplication>
#include <QTimer>

#include <thread>
#include <vector>

namespace ui {

namespace {

constexpr std::chrono::milliseconds kEventInterval{1};
// Passes run ahead of their schedule by this much before the pump waits in
// the event queue; events arriving during that wait are handled at once.
constexpr std::chrono::milliseconds kRunAhead{4};
// A pump that fell behind (a long repaint, a pause between waits) restarts
// its schedule instead of racing through the passes it missed.
constexpr std::chrono::milliseconds kMaxLag{10};

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
    for (auto now = Clock::now(); now < deadline; now = Clock::now()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        wakeUp_->start(left);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    wakeUp_->stop();
}

void PacedPump::pass() {
    auto now = Clock::now();
    due_ += kPassTime;
    if (now - due_ > kMaxLag || due_ - now > kMaxLag)
        due_ = now + kPassTime;
    if (due_ - now >= kRunAhead) {
        // Ahead of time: sleep in the event queue itself, so that a click
        // arriving meanwhile is handled at once.
        waitForEventsUntil(due_);
        lastEvents_ = Clock::now();
        return;
    }
    if (now - lastEvents_ >= kEventInterval) {
        lastEvents_ = now;
        QCoreApplication::processEvents();
    }
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
