#pragma once

// Drives the program with seeded random user input: clicks on whatever is
// visible and enabled, menu items, keys, the slider and close boxes, also
// from inside counted waits so that they land in nested handlers.

#include "ui/pump.h"

#include <QRandomGenerator>
#include <QStringList>

#include <atomic>

class QWidget;

namespace testing {

class InputDriver : public ui::EventPump {
public:
    InputDriver(quint32 seed, int eventBudget);
    ~InputDriver() override;

    // Delivers events until the budget is spent, then unloads every window.
    void run();

    int delivered() const { return delivered_; }
    int deliveredInsideWaits() const { return nested_; }
    const QStringList &log() const { return log_; }
    // The last lines of the event log, for a failure report.
    QString logTail(int lines = 60) const;
    // Bumped at every pass and event; a watchdog reads it to spot a hang.
    static std::atomic<quint64> progress;

    void pass() override;

private:
    void deliverOne();
    bool clickSomething();
    bool chooseMenuItem();
    bool pressKey();
    bool clickSlider();
    bool closeWindow();
    QList<QWidget *> loadedWindows() const;
    void note(const QString &what);

    QRandomGenerator random_;
    int budget_;
    int delivered_ = 0;
    int nested_ = 0;
    bool windingDown_ = false;
    qint64 passes_ = 0;
    QStringList log_;
    ui::EventPump *previous_;
};

} // namespace testing
