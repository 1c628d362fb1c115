#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include <QtGlobal>

class QTimer;

namespace ui {

// One pass of a counted wait: the program yields to the event queue here.
// The pump is replaceable so that tests can count passes and act at a
// chosen one without waiting in real time.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void pass() = 0;
    // Bracket the passes of one counted wait, which plans `passes` of them.
    // Waits nest: a handler run during a pass may start its own.
    virtual void beginWait(qint64 passes) { (void)passes; }
    virtual void endWait() {}
};

// The program's pump: every pass takes the same wall time, counted from the
// start of its own wait, so a wait of n passes lasts n × kPassTime whatever
// ran before it. Pending events are processed at least once a millisecond,
// and the thread sleeps in the event queue instead of spinning in between.
class PacedPump final : public EventPump {
public:
    static constexpr std::chrono::nanoseconds kPassTime{5000};
    void pass() override;
    void beginWait(qint64 passes) override;
    void endWait() override;

private:
    using Clock = std::chrono::steady_clock;
    struct Schedule {
        Clock::time_point start;
        qint64 planned = 0;
        qint64 done = 0;
    };
    void waitForEventsUntil(Clock::time_point deadline);

    std::unique_ptr<QTimer> wakeUp_;
    std::vector<Schedule> waits_; // innermost last
    Clock::time_point lastEvents_{};
};

// One counted wait on the current pump, from construction to destruction.
class CountedWait {
public:
    explicit CountedWait(qint64 passes);
    ~CountedWait();
    CountedWait(const CountedWait &) = delete;
    CountedWait &operator=(const CountedWait &) = delete;

private:
    EventPump *pump_;
};

// Installs a pump (nullptr restores the program's pump); returns the previous one.
EventPump *installEventPump(EventPump *pump);
EventPump &eventPump();

// Marks a stretch of code that processes events while a handler is
// suspended (a counted wait, a modal box). Windows unloaded meanwhile are
// only destroyed once the outermost scope has ended.
class NestedEventScope {
public:
    NestedEventScope();
    ~NestedEventScope();
    NestedEventScope(const NestedEventScope &) = delete;
    NestedEventScope &operator=(const NestedEventScope &) = delete;
};
int nestedEventDepth();
// Runs once every nested scope has ended (at once when none is active).
void whenNoNestedEvents(std::function<void()> action);

// The system pause of the actuator tests: blocks the thread for ms milliseconds.
void Sleep(int ms);
using SleepFunction = std::function<void(int)>;
SleepFunction installSleep(SleepFunction sleep); // empty restores the real one

} // namespace ui
